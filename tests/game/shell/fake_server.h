#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "formats/protocol_stream.h"

// A game server played by the test: a listening loopback socket on a free port, one client, raw
// bytes both ways. Nothing waits: the test pumps it between the game's frames.
struct FakeServer {
  int listener = -1;
  int client = -1;
  int port = 0;
  bool clientClosed = false;  // the client ended the connection
  NetStreamReader reader = MakeStreamReader(NetDirection::kClientToServer);

  FakeServer();
  ~FakeServer();
  FakeServer(const FakeServer&) = delete;
  FakeServer& operator=(const FakeServer&) = delete;
};

// "127.0.0.1:<port>", for VELMARITH_SERVER.
std::string FakeServerAddress(const FakeServer& server);

// Takes a waiting connection (a new one after the last has ended) and reads what has arrived;
// call once per frame.
void PumpFakeServer(FakeServer& server);

bool SendRaw(FakeServer& server, std::string_view bytes);
bool SendMessage(FakeServer& server, const NetMessage& message);

// The next whole message the client sent, if one has arrived.
std::optional<NetMessage> TakeMessage(FakeServer& server);

// Ends the connection from the server's side.
void CloseClient(FakeServer& server);
