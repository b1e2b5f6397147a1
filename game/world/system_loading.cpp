#include "game/world/system_loading.h"

#include "formats/element_kinds.h"
#include "formats/latin1.h"
#include "formats/object_kinds.h"
#include "formats/rounding.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "game/world/fields.h"
#include "game/world/remote_ships.h"
#include "game/world/routes.h"
#include "game/world/world_lists.h"

namespace {

void AddArea(World& world, Rng& rng, int kind, int worldX, int worldY, int size) {
  GenerateField(world, rng, kind, RoundToInt(worldX / 1024.0), RoundToInt(worldY / 1024.0),
                size >> 10);
}

void AddObject(World& world, int type, float radius, int x, int y, float angle, float spin,
               int group, const std::string& name) {
  world.nextObjectId += 10;
  AddSystemObject(world.visit.systemObjects, {.type = type,
                                              .id = world.nextObjectId,
                                              .radius = radius,
                                              .x = static_cast<float>(x),
                                              .y = static_cast<float>(y),
                                              .angle = angle,
                                              .spin = spin,
                                              .bound = 0,
                                              .group = group,
                                              .name = name});
}

// Creates what one element record stands for. Categories and kinds the game does not know
// create nothing (the data checker reports them).
void CreateElement(World& world, const SystemContext& context, const ElementRecord& e) {
  const int x = world.visit.systemOriginX + e.x;
  const int y = world.visit.systemOriginY + e.y;
  const int group = GroupIndex(world.groups, e.groupName);
  const std::string& category = e.elementGroup;
  const std::string& kind = e.elementType;
  if (category == kEnvironmentGroup) {
    if (const EnvironmentKind* tint = FindEnvironmentKind(kind)) {
      AddFieldGlow(world.visit.fieldGlows,
                   {.x = x,
                    .y = y,
                    .radius = e.radius,
                    .colour = tint->red + 256 * tint->green + 65536 * tint->blue});
      AddArea(world, context.rng, tint->area, x, y, e.radius);
    }
  } else if (category == kFieldGroup) {
    if (const int area = FieldAreaOf(kind)) AddArea(world, context.rng, area, x, y, e.radius);
  } else if (category == kRouteGroup) {
    if (const int colour = LaneColourCode(kind)) {
      world.nextObjectId += 10;
      AddRoute(world, world.nextObjectId, colour, x, y, e.direction, e.length, group, e.name);
    }
  } else if (category == kSunGroup) {
    if (kind == kSunKind) AddObject(world, kObjectSun, float(e.radius), x, y, 0, 0, 0, "Sonne");
  } else if (category == kPlanetGroup) {
    if (const int type = PlanetPictureOf(kind)) {
      AddObject(world, type, float(e.radius), x, y, 0, float(RoundToInt(e.rotation)), group,
                e.name);
    }
  } else if (category == kStationGroup) {
    if (kind == kStationKind)
      AddObject(world, kObjectStation, float(e.radius), x, y, 0, 0, group, e.name);
  } else if (category == kDockingRingGroup) {
    AddObject(world, kObjectDockingRing, 128, x, y, float(e.direction + 180), 0, group,
              e.name + " - Andockring");
  }
}

}  // namespace

void LoadSystemFile(World& world, const SystemContext& context, const std::string& folder) {
  const auto elements =
      LoadSystemElements(DataPath(context.gameFolder / "INI", folder + "\\System.ini"));
  for (const ElementRecord& element : elements) CreateElement(world, context, element);
}

void EnterSystem(World& world, const SystemContext& context) {
  StartSystemVisit(world.visit);
  // Keep the local ship, the first of the list, and other players' ships: they belong to the
  // network session (the server tells of each player once), computer ships to the visit.
  if (world.ships.First()) {
    while (world.ships.Next()) {
      if (!IsRemoteShip(*world.ships.Current(), world.localPlayerNumber)) {
        world.ships.DeleteCurrent();
      }
    }
    world.ships.First();
  }
  const UniverseFile universe = LoadUniverse(context.gameFolder / "INI" / "Universum.ini");
  for (const UniverseRecord& record : universe.records) {
    if (record.kind == UniverseRecordKind::kSystem) {
      const SystemEntry& system = record.system;
      world.visit.systemOriginX = system.originX;
      world.visit.systemOriginY = system.originY;
      if (SystemContains(system, world.cameraX, world.cameraY)) {
        world.visit.currentSystemFolder = system.name;
        world.visit.currentSystemX = system.originX;
        world.visit.currentSystemY = system.originY;
        LoadSystemFile(world, context, system.name);
      }
    } else if (record.lane.colour != 0) {
      const LaneRecord& lane = record.lane;
      world.nextObjectId += 10;
      AddRoute(world, world.nextObjectId, lane.colour, lane.x, lane.y, lane.angle, lane.length,
               lane.group, lane.name);
    }
  }
  AddStarField(world, context.rng);
}
