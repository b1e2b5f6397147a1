#pragma once

// The small modal dialogs "Speichern" and "Laden" that choose a system folder below the editor's
// folder.

#include <filesystem>
#include <string>
#include <vector>

class QWidget;

enum class FolderDialogKind { kSave, kLoad };

// The folder entries of `folder` in the order the file system returns them, without "." and
// "..", as Latin-1 names; entries whose names have no Latin-1 form are left out.
std::vector<std::string> ListSystemFolders(const std::filesystem::path& folder);

// Shows the dialog at the window's top-left corner. Returns the chosen or typed name (Latin-1),
// or an empty text when the dialog was closed.
std::string RunFolderDialog(QWidget* window, const std::filesystem::path& folder,
                            FolderDialogKind kind);
