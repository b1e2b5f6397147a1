#include <QPlainTextEdit>

#include "sysedit/document/edits.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"

namespace {

// The box holds LF between lines; the note files and the document hold CR LF.
std::string NoteFromBox(const QPlainTextEdit* box) {
  return ToLatin1(box->toPlainText().replace(QChar('\n'), QStringLiteral("\r\n")));
}

// Text the files cannot hold is marked and kept in the box only: the document (and so a save)
// never gets a replacement character for it.
bool MarkUnstorable(QPlainTextEdit* box) {
  const QString characters = UnstorableCharacters(box->toPlainText());
  MarkField(box, !characters.isEmpty(), UnstorableText(characters));
  return characters.isEmpty();
}

void ShowNote(QPlainTextEdit* box, const std::string& note) {
  if (MarkUnstorable(box) && NoteFromBox(box) == note) return;  // keeps the cursor while typing
  QString text = FromLatin1(note);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  const QSignalBlocker blocker(box);
  box->setPlainText(text);
  MarkUnstorable(box);
}

QPlainTextEdit* PutNoteBox(EditorApp& app, QWidget* page, int y, NoteKind kind) {
  auto* box = new QPlainTextEdit(page);
  box->setGeometry(10, y, 465, 180);
  box->setUndoRedoEnabled(false);  // undo goes through the document, with every other edit
  QObject::connect(box, &QPlainTextEdit::textChanged, box, [&app, box, kind] {
    if (MarkUnstorable(box)) SetNote(app.document, kind, NoteFromBox(box));
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

std::vector<QString> UnstorableNotes(const EditorApp& app) {
  std::vector<QString> refusals;
  const std::pair<const char*, const QPlainTextEdit*> boxes[] = {
      {"Informationen über Gruppen", app.notes.groups},
      {"Informationen über Waren", app.notes.goods}};
  for (const auto& [label, box] : boxes) {
    const QString characters = UnstorableCharacters(box->toPlainText());
    if (characters.isEmpty()) continue;
    refusals.push_back(QString::fromUtf8("„%1“ (Infos (Text)): ").arg(QString::fromUtf8(label)) +
                       UnstorableText(characters));
  }
  return refusals;
}

void RefreshNotes(EditorApp& app) {
  ShowNote(app.notes.groups, app.document.groupNotes);
  ShowNote(app.notes.goods, app.document.goodsNotes);
}
