#include "game/net/unsent_game.h"

#include <cctype>
#include <chrono>
#include <ctime>
#include <system_error>

#include "formats/file_io.h"
#include "formats/save_file.h"
#include "formats/text_rules.h"
#include "game/save/save_game.h"

namespace fs = std::filesystem;

namespace {

fs::path MarkerPath(const fs::path& gameFolder) {
  return SaveFilePath(gameFolder, kNetworkSaveName).replace_extension(".offen");
}

// A character's name as part of a file name: letters, digits, blanks, '-' and '_' stay (8-bit
// letters too), everything else becomes '_'.
std::string SafeFileName(const std::string& name) {
  std::string safe;
  for (char c : TrimBlanks(name)) {
    const auto u = static_cast<unsigned char>(c);
    const bool plain = std::isalnum(u) || c == ' ' || c == '-' || c == '_' || u >= 0xC0;
    safe += plain ? c : '_';
  }
  if (safe.empty() || safe.size() > 64) safe = safe.empty() ? "_" : safe.substr(0, 64);
  return safe;
}

}  // namespace

void MarkGameUnsent(const fs::path& gameFolder, const std::string& character) {
  WriteFileAtomically(MarkerPath(gameFolder), character);
}

void MarkGameSent(const fs::path& gameFolder) {
  std::error_code ignored;
  fs::remove(MarkerPath(gameFolder), ignored);
}

std::optional<fs::path> KeepUnsentGame(const fs::path& gameFolder, bool& ok) {
  ok = true;
  const std::optional<std::string> character = ReadFileBytes(MarkerPath(gameFolder));
  if (!character) return std::nullopt;
  const std::optional<std::string> game = ReadFileBytes(SaveFilePath(gameFolder, kNetworkSaveName));
  if (!game) {
    MarkGameSent(gameFolder);  // nothing there to lose
    return std::nullopt;
  }
  const fs::path kept = KeptGamePath(gameFolder, *character);
  if (!WriteFileAtomically(kept, *game).ok) {
    ok = false;
    return std::nullopt;
  }
  MarkGameSent(gameFolder);
  return kept;
}

fs::path KeptGamePath(const fs::path& gameFolder, const std::string& character) {
  return SaveFilePath(gameFolder, kNetworkSaveName).parent_path() /
         (SafeFileName(character) + ".ungesendet");
}

std::optional<KeptGame> FindKeptGame(const fs::path& gameFolder, const std::string& character) {
  const fs::path path = KeptGamePath(gameFolder, character);
  std::error_code error;
  const fs::file_time_type written = fs::last_write_time(path, error);
  if (error) return std::nullopt;
  // The file clock's epoch is its own: the age of the file, taken from now.
  const auto system = std::chrono::time_point_cast<std::chrono::system_clock::duration>(
      std::chrono::system_clock::now() + (written - fs::file_time_type::clock::now()));
  const std::time_t seconds = std::chrono::system_clock::to_time_t(system);
  std::tm local{};
  localtime_r(&seconds, &local);
  char text[32];
  std::strftime(text, sizeof text, "%d.%m.%Y %H:%M", &local);
  return KeptGame{path, text};
}
