// The companion of a saved game: a round trip keeps every field exactly, and files cut short,
// overlong or damaged are refused whole with the line that is wrong.
#include <gtest/gtest.h>

#include <string>

#include "formats/save_companion.h"

namespace {

SaveCompanion FixedCompanion() {
  SaveCompanion companion;
  companion.saveChecksum = SaveChecksum("a .sav's bytes");
  companion.pendingReward = 40000;
  ShipRecord ship;
  ship.type = 2003;
  ship.id = 110;
  ship.pilotName = "Kr\xE4he = Pilot";
  ship.group = 204;
  ship.x = 1024.37f;
  ship.y = -0.1f;
  ship.heading = 359.99f;
  ship.speed = 3.3333333f;
  ship.hull = 119.5f;
  ship.shield = 0.2f;
  ship.weapons = "1    0    4    17   ";
  ship.orders = "  trailing blanks stay  ";
  companion.missionShips = {ship, ShipRecord{}};
  companion.places = {
      {"Alpha Station", "Schwalbe            -1        ", "Loku I              2         "},
      {"Leer", "", ""}};
  return companion;
}

TEST(SaveCompanion, RoundTripKeepsEveryFieldAndTheBytes) {
  const SaveCompanion companion = FixedCompanion();
  const SaveBytes written = WriteSaveCompanion(companion);
  ASSERT_TRUE(written.ok) << written.error;
  EXPECT_EQ(written.bytes.rfind("[Spielstand-Zusatz]\r\nVersion=1\r\nSpielstand=", 0), 0u);
  const CompanionRead read = ReadSaveCompanion(written.bytes);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.companion.saveChecksum, companion.saveChecksum);
  EXPECT_EQ(read.companion.pendingReward, 40000);
  ASSERT_EQ(read.companion.missionShips.size(), 2u);
  const ShipRecord& ship = read.companion.missionShips[0];
  EXPECT_EQ(ship.x, 1024.37f);  // floats come back exactly, not rounded as in the .sav
  EXPECT_EQ(ship.speed, 3.3333333f);
  EXPECT_EQ(ship.pilotName, "Kr\xE4he = Pilot");
  EXPECT_EQ(ship.orders, "  trailing blanks stay  ");
  EXPECT_EQ(ship.group, 204);
  ASSERT_EQ(read.companion.places.size(), 2u);
  EXPECT_EQ(read.companion.places[0].weaponOffers, "Loku I              2         ");
  EXPECT_EQ(WriteSaveCompanion(read.companion).bytes, written.bytes);
}

TEST(SaveCompanion, ChecksumTellsSavesApart) {
  EXPECT_EQ(SaveChecksum(""), 14695981039346656037ULL);  // the FNV-1a offset basis
  EXPECT_NE(SaveChecksum("Alpha\r\n"), SaveChecksum("Alphb\r\n"));
  EXPECT_EQ(CompanionDataPath("Spiel 1"), "SAVE\\Spiel 1.zusatz");
}

TEST(SaveCompanion, DamagedFilesAreRefusedWhole) {
  const std::string good = WriteSaveCompanion(FixedCompanion()).bytes;
  auto refused = [](const std::string& bytes, const std::string& reason) {
    const CompanionRead read = ReadSaveCompanion(bytes);
    EXPECT_FALSE(read.ok) << reason;
    EXPECT_NE(read.error.find(reason), std::string::npos) << read.error;
    EXPECT_TRUE(read.companion.missionShips.empty() && read.companion.places.empty());
  };
  refused(good.substr(0, good.size() - 1), "cut short");
  refused(good.substr(0, good.size() - 13), "cut short");
  refused(good.substr(0, good.find("[Orte]")), "the file ends where \"[Orte]\" belongs");
  refused(good + "[Ort]\r\n", "more follows after the last place");
  refused("", "line 1: the file ends");
  std::string version = good;
  version.replace(version.find("Version=1"), 9, "Version=2");
  refused(version, "line 2: version 2 is not known");
  std::string checksum = good;
  checksum.replace(checksum.find("Spielstand=") + 11, 1, "g");
  refused(checksum, "line 3: the value of \"Spielstand\" is no 16-digit hex checksum");
  std::string number = good;
  number.replace(number.find("hull=119.5"), 10, "hull=119,5");
  refused(number, "the value of \"hull\" is no number");
  std::string nan = good;
  nan.replace(nan.find("hull=119.5"), 10, "hull=nan  ");
  refused(nan, "the value of \"hull\" is no number");
  std::string order = good;
  order.replace(order.find("Belohnung="), 10, "Lohn=     ");
  refused(order, "line 5: \"Belohnung=\" expected");
  std::string count = good;
  count.replace(count.find("Schiffe=2"), 9, "Schiffe=3");
  refused(count, "\"[Schiff]\" expected, found \"[Orte]\"");
  std::string negative = good;
  negative.replace(negative.find("Anzahl=2"), 8, "Anzahl=-");
  refused(negative, "no whole number");
}

TEST(SaveCompanion, TextsThatWouldNotReadBackAreNotWritten) {
  SaveCompanion companion = FixedCompanion();
  companion.places[1].weaponOffers = "Loku\r\nI";
  const SaveBytes written = WriteSaveCompanion(companion);
  EXPECT_FALSE(written.ok);
  EXPECT_TRUE(written.bytes.empty());
  EXPECT_NE(written.error.find("weapon offers of place \"Leer\""), std::string::npos)
      << written.error;
}

}  // namespace
