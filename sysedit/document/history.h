#pragma once

// Undo and redo: every change of the document is one small command that knows how to apply and
// revert itself. Loading replaces the document and starts a new history.

#include <functional>
#include <string>
#include <vector>

struct EditorDocument;

// Which parts of the document a command touches, so that views refresh only those.
enum DocumentPart : unsigned {
  kPartElements = 1u << 0,
  kPartPlaces = 1u << 1,
  kPartPeople = 1u << 2,
  kPartRoutes = 1u << 3,
  kPartNotes = 1u << 4,
  kPartAll = 0xffu,
};

struct EditCommand {
  std::string text;      // what the menu says, e.g. "Element hinzufügen" (Latin-1)
  std::string mergeKey;  // consecutive commands with the same non-empty key fold into one
  unsigned parts = 0;
  std::function<void(EditorDocument&)> apply;
  std::function<void(EditorDocument&)> revert;
};

struct EditHistory {
  std::vector<EditCommand> done;
  std::vector<EditCommand> undone;
  // Depth of `done` that matches the files on disk; -1 when no reachable state does.
  int savedDepth = 0;
};

// Applies the command and records it. Returns the parts it touched.
unsigned Execute(EditorDocument& document, EditCommand command);
// Revert the newest command / apply the newest reverted one; 0 when there was none.
unsigned Undo(EditorDocument& document);
unsigned Redo(EditorDocument& document);
bool CanUndo(const EditorDocument& document);
bool CanRedo(const EditorDocument& document);
std::string UndoText(const EditorDocument& document);
std::string RedoText(const EditorDocument& document);

// A fresh history whose current state is (or is not) what the files on disk hold.
void ResetHistory(EditorDocument& document, bool matchesDisk);
void MarkSaved(EditorDocument& document);
// After a failed save: no state the history can reach is known to match the files.
void MarkUnsaved(EditorDocument& document);
bool IsModified(const EditorDocument& document);
