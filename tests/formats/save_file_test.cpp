// Saved games: the byte layout item by item, the attitude lines, round trips, and files that do
// not fit the universe (cut short, overlong, a damaged attitude) refused whole.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "formats/save_file.h"

using namespace std::string_literals;

namespace {

const std::string kStock = "Wasser              120       Kristalle           80        ";

// Every float field has a fraction, so the file shows how it was rounded.
SavedGame FixedGame() {
  SavedGame game;
  game.dockedPlace = "Kr\xE4hennest";
  ShipRecord& s = game.ship;
  s.type = 2003;
  s.id = 10;
  s.controller = 1;
  s.pilotName = "Niemand";
  s.group = 4;
  s.radius = 2.5f;
  s.x = 3.5f;
  s.y = -2.5f;
  s.heading = 359.5f;
  s.turnRate = -1.5f;
  s.agility = 0.4f;
  s.speed = 10.6f;
  s.maxSpeed = 110;
  s.driveSpeed = 0.5f;
  s.driveFactor = 1.5f;
  s.money = 0x01020304;
  s.weapons = "1    0    4    17   ";
  s.cargo = "3    12   ";
  s.cargoCapacity = 20;
  s.hull = 119.5f;
  s.maxHull = 120;
  s.impactSprite = 11;
  s.impacts = "a1b2";
  s.shield = -0.5f;
  s.maxShield = 100;
  s.shieldDownTimer = 7;
  s.energy = 199.49f;
  s.maxEnergy = 200;
  s.tractorTimer = -1;
  s.orders = "";
  s.dockTarget = -1;
  s.spare = 0;
  game.attitudes = {1, 0.25f, -1, 0.21999998f, 0};
  game.places = {{1, kStock}, {0, ""}};
  return game;
}

constexpr UniverseShape kFixedShape{.groupCount = 4, .placeCount = 2};

std::string Written(const SavedGame& game) {
  const SaveBytes save = WriteSavedGame(game);
  EXPECT_TRUE(save.ok) << save.error;
  return save.bytes;
}

std::string Replaced(std::string bytes, const std::string& from, const std::string& to) {
  const size_t at = bytes.find(from);
  EXPECT_NE(at, std::string::npos) << from;
  if (at != std::string::npos) bytes.replace(at, from.size(), to);
  return bytes;
}

}  // namespace

TEST(SaveFile, LayoutItemByItem) {
  const std::vector<std::pair<const char*, std::string>> items = {
      {"DockedPlace", "Kr\xE4hennest\r\n"},
      {"type", "\xD3\x07\0\0"s},
      {"id", "\x0A\0\0\0"s},
      {"controller", "\x01\0\0\0"s},
      {"group (pilotName is not stored)", "\x04\0\0\0"s},
      {"radius 2.5 -> 2", "\x02\0\0\0"s},
      {"x 3.5 -> 4", "\x04\0\0\0"s},
      {"y -2.5 -> -2", "\xFE\xFF\xFF\xFF"s},
      {"heading 359.5 -> 360", "\x68\x01\0\0"s},
      {"turnRate -1.5 -> -2", "\xFE\xFF\xFF\xFF"s},
      {"agility 0.4 -> 0", "\0\0\0\0"s},
      {"speed 10.6 -> 11", "\x0B\0\0\0"s},
      {"maxSpeed", "\x6E\0\0\0"s},
      {"driveSpeed 0.5 -> 0", "\0\0\0\0"s},
      {"driveFactor 1.5 -> 2", "\x02\0\0\0"s},
      {"money, little-endian", "\x04\x03\x02\x01"s},
      {"weapons", "1    0    4    17   \r\n"},
      {"cargo", "3    12   \r\n"},
      {"cargoCapacity", "\x14\0\0\0"s},
      {"hull 119.5 -> 120", "\x78\0\0\0"s},
      {"maxHull", "\x78\0\0\0"s},
      {"impactSprite", "\x0B\0\0\0"s},
      {"impacts", "a1b2\r\n"},
      {"shield -0.5 -> 0", "\0\0\0\0"s},
      {"maxShield", "\x64\0\0\0"s},
      {"shieldDownTimer", "\x07\0\0\0"s},
      {"energy 199.49 -> 199", "\xC7\0\0\0"s},
      {"maxEnergy", "\xC8\0\0\0"s},
      {"tractorTimer", "\xFF\xFF\xFF\xFF"s},
      {"orders", "\r\n"},
      {"dockTarget", "\xFF\xFF\xFF\xFF"s},
      {"spare", "\0\0\0\0"s},
      {"attitude 0", "1\r\n"},
      {"attitude 1", "0.25\r\n"},
      {"attitude 2", "-1\r\n"},
      {"attitude 3, 0.21999998", "0.22\r\n"},
      {"attitude 4", "0\r\n"},
      {"place 1 known", "\x01\0\0\0"s},
      {"place 1 info4", kStock + "\r\n"},
      {"place 2 known", "\0\0\0\0"s},
      {"place 2 info4", "\r\n"},
  };
  const std::string bytes = Written(FixedGame());
  size_t at = 0;
  for (const auto& [item, expected] : items) {
    EXPECT_EQ(bytes.substr(at, expected.size()), expected) << item << " at byte " << at;
    at += expected.size();
  }
  EXPECT_EQ(at, bytes.size()) << "the file holds more than its items";
}

TEST(SaveFile, AttitudeLines) {
  const std::pair<float, const char*> forms[] = {
      {0.25f, "0.25"},       {-1.0f, "-1"}, {0.0f, "0"},     {-0.0f, "0"},
      {0.21999998f, "0.22"}, {0.5f, "0.5"}, {-0.3f, "-0.3"}, {1.0f / 3, "0.333333"},
      {-0.0000004f, "0"},    {12.0f, "12"}, {NAN, "0"},
  };
  for (const auto& [value, text] : forms) EXPECT_EQ(FormatAttitude(value), text) << value;

  EXPECT_EQ(ParseAttitude("0.25"), 0.25f);
  EXPECT_EQ(ParseAttitude(" -1 "), -1.0f);
  EXPECT_EQ(ParseAttitude(".5"), 0.5f);
  EXPECT_EQ(ParseAttitude("5."), 5.0f);
  for (const char* bad : {"", " ", "abc", "0,5", "+1", "1e5", "1.2.3", "nan", "- 1", "0.5x",
                          "1000000000000000000000000000000000000000000"}) {
    EXPECT_FALSE(ParseAttitude(bad).has_value()) << bad;
  }
}

TEST(SaveFile, EveryFloatsAttitudeLineReadsBackToTheSameLine) {
  std::vector<float> values = {FLT_MAX, -FLT_MAX, FLT_MIN, 4.9e-7f, 5.1e-7f, 16777217.0f, 0.1f};
  std::uint32_t state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1664525u + 1013904223u;
    float value;
    std::memcpy(&value, &state, sizeof value);
    if (std::isfinite(value)) values.push_back(value);
    values.push_back(static_cast<float>(state % 2000001) / 1000000.0f - 1.0f);  // -1 .. 1
  }
  for (const float value : values) {
    const std::string line = FormatAttitude(value);
    const std::optional<float> read = ParseAttitude(line);
    ASSERT_TRUE(read.has_value()) << line;
    ASSERT_EQ(FormatAttitude(*read), line) << value;
  }
}

TEST(SaveFile, RoundTripKeepsTheGameAndTheBytes) {
  SavedGame game = FixedGame();
  game.places.push_back({0, "stock with a CR\r"});
  const std::string bytes = Written(game);
  const SaveRead read = ReadSavedGame(bytes, {.groupCount = 4, .placeCount = 3});
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(Written(read.game), bytes);

  const SavedGame& back = read.game;
  EXPECT_EQ(back.dockedPlace, "Kr\xE4hennest");
  EXPECT_EQ(back.ship.pilotName, "");
  EXPECT_EQ(back.ship.money, 0x01020304);
  EXPECT_EQ(back.ship.weapons, "1    0    4    17   ");
  EXPECT_EQ(back.ship.cargo, "3    12   ");
  EXPECT_EQ(back.ship.x, 4.0f);
  EXPECT_EQ(back.ship.y, -2.0f);
  EXPECT_EQ(back.ship.heading, 360.0f);
  EXPECT_EQ(back.ship.tractorTimer, -1);
  EXPECT_EQ(back.attitudes, (std::vector<float>{1, 0.25f, -1, 0.22f, 0}));
  ASSERT_EQ(back.places.size(), 3u);
  EXPECT_EQ(back.places[0].known, 1);
  EXPECT_EQ(back.places[0].info4, kStock);
  EXPECT_EQ(back.places[2].info4, "stock with a CR\r");
}

TEST(SaveFile, LinesEndingInLfAloneStillRead) {
  const std::string bytes = Written(FixedGame());
  const SaveRead read = ReadSavedGame(
      Replaced(Replaced(bytes, "a1b2\r\n", "a1b2\n"), "0.25\r\n", "0.25\n"), kFixedShape);
  ASSERT_TRUE(read.ok) << read.error;
  EXPECT_EQ(read.game.ship.impacts, "a1b2");
  EXPECT_EQ(Written(read.game), bytes);
}

TEST(SaveFile, AFileCutShortAnywhereIsRefusedWhole) {
  const std::string bytes = Written(FixedGame());
  for (size_t cut = 0; cut < bytes.size(); ++cut) {
    const SaveRead read = ReadSavedGame(std::string_view(bytes).substr(0, cut), kFixedShape);
    ASSERT_FALSE(read.ok) << "cut at " << cut;
    EXPECT_FALSE(read.error.empty()) << cut;
    EXPECT_TRUE(read.game.dockedPlace.empty() && read.game.attitudes.empty() &&
                read.game.places.empty() && read.game.ship.money == 0)
        << "partly read at cut " << cut;
  }
  const SaveRead lastStock = ReadSavedGame(bytes.substr(0, bytes.size() - 1), kFixedShape);
  EXPECT_EQ(lastStock.error, "the file ends inside the stock line of place 2 of 2");
  const SaveRead onePlaceMore = ReadSavedGame(bytes, {.groupCount = 4, .placeCount = 3});
  EXPECT_EQ(onePlaceMore.error, "the file ends before place 3 of 3");
}

TEST(SaveFile, BytesAfterTheLastPlaceAreRefused) {
  const std::string bytes = Written(FixedGame());
  for (const std::string& extra : {"x"s, "\0\0\0\0more stock\r\n"s}) {
    const SaveRead read = ReadSavedGame(bytes + extra, kFixedShape);
    EXPECT_FALSE(read.ok);
    EXPECT_NE(
        read.error.find(std::to_string(extra.size()) + " bytes are left after the last place"),
        std::string::npos)
        << read.error;
    EXPECT_TRUE(read.game.places.empty());
  }
  // A universe with one place less than the file was written for.
  EXPECT_FALSE(ReadSavedGame(bytes, {.groupCount = 4, .placeCount = 1}).ok);
}

TEST(SaveFile, AttitudeLinesMustBeDecimalsAndMatchTheGroupCount) {
  const std::string bytes = Written(FixedGame());
  const SaveRead comma = ReadSavedGame(Replaced(bytes, "0.25\r\n", "0,25\r\n"), kFixedShape);
  EXPECT_FALSE(comma.ok);
  EXPECT_EQ(comma.error, "attitude line 2 of 5 (\"0,25\") is not a decimal number");
  // One group more than the file holds: the first place's binary known flag is no attitude.
  EXPECT_FALSE(ReadSavedGame(bytes, {.groupCount = 5, .placeCount = 2}).ok);
}

TEST(SaveFile, ALineBreakInsideATextIsNotWritten) {
  SavedGame game = FixedGame();
  game.ship.orders = "erst\nzweit";
  const SaveBytes save = WriteSavedGame(game);
  EXPECT_FALSE(save.ok);
  EXPECT_TRUE(save.bytes.empty());
  EXPECT_NE(save.error.find("\"orders\""), std::string::npos) << save.error;
  game = FixedGame();
  game.places[1].info4 = "a\nb";
  EXPECT_NE(WriteSavedGame(game).error.find("place 2"), std::string::npos);
}

TEST(SaveFile, ShapeGuessedFromTheFileAlone) {
  const std::optional<UniverseShape> fixed = GuessUniverseShape(Written(FixedGame()));
  ASSERT_TRUE(fixed.has_value());
  EXPECT_EQ(fixed->groupCount, 4);
  EXPECT_EQ(fixed->placeCount, 2);

  SavedGame bare = FixedGame();
  bare.attitudes.clear();
  bare.places.clear();
  const std::optional<UniverseShape> none = GuessUniverseShape(Written(bare));
  ASSERT_TRUE(none.has_value());
  EXPECT_EQ(none->groupCount, -1);
  EXPECT_EQ(none->placeCount, 0);

  EXPECT_FALSE(GuessUniverseShape(Written(FixedGame()) + "\x01"s).has_value());
  EXPECT_FALSE(GuessUniverseShape("Planet\r\n\x01\x02"s).has_value());
}

TEST(SaveFile, PlayerAttitudesAreRowZeroAndGoBackBothWays) {
  GroupCatalogue groups = EmptyGroupCatalogue();
  groups.groupCount = 2;
  SetGroupRelation(groups, 0, 1, 0.5f);
  SetGroupRelation(groups, 2, 0, -0.75f);  // not the player's row: not saved
  SetGroupRelation(groups, 0, 3, 0.9f);    // beyond the group count: not saved
  EXPECT_EQ(PlayerAttitudes(groups), (std::vector<float>{0, 0.5f, 0}));

  SetPlayerAttitudes(groups, {1, -0.25f, 0.125f});
  EXPECT_EQ(GroupRelation(groups, 0, 1), -0.25f);
  EXPECT_EQ(GroupRelation(groups, 1, 0), -0.25f);
  EXPECT_EQ(GroupRelation(groups, 2, 0), 0.125f);
  EXPECT_EQ(GroupRelation(groups, 0, 0), 1.0f);
  EXPECT_EQ(SaveDataPath(kNewCharacterSaveName), "SAVE\\Neuer Charakter.sav");
}
