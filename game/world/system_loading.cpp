#include "game/world/system_loading.h"

#include <optional>

#include "formats/latin1.h"
#include "formats/rounding.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "game/world/fields.h"
#include "game/world/routes.h"
#include "game/world/world_lists.h"

namespace {

struct Tint {
  int r, g, b;
  int area;
};

// Environment areas: a background tint and a cloud of drifting pieces.
std::optional<Tint> EnvironmentOf(const std::string& kind) {
  if (kind == "Asteroiden") return Tint{60, 60, 60, kAsteroids};
  if (kind == "Lavaasteroiden") return Tint{50, 20, 20, kLavaRocks};
  if (kind == "Gase") return Tint{20, 20, 60, kGases};
  if (kind == "Bakterien") return Tint{20, 60, 20, kBacteria};
  if (kind == "Eisbrocken") return Tint{90, 90, 90, kIceRocks};
  return std::nullopt;
}

int FieldKindOf(const std::string& kind) {
  if (kind == "Minen") return kMineField;
  if (kind == "Strahlung") return kRadiationField;
  return 0;
}

// Planet kinds are codes 4210..4270.
int PlanetTypeOf(const std::string& kind) {
  static const char* const kKinds[] = {"Erde",    "W\xFCste", "Lava", "Wasser",
                                       "Djungel", "Gas",      "Eis"};
  for (int i = 0; i < 7; ++i) {
    if (kind == kKinds[i]) return 4210 + 10 * i;
  }
  return 0;
}

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
  if (category == "Umgebungen") {
    if (const auto tint = EnvironmentOf(kind)) {
      AddFieldGlow(world.visit.fieldGlows, {.x = x,
                                            .y = y,
                                            .radius = e.radius,
                                            .colour = tint->r + 256 * tint->g + 65536 * tint->b});
      AddArea(world, context.rng, tint->area, x, y, e.radius);
    }
  } else if (category == "Felder") {
    if (const int area = FieldKindOf(kind)) AddArea(world, context.rng, area, x, y, e.radius);
  } else if (category == "Routen") {
    if (const int colour = LaneColourCode(kind)) {
      world.nextObjectId += 10;
      AddRoute(world, world.nextObjectId, colour, x, y, e.direction, e.length, group, e.name);
    }
  } else if (category == "Sonnen") {
    if (kind == "Wei\xDF") AddObject(world, 4310, float(e.radius), x, y, 0, 0, 0, "Sonne");
  } else if (category == "Planeten") {
    if (const int type = PlanetTypeOf(kind)) {
      AddObject(world, type, float(e.radius), x, y, 0, float(RoundToInt(e.rotation)), group,
                e.name);
    }
  } else if (category == "Stationen") {
    if (kind == "Kreuz") AddObject(world, 4101, float(e.radius), x, y, 0, 0, group, e.name);
  } else if (category == "Andockringe") {
    AddObject(world, 4100, 128, x, y, float(e.direction + 180), 0, group, e.name + " - Andockring");
  }
}

}  // namespace

void LoadSystemFile(World& world, const SystemContext& context, const std::string& folder) {
  const auto elements =
      LoadSystemElements(DataPath(context.gameFolder / "INI", folder + "\\System.ini"));
  for (const ElementRecord& element : elements) CreateElement(world, context, element);
}

void EnterSystem(World& world, const SystemContext& context) {
  ClearSystemVisit(world.visit);
  // Keep the local ship, the first of the list, and nothing else.
  if (world.ships.First()) {
    while (world.ships.Count() > 1) {
      world.ships.First();
      world.ships.Next();
      world.ships.DeleteCurrent();
    }
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
