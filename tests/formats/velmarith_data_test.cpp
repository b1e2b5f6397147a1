// velmarith-data on small game folders made in the test: a clean tree reports nothing, and each
// kind of problem is reported as "file:line: message" with exit status 1.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "formats/latin1.h"
#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "tests/support/temp_folder.h"
#include "tests/formats/test_text.h"
#include "tools/velmarith-data/commands.h"

namespace {

using Tree = std::map<std::string, std::string>;  // data path -> bytes

std::string Ship(const std::string& name) {
  return Row({{1, name},
              {21, "40"},
              {31, "2"},
              {51, "3    3"},
              {91, "300"},
              {101, "40"},
              {111, "12"},
              {121, "500"},
              {131, "20"},
              {151, "15000"}});
}

std::string Weapon(const std::string& name) {
  return Row({{1, name},
              {21, "1"},
              {31, "6"},
              {41, "10"},
              {51, "20"},
              {61, "1500"},
              {71, "25"},
              {81, "0"},
              {91, "2"},
              {101, "3"},
              {111, "800"}});
}

PlaceFile StartPlace() {
  PlaceFile place;
  place.shipOffers = MakeOfferRecord("Schwalbe", "-1");
  place.weaponOffers = MakeOfferRecord("Loku I", "-1");
  place.goodsOffers = MakeOfferRecord("Wasser", "-1");
  place.goodsPrices = MakeOfferRecord("Wasser", "120") + MakeOfferRecord("Kristalle", "80");
  place.people = {
      {"Informationen", "Ort", "Die Allianz", "", 0, 0, 0, "Planet Neue Allianz", 250, 0}};
  return place;
}

std::vector<ElementRecord> StartSystem() {
  return {{"Sonnen", "Wei\xDF", "", "(keine Gruppe)", 50000, 50000, 0, 0, 3000, 0},
          {"Andockringe", "Andockring", "Planet Neue Allianz", "Die Allianz", 60000, 50000, 90, 0,
           0, 0},
          {"Routen", "GR\xDCN", "Neue Welt <> Zweite", "Die Allianz", 90000, 20000, 0, 0, 0, 3}};
}

Tree CleanTree() {
  Tree tree;
  tree["INI\\Raumschiffe.ini"] = CrLf({"| Schiffe", Ship("Schwalbe")});
  tree["INI\\Waffen.ini"] =
      CrLf({"| Waffen", Weapon("Loku I"), Weapon("Loku III"), Weapon("Subune B")});
  tree["INI\\Gruppen.ini"] = CrLf({Row({{1, "0"}, {6, "Spieler"}, {31, "1"}}),
                                   Row({{1, "1"}, {6, "Die Allianz"}, {31, "0.5"}, {36, "1"}})});
  tree["INI\\Waren.ini"] =
      CrLf({Row({{1, "Wasser"}, {21, "100"}}), Row({{1, "Kristalle"}, {21, "800"}})});
  tree["INI\\_Elemente.ini"] =
      CrLf({"+Sonnen", "10100010", " -Wei\xDF", "  255 255 200", "/+", "+Andockringe", "11111000",
            " -Andockring", "  90  90  90", "/+", "+Routen", "11111001", " -GR\xDCN", "  0   255 0",
            "/+"});
  tree["INI\\_Leute.ini"] = CrLf({"+Informationen", "0000011", " -Ort", "", "/+"});
  tree["TXT\\Gruppen.txt"] = CrLf({"[Die Allianz]", "1", "2", "3", "4", "5", "6", "7", "8", "9"});
  tree["TXT\\Einweisung.txt"] = CrLf({"[1]", "Willkommen", "[/1]"});
  tree["INI\\Universum.ini"] =
      CrLf({"[Systeme]", "Neue Welt", "0", "0", "[Systeme]", "Zweite", "100000", "0", "[Routen]",
            "ROT", "90000", "80000", "0", "2", "1", "Neue Welt <> Zweite"});
  tree["INI\\Neue Welt\\System.ini"] = WriteSystemElements(StartSystem());
  tree["INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini"] = WritePlace(StartPlace());
  tree["INI\\Neue Welt\\Routen.ini"] =
      WriteRoutes({{"Die Allianz", {{60000, 50000, 1}, {20000, 20000, 2}}, 0}});
  tree["INI\\Zweite\\System.ini"] = WriteSystemElements({StartSystem()[0]});
  for (const char* picture :
       {"BMP\\Schiffe\\Schwalbe.bmp", "BMP\\Waffen\\Loku I.bmp", "BMP\\Waffen\\Loku I-.bmp",
        "BMP\\Waffen\\Loku III.bmp", "BMP\\Waffen\\Loku III-.bmp", "BMP\\Waffen\\Subune B.bmp",
        "BMP\\Waffen\\Subune B-.bmp"}) {
    tree[picture] = "BM";
  }
  return tree;
}

void WriteTree(const Tree& tree, const std::filesystem::path& root) {
  for (const auto& [dataPath, bytes] : tree) {
    const std::filesystem::path path = DataPath(root, dataPath);
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
  }
}

struct CommandRun {
  int status;
  std::string out;
  std::string err;
};

CommandRun RunCommand(int (*command)(const std::vector<std::string>&, std::ostream&, std::ostream&),
                      const std::vector<std::string>& args) {
  std::ostringstream out;
  std::ostringstream err;
  const int status = command(args, out, err);
  return {status, out.str(), err.str()};
}

CommandRun Check(const Tree& tree, const std::filesystem::path& root) {
  WriteTree(tree, root);
  return RunCommand(RunCheckCommand, {root.string()});
}

}  // namespace

TEST(VelmarithDataCheck, CleanTreeReportsNothingAndExitsZero) {
  TempFolder folder;
  const CommandRun run = Check(CleanTree(), folder.path);
  EXPECT_EQ(run.status, 0) << run.out;
  EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 1) << run.out;
  EXPECT_NE(run.out.find("2 systems, 1 lanes, 4 elements, 1 places, 1 people, 1 routes checked: "
                         "no problems"),
            std::string::npos)
      << run.out;
}

struct ProblemCase {
  const char* name;
  void (*spoil)(Tree&);
  const char* expected;  // one full report line, UTF-8
};

class VelmarithDataProblems : public testing::TestWithParam<ProblemCase> {};

TEST_P(VelmarithDataProblems, EachKindIsReportedAsFileLineMessage) {
  TempFolder folder;
  Tree tree = CleanTree();
  GetParam().spoil(tree);
  const CommandRun run = Check(tree, folder.path);
  EXPECT_EQ(run.status, 1);
  EXPECT_NE(run.out.find(std::string(GetParam().expected) + "\n"), std::string::npos) << run.out;
}

void Replace(Tree& tree, const std::string& file, const std::string& from, const std::string& to) {
  std::string& bytes = tree.at(file);
  const size_t at = bytes.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  bytes.replace(at, from.size(), to);
}

const ProblemCase kProblems[] = {
    {"MalformedLine",
     [](Tree& t) { Replace(t, "INI\\Neue Welt\\System.ini", "  50000\r\n", "  50k\r\n"); },
     "INI/Neue Welt/System.ini:5: x \"50k\" is not an integer, read as 50"},
    {"MissingSystemFolder",
     [](Tree& t) {
       t["INI\\Universum.ini"] += CrLf({"[Systeme]", "Fehlt", "0", "100000"});
     },
     "INI/Universum.ini:18: system folder \"INI\\Fehlt\" or its System.ini is missing"},
    {"MissingPlaceFile", [](Tree& t) { t.erase("INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini"); },
     "INI/Neue Welt/System.ini:13: place file \"INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini\" "
     "is missing: nothing is sold there"},
    {"RouteCountDiffers",
     [](Tree& t) { Replace(t, "INI\\Neue Welt\\Routen.ini", "1\r\n", "2\r\n"); },
     "INI/Neue Welt/Routen.ini:1: the count line says 2 routes, the file holds 1"},
    {"UnknownGroupName",
     [](Tree& t) { Replace(t, "INI\\Neue Welt\\Routen.ini", "Die Allianz", "Die Alianz"); },
     "INI/Neue Welt/Routen.ini:3: group \"Die Alianz\" matches no entry of INI\\Gruppen.ini (read "
     "as group 0)"},
    {"UnknownShipOffer",
     [](Tree& t) {
       Replace(t, "INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini", "Schwalbe  ", "Schwalbe 2");
     },
     "INI/Neue Welt/Orte/Planet Neue Allianz.ini:2: \"Schwalbe 2\" is offered, but "
     "INI\\Raumschiffe.ini does not list it"},
    {"TrafficLoadoutWeaponMissing",
     [](Tree& t) { Replace(t, "INI\\Waffen.ini", "Subune B", "Subune C"); },
     "INI/Neue Welt/Routen.ini:3: ships of this route carry \"Subune B\", which INI\\Waffen.ini "
     "does not list"},
    {"StartWeaponMissing", [](Tree& t) { Replace(t, "INI\\Waffen.ini", "Loku I ", "Loku 1 "); },
     "INI/Waffen.ini:0: no weapon \"Loku I\": a new game arms the player's ship with it"},
    {"StartPlaceMissing",
     [](Tree& t) {
       Replace(t, "INI\\Neue Welt\\System.ini", "Planet Neue Allianz", "Planet Alte Allianz");
       t["INI\\Neue Welt\\Orte\\Planet Alte Allianz.ini"] = WritePlace(StartPlace());
     },
     "INI/Universum.ini:0: no system has a docking ring \"Planet Neue Allianz\", where a new game "
     "starts"},
    {"GoodsPricesOutOfOrder",
     [](Tree& t) {
       t["INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini"] = WritePlace([] {
         PlaceFile place = StartPlace();
         place.goodsPrices = MakeOfferRecord("Kristalle", "80") + MakeOfferRecord("Wasser", "120");
         return place;
       }());
     },
     "INI/Neue Welt/Orte/Planet Neue Allianz.ini:8: goods-price record 1 is \"Kristalle\", but "
     "good 1 of INI\\Waren.ini is \"Wasser\": the figures must follow the catalogue order"},
    {"MoreThan39People",
     [](Tree& t) {
       t["INI\\Neue Welt\\Orte\\Planet Neue Allianz.ini"] = WritePlace([] {
         PlaceFile place = StartPlace();
         place.people.resize(40, place.people.front());
         return place;
       }());
     },
     "INI/Neue Welt/Orte/Planet Neue Allianz.ini:49: 40 people: only the first 39 can ever be met "
     "at the station"},
    {"UnknownElementKind",
     [](Tree& t) { Replace(t, "INI\\Zweite\\System.ini", "  Wei\xDF", "  Blau"); },
     "INI/Zweite/System.ini:2: element type \"Blau\" of \"Sonnen\" is unknown to the game, which "
     "skips the element"},
    {"OutsideTheSystemSquare",
     [](Tree& t) {
       Replace(t, "INI\\Zweite\\System.ini", "  50000\r\n  50000", "  50000\r\n  100001");
     },
     "INI/Zweite/System.ini:5: position (50000, 100001) lies outside the system square 0..100000"},
    {"MissingPicture", [](Tree& t) { t.erase("BMP\\Waffen\\Loku III-.bmp"); },
     "INI/Waffen.ini:3: picture BMP\\Waffen\\Loku III-.bmp is missing"},
    {"GreenLaneExitInNoSystem",
     [](Tree& t) { Replace(t, "INI\\Neue Welt\\System.ini", "  3\r\n", "  30\r\n"); },
     "INI/Neue Welt/System.ini:21: the lane towards \"Zweite\" ends at (210000, 20160), which lies "
     "in no system"},
    {"UniverseLaneExitInNoSystem",
     [](Tree& t) { Replace(t, "INI\\Universum.ini", "80000\r\n0\r\n2", "80000\r\n90\r\n5"); },
     "INI/Universum.ini:9: the lane towards \"Zweite\" ends at (89840, 125000), which lies in no "
     "system"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, VelmarithDataProblems, testing::ValuesIn(kProblems),
                         [](const testing::TestParamInfo<ProblemCase>& info) {
                           return std::string(info.param.name);
                         });

TEST(VelmarithDataCheck, UsageErrorsExitTwo) {
  TempFolder folder;
  EXPECT_EQ(RunCommand(RunCheckCommand, {}).status, 2);
  EXPECT_EQ(RunCommand(RunCheckCommand, {folder.path.string()}).status, 2);  // no INI folder
  EXPECT_EQ(RunCommand(RunCheckCommand, {folder.path.string(), "--bunt"}).status, 2);
}

TEST(VelmarithDataDump, PrintsWhatTheReadersMakeOfAFileAsJson) {
  TempFolder folder;
  WriteTree(CleanTree(), folder.path);
  const CommandRun place = RunCommand(
      RunDumpCommand,
      {(folder.path / "INI" / "Neue Welt" / "Orte" / "Planet Neue Allianz.ini").string()});
  EXPECT_EQ(place.status, 0) << place.err;
  EXPECT_NE(place.out.find("\"kind\": \"place\""), std::string::npos);
  EXPECT_NE(place.out.find("\"infoPlace\": \"Planet Neue Allianz\""), std::string::npos);
  const CommandRun universe =
      RunCommand(RunDumpCommand, {(folder.path / "INI" / "Universum.ini").string()});
  EXPECT_NE(universe.out.find("\"colourWord\": \"ROT\""), std::string::npos) << universe.out;
  const CommandRun system =
      RunCommand(RunDumpCommand, {(folder.path / "INI" / "Zweite" / "System.ini").string()});
  EXPECT_NE(system.out.find("\"elementType\": \"Wei\xC3\x9F\""), std::string::npos) << system.out;
  const CommandRun texts =
      RunCommand(RunDumpCommand, {(folder.path / "TXT" / "Gruppen.txt").string()});
  EXPECT_NE(texts.out.find("\"groupCount\": 1"), std::string::npos) << texts.out;
  EXPECT_EQ(
      RunCommand(RunDumpCommand, {(folder.path / "BMP" / "Schiffe" / "Schwalbe.bmp").string()})
          .status,
      2);
  EXPECT_EQ(RunCommand(RunDumpCommand, {(folder.path / "fehlt.ini").string()}).status, 2);
}
