#include "game/shell/script_run.h"

#include <gtest/gtest.h>

#include "formats/file_io.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game_fixture.h"

TEST(Script, ParsesCommandsAndNamesTheBadLine) {
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(
      ParseScript("# demo\n3 key 57 down\n\n1 mouse 10 20  # move first\n"
                  "4 button right up\n9 quit\n",
                  "demo.txt", script, error))
      << error;
  ASSERT_EQ(script.commands.size(), 4u);
  EXPECT_EQ(script.commands[0].verb, "mouse");  // in frame order
  EXPECT_EQ(script.commands[2].a, 2);
  EXPECT_EQ(script.commands[2].b, 0);

  EXPECT_FALSE(ParseScript("1 quit\n2 key 300 down\n", "s.txt", script, error));
  EXPECT_EQ(error, "s.txt:2: scan code must be 1..255");
  EXPECT_FALSE(ParseScript("0 quit\n", "s.txt", script, error));
  EXPECT_EQ(error.rfind("s.txt:1: ", 0), 0u);
  EXPECT_FALSE(ParseScript("5 jump\n", "s.txt", script, error));
  EXPECT_EQ(error, "s.txt:1: unknown command \"jump\"");
  EXPECT_FALSE(ParseScript("5 mouse 1024 5\n", "s.txt", script, error));
}

TEST(Script, FeedsInputDumpsStateAndQuits) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  const std::string dump = (folder.path / "state.json").string();
  const std::string shot = (folder.path / "shot.bmp").string();
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(ParseScript(
      "1 mouse 300 200\n2 key 57 down\n3 dump " + dump + "\n3 screenshot " + shot + "\n5 quit\n",
      "run.txt", script, error));
  AttachScript(*game, script);
  int frames = 0;
  bool spaceSeenInFrameTwo = false;
  while (!game->media.quitRequested && frames < 100) {
    RunFrame(*game);
    ++frames;
    if (frames == 2) spaceSeenInFrameTwo = KeyHeld(game->media, 57);
  }
  EXPECT_EQ(frames, 5);
  EXPECT_TRUE(spaceSeenInFrameTwo);
  EXPECT_EQ(MouseX(game->media), 300);
  const auto json = ReadFileBytes(dump);
  ASSERT_TRUE(json.has_value());
  EXPECT_NE(json->find("\"frame\": 3"), std::string::npos);
  EXPECT_NE(json->find("\"mode\": \"flight\""), std::string::npos);
  EXPECT_NE(json->find("\"KeyCharMap\": 56"), std::string::npos);
  EXPECT_NE(json->find("\"MenuStars\": 301"), std::string::npos);
  EXPECT_NE(json->find("\"TimeFactor\": 1"), std::string::npos);
  EXPECT_TRUE(ReadFileBytes(shot).has_value());
}

TEST(Script, ExpectationsTakeNumbersAndQuotedTextsWithBlanksAndHashes) {
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(
      ParseScript("2 expect Ships[0].money >= 10000\n"
                  "3 expect MenuItems contains \"Willkommen # auf\"  # a comment\n",
                  "e.txt", script, error))
      << error;
  ASSERT_EQ(script.commands.size(), 2u);
  EXPECT_EQ(script.commands[0].path, "Ships[0].money");
  EXPECT_EQ(script.commands[0].op, ">=");
  EXPECT_EQ(script.commands[1].value, "\"Willkommen # auf\"");
  EXPECT_EQ(script.commands[1].line, 2);

  EXPECT_FALSE(ParseScript("1 expect ScreenState ~ 3\n", "e.txt", script, error));
  EXPECT_EQ(error, "e.txt:1: unknown comparison \"~\"");
  EXPECT_FALSE(ParseScript("1 expect ScreenState == three\n", "e.txt", script, error));
  EXPECT_FALSE(ParseScript("1 expect ScreenState ==\n", "e.txt", script, error));
}

// A run checks what it sees: passing checks let it go on, the first failing one ends it with
// status 1 in that frame.
TEST(Script, AFailedExpectationEndsTheRunWithStatusOne) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(
      ParseScript("1 expect TimeFactor == 1\n"
                  "1 expect counts.MenuStars > 300\n"
                  "2 expect mode == \"flight\"\n"
                  "3 expect counts.Ships == 7\n"
                  "9 quit\n",
                  "check.txt", script, error))
      << error;
  AttachScript(*game, script);
  int frames = 0;
  while (!game->media.quitRequested && frames < 100) {
    RunFrame(*game);
    ++frames;
  }
  EXPECT_EQ(frames, 3);
  EXPECT_EQ(script.status, 1);
}

// A wait holds the script's frames (and its input) until its check holds; one that never holds
// fails the run when its time is up.
TEST(Script, AWaitHoldsTheScriptUntilItsCheckHolds) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(
      ParseScript("2 wait FrameCounter >= 200\n"
                  "3 key 57 down\n"
                  "4 expect FrameCounter == 220\n"
                  "5 quit\n",
                  "wait.txt", script, error))
      << error;
  AttachScript(*game, script);
  int frames = 0;
  int spaceFrame = 0;
  while (!game->media.quitRequested && frames < 100) {
    RunFrame(*game);
    ++frames;
    if (!spaceFrame && KeyHeld(game->media, 57)) spaceFrame = frames;
  }
  EXPECT_EQ(script.status, 0);
  EXPECT_EQ(spaceFrame, 21);  // the frame after the wait ended in frame 20
  EXPECT_EQ(frames, 23);

  ScriptRun never;
  ASSERT_TRUE(ParseScript("1 wait counts.Ships == 7\n9 quit\n", "never.txt", never, error));
  never.waitSeconds = 0.05;
  game->media.quitRequested = false;
  game->hooks.onFrameEnd.clear();  // the first script is over
  AttachScript(*game, never);
  frames = 0;
  while (!game->media.quitRequested && frames < 100000) {
    RunFrame(*game);
    ++frames;
  }
  EXPECT_EQ(never.status, 1);
  EXPECT_LT(never.frame, 9);
}
