// The game client's reading of a hostile server during a game: the stream fed in pieces, every
// message applied to a world with a local ship and the other players' ships flown where their
// reports say. The local ship stays first and untouched, the other players and what is kept of
// their motion stay bounded, and their positions stay numbers.
#include <cmath>

#include "formats/protocol_stream.h"
#include "game/net/player_messages.h"
#include "game/world/remote_ships.h"
#include "game/world/world_lists.h"
#include "tests/fuzz/fuzz_check.h"

namespace {

void CheckWorld(const World& world, const ShipRecord& localBefore) {
  const ShipRecord* local = world.ships.Front();
  FuzzRequire(local != nullptr, "the local ship stays");
  FuzzRequire(local->controller == 1 && local->x == localBefore.x && local->orders.empty(),
              "the local ship is never another player's");
  int remote = 0;
  for (const ShipRecord& ship : world.ships) {
    if (&ship == local) continue;
    FuzzRequire(IsRemoteShip(ship, world.localPlayerNumber), "only other players are added");
    FuzzRequire(std::isfinite(ship.x) && std::isfinite(ship.y), "positions stay numbers");
    FuzzRequire(ship.heading >= 0 && ship.heading < 360, "headings stay in [0, 360)");
    FuzzRequire(ship.turnRate >= -45 && ship.turnRate <= 45, "turn rates stay in bounds");
    ++remote;
  }
  FuzzRequire(remote <= kMaxRemoteShips, "other players stay bounded");
  FuzzRequire(world.remoteTracks.size() <= static_cast<size_t>(remote), "one track a ship");
  for (const auto& [player, track] : world.remoteTracks) {
    FuzzRequire(track.samples.size() <= 64, "tracks stay short");
  }
  FuzzRequire(world.tickerMessages.Count() <= kMaxTickerLines, "the ticker stays bounded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 1) return 0;
  // Byte 0 sets the size of the pieces the stream arrives in.
  const std::size_t piece = 1 + data[0] % 64;
  const std::string_view bytes = FuzzBytes(data + 1, size - 1);
  World world;
  Catalogues catalogues;
  catalogues.ships.shipTypes.resize(3);
  catalogues.ships.shipTypeCount = 2;
  const ShipRecord local{.type = 2001, .id = 10, .controller = 1, .x = 45001, .y = 79300};
  AddShip(world.ships, local);
  NetStreamReader reader = MakeStreamReader(NetDirection::kServerToClient);
  for (std::size_t from = 0; from < bytes.size(); from += piece) {
    FeedStream(reader, bytes.substr(from, piece));
    for (;;) {
      const NetStreamItem item = NextStreamMessage(reader);
      if (item.status == NetStreamStatus::kNeedMore || item.status == NetStreamStatus::kMalformed) {
        break;
      }
      if (item.status == NetStreamStatus::kMessage) {
        HandlePlayerMessage(world, catalogues, item.message);
      }
    }
    for (ShipRecord& ship : world.ships) {
      if (IsRemoteShip(ship, world.localPlayerNumber)) {
        FlyRemoteShip(world.remoteTracks[ship.controller], ship, RemoteClockMs());
      }
    }
    CheckWorld(world, local);
  }
  return 0;
}
