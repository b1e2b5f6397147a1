#include <gtest/gtest.h>

#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

#include "formats/file_io.h"
#include "formats/goods_catalogue.h"
#include "formats/group_catalogue.h"
#include "formats/kind_defs.h"
#include "formats/latin1.h"
#include "formats/legacy_files.h"
#include "formats/route_file.h"
#include "formats/route_points.h"
#include "formats/ship_catalogue.h"
#include "formats/system_file.h"
#include "formats/text_collections.h"
#include "formats/universe_file.h"
#include "formats/weapon_catalogue.h"
#include "tests/support/temp_folder.h"

TEST(Latin1, RoundTripsEveryByte) {
  std::string all;
  for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
  bool exact = false;
  EXPECT_EQ(Utf8ToLatin1(Latin1ToUtf8(all), &exact), all);
  EXPECT_TRUE(exact);
  EXPECT_EQ(Latin1ToUtf8("GR\xDCN"), "GR\xC3\x9CN");
}

TEST(Latin1, CharactersOutsideLatin1AndBrokenSequencesBecomeQuestionMarks) {
  bool exact = true;
  EXPECT_EQ(Utf8ToLatin1("\xE2\x82\xAC!", &exact), "?!");  // euro sign
  EXPECT_FALSE(exact);
  EXPECT_EQ(Utf8ToLatin1("a\xC3", &exact), "a?");     // cut sequence
  EXPECT_EQ(Utf8ToLatin1("\xC0\xAF", &exact), "??");  // overlong form
  EXPECT_EQ(Utf8ToLatin1("\xF0\x9F\x98\x80x", &exact), "?x");
}

TEST(DataPath, MapsBackslashesAndLatin1NamesUnderTheRoot) {
  EXPECT_EQ(DataPath("/game", "INI\\Universum.ini"),
            std::filesystem::path("/game/INI/Universum.ini"));
  EXPECT_EQ(DataPath("/game", "INI\\Gr\xFCne Welt\\Orte\\Station.ini"),
            std::filesystem::path("/game/INI/Gr\xC3\xBCne Welt/Orte/Station.ini"));
  EXPECT_EQ(DataPath("/game", "BMP/Schiffe\\\\x.bmp"),
            std::filesystem::path("/game/BMP/Schiffe/x.bmp"));
  // A data path never leaves the root.
  EXPECT_EQ(DataPath("/game", "INI\\..\\..\\etc\\passwd"),
            std::filesystem::path("/game/INI/etc/passwd"));
}

TEST(FileIo, MissingFileIsNoDataAndEmptyFileIsEmptyData) {
  TempFolder folder;
  EXPECT_FALSE(ReadFileBytes(folder.path / "fehlt.ini").has_value());
  EXPECT_FALSE(ReadFileBytes(folder.path).has_value());  // a folder is no file
  std::ofstream(folder.path / "leer.ini").close();
  ASSERT_TRUE(ReadFileBytes(folder.path / "leer.ini").has_value());
  EXPECT_EQ(*ReadFileBytes(folder.path / "leer.ini"), "");
}

TEST(FileIo, AtomicWriteReplacesTheFileAndLeavesNoTemporary) {
  TempFolder folder;
  const auto file = folder.path / "System.ini";
  ASSERT_TRUE(WriteFileAtomically(file, std::string("alt\0x", 5)).ok);
  ASSERT_TRUE(WriteFileAtomically(file, "neu\r\n").ok);
  EXPECT_EQ(*ReadFileBytes(file), "neu\r\n");
  int entries = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.path)) {
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST(FileIo, TemporariesOfProcessesGoneAreRemovedAndNothingElse) {
  TempFolder folder;
  const std::filesystem::path dir = folder.path;
  const std::string own = std::to_string(getpid());
  // No process has a number this high; its write was cut off before the rename.
  const std::vector<std::string> gone = {"Spiel.sav.tmp99999999-0",
                                         "Konfigurationen.ini.tmp99999998-12"};
  const std::vector<std::string> kept = {"Spiel.sav",         "Spiel.sav.tmp" + own + "-3",
                                         "notizen.tmp",       "Spiel.sav.tmp-1",
                                         "Spiel.sav.tmp12x-1", "x.tmp1-"};
  for (const auto& name : gone) ASSERT_TRUE(WriteFileAtomically(dir / name, "half").ok);
  for (const auto& name : kept) ASSERT_TRUE(WriteFileAtomically(dir / name, "keep").ok);
  std::filesystem::create_directory(dir / "Ordner.tmp99999997-1");  // not a file: kept

  EXPECT_EQ(RemoveAbandonedTemporaries(dir), 2);
  for (const auto& name : gone) EXPECT_FALSE(std::filesystem::exists(dir / name)) << name;
  for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
  EXPECT_TRUE(std::filesystem::is_directory(dir / "Ordner.tmp99999997-1"));
  EXPECT_EQ(RemoveAbandonedTemporaries(dir / "fehlt"), 0);  // a missing folder is no error
}

TEST(FileIo, FailuresAreReportedWithAMessage) {
  TempFolder folder;
  const WriteResult noFolder = WriteFileAtomically(folder.path / "fehlt" / "x.ini", "x");
  EXPECT_FALSE(noFolder.ok);
  EXPECT_NE(noFolder.message.find("fehlt"), std::string::npos);
  // A folder where the file should go cannot be replaced by a file.
  std::filesystem::create_directory(folder.path / "Orte");
  EXPECT_FALSE(WriteFileAtomically(folder.path / "Orte", "x").ok);
  std::ofstream(folder.path / "datei").close();
  EXPECT_FALSE(EnsureFolder(folder.path / "datei").ok);
  EXPECT_TRUE(EnsureFolder(folder.path / "a" / "b").ok);
  EXPECT_TRUE(EnsureFolder(folder.path / "a" / "b").ok);
}

TEST(RoutePoints, AppendedLinesAreRightAlignedAndReadBack) {
  TempFolder folder;
  const auto file = folder.path / "Routenpunkte.txt";
  ASSERT_TRUE(AppendRoutePoint(file, {1200, -35, 1}).ok);
  ASSERT_TRUE(AppendRoutePoint(file, {7, 99999, 0}).ok);
  EXPECT_EQ(*ReadFileBytes(file), "      1200       -35    1\r\n         7     99999    0\r\n");
  const std::vector<RoutePoint> points = ReadRoutePoints(*ReadFileBytes(file));
  ASSERT_EQ(points.size(), 2u);
  EXPECT_EQ(points[1].y, 99999);
  EXPECT_EQ(points[0].kind, 1);
}

TEST(FileIo, EveryLoaderGivesEmptyDataForAMissingFile) {
  TempFolder folder;
  const auto missing = folder.path / "fehlt";
  EXPECT_TRUE(LoadUniverse(missing).records.empty());
  EXPECT_TRUE(LoadSystemElements(missing).empty());
  const RouteFile routes = LoadRoutes(missing, RouteReadMode::kGame);
  EXPECT_EQ(routes.declaredCount, 0);
  EXPECT_TRUE(routes.routes.empty());
  EXPECT_EQ(LoadShipTypes(missing).shipTypeCount, 0);
  EXPECT_EQ(LoadWeaponTypes(missing).weaponTypeCount, 0);
  EXPECT_EQ(LoadWeaponTypes(missing).weaponTypes.at(0).name, "-LEER-");
  EXPECT_EQ(LoadGroups(missing).groupCount, -1);
  EXPECT_EQ(LoadGoods(missing).goodsCount, 0);
  EXPECT_TRUE(LoadElementDefs(missing).groups.empty());
  EXPECT_TRUE(LoadPeopleDefs(missing).groups.empty());
  EXPECT_EQ(LoadGroupTexts(missing, 3).groupTexts.at(3)[8], "");
  EXPECT_EQ(LoadBriefingTexts(missing).openLines[0], 0);
  EXPECT_TRUE(LoadLegacySystem(missing).empty());
  EXPECT_TRUE(LoadLegacyOffers(missing).empty());
  EXPECT_TRUE(LoadLegacyPrices(missing).empty());
}
