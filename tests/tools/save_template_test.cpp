// The template save of a new character in the game folder the build assembles: it fits the
// sample universe, holds a fresh free game, and velmarith-data dump shows it.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "formats/file_io.h"
#include "formats/group_catalogue.h"
#include "formats/latin1.h"
#include "formats/place_scan.h"
#include "formats/save_check.h"
#include "formats/save_companion.h"
#include "formats/ship_catalogue.h"
#include "formats/weapon_catalogue.h"
#include "tools/velmarith-data/commands.h"

namespace fs = std::filesystem;

namespace {

const fs::path kGameFolder = SAVE_TEST_GAME_DIR;

fs::path TemplateFile() {
  return kGameFolder / "SAVE" / "Neuer Charakter.sav";
}

struct DumpRun {
  int status;
  std::string out;
  std::string err;
};

DumpRun Dump(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunDumpCommand(args, out, err);
  return {status, out.str(), err.str()};
}

bool Contains(const std::string& text, const std::string& part) {
  return text.find(part) != std::string::npos;
}

int Count(const std::string& text, const std::string& part) {
  int count = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
  return count;
}

}  // namespace

TEST(TemplateSave, FitsTheSampleUniverseAndHoldsAFreshFreeGame) {
  const std::optional<std::string> bytes = ReadFileBytes(TemplateFile());
  ASSERT_TRUE(bytes.has_value()) << TemplateFile();
  const SaveCheck check = CheckSaveFile(*bytes, kGameFolder);
  ASSERT_TRUE(check.fits) << check.reason;
  const SaveRead read = ReadSavedGame(*bytes, LoadUniverseShape(kGameFolder));
  ASSERT_TRUE(read.ok) << read.error;
  const SavedGame& game = read.game;

  const ShipCatalogue ships = LoadShipTypes(kGameFolder / "INI" / "Raumschiffe.ini");
  const WeaponCatalogue weapons = LoadWeaponTypes(kGameFolder / "INI" / "Waffen.ini");
  const std::string loku = std::to_string(WeaponTypeIndex(weapons, "Loku I"));
  ASSERT_NE(loku, "0");
  EXPECT_EQ(game.dockedPlace, "Planet Neue Allianz");
  EXPECT_EQ(game.ship.type, 2001);
  EXPECT_EQ(game.ship.id, 10);
  EXPECT_EQ(game.ship.controller, 1);  // every client's own ship, also in network play
  EXPECT_EQ(game.ship.radius, ships.shipTypes[1].size);
  EXPECT_EQ(game.ship.maxHull, ships.shipTypes[1].hull);
  EXPECT_EQ(game.ship.x, 45001);
  EXPECT_EQ(game.ship.y, 79300);
  EXPECT_EQ(game.ship.heading, 270);
  EXPECT_EQ(game.ship.speed, 10);
  EXPECT_EQ(game.ship.money, 10000);
  EXPECT_EQ(game.ship.weapons,
            std::string(loku + "    0    ") + loku + "    0    " + loku + "    0    ");
  EXPECT_EQ(game.ship.shield, 100);
  EXPECT_EQ(game.ship.dockTarget, -1);

  const GroupCatalogue groups = LoadGroups(kGameFolder / "INI" / "Gruppen.ini");
  ASSERT_EQ(static_cast<int>(game.attitudes.size()), groups.groupCount + 1);
  for (int g = 0; g <= groups.groupCount; ++g) {
    EXPECT_EQ(game.attitudes[g], GroupRelation(groups, 0, g)) << g;
  }

  const std::vector<ScannedPlace> places = ScanPlaces(kGameFolder / "INI");
  ASSERT_EQ(game.places.size(), places.size());
  int known = 0;
  for (size_t p = 0; p < places.size(); ++p) {
    EXPECT_EQ(game.places[p].known, places[p].name == "Planet Neue Allianz" ? 1 : 0)
        << Latin1ToUtf8(places[p].name);
    EXPECT_EQ(game.places[p].info4, places[p].goodsPrices) << Latin1ToUtf8(places[p].name);
    known += game.places[p].known;
  }
  EXPECT_EQ(known, 1);
}

TEST(TemplateSave, DumpShowsTheSaveByTheNamesOfItsUniverse) {
  const DumpRun named = Dump({TemplateFile().string(), kGameFolder.string()});
  ASSERT_EQ(named.status, 0) << named.err;
  for (const char* part :
       {"\"kind\": \"saved game\"", "\"dockedPlace\": \"Planet Neue Allianz\"", "\"money\": 10000",
        "\"name\": \"Die Allianz\",\n      \"attitude\": 0.5",
        "\"name\": \"Planet Neue Allianz\",\n      \"known\": 1", "\"heading\": 270"}) {
    EXPECT_TRUE(Contains(named.out, part)) << part << "\n" << named.out;
  }
  EXPECT_FALSE(Contains(named.out, "pilotName"));

  // The test binary's folder holds no universe: the shape comes from the file, places by number.
  const DumpRun guessed = Dump({TemplateFile().string()});
  ASSERT_EQ(guessed.status, 0) << guessed.err;
  EXPECT_TRUE(Contains(guessed.out, "\"universe\": \"guessed from the file\""));
  EXPECT_FALSE(Contains(guessed.out, "Die Allianz"));
  EXPECT_EQ(Count(guessed.out, "\"known\""), Count(named.out, "\"known\""));
  EXPECT_EQ(Count(guessed.out, "\"attitude\""), Count(named.out, "\"attitude\""));
  EXPECT_GT(Count(named.out, "\"known\""), 10);
}

TEST(TemplateSave, DumpNamesWhyASaveDoesNotFit) {
  const fs::path file = fs::path(testing::TempDir()) / "velmarith-extra-place.sav";
  std::ofstream(file, std::ios::binary)
      << ReadFileBytes(TemplateFile()).value_or("") << std::string("\0\0\0\0stock\r\n", 11);
  const DumpRun run = Dump({file.string(), kGameFolder.string()});
  EXPECT_EQ(run.status, 1);
  EXPECT_TRUE(run.out.empty());
  EXPECT_TRUE(Contains(run.err, "does not fit the universe of")) << run.err;
  EXPECT_TRUE(Contains(run.err, "11 bytes are left after the last place")) << run.err;
  EXPECT_EQ(Dump({file.string(), (kGameFolder / "BMP").string()}).status, 2);  // no INI there
  fs::remove(file);
}

TEST(TemplateSave, DumpShowsTheCompanionBesideASaveAndWhetherItBelongs) {
  const fs::path folder = fs::path(testing::TempDir()) / "velmarith-companion-dump";
  fs::create_directories(folder);
  const std::string save = ReadFileBytes(TemplateFile()).value_or("");
  std::ofstream(folder / "Spiel.sav", std::ios::binary) << save;
  const DumpRun alone = Dump({(folder / "Spiel.sav").string(), kGameFolder.string()});
  EXPECT_TRUE(Contains(alone.out, "\"state\": \"none: the game loads the save alone\""))
      << alone.out;

  SaveCompanion companion{SaveChecksum(save), 7500, {ShipRecord{.group = 204}}, {}};
  std::ofstream(folder / "Spiel.zusatz", std::ios::binary) << WriteSaveCompanion(companion).bytes;
  const DumpRun paired = Dump({(folder / "Spiel.sav").string(), kGameFolder.string()});
  EXPECT_TRUE(Contains(paired.out, "\"state\": \"belongs to this save\"")) << paired.out;
  EXPECT_TRUE(Contains(paired.out, "\"pendingReward\": 7500"));
  EXPECT_TRUE(Contains(paired.out, "\"group\": 204"));
  const DumpRun direct = Dump({(folder / "Spiel.zusatz").string()});
  EXPECT_EQ(direct.status, 0) << direct.err;
  EXPECT_TRUE(Contains(direct.out, "\"kind\": \"saved game companion\""));

  companion.saveChecksum ^= 1;
  std::ofstream(folder / "Spiel.zusatz", std::ios::binary) << WriteSaveCompanion(companion).bytes;
  const DumpRun stale = Dump({(folder / "Spiel.sav").string(), kGameFolder.string()});
  EXPECT_TRUE(Contains(stale.out, "ignored: written for another version of the save")) << stale.out;
  std::ofstream(folder / "Spiel.zusatz", std::ios::binary) << "[Spielstand-Zusatz]\r\n";
  EXPECT_EQ(Dump({(folder / "Spiel.zusatz").string()}).status, 1);
  fs::remove_all(folder);
}

TEST(TemplateSave, TheToolInTheGameFolderNamesPlacesByDefault) {
  const std::string command = "'" + (kGameFolder / "velmarith-data").string() + "' dump '" +
                              TemplateFile().string() + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  ASSERT_NE(pipe, nullptr);
  std::string out;
  char buffer[4096];
  for (size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, got);
  EXPECT_EQ(pclose(pipe), 0) << out;
  EXPECT_TRUE(Contains(out, "\"universe\": \"" + kGameFolder.string() + "\"")) << out;
  EXPECT_TRUE(Contains(out, "\"name\": \"Planet Neue Allianz\"")) << out;
}

TEST(TemplateSave, TemplateCommandWritesOnlyASaveThatFitsTheUniverse) {
  // A scratch game folder with the sample universe and the generated template.
  const fs::path folder = fs::path(testing::TempDir()) / "velmarith-template-folder";
  fs::remove_all(folder);
  fs::create_directories(folder / "SAVE");
  fs::copy(kGameFolder / "INI", folder / "INI", fs::copy_options::recursive);
  const fs::path target = folder / "SAVE" / "Neuer Charakter.sav";
  const std::string original = ReadFileBytes(TemplateFile()).value_or("");
  ASSERT_FALSE(original.empty());
  fs::copy_file(TemplateFile(), target);
  auto run = [](const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = RunTemplateCommand(args, out, err);
    return DumpRun{status, out.str(), err.str()};
  };

  // A save with a richer ship becomes the template.
  const SaveRead read = ReadSavedGame(original, LoadUniverseShape(folder));
  ASSERT_TRUE(read.ok) << read.error;
  SavedGame game = read.game;
  game.ship.money = 50000;
  const SaveBytes bytes = WriteSavedGame(game);
  ASSERT_TRUE(bytes.ok);
  const fs::path good = folder / "reich.sav";
  std::ofstream(good, std::ios::binary) << bytes.bytes;
  const DumpRun made = run({good.string(), folder.string()});
  EXPECT_EQ(made.status, 0) << made.err;
  EXPECT_EQ(ReadFileBytes(target).value_or(""), bytes.bytes);

  // One that does not fit is refused, and the template stays as it was.
  const fs::path bad = folder / "fremd.sav";
  std::ofstream(bad, std::ios::binary) << bytes.bytes << std::string("\0\0\0\0stock\r\n", 11);
  const DumpRun refused = run({bad.string(), folder.string()});
  EXPECT_EQ(refused.status, 1);
  EXPECT_TRUE(Contains(refused.err, "does not fit the universe of")) << refused.err;
  EXPECT_EQ(ReadFileBytes(target).value_or(""), bytes.bytes);
  EXPECT_EQ(run({good.string()}).status, 2);
  fs::remove_all(folder);
}
