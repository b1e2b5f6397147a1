#pragma once

#include "game/net/net_context.h"

struct Game;

// Where the game-server client meets the rest of the game.

NetContext NetOf(Game& game);

// The network screens' row of the screen table. The character list (171) asked for while a
// network game is in progress (Escape in flight, "Charakter" at a station) first returns the game
// to the server; the connection screen (17) first ends a game in progress, which a character's
// game would replace.
void RunNetScreen(Game& game);

// The menus' network step, before the screen is built.
void PollNetwork(Game& game);

// The main menu ends network play: a network game in progress is returned to the server first,
// then the connection closes and later games are single play.
void EndNetworkPlay(Game& game);
