// One system folder: its elements, its docking rings with their place files, its routes.
#include <algorithm>
#include <array>
#include <map>

#include "formats/element_kinds.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "formats/text_rules.h"
#include "formats/traffic_loadouts.h"
#include "tools/velmarith-data/check_context.h"
#include "tools/velmarith-data/check_places.h"

namespace {

constexpr std::string_view kDockingRings = kDockingRingGroup;

void CheckElementKind(CheckContext& context, std::string_view path, int line,
                      const ElementRecord& element) {
  if (!GameKnowsElementGroup(element.elementGroup)) {
    Report(context, path, line,
           "element group " + Quoted(element.elementGroup) +
               " is unknown to the game, which "
               "builds nothing from it");
    return;
  }
  if (!GameKnowsElementType(element.elementGroup, element.elementType)) {
    Report(context, path, line + 1,
           "element type " + Quoted(element.elementType) + " of " + Quoted(element.elementGroup) +
               " is unknown to the game, which skips the element");
  }
  if (!context.elementDefs.groups.empty() &&
      !KindTypeListed(context.elementDefs, element.elementGroup, element.elementType)) {
    Report(context, path, line + 1,
           "element type " + Quoted(element.elementType) + " of " + Quoted(element.elementGroup) +
               " is not listed in INI\\_Elemente.ini");
  }
}

bool UsableAsFileName(std::string_view name) {
  if (name.empty() || name == "." || name == "..") return false;
  for (const char c : name) {
    if (static_cast<unsigned char>(c) < 0x20 ||
        std::string_view("\\/:*?\"<>|").find(c) != std::string_view::npos) {
      return false;
    }
  }
  return true;
}

void CheckRoutes(CheckContext& context, const SystemEntry& system) {
  const std::string path = "INI\\" + system.name + "\\Routen.ini";
  const std::optional<std::string> bytes = ReadData(context, path);
  if (!bytes) return;  // a system without traffic
  ReadIssues issues;
  const RouteFile file = ReadRoutes(*bytes, RouteReadMode::kGame, &issues);
  ReportIssues(context, path, issues);
  const RouteFile editor = ReadRoutes(*bytes, RouteReadMode::kEditor);
  if (file.declaredCount != static_cast<int>(file.routes.size())) {
    Report(context, path, 1,
           "the count line says " + FormatInt(file.declaredCount) + " routes, the file holds " +
               FormatInt(static_cast<long long>(file.routes.size())));
  }
  for (size_t r = 0; r < file.routes.size(); ++r) {
    const RouteRecord& route = file.routes[r];
    ++context.result.summary.routes;
    CheckGroupName(context, path, route.line + 1, route.groupName);
    if (route.waypoints.empty()) {
      Report(context, path, route.line, "route has no waypoint; the game cannot place its ships");
    }
    if (editor.routes[r].waypoints.size() != route.waypoints.size()) {
      Report(context, path, route.line,
             "an empty line ends the route for the game, but the editor reads on past it");
    }
    for (size_t w = 0; w < route.waypoints.size(); ++w) {
      const Waypoint& point = route.waypoints[w];
      CheckSystemPosition(context, path, route.line + 2 + static_cast<int>(w), point.x, point.y,
                          "waypoint");
    }
    const TrafficLoadout* loadout = FindTrafficLoadout(route.groupName, system.name);
    if (!loadout) {
      Report(context, path, route.line + 1,
             "group " + Quoted(route.groupName) +
                 " has no traffic loadout; its ships would "
                 "take the previous spawn's ship type and weapons");
      continue;
    }
    if (ShipTypeIndex(context.ships, loadout->shipType) == 0) {
      Report(context, path, route.line + 1,
             "ships of this route fly " + Quoted(loadout->shipType) +
                 ", which INI\\Raumschiffe.ini does not list");
    }
    for (const std::string_view weapon : loadout->weapons) {
      if (WeaponTypeIndex(context.weapons, weapon) == 0) {
        Report(context, path, route.line + 1,
               "ships of this route carry " + Quoted(weapon) +
                   ", which INI\\Waffen.ini does not list");
      }
    }
    if (GoodsIndex(context.goods, loadout->goods) == 0) {
      Report(context, path, route.line + 1,
             "ships of this route carry " + Quoted(loadout->goods) +
                 ", which INI\\Waren.ini does not list");
    }
  }
}

struct Ring {
  std::string name;
  int line;
};

void CheckRings(CheckContext& context, const SystemEntry& system, const std::string& path,
                const std::vector<Ring>& rings, std::string_view bytes) {
  std::vector<std::string> names;
  for (const Ring& ring : rings) names.push_back(ring.name);
  const std::vector<DockingRingEntry> scanned = ScanDockingRings(bytes);
  for (size_t k = 0; k < std::max(scanned.size(), rings.size()); ++k) {
    if (k < scanned.size() && k < rings.size() && scanned[k].name == rings[k].name) continue;
    const int line = k < scanned.size() ? scanned[k].line : rings[k].line;
    Report(context, path, line,
           "the start-up scan and the system loader see different docking rings here; are the "
           "ten-line records out of step?");
    break;
  }
  std::map<std::string, int> inSystem;
  for (const Ring& ring : rings) {
    if (!UsableAsFileName(ring.name)) {
      Report(context, path, ring.line + 2,
             "docking ring name " + Quoted(ring.name) + " cannot name its place file");
      continue;
    }
    if (!inSystem.emplace(ring.name, ring.line).second) {
      Report(context, path, ring.line + 2,
             "docking ring " + Quoted(ring.name) + " appears twice; both share one place file");
      continue;
    }
    const auto [first, added] = context.placeSystems.emplace(ring.name, system.name);
    if (!added) {
      Report(context, path, ring.line + 2,
             "place " + Quoted(ring.name) + " is also a docking ring in " + Quoted(first->second) +
                 "; the game keeps one place, at the position in the first system");
    }
    const std::string placePath = "INI\\" + PlaceDataPath(system.name, ring.name);
    const std::optional<std::string> place = ReadData(context, placePath);
    if (!place) {
      Report(context, path, ring.line + 2,
             "place file " + Quoted(placePath) + " is missing: nothing is sold there");
      continue;
    }
    CheckPlace(context, placePath, *place, names);
  }
}

}  // namespace

void CheckSystem(CheckContext& context, const SystemEntry& system, int /*universeLine*/) {
  const std::string path = "INI\\" + system.name + "\\System.ini";
  const std::optional<std::string> bytes = ReadData(context, path);
  if (!bytes) return;  // reported with the universe
  ReadIssues issues;
  const std::vector<ElementRecord> elements = ReadSystemElements(*bytes, &issues);
  ReportIssues(context, path, issues);
  std::vector<Ring> rings;
  for (size_t k = 0; k < elements.size(); ++k) {
    const ElementRecord& element = elements[k];
    const int line = static_cast<int>(k) * kElementRecordLines + 1;
    ++context.result.summary.elements;
    CheckElementKind(context, path, line, element);
    CheckSystemPosition(context, path, line + 4, element.x, element.y, "position");
    CheckGroupName(context, path, line + 3, element.groupName);
    if (element.elementGroup == "Routen") {
      if (element.length < 1) {
        Report(context, path, line + 9,
               "route length " + FormatInt(element.length) + " gives no lane to fly");
      }
      if (!SplitLaneName(element.name).separated) {
        Report(context, path, line + 2,
               "route name " + Quoted(element.name) + " lacks \"<>\" between its two ends");
      }
      CheckLaneExits(context, path, line, LaneColourCode(element.elementType),
                     static_cast<double>(system.originX) + element.x,
                     static_cast<double>(system.originY) + element.y, element.direction,
                     element.length, element.name);
    }
    if (element.elementGroup == kDockingRings) rings.push_back({element.name, line});
  }
  CheckRings(context, system, path, rings, *bytes);
  CheckRoutes(context, system);
}
