// The docking announcements: "Hier" - <place> - "Andockerlaubnis" - "erteilt", spoken in German
// by espeak-ng and given the narrow band of a radio channel. Without espeak-ng the clips are left
// out; the game then skips the announcement.
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/system_file.h"
#include "formats/universe_file.h"
#include "tools/mkassets/media_extra.h"
#include "tools/mkassets/noise.h"

extern char** environ;

namespace {

std::string EspeakPath() {
  const char* path = std::getenv("PATH");
  std::stringstream folders(path ? path : "/usr/bin:/bin");
  std::string folder;
  while (std::getline(folders, folder, ':')) {
    std::filesystem::path candidate = std::filesystem::path(folder) / "espeak-ng";
    if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0) return candidate.string();
  }
  return "";
}

struct Clip {
  std::string dataPath;  // where the clip goes
  std::string text;      // UTF-8, as spoken
  std::filesystem::path scratch;
  pid_t pid = -1;
};

pid_t StartSpeaking(const std::string& espeak, const Clip& clip) {
  // Arguments go straight to the program (no shell), so any place name is safe.
  std::vector<std::string> args = {
      espeak, "-v", "de", "-s", "150", "-p", "38", "-w", clip.scratch.string(), clip.text};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, espeak.c_str(), &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// The samples of a 16-bit PCM mono WAV file, or nothing when it is not one.
std::vector<float> ReadPcm(const std::filesystem::path& path, int* rate) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  auto u32 = [&bytes](size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(bytes[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8 |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 2])) << 16 |
           static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 3])) << 24;
  };
  std::vector<float> samples;
  if (bytes.size() < 12 || bytes.compare(0, 4, "RIFF") != 0 || bytes.compare(8, 4, "WAVE") != 0)
    return samples;
  bool mono16 = false;
  for (size_t at = 12; at + 8 <= bytes.size();) {
    std::string id = bytes.substr(at, 4);
    size_t size = u32(at + 4);
    // espeak-ng streams to its file and leaves the data size at its maximum.
    size = std::min(size, bytes.size() - at - 8);
    if (id == "fmt " && size >= 16) {
      *rate = static_cast<int>(u32(at + 12));
      mono16 =
          (u32(at + 8) & 0xFFFF) == 1 && (u32(at + 8) >> 16) == 1 && (u32(at + 20) >> 16) == 16;
    } else if (id == "data" && mono16) {
      for (size_t i = 0; i + 1 < size; i += 2) {
        int v = static_cast<int16_t>(static_cast<unsigned char>(bytes[at + 8 + i]) |
                                     static_cast<unsigned char>(bytes[at + 9 + i]) << 8);
        samples.push_back(v / 32768.0f);
      }
      break;
    }
    at += 8 + size + (size & 1);
  }
  return samples;
}

// A radio channel: band-limited, slightly driven, with a faint hiss and a squelch click.
std::vector<float> Radio(std::vector<float> in, int rate, std::uint64_t seed) {
  Rng rng = MakeRng(seed);
  float low = 0, high = 0, prev = 0;
  const float lowCut = 1 - std::exp(-6.2831853f * 3200 / rate);
  const float highCut = std::exp(-6.2831853f * 300 / rate);
  for (float& s : in) {
    low += (s - low) * lowCut;
    high = highCut * (high + low - prev);
    prev = low;
    float driven = std::tanh(high * 2.2f) * 0.7f;
    s = driven + (NextFloat(rng) * 2 - 1) * 0.012f;
  }
  for (size_t i = 0; i < in.size() && i < 80; ++i) in[i] *= i / 80.0f;
  for (size_t i = 0; i < in.size() && i < 200; ++i) in[in.size() - 1 - i] *= i / 200.0f;
  return in;
}

}  // namespace

bool VoiceAvailable() {
  return !EspeakPath().empty();
}

std::vector<VoicePlace> ListVoicePlaces(const std::filesystem::path& gameDir) {
  std::vector<VoicePlace> places;
  const UniverseFile universe = LoadUniverse(DataPath(gameDir, "INI\\Universum.ini"));
  for (const SystemEntry& system : UniverseSystems(universe)) {
    const std::string bytes =
        ReadFileBytes(DataPath(gameDir, "INI\\" + system.name + "\\System.ini")).value_or("");
    std::set<std::string> seen;
    for (const DockingRingEntry& ring : ScanDockingRings(bytes))
      if (!ring.name.empty() && seen.insert(ring.name).second)
        places.push_back({system.name, ring.name});
  }
  return places;
}

int GenerateVoices(AssetSink& sink, const std::vector<VoicePlace>& places) {
  const std::string espeak = EspeakPath();
  if (espeak.empty()) return 0;
  std::vector<Clip> clips;
  std::set<std::string> systems;
  for (const VoicePlace& place : places) {
    const std::string folder = "WAV\\" + place.systemFolder + "\\";
    if (systems.insert(place.systemFolder).second) {
      clips.push_back({folder + "Hier_.wav", "Hier", {}});
      clips.push_back({folder + "Andockerlaubnis_.wav", "Andockerlaubnis", {}});
      clips.push_back({folder + "_erteilt.wav", "erteilt.", {}});
    }
    clips.push_back({folder + place.placeName + ".wav", Latin1ToUtf8(place.placeName), {}});
  }
  const std::filesystem::path scratch =
      std::filesystem::temp_directory_path() / ("mkassets-speech-" + std::to_string(::getpid()));
  std::filesystem::create_directories(scratch);
  int written = 0;
  const size_t parallel = 4;
  for (size_t start = 0; start < clips.size(); start += parallel) {
    size_t end = std::min(clips.size(), start + parallel);
    for (size_t i = start; i < end; ++i) {
      clips[i].scratch = scratch / (std::to_string(i) + ".wav");
      clips[i].pid = StartSpeaking(espeak, clips[i]);
    }
    for (size_t i = start; i < end; ++i) {
      int status = 0;
      if (clips[i].pid <= 0 || waitpid(clips[i].pid, &status, 0) < 0 || !WIFEXITED(status) ||
          WEXITSTATUS(status) != 0) {
        std::cerr << "mkassets: espeak-ng failed for " << Latin1ToUtf8(clips[i].dataPath) << "\n";
        continue;
      }
      int rate = 22050;
      std::vector<float> samples = ReadPcm(clips[i].scratch, &rate);
      if (samples.empty()) continue;
      SaveSound(sink, clips[i].dataPath, Radio(std::move(samples), rate, 5000 + i), rate);
      ++written;
    }
  }
  std::filesystem::remove_all(scratch);
  return written;
}
