#include "game/world/settings.h"

#include <gtest/gtest.h>

#include "tests/game/support/fixture_files.h"

TEST(Settings, MissingFileGivesTheDefaults) {
  FixtureFolder folder;
  Settings settings;
  settings.routePlasmaAmount = 9;
  LoadSettings(settings, folder.path / "Konfigurationen.ini");
  EXPECT_EQ(settings.routePlasmaAmount, 9);  // nothing read, nothing changed
  const Settings defaults = ParseSettings("");
  EXPECT_EQ(defaults.routePlasmaAmount, 2);
  EXPECT_EQ(defaults.myAccountId, "");
}

// The two fixed groups come first and as they always were; the game's own group follows.
TEST(Settings, WritesTheFixedGroupsFirstAndReadsEverythingBack) {
  FixtureFolder folder;
  Settings settings;
  settings.routePlasmaAmount = 5;
  settings.myAccountId = "A-77 x";
  settings.fullscreen = false;
  settings.renderer = RendererSetting::kCpu;
  settings.effectsVolume = 30;
  settings.announcementVolume = 0;
  EXPECT_EQ(FormatSettings(settings),
            "[ ** Grafik ** ]\r\n"
            "; Menge der Routenplasma-Effektelemente {LONG}\r\n"
            "Routenplasmamenge = 5\r\n"
            "[ ** Mehrspieler ** ]\r\n"
            "; Account-ID auf dem Server {STRING}\r\n"
            "MyAccountID$ = A-77 x\r\n"
            "[ ** Velmarith ** ]\r\n"
            "; Vollbild (1) oder Fenster (0) {LONG}\r\n"
            "Vollbild = 0\r\n"
            "; Renderer: auto, cpu oder gpu {STRING}\r\n"
            "Renderer = cpu\r\n"
            "; Lautst\xE4rke der Effekte, 0 bis 100 {LONG}\r\n"
            "LautstaerkeEffekte = 30\r\n"
            "; Lautst\xE4rke der Ansagen, 0 bis 100 {LONG}\r\n"
            "LautstaerkeAnsagen = 0\r\n");
  const auto file = folder.path / "Konfigurationen.ini";
  ASSERT_TRUE(SaveSettings(settings, file));
  Settings read;
  LoadSettings(read, file);
  EXPECT_EQ(read.routePlasmaAmount, 5);
  EXPECT_EQ(read.myAccountId, "A-77 x");
  EXPECT_FALSE(read.fullscreen);
  EXPECT_EQ(read.renderer, RendererSetting::kCpu);
  EXPECT_EQ(read.effectsVolume, 30);
  EXPECT_EQ(read.announcementVolume, 0);
}

// A file of an older version has no group of the game's own: its values take their defaults,
// and writing it again keeps its two groups as they were, the new group after them.
TEST(Settings, AnOlderFileLoadsWithTheDefaults) {
  const std::string old =
      "[ ** Grafik ** ]\r\n"
      "; Menge der Routenplasma-Effektelemente {LONG}\r\n"
      "Routenplasmamenge = 3\r\n"
      "[ ** Mehrspieler ** ]\r\n"
      "; Account-ID auf dem Server {STRING}\r\n"
      "MyAccountID$ = ALT1\r\n";
  const Settings settings = ParseSettings(old);
  EXPECT_EQ(settings.routePlasmaAmount, 3);
  EXPECT_EQ(settings.myAccountId, "ALT1");
  EXPECT_TRUE(settings.fullscreen);
  EXPECT_EQ(settings.renderer, RendererSetting::kAuto);
  EXPECT_EQ(settings.effectsVolume, 100);
  EXPECT_EQ(settings.announcementVolume, 100);
  const std::string written = FormatSettings(settings);
  EXPECT_EQ(written.substr(0, old.size()), old);
  EXPECT_EQ(written.substr(old.size()).rfind("[ ** Velmarith ** ]\r\n", 0), 0u);
}

// Values a person typed that the setting cannot take give the defaults; volumes are brought onto
// a step within 0..100.
TEST(Settings, UnusableValuesGiveTheDefaults) {
  Settings settings = ParseSettings(
      "[ ** Velmarith ** ]\r\nVollbild = ja\r\nRenderer = vulkan\r\n"
      "LautstaerkeEffekte = laut\r\nLautstaerkeAnsagen = 47\r\n");
  EXPECT_TRUE(settings.fullscreen);
  EXPECT_EQ(settings.renderer, RendererSetting::kAuto);
  EXPECT_EQ(settings.effectsVolume, 100);
  EXPECT_EQ(settings.announcementVolume, 50);
  settings = ParseSettings(
      "[ ** VELMARITH ** ]\r\n vollbild = 0 \r\nRENDERER = GPU\r\n"
      "LautstaerkeEffekte = -20\r\nLautstaerkeAnsagen = 250\r\n");
  EXPECT_FALSE(settings.fullscreen);
  EXPECT_EQ(settings.renderer, RendererSetting::kGpu);
  EXPECT_EQ(settings.effectsVolume, 0);
  EXPECT_EQ(settings.announcementVolume, 100);
  EXPECT_EQ(SteppedVolume(100, 1), 100);
  EXPECT_EQ(SteppedVolume(0, -1), 0);
  EXPECT_EQ(SteppedVolume(40, -1), 30);
}

TEST(Settings, KeysCountOnlyInTheirOwnGroup) {
  const Settings settings = ParseSettings(
      "[ ** Grafik ** ]\r\nMyAccountID$ = wrong\r\nRoutenplasmamenge = viel\r\n"
      "[ ** Mehrspieler ** ]\r\nRoutenplasmamenge = 7\r\n");
  EXPECT_EQ(settings.myAccountId, "");
  EXPECT_EQ(settings.routePlasmaAmount, 0);  // not a number
}

// Writing the file again keeps what the game does not know, where it stood (an unknown line of
// the game's own group after its values), and the game's group after the two fixed ones.
TEST(Settings, UnknownLinesAndThePreviousAccountIdSurviveWriting) {
  const std::string text =
      "; von Hand\r\n"
      "[ ** Mehrspieler ** ]\r\n"
      "; Account-ID auf dem Server {STRING}\r\n"
      "MyAccountID$ = NEU\r\n"
      "Server = irgendwo\r\n"
      "MyAccountID$ = doppelt\r\n"
      "[Andere]\r\n"
      "x = 1\r\n"
      "[ ** Velmarith ** ]\r\n"
      "Neu = von morgen\r\n"
      "LautstaerkeAnsagen = 60\r\n"
      "VorherigeAccountID$ = ALT\r\n";
  const Settings settings = ParseSettings(text);
  EXPECT_EQ(settings.myAccountId, "NEU");
  EXPECT_EQ(settings.previousAccountId, "ALT");
  EXPECT_EQ(settings.announcementVolume, 60);
  const std::string expected =
      "; von Hand\r\n"
      "[ ** Grafik ** ]\r\n"
      "; Menge der Routenplasma-Effektelemente {LONG}\r\n"
      "Routenplasmamenge = 2\r\n"
      "[ ** Mehrspieler ** ]\r\n"
      "; Account-ID auf dem Server {STRING}\r\n"
      "MyAccountID$ = NEU\r\n"
      "Server = irgendwo\r\n"
      "[ ** Velmarith ** ]\r\n"
      "; Vorherige Account-ID auf dem Server {STRING}\r\n"
      "VorherigeAccountID$ = ALT\r\n"
      "; Vollbild (1) oder Fenster (0) {LONG}\r\n"
      "Vollbild = 1\r\n"
      "; Renderer: auto, cpu oder gpu {STRING}\r\n"
      "Renderer = auto\r\n"
      "; Lautst\xE4rke der Effekte, 0 bis 100 {LONG}\r\n"
      "LautstaerkeEffekte = 100\r\n"
      "; Lautst\xE4rke der Ansagen, 0 bis 100 {LONG}\r\n"
      "LautstaerkeAnsagen = 60\r\n"
      "Neu = von morgen\r\n"
      "[Andere]\r\n"
      "x = 1\r\n";
  EXPECT_EQ(FormatSettings(settings), expected);
  EXPECT_EQ(FormatSettings(ParseSettings(expected)), expected);
  EXPECT_FALSE(IsUsableAccountId("A\nB"));
  EXPECT_FALSE(IsUsableAccountId(std::string(kMaxAccountIdLength + 1, 'x')));
  EXPECT_TRUE(IsUsableAccountId(std::string(kMaxAccountIdLength, 'x')));
}
