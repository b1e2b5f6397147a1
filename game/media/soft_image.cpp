#include "game/media/soft_image.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

std::vector<std::uint32_t> PadWithEdges(const std::uint32_t* pixels, int width, int height) {
  const int stride = width + 2;
  std::vector<std::uint32_t> padded(static_cast<size_t>(stride) * (height + 2));
  for (int y = -1; y <= height; ++y) {
    const std::uint32_t* from = pixels + std::clamp(y, 0, height - 1) * width;
    std::uint32_t* to = &padded[static_cast<size_t>(y + 1) * stride];
    to[0] = from[0];
    std::copy(from, from + width, to + 1);
    to[width + 1] = from[width - 1];
  }
  return padded;
}

int HighestAlphaOf(int bucket, int buckets) {
  return std::min(255, (bucket + 1) * (256 / buckets) - 1);
}

// A filtered sample mixes the 2 x 2 texels round it, so it is no brighter and no more opaque
// than the brightest channel and the highest alpha among them. The reach is the farthest corner
// of the area whose samples use a 2 x 2 block that could add light (or change the frame).
void MeasureReach(SoftImage& image) {
  const SoftTexture& t = image.texture;
  image.additiveReach.fill(-1);
  image.normalReach.fill(-1);
  const float middleX = t.width / 2.0f;
  const float middleY = t.height / 2.0f;
  for (int y = -1; y < t.height; ++y) {
    for (int x = -1; x < t.width; ++x) {
      const std::uint32_t* p = t.pixels + y * t.stride + x;
      int brightest = 0, opaque = 0;
      for (const std::uint32_t texel : {p[0], p[1], p[t.stride], p[t.stride + 1]}) {
        brightest = std::max(
            {brightest, int(texel & 255), int((texel >> 8) & 255), int((texel >> 16) & 255)});
        opaque = std::max(opaque, int(texel >> 24));
      }
      // Samples of this block lie between the texel centres x + 0.5 and x + 1.5.
      const float dx = std::max(std::fabs(x + 0.5f - middleX), std::fabs(x + 1.5f - middleX));
      const float dy = std::max(std::fabs(y + 0.5f - middleY), std::fabs(y + 1.5f - middleY));
      const float reach = std::sqrt(dx * dx + dy * dy);
      for (int bucket = 0; bucket < kAlphaBuckets; ++bucket) {
        const int a = EffectiveAlpha(opaque, HighestAlphaOf(bucket, kAlphaBuckets));
        if (brightest * a >= 256) {
          image.additiveReach[bucket] = std::max(image.additiveReach[bucket], reach);
        }
        if (a > 0) image.normalReach[bucket] = std::max(image.normalReach[bucket], reach);
      }
    }
  }
}

// The light a sample adds at full alpha, per channel 0..255 (for comparing looks).
std::array<int, 3> LightAt(const SoftTexture& t, float u, float v) {
  const Sample s = SampleBilinear(t, static_cast<std::int32_t>(std::lround(u * 65536)),
                                  static_cast<std::int32_t>(std::lround(v * 65536)));
  const int a = EffectiveAlpha(static_cast<int>(s.alphaGreen >> 16), 255);
  return {static_cast<int>(((s.redBlue & 255) * a) >> 8),
          static_cast<int>(((s.alphaGreen & 255) * a) >> 8),
          static_cast<int>((((s.redBlue >> 16) & 255) * a) >> 8)};
}

// Round: every point matches the point a few angles away within a few levels, on average within
// one. A glow is; smoke, plasma wisps and ships are not.
bool LooksRound(const SoftTexture& t) {
  if (t.width != t.height || t.width < 4) return false;
  const float middle = t.width / 2.0f;
  long total = 0;
  int worst = 0;
  int samples = 0;
  for (const float degrees : {30.0f, 45.0f, 90.0f}) {
    const float c = std::cos(degrees * 0.017453292f);
    const float s = std::sin(degrees * 0.017453292f);
    for (int y = 0; y < t.height; ++y) {
      for (int x = 0; x < t.width; ++x) {
        const float dx = x + 0.5f - middle, dy = y + 0.5f - middle;
        if (dx * dx + dy * dy > middle * middle) continue;  // the turned corners leave the picture
        const auto here = LightAt(t, x + 0.5f, y + 0.5f);
        const auto there = LightAt(t, middle + dx * c - dy * s, middle + dx * s + dy * c);
        for (int k = 0; k < 3; ++k) {
          const int difference = std::abs(here[k] - there[k]);
          worst = std::max(worst, difference);
          total += difference;
          ++samples;
        }
      }
    }
  }
  return worst <= 12 && total <= samples;
}

}  // namespace

std::unique_ptr<SoftImage> MakeSoftImage(const std::uint32_t* pixels, int width, int height) {
  auto image = std::make_unique<SoftImage>();
  image->padded = PadWithEdges(pixels, width, height);
  image->texture = SoftTexture{width, height, image->padded.data() + (width + 2) + 1, width + 2};
  return image;
}

void MeasureSoftImage(SoftImage& image) {
  if (image.measureTried) return;
  image.measureTried = true;
  const SoftTexture& t = image.texture;
  if (t.width != t.height || t.width > kMaxMeasuredSide) return;
  image.measured = true;
  MeasureReach(image);
  // Turned, the square's corners move: only a picture dark beyond its inscribed circle (with a
  // texel and a half of filtering) looks the same at every turn.
  image.round = image.additiveReach[kAlphaBuckets - 1] <= t.width / 2.0f + 1.5f && LooksRound(t);
}

int SplatSideFor(float side) {
  const int exact = std::max(1, static_cast<int>(std::lround(side)));
  const int step = exact <= 32 ? 1 : exact <= 64 ? 2 : exact <= 128 ? 4 : 8;
  return (exact + step / 2) / step * step;
}

const Splat& SplatOf(SoftImage& image, int side, int step, std::size_t& madeBytes) {
  const int key = side * kTurnSteps + step;
  auto found = image.splats.find(key);
  if (found != image.splats.end()) return *found->second;
  auto splat = std::make_unique<Splat>();
  splat->side = side;
  splat->light.assign(static_cast<size_t>(side) * side * 4, 0);
  splat->spans.assign(static_cast<size_t>(side) * kSplatBuckets * 2, 0);
  const SoftTexture& t = image.texture;
  const double turn = step * (6.283185307179586 / kTurnSteps);
  const double c = std::cos(turn), s = std::sin(turn);
  const double scaleU = double(t.width) / side, scaleV = double(t.height) / side;
  // The least light that still adds a level at the highest alpha of each bucket.
  std::array<int, kSplatBuckets> faintest{};
  for (int bucket = 0; bucket < kSplatBuckets; ++bucket) {
    const int alpha = HighestAlphaOf(bucket, kSplatBuckets);
    int light = 0;
    while (light < 65536 && SplatLight(light, alpha) == 0) ++light;
    faintest[bucket] = light;
  }
  for (int y = 0; y < side; ++y) {
    std::uint16_t* row = &splat->light[static_cast<size_t>(y) * side * 4];
    for (int x = 0; x < side; ++x) {
      // The pixel centre turned back into the unturned square, then into texels.
      const double dx = x + 0.5 - side / 2.0, dy = y + 0.5 - side / 2.0;
      const double u = (side / 2.0 + dx * c + dy * s) * scaleU;
      const double v = (side / 2.0 - dx * s + dy * c) * scaleV;
      const Sample sample = SampleBilinear(t, static_cast<std::int32_t>(std::lround(u * 65536)),
                                           static_cast<std::int32_t>(std::lround(v * 65536)));
      const std::uint32_t a = EffectiveAlpha(static_cast<int>(sample.alphaGreen >> 16), 255);
      row[4 * x + 0] = static_cast<std::uint16_t>((sample.redBlue & 255) * a);
      row[4 * x + 1] = static_cast<std::uint16_t>((sample.alphaGreen & 255) * a);
      row[4 * x + 2] = static_cast<std::uint16_t>(((sample.redBlue >> 16) & 255) * a);
    }
    for (int bucket = 0; bucket < kSplatBuckets; ++bucket) {
      int first = side, end = 0;
      for (int x = 0; x < side; ++x) {
        const std::uint16_t* p = row + 4 * x;
        if (std::max({p[0], p[1], p[2]}) >= faintest[bucket]) {
          first = std::min(first, x);
          end = x + 1;
        }
      }
      std::uint16_t* span = &splat->spans[(static_cast<size_t>(y) * kSplatBuckets + bucket) * 2];
      span[0] = static_cast<std::uint16_t>(std::min(first, end));
      span[1] = static_cast<std::uint16_t>(end);
      if (end > first) splat->adds[bucket] = true;
    }
  }
  madeBytes += splat->Bytes();

  return *image.splats.emplace(key, std::move(splat)).first->second;
}
