#include "game/world/cursor_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

std::vector<int> Values(const CursorList<int>& list) {
  return {list.begin(), list.end()};
}

CursorList<int>* MakeList(std::initializer_list<int> values, CursorList<int>& list) {
  for (int v : values) list.Add(v);
  return &list;
}

}  // namespace

TEST(CursorList, AddAfterResetGoesToTheFrontAndAfterAWalkToTheEnd) {
  CursorList<int> list;
  MakeList({1, 2, 3}, list);
  EXPECT_EQ(Values(list), (std::vector<int>{1, 2, 3}));

  list.Reset();
  list.Add(0);
  EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(list.Index(), 1);

  list.Reset();
  while (list.Next()) {
  }
  EXPECT_EQ(*list.Current(), 3);  // the cursor rests on the last record
  list.Add(4);
  EXPECT_EQ(Values(list), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(list.Index(), 5);
}

TEST(CursorList, NextStopsOnTheLastRecordAndDoesNothingOnAnEmptyList) {
  CursorList<int> list;
  list.Reset();
  EXPECT_FALSE(list.Next());
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_EQ(list.Index(), 0);
  list.DeleteCurrent();  // no current record: nothing happens
  EXPECT_EQ(list.Count(), 0);

  list.Add(7);
  list.Reset();
  EXPECT_TRUE(list.Next());
  EXPECT_FALSE(list.Next());
  EXPECT_EQ(*list.Current(), 7);
}

TEST(CursorList, DeletingInAWalkContinuesWithTheFollowingRecord) {
  CursorList<int> list;
  MakeList({1, 2, 3, 4}, list);
  std::vector<int> visited;
  list.Reset();
  while (list.Next()) {
    visited.push_back(*list.Current());
    if (*list.Current() == 2) list.DeleteCurrent();  // 1 becomes current, 3 comes next
  }
  EXPECT_EQ(visited, (std::vector<int>{1, 2, 3, 4}));
  EXPECT_EQ(Values(list), (std::vector<int>{1, 3, 4}));
}

TEST(CursorList, DeletingTheFirstRecordSkipsItsFollowerForThePass) {
  CursorList<int> list;
  MakeList({1, 2, 3}, list);
  std::vector<int> visited;
  list.Reset();
  while (list.Next()) {
    visited.push_back(*list.Current());
    if (*list.Current() == 1) list.DeleteCurrent();  // 2 becomes current and is not visited
  }
  EXPECT_EQ(visited, (std::vector<int>{1, 3}));
  EXPECT_EQ(Values(list), (std::vector<int>{2, 3}));
}

TEST(CursorList, DeletingEveryRecordInAWalkEmptiesTheList) {
  CursorList<int> list;
  MakeList({1, 2, 3}, list);
  list.Reset();
  int deletions = 0;
  while (list.Next()) {
    list.DeleteCurrent();
    ++deletions;
  }
  // Each delete of the first record makes the next one current, which the walk then steps past;
  // the pass deletes 1 and 3, leaving 2 for the next pass.
  EXPECT_EQ(deletions, 2);
  EXPECT_EQ(Values(list), (std::vector<int>{2}));
  list.First();
  list.DeleteCurrent();
  EXPECT_EQ(list.Current(), nullptr);
  EXPECT_TRUE(list.Empty());
}

TEST(CursorList, MakeCurrentRestoresAnOuterWalk) {
  CursorList<int> list;
  MakeList({1, 2, 3}, list);
  list.Reset();
  list.Next();
  list.Next();
  const int* remembered = list.Current();
  list.Reset();
  while (list.Next()) {
  }
  EXPECT_TRUE(list.MakeCurrent(remembered));
  EXPECT_EQ(list.Index(), 2);
  int stranger = 5;
  EXPECT_FALSE(list.MakeCurrent(&stranger));
  EXPECT_EQ(list.Index(), 2);
}

TEST(CursorList, ClearLeavesNoCursor) {
  CursorList<int> list;
  MakeList({1, 2}, list);
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Current(), nullptr);
  list.Add(9);
  EXPECT_EQ(Values(list), (std::vector<int>{9}));
}

// A new game replaces the world's lists by moving: the walk in progress must go on where it stood.
TEST(CursorList, MovingKeepsTheCursorOnItsRecordAndEmptiesTheSource) {
  CursorList<int> source;
  MakeList({1, 2, 3}, source);
  source.Reset();
  source.Next();
  source.Next();
  CursorList<int> moved(std::move(source));
  EXPECT_EQ(source.Count(), 0);
  EXPECT_EQ(source.Current(), nullptr);
  ASSERT_NE(moved.Current(), nullptr);
  EXPECT_EQ(*moved.Current(), 2);
  EXPECT_TRUE(moved.Next());
  EXPECT_EQ(*moved.Current(), 3);

  CursorList<int> target;
  MakeList({7}, target);
  moved.Reset();  // no current record: an Add after the move goes to the front
  target = std::move(moved);
  EXPECT_EQ(target.Current(), nullptr);
  target.Add(0);
  EXPECT_EQ(Values(target), (std::vector<int>{0, 1, 2, 3}));
}
