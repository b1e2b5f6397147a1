#pragma once

struct Game;

// Builds the screen of the current ScreenState through the screen table: a screen's items are
// cleared and built anew; codes that are no screen of their own act and build the screen they
// belong to; codes without an entry leave the current items alone (false then).
bool BuildScreen(Game& game);
