#include "game/world/settings.h"

#include <algorithm>
#include <cctype>

#include "formats/file_io.h"
#include "formats/text_rules.h"

namespace {

constexpr const char* kGraphicsGroup = " ** Grafik ** ";
constexpr const char* kPlasmaKey = "Routenplasmamenge";
constexpr const char* kNetworkGroup = " ** Mehrspieler ** ";
constexpr const char* kAccountKey = "MyAccountID$";

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

// The value of a key inside a group; the first occurrence wins. Nothing when absent.
bool FindValue(const std::vector<std::string>& lines, const char* group, const char* key,
               std::string& value) {
  const std::string wantedGroup = Normalised(group);
  const std::string wantedKey = Normalised(key);
  bool inGroup = false;
  for (const std::string& raw : lines) {
    const std::string line = TrimBlanks(raw);
    if (line.empty() || line[0] == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      inGroup = Normalised(std::string_view(line).substr(1, line.size() - 2)) == wantedGroup;
      continue;
    }
    const size_t equals = line.find('=');
    if (!inGroup || equals == std::string::npos) continue;
    if (Normalised(std::string_view(line).substr(0, equals)) == wantedKey) {
      value = TrimBlanks(std::string_view(line).substr(equals + 1));
      return true;
    }
  }
  return false;
}

}  // namespace

Settings ParseSettings(const std::string& bytes) {
  Settings settings;
  const std::vector<std::string> lines = SplitLines(bytes);
  std::string plasma = "2";
  FindValue(lines, kGraphicsGroup, kPlasmaKey, plasma);
  settings.routePlasmaAmount = ReadInt(plasma);
  FindValue(lines, kNetworkGroup, kAccountKey, settings.myAccountId);
  return settings;
}

void LoadSettings(Settings& settings, const std::filesystem::path& file) {
  if (auto bytes = ReadFileBytes(file)) settings = ParseSettings(*bytes);
}

std::string FormatSettings(const Settings& settings) {
  std::string out;
  AppendLine(out, std::string("[") + kGraphicsGroup + "]");
  AppendLine(out, "; Menge der Routenplasma-Effektelemente {LONG}");
  AppendLine(out, std::string(kPlasmaKey) + " = " + FormatInt(settings.routePlasmaAmount));
  AppendLine(out, std::string("[") + kNetworkGroup + "]");
  AppendLine(out, "; Account-ID auf dem Server {STRING}");
  AppendLine(out, std::string(kAccountKey) + " = " + settings.myAccountId);
  return out;
}

bool SaveSettings(const Settings& settings, const std::filesystem::path& file) {
  return WriteFileAtomically(file, FormatSettings(settings)).ok;
}
