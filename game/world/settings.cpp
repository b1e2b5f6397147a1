#include "game/world/settings.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>

#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

struct SettingLine {
  const char* group;
  const char* comment;
  const char* key;
};

constexpr const char* kGraphicsGroup = " ** Grafik ** ";
constexpr const char* kNetworkGroup = " ** Mehrspieler ** ";
constexpr const char* kOwnGroup = " ** Velmarith ** ";

// Every value the game reads and writes, in the order it writes them. The first two groups are
// those every version of the file has; what this game adds lives in its own group after them.
enum OwnValue {
  kPlasma,
  kAccount,
  kPreviousAccount,
  kFullscreen,
  kRenderer,
  kEffectsVolume,
  kAnnouncementVolume,
  kOwnValueCount
};
constexpr std::array<SettingLine, kOwnValueCount> kOwnLines = {{
    {kGraphicsGroup, " Menge der Routenplasma-Effektelemente {LONG}", "Routenplasmamenge"},
    {kNetworkGroup, " Account-ID auf dem Server {STRING}", "MyAccountID$"},
    {kOwnGroup, " Vorherige Account-ID auf dem Server {STRING}", "VorherigeAccountID$"},
    {kOwnGroup, " Vollbild (1) oder Fenster (0) {LONG}", "Vollbild"},
    {kOwnGroup, " Renderer: auto, cpu oder gpu {STRING}", "Renderer"},
    {kOwnGroup, " Lautst\xE4rke der Effekte, 0 bis 100 {LONG}", "LautstaerkeEffekte"},
    {kOwnGroup, " Lautst\xE4rke der Ansagen, 0 bis 100 {LONG}", "LautstaerkeAnsagen"},
}};

using OwnValues = std::array<std::string, kOwnValueCount>;

// Group and key names are compared without the blanks and asterisks around them and without
// regard to case, so a hand-edited file still reads.
std::string Normalised(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  auto decoration = [](char c) { return c == ' ' || c == '*' || c == '\t'; };
  while (first < last && decoration(text[first])) ++first;
  while (last > first && decoration(text[last - 1])) --last;
  std::string result(text.substr(first, last - first));
  for (char& c : result) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return result;
}

bool IsGroupLine(const std::string& line) {
  return line.size() >= 2 && line.front() == '[' && line.back() == ']';
}

std::string GroupName(const std::string& line) {
  return Normalised(std::string_view(line).substr(1, line.size() - 2));
}

// The index of the value of this group and this key, or -1.
int OwnSetting(const std::string& group, std::string_view key) {
  for (int i = 0; i < kOwnValueCount; ++i) {
    if (Normalised(kOwnLines[i].group) == group && Normalised(kOwnLines[i].key) == Normalised(key))
      return i;
  }
  return -1;
}

bool IsOwnGroup(const std::string& group) {
  return std::any_of(kOwnLines.begin(), kOwnLines.end(),
                     [&](const SettingLine& own) { return Normalised(own.group) == group; });
}

// The comment the game writes above one of its values; it is written anew, never kept.
bool IsOwnComment(const std::string& group, const std::string& line) {
  return std::any_of(kOwnLines.begin(), kOwnLines.end(), [&](const SettingLine& own) {
    return Normalised(own.group) == group && TrimBlanks(line) == ";" + std::string(own.comment);
  });
}

KeptSettingsGroup* KeptGroup(Settings& settings, const std::string& group) {
  for (KeptSettingsGroup& kept : settings.keptGroups) {
    const std::string name = kept.header.empty() ? "" : GroupName(kept.header);
    if (name == group) return &kept;
  }
  return nullptr;
}

// A whole number when the text is one, else the fallback.
int StrictIntOr(const std::string& text, int fallback) {
  return IsStrictInt(text) ? ReadInt(text) : fallback;
}

int VolumeFrom(const std::string& text) {
  const int volume = std::clamp(StrictIntOr(text, kFullVolume), 0, kFullVolume);
  return (volume + kVolumeStep / 2) / kVolumeStep * kVolumeStep;
}

RendererSetting RendererFrom(const std::string& text) {
  const std::string word = Normalised(text);
  if (word == "cpu") return RendererSetting::kCpu;
  if (word == "gpu") return RendererSetting::kGpu;
  return RendererSetting::kAuto;
}

void TakeValues(Settings& settings, const OwnValues& values) {
  settings.routePlasmaAmount = ReadInt(values[kPlasma]);
  settings.myAccountId = values[kAccount];
  settings.previousAccountId = values[kPreviousAccount];
  settings.fullscreen = StrictIntOr(values[kFullscreen], 1) != 0;
  settings.renderer = RendererFrom(values[kRenderer]);
  settings.effectsVolume = VolumeFrom(values[kEffectsVolume]);
  settings.announcementVolume = VolumeFrom(values[kAnnouncementVolume]);
}

OwnValues ValuesOf(const Settings& settings) {
  OwnValues values;
  values[kPlasma] = FormatInt(settings.routePlasmaAmount);
  values[kAccount] = settings.myAccountId;
  values[kPreviousAccount] = settings.previousAccountId;
  values[kFullscreen] = settings.fullscreen ? "1" : "0";
  values[kRenderer] = RendererSettingName(settings.renderer);
  values[kEffectsVolume] = FormatInt(settings.effectsVolume);
  values[kAnnouncementVolume] = FormatInt(settings.announcementVolume);
  return values;
}

// A group of the game's own: its values with their comments (an empty previous account id is
// left out, as there is nothing to offer back), then what else the file had in it.
void AppendOwnGroup(std::string& out, const Settings& settings, const char* group,
                    const OwnValues& values) {
  AppendLine(out, std::string("[") + group + "]");
  for (int i = 0; i < kOwnValueCount; ++i) {
    const SettingLine& own = kOwnLines[i];
    if (std::string_view(own.group) != group || (i == kPreviousAccount && values[i].empty()))
      continue;
    AppendLine(out, std::string(";") + own.comment);
    AppendLine(out, std::string(own.key) + " = " + values[i]);
  }
  for (const KeptSettingsGroup& kept : settings.keptGroups) {
    if (!kept.header.empty() && GroupName(kept.header) == Normalised(group)) {
      for (const std::string& line : kept.lines) AppendLine(out, line);
    }
  }
}

}  // namespace

const char* RendererSettingName(RendererSetting renderer) {
  switch (renderer) {
    case RendererSetting::kCpu:
      return "cpu";
    case RendererSetting::kGpu:
      return "gpu";
    case RendererSetting::kAuto:
      break;
  }
  return "auto";
}

int SteppedVolume(int volume, int steps) {
  return std::clamp(volume + steps * kVolumeStep, 0, kFullVolume);
}

// Each group's lines are sorted into the values the game knows (the first occurrence wins) and
// the lines it keeps as they are.
Settings ParseSettings(const std::string& bytes) {
  Settings settings;
  OwnValues values = ValuesOf(settings);
  std::array<bool, kOwnValueCount> found{};
  std::string group;
  bool grouped = false;
  for (const std::string& raw : SplitLines(bytes)) {
    const std::string line = TrimBlanks(raw);
    if (IsGroupLine(line)) {
      group = GroupName(line);
      grouped = true;
      if (!KeptGroup(settings, group)) settings.keptGroups.push_back({line, {}});
      continue;
    }
    if (!grouped && !KeptGroup(settings, "")) settings.keptGroups.push_back({"", {}});
    const size_t equals = line.find('=');
    const int own = equals == std::string::npos ? -1 : OwnSetting(group, line.substr(0, equals));
    if (own >= 0) {
      if (!found[own]) values[own] = TrimBlanks(std::string_view(line).substr(equals + 1));
      found[own] = true;
      continue;
    }
    if (line.empty() || IsOwnComment(group, line)) continue;
    KeptGroup(settings, grouped ? group : "")->lines.push_back(raw);
  }
  TakeValues(settings, values);
  // The game's own groups are written anyway; only what else they held is kept.
  std::erase_if(settings.keptGroups, [](const KeptSettingsGroup& kept) {
    return kept.lines.empty() && (kept.header.empty() || IsOwnGroup(GroupName(kept.header)));
  });
  return settings;
}

void LoadSettings(Settings& settings, const std::filesystem::path& file) {
  if (auto bytes = ReadFileBytes(file)) settings = ParseSettings(*bytes);
}

std::string FormatSettings(const Settings& settings) {
  std::string out;
  for (const KeptSettingsGroup& kept : settings.keptGroups) {
    if (!kept.header.empty()) continue;
    for (const std::string& line : kept.lines) AppendLine(out, line);
  }
  const OwnValues values = ValuesOf(settings);
  for (const char* group : {kGraphicsGroup, kNetworkGroup, kOwnGroup}) {
    AppendOwnGroup(out, settings, group, values);
  }
  for (const KeptSettingsGroup& kept : settings.keptGroups) {
    if (kept.header.empty() || IsOwnGroup(GroupName(kept.header))) continue;
    AppendLine(out, kept.header);
    for (const std::string& line : kept.lines) AppendLine(out, line);
  }
  return out;
}

bool SaveSettings(const Settings& settings, const std::filesystem::path& file) {
  return WriteFileAtomically(file, FormatSettings(settings)).ok;
}

bool IsUsableAccountId(const std::string& id) {
  return !id.empty() && id.size() <= kMaxAccountIdLength &&
         std::none_of(id.begin(), id.end(),
                      [](char c) { return static_cast<unsigned char>(c) < ' ' || c == 0x7F; });
}

namespace {

// The settings as the file holds them now; none without a readable file.
std::optional<Settings> StoredSettings(const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) return std::nullopt;
  return ParseSettings(*bytes);
}

// Writes the settings with the lines of the file the game does not know as they are now: someone
// may have edited the file since it was read.
void SaveOver(Settings& settings, const std::optional<Settings>& stored,
              const std::filesystem::path& file) {
  if (stored) settings.keptGroups = stored->keptGroups;
  SaveSettings(settings, file);
}

}  // namespace

void StoreAccountId(Settings& settings, const std::filesystem::path& file) {
  const std::optional<Settings> stored = StoredSettings(file);
  if (stored && !stored->myAccountId.empty() && stored->myAccountId != settings.myAccountId) {
    settings.previousAccountId = stored->myAccountId;
  }
  SaveOver(settings, stored, file);
}

void StoreSettings(Settings& settings, const std::filesystem::path& file) {
  SaveOver(settings, StoredSettings(file), file);
}
