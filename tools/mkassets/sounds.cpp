// The sound clips of the sound table, synthesised: short, soft-edged and distinct per weapon
// kind. Every clip is a pure function of its recipe (fixed noise seeds).
#include <cmath>
#include <string>
#include <vector>

#include "tools/mkassets/media_extra.h"
#include "tools/mkassets/noise.h"

namespace {

constexpr int kRate = 22050;
constexpr float kTwoPi = 6.2831853f;

struct Voice {
  std::vector<float> samples;
};

std::vector<float> Silence(float seconds) {
  return std::vector<float>(static_cast<size_t>(seconds * kRate), 0.0f);
}

// Attack and exponential decay; the last 4 ms fade to zero so that no clip ends in a click.
float Envelope(float t, float length, float attack, float decay) {
  float a = attack > 0 ? std::min(1.0f, t / attack) : 1.0f;
  float d = std::exp(-t / decay);
  float tail = std::min(1.0f, (length - t) / 0.004f);
  return a * d * std::max(0.0f, tail);
}

// A sweep from f0 to f1 (exponential), with a mix of harmonics.
void AddSweep(std::vector<float>& out, float f0, float f1, float gain, float attack, float decay,
              float harmonics) {
  float phase = 0, length = out.size() / float(kRate);
  for (size_t i = 0; i < out.size(); ++i) {
    float t = i / float(kRate);
    float f = f0 * std::pow(f1 / f0, t / length);
    phase += kTwoPi * f / kRate;
    float wave = std::sin(phase) + harmonics * 0.5f * std::sin(2 * phase) +
                 harmonics * 0.25f * std::sin(3 * phase);
    out[i] += gain * wave * Envelope(t, length, attack, decay);
  }
}

// Filtered noise: `tone` 0 is a dull rumble, 1 a bright hiss.
void AddNoise(std::vector<float>& out, float gain, float tone, float attack, float decay,
              std::uint64_t seed) {
  Rng rng = MakeRng(seed);
  float low = 0, length = out.size() / float(kRate);
  for (size_t i = 0; i < out.size(); ++i) {
    float t = i / float(kRate);
    float white = NextFloat(rng) * 2 - 1;
    low += (white - low) * (0.02f + 0.6f * tone);
    out[i] += gain * low * Envelope(t, length, attack, decay);
  }
}

void Normalise(std::vector<float>& out, float peak) {
  float top = 0;
  for (float s : out) top = std::max(top, std::fabs(s));
  if (top > 0)
    for (float& s : out) s *= peak / top;
}

std::vector<float> MouseOver() {
  auto s = Silence(0.05f);
  AddSweep(s, 1300, 1700, 1, 0.002f, 0.015f, 0.1f);
  Normalise(s, 0.25f);
  return s;
}

std::vector<float> Click() {
  auto s = Silence(0.07f);
  AddSweep(s, 900, 600, 1, 0.001f, 0.018f, 0.4f);
  AddNoise(s, 0.5f, 0.8f, 0.0005f, 0.006f, 101);
  Normalise(s, 0.45f);
  return s;
}

std::vector<float> WeaponSound(int kind) {
  std::vector<float> s;
  switch (kind) {
    case 1:  // particle gun: a quick pew
      s = Silence(0.14f);
      AddSweep(s, 1500, 450, 1, 0.002f, 0.05f, 0.6f);
      AddNoise(s, 0.4f, 0.7f, 0.001f, 0.02f, 1001);
      break;
    case 2:  // plasma: a deep whoom
      s = Silence(0.3f);
      AddSweep(s, 260, 70, 1, 0.01f, 0.11f, 0.8f);
      AddNoise(s, 0.7f, 0.15f, 0.01f, 0.1f, 1002);
      break;
    case 3:  // electromagnetic pulse: a rising warble
      s = Silence(0.32f);
      AddSweep(s, 300, 1400, 0.8f, 0.01f, 0.14f, 0.3f);
      AddSweep(s, 310, 1450, 0.6f, 0.01f, 0.14f, 0.0f);
      break;
    case 4:  // ions: a crackling buzz
      s = Silence(0.26f);
      AddSweep(s, 900, 600, 0.5f, 0.004f, 0.09f, 1.0f);
      AddNoise(s, 1.0f, 0.9f, 0.002f, 0.08f, 1004);
      for (size_t i = 0; i < s.size(); ++i) s[i] *= (i / 180) % 3 ? 1.0f : 0.35f;
      break;
    case 5:  // fibre: a bright shimmering zing
      s = Silence(0.22f);
      AddSweep(s, 2600, 1800, 0.8f, 0.003f, 0.08f, 0.2f);
      AddSweep(s, 2640, 1830, 0.6f, 0.003f, 0.08f, 0.0f);
      break;
    default:  // laser: the classic falling zap
      s = Silence(0.24f);
      AddSweep(s, 2000, 260, 1, 0.002f, 0.08f, 0.7f);
      AddNoise(s, 0.15f, 0.9f, 0.001f, 0.02f, 1006);
      break;
  }
  Normalise(s, 0.55f);
  return s;
}

std::vector<float> Explosion() {
  auto s = Silence(1.5f);
  AddNoise(s, 1.0f, 0.05f, 0.004f, 0.45f, 2001);
  AddNoise(s, 0.5f, 0.4f, 0.002f, 0.12f, 2002);
  AddSweep(s, 110, 35, 0.9f, 0.003f, 0.3f, 0.5f);
  Normalise(s, 0.8f);
  return s;
}

}  // namespace

void GenerateSounds(AssetSink& sink) {
  SaveSound(sink, "WAV\\Mouse_over.wav", MouseOver(), kRate);
  SaveSound(sink, "WAV\\Klick.wav", Click(), kRate);
  // Kind 7 (rockets) plays the plasma clip again.
  const char* names[] = {"Partikel", "Plasma", "EM-Impuls", "Ionen", "Faser", "Laser"};
  for (int kind = 1; kind <= 6; ++kind)
    SaveSound(sink, std::string("WAV\\Waffen\\") + names[kind - 1] + ".wav", WeaponSound(kind),
              kRate);
  SaveSound(sink, "WAV\\Explo1.wav", Explosion(), kRate);
}
