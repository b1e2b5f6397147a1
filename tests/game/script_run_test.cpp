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
