#include "server/game_check.h"

#include <gtest/gtest.h>

#include "tests/server/server_fixture.h"

TEST(ServerGameCheck, TheGameFolderGivesTheCountsOfItsUniverse) {
  ScratchFolder scratch;
  WriteServerGameFolder(scratch.path);
  const UniverseShape shape = LoadUniverseShape(scratch.path);
  EXPECT_EQ(shape.attitudeLines, 2);  // groups 0 and 1
  EXPECT_EQ(shape.placeCount, 2);
  const UniverseShape empty = LoadUniverseShape(scratch.path / "nothing");
  EXPECT_EQ(empty.attitudeLines, 0);
  EXPECT_EQ(empty.placeCount, 0);
}

TEST(ServerGameCheck, OnlyAWholeGameOfTheSameUniverseFits) {
  const std::string game = MakeSaveGame(kFixtureShape, 5000, std::string(300000, '9'));
  std::string why;
  EXPECT_TRUE(CheckGameFile(kFixtureShape, game, &why)) << why;

  // Cut anywhere, it does not fit; the reason names what is missing.
  for (std::size_t cut : {std::size_t{0}, std::size_t{10}, std::size_t{60}, game.size() - 1}) {
    EXPECT_FALSE(CheckGameFile(kFixtureShape, game.substr(0, cut), &why)) << cut;
    EXPECT_NE(why.find("ends inside"), std::string::npos) << why;
  }
  EXPECT_FALSE(CheckGameFile(kFixtureShape, game + "x", &why));
  EXPECT_EQ(why, "1 bytes follow the last place");

  // A game of a universe with another number of places or groups.
  EXPECT_FALSE(CheckGameFile({2, 3}, game, &why));
  EXPECT_FALSE(CheckGameFile({2, 1}, game, &why));
  EXPECT_FALSE(CheckGameFile({3, 2}, game, &why));
  EXPECT_FALSE(CheckGameFile(kFixtureShape, MakeSaveGame({3, 1}, 5000), &why));

  // Attitudes must be numbers.
  std::string bad = game;
  bad.replace(bad.find("\r\n0.5\r\n") + 2, 3, "abc");
  EXPECT_FALSE(CheckGameFile(kFixtureShape, bad, &why));
  EXPECT_EQ(why, "attitude 1 is not a number");

  // Lines may end in LF alone, as the game reads them.
  const std::string lf = MakeSaveGame(kFixtureShape, 5000, "", "\n");
  EXPECT_TRUE(CheckGameFile(kFixtureShape, lf, &why));
}
