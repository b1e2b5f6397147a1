#include "formats/element_kinds.h"

#include <algorithm>

#include "formats/object_kinds.h"

namespace {

template <class List>
bool Lists(const List& list, std::string_view type) {
  return std::find(list.begin(), list.end(), type) != list.end();
}

}  // namespace

const EnvironmentKind* FindEnvironmentKind(std::string_view type) {
  for (const EnvironmentKind& kind : kEnvironmentKinds) {
    if (kind.type == type) return &kind;
  }
  return nullptr;
}

int FieldAreaOf(std::string_view type) {
  for (const FieldArea& kind : kFieldKinds) {
    if (kind.type == type) return kind.area;
  }
  return 0;
}

int PlanetPictureOf(std::string_view type) {
  for (size_t i = 0; i < kPlanetKinds.size(); ++i) {
    if (kPlanetKinds[i] == type) return kObjectFirstPlanet + 10 * static_cast<int>(i);
  }
  return 0;
}

bool GameKnowsElementGroup(std::string_view group) {
  return group == kEnvironmentGroup || group == kFieldGroup || group == kRouteGroup ||
         group == kSunGroup || group == kPlanetGroup || group == kStationGroup ||
         group == kDockingRingGroup;
}

bool GameKnowsElementType(std::string_view group, std::string_view type) {
  if (group == kEnvironmentGroup) return FindEnvironmentKind(type) != nullptr;
  if (group == kFieldGroup) return FieldAreaOf(type) != 0;
  if (group == kRouteGroup) return Lists(kLaneKinds, type);
  if (group == kSunGroup) return type == kSunKind;
  if (group == kPlanetGroup) return PlanetPictureOf(type) != 0;
  if (group == kStationGroup) return type == kStationKind;
  return group == kDockingRingGroup;
}
