#include "game/world/world_state.h"

#include <utility>

namespace {

// What outlives one game of the run (see StartNewGameWorld).
void CarryOverRunParts(World& from, World& to) {
  to.places = std::move(from.places);
  to.tickerMessages = std::move(from.tickerMessages);
  to.localPlayerNumber = from.localPlayerNumber;
  to.networkGame = from.networkGame;
  to.developerInfo = from.developerInfo;
  to.systemChangePending = from.systemChangePending;
  to.docking.announcementStep = from.docking.announcementStep;
  to.docking.dockedRequest = from.docking.dockedRequest;
  to.pendingReward = from.pendingReward;
  to.lastLoadout = from.lastLoadout;
  to.visit.particles = std::move(from.visit.particles);
  to.visit.currentSystemFolder = std::move(from.visit.currentSystemFolder);
  to.visit.currentSystemX = from.visit.currentSystemX;
  to.visit.currentSystemY = from.visit.currentSystemY;
}

}  // namespace

void StartSystemVisit(SystemVisit& visit) {
  SystemVisit fresh;
  fresh.particles = std::move(visit.particles);
  fresh.currentSystemFolder = std::move(visit.currentSystemFolder);
  fresh.currentSystemX = visit.currentSystemX;
  fresh.currentSystemY = visit.currentSystemY;
  visit = std::move(fresh);
}

void StartNewGameWorld(World& world) {
  World fresh;
  CarryOverRunParts(world, fresh);
  world = std::move(fresh);
}

void StartLoadedGameWorld(World& world) {
  World fresh;
  CarryOverRunParts(world, fresh);
  fresh.ships = std::move(world.ships);
  fresh.groups = std::move(world.groups);
  fresh.flight = world.flight;
  world = std::move(fresh);
}

bool Docked(const World& world) {
  return world.docking.dockedPlace.size() >= 3;
}
