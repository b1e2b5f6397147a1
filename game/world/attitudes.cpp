#include "game/world/attitudes.h"

void ResetAttitudes(World& world, const std::filesystem::path& groupsFile) {
  world.groups = LoadGroups(groupsFile);
  if (world.groups.groupNames.size() < kGroupSlots) world.groups = EmptyGroupCatalogue();
}
