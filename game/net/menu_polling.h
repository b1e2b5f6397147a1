#pragma once

#include "game/net/net_context.h"

// The menus' network step, once per menu frame in a network game: takes the connection when the
// connect thread has made it (and says hello with the account id), shows a failed connection,
// animates the connection screen, and handles what the server sent to the screen shown - the
// account id, the character list, a taken name, the character's game. Every message that has
// arrived whole is taken, in arrival order; of several that change the screen the last one
// counts, and the messages behind a received game wait for flight. A screen the player chose in
// the same frame wins over the server's.
// While a game is in progress (a network player at a station) the other players' messages are
// handled as in flight, so that the connection keeps being read. A lost connection shows the
// "no connection" screen on the network screens and a ticker line in a game.
void PollNetworkMenu(NetContext& context);
