#pragma once

#include "game/flight/flight_context.h"

struct Game;

// One frame of flight: the frame's steps in their fixed order, each owned by its subsystem.
void RunFrame(Game& game);

// What the flight passes of this frame work on.
FlightContext FlightOf(Game& game);

// What the player pass asked of saved games (F5) and the network, carried out after the pass.
void CarryOutFlightRequests(Game& game, const FlightRequests& requests);

// The end of every frame of any loop: the frame hooks (scripted runs, network polling), then the
// finished picture is shown.
void FinishFrame(Game& game);

// F12: saves the screen as "Bild" + 1000..9999 + ".bmp" in the game folder.
void TakeScreenshot(Game& game);
