// A seeded scripted run replays: the program run twice on one script gives the same dumps.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "formats/file_io.h"
#include "game_fixture.h"

namespace {

// A free game by clicks (the second 12 frames after the first changed the screen, so that it
// counts), a flight with W and the mouse, then a click on the start ring's marker at
// the bottom edge of the screen and a docking request (its announcement plays).
constexpr const char* kScript = R"(
1  mouse 100 165
2  button left down
3  button left up
15 mouse 100 215
15 button left down
18 button left up
60 mouse 100 715
60 button left down
63 button left up
140 key 17 down
180 key 17 up
190 mouse 800 300
190 button left down
220 button left up
244 mouse 890 760
244 button left down
246 button left up
249 key 29 down
250 key 29 up
260 dump @1.json
330 dump @2.json
331 quit
)";

// Runs the game on the sample folder with the script and seed; the exit status.
int RunScript(const std::filesystem::path& dir, const std::string& tag, int seed) {
  std::string script = kScript;
  for (size_t at; (at = script.find('@')) != std::string::npos;) {
    script.replace(at, 1, (dir / tag).string());
  }
  WriteFixtureFile(dir / (tag + ".txt"), script);
  const std::filesystem::path game = VELMARITH_TEST_GAME_DIR;
  const std::string command =
      "VELMARITH_HEADLESS=1 SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy "
      "VELMARITH_SEED=" +
      std::to_string(seed) + " VELMARITH_SCRIPT='" + (dir / (tag + ".txt")).string() + "' '" +
      (game / "velmarith").string() + "'";
  return std::system(command.c_str());
}

std::string Read(const std::filesystem::path& file) {
  const auto bytes = ReadFileBytes(file);
  return bytes ? *bytes : "";
}

TEST(Replay, TheSameScriptAndSeedGiveTheSameDumpsByteForByte) {
  FixtureFolder dir;
  ASSERT_EQ(RunScript(dir.path, "a", 42), 0);
  ASSERT_EQ(RunScript(dir.path, "b", 42), 0);
  ASSERT_EQ(RunScript(dir.path, "c", 43), 0);
  for (const char* n : {"1", "2"}) {
    const std::string a = Read(dir.path / ("a" + std::string(n) + ".json"));
    ASSERT_GT(a.size(), 1000u);
    EXPECT_TRUE(a == Read(dir.path / ("b" + std::string(n) + ".json"))) << "dump " << n;
    EXPECT_FALSE(a == Read(dir.path / ("c" + std::string(n) + ".json"))) << "dump " << n;
  }
  // The run did fly and ask to dock (the dumps are not of an idle game).
  const std::string second = Read(dir.path / "a2.json");
  EXPECT_NE(second.find("\"DockedPlace\": \"Planet Neue Allianz\""), std::string::npos);
  EXPECT_EQ(second.find("\"AnnouncementStep\": 0,"), std::string::npos);
}

}  // namespace
