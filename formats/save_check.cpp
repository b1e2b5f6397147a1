#include "formats/save_check.h"

#include <system_error>

#include "formats/group_catalogue.h"
#include "formats/latin1.h"
#include "formats/place_scan.h"

UniverseShape LoadUniverseShape(const std::filesystem::path& gameFolder) {
  return {.groupCount = LoadGroups(DataPath(gameFolder, "INI\\Gruppen.ini")).groupCount,
          .placeCount = static_cast<int>(ScanPlaces(gameFolder / "INI").size())};
}

SaveCheck CheckSaveFile(std::string_view bytes, const UniverseShape& shape) {
  SaveRead read = ReadSavedGame(bytes, shape);
  return {.fits = read.ok, .reason = std::move(read.error)};
}

SaveCheck CheckSaveFile(std::string_view bytes, const std::filesystem::path& gameFolder) {
  std::error_code error;
  if (!std::filesystem::is_directory(gameFolder / "INI", error)) {
    return {.fits = false, .reason = gameFolder.string() + " holds no INI folder, so no universe"};
  }
  return CheckSaveFile(bytes, LoadUniverseShape(gameFolder));
}
