#include "game/shell/game.h"

#include <unistd.h>

#include <cstdlib>
#include <system_error>

#include "formats/latin1.h"

std::filesystem::path GameFile(const Game& game, std::string_view dataPath) {
  return DataPath(game.folder, dataPath);
}

std::filesystem::path FindGameFolder() {
  if (const char* home = std::getenv("VELMARITH_HOME"); home && *home) {
    return std::filesystem::path(home);
  }
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (!error) return program.parent_path();
  return std::filesystem::current_path();
}
