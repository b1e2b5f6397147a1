#pragma once

// The per-pixel work of the CPU renderer: a row of a filtered textured quad, and a row of a
// pre-scaled splat. Each exists for plain C, SSE2 and AVX2; all give the same bits, so a frame
// does not depend on the processor it was drawn on. The best set is chosen once at run time.

#include <cstdint>

// A texture's ARGB pixels (the key colour already transparent), surrounded by a border of one
// texel that repeats the edge, so that filtered sampling never needs to check its bounds.
struct SoftTexture {
  int width = 0;
  int height = 0;
  const std::uint32_t* pixels = nullptr;  // the first texel inside the border
  int stride = 0;                         // texels per row, border included: width + 2
};

// One row of a textured quad: `count` pixels from `pixels` on, whose centres sample the texture
// at (u, v) + i x (du, dv), in texels with 16 fractional bits; `alpha` 1..255.
struct QuadSpan {
  std::uint32_t* pixels = nullptr;
  int count = 0;
  std::int32_t u = 0, v = 0, du = 0, dv = 0;
  int alpha = 255;
};

// The rows [top, bottom) of the frame that one call draws: the frame is drawn in bands of rows
// on several cores, and no pixel's value depends on the band it is in.
struct RowBand {
  int top = 0;
  int bottom = 0;
};

enum class PixelIsa { kPlain, kSse2, kAvx2 };

struct PixelKernels {
  // Bilinear sampling; additive: destination + source x alpha, normal: source x alpha +
  // destination x (1 - alpha). The frame keeps its own alpha channel.
  void (*bilinearAdditive)(const SoftTexture& texture, const QuadSpan& span);
  void (*bilinearNormal)(const SoftTexture& texture, const QuadSpan& span);
  // Adds `count` splat pixels (blue, green, red, 0 as 16-bit light with 8 fractional bits) times
  // alpha 1..255 to the frame, each channel saturating at 255.
  void (*splatAdditive)(std::uint32_t* pixels, const std::uint16_t* light, int count, int alpha);
};

PixelIsa BestPixelIsa();  // what this processor runs
const PixelKernels& KernelsFor(PixelIsa isa);
const char* PixelIsaName(PixelIsa isa);

// The kernels every draw uses: the best set, unless tests chose another.
const PixelKernels& ActiveKernels();
void UsePixelIsa(PixelIsa isa);

// The sampled texel at (u, v) as the kernels see it: two channels in each word, red and blue
// (bits 16 and 0), alpha and green.
struct Sample {
  std::uint32_t redBlue;
  std::uint32_t alphaGreen;
};
Sample SampleBilinear(const SoftTexture& texture, std::int32_t u, std::int32_t v);

// The alpha 0..256 a sampled alpha 0..255 has under a vertex alpha 0..255 (255 x 255 gives 256,
// so that full alpha copies exactly).
inline int EffectiveAlpha(int sampledAlpha, int alpha) {
  const unsigned product = static_cast<unsigned>(sampledAlpha * alpha);
  return static_cast<int>((((product * 16528u) >> 16) + 32u) >> 6);
}

// What a splat pixel of light `light` (0..65280) gives under alpha 1..255: 0..255.
inline int SplatLight(int light, int alpha) {
  return ((static_cast<unsigned>(light) * static_cast<unsigned>(alpha * 257) >> 16) + 128) >> 8;
}
