#include "game/world/attitudes.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formats/text_rules.h"

namespace {

// One line of the group file: number (5), name (25), attitudes towards 0..i (5 each).
std::string GroupFileLine(int number, const std::string& name, std::vector<std::string> attitudes) {
  std::string line = PadRight(std::to_string(number), 5) + PadRight(name, 25);
  for (const std::string& value : attitudes) line += PadRight(value, 5);
  return line + "\r\n";
}

// Player 0; A likes B and dislikes C; C stands at -0.99 with the player; D likes itself by half.
void ThreeGroups(World& world) {
  world.groups = ReadGroups(GroupFileLine(0, "Spieler", {"1"}) + GroupFileLine(1, "A", {"0", "1"}) +
                            GroupFileLine(2, "B", {"0.95", "0.5", "1"}) +
                            GroupFileLine(3, "C", {"-0.99", "-0.5", "0", "1"}) +
                            GroupFileLine(4, "D", {"0", "0", "0", "0", "0.5"}));
}

float Rel(const World& world, int a, int b) {
  return GroupRelation(world.groups, a, b);
}

TEST(Attitudes, WritesKeepTheMatrixSymmetric) {
  World world;
  ThreeGroups(world);
  SetRelation(world, 2, 3, -0.7f);
  EXPECT_FLOAT_EQ(Rel(world, 2, 3), -0.7f);
  EXPECT_FLOAT_EQ(Rel(world, 3, 2), -0.7f);
  AddRelation(world, 1, 3, 0.25f);
  EXPECT_FLOAT_EQ(Rel(world, 1, 3), -0.25f);
  EXPECT_FLOAT_EQ(Rel(world, 3, 1), -0.25f);
  AddRelation(world, 2, 2, 0.1f);  // a group with itself: the one cell grows twice
  EXPECT_FLOAT_EQ(Rel(world, 2, 2), 1.2f);
  SetRelation(world, 0, 301, 1);  // outside the matrix: nothing happens
  AddRelation(world, -1, 0, 1);
  EXPECT_FLOAT_EQ(Rel(world, 0, 0), 1);
}

TEST(Attitudes, AKillAtTheEdgeSetsMinusOneNotBelow) {
  World world;
  ThreeGroups(world);
  ChangePlayerStanding(world, 3, -0.03f);
  EXPECT_FLOAT_EQ(Rel(world, 0, 3), -1);  // not -1.02, and C's own spread cannot push it further
  EXPECT_FLOAT_EQ(Rel(world, 3, 0), -1);
  EXPECT_FLOAT_EQ(Rel(world, 0, 1), 0.015f);  // C's enemy A likes the player a little more
  EXPECT_FLOAT_EQ(Rel(world, 0, 2), 0.95f);   // C is indifferent to B
}

TEST(Attitudes, ChangeSpreadsByTheGroupsAttitudesAndCountsItsOwnTwice) {
  World world;
  ThreeGroups(world);
  ChangePlayerStanding(world, 1, 0.25f);
  EXPECT_FLOAT_EQ(Rel(world, 0, 1), 0.5f);  // step one and again through A's 1 to itself
  EXPECT_FLOAT_EQ(Rel(world, 0, 2), 1);     // 0.95 + 0.125 is held at 1
  EXPECT_FLOAT_EQ(Rel(world, 0, 3), -1);    // -0.99 - 0.125 is held at -1
  EXPECT_FLOAT_EQ(Rel(world, 0, 4), 0);     // A is indifferent to D: unchanged
  EXPECT_FLOAT_EQ(Rel(world, 4, 0), 0);
  EXPECT_FLOAT_EQ(Rel(world, 2, 0), Rel(world, 0, 2));

  // D's self-attitude of 0.5 counts half: 0 + 0.2 + 0.1.
  ChangePlayerStanding(world, 4, 0.2f);
  EXPECT_FLOAT_EQ(Rel(world, 0, 4), 0.3f);
}

TEST(Attitudes, CategoriesAndTheirColours) {
  EXPECT_EQ(AttitudeOf(-0.5f), Attitude::kHostile);
  EXPECT_EQ(AttitudeOf(-0.49f), Attitude::kNeutral);
  EXPECT_EQ(AttitudeOf(0.49f), Attitude::kNeutral);
  EXPECT_EQ(AttitudeOf(0.5f), Attitude::kFriendly);
  EXPECT_EQ(AttitudeColourSet(-1), 10);
  EXPECT_EQ(AttitudeColourSet(0), 20);
  EXPECT_EQ(AttitudeColourSet(1), 30);
}

}  // namespace
