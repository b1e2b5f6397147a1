#include "tests/server/server_fixture.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "formats/file_io.h"
#include "formats/free_game.h"
#include "formats/system_file.h"

namespace {

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
  std::filesystem::create_directories(path.parent_path());
  ASSERT_TRUE(WriteFileAtomically(path, bytes).ok) << path;
}

double Now() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

}  // namespace

void WriteServerGameFolder(const std::filesystem::path& folder) {
  const auto ini = folder / "INI";
  WriteFile(ini / "Gruppen.ini",
            "0    Spieler                  1.0  \r\n"
            "1    Die Allianz              0.5  1.0  \r\n");
  WriteFile(ini / "Universum.ini", "[Systeme]\r\nHeimat\r\n0\r\n0\r\n");
  const ElementRecord ring{
      "Andockringe", "Andockring", "Planet Neue Allianz", "Die Allianz", 45500, 79000, 0, 0};
  ElementRecord second = ring;
  second.name = "Station Zwei";
  second.x = 30000;
  WriteFile(ini / "Heimat" / "System.ini", WriteSystemElements({ring, second}));
  WriteFile(folder / "SAVE" / "Neuer Charakter.sav", MakeSaveGame(kFixtureShape, 10000));
}

std::string MakeSaveGame(const UniverseShape& shape, int money, const std::string& orders) {
  SavedGame game;
  game.dockedPlace = "Planet Neue Allianz";
  ShipRecord& ship = game.ship;
  ship = {.type = 2001, .id = kLocalShipId, .controller = kLocalShipController, .radius = 24};
  ship.x = 45001;
  ship.y = 79300;
  ship.heading = 270;
  ship.maxSpeed = 40;
  ship.driveFactor = 1;
  ship.money = money;
  ship.weapons = ShipWeaponRecord(0) + ShipWeaponRecord(0);
  ship.cargoCapacity = 20;
  ship.hull = ship.maxHull = 300;
  ship.impactSprite = 11;
  ship.shield = ship.maxShield = 100;
  ship.energy = ship.maxEnergy = 500;
  ship.tractorTimer = -1;
  ship.orders = orders;
  ship.dockTarget = -1;
  for (int i = 0; i <= shape.groupCount; ++i) game.attitudes.push_back(i == 0 ? 1.0f : 0.5f);
  for (int i = 0; i < shape.placeCount; ++i) {
    game.places.push_back({i % 2, "Wasser                        500"});
  }
  const SaveBytes bytes = WriteSavedGame(game);
  EXPECT_TRUE(bytes.ok) << bytes.error;
  return bytes.bytes;
}

TestServer::~TestServer() {
  if (server) StopServer(*server);
  if (thread.joinable()) thread.join();
}

bool TestServer::WaitForLog(const std::string& text, double seconds) {
  const double end = Now() + seconds;
  do {
    for (const std::string& line : LogLines()) {
      if (line.find(text) != std::string::npos) return true;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  } while (Now() < end);
  return false;
}

std::vector<std::string> TestServer::LogLines() {
  std::lock_guard<std::mutex> lock(logMutex);
  return log;
}

std::unique_ptr<TestServer> StartTestServer(const std::filesystem::path& game,
                                            const std::filesystem::path& database,
                                            void (*configure)(Server&)) {
  auto running = std::make_unique<TestServer>();
  ServerOptions options;
  options.port = 0;
  options.database = database;
  options.gameFolder = game;
  TestServer* raw = running.get();
  std::string error;
  running->server = StartServer(
      options,
      [raw](const std::string& line) {
        std::lock_guard<std::mutex> lock(raw->logMutex);
        raw->log.push_back(line);
      },
      &error);
  EXPECT_TRUE(running->server) << error;
  if (!running->server) return nullptr;
  if (configure) configure(*running->server);
  running->port = running->server->loop.port;
  running->thread = std::thread([raw] { RunServer(*raw->server); });
  return running;
}

TestClient::~TestClient() {
  if (fd >= 0) close(fd);
}

bool ConnectTestClient(TestClient& client, int port) {
  client.fd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<uint16_t>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  const int on = 1;
  setsockopt(client.fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  if (client.receiveBuffer > 0) {
    setsockopt(client.fd, SOL_SOCKET, SO_RCVBUF, &client.receiveBuffer,
               sizeof client.receiveBuffer);
  }
  if (!client.localAddress.empty()) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    inet_pton(AF_INET, client.localAddress.c_str(), &local.sin_addr);
    if (bind(client.fd, reinterpret_cast<sockaddr*>(&local), sizeof local) != 0) return false;
  }
  return connect(client.fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
}

bool SendBytes(TestClient& client, const std::string& bytes) {
  std::size_t sent = 0;
  while (sent < bytes.size()) {
    const ssize_t n = send(client.fd, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
    if (n <= 0) return false;
    sent += static_cast<std::size_t>(n);
  }
  return true;
}

bool SendMessage(TestClient& client, const NetMessage& message) {
  return SendBytes(client, EncodeMessage(message));
}

namespace {

// Reads once, waiting at most until `end`; false when nothing more will come.
bool ReadMore(TestClient& client, double end) {
  const double left = end - Now();
  if (left <= 0) return false;
  pollfd polled{client.fd, POLLIN, 0};
  if (poll(&polled, 1, static_cast<int>(left * 1000) + 1) <= 0) return false;
  char block[65536];
  const ssize_t got = recv(client.fd, block, sizeof block, 0);
  if (got <= 0) return false;
  FeedStream(client.reader, std::string_view(block, static_cast<std::size_t>(got)));
  for (;;) {
    NetStreamItem item = NextStreamMessage(client.reader);
    if (item.status != NetStreamStatus::kMessage) break;
    client.queued.push_back(std::move(item.message));
  }
  return true;
}

}  // namespace

std::optional<NetMessage> Receive(TestClient& client, double seconds) {
  const double end = Now() + seconds;
  while (client.queued.empty()) {
    if (!ReadMore(client, end)) return std::nullopt;
  }
  NetMessage message = std::move(client.queued.front());
  client.queued.erase(client.queued.begin());
  return message;
}

bool DrainAvailable(TestClient& client) {
  for (;;) {
    pollfd polled{client.fd, POLLIN, 0};
    if (poll(&polled, 1, 0) <= 0) return true;
    if (!ReadMore(client, Now() + 1)) return false;
  }
}

bool WaitClosed(TestClient& client, double seconds) {
  const double end = Now() + seconds;
  while (Now() < end) {
    pollfd polled{client.fd, POLLIN, 0};
    if (poll(&polled, 1, 50) <= 0) continue;
    char block[65536];
    const ssize_t got = recv(client.fd, block, sizeof block, 0);
    if (got == 0 || (got < 0 && errno == ECONNRESET)) return true;
  }
  return false;
}

std::string NewAccount(TestClient& client) {
  SendMessage(client, NetHello{""});
  const std::optional<NetNewAccount> account = ReceiveAs<NetNewAccount>(client);
  return account ? account->accountId : "";
}
