#include "game/media/pixel_kernels.h"

#include <immintrin.h>

#include <algorithm>
#include <atomic>

// Every set works on two 8-bit channels in each 32-bit word (red and blue, alpha and green), as
// 16-bit halves: products of a channel and a weight of at most 256 stay below 65536, and sums of
// weights are 256, so no half spills into the other. The plain C set is the reference; the vector
// sets do the same integer steps on 4 or 8 pixels at once.

namespace {

constexpr std::uint32_t kTwoChannels = 0x00FF00FFu;

// Bilinear weights of the four texels round a sample, from its fractions 0..255.
struct Weights {
  std::uint32_t w00, w10, w01, w11;
};

inline Weights BilinearWeights(std::uint32_t wu, std::uint32_t wv) {
  Weights w;
  w.w00 = ((256 - wu) * (256 - wv)) >> 8;
  w.w10 = (wu * (256 - wv)) >> 8;
  w.w01 = ((256 - wu) * wv) >> 8;
  w.w11 = 256 - w.w00 - w.w10 - w.w01;
  return w;
}

inline std::uint32_t Blend4(std::uint32_t t00, std::uint32_t t10, std::uint32_t t01,
                            std::uint32_t t11, const Weights& w) {
  return ((t00 * w.w00 + t10 * w.w10 + t01 * w.w01 + t11 * w.w11) >> 8) & kTwoChannels;
}

// The texel address and fractions of a sample: (u, v) kept inside the texture, since a centre
// on the very edge may overshoot by rounding; the border texels stand in for the edge.
struct Tap {
  const std::uint32_t* texel;
  std::uint32_t wu, wv;
};

inline Tap TapAt(const SoftTexture& t, std::int32_t fu, std::int32_t fv) {
  const std::int32_t u = std::clamp(fu, 0, t.width << 16) - 0x8000;
  const std::int32_t v = std::clamp(fv, 0, t.height << 16) - 0x8000;
  return Tap{t.pixels + (v >> 16) * t.stride + (u >> 16), static_cast<std::uint32_t>(u >> 8) & 255,
             static_cast<std::uint32_t>(v >> 8) & 255};
}

inline std::uint32_t AddSaturated(std::uint32_t d, std::uint32_t s) {
  std::uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const std::uint32_t sum = ((d >> shift) & 255) + ((s >> shift) & 255);
    out |= std::min(sum, 255u) << shift;
  }
  return out;
}

template <bool kAdditive>
inline void BlendPlain(std::uint32_t& target, Sample s, int alpha) {
  const int a = EffectiveAlpha(static_cast<int>(s.alphaGreen >> 16), alpha);
  if (a == 0) return;
  const std::uint32_t sourceRedBlue = ((s.redBlue * a) >> 8) & kTwoChannels;
  const std::uint32_t sourceGreen = ((s.alphaGreen & 255) * a) >> 8;
  if constexpr (kAdditive) {
    target = AddSaturated(target, sourceRedBlue | (sourceGreen << 8));
  } else {
    const std::uint32_t keep = 256 - a;
    const std::uint32_t redBlue =
        sourceRedBlue + ((((target & kTwoChannels) * keep) >> 8) & kTwoChannels);
    const std::uint32_t green = sourceGreen + ((((target >> 8) & 255) * keep) >> 8);
    target = (target & 0xFF000000u) | redBlue | (green << 8);
  }
}

template <bool kAdditive>
void BilinearPlain(const SoftTexture& t, const QuadSpan& span, int first) {
  std::uint32_t fu =
      static_cast<std::uint32_t>(span.u) + first * static_cast<std::uint32_t>(span.du);
  std::uint32_t fv =
      static_cast<std::uint32_t>(span.v) + first * static_cast<std::uint32_t>(span.dv);
  for (int i = first; i < span.count; ++i, fu += span.du, fv += span.dv) {
    BlendPlain<kAdditive>(
        span.pixels[i],
        SampleBilinear(t, static_cast<std::int32_t>(fu), static_cast<std::int32_t>(fv)),
        span.alpha);
  }
}

template <bool kAdditive>
void BilinearPlainSpan(const SoftTexture& t, const QuadSpan& span) {
  BilinearPlain<kAdditive>(t, span, 0);
}

void SplatPlain(std::uint32_t* pixels, const std::uint16_t* light, int count, int alpha) {
  for (int i = 0; i < count; ++i, light += 4) {
    const std::uint32_t add = static_cast<std::uint32_t>(SplatLight(light[0], alpha)) |
                              (static_cast<std::uint32_t>(SplatLight(light[1], alpha)) << 8) |
                              (static_cast<std::uint32_t>(SplatLight(light[2], alpha)) << 16);
    pixels[i] = AddSaturated(pixels[i], add);
  }
}

// ---- SSE2: four pixels a step; the texels are fetched one by one.

inline __m128i Clamp4(__m128i x, __m128i high) {
  x = _mm_andnot_si128(_mm_cmplt_epi32(x, _mm_setzero_si128()), x);
  const __m128i above = _mm_cmpgt_epi32(x, high);
  return _mm_or_si128(_mm_and_si128(above, high), _mm_andnot_si128(above, x));
}

inline __m128i Blend4Sse2(__m128i t00, __m128i t10, __m128i t01, __m128i t11, __m128i w00,
                          __m128i w10, __m128i w01, __m128i w11) {
  __m128i sum = _mm_mullo_epi16(t00, w00);
  sum = _mm_add_epi16(sum, _mm_mullo_epi16(t10, w10));
  sum = _mm_add_epi16(sum, _mm_mullo_epi16(t01, w01));
  sum = _mm_add_epi16(sum, _mm_mullo_epi16(t11, w11));
  return _mm_srli_epi16(sum, 8);
}

inline __m128i Both4(__m128i w) {
  return _mm_or_si128(w, _mm_slli_epi32(w, 16));
}

template <bool kAdditive>
void BilinearSse2(const SoftTexture& t, const QuadSpan& span) {
  const __m128i maxU = _mm_set1_epi32(t.width << 16);
  const __m128i maxV = _mm_set1_epi32(t.height << 16);
  const __m128i half = _mm_set1_epi32(0x8000);
  const __m128i byte = _mm_set1_epi32(255);
  const __m128i two = _mm_set1_epi32(static_cast<int>(kTwoChannels));
  const __m128i full = _mm_set1_epi32(256);
  const __m128i alpha = _mm_set1_epi32(span.alpha);
  const std::uint32_t du = static_cast<std::uint32_t>(span.du);
  const std::uint32_t dv = static_cast<std::uint32_t>(span.dv);
  const std::uint32_t u0 = static_cast<std::uint32_t>(span.u);
  const std::uint32_t v0 = static_cast<std::uint32_t>(span.v);
  __m128i fu = _mm_setr_epi32(static_cast<int>(u0), static_cast<int>(u0 + du),
                              static_cast<int>(u0 + 2 * du), static_cast<int>(u0 + 3 * du));
  __m128i fv = _mm_setr_epi32(static_cast<int>(v0), static_cast<int>(v0 + dv),
                              static_cast<int>(v0 + 2 * dv), static_cast<int>(v0 + 3 * dv));
  const __m128i stepU = _mm_set1_epi32(static_cast<int>(4 * du));
  const __m128i stepV = _mm_set1_epi32(static_cast<int>(4 * dv));
  int i = 0;
  for (; i + 4 <= span.count; i += 4) {
    const __m128i u = _mm_sub_epi32(Clamp4(fu, maxU), half);
    const __m128i v = _mm_sub_epi32(Clamp4(fv, maxV), half);
    fu = _mm_add_epi32(fu, stepU);
    fv = _mm_add_epi32(fv, stepV);
    alignas(16) std::int32_t x[4], y[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(x), _mm_srai_epi32(u, 16));
    _mm_store_si128(reinterpret_cast<__m128i*>(y), _mm_srai_epi32(v, 16));
    alignas(16) std::uint32_t q[4][4];
    for (int k = 0; k < 4; ++k) {
      const std::uint32_t* p = t.pixels + y[k] * t.stride + x[k];
      q[0][k] = p[0];
      q[1][k] = p[1];
      q[2][k] = p[t.stride];
      q[3][k] = p[t.stride + 1];
    }
    const __m128i t00 = _mm_load_si128(reinterpret_cast<const __m128i*>(q[0]));
    const __m128i t10 = _mm_load_si128(reinterpret_cast<const __m128i*>(q[1]));
    const __m128i t01 = _mm_load_si128(reinterpret_cast<const __m128i*>(q[2]));
    const __m128i t11 = _mm_load_si128(reinterpret_cast<const __m128i*>(q[3]));
    // Four fully transparent samples change nothing (most of a glow's or a panel's square).
    const __m128i opaque = _mm_or_si128(_mm_or_si128(t00, t10), _mm_or_si128(t01, t11));
    if (_mm_movemask_epi8(_mm_cmpeq_epi32(_mm_srli_epi32(opaque, 24), _mm_setzero_si128())) ==
        0xFFFF) {
      continue;
    }
    const __m128i wu = _mm_and_si128(_mm_srai_epi32(u, 8), byte);
    const __m128i wv = _mm_and_si128(_mm_srai_epi32(v, 8), byte);
    const __m128i iu = _mm_sub_epi32(full, wu);
    const __m128i iv = _mm_sub_epi32(full, wv);
    const __m128i w00 = _mm_srli_epi32(_mm_madd_epi16(iu, iv), 8);
    const __m128i w10 = _mm_srli_epi32(_mm_madd_epi16(wu, iv), 8);
    const __m128i w01 = _mm_srli_epi32(_mm_madd_epi16(iu, wv), 8);
    const __m128i w11 = _mm_sub_epi32(_mm_sub_epi32(_mm_sub_epi32(full, w00), w10), w01);
    const __m128i b00 = Both4(w00), b10 = Both4(w10), b01 = Both4(w01), b11 = Both4(w11);
    const __m128i redBlue =
        Blend4Sse2(_mm_and_si128(t00, two), _mm_and_si128(t10, two), _mm_and_si128(t01, two),
                   _mm_and_si128(t11, two), b00, b10, b01, b11);
    const __m128i alphaGreen = Blend4Sse2(
        _mm_and_si128(_mm_srli_epi32(t00, 8), two), _mm_and_si128(_mm_srli_epi32(t10, 8), two),
        _mm_and_si128(_mm_srli_epi32(t01, 8), two), _mm_and_si128(_mm_srli_epi32(t11, 8), two), b00,
        b10, b01, b11);
    // EffectiveAlpha, in the low half of each word.
    const __m128i product = _mm_mullo_epi16(_mm_srli_epi32(alphaGreen, 16), alpha);
    const __m128i a = _mm_srli_epi32(
        _mm_add_epi32(_mm_mulhi_epu16(product, _mm_set1_epi32(16528)), _mm_set1_epi32(32)), 6);
    const __m128i sourceRedBlue = _mm_srli_epi16(_mm_mullo_epi16(redBlue, Both4(a)), 8);
    const __m128i sourceGreen = _mm_srli_epi16(_mm_mullo_epi16(alphaGreen, a), 8);
    __m128i* target = reinterpret_cast<__m128i*>(span.pixels + i);
    const __m128i d = _mm_loadu_si128(target);
    if constexpr (kAdditive) {
      const __m128i source = _mm_or_si128(sourceRedBlue, _mm_slli_epi32(sourceGreen, 8));
      _mm_storeu_si128(target, _mm_adds_epu8(d, source));
    } else {
      const __m128i keep = _mm_sub_epi32(full, a);
      const __m128i redBlueOut = _mm_add_epi16(
          sourceRedBlue, _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(d, two), Both4(keep)), 8));
      const __m128i greenOut = _mm_add_epi32(
          sourceGreen,
          _mm_srli_epi32(_mm_mullo_epi16(_mm_and_si128(_mm_srli_epi32(d, 8), byte), keep), 8));
      const __m128i alphaOut = _mm_and_si128(d, _mm_set1_epi32(static_cast<int>(0xFF000000u)));
      _mm_storeu_si128(
          target, _mm_or_si128(_mm_or_si128(alphaOut, redBlueOut), _mm_slli_epi32(greenOut, 8)));
    }
  }
  BilinearPlain<kAdditive>(t, span, i);
}

void SplatSse2(std::uint32_t* pixels, const std::uint16_t* light, int count, int alpha) {
  const __m128i scale = _mm_set1_epi16(static_cast<short>(alpha * 257));
  const __m128i round = _mm_set1_epi16(128);
  int i = 0;
  for (; i + 4 <= count; i += 4) {
    const __m128i* from = reinterpret_cast<const __m128i*>(light + 4 * i);
    const __m128i low =
        _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(_mm_loadu_si128(from), scale), round), 8);
    const __m128i high =
        _mm_srli_epi16(_mm_add_epi16(_mm_mulhi_epu16(_mm_loadu_si128(from + 1), scale), round), 8);
    __m128i* target = reinterpret_cast<__m128i*>(pixels + i);
    _mm_storeu_si128(target, _mm_adds_epu8(_mm_loadu_si128(target), _mm_packus_epi16(low, high)));
  }
  SplatPlain(pixels + i, light + 4 * i, count - i, alpha);
}

// ---- AVX2: eight pixels a step, the texels gathered.

#define VELMARITH_AVX2 __attribute__((target("avx2")))

VELMARITH_AVX2 inline __m256i Both8(__m256i w) {
  return _mm256_or_si256(w, _mm256_slli_epi32(w, 16));
}

VELMARITH_AVX2 inline __m256i Blend8(__m256i t00, __m256i t10, __m256i t01, __m256i t11,
                                     __m256i w00, __m256i w10, __m256i w01, __m256i w11) {
  __m256i sum = _mm256_mullo_epi16(t00, w00);
  sum = _mm256_add_epi16(sum, _mm256_mullo_epi16(t10, w10));
  sum = _mm256_add_epi16(sum, _mm256_mullo_epi16(t01, w01));
  sum = _mm256_add_epi16(sum, _mm256_mullo_epi16(t11, w11));
  return _mm256_srli_epi16(sum, 8);
}

template <bool kAdditive>
VELMARITH_AVX2 void BilinearAvx2(const SoftTexture& t, const QuadSpan& span) {
  const __m256i maxU = _mm256_set1_epi32(t.width << 16);
  const __m256i maxV = _mm256_set1_epi32(t.height << 16);
  const __m256i zero = _mm256_setzero_si256();
  const __m256i half = _mm256_set1_epi32(0x8000);
  const __m256i byte = _mm256_set1_epi32(255);
  const __m256i two = _mm256_set1_epi32(static_cast<int>(kTwoChannels));
  const __m256i full = _mm256_set1_epi32(256);
  const __m256i alpha = _mm256_set1_epi32(span.alpha);
  const __m256i stride = _mm256_set1_epi32(t.stride);
  const __m256i lane = _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7);
  __m256i fu = _mm256_add_epi32(_mm256_set1_epi32(span.u),
                                _mm256_mullo_epi32(lane, _mm256_set1_epi32(span.du)));
  __m256i fv = _mm256_add_epi32(_mm256_set1_epi32(span.v),
                                _mm256_mullo_epi32(lane, _mm256_set1_epi32(span.dv)));
  const __m256i stepU =
      _mm256_set1_epi32(static_cast<int>(8 * static_cast<std::uint32_t>(span.du)));
  const __m256i stepV =
      _mm256_set1_epi32(static_cast<int>(8 * static_cast<std::uint32_t>(span.dv)));
  const int* base = reinterpret_cast<const int*>(t.pixels);
  int i = 0;
  for (; i + 8 <= span.count; i += 8) {
    const __m256i u = _mm256_sub_epi32(_mm256_min_epi32(_mm256_max_epi32(fu, zero), maxU), half);
    const __m256i v = _mm256_sub_epi32(_mm256_min_epi32(_mm256_max_epi32(fv, zero), maxV), half);
    fu = _mm256_add_epi32(fu, stepU);
    fv = _mm256_add_epi32(fv, stepV);
    const __m256i index = _mm256_add_epi32(_mm256_mullo_epi32(_mm256_srai_epi32(v, 16), stride),
                                           _mm256_srai_epi32(u, 16));
    const __m256i t00 = _mm256_i32gather_epi32(base, index, 4);
    const __m256i t10 = _mm256_i32gather_epi32(base + 1, index, 4);
    const __m256i t01 = _mm256_i32gather_epi32(base + t.stride, index, 4);
    const __m256i t11 = _mm256_i32gather_epi32(base + t.stride + 1, index, 4);
    const __m256i opaque = _mm256_or_si256(_mm256_or_si256(t00, t10), _mm256_or_si256(t01, t11));
    if (_mm256_testz_si256(opaque, _mm256_set1_epi32(static_cast<int>(0xFF000000u)))) continue;
    const __m256i wu = _mm256_and_si256(_mm256_srai_epi32(u, 8), byte);
    const __m256i wv = _mm256_and_si256(_mm256_srai_epi32(v, 8), byte);
    const __m256i iu = _mm256_sub_epi32(full, wu);
    const __m256i iv = _mm256_sub_epi32(full, wv);
    const __m256i w00 = _mm256_srli_epi32(_mm256_madd_epi16(iu, iv), 8);
    const __m256i w10 = _mm256_srli_epi32(_mm256_madd_epi16(wu, iv), 8);
    const __m256i w01 = _mm256_srli_epi32(_mm256_madd_epi16(iu, wv), 8);
    const __m256i w11 = _mm256_sub_epi32(_mm256_sub_epi32(_mm256_sub_epi32(full, w00), w10), w01);
    const __m256i b00 = Both8(w00), b10 = Both8(w10), b01 = Both8(w01), b11 = Both8(w11);
    const __m256i redBlue =
        Blend8(_mm256_and_si256(t00, two), _mm256_and_si256(t10, two), _mm256_and_si256(t01, two),
               _mm256_and_si256(t11, two), b00, b10, b01, b11);
    const __m256i alphaGreen =
        Blend8(_mm256_and_si256(_mm256_srli_epi32(t00, 8), two),
               _mm256_and_si256(_mm256_srli_epi32(t10, 8), two),
               _mm256_and_si256(_mm256_srli_epi32(t01, 8), two),
               _mm256_and_si256(_mm256_srli_epi32(t11, 8), two), b00, b10, b01, b11);
    const __m256i product = _mm256_mullo_epi16(_mm256_srli_epi32(alphaGreen, 16), alpha);
    const __m256i a =
        _mm256_srli_epi32(_mm256_add_epi32(_mm256_mulhi_epu16(product, _mm256_set1_epi32(16528)),
                                           _mm256_set1_epi32(32)),
                          6);
    const __m256i sourceRedBlue = _mm256_srli_epi16(_mm256_mullo_epi16(redBlue, Both8(a)), 8);
    const __m256i sourceGreen = _mm256_srli_epi16(_mm256_mullo_epi16(alphaGreen, a), 8);
    __m256i* target = reinterpret_cast<__m256i*>(span.pixels + i);
    const __m256i d = _mm256_loadu_si256(target);
    if constexpr (kAdditive) {
      const __m256i source = _mm256_or_si256(sourceRedBlue, _mm256_slli_epi32(sourceGreen, 8));
      _mm256_storeu_si256(target, _mm256_adds_epu8(d, source));
    } else {
      const __m256i keep = _mm256_sub_epi32(full, a);
      const __m256i redBlueOut = _mm256_add_epi16(
          sourceRedBlue,
          _mm256_srli_epi16(_mm256_mullo_epi16(_mm256_and_si256(d, two), Both8(keep)), 8));
      const __m256i greenOut = _mm256_add_epi32(
          sourceGreen,
          _mm256_srli_epi32(
              _mm256_mullo_epi16(_mm256_and_si256(_mm256_srli_epi32(d, 8), byte), keep), 8));
      const __m256i alphaOut =
          _mm256_and_si256(d, _mm256_set1_epi32(static_cast<int>(0xFF000000u)));
      _mm256_storeu_si256(target, _mm256_or_si256(_mm256_or_si256(alphaOut, redBlueOut),
                                                  _mm256_slli_epi32(greenOut, 8)));
    }
  }
  BilinearPlain<kAdditive>(t, span, i);
}

VELMARITH_AVX2 void SplatAvx2(std::uint32_t* pixels, const std::uint16_t* light, int count,
                              int alpha) {
  const __m256i scale = _mm256_set1_epi16(static_cast<short>(alpha * 257));
  const __m256i round = _mm256_set1_epi16(128);
  int i = 0;
  for (; i + 8 <= count; i += 8) {
    const __m256i* from = reinterpret_cast<const __m256i*>(light + 4 * i);
    // Pixels 0-1 and 4-5 in the first register, 2-3 and 6-7 in the second: the pack, which works
    // within each 128-bit half, then puts all eight back in order.
    const __m256i a = _mm256_loadu_si256(from);                    // pixels 0-3
    const __m256i b = _mm256_loadu_si256(from + 1);                // pixels 4-7
    const __m256i first = _mm256_permute2x128_si256(a, b, 0x20);   // 0-1, 4-5
    const __m256i second = _mm256_permute2x128_si256(a, b, 0x31);  // 2-3, 6-7
    const __m256i low =
        _mm256_srli_epi16(_mm256_add_epi16(_mm256_mulhi_epu16(first, scale), round), 8);
    const __m256i high =
        _mm256_srli_epi16(_mm256_add_epi16(_mm256_mulhi_epu16(second, scale), round), 8);
    __m256i* target = reinterpret_cast<__m256i*>(pixels + i);
    _mm256_storeu_si256(
        target, _mm256_adds_epu8(_mm256_loadu_si256(target), _mm256_packus_epi16(low, high)));
  }
  SplatSse2(pixels + i, light + 4 * i, count - i, alpha);
}

const PixelKernels kPlain{BilinearPlainSpan<true>, BilinearPlainSpan<false>, SplatPlain};
const PixelKernels kSse2{BilinearSse2<true>, BilinearSse2<false>, SplatSse2};
const PixelKernels kAvx2{BilinearAvx2<true>, BilinearAvx2<false>, SplatAvx2};

std::atomic<const PixelKernels*> active{nullptr};

}  // namespace

Sample SampleBilinear(const SoftTexture& t, std::int32_t u, std::int32_t v) {
  const Tap tap = TapAt(t, u, v);
  const Weights w = BilinearWeights(tap.wu, tap.wv);
  const std::uint32_t* p = tap.texel;
  const std::uint32_t* q = p + t.stride;
  return Sample{
      Blend4(p[0] & kTwoChannels, p[1] & kTwoChannels, q[0] & kTwoChannels, q[1] & kTwoChannels, w),
      Blend4((p[0] >> 8) & kTwoChannels, (p[1] >> 8) & kTwoChannels, (q[0] >> 8) & kTwoChannels,
             (q[1] >> 8) & kTwoChannels, w)};
}

PixelIsa BestPixelIsa() {
  static const PixelIsa best = __builtin_cpu_supports("avx2") ? PixelIsa::kAvx2 : PixelIsa::kSse2;
  return best;
}

const PixelKernels& KernelsFor(PixelIsa isa) {
  switch (isa) {
    case PixelIsa::kPlain:
      return kPlain;
    case PixelIsa::kSse2:
      return kSse2;
    case PixelIsa::kAvx2:
      return BestPixelIsa() == PixelIsa::kAvx2 ? kAvx2 : kSse2;
  }
  return kSse2;
}

const char* PixelIsaName(PixelIsa isa) {
  switch (isa) {
    case PixelIsa::kPlain:
      return "plain C";
    case PixelIsa::kSse2:
      return "SSE2";
    case PixelIsa::kAvx2:
      return "AVX2";
  }
  return "?";
}

const PixelKernels& ActiveKernels() {
  const PixelKernels* kernels = active.load(std::memory_order_relaxed);
  if (!kernels) {
    kernels = &KernelsFor(BestPixelIsa());
    active.store(kernels, std::memory_order_relaxed);
  }
  return *kernels;
}

void UsePixelIsa(PixelIsa isa) {
  active.store(&KernelsFor(isa), std::memory_order_relaxed);
}
