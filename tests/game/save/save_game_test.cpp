// Saving and loading a game in progress: what survives, what the file holds, and that no name,
// failure or kill can write outside SAVE\ or break the previous save.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <random>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/save_check.h"
#include "formats/save_file.h"
#include "game/save/quick_save.h"
#include "game/save/save_game.h"
#include "game/save/save_list.h"
#include "game/world/computer_ships.h"
#include "game/world/missions.h"
#include "game/world/places.h"
#include "tests/game/save/save_test_world.h"
#include "tests/game/support/fixture_files.h"

namespace {

std::string Int(std::int32_t value) {
  std::string bytes;
  for (int i = 0; i < 4; ++i)
    bytes += static_cast<char>((static_cast<std::uint32_t>(value) >> (8 * i)) & 0xFF);
  return bytes;
}

// Everything a load may change, so that a refused load can be shown to change nothing.
std::string Snapshot(const World& world) {
  std::string text = WriteSavedGame(CaptureSavedGame(world)).bytes;
  for (const float value : {world.cameraX, world.cameraY, world.launchX, world.launchY,
                            world.launchHeading, world.playerHeading}) {
    text += "|" + std::to_string(value);
  }
  text += "|" + std::to_string(world.nextObjectId) + "|" + std::to_string(world.ships.Count()) +
          "|" + std::to_string(world.visit.systemObjects.Count()) + "|" +
          world.visit.currentSystemFolder + "|" + world.ships.Front()->pilotName;
  return text;
}

std::vector<std::string> Names(const CursorList<std::string>& list) {
  return std::vector<std::string>(list.begin(), list.end());
}

// Runs the work in a child process and gives its wait status.
template <class Work>
int InChild(Work work) {
  const pid_t child = fork();
  if (child == 0) {
    work();
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  return status;
}

}  // namespace

TEST(SaveGame, AGameInProgressComesBackWithPositionsRounded) {
  SaveTestWorld t;
  World& world = t.world;
  ShipRecord& ship = *world.ships.Front();
  ship.x = 45001.6f;
  ship.y = 79300.5f;  // halves go to the even neighbour
  ship.heading = 89.4f;
  SetPlayerAttitudes(world.groups, {1.0f, 0.25f});
  PlaceRecord* outpost = FindPlace(world, "Aussenposten");
  outpost->known = 1;
  outpost->goodsPrices = "Wasser    12                  ";
  ASSERT_TRUE(SaveGame(world, t.folder.path, "Alpha").ok);

  // The game goes on: everything the file holds changes, and there is more around.
  ship.money = 1;
  ship.cargo.clear();
  ship.weapons.clear();
  ship.x = ship.y = 5;
  SetPlayerAttitudes(world.groups, {1.0f, -1.0f});
  outpost->known = 0;
  outpost->goodsPrices = "sold out";
  world.docking.dockedPlace.clear();
  world.nextObjectId = 5000;
  world.ships.Add(ShipRecord{.type = 2001, .id = 990});

  const SaveOutcome loaded = LoadGame(world, t.folder.path, t.rng, "Alpha");
  ASSERT_TRUE(loaded.ok) << loaded.error;
  ASSERT_EQ(world.ships.Count(), 1);
  const ShipRecord& back = *world.ships.Front();
  EXPECT_EQ(back.money, 12345);
  EXPECT_EQ(back.cargo, "1    5    ");
  EXPECT_EQ(back.weapons, "1    0    2    17   ");
  EXPECT_EQ(back.x, 45002);
  EXPECT_EQ(back.y, 79300);
  EXPECT_EQ(back.heading, 89);
  EXPECT_EQ(back.pilotName, "Kira");  // not in the file: the record keeps it
  EXPECT_EQ(world.docking.dockedPlace, "Planet Neue Allianz");
  EXPECT_EQ(world.cameraX, 45002);
  EXPECT_EQ(world.launchY, 79300);
  EXPECT_EQ(world.launchHeading, 89);
  EXPECT_EQ(world.playerShipType, 1);
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 0, 1), 0.25f);
  EXPECT_FLOAT_EQ(GroupRelation(world.groups, 1, 0), 0.25f);
  EXPECT_EQ(outpost->known, 1);
  EXPECT_EQ(outpost->goodsPrices, "Wasser    12                  ");
  // The system around the ship is entered anew, its ids counted on from 100.
  EXPECT_EQ(world.visit.currentSystemFolder, "Heimat");
  EXPECT_EQ(world.visit.systemObjects.Count(), 2);
  EXPECT_EQ(world.nextObjectId, 120);
}

TEST(SaveGame, TheFileHoldsTheLayoutForAFixedState) {
  SaveTestWorld t;
  ShipRecord& ship = *t.world.ships.Front();
  ship.x = 45001.5f;
  ship.y = -2.5f;
  ship.turnRate = 0.5f;
  ship.orders = "Auftrag";
  t.world.places.Front()->goodsPrices = "Wasser    70";
  t.world.places.Front()->known = 1;
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Fest").ok);

  const std::string ints = Int(2001) + Int(10) + Int(1) + Int(0) + Int(24) + Int(45002) + Int(-2) +
                           Int(270) + Int(0) + Int(0) + Int(0) + Int(0) + Int(0) + Int(0) +
                           Int(12345);
  const std::string expected =
      "Planet Neue Allianz\r\n" + ints + "1    0    2    17   \r\n1    5    \r\n" + Int(20) +
      Int(300) + Int(300) + Int(0) + "\r\n" + Int(100) + Int(100) + Int(0) + Int(500) + Int(500) +
      Int(-1) + "Auftrag\r\n" + Int(-1) + Int(0) + "1\r\n0.5\r\n" + Int(1) + "Wasser    70\r\n" +
      Int(0) + FindPlace(t.world, "Planet Neue Allianz")->goodsPrices + "\r\n";
  EXPECT_EQ(t.FileBytes("Fest"), expected);
}

TEST(SaveGame, TheGamesShapeIsTheOneCheckOfTheGameFolder) {
  SaveTestWorld t;
  EXPECT_EQ(WorldShape(t.world).placeCount, LoadUniverseShape(t.folder.path).placeCount);
  EXPECT_EQ(WorldShape(t.world).groupCount, LoadUniverseShape(t.folder.path).groupCount);
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  const SaveCheck check = CheckSaveFile(t.FileBytes("Alpha"), t.folder.path);
  EXPECT_TRUE(check.fits) << check.reason;
}

TEST(SaveGame, TruncatedOrOverlongFilesAreRefusedAndChangeNothing) {
  SaveTestWorld t;
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  const std::string whole = t.FileBytes("Alpha");
  t.world.ships.Front()->money = 777;
  t.world.cameraX = 3;
  const std::string before = Snapshot(t.world);
  for (const std::string& damaged :
       {whole.substr(0, whole.size() - 1), whole.substr(0, whole.size() - 2), whole + "x",
        whole + Int(0) + "more\r\n", whole.substr(0, 30), std::string()}) {
    WriteFixtureFile(t.SaveFile("Alpha"), damaged);
    EXPECT_FALSE(LoadGame(t.world, t.folder.path, t.rng, "Alpha").ok) << damaged.size();
    EXPECT_EQ(Snapshot(t.world), before) << damaged.size();
  }
  EXPECT_FALSE(LoadGame(t.world, t.folder.path, t.rng, "Fehlt").ok);
  EXPECT_EQ(Snapshot(t.world), before);
}

TEST(SaveGame, NamesThatAreNoFileOfSaveAreRefusedAndWriteNothing) {
  SaveTestWorld t;
  const std::string listing = t.FolderListing();
  for (const std::string& name :
       std::vector<std::string>{"../Alpha", "..", "a/b", "/tmp/x", "a\\b", "", "   ", "a\tb",
                                std::string("a\x85") + "b", "x..y"}) {
    EXPECT_FALSE(IsUsableSaveName(name)) << name;
    EXPECT_FALSE(SaveGame(t.world, t.folder.path, name).ok) << name;
    EXPECT_FALSE(LoadGame(t.world, t.folder.path, t.rng, name).ok) << name;
  }
  // The new characters' template is made on purpose (velmarith-data template), never by a save.
  EXPECT_FALSE(SaveGame(t.world, t.folder.path, "Neuer Charakter").ok);
  EXPECT_EQ(t.FolderListing(), listing);
  // Kept: the network game's name can be typed, and any other text is a name.
  for (const std::string& name :
       std::vector<std::string>{"InternetFile", ".x", " Alpha ", std::string("Gr\xFC\xDF") + "e"}) {
    EXPECT_TRUE(SaveGame(t.world, t.folder.path, name).ok) << name;
    EXPECT_TRUE(std::filesystem::is_regular_file(
        t.folder.path / "SAVE" / std::filesystem::u8path(Latin1ToUtf8(name) + ".sav")))
        << name;
  }
}

TEST(SaveGame, TheSaveFolderIsCreatedWhenMissing) {
  SaveTestWorld t;
  std::filesystem::remove_all(t.folder.path / "SAVE");
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  EXPECT_TRUE(LoadGame(t.world, t.folder.path, t.rng, "Alpha").ok);
}

TEST(SaveGame, AFailedWriteKeepsThePreviousSave) {
  SaveTestWorld t;
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  const std::string old = t.FileBytes("Alpha");
  t.world.ships.Front()->money = 1;

  // The target name taken by a folder (root cannot write through that either).
  std::filesystem::create_directories(t.SaveFile("Ordner") / "inside");
  EXPECT_FALSE(SaveGame(t.world, t.folder.path, "Ordner").ok);
  EXPECT_TRUE(std::filesystem::is_directory(t.SaveFile("Ordner") / "inside"));

  // The disk runs full while the new file is written: a file size limit binds root too.
  const int status = InChild([&] {
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = 64;
    setrlimit(RLIMIT_FSIZE, &limit);
    _exit(SaveGame(t.world, t.folder.path, "Alpha").ok ? 1 : 0);
  });
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0) << "the save should have failed";
  EXPECT_EQ(t.FileBytes("Alpha"), old);

  // SAVE itself a regular file.
  std::filesystem::rename(t.folder.path / "SAVE", t.folder.path / "SAVE.old");
  WriteFixtureFile(t.folder.path / "SAVE", "not a folder");
  EXPECT_FALSE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  std::filesystem::remove(t.folder.path / "SAVE");
  std::filesystem::rename(t.folder.path / "SAVE.old", t.folder.path / "SAVE");

  // No temporary file is left behind by the failures.
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(t.folder.path / "SAVE")) {
    files.push_back(entry.path().filename().string());
  }
  std::sort(files.begin(), files.end());
  EXPECT_EQ(files, (std::vector<std::string>{"Alpha.sav", "Alpha.zusatz", "Erster Flug.sav",
                                             "InternetFile.sav", "Ordner.sav"}));
}

TEST(SaveGame, AKillBetweenTheTemporaryFileAndTheRenameLeavesTheOldSave) {
  SaveTestWorld t;
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Alpha").ok);
  const std::string old = t.FileBytes("Alpha");
  t.world.ships.Front()->money = 1;
  const int status =
      InChild([&] { SaveGame(t.world, t.folder.path, "Alpha", [] { raise(SIGKILL); }); });
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the hook was not reached";
  EXPECT_EQ(t.FileBytes("Alpha"), old);
  ASSERT_TRUE(LoadGame(t.world, t.folder.path, t.rng, "Alpha").ok);
  EXPECT_EQ(t.world.ships.Front()->money, 12345);
  // The whole new file waits beside it under a name that is never listed.
  CursorList<std::string> names;
  ListSaveGames(names, t.folder.path / "SAVE");
  EXPECT_EQ(Names(names).size(), 2u);
  int temporaries = 0;
  for (const auto& entry : std::filesystem::directory_iterator(t.folder.path / "SAVE")) {
    if (entry.path().filename().string().starts_with("Alpha.sav.tmp")) ++temporaries;
  }
  EXPECT_EQ(temporaries, 1);
}

// A mission in progress and a dealer's stock, as the companion keeps them.
void TakeMissionAndBuy(World& world) {
  world.ships.Front()->orders = MissionMarker(45000, 79000);
  world.pendingReward.amount = 40000;
  AppendShip(world, ShipRecord{.type = 2001,
                               .id = 7,
                               .group = 201,
                               .x = 45100.25f,
                               .y = 79050,
                               .heading = 33.5f,
                               .speed = 2.5f,
                               .weapons = "1    3    ",
                               .hull = 80.5f,
                               .shield = 12});
  FindPlace(world, "Aussenposten")->weaponOffers = "Loku I              1         ";
}

TEST(SaveGame, TheCompanionBringsBackTheMissionAndTheDealersStock) {
  SaveTestWorld t;
  World& world = t.world;
  TakeMissionAndBuy(world);
  ASSERT_TRUE(SaveGame(world, t.folder.path, "Auftrag").ok);
  const std::string savBefore = t.FileBytes("Auftrag");
  CancelMission(world);
  world.pendingReward.amount = 99;
  FindPlace(world, "Aussenposten")->weaponOffers = "Loku I              2         ";

  ASSERT_TRUE(LoadGame(world, t.folder.path, t.rng, "Auftrag").ok);
  EXPECT_TRUE(MissionRunning(world));
  EXPECT_EQ(world.pendingReward.amount, 40000);
  ASSERT_EQ(world.ships.Count(), 2);
  const ShipRecord& enemy = *std::next(world.ships.begin());
  EXPECT_EQ(enemy.group, 201);
  EXPECT_EQ(enemy.x, 45100.25f);  // exact, not rounded as the player's ship in the .sav
  EXPECT_EQ(enemy.heading, 33.5f);
  EXPECT_EQ(enemy.weapons, "1    3    ");
  EXPECT_EQ(FindPlace(world, "Aussenposten")->weaponOffers, "Loku I              1         ");
  EXPECT_TRUE(world.tickerMessages.Empty());
  // The .sav is what it always was: a save of the same game without a companion is identical.
  std::filesystem::remove(t.folder.path / "SAVE" / "Auftrag.zusatz");
  EXPECT_EQ(savBefore, t.FileBytes("Auftrag"));

  // Without its companion the mission cannot go on: the marker is cleared and the player told,
  // and no reward of an earlier mission lingers.
  ASSERT_TRUE(LoadGame(world, t.folder.path, t.rng, "Auftrag").ok);
  EXPECT_FALSE(MissionRunning(world));
  EXPECT_EQ(world.pendingReward.amount, 0);
  EXPECT_EQ(world.ships.Count(), 1);
  ASSERT_EQ(world.tickerMessages.Count(), 1);
  EXPECT_EQ(world.tickerMessages.Front()->text1, "Auftrag beendet: ");
}

TEST(SaveGame, AKillBetweenTheTwoRenamesLeavesTheNewSaveWithoutItsOldCompanion) {
  SaveTestWorld t;
  World& world = t.world;
  TakeMissionAndBuy(world);
  ASSERT_TRUE(SaveGame(world, t.folder.path, "Alpha").ok);
  const std::string oldCompanion = ReadFileBytes(t.folder.path / "SAVE" / "Alpha.zusatz").value();
  CancelMission(world);  // the mission was paid or lost, then the game saved again
  world.ships.Front()->money = 777;
  const int status =
      InChild([&] { SaveGame(world, t.folder.path, "Alpha", {}, [] { raise(SIGKILL); }); });
  ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the hook was not reached";
  EXPECT_EQ(ReadFileBytes(t.folder.path / "SAVE" / "Alpha.zusatz").value(), oldCompanion);

  world.pendingReward.amount = 5;
  ASSERT_TRUE(LoadGame(world, t.folder.path, t.rng, "Alpha").ok);
  EXPECT_EQ(world.ships.Front()->money, 777);  // the new .sav
  EXPECT_EQ(world.ships.Count(), 1);           // the old mission's ships do not come back
  EXPECT_FALSE(MissionRunning(world));
  EXPECT_EQ(world.pendingReward.amount, 0);
  ASSERT_EQ(world.tickerMessages.Count(), 1);
  EXPECT_EQ(world.tickerMessages.Front()->text1, "Zusatzdaten nicht geladen: ");
  EXPECT_EQ(world.tickerMessages.Front()->text2, "geh\xF6ren zu einem anderen Spielstand");

  // A damaged companion is refused the same way.
  world.tickerMessages.Clear();
  WriteFixtureFile(t.folder.path / "SAVE" / "Alpha.zusatz", "[Spielstand-Zusatz]\r\nVersion=1");
  ASSERT_TRUE(LoadGame(world, t.folder.path, t.rng, "Alpha").ok);
  ASSERT_EQ(world.tickerMessages.Count(), 1);
  EXPECT_EQ(world.tickerMessages.Front()->text2, "Datei besch\xE4digt");
}

TEST(SaveGame, KillingASaveLoopAtAnyMomentLeavesAWholeSave) {
  SaveTestWorld t;
  ASSERT_TRUE(SaveGame(t.world, t.folder.path, "Schleife").ok);
  const std::string first = t.FileBytes("Schleife");
  World& world = t.world;
  world.ships.Front()->money = 99;
  world.ships.Front()->cargo = std::string(300, 'c');  // a longer file, so halves would show
  ASSERT_TRUE(SaveGame(world, t.folder.path, "Schleife").ok);
  const std::string second = t.FileBytes("Schleife");
  std::mt19937 chance(7);
  for (int round = 0; round < 12; ++round) {
    const pid_t child = fork();
    if (child == 0) {
      for (int i = 0;; ++i) {
        world.ships.Front()->money = i % 2 ? 99 : 12345;
        world.ships.Front()->cargo = i % 2 ? std::string(300, 'c') : "1    5    ";
        SaveGame(world, t.folder.path, "Schleife");
      }
    }
    usleep(1000 + chance() % 20000);
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    const std::string bytes = t.FileBytes("Schleife");
    EXPECT_TRUE(bytes == first || bytes == second) << "round " << round << ": " << bytes.size();
    EXPECT_TRUE(ReadSavedGame(bytes, WorldShape(world)).ok) << "round " << round;
  }
}

TEST(QuickSave, SavesUnderTheCurrentNameOrAsSchnellspeicher) {
  SaveTestWorld t;
  SaveState save;
  ASSERT_TRUE(QuickSave(save, t.world, t.folder.path));
  EXPECT_EQ(save.saveName, "Schnellspeicher");
  EXPECT_EQ(save.nameField, "Schnellspeicher");
  EXPECT_FALSE(t.FileBytes("Schnellspeicher").empty());
  EXPECT_FALSE(std::filesystem::exists(t.folder.path / "SAVE" / ".sav"));
  EXPECT_EQ(Names(save.saveFileNames).size(), 2u);  // the list is read again

  save.saveName = "Alpha";
  t.world.ships.Front()->money = 4;
  ASSERT_TRUE(QuickSave(save, t.world, t.folder.path));
  ASSERT_TRUE(LoadGame(t.world, t.folder.path, t.rng, "Alpha").ok);
  EXPECT_EQ(t.world.ships.Front()->money, 4);
  ASSERT_TRUE(LoadGame(t.world, t.folder.path, t.rng, "Schnellspeicher").ok);
  EXPECT_EQ(t.world.ships.Front()->money, 12345);
}

TEST(SaveList, OffersEverySavFileButTheReservedOnes) {
  TempFolder folder("list");
  for (const char* name : {"A.sav", "A.zusatz", "InternetFile.sav", "Neuer Charakter.sav",
                           "internetfile.sav", "Neuer Charakter.sav.tmp1-0", "notiz.txt", ".sav"}) {
    WriteFixtureFile(folder.path / name, "x");
  }
  std::filesystem::create_directories(folder.path / "Ordner.sav");
  CursorList<std::string> names;
  names.Add("stale");
  ListSaveGames(names, folder.path);
  std::vector<std::string> listed = Names(names);
  std::sort(listed.begin(), listed.end());
  EXPECT_EQ(listed, (std::vector<std::string>{"", "A", "internetfile"}));
  ListSaveGames(names, folder.path / "missing");
  EXPECT_TRUE(names.Empty());
}
