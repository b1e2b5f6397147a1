#pragma once

#include <array>
#include <string_view>

// The element groups and types of system files that the game builds objects from: one
// vocabulary for the game's system loading and the data checker. Anything else in a system file
// the game skips.

inline constexpr std::string_view kEnvironmentGroup = "Umgebungen";
inline constexpr std::string_view kFieldGroup = "Felder";
inline constexpr std::string_view kRouteGroup = "Routen";
inline constexpr std::string_view kSunGroup = "Sonnen";
inline constexpr std::string_view kPlanetGroup = "Planeten";
inline constexpr std::string_view kStationGroup = "Stationen";
inline constexpr std::string_view kDockingRingGroup = "Andockringe";  // any type

// Environment areas: the background tint of the region and the area kind of drifting pieces
// (area kinds: 1 mines, 2 radiation, 3 lava rocks, 4 asteroids, 5 bacteria, 6 gases, 7 ice).
struct EnvironmentKind {
  std::string_view type;
  int red, green, blue;
  int area;
};
inline constexpr std::array<EnvironmentKind, 5> kEnvironmentKinds = {{
    {"Asteroiden", 60, 60, 60, 4},
    {"Lavaasteroiden", 50, 20, 20, 3},
    {"Gase", 20, 20, 60, 6},
    {"Bakterien", 20, 60, 20, 5},
    {"Eisbrocken", 90, 90, 90, 7},
}};

struct FieldArea {
  std::string_view type;
  int area;
};
inline constexpr std::array<FieldArea, 2> kFieldKinds = {{{"Minen", 1}, {"Strahlung", 2}}};

// Planet type i (from 0) is drawn as picture 4210 + 10 i.
inline constexpr std::array<std::string_view, 7> kPlanetKinds = {"Erde",
                                                                 "W\xFC"
                                                                 "ste",
                                                                 "Lava",
                                                                 "Wasser",
                                                                 "Djungel",
                                                                 "Gas",
                                                                 "Eis"};
inline constexpr std::string_view kSunKind = "Wei\xDF";
inline constexpr std::string_view kStationKind = "Kreuz";
inline constexpr std::array<std::string_view, 3> kLaneKinds = {"BLAU", "GR\xDCN", "ROT"};

// The longest route lane ("Länge", in segments) the game lays and the editor takes. The game
// lays a marker per segment on both lanes, colour² x 1000 units apart, as float positions: 1000
// segments reach 9 000 000 units on a red lane (90 systems across, still exact as floats) with
// 2002 markers. The sample lanes have 7 to 63.
inline constexpr int kMaxRouteLength = 1000;

// The environment of that type, or nullptr.
const EnvironmentKind* FindEnvironmentKind(std::string_view type);
// The area kind of a field type, 0 when the game knows none.
int FieldAreaOf(std::string_view type);
// The picture of a planet type, 0 when the game knows none.
int PlanetPictureOf(std::string_view type);

// Whether the game builds anything from an element of this group (false: unknown group), and
// whether it knows the type within it.
bool GameKnowsElementGroup(std::string_view group);
bool GameKnowsElementType(std::string_view group, std::string_view type);
