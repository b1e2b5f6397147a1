#pragma once

#include <string>

#include "game/net/net_context.h"

// The character's game travels between client and server as a saved game, kept on the client as
// SAVE\InternetFile.sav.

// The game received after joining: written to SAVE\InternetFile.sav (whole, replacing the file
// only once the new one is complete) and loaded, only when it fits this universe as a saved game
// must. Then the game is in progress under the name "InternetFile", the player flies at once
// (ScreenState 17191) and the server's other messages follow in flight. A game that does not fit
// leaves the previous file and the world alone and shows the "FEHLER" screen. A game there that
// was never sent in full is kept first, and the character's kept game is offered
// (kKeptGameQuestion) before the player flies.
void AcceptGameFile(NetContext& context, const std::string& bytes);

// After a game was kept (unsent_game.h), the join asks whether to fly on from it: "Ja" loads it
// in place of the server's game, to be sent at the next Escape; "Nein" throws it away. Either
// way the player then flies.
void ResumeKeptGame(NetContext& context);
void DropKeptGame(NetContext& context);

// A returned game that has come to count as arrived is no longer kept as unsent.
void NoteReturnedGame(NetContext& context);

// Leaving a network game for the character list (Escape in flight, "Charakter" at a station):
// the game is saved as "InternetFile" and that file is sent to the server, which keeps it. The
// game is then no longer in progress here: its ships are gone, so that nothing flies on with a
// game the server already holds. False when there was no connection to send it on.
bool ReturnGameToServer(NetContext& context);

// The game in progress ends: its ships go and the player is docked nowhere, so nothing is left to
// fly, to continue or to save.
void EndGameInProgress(World& world, MenuState& menu);
