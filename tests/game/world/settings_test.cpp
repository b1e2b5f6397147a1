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

TEST(Settings, WritesTheSixLinesAndReadsThemBack) {
  FixtureFolder folder;
  Settings settings;
  settings.routePlasmaAmount = 5;
  settings.myAccountId = "A-77 x";
  EXPECT_EQ(FormatSettings(settings),
            "[ ** Grafik ** ]\r\n"
            "; Menge der Routenplasma-Effektelemente {LONG}\r\n"
            "Routenplasmamenge = 5\r\n"
            "[ ** Mehrspieler ** ]\r\n"
            "; Account-ID auf dem Server {STRING}\r\n"
            "MyAccountID$ = A-77 x\r\n");
  const auto file = folder.path / "Konfigurationen.ini";
  ASSERT_TRUE(SaveSettings(settings, file));
  Settings read;
  LoadSettings(read, file);
  EXPECT_EQ(read.routePlasmaAmount, 5);
  EXPECT_EQ(read.myAccountId, "A-77 x");
}

TEST(Settings, KeysCountOnlyInTheirOwnGroup) {
  const Settings settings = ParseSettings(
      "[ ** Grafik ** ]\r\nMyAccountID$ = wrong\r\nRoutenplasmamenge = viel\r\n"
      "[ ** Mehrspieler ** ]\r\nRoutenplasmamenge = 7\r\n");
  EXPECT_EQ(settings.myAccountId, "");
  EXPECT_EQ(settings.routePlasmaAmount, 0);  // not a number
}

// Writing the file again keeps what the game does not know, where it stood, and the previous
// account id in the game's own group after the two fixed ones.
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
      "VorherigeAccountID$ = ALT\r\n";
  const Settings settings = ParseSettings(text);
  EXPECT_EQ(settings.myAccountId, "NEU");
  EXPECT_EQ(settings.previousAccountId, "ALT");
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
      "[Andere]\r\n"
      "x = 1\r\n";
  EXPECT_EQ(FormatSettings(settings), expected);
  EXPECT_EQ(FormatSettings(ParseSettings(expected)), expected);
  EXPECT_FALSE(IsUsableAccountId("A\nB"));
  EXPECT_FALSE(IsUsableAccountId(std::string(kMaxAccountIdLength + 1, 'x')));
  EXPECT_TRUE(IsUsableAccountId(std::string(kMaxAccountIdLength, 'x')));
}
