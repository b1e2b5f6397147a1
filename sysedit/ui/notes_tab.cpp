#include <QPlainTextEdit>

#include "sysedit/document/edits.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"

namespace {

// The box holds LF between lines; the note files and the document hold CR LF.
std::string NoteFromBox(const QPlainTextEdit* box) {
  return ToLatin1(box->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
}

void ShowNote(QPlainTextEdit* box, const std::string& note) {
  if (NoteFromBox(box) == note) return;  // keeps the cursor while the author types
  QString text = FromLatin1(note);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QSignalBlocker blocker(box);
  box->setPlainText(text);
}

QPlainTextEdit* PutNoteBox(EditorApp& app, QWidget* page, int y, NoteKind kind) {
  auto* box = new QPlainTextEdit(page);
  box->setGeometry(10, y, 465, 180);
  box->setUndoRedoEnabled(false);  // undo goes through the document, with every other edit
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [&app, box, kind] {
    SetNote(app.document, kind, NoteFromBox(box));
    AfterControlChange(app);
  });
  return box;
}

}  // namespace

void BuildNotesTab(EditorApp& app, QWidget* page) {
  PutFrame(page, "Wichtige Textinfos für das System", 5, 5, 475, 455);
  PutLabel(page, "Informationen über Gruppen", 10, 40, 400, 20);
  app.notes.groups = PutNoteBox(app, page, 60, NoteKind::kGroups);
  PutLabel(page, "Informationen über Waren", 10, 250, 400, 20);
  app.notes.goods = PutNoteBox(app, page, 270, NoteKind::kGoods);
}

void RefreshNotes(EditorApp& app) {
  ShowNote(app.notes.groups, app.document.groupNotes);
  ShowNote(app.notes.goods, app.document.goodsNotes);
}
