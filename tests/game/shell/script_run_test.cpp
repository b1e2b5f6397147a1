#include "game/shell/script_run.h"

#include <gtest/gtest.h>

#include <map>

#include "formats/file_io.h"
#include "game/media/gamepad.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/shell/menu_loop.h"
#include "game_fixture.h"
#include "tests/game/support/universe_fixture.h"

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

  ASSERT_TRUE(ParseScript("2 pad y down\n3 padaxis lefty -0.5\n", "pad.txt", script, error));
  EXPECT_EQ(script.commands[0].a, kPadY);
  EXPECT_EQ(script.commands[0].b, 1);
  EXPECT_EQ(script.commands[1].a, kPadLeftY);
  EXPECT_FLOAT_EQ(script.commands[1].level, -0.5f);
  EXPECT_FALSE(ParseScript("2 pad z down\n", "s.txt", script, error));
  EXPECT_EQ(error, "s.txt:1: pad buttons are a b x y back start lb rb up down left right");
  EXPECT_FALSE(ParseScript("2 padaxis rt -0.5\n", "s.txt", script, error));
  EXPECT_EQ(error, "s.txt:1: a trigger's value must be a number from 0 to 1");
  EXPECT_FALSE(ParseScript("2 padaxis leftx 1.5\n", "s.txt", script, error));
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

// A click is a pointer move at its frame, the press one frame later and the release three after
// that; its caption turns into the game's 8-bit text. Included lines run in place, their frames
// counted from the including line, and name both files when they are bad; a missing file, a
// cycle and a caption the game cannot show are refused before the run.
TEST(Script, ReadsClicksAndIncludesAndRefusesBadOnes) {
  const std::map<std::string, std::string> files = {
      {"flows/main.txt", "10 include parts/start.txt\n40 click \"Zurück\"  # back\n"},
      {"flows/parts/start.txt", "2 click \"Neues Spiel\"\n5 include more.txt\n"},
      {"flows/parts/more.txt", "# checks\n3 expect ScreenTag == \"\"\n"},
      {"a.txt", "5 include b.txt\n"},
      {"b.txt", "1 quit\n2 include a.txt\n"},
      {"bad.txt", "5 include broken.txt\n"},
      {"broken.txt", "1 quit\n3 jump\n"},
      {"missing.txt", "5 include nowhere.txt\n"},
  };
  const ScriptFileReader read = [&](const std::string& path) -> std::optional<std::string> {
    const auto file = files.find(path);
    if (file == files.end()) return std::nullopt;
    return file->second;
  };
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(ParseScript(files.at("flows/main.txt"), "flows/main.txt", script, error, read))
      << error;
  ASSERT_EQ(script.commands.size(), 7u);
  const ScriptCommand& point = script.commands[0];
  EXPECT_EQ(point.verb, "click");
  EXPECT_EQ(point.frame, 11);
  EXPECT_EQ(point.caption, "Neues Spiel");
  EXPECT_EQ(point.line, 1);  // the including line, for whoever names the script's lines
  EXPECT_EQ(point.place, "flows/main.txt:1: in parts/start.txt:1");
  EXPECT_EQ(script.commands[1].frame, 12);
  EXPECT_EQ(script.commands[1].b, 1);  // down
  EXPECT_EQ(script.commands[2].frame, 15);
  EXPECT_EQ(script.commands[2].b, 0);       // up
  EXPECT_EQ(script.commands[3].frame, 16);  // more.txt's frame 1 is frame 14
  EXPECT_EQ(script.commands[3].verb, "expect");
  EXPECT_EQ(script.commands[3].place, "flows/main.txt:1: in parts/start.txt:2: in more.txt:2");
  EXPECT_EQ(script.commands[4].caption,
            "Zur\xFC"
            "ck");
  EXPECT_EQ(script.commands[4].frame, 40);

  EXPECT_FALSE(ParseScript(files.at("a.txt"), "a.txt", script, error, read));
  EXPECT_EQ(error, "a.txt:1: in b.txt:2: include cycle: a.txt -> b.txt -> a.txt");
  EXPECT_FALSE(ParseScript(files.at("bad.txt"), "bad.txt", script, error, read));
  EXPECT_EQ(error, "bad.txt:1: in broken.txt:2: unknown command \"jump\"");
  EXPECT_FALSE(ParseScript(files.at("missing.txt"), "missing.txt", script, error, read));
  EXPECT_EQ(error, "missing.txt:1: cannot read the included file nowhere.txt");
  EXPECT_FALSE(ParseScript("3 click \"5 €\"\n", "c.txt", script, error, read));
  EXPECT_EQ(error, "c.txt:1: the caption holds a character the game's text does not have");
  EXPECT_FALSE(ParseScript("3 click Zurück\n", "c.txt", script, error, read));
  EXPECT_FALSE(ParseScript("1 click \"Neues Spiel\"\n", "c.txt", script, error, read));
}

// Clicks by caption through the real menus: "Neues Spiel", then "Zurück" as written in UTF-8; a
// caption the screen does not show fails the run at the frame the pointer would move, naming the
// line and the captions shown. In flight, where the buttons are no menu items, a click fails too.
TEST(Script, AClickFindsItsMenuItemOrFailsNamingTheLine) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  WriteUniverseFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  ScriptRun script;
  std::string error;
  ASSERT_TRUE(
      ParseScript("4 click \"Neues Spiel\"\n"
                  "20 expect MenuItems contains \"Freies Spiel\"\n"
                  "24 click \"Zurück\"\n"
                  "40 expect MenuItems contains \"Beenden\"\n"
                  "44 click \"Freies Spiel\"\n"
                  "60 quit\n",
                  "menu.txt", script, error))
      << error;
  AttachScript(*game, script);
  testing::internal::CaptureStderr();
  OpenStartMenu(*game);
  const std::string printed = testing::internal::GetCapturedStderr();
  EXPECT_EQ(script.status, 1);
  EXPECT_EQ(script.frame, 43);  // the pointer of frame 44 is given after frame 43
  EXPECT_EQ(printed,
            "menu.txt:5: frame 44: click \"Freies Spiel\": no such item; shown: \"Hauptmenü\", "
            "\"Neues Spiel\", \"Mehrspieler\", \"Spiel laden\", \"Beenden\"\n");

  ScriptRun flight;
  ASSERT_TRUE(ParseScript("3 click \"Andocken\"\n9 quit\n", "flight.txt", flight, error));
  game->media.quitRequested = false;
  game->hooks.onFrameEnd.clear();  // the menu's script is over
  AttachScript(*game, flight);
  testing::internal::CaptureStderr();
  for (int frames = 0; frames < 20 && !game->media.quitRequested; ++frames) RunFrame(*game);
  EXPECT_EQ(flight.status, 1);
  EXPECT_NE(testing::internal::GetCapturedStderr().find(
                "flight.txt:1: frame 3: click \"Andocken\": no menu is shown"),
            std::string::npos);
}
