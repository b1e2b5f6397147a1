#pragma once

// "Laden", "Altes Laden" and "Speichern" of one system folder below the editor's folder.

#include <filesystem>
#include <optional>
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

// Both loads begin so: an empty document for the system, and the bytes of its System.ini (none
// when it cannot be read).
std::optional<std::string> StartLoad(EditorDocument& document, const std::filesystem::path& folder,
                                     const std::string& systemName, LoadOutcome& outcome);

// Replaces the lists and notes by the system's files; the loaded state counts as saved.
LoadOutcome LoadSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName);

// Reads the older layout into an emptied document (the older layout has no routes, people or
// notes). The result counts as unsaved: the files are not yet in the layout the editor writes.
LoadOutcome LoadOldSystem(EditorDocument& document, const EditorCatalogues& catalogues,
                          const std::filesystem::path& folder, const std::string& systemName);

struct SaveOutcome {
  bool ok = true;
  bool refused = false;             // nothing was written: the document cannot be stored as it is
  std::vector<std::string> errors;  // German sentences (UTF-8): each refusal or failed file
  std::filesystem::path backupFolder;  // where another system's files went; empty for none
};

// Whether the folder holds a system of its own (System.ini, Routen.ini or an Orte folder).
bool HoldsSystem(const std::filesystem::path& folder, const std::string& systemName);

// Refuses, writing nothing, a document with a place name that is no plain file name or a fixed
// column that would overflow (SaveRefusals). Otherwise writes System.ini, Routen.ini,
// Orte\<place>.ini and the two notes: all to temporaries first, renamed over the old files only
// when every one was written, so that a failure before (or a kill) leaves the old system whole.
// In the folder the document came from it then removes the files of place names renamed away that
// no place uses any more; other files stay. Saved into another folder that holds a system (the
// author was asked), that system's files are first copied into a dated backup folder there, and
// its place files the save does not write are moved into it (system_backup.h). The document
// counts as saved only when all was written, and as unsaved after any failure.
SaveOutcome SaveSystem(EditorDocument& document, const std::filesystem::path& folder,
                       const std::string& systemName);

// Removes the temporaries that saves of editors no longer running left in the system folders
// below `folder` and in their Orte folders (a save killed before its renames); a running
// editor's are kept. Gives how many were removed.
int RemoveAbandonedSaveTemporaries(const std::filesystem::path& folder);

// The folder of a system below the editor's folder.
std::filesystem::path SystemFolder(const std::filesystem::path& folder,
                                   const std::string& systemName);
