#include "tools/mkassets/template_save.h"

#include <stdexcept>

#include "formats/file_io.h"
#include "formats/free_game.h"
#include "formats/save_file.h"

void GenerateTemplateSave(AssetSink& sink) {
  const SaveBytes save = WriteSavedGame(LoadFreeGameSave(sink.gameDir));
  const std::string dataPath = SaveDataPath(kNewCharacterSaveName);
  if (!save.ok) throw std::runtime_error(dataPath + ": " + save.error);
  // A server may be reading the template while the folder is regenerated: replace it whole.
  const std::filesystem::path path = GamePath(sink, dataPath);
  if (const WriteResult folder = EnsureFolder(path.parent_path()); !folder.ok) {
    throw std::runtime_error(folder.message);
  }
  if (const WriteResult written = WriteFileAtomically(path, save.bytes); !written.ok) {
    throw std::runtime_error(written.message);
  }
  sink.writtenFiles.push_back(dataPath);
}
