#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "formats/read_issues.h"
#include "formats/system_file.h"

// The older layouts that only the editor's "Altes Laden" reads; nothing writes them any more.

// System.ini in the older layout: a marker line with a singular name in brackets and a
// group-specific number of trimmed value lines:
//   "[Umgebung]"   type, x, y, radius                                    -> "Umgebungen"
//   "[Felder]"     type, x, y, radius                                    -> "Felder"
//   "[Route]"      type, x, y, direction, length, group index, name      -> "Routen"
//   "[Sonne]"      type, x, y, radius                                    -> "Sonnen"
//   "[Planet]"     type, x, y, radius, rotation, group index, name       -> "Planeten"
//   "[Station]"    type, x, y, radius, group index, name                 -> "Stationen"
//   "[Andockring]" x, y, direction, group index, name     -> "Andockringe", type "Andockring"
// Other lines are skipped one by one. Fields a record does not list are "" (name),
// "(keine Gruppe)" (groupName) and 0.
struct LegacyElement {
  ElementRecord element;  // groupName is "(keine Gruppe)" until resolved
  int groupIndex = 0;     // position in the editor's group choice list
  int line = 0;           // line number of the marker
};

std::vector<LegacyElement> ReadLegacySystem(std::string_view bytes, ReadIssues* issues = nullptr);
std::vector<LegacyElement> LoadLegacySystem(const std::filesystem::path& path,
                                            ReadIssues* issues = nullptr);

// The group name at a position of the editor's choice list ("(keine Gruppe)" first, see
// GroupChoices); a position outside the list gives "(keine Gruppe)".
std::string LegacyGroupName(int groupIndex, const std::vector<std::string>& choices);

// Schiffe-Waren-Waffen.ini (system folder): "[" + place name + "]" followed by the place's ship,
// weapon and goods offer lines; other lines are skipped.
struct LegacyOffers {
  std::string placeName;
  std::string shipOffers;
  std::string weaponOffers;
  std::string goodsOffers;
  int line = 0;
};

std::vector<LegacyOffers> ReadLegacyOffers(std::string_view bytes);
std::vector<LegacyOffers> LoadLegacyOffers(const std::filesystem::path& path);
// The first entry of that place; null when none.
const LegacyOffers* FindLegacyOffers(const std::vector<LegacyOffers>& offers,
                                     std::string_view placeName);

// __WarenPreise.ini (editor folder): per place a line with the name in characters 1-30, then one
// 20-character column per good in catalogue order whose first 10 characters hold its figure.
struct LegacyPriceLine {
  std::string placeName;  // characters 1-30, trimmed
  std::string text;       // the whole line
  int line = 0;
};

std::vector<LegacyPriceLine> ReadLegacyPrices(std::string_view bytes);
std::vector<LegacyPriceLine> LoadLegacyPrices(const std::filesystem::path& path);
// The first line of that place; null when none.
const LegacyPriceLine* FindLegacyPrices(const std::vector<LegacyPriceLine>& lines,
                                        std::string_view placeName);

// A GoodsPrices line rebuilt from an old price line: for good i (from 0) its name padded to 20
// and characters 31 + 20i .. 40 + 20i, padded to 10 so that a short line keeps the records aligned.
std::string LegacyGoodsPrices(std::string_view priceLine,
                              const std::vector<std::string>& goodsNames);
