#pragma once

// "Laden", "Altes Laden" and "Speichern" of one system folder below the editor's folder.

#include <filesystem>
#include <string>
#include <vector>

#include "formats/read_issues.h"

struct EditorDocument;
struct EditorCatalogues;
struct ElementRecord;

struct LoadOutcome {
  bool systemFileFound = false;
  std::vector<std::string> notes;  // "file:line: message" of irregular lines (Latin-1, German)
  // Docking rings whose names are no plain file names (Latin-1): kept, but not saved as they are.
  std::vector<std::string> badPlaceNames;
};

// Adds the reader's issues with one file to the load notes, in German: "file:line: message".
void CollectReadIssues(LoadOutcome& outcome, const std::string& file, const ReadIssues& issues);

// What a loaded element tells the author before it can be saved or flown: a docking ring's name
// that is no plain file name (into badPlaceNames) or longer than the person column, a route
// longer than the game lays. `line` is the element's first line in System.ini.
void NoteElementLimits(LoadOutcome& outcome, const ElementRecord& element, int line);

// Replaces the lists and notes by the system's files; the loaded state counts as saved.
LoadOutcome LoadSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName);

// Reads the older layout: replaces only the elements and adds the old-layout places to the
// places already held; routes, people and notes stay. The result counts as unsaved.
LoadOutcome LoadOldSystem(EditorDocument& document, const EditorCatalogues& catalogues,
                          const std::filesystem::path& folder, const std::string& systemName);

struct SaveOutcome {
  bool ok = true;
  bool refused = false;             // nothing was written: the document cannot be stored as it is
  std::vector<std::string> errors;  // German sentences (UTF-8): each refusal or failed file
};

// Refuses, writing nothing, a document with a place name that is no plain file name or a fixed
// column that would overflow (SaveRefusals). Otherwise writes System.ini, Routen.ini,
// Orte\<place>.ini and the two notes, each file atomically, and in the folder the document came
// from removes the files of place names renamed away that no place uses any more. Every file is
// attempted; the document counts as saved only when all were written, and as unsaved after any
// failure.
SaveOutcome SaveSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName);

// The folder of a system below the editor's folder.
std::filesystem::path SystemFolder(const std::filesystem::path& folder,
                                   const std::string& systemName);
