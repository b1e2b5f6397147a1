#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/kind_defs.h"
#include "formats/read_issues.h"
#include "formats/ship_catalogue.h"
#include "formats/universe_file.h"
#include "formats/weapon_catalogue.h"
#include "tools/velmarith-data/check.h"

// Everything the checks share: the folder, the catalogues read so far and the problems found.
struct CheckContext {
  std::filesystem::path root;
  CheckOptions options;
  CheckResult result;

  ShipCatalogue ships;
  WeaponCatalogue weapons;
  GroupCatalogue groups = EmptyGroupCatalogue();
  GoodsCatalogue goods;
  KindDefs elementDefs;
  KindDefs peopleDefs;
  UniverseFile universe;
  std::map<std::string, std::string> placeSystems;  // place name -> first system listing it
};

// The bytes of a data path ("INI\Waren.ini"), converted to Latin-1 when the tree is UTF-8; no
// value when the file is missing.
std::optional<std::string> ReadData(const CheckContext& context, std::string_view dataPath);
bool DataExists(const CheckContext& context, std::string_view dataPath);

void Report(CheckContext& context, std::string_view dataPath, int line, std::string message);
void ReportIssues(CheckContext& context, std::string_view dataPath, const ReadIssues& issues);

// "name" in quotes, for messages.
std::string Quoted(std::string_view text);

// A group name as element, route and person records hold it: empty and "(keine Gruppe)" mean none,
// anything else must be a group of the catalogue. Reports otherwise.
void CheckGroupName(CheckContext& context, std::string_view dataPath, int line,
                    std::string_view groupName);

// Whether a position lies within the system square 0..100000 (edges included); reports if not.
void CheckSystemPosition(CheckContext& context, std::string_view dataPath, int line, long long x,
                         long long y, std::string_view what);

// The parts of the check, in the order CheckGameFolder runs them.
void CheckCatalogues(CheckContext& context);
void CheckUniverse(CheckContext& context);
void CheckSystem(CheckContext& context, const SystemEntry& system, int universeLine);
void CheckStartPlace(CheckContext& context);

// Whether a lane of `colour` from (x, y) at `angle` with `length` markers ends in some system;
// reports each end that does not. Used for universe lanes and in-system routes.
void CheckLaneExits(CheckContext& context, std::string_view dataPath, int line, int colour,
                    double x, double y, int angle, int length, std::string_view name);
