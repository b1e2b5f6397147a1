// The catalogues, their pictures, the element and people definitions and the two text files.
#include <map>

#include "formats/text_collections.h"
#include "formats/text_rules.h"
#include "tools/velmarith-data/check_context.h"

namespace {

constexpr std::string_view kShipsFile = "INI\\Raumschiffe.ini";
constexpr std::string_view kWeaponsFile = "INI\\Waffen.ini";
constexpr std::string_view kGroupsFile = "INI\\Gruppen.ini";
constexpr std::string_view kGoodsFile = "INI\\Waren.ini";
constexpr std::string_view kElementsFile = "INI\\_Elemente.ini";
constexpr std::string_view kPeopleFile = "INI\\_Leute.ini";
constexpr std::string_view kGroupTextsFile = "TXT\\Gruppen.txt";
constexpr std::string_view kBriefingFile = "TXT\\Einweisung.txt";
constexpr std::string_view kStartWeapon = "Loku I";

// Reads a file, reporting it when missing; the reader's issues are reported by the caller.
std::string ReadOrReport(CheckContext& context, std::string_view dataPath, const char* why) {
  std::optional<std::string> bytes = ReadData(context, dataPath);
  if (!bytes) {
    Report(context, dataPath, 0, std::string("file is missing; ") + why);
    return {};
  }
  return std::move(*bytes);
}

// Name lookups find the last entry of a name, so an earlier one can never be reached.
void CheckNames(CheckContext& context, std::string_view dataPath, const std::string& kind,
                const std::vector<std::string>& names, const std::vector<int>& lines) {
  std::map<std::string, int> seen;
  for (size_t n = 0; n < names.size(); ++n) {
    if (names[n].empty()) {
      Report(context, dataPath, lines[n], kind + " without a name");
      continue;
    }
    const auto [it, added] = seen.emplace(names[n], lines[n]);
    if (!added) {
      Report(context, dataPath, it->second,
             kind + " " + Quoted(names[n]) + " is listed again at line " + FormatInt(lines[n]) +
                 "; lookups by name only find the later one");
    }
  }
}

void CheckPicture(CheckContext& context, std::string_view dataPath, int line,
                  const std::string& picture) {
  if (!context.options.pictures || DataExists(context, picture)) return;
  Report(context, dataPath, line, "picture " + picture + " is missing");
}

void CheckShips(CheckContext& context) {
  ReadIssues issues;
  context.ships =
      ReadShipTypes(ReadOrReport(context, kShipsFile, "no ship can be bought or flown"), &issues);
  ReportIssues(context, kShipsFile, issues);
  std::vector<std::string> names;
  std::vector<int> lines;
  for (int n = 1; n <= context.ships.shipTypeCount; ++n) {
    const ShipType& ship = context.ships.shipTypes[n];
    const int line = context.ships.sourceLines[n];
    names.push_back(ship.name);
    lines.push_back(line);
    CheckPicture(context, kShipsFile, line, ShipPictureDataPath(ship.name));
  }
  CheckNames(context, kShipsFile, "ship type", names, lines);
  if (context.ships.shipTypeCount == 0 && DataExists(context, kShipsFile)) {
    Report(context, kShipsFile, 0, "no ship type: a new game starts in ship type 1");
  }
}

void CheckWeapons(CheckContext& context) {
  ReadIssues issues;
  context.weapons =
      ReadWeaponTypes(ReadOrReport(context, kWeaponsFile, "no weapon can be fitted"), &issues);
  ReportIssues(context, kWeaponsFile, issues);
  std::vector<std::string> names;
  std::vector<int> lines;
  for (int n = 1; n <= context.weapons.weaponTypeCount; ++n) {
    const WeaponType& weapon = context.weapons.weaponTypes[n];
    const int line = context.weapons.sourceLines[n];
    names.push_back(weapon.name);
    lines.push_back(line);
    CheckPicture(context, kWeaponsFile, line, WeaponPictureDataPath(weapon.name));
    CheckPicture(context, kWeaponsFile, line, WeaponSecondPictureDataPath(weapon.name));
  }
  CheckNames(context, kWeaponsFile, "weapon", names, lines);
  if (WeaponTypeIndex(context.weapons, kStartWeapon) == 0) {
    Report(context, kWeaponsFile, 0,
           "no weapon " + Quoted(kStartWeapon) + ": a new game arms the player's ship with it");
  }
}

void CheckGroups(CheckContext& context) {
  ReadIssues issues;
  context.groups =
      ReadGroups(ReadOrReport(context, kGroupsFile, "no group can be told apart"), &issues);
  ReportIssues(context, kGroupsFile, issues);
  std::vector<std::string> names;
  std::vector<int> lines;
  for (int g = 0; g <= context.groups.groupCount; ++g) {
    const GroupLine& line = context.groups.lines[g];
    names.push_back(line.name);
    lines.push_back(line.line);
    const bool startsWithZero = !IsChoosableGroupLine(line);
    if (g == 0 && !startsWithZero) {
      Report(context, kGroupsFile, line.line,
             "group 0 (the player's) needs a number starting with \"0\", or the editor offers "
             "it as a group to choose");
    } else if (g > 0 && startsWithZero) {
      Report(context, kGroupsFile, line.line,
             "the number of group " + FormatInt(g) +
                 " starts with \"0\", so the editor leaves the group out of its lists");
    }
  }
  CheckNames(context, kGroupsFile, "group", names, lines);
}

void CheckGoods(CheckContext& context) {
  ReadIssues issues;
  context.goods = ReadGoods(ReadOrReport(context, kGoodsFile, "no goods can be traded"), &issues);
  ReportIssues(context, kGoodsFile, issues);
  std::vector<std::string> names;
  std::vector<int> lines;
  for (int n = 1; n <= context.goods.goodsCount; ++n) {
    names.push_back(context.goods.goods[n].name);
    lines.push_back(context.goods.sourceLines[n]);
  }
  CheckNames(context, kGoodsFile, "good", names, lines);
}

void CheckDefinitions(CheckContext& context) {
  ReadIssues elementIssues;
  context.elementDefs = ReadElementDefs(
      ReadOrReport(context, kElementsFile, "the system map has no colours"), &elementIssues);
  ReportIssues(context, kElementsFile, elementIssues);
  ReadIssues peopleIssues;
  context.peopleDefs = ReadPeopleDefs(
      ReadOrReport(context, kPeopleFile, "the system editor offers no people"), &peopleIssues);
  ReportIssues(context, kPeopleFile, peopleIssues);
}

void CheckTexts(CheckContext& context) {
  const std::string groupTexts =
      ReadOrReport(context, kGroupTextsFile, "the groups have no descriptions");
  const size_t needed =
      static_cast<size_t>(context.groups.groupCount > 0 ? context.groups.groupCount : 0) *
      (kGroupTextLines + 1);
  const size_t lines = SplitLines(groupTexts).size();
  if (!groupTexts.empty() && lines < needed) {
    Report(context, kGroupTextsFile, static_cast<int>(lines),
           "holds " + FormatInt(static_cast<long long>(lines)) + " lines, but the " +
               FormatInt(context.groups.groupCount) + " groups after group 0 need " +
               FormatInt(static_cast<long long>(needed)) + " (a heading and nine lines each)");
  }
  ReadIssues issues;
  (void)ReadBriefingTexts(ReadOrReport(context, kBriefingFile, "the help pages are empty"),
                          &issues);
  ReportIssues(context, kBriefingFile, issues);
}

}  // namespace

void CheckCatalogues(CheckContext& context) {
  CheckDefinitions(context);
  CheckShips(context);
  CheckWeapons(context);
  CheckGroups(context);
  CheckGoods(context);
  CheckTexts(context);
}
