#pragma once

struct Game;

// A free game: the player's ship of ship type 1 at the start point of the start system, docked
// at "Planet Neue Allianz".
void StartFreeGame(Game& game);

// Entering the station of DockedPlace: presence rolls, fade-in, the offer copies, the save-game
// names, the place becomes known, its people, the dealers' scroll positions, the data-sheet
// plate; then the station screen is built.
void PrepareStation(Game& game);

// Entering the station from flight: prepares it and runs the menu until the player starts again.
void EnterStation(Game& game);

// "Freies Spiel": a free game, entered at its station; quitting it loses nothing yet.
void EnterNewGame(Game& game);

// After a load: a game saved at a station enters that station (true, the menu runs on); one saved
// in flight leaves the menu straight into flight (false).
bool EnterLoadedGame(Game& game);

// The end of a fade to black in the menu: the offers go back into the place, the player is no
// longer docked, and flight fades in.
void LeaveMenuToFlight(Game& game);
