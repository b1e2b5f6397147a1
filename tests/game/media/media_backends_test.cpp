// The windowed back end, run on SDL's dummy video driver (a window without a display, drawn by
// SDL's software renderer), against the headless one: the same drawing must give the same frame,
// and mouse events must be mapped through the window the player sees.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/media/media.h"
#include "game/media/media_internal.h"
#include "tests/game/support/media_fixture.h"

namespace {

void DrawScene(Media& media, int quadColour) {
  ClearScreen(media, MakeColour(0, 0, 200));
  MakeHalfKeyedPicture(media, 50, MakeColour(255, 0, 0));
  DrawKeyed(media, 50, 100, 100);
  DrawOpaque(media, 50, 200, 100);
  FillBox(media, 300, 100, 10, 10, MakeColour(0, 255, 0));
  DrawLine(media, 600, 105, 650, 105, MakeColour(255, 255, 255));
  MakeHalfKeyedPicture(media, 60, quadColour);
  BeginQuads(media);
  SetQuadSize(media, 60, 40, 40);
  SetBlend(media, kBlendNormal);
  DrawQuad(media, 60, 400, 100, 255);
  SetBlend(media, kBlendAdditive);
  DrawQuad(media, 60, 500, 100, 128);
}

// Inside the shapes, away from edges that the two rasterisers may round differently.
constexpr int kSamples[][2] = {{105, 105}, {115, 105}, {205, 105}, {215, 110},
                               {305, 105}, {625, 105}, {625, 110}, {405, 120},
                               {430, 120}, {530, 120}, {505, 120}, {800, 600}};

void ExpectSameColour(int a, int b, int x, int y) {
  for (int shift : {0, 8, 16}) {
    EXPECT_NEAR((a >> shift) & 255, (b >> shift) & 255, 3) << "at " << x << "," << y;
  }
}

void PushMouseMotion(int x, int y) {
  SDL_Event event{};
  event.type = SDL_MOUSEMOTION;
  event.motion.x = x;
  event.motion.y = y;
  SDL_PushEvent(&event);
}

}  // namespace

TEST(MediaBackends, HeadlessAndWindowedDrawTheSameFrame) {
  int headless[std::size(kSamples)];
  {
    PartsPtr<MediaParts> game = MakeParts<MediaParts>();
    DrawScene(game->media, MakeColour(0, 200, 0));
    for (size_t i = 0; i < std::size(kSamples); ++i) {
      headless[i] = ReadScreenPixel(game->media, kSamples[i][0], kSamples[i][1]);
    }
  }
  PartsPtr<MediaParts> game = MakeParts<MediaParts>(false);
  DrawScene(game->media, MakeColour(0, 200, 0));
  for (size_t i = 0; i < std::size(kSamples); ++i) {
    const auto [x, y] = kSamples[i];
    ExpectSameColour(ReadScreenPixel(game->media, x, y), headless[i], x, y);
  }
  // The frame's own colours, so that two back ends drawing nothing cannot agree.
  EXPECT_EQ(ReadScreenPixel(game->media, 105, 105), MakeColour(0, 0, 200));
  EXPECT_EQ(ReadScreenPixel(game->media, 115, 105), MakeColour(255, 0, 0));
  EXPECT_EQ(ReadScreenPixel(game->media, 205, 105), 0);
  EXPECT_EQ(ReadScreenPixel(game->media, 625, 105), MakeColour(255, 255, 255));
  EXPECT_NEAR((ReadScreenPixel(game->media, 530, 120) >> 8) & 255, 100, 3);
}

TEST(MediaBackends, AFlipShowsTheFrameAndDrawingGoesOnIntoTheNextOne) {
  for (bool windowed : {false, true}) {
    PartsPtr<MediaParts> game = MakeParts<MediaParts>(!windowed);
    Media& media = game->media;
    DrawScene(media, MakeColour(0, 200, 0));
    FlipScreen(media);
    // A picture changed by drawing into it shows its new pixels in the next frame's quads.
    DrawInto(media, 60);
    FillBox(media, 10, 0, 10, 20, MakeColour(200, 0, 200));
    EndDraw(media);
    ClearScreen(media, 0);
    SetBlend(media, kBlendNormal);
    DrawQuad(media, 60, 400, 100, 255);
    EXPECT_EQ(ReadScreenPixel(media, 430, 120), MakeColour(200, 0, 200)) << windowed;
    EXPECT_EQ(ReadScreenPixel(media, 405, 120), 0) << windowed;
    GrabScreen(media, 1000, 0, 0, kScreenWidth, kScreenHeight);
    EXPECT_EQ(PictureWidth(media, 1000), kScreenWidth);
    EXPECT_EQ(PictureHeight(media, 1000), kScreenHeight);
  }
}

TEST(MediaBackends, MouseEventsAreMappedThroughTheWindowsLetterbox) {
  PartsPtr<MediaParts> game = MakeParts<MediaParts>(false);
  Media& media = game->media;
  ToggleFullscreen(media);  // into a window, which the player then makes 1920 x 1080
  SDL_Window* window = media.device->windowed.window;
  ASSERT_NE(window, nullptr);
  SDL_SetWindowSize(window, 1920, 1080);
  FlipScreen(media);
  PushMouseMotion(300, 1000);
  ReadKeyboard(media);
  ReadMouse(media);
  EXPECT_EQ(MouseX(media), 42);  // (300 - 240) / 1.40625
  EXPECT_EQ(MouseY(media), 711);
  PushMouseMotion(100, 540);  // in the bar left of the picture
  ReadKeyboard(media);
  ReadMouse(media);
  EXPECT_EQ(MouseX(media), 0);
  EXPECT_EQ(MouseY(media), 384);

  SDL_SetWindowSize(window, 1024, 768);
  PushMouseMotion(700, 500);
  ReadKeyboard(media);
  ReadMouse(media);
  EXPECT_EQ(MouseX(media), 700);
  EXPECT_EQ(MouseY(media), 500);
}
