#include "game/save/save_list.h"

#include <system_error>

#include "formats/latin1.h"

void ListSaveGames(CursorList<std::string>& names, const std::filesystem::path& saveFolder) {
  names.Clear();
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(saveFolder, error)) {
    if (!entry.is_regular_file(error)) continue;
    const std::string name = Utf8ToLatin1(entry.path().filename().string());
    if (name.size() < 4 || name.compare(name.size() - 4, 4, ".sav") != 0) continue;
    if (name == "InternetFile.sav" || name == "Neuer Charakter.sav") continue;
    names.Add(name.substr(0, name.size() - 4));
  }
}
