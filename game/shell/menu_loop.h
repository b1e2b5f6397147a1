#pragma once

struct Game;

// One frame of the menu loop; false when the loop ends (the player leaves to flight or quits).
bool RunMenuFrame(Game& game);

// Runs menu frames until the player leaves to flight.
void RunMenu(Game& game);

// Builds the screen of a menu action and runs the menu until it returns.
void OpenMenu(Game& game, int action);

// The start menu of a freshly started game: the save names are listed, no game is in progress,
// the main menu is built with its reveal animation; Open... also runs it.
void PrepareStartMenu(Game& game);
void OpenStartMenu(Game& game);
