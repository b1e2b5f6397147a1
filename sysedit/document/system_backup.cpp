#include "sysedit/document/system_backup.h"

#include <algorithm>
#include <ctime>
#include <system_error>

#include "formats/note_file.h"
#include "sysedit/document/issue_texts.h"

namespace {

namespace fs = std::filesystem;

std::string BackupName() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char text[64];
  std::strftime(text, sizeof text, "Sicherung %Y-%m-%d %H-%M-%S", &local);
  return text;
}

// The system's own files: what the editor writes into a system folder.
std::vector<fs::path> SystemFiles(const fs::path& systemFolder) {
  std::vector<fs::path> files;
  std::error_code error;
  for (const char* name : {"System.ini", "Routen.ini"}) files.push_back(systemFolder / name);
  files.push_back(systemFolder / std::string(kGroupNotesFile));
  files.push_back(systemFolder / std::string(kGoodsNotesFile));
  std::erase_if(files, [&](const fs::path& file) { return !fs::is_regular_file(file, error); });
  for (const auto& entry : fs::directory_iterator(systemFolder / "Orte", error)) {
    if (entry.is_regular_file(error) && entry.path().extension() == ".ini") {
      files.push_back(entry.path());
    }
  }
  return files;
}

}  // namespace

BackupPlan BackUpSystem(const fs::path& systemFolder, const std::vector<fs::path>& written) {
  BackupPlan plan;
  const std::vector<fs::path> files = SystemFiles(systemFolder);
  const std::string name = BackupName();
  plan.folder = systemFolder / name;
  std::error_code error;
  for (int n = 2; fs::exists(plan.folder, error); ++n) {
    plan.folder = systemFolder / (name + " (" + std::to_string(n) + ")");
  }
  fs::create_directories(plan.folder / "Orte", error);
  for (const fs::path& file : files) {
    if (error) break;
    const fs::path relative = fs::relative(file, systemFolder, error);
    if (!error) fs::copy_file(file, plan.folder / relative, error);
  }
  if (error) {
    plan.ok = false;
    plan.error = "Die Sicherung " + plan.folder.string() +
                 " lässt sich nicht anlegen: " + GermanSystemReason(error.message()) +
                 ". Es wurde nichts geschrieben.";
    return plan;
  }
  const fs::path places = systemFolder / "Orte";
  for (const fs::path& file : files) {
    if (file.parent_path() != places) continue;
    const bool kept = std::any_of(written.begin(), written.end(), [&](const fs::path& each) {
      return each.lexically_normal() == file.lexically_normal();
    });
    if (!kept) plan.leftovers.push_back(file);
  }
  return plan;
}

std::vector<std::string> RemoveBackedUpLeftovers(const BackupPlan& backup) {
  std::vector<std::string> errors;
  for (const fs::path& file : backup.leftovers) {
    std::error_code error;
    fs::remove(file, error);
    if (error) {
      errors.push_back("Die alte Ortsdatei " + file.string() +
                       " lässt sich nicht entfernen: " + GermanSystemReason(error.message()) +
                       " (eine Kopie liegt in " + backup.folder.string() + ")");
    }
  }
  return errors;
}
