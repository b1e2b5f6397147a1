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
