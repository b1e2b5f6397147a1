// velmarith-data template <file.sav> <game folder>: makes a saved game the template that every
// new character of the game server starts with, SAVE\Neuer Charakter.sav of the game folder. The
// game itself never writes that file (its save screen and F5 refuse the name), so a new template
// is always made on purpose, here, and only from a save that fits the folder's universe.
#include <filesystem>
#include <optional>
#include <string>

#include "formats/file_io.h"
#include "formats/latin1.h"
#include "formats/save_check.h"
#include "formats/save_file.h"
#include "tools/velmarith-data/commands.h"

namespace fs = std::filesystem;

int RunTemplateCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: velmarith-data template <file.sav> <game folder>\n";
    return 2;
  }
  const fs::path file = args[0];
  const fs::path folder = args[1];
  const std::optional<std::string> bytes = ReadFileBytes(file);
  if (!bytes) {
    err << "velmarith-data template: cannot read " << file.string() << "\n";
    return 2;
  }
  const SaveCheck check = CheckSaveFile(*bytes, folder);
  if (!check.fits) {
    err << "velmarith-data template: " << file.string() << " does not fit the universe of "
        << folder.string() << ": " << Latin1ToUtf8(check.reason) << "\n";
    return 1;
  }
  const fs::path target = DataPath(folder, SaveDataPath(kNewCharacterSaveName));
  WriteResult written = EnsureFolder(target.parent_path());
  // A running server may be reading the template: the old one is replaced whole, never torn.
  if (written.ok) written = WriteFileAtomically(target, *bytes);
  if (!written.ok) {
    err << "velmarith-data template: " << written.message << "\n";
    return 1;
  }
  out << "written: " << target.string() << "\n";
  return 0;
}
