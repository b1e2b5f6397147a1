#include "game/shell/startup.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/media_numbers.h"
#include "game/flight/docking.h"
#include "game/shell/frame_loop.h"
#include "game/shell/game.h"
#include "game/ui/screen_fade.h"
#include "game_fixture.h"

TEST(Startup, LoadsEveryPlannedPictureWithItsQuadAndCreatesTheWorkPictures) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  const Media& media = game->media;
  for (int number : {0, 4, 103, 165, 540, 1043, 4101, 4270, 4311, 5230, 7028, 9000, 9001}) {
    EXPECT_TRUE(PictureExists(media, number)) << number;
    EXPECT_TRUE(QuadExists(media, number)) << number;
  }
  EXPECT_EQ(PictureWidth(media, 5231), 1024);
  EXPECT_EQ(PictureHeight(media, 5232), 368);
  EXPECT_EQ(PictureWidth(media, 5300), 510);
  EXPECT_EQ(PictureWidth(media, 5321), 500);
  EXPECT_TRUE(QuadExists(media, 9999));
  EXPECT_EQ(game->ui.keyCharMap.Count(), 56);
  EXPECT_EQ(game->menu.menuStars.Count(), 301);
  EXPECT_EQ(game->settings.routePlasmaAmount, 2);
}

// The settings chosen on the settings screens take effect at the next start.
TEST(Startup, TakesTheDisplayAndTheVolumesFromTheSettingsFile) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  ASSERT_TRUE(WriteFileAtomically(folder.path / "Konfigurationen.ini",
                                  "[ ** Velmarith ** ]\r\nVollbild = 0\r\nRenderer = gpu\r\n"
                                  "LautstaerkeEffekte = 30\r\nLautstaerkeAnsagen = 70\r\n")
                  .ok);
  GamePtr game = MakeStartedGame(folder.path);
  EXPECT_FALSE(IsFullscreen(game->media));
  EXPECT_EQ(game->settings.renderer, RendererSetting::kGpu);
  EXPECT_EQ(ClipVolume(game->media, kSoundClick), 30);
  EXPECT_EQ(ClipVolume(game->media, kSoundExplosion), 30);
  EXPECT_EQ(ClipVolume(game->media, kSoundDockingVoice1), 70);
  EXPECT_EQ(ClipVolume(game->media, kSoundDockingVoice4), 70);
}

TEST(Startup, AMissingPictureNamesTheFile) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  std::filesystem::remove(DataPath(folder.path,
                                   "BMP\\Oberfl\xE4"
                                   "chen\\Info.bmp"));
  Game game;
  game.folder = folder.path;
  StartupFailure failure;
  EXPECT_FALSE(RunStartup(game, true, failure));
  EXPECT_EQ(failure.title, "Error");
  EXPECT_EQ(failure.text,
            "! FEHLER !  Datei \"BMP\\Oberfl\xE4"
            "chen\\Info.bmp\" konnte nicht geladen werden!");
  ShutdownMedia(game.media);
}

TEST(FrameLoop, ScreenFadeRunsItsFiftyOneFramesEachWay) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  game->frame.screenFade = 255;
  for (int frame = 1; frame <= 51; ++frame) {
    RunFrame(*game);
    EXPECT_EQ(game->frame.screenFade, 255 - 5 * frame);
  }
  RunFrame(*game);
  EXPECT_EQ(game->frame.screenFade, 0);

  game->frame.screenFade = -255;
  RunFrame(*game);
  EXPECT_EQ(game->frame.screenFade, -250);  // drawn with alpha 5
  for (int frame = 2; frame <= 51; ++frame) RunFrame(*game);
  EXPECT_EQ(game->frame.screenFade, 0);  // the last frame drew alpha 255
}

TEST(FrameLoop, FadeQuadDarkensTheFrame) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  Media& media = game->media;
  ClearScreen(media, MakeColour(200, 200, 200));
  game->frame.screenFade = -130;  // next: -125, alpha 130
  DrawScreenFade(game->media, game->frame);
  const int half = ReadScreenPixel(media, 500, 500) & 255;
  EXPECT_NEAR(half, 200 * 125 / 255 + 1, 3);
  ClearScreen(media, MakeColour(200, 200, 200));
  game->frame.screenFade = -5;  // next: 0, alpha 255
  DrawScreenFade(game->media, game->frame);
  EXPECT_LE(ReadScreenPixel(media, 500, 500) & 255, 2);
}

TEST(FrameLoop, AnnouncementWaitsForEachClipAndEndsAtTwenty) {
  GamePtr game = MakeHeadlessGame();
  // Without clips loaded nothing plays, so the step advances every frame.
  game->world.docking.announcementStep = 1;
  for (int i = 0; i < 18; ++i) AdvanceAnnouncement(game->world.docking, game->media);
  EXPECT_EQ(game->world.docking.announcementStep, 19);
  AdvanceAnnouncement(game->world.docking, game->media);
  EXPECT_EQ(game->world.docking.announcementStep, 0);
  AdvanceAnnouncement(game->world.docking, game->media);
  EXPECT_EQ(game->world.docking.announcementStep, 0);
}

// With the voice clips loaded, each step that starts a clip waits while it plays.
TEST(FrameLoop, AnnouncementStepWaitsWhileAClipPlays) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  const std::string clip = (folder.path / "WAV" / "Klick.wav").string();
  for (int number = 10; number <= 13; ++number) ASSERT_TRUE(LoadClip(game->media, number, clip));
  DockingState& docking = game->world.docking;
  docking.announcementStep = 1;
  for (int i = 0; i < 3; ++i) AdvanceAnnouncement(docking, game->media);
  ASSERT_EQ(docking.announcementStep, 4);  // clip 10 started
  ASSERT_TRUE(ClipPlaying(game->media));
  AdvanceAnnouncement(docking, game->media);
  AdvanceAnnouncement(docking, game->media);
  EXPECT_EQ(docking.announcementStep, 4);  // held while the clip plays
  // Headless, a clip lasts its length in shown frames of 20 ms (so that scripted runs replay).
  for (int frame = 0; frame < 250 && ClipPlaying(game->media); ++frame) FlipScreen(game->media);
  ASSERT_FALSE(ClipPlaying(game->media));
  AdvanceAnnouncement(docking, game->media);
  EXPECT_EQ(docking.announcementStep, 5);
}

TEST(FrameLoop, F12WritesAScreenshotIntoTheGameFolder) {
  FixtureFolder folder;
  WriteMediaFixture(folder.path);
  GamePtr game = MakeStartedGame(folder.path);
  InjectKey(game->media, 88, true);
  RunFrame(*game);
  InjectKey(game->media, 88, false);
  RunFrame(*game);
  int shots = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder.path)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind("Bild", 0) == 0 && entry.path().extension() == ".bmp") {
      ++shots;
      const int number = std::stoi(name.substr(4, 4));
      EXPECT_GE(number, 1000);
      EXPECT_LE(number, 9999);
      EXPECT_EQ(name.size(), 12u);
    }
  }
  EXPECT_EQ(shots, 1);
}
