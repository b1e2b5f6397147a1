// What one flight frame's network step costs when the server has relayed many movement reports
// since the last frame: the bytes are read from a loopback connection, cut into messages and
// applied to the other players' ships. Aim: 100 messages within 0.2 ms.
//   build/bench/bench_net_messages

#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "formats/protocol.h"
#include "game/net/flight_messages.h"
#include "game/net/net_socket.h"
#include "game/net/player_messages.h"
#include "game/world/world_lists.h"

namespace {

// A connected loopback pair: the game's end is non-blocking, the server's end writes.
struct Loopback {
  int game = -1;
  int server = -1;

  Loopback() {
    const int listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listener, 1);
    getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length);
    game = socket(AF_INET, SOCK_STREAM, 0);
    connect(game, reinterpret_cast<sockaddr*>(&address), sizeof address);
    server = accept(listener, nullptr, nullptr);
    close(listener);
    SetNonBlocking(game);
  }
  ~Loopback() {
    close(game);
    close(server);
  }
};

// `players` other players, each reporting `perPlayer` movements this frame.
void HandleMovements(benchmark::State& state) {
  const int players = static_cast<int>(state.range(0));
  const int perPlayer = static_cast<int>(state.range(1));
  Loopback loopback;
  NetState net;
  net.socket = loopback.game;
  net.serverConnection = kServerConnected;
  World world;
  Catalogues catalogues;
  catalogues.ships.shipTypes.resize(2);
  catalogues.ships.shipTypeCount = 1;
  AddShip(world.ships, ShipRecord{.type = 2001, .id = 10, .controller = 1});
  for (int p = 0; p < players; ++p) {
    HandlePlayerMessage(world, catalogues, NetPlayerJoins{2 + p, "Spieler"});
  }
  std::string frame;
  for (int round = 0; round < perPlayer; ++round) {
    for (int p = 0; p < players; ++p) {
      AppendMessage(frame, NetPlayerMovement{
                               2 + p, {2001, 45000 + round * 6, 79000 + p * 50, 270, 1500, 30}});
    }
  }
  for (auto _ : state) {
    state.PauseTiming();
    send(loopback.server, frame.data(), frame.size(), 0);
    state.ResumeTiming();
    ReceiveFlightMessages(net, world, catalogues);
  }
  net.socket = -1;  // the loopback closes its own ends
  state.counters["messages"] = players * perPlayer;
  state.SetItemsProcessed(state.iterations() * players * perPlayer);
}

}  // namespace

BENCHMARK(HandleMovements)
    ->Args({10, 10})
    ->Args({100, 1})
    ->Args({50, 10})
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
