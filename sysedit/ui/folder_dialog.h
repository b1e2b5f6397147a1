#pragma once

// The small modal dialogs "Speichern" and "Laden" that choose a system folder below the editor's
// folder.

#include <filesystem>
#include <string>
#include <vector>

class QWidget;

enum class FolderDialogKind { kSave, kLoad };

// The folders in `folder`, without "." and "..", as Latin-1 names sorted alphabetically (case
// aside), so that a row stays where it was when folders are added; names without a Latin-1 form
// are left out.
std::vector<std::string> ListSystemFolders(const std::filesystem::path& folder);

// Shows the dialog at the window's top-left corner, starting at `current` (Latin-1; the system
// being edited, empty for none) in the list and the text box. Returns the chosen or typed name
// (Latin-1), or an empty text when the dialog was closed.
std::string RunFolderDialog(QWidget* window, const std::filesystem::path& folder,
                            FolderDialogKind kind, const std::string& current);
