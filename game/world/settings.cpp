#include "game/world/settings.h"

#include <algorithm>
#include <cctype>

#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

struct SettingLine {
  const char* group;
  const char* comment;
  const char* key;
};

constexpr SettingLine kPlasma{" ** Grafik ** ", " Menge der Routenplasma-Effektelemente {LONG}",
                              "Routenplasmamenge"};
constexpr SettingLine kAccount{" ** Mehrspieler ** ", " Account-ID auf dem Server {STRING}",
                               "MyAccountID$"};
constexpr SettingLine kPreviousAccount{
    " ** Velmarith ** ", " Vorherige Account-ID auf dem Server {STRING}", "VorherigeAccountID$"};
constexpr SettingLine kOwnLines[] = {kPlasma, kAccount, kPreviousAccount};

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

// The fixed line of this group and this key, if any.
const SettingLine* OwnSetting(const std::string& group, std::string_view key) {
  for (const SettingLine& own : kOwnLines) {
    if (Normalised(own.group) == group && Normalised(own.key) == Normalised(key)) return &own;
  }
  return nullptr;
}

bool IsOwnGroup(const std::string& group) {
  return std::any_of(std::begin(kOwnLines), std::end(kOwnLines),
                     [&](const SettingLine& own) { return Normalised(own.group) == group; });
}

// The comment the game writes above one of its values; it is written anew, never kept.
bool IsOwnComment(const std::string& group, const std::string& line) {
  return std::any_of(std::begin(kOwnLines), std::end(kOwnLines), [&](const SettingLine& own) {
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

std::string* ValueOf(Settings& settings, const SettingLine* own, std::string& plasma) {
  if (own == &kOwnLines[0]) return &plasma;
  if (own == &kOwnLines[1]) return &settings.myAccountId;
  return &settings.previousAccountId;
}

void AppendOwnGroup(std::string& out, const Settings& settings, const SettingLine& own,
                    const std::string& value) {
  AppendLine(out, std::string("[") + own.group + "]");
  if (!value.empty() || &own != &kOwnLines[2]) {
    AppendLine(out, std::string(";") + own.comment);
    AppendLine(out, std::string(own.key) + " = " + value);
  }
  for (const KeptSettingsGroup& kept : settings.keptGroups) {
    if (!kept.header.empty() && GroupName(kept.header) == Normalised(own.group)) {
      for (const std::string& line : kept.lines) AppendLine(out, line);
    }
  }
}

}  // namespace

// Each group's lines are sorted into the values the game knows (the first occurrence wins) and
// the lines it keeps as they are.
Settings ParseSettings(const std::string& bytes) {
  Settings settings;
  std::string plasma = "2";
  std::string group;
  bool grouped = false;
  std::vector<const SettingLine*> found;
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
    const SettingLine* own =
        equals == std::string::npos ? nullptr : OwnSetting(group, line.substr(0, equals));
    if (own) {
      if (std::find(found.begin(), found.end(), own) == found.end()) {
        found.push_back(own);
        *ValueOf(settings, own, plasma) = TrimBlanks(std::string_view(line).substr(equals + 1));
      }
      continue;
    }
    if (line.empty() || IsOwnComment(group, line)) continue;
    KeptGroup(settings, grouped ? group : "")->lines.push_back(raw);
  }
  settings.routePlasmaAmount = ReadInt(plasma);
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
  AppendOwnGroup(out, settings, kPlasma, FormatInt(settings.routePlasmaAmount));
  AppendOwnGroup(out, settings, kAccount, settings.myAccountId);
  const bool ownGroupHasLines =
      std::any_of(settings.keptGroups.begin(), settings.keptGroups.end(), [](const auto& kept) {
        return !kept.header.empty() && GroupName(kept.header) == Normalised(kPreviousAccount.group);
      });
  if (!settings.previousAccountId.empty() || ownGroupHasLines) {
    AppendOwnGroup(out, settings, kPreviousAccount, settings.previousAccountId);
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

void StoreAccountId(Settings& settings, const std::filesystem::path& file) {
  const std::optional<std::string> bytes = ReadFileBytes(file);
  const Settings stored = bytes ? ParseSettings(*bytes) : settings;
  if (!stored.myAccountId.empty() && stored.myAccountId != settings.myAccountId) {
    settings.previousAccountId = stored.myAccountId;
  }
  // What someone put into the file since it was read stays too.
  if (bytes) settings.keptGroups = stored.keptGroups;
  SaveSettings(settings, file);
}
