// The window back ends, run on SDL's dummy video driver (a window without a display, drawn by
// SDL's software renderer), against the headless one: the same drawing must give the same frame,
// and mouse events must be mapped through the window the player sees. A window is drawn by the
// renderer (gpu) or by the CPU renderer, which the dummy driver's software renderer picks itself.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/media/media.h"
#include "game/media/media_internal.h"
#include "game/media/text_input.h"
#include "tests/game/support/media_fixture.h"

namespace {

PartsPtr<MediaParts> MakeWindowedGame(RendererChoice choice = RendererChoice::kAuto) {
  PartsPtr<MediaParts> game(new MediaParts);
  EXPECT_TRUE(InitVideo(game->media, false));
  EXPECT_TRUE(InitFonts(game->media));
  EXPECT_TRUE(OpenScreen(game->media, kScreenWidth, kScreenHeight, 32, choice));
  return game;
}

// A glow: concentric discs, brightest in the middle, on the key colour.
void MakeGlowPicture(Media& media, int number) {
  CreatePicture(media, number, 64, 64);
  DrawInto(media, number);
  for (int r = 30; r > 0; r -= 3) FillCircle(media, 32, 32, r, MakeColour(250 - 8 * r, 120, 60));
  EndDraw(media);
  CreateQuad(media, number, number);
}

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
  // Particles: a turned glow (drawn as a splat by the CPU) and a turned picture as a quad.
  MakeGlowPicture(media, 61);
  SetQuadSize(media, 61, 120, 120);
  RotateQuad(media, 61, 33);
  DrawQuad(media, 61, 700, 300, 200);
  MakeHalfKeyedPicture(media, 62, quadColour);
  SetQuadSize(media, 62, 100, 100);
  RotateQuad(media, 62, 20);
  DrawQuad(media, 62, 200, 400, 255);
}

// Inside the shapes, away from edges that the two rasterisers may round differently.
// The glow at 760, 360 and round it; the turned quad's coloured half round 270, 450.
constexpr int kSamples[][2] = {{105, 105}, {115, 105}, {205, 105}, {215, 110}, {305, 105},
                               {625, 105}, {625, 110}, {405, 120}, {430, 120}, {530, 120},
                               {505, 120}, {800, 600}, {760, 360}, {775, 350}, {740, 380},
                               {790, 390}, {270, 450}, {230, 450}};

void ExpectSameColour(int a, int b, int x, int y, int tolerance) {
  for (int shift : {0, 8, 16}) {
    EXPECT_NEAR((a >> shift) & 255, (b >> shift) & 255, tolerance) << "at " << x << "," << y;
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
    EXPECT_GT((headless[12] & 255), 150);  // the glow's middle is bright
  }
  // The CPU-drawn window is the headless frame, bit for bit; the renderer filters its own way,
  // and the glow it draws as a quad where the CPU drew a splat.
  for (const RendererChoice choice : {RendererChoice::kCpu, RendererChoice::kGpu}) {
    PartsPtr<MediaParts> game = MakeWindowedGame(choice);
    DrawScene(game->media, MakeColour(0, 200, 0));
    for (size_t i = 0; i < std::size(kSamples); ++i) {
      const auto [x, y] = kSamples[i];
      const int tolerance = choice == RendererChoice::kCpu ? 0 : i >= 12 ? 12 : 3;
      ExpectSameColour(ReadScreenPixel(game->media, x, y), headless[i], x, y, tolerance);
    }
  }
  PartsPtr<MediaParts> game = MakeWindowedGame(RendererChoice::kGpu);
  DrawScene(game->media, MakeColour(0, 200, 0));
  // The frame's own colours, so that two back ends drawing nothing cannot agree.
  EXPECT_EQ(ReadScreenPixel(game->media, 105, 105), MakeColour(0, 0, 200));
  EXPECT_EQ(ReadScreenPixel(game->media, 115, 105), MakeColour(255, 0, 0));
  EXPECT_EQ(ReadScreenPixel(game->media, 205, 105), 0);
  EXPECT_EQ(ReadScreenPixel(game->media, 625, 105), MakeColour(255, 255, 255));
  EXPECT_NEAR((ReadScreenPixel(game->media, 530, 120) >> 8) & 255, 100, 3);
}

TEST(MediaBackends, TheRendererIsChosenByWhatDrawsAndTheEnvironmentWins) {
  {
    PartsPtr<MediaParts> game =
        MakeWindowedGame();  // the dummy driver has only SDL's software renderer
    EXPECT_EQ(ScreenRendererName(game->media).rfind("CPU in a window", 0), 0u)
        << ScreenRendererName(game->media);
  }
  {
    PartsPtr<MediaParts> game = MakeWindowedGame(RendererChoice::kGpu);
    EXPECT_EQ(ScreenRendererName(game->media), "software");
  }
  setenv("VELMARITH_RENDERER", "gpu", 1);
  {
    PartsPtr<MediaParts> game = MakeWindowedGame(RendererChoice::kCpu);
    EXPECT_EQ(ScreenRendererName(game->media), "software");
  }
  setenv("VELMARITH_RENDERER", "cpu", 1);
  {
    PartsPtr<MediaParts> game = MakeWindowedGame(RendererChoice::kGpu);
    EXPECT_EQ(ScreenRendererName(game->media).rfind("CPU in a window", 0), 0u);
  }
  unsetenv("VELMARITH_RENDERER");
}

TEST(MediaBackends, AFlipShowsTheFrameAndDrawingGoesOnIntoTheNextOne) {
  for (int kind = 0; kind < 3; ++kind) {
    const bool windowed = kind > 0;
    PartsPtr<MediaParts> game = kind == 0   ? MakeParts<MediaParts>()
                                : kind == 1 ? MakeWindowedGame(RendererChoice::kGpu)
                                            : MakeWindowedGame(RendererChoice::kCpu);
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
  PartsPtr<MediaParts> game = MakeWindowedGame();
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

namespace {

// A key as a desktop's keyboard gives it: the key down, the text the layout makes of it, the key
// up.
void PushTypedKey(SDL_Scancode key, const char* text) {
  SDL_Event event{};
  event.type = SDL_KEYDOWN;
  event.key.keysym.scancode = key;
  SDL_PushEvent(&event);
  SDL_Event typed{};
  typed.type = SDL_TEXTINPUT;
  SDL_strlcpy(typed.text.text, text, sizeof typed.text.text);
  SDL_PushEvent(&typed);
  event.type = SDL_KEYUP;
  SDL_PushEvent(&event);
}

}  // namespace

TEST(MediaBackends, TypedCharactersFollowTheLayoutAndOnlyTheGamesCharactersAreKept) {
  PartsPtr<MediaParts> game = MakeWindowedGame();
  Media& media = game->media;
  // "Z" on a US layout is the key of scan code Z (set-1 44), on a German one the key of Y (21):
  // either way the text is "Z", and the keys are marked as the keyboard's, whose text counts.
  PushTypedKey(SDL_SCANCODE_Z, "Z");
  ReadKeyboard(media);
  EXPECT_EQ(TypedText(media), "Z");
  EXPECT_TRUE(KeyFromKeyboard(media, 44));
  PushTypedKey(SDL_SCANCODE_Y, "Z");
  PushTypedKey(SDL_SCANCODE_LEFTBRACKET, "\xC3\xBC");  // the German layout's "ü", as UTF-8
  ReadKeyboard(media);
  EXPECT_EQ(TypedText(media), "Z\xFC");
  EXPECT_TRUE(KeyFromKeyboard(media, 21));
  // A character the game's text cannot hold is refused, not turned into "?".
  PushTypedKey(SDL_SCANCODE_E, "\xE2\x82\xAC");  // the euro sign
  PushTypedKey(SDL_SCANCODE_A, "a");
  ReadKeyboard(media);
  EXPECT_EQ(TypedText(media), "a");
  ReadKeyboard(media);
  EXPECT_EQ(TypedText(media), "");  // each frame has its own
  // Injected keys make no text and are not the keyboard's.
  InjectKey(media, 44, true);
  ReadKeyboard(media);
  EXPECT_FALSE(KeyFromKeyboard(media, 44));
  EXPECT_EQ(TypedText(media), "");
}
