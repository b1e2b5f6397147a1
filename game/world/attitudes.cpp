#include "game/world/attitudes.h"

#include "game/world/missions.h"

void ResetAttitudes(World& world, const std::filesystem::path& groupsFile) {
  world.groups = LoadGroups(groupsFile);
  if (world.groups.groupNames.size() < kGroupSlots) world.groups = EmptyGroupCatalogue();
}

void SetRelation(World& world, int a, int b, float value) {
  SetGroupRelation(world.groups, a, b, value);
  SetGroupRelation(world.groups, b, a, value);
}

void AddRelation(World& world, int a, int b, float change) {
  SetGroupRelation(world.groups, a, b, GroupRelation(world.groups, a, b) + change);
  SetGroupRelation(world.groups, b, a, GroupRelation(world.groups, b, a) + change);
}

void ChangePlayerStanding(World& world, int g, float change) {
  if (GroupRelation(world.groups, 0, g) + change >= -1) {
    AddRelation(world, 0, g, change);
  } else {
    SetRelation(world, 0, g, -1);
  }
  // g's own attitude to itself takes part here too, so g is moved a second time.
  for (int i = 1; i <= world.groups.groupCount; ++i) {
    const float spread = change * GroupRelation(world.groups, g, i);
    const float standing = GroupRelation(world.groups, 0, i) + spread;
    if (standing > 1) {
      SetRelation(world, 0, i, 1);
    } else if (standing < -1) {
      SetRelation(world, 0, i, -1);
    } else {
      AddRelation(world, 0, i, spread);
    }
  }
}

void ForgiveAngeredShips(World& world) {
  for (ShipRecord& ship : world.ships) {
    if (ship.controller != 0) continue;  // players' ships are never angered
    if (ship.group >= kAngeredGroupOffset && ship.group < kMissionGroupOffset) {
      ship.group -= kAngeredGroupOffset;
    }
  }
}

int GroupOfOrigin(int shipGroup) {
  int g = shipGroup;
  if (g > kAngeredGroupOffset) g -= kAngeredGroupOffset;
  if (g > kAngeredGroupOffset) g -= kAngeredGroupOffset;
  return g;
}

void CountKillByPlayer(World& world, int shipGroup) {
  ChangePlayerStanding(world, GroupOfOrigin(shipGroup), -0.03f);
}

Attitude AttitudeOf(float relation) {
  if (relation <= -0.5f) return Attitude::kHostile;
  if (relation >= 0.5f) return Attitude::kFriendly;
  return Attitude::kNeutral;
}

int AttitudeColourSet(float relation) {
  switch (AttitudeOf(relation)) {
    case Attitude::kHostile:
      return 10;
    case Attitude::kFriendly:
      return 30;
    case Attitude::kNeutral:
      break;
  }
  return 20;
}
