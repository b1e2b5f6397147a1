// How long reading a whole universe tree takes: every catalogue, the element and people
// definitions, the universe, and every system's elements, routes and place files, as the game's
// start-up and system loading read them (the target is under 50 ms).
//   build/bench/bench_formats_universe [game folder]
// Without an argument it reads the assembled game folder, else the repository's data/, and then
// a synthetic tree of 50 systems that it writes to a temporary folder.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "formats/file_io.h"
#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/kind_defs.h"
#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/ship_catalogue.h"
#include "formats/system_file.h"
#include "formats/text_collections.h"
#include "formats/text_rules.h"
#include "formats/universe_file.h"
#include "formats/weapon_catalogue.h"

namespace {

struct TreeCounts {
  size_t files = 0;
  size_t bytes = 0;
  size_t records = 0;
};

std::string Read(const std::filesystem::path& root, const std::string& dataPath,
                 TreeCounts& counts) {
  std::optional<std::string> bytes = ReadFileBytes(DataPath(root, dataPath));
  if (!bytes) return {};
  ++counts.files;
  counts.bytes += bytes->size();
  return std::move(*bytes);
}

// Everything the game reads at start-up plus every system's elements and routes.
TreeCounts ReadWholeTree(const std::filesystem::path& root) {
  TreeCounts counts;
  const KindDefs elements = ReadElementDefs(Read(root, "INI\\_Elemente.ini", counts));
  const KindDefs people = ReadPeopleDefs(Read(root, "INI\\_Leute.ini", counts));
  const UniverseFile universe = ReadUniverse(Read(root, "INI\\Universum.ini", counts));
  std::vector<std::string> goodsPrices;
  for (const SystemEntry& system : UniverseSystems(universe)) {
    const std::string folder = "INI\\" + system.name;
    const std::vector<ElementRecord> records =
        ReadSystemElements(Read(root, folder + "\\System.ini", counts));
    counts.records += records.size();
    for (const ElementRecord& element : records) {
      if (element.elementGroup != "Andockringe") continue;
      const PlaceFile place =
          ReadPlace(Read(root, "INI\\" + PlaceDataPath(system.name, element.name), counts),
                    PlaceReadMode::kGame);
      counts.records += place.people.size();
      goodsPrices.push_back(ReplaceTripleZeros(place.goodsPrices));
    }
    counts.records +=
        ReadRoutes(Read(root, folder + "\\Routen.ini", counts), RouteReadMode::kGame).routes.size();
  }
  const ShipCatalogue ships = ReadShipTypes(Read(root, "INI\\Raumschiffe.ini", counts));
  const BriefingTexts briefing = ReadBriefingTexts(Read(root, "TXT\\Einweisung.txt", counts));
  const WeaponCatalogue weapons = ReadWeaponTypes(Read(root, "INI\\Waffen.ini", counts));
  const GroupCatalogue groups = ReadGroups(Read(root, "INI\\Gruppen.ini", counts));
  GoodsCatalogue goods = ReadGoods(Read(root, "INI\\Waren.ini", counts));
  ComputeTotalStock(goods, goodsPrices);
  const GroupTexts texts =
      ReadGroupTexts(Read(root, "TXT\\Gruppen.txt", counts), groups.groupCount);
  counts.records += elements.groups.size() + people.groups.size() + universe.records.size() +
                    ships.shipTypes.size() + weapons.weaponTypes.size() + goods.goods.size() +
                    texts.groupTexts.size() + briefing.briefingTexts.size();
  return counts;
}

void Put(const std::filesystem::path& root, const std::string& dataPath, const std::string& bytes) {
  const std::filesystem::path path = DataPath(root, dataPath);
  std::filesystem::create_directories(path.parent_path());
  (void)WriteFileAtomically(path, bytes);
}

std::string Row(std::vector<std::pair<int, std::string>> fields) {
  std::string line;
  for (const auto& [column, text] : fields) {
    line.resize(std::max<size_t>(line.size(), column - 1), ' ');
    line.replace(column - 1, text.size(), text);
  }
  return line;
}

// 50 systems of 30 elements, 6 places of 12 people and 8 routes of 12 waypoints each, with full
// catalogues: about five times the sample universe.
void WriteSyntheticTree(const std::filesystem::path& root) {
  std::vector<std::string> ships, weapons, groups, goods;
  for (int n = 0; n < 100; ++n) {
    const std::string id = std::to_string(n);
    ships.push_back(Row({{1, "Schiff " + id},
                         {21, "40"},
                         {31, "4"},
                         {51, "3    3    2    2"},
                         {91, "300"},
                         {101, "40"},
                         {111, "12"},
                         {121, "500"},
                         {131, "20"},
                         {151, "15000"}}));
    weapons.push_back(Row({{1, "Waffe " + id},
                           {21, "1"},
                           {31, "6"},
                           {41, "10"},
                           {51, "20"},
                           {61, "1500"},
                           {71, "25"},
                           {81, "0"},
                           {91, "2.5"},
                           {101, "3"},
                           {111, "800"}}));
    std::string group = Row({{1, id}, {6, "Gruppe " + id}});
    for (int j = 0; j <= n; ++j) group += Row({{1, j == n ? "1" : "-0.5"}, {5, " "}});
    groups.push_back(group);
    goods.push_back(Row({{1, "Ware " + id}, {21, "100"}}));
  }
  Put(root, "INI\\Raumschiffe.ini", JoinLines(ships));
  Put(root, "INI\\Waffen.ini", JoinLines(weapons));
  Put(root, "INI\\Gruppen.ini", JoinLines(groups));
  Put(root, "INI\\Waren.ini", JoinLines(goods));
  std::vector<std::string> universe;
  for (int s = 0; s < 50; ++s) {
    const std::string name = "System " + std::to_string(s);
    universe.insert(universe.end(), {"[Systeme]", name, std::to_string(100000 * (s % 10)),
                                     std::to_string(100000 * (s / 10))});
    std::vector<ElementRecord> elements;
    for (int e = 0; e < 24; ++e) {
      elements.push_back({"Planeten", "Erde", "Planet " + std::to_string(e), "Gruppe 3", 1000 * e,
                          2000 * e, 0, 1.5, 900, 0});
    }
    std::string prices;
    for (int g = 0; g < 100; ++g) prices += MakeOfferRecord("Ware " + std::to_string(g), "250");
    for (int p = 0; p < 6; ++p) {
      const std::string place = "Station " + std::to_string(p);
      elements.push_back(
          {"Andockringe", "Andockring", place, "Gruppe 4", 5000 * p, 5000, 90, 0, 0, 0});
      PlaceFile file;
      for (int k = 0; k < 5; ++k) {
        file.shipOffers += MakeOfferRecord("Schiff " + std::to_string(k), "-1");
        file.weaponOffers += MakeOfferRecord("Waffe " + std::to_string(k), "-1");
        file.goodsOffers += MakeOfferRecord("Ware " + std::to_string(k), "-1");
      }
      file.goodsPrices = prices;
      for (int k = 0; k < 12; ++k) {
        file.people.push_back(
            {"Auftr\xE4ge", "Kopfgeld", "Gruppe 1", "Gruppe 2", 4000, 5000, 3, "", 5000, 0});
      }
      Put(root, "INI\\" + PlaceDataPath(name, place), WritePlace(file));
    }
    Put(root, "INI\\" + name + "\\System.ini", WriteSystemElements(elements));
    std::vector<RouteRecord> routes;
    for (int r = 0; r < 8; ++r) {
      RouteRecord route{"Gruppe 5", {}, 0};
      for (int w = 0; w < 12; ++w) route.waypoints.push_back({1000 * w, 3000 * r, 2});
      routes.push_back(route);
    }
    Put(root, "INI\\" + name + "\\Routen.ini", WriteRoutes(routes));
  }
  Put(root, "INI\\Universum.ini", JoinLines(universe));
}

void Measure(const char* label, const std::filesystem::path& root) {
  using Clock = std::chrono::steady_clock;
  std::vector<double> runs;
  TreeCounts counts;
  for (int i = 0; i < 30; ++i) {
    const auto start = Clock::now();
    counts = ReadWholeTree(root);
    runs.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
  }
  const double first = runs.front();
  std::sort(runs.begin(), runs.end());
  std::printf(
      "%-22s %4zu files %8zu bytes %6zu records: median %6.2f ms, best %6.2f ms, "
      "first %6.2f ms\n",
      label, counts.files, counts.bytes, counts.records, runs[runs.size() / 2], runs[0], first);
}

}  // namespace

int main(int argc, char** argv) {
  std::filesystem::path sample = argc > 1 ? argv[1] : VELMARITH_GAME_DIR;
  std::error_code error;
  if (!std::filesystem::exists(sample / "INI" / "Universum.ini", error))
    sample = VELMARITH_DATA_DIR;
  std::printf("reading a whole universe tree (target: under 50 ms)\n");
  Measure("sample universe", sample);
  std::printf("  (%s)\n", sample.c_str());

  const std::filesystem::path synthetic =
      std::filesystem::temp_directory_path() / "velmarith-bench-formats";
  std::filesystem::remove_all(synthetic, error);
  WriteSyntheticTree(synthetic);
  Measure("synthetic, 50 systems", synthetic);
  std::filesystem::remove_all(synthetic, error);
  return 0;
}
