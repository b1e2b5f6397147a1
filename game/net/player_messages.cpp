#include "game/net/player_messages.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "formats/free_game.h"
#include "formats/object_kinds.h"
#include "game/world/geometry.h"
#include "game/world/remote_ships.h"
#include "game/world/world_lists.h"

namespace {

constexpr int kRemoteShipType = ShipPictureOf(1);
constexpr int kRemoteShipMoney = 1000;
constexpr int kNeutralColour = 20;
constexpr int kHighestColour = 100;

bool IsOtherPlayer(const World& world, int playerNumber) {
  return playerNumber != 0 && playerNumber != world.localPlayerNumber;
}

// The first record is the local ship, whatever the server says.
template <class Visit>
void ForEachRemoteShip(World& world, int playerNumber, Visit visit) {
  bool first = true;
  for (ShipRecord& ship : world.ships) {
    if (!first && ship.controller == playerNumber) visit(ship);
    first = false;
  }
}

int CountRemoteShips(const World& world) {
  return static_cast<int>(std::count_if(world.ships.begin(), world.ships.end(), [&](const auto& s) {
    return IsRemoteShip(s, world.localPlayerNumber);
  }));
}

bool HasShipOf(World& world, int playerNumber) {
  bool found = false;
  ForEachRemoteShip(world, playerNumber, [&](ShipRecord&) { found = true; });
  return found;
}

// Adds at the end of the list and leaves the cursor where it was, so that a pass or a screen
// working on the current record is not disturbed.
void AppendShip(World& world, ShipRecord ship) {
  CursorList<ShipRecord>& ships = world.ships;
  const ShipRecord* current = ships.Current();
  ships.Reset();
  while (ships.Next()) {
  }
  AddShip(ships, std::move(ship));
  if (!current || !ships.MakeCurrent(current)) ships.Reset();
}

// A player's ship as it first appears: ship type 1 at (1, 1), unarmed and empty, until its first
// movement report puts it where it is. One ship per player.
bool AddPlayerShip(World& world, const Catalogues& catalogues, int playerNumber,
                   const std::string& name) {
  if (!IsOtherPlayer(world, playerNumber) || HasShipOf(world, playerNumber)) return false;
  // However often players come and go, the id counter must not run over.
  if (CountRemoteShips(world) >= kMaxRemoteShips || world.nextObjectId > INT_MAX - 10) return false;
  ShipRecord ship = NewPlayerShip(catalogues.ships, catalogues.weapons);
  world.nextObjectId += 10;
  ship.type = kRemoteShipType;
  ship.id = world.nextObjectId;
  ship.controller = playerNumber;
  ship.pilotName = name;
  ship.group = 0;
  ship.x = 1;
  ship.y = 1;
  ship.heading = 270;
  ship.speed = 0;  // it goes where its reports say, not by a speed of its own
  ship.driveSpeed = 0;
  ship.money = kRemoteShipMoney;
  ship.weapons.clear();
  ship.cargo.clear();
  world.remoteTracks.erase(playerNumber);
  AppendShip(world, std::move(ship));
  return true;
}

void RemovePlayer(World& world, int playerNumber) {
  if (!IsOtherPlayer(world, playerNumber)) return;
  CursorList<ShipRecord>& ships = world.ships;
  const ShipRecord* current = ships.Current();
  bool currentGone = false;
  std::string leaver;
  bool removed = false;
  ships.First();  // the local ship, which stays
  while (ships.Next()) {
    ShipRecord& ship = *ships.Current();
    if (ship.controller != playerNumber) continue;
    leaver = ship.pilotName;
    removed = true;
    if (&ship == current) currentGone = true;
    ships.DeleteCurrent();
  }
  world.remoteTracks.erase(playerNumber);
  if (!current || currentGone || !ships.MakeCurrent(current)) {
    if (current)
      ships.First();
    else
      ships.Reset();
  }
  // A player nobody here has seen leaves without a line.
  if (removed) AddNetworkTickerLine(world, 10, kPlayerLeavesText, 10, leaver);
}

bool IsShipTypeCode(const Catalogues& catalogues, int type) {
  const int index = ShipTypeOfPicture(type);
  return index >= 1 && index <= catalogues.ships.shipTypeCount &&
         index < static_cast<int>(catalogues.ships.shipTypes.size());
}

void MovePlayer(World& world, const Catalogues& catalogues, const NetPlayerMovement& report) {
  if (!IsOtherPlayer(world, report.playerNumber)) return;
  const NetMovement& m = report.movement;
  ForEachRemoteShip(world, report.playerNumber, [&](ShipRecord& ship) {
    // A ship type this universe does not have keeps the picture it has.
    if (IsShipTypeCode(catalogues, m.type)) ship.type = m.type;
    ship.heading = NormaliseAngle(static_cast<float>(m.heading));
    ship.turnRate =
        std::clamp(static_cast<float>(m.turnRateMilli) / 1000.0f, -kMaxTurnRate, kMaxTurnRate);
    TakeRemoteReport(world.remoteTracks[report.playerNumber], ship, static_cast<float>(m.x),
                     static_cast<float>(m.y), RemoteClockMs());
  });
}

int ShownColour(int colour) {
  return colour >= 0 && colour <= kHighestColour ? colour : kNeutralColour;
}

}  // namespace

bool HandlePlayerMessage(World& world, const Catalogues& catalogues, const NetMessage& message) {
  if (const auto* joins = std::get_if<NetPlayerJoins>(&message)) {
    if (AddPlayerShip(world, catalogues, joins->playerNumber, joins->name)) {
      AddNetworkTickerLine(world, 30, kPlayerJoinsText, 30, joins->name);
    }
  } else if (const auto* present = std::get_if<NetPlayersPresent>(&message)) {
    for (const NetPresentPlayer& player : present->players) {
      AddPlayerShip(world, catalogues, player.playerNumber, player.name);
    }
  } else if (const auto* leaves = std::get_if<NetPlayerLeaves>(&message)) {
    RemovePlayer(world, leaves->playerNumber);
  } else if (const auto* movement = std::get_if<NetPlayerMovement>(&message)) {
    MovePlayer(world, catalogues, *movement);
  } else if (const auto* chat = std::get_if<NetChatLine>(&message)) {
    AddNetworkTickerLine(world, chat->colour1, chat->text1, chat->colour2, chat->text2);
  } else {
    return false;
  }
  return true;
}

void AddNetworkTickerLine(World& world, int colour1, std::string text1, int colour2,
                          std::string text2) {
  CursorList<TickerMessageRecord>& ticker = world.tickerMessages;
  while (ticker.Count() >= kMaxTickerLines) {
    ticker.First();
    ticker.DeleteCurrent();
  }
  ticker.Reset();
  while (ticker.Next()) {
  }
  AddTickerMessage(ticker, ShownColour(colour1), std::move(text1), ShownColour(colour2),
                   std::move(text2));
}

void RemoveRemoteShips(World& world) {
  CursorList<ShipRecord>& ships = world.ships;
  const bool hadCurrent = ships.Current() != nullptr;
  ships.First();
  while (ships.Next()) {
    if (IsRemoteShip(*ships.Current(), world.localPlayerNumber)) ships.DeleteCurrent();
  }
  world.remoteTracks.clear();
  if (hadCurrent)
    ships.First();
  else
    ships.Reset();
}
