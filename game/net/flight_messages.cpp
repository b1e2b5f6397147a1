#include "game/net/flight_messages.h"

#include <cstdio>

#include "formats/rounding.h"
#include "game/net/net_connection.h"
#include "game/net/player_messages.h"

namespace {

// The server closes a connection whose text passes its field bound.
constexpr std::size_t kMaxChatBytes = 4000;

}  // namespace

void ReceiveFlightMessages(NetState& net, World& world, const Catalogues& catalogues) {
  PumpConnection(net);
  for (;;) {
    const NetStreamItem item = NextServerMessage(net);
    if (item.status == NetStreamStatus::kNeedMore || item.status == NetStreamStatus::kMalformed) {
      break;
    }
    if (item.status != NetStreamStatus::kMessage) continue;
    HandlePlayerMessage(world, catalogues, item.message);
    // Positions are reported only while a ship moves: a newcomer learns where a ship standing
    // still is from this one report.
    if (std::holds_alternative<NetPlayerJoins>(item.message)) SendMovement(net, world);
  }
  if (!net.lostReason.empty()) {
    std::fprintf(stderr, "network: connection lost in flight: %s\n", net.lostReason.c_str());
    net.lostReason.clear();
    RemoveRemoteShips(world);
    AddNetworkTickerLine(world, 10, kConnectionLostText, 10, "");
  }
}

void SendMovement(NetState& net, const World& world) {
  const ShipRecord* ship = world.ships.Front();
  if (!ship || !Connected(net)) return;
  SendToServer(net, NetMovement{ship->type, RoundToInt(ship->x), RoundToInt(ship->y),
                                RoundToInt(ship->heading), RoundToInt(ship->turnRate * 1000.0),
                                RoundToInt(double(ship->speed) + double(ship->driveSpeed))});
}

void SendChatLine(NetState& net, const std::string& text) {
  SendToServer(net, NetChat{text.substr(0, kMaxChatBytes)});
}
