#include "game/world/world_state.h"

void ClearSystemVisit(SystemVisit& visit) {
  // Particles are left to run out on their own.
  visit.systemObjects.Clear();
  visit.environmentPieces.Clear();
  visit.projectiles.Clear();
  visit.floatingObjects.Clear();
  visit.fieldGlows.Clear();
}

bool Docked(const World& world) {
  return world.docking.dockedPlace.size() >= 3;
}
