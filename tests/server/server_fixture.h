#pragma once

#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "formats/protocol_stream.h"
#include "formats/save_check.h"
#include "server/server.h"
#include "tests/support/temp_folder.h"

// A game folder as small as the server can use: two groups, one system with two places, and a
// template game that fits them.
inline constexpr UniverseShape kFixtureShape{.groupCount = 1, .placeCount = 2};
void WriteServerGameFolder(const std::filesystem::path& folder);

// A saved game for a universe of `shape`; `money` and `orders` tell games apart.
std::string MakeSaveGame(const UniverseShape& shape, int money, const std::string& orders = "");

// velmarith-server on a thread of the test, on a free loopback port, logging into `log`.
struct TestServer {
  std::unique_ptr<Server> server;
  std::thread thread;
  int port = 0;
  std::mutex logMutex;
  std::vector<std::string> log;

  ~TestServer();
  // True when a log line containing `text` appears within `seconds`.
  bool WaitForLog(const std::string& text, double seconds = 5);
  std::vector<std::string> LogLines();
};

// Starts a server on `game` and `database`; `configure` may change its limits first.
std::unique_ptr<TestServer> StartTestServer(const std::filesystem::path& game,
                                            const std::filesystem::path& database,
                                            void (*configure)(Server&) = nullptr);

// A simulated game client: a blocking loopback socket and the codec.
struct TestClient {
  int fd = -1;
  NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient);
  std::vector<NetMessage> queued;  // read, not yet taken
  int receiveBuffer = 0;           // the socket's receive buffer when set
  std::string localAddress;        // a loopback address to connect from, when set

  TestClient() = default;
  TestClient(const TestClient&) = delete;
  TestClient& operator=(const TestClient&) = delete;
  ~TestClient();
};

bool ConnectTestClient(TestClient& client, int port);
bool SendBytes(TestClient& client, const std::string& bytes);
bool SendMessage(TestClient& client, const NetMessage& message);
// The next message within `seconds`; none when the time runs out or the connection ends.
std::optional<NetMessage> Receive(TestClient& client, double seconds = 5);
// Reads whatever has arrived, without waiting; false when the connection has ended.
bool DrainAvailable(TestClient& client);
// True when the server closes the connection within `seconds` (messages before are dropped).
bool WaitClosed(TestClient& client, double seconds = 5);

template <class T>
std::optional<T> ReceiveAs(TestClient& client, double seconds = 5) {
  std::optional<NetMessage> message = Receive(client, seconds);
  if (!message || !std::holds_alternative<T>(*message)) return std::nullopt;
  return std::get<T>(*message);
}

// Hello with an empty id; the new account id the server answers with ("" when none).
std::string NewAccount(TestClient& client);
