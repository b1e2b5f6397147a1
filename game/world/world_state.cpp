#include "game/world/world_state.h"

void ClearSystemLists(World& world) {
  world.systemObjects.Clear();
  world.environmentPieces.Clear();
  world.projectiles.Clear();
  world.floatingObjects.Clear();
  world.fieldGlows.Clear();
}
