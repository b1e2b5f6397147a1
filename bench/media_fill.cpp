// The CPU renderer's fill rates, per instruction set: nanoseconds a pixel for a turned, filtered
// 64 x 64 glow drawn additively and with normal blending, and for a splat row.
//   build/bench/bench_media_fill
// One thread; the median of five batches.

#include <chrono>
#include <cstdio>
#include <vector>

#include "bench_game.h"
#include "game/media/pixel_kernels.h"

int main() {
  const int side = 64;
  std::vector<std::uint32_t> texels(static_cast<size_t>(side + 2) * (side + 2));
  for (size_t i = 0; i < texels.size(); ++i) {
    texels[i] = 0x80000000u | static_cast<std::uint32_t>(i * 2654435761u & 0x00FFFFFFu);
  }
  const SoftTexture texture{side, side, texels.data() + side + 3, side + 2};
  std::vector<std::uint32_t> row(1024, 0xFF101010u);
  std::vector<std::uint16_t> light(4 * 1024, 20000);
  QuadSpan span;
  span.pixels = row.data();
  span.count = static_cast<int>(row.size());
  span.u = 0x4000;
  span.v = 0x80000;
  span.du = 0x0D00;  // a turned quad: both coordinates change along the row
  span.dv = 0x0300;
  span.alpha = 200;
  const int rows = 2000;
  const double pixels = double(rows) * span.count;
  for (const PixelIsa isa : {PixelIsa::kPlain, PixelIsa::kSse2, PixelIsa::kAvx2}) {
    const PixelKernels& k = KernelsFor(isa);
    const double additive = MedianBatchMs(rows, [&] { k.bilinearAdditive(texture, span); });
    const double normal = MedianBatchMs(rows, [&] { k.bilinearNormal(texture, span); });
    const double splat =
        MedianBatchMs(rows, [&] { k.splatAdditive(row.data(), light.data(), span.count, 77); });
    std::printf("%-8s filtered additive %.2f ns/pixel, normal %.2f ns/pixel, splat %.2f ns/pixel\n",
                PixelIsaName(isa), additive * 1e6 * rows / pixels, normal * 1e6 * rows / pixels,
                splat * 1e6 * rows / pixels);
  }
  return 0;
}
