#pragma once

// The game-server client's state for the run: the connection and what the character screens show.
struct NetState {
  int serverConnection = 0;  // connection handle; 0 none
};
