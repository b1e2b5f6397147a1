#include "sysedit/document/history.h"

#include <utility>

#include "sysedit/document/document.h"

unsigned Execute(EditorDocument& document, EditCommand command) {
  EditHistory& history = document.history;
  command.apply(document);
  const unsigned parts = command.parts;
  history.undone.clear();
  const int depth = static_cast<int>(history.done.size());
  if (history.savedDepth > depth) history.savedDepth = -1;  // the saved state was undone away
  // Folding into the saved command would make the saved state unreachable by undo.
  const bool canMerge = !command.mergeKey.empty() && !history.done.empty() &&
                        history.done.back().mergeKey == command.mergeKey &&
                        history.savedDepth != depth;
  if (canMerge) {
    history.done.back().apply = std::move(command.apply);
  } else {
    history.done.push_back(std::move(command));
  }
  return parts;
}

namespace {

// Moves the newest command of `from` onto `to`, applying or reverting it on the way.
unsigned Step(EditorDocument& document, std::vector<EditCommand>& from,
              std::vector<EditCommand>& to, bool apply) {
  if (from.empty()) return 0;
  EditCommand command = std::move(from.back());
  from.pop_back();
  (apply ? command.apply : command.revert)(document);
  const unsigned parts = command.parts;
  to.push_back(std::move(command));
  return parts;
}

}  // namespace

unsigned Undo(EditorDocument& document) {
  return Step(document, document.history.done, document.history.undone, false);
}

unsigned Redo(EditorDocument& document) {
  return Step(document, document.history.undone, document.history.done, true);
}

bool CanUndo(const EditorDocument& document) {
  return !document.history.done.empty();
}
bool CanRedo(const EditorDocument& document) {
  return !document.history.undone.empty();
}

std::string UndoText(const EditorDocument& document) {
  return CanUndo(document) ? document.history.done.back().text : std::string();
}

std::string RedoText(const EditorDocument& document) {
  return CanRedo(document) ? document.history.undone.back().text : std::string();
}

void ResetHistory(EditorDocument& document, bool matchesDisk) {
  document.history.done.clear();
  document.history.undone.clear();
  document.history.savedDepth = matchesDisk ? 0 : -1;
}

void MarkSaved(EditorDocument& document) {
  document.history.savedDepth = static_cast<int>(document.history.done.size());
}

void MarkUnsaved(EditorDocument& document) {
  document.history.savedDepth = -1;
}

bool IsModified(const EditorDocument& document) {
  return document.history.savedDepth != static_cast<int>(document.history.done.size());
}
