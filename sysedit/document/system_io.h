#pragma once

// "Laden", "Altes Laden" and "Speichern" of one system folder below the editor's folder.

#include <filesystem>
#include <string>
#include <vector>

struct EditorDocument;
struct EditorCatalogues;

struct LoadOutcome {
  bool systemFileFound = false;
  std::vector<std::string> notes;  // "file:line: message" of irregular lines (Latin-1)
};

// Replaces the lists and notes by the system's files; the loaded state counts as saved.
LoadOutcome LoadSystem(EditorDocument& document, const EditorCatalogues& catalogues,
                       const std::filesystem::path& folder, const std::string& systemName);

// Reads the older layout: replaces only the elements and adds the old-layout places to the
// places already held; routes, people and notes stay. The result counts as unsaved.
LoadOutcome LoadOldSystem(EditorDocument& document, const EditorCatalogues& catalogues,
                          const std::filesystem::path& folder, const std::string& systemName);

struct SaveOutcome {
  bool ok = true;
  std::vector<std::string> errors;  // one per file that could not be written (UTF-8 paths)
};

// Writes System.ini, Routen.ini, Orte\<place>.ini and the two notes, each file atomically.
// Every file is attempted; the document counts as saved only when all were written.
SaveOutcome SaveSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName);

// The folder of a system below the editor's folder.
std::filesystem::path SystemFolder(const std::filesystem::path& folder,
                                   const std::string& systemName);
