// The CPU renderer: its vector kernels against the plain C ones, and whole frames drawn on one
// thread or several, with each instruction set, which must come out bit for bit the same.

#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

#include "game/media/media.h"
#include "game/media/media_internal.h"
#include "game/media/pixel_kernels.h"
#include "tests/game/support/media_fixture.h"

namespace {

constexpr PixelIsa kIsas[] = {PixelIsa::kPlain, PixelIsa::kSse2, PixelIsa::kAvx2};

// A picture with every channel and alpha random, with its one-texel border.
std::vector<std::uint32_t> RandomTexels(std::mt19937& random, int width, int height) {
  std::vector<std::uint32_t> texels(static_cast<size_t>(width + 2) * (height + 2));
  for (std::uint32_t& texel : texels) texel = random();
  return texels;
}

TEST(CpuRenderer, VectorKernelsGiveThePlainKernelsBits) {
  std::mt19937 random(7);
  const int width = 37, height = 23;
  const std::vector<std::uint32_t> texels = RandomTexels(random, width, height);
  const SoftTexture texture{width, height, texels.data() + width + 3, width + 2};
  std::vector<std::uint16_t> light(4 * 64);
  for (size_t i = 0; i < light.size(); ++i) light[i] = i % 4 == 3 ? 0 : random() % 65281;
  int changed = 0;  // spans that changed the frame (a few have nothing to add)
  for (int round = 0; round < 300; ++round) {
    // Spans running over the edges and beyond, upright and turned, every length up to 40.
    QuadSpan span;
    span.count = 1 + round % 40;
    span.u = static_cast<std::int32_t>(random() % (width << 17)) - (width << 15);
    span.v = static_cast<std::int32_t>(random() % (height << 17)) - (height << 15);
    span.du = static_cast<std::int32_t>(random() % 0x30000) - 0x18000;
    span.dv = round % 3 == 0 ? 0 : static_cast<std::int32_t>(random() % 0x30000) - 0x18000;
    span.alpha = 1 + random() % 255;
    std::vector<std::uint32_t> frame(span.count);
    for (std::uint32_t& pixel : frame) pixel = random();
    std::vector<std::uint32_t> expected[3];
    for (int kind = 0; kind < 3; ++kind) {
      for (PixelIsa isa : kIsas) {
        std::vector<std::uint32_t> out = frame;
        const PixelKernels& k = KernelsFor(isa);
        span.pixels = out.data();
        if (kind == 0) k.bilinearAdditive(texture, span);
        if (kind == 1) k.bilinearNormal(texture, span);
        if (kind == 2) k.splatAdditive(out.data(), light.data(), span.count, span.alpha);
        if (isa == PixelIsa::kPlain) {
          expected[kind] = out;
          changed += out != frame;
        } else {
          ASSERT_EQ(out, expected[kind])
              << PixelIsaName(isa) << " kind " << kind << " round " << round;
        }
      }
    }
  }
}

// A glow (round), a striped square (not round) and a ship-like picture with a keyed border.
void MakePictures(Media& media) {
  CreatePicture(media, 70, 64, 64);
  DrawInto(media, 70);
  FillBox(media, 0, 0, 64, 64, 0);
  for (int r = 30; r > 0; r -= 2) {
    FillCircle(media, 32, 32, r, MakeColour(255 - 7 * r, 200 - 6 * r, 120 - 4 * r));
  }
  EndDraw(media);
  CreateQuad(media, 70, 70);
  CreatePicture(media, 71, 16, 16);
  DrawInto(media, 71);
  for (int x = 0; x < 16; x += 4) FillBox(media, x, 0, 2, 16, MakeColour(40 * x / 4, 250, 90));
  EndDraw(media);
  CreateQuad(media, 71, 71);
  MakeHalfKeyedPicture(media, 72, MakeColour(30, 160, 240));
}

// A busy frame: text, blits, turned ships, and several hundred additive particles of every size,
// from below a pixel to larger than the screen's bands, some half off the frame.
void DrawBusyFrame(Media& media, int font) {
  std::mt19937 random(11);
  ClearScreen(media, MakeColour(5, 10, 20));
  DrawKeyed(media, 72, 30, 40);
  FillBox(media, 100, 700, 300, 20, MakeColour(90, 90, 90));
  DrawLine(media, 0, 0, 1023, 767, MakeColour(255, 255, 0));
  BeginQuads(media);
  SetBlend(media, kBlendNormal);
  for (int i = 0; i < 40; ++i) {
    SetQuadSize(media, 72, 40 + i, 40 + i);
    RotateQuad(media, 72, 9.5f * i);
    DrawQuad(media, 72, float(random() % 1100) - 40, float(random() % 840) - 40, 100 + i * 3);
  }
  SetBlend(media, kBlendAdditive);
  for (int i = 0; i < 600; ++i) {
    const int picture = i % 3 == 0 ? 71 : 70;
    const float side = i % 50 == 0 ? 0.6f : 1.0f + float(random() % 200) / (i % 7 == 0 ? 1 : 4);
    SetQuadSize(media, picture, side, side);
    RotateQuad(media, picture, float(random() % 3600) / 10);
    DrawQuad(media, picture, float(random() % 1100) - 40, float(random() % 840) - 40,
             1 + static_cast<int>(random() % 255));
  }
  SetBlend(media, kBlendNormal);
  DrawFontText(media, font, 200, 300, "Schilde 100 %", MakeColour(255, 255, 255));
}

std::vector<std::uint32_t> FrameOf(Media& media) {
  GrabScreen(media, 1000, 0, 0, kScreenWidth, kScreenHeight);
  SDL_Surface* shot = media.device->pictures[1000].surface;
  std::vector<std::uint32_t> pixels(static_cast<size_t>(kScreenWidth) * kScreenHeight);
  for (int y = 0; y < kScreenHeight; ++y) {
    std::memcpy(&pixels[static_cast<size_t>(y) * kScreenWidth],
                static_cast<const char*>(shot->pixels) + y * shot->pitch, kScreenWidth * 4);
  }
  return pixels;
}

std::vector<std::uint32_t> DrawWith(PixelIsa isa, const char* threads) {
  setenv("VELMARITH_DRAW_THREADS", threads, 1);
  UsePixelIsa(isa);
  PartsPtr<MediaParts> game = MakeParts<MediaParts>();
  unsetenv("VELMARITH_DRAW_THREADS");
  const int font = LoadFont(game->media, "Courier New Fett", 16);
  MakePictures(game->media);
  DrawBusyFrame(game->media, font);
  FlipScreen(game->media);
  DrawBusyFrame(game->media, font);  // the second frame too: nothing is left over from the first
  std::vector<std::uint32_t> frame = FrameOf(game->media);
  UsePixelIsa(BestPixelIsa());
  return frame;
}

TEST(CpuRenderer, AFrameIsTheSameOnAnyNumberOfThreadsWithAnyInstructionSet) {
  const std::vector<std::uint32_t> reference = DrawWith(PixelIsa::kPlain, "1");
  // Drawn at all: the glows add light in many places, beyond the clear colour.
  const auto lit = std::count_if(reference.begin(), reference.end(),
                                 [](std::uint32_t p) { return ((p >> 16) & 255) > 40; });
  EXPECT_GT(lit, 100000);
  for (const char* threads : {"1", "2", "5"}) {
    for (PixelIsa isa : kIsas) {
      EXPECT_TRUE(DrawWith(isa, threads) == reference)
          << PixelIsaName(isa) << ", " << threads << " threads";
    }
  }
}

}  // namespace
