#include "sysedit/ui/controls.h"

#include "formats/text_rules.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

QGroupBox* PutFrame(QWidget* parent, const char* text, int x, int y, int width, int height) {
  auto* frame = new QGroupBox(QString::fromUtf8(text), parent);
  frame->setGeometry(x, y, width, height);
  frame->lower();  // controls are its siblings, placed over it
  return frame;
}

QLabel* PutLabel(QWidget* parent, const char* text, int x, int y, int width, int height) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  label->setGeometry(x, y, width, height);
  return label;
}

QLabel* PutFieldLabel(QWidget* parent, const char* text, int fieldX, int y, int width) {
  QLabel* label = PutLabel(parent, text, fieldX - width - 4, y, width, 20);
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QLineEdit* PutField(QWidget* parent, int x, int y, int width, int height) {
  auto* field = new QLineEdit(parent);
  field->setGeometry(x, y, width, height);
  return field;
}

QComboBox* PutChoice(QWidget* parent, int x, int y, int width) {
  auto* choice = new QComboBox(parent);
  choice->setGeometry(x, y, width, 20);
  choice->setMaxVisibleItems(20);
  return choice;
}

QPushButton* PutButton(QWidget* parent, const char* text, int x, int y, int width, int height) {
  auto* button = new QPushButton(QString::fromUtf8(text), parent);
  button->setGeometry(x, y, width, height);
  return button;
}

QListWidget* PutList(QWidget* parent, int x, int y, int width, int height) {
  auto* list = new QListWidget(parent);
  list->setGeometry(x, y, width, height);
  return list;
}

QTreeWidget* PutColumns(QWidget* parent, int x, int y, int width, int height,
                        std::initializer_list<std::pair<const char*, int>> columns) {
  auto* list = new QTreeWidget(parent);
  list->setGeometry(x, y, width, height);
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setSelectionBehavior(QAbstractItemView::SelectRows);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setAllColumnsShowFocus(true);
  QStringList titles;
  for (const auto& column : columns) titles << QString::fromUtf8(column.first);
  list->setColumnCount(static_cast<int>(titles.size()));
  list->setHeaderLabels(titles);
  int i = 0;
  for (const auto& column : columns) list->setColumnWidth(i++, column.second);
  list->header()->setStretchLastSection(true);
  return list;
}

void MarkField(QWidget* field, bool bad, const QString& why) {
  field->setToolTip(bad ? why : QString());  // the reason may change
  if (bad == field->property("bad").toBool()) return;
  field->setProperty("bad", bad);
  const QString style =
      QString("%1 { background: #ffd0d0; }").arg(field->metaObject()->className());
  field->setStyleSheet(bad ? style : QString());
}

void MarkField(QWidget* field, bool bad, const char* why) {
  MarkField(field, bad, QString::fromUtf8(why));
}

QString UnstorableCharacters(const QString& text) {
  QString found;
  for (const QChar c : text) {
    if (c.unicode() > 0xff && !found.contains(c)) found += c;
  }
  return found;
}

QString UnstorableText(const QString& characters) {
  QStringList each;
  for (const QChar c : characters) each << QString(c);
  return QString::fromUtf8("Diese Zeichen kann eine Datei des Spiels nicht halten: ") +
         each.join(" ") + QString::fromUtf8(" (Latin-1 hat sie nicht).");
}

void FillChoice(QComboBox* choice, const std::vector<std::string>& items) {
  const QSignalBlocker blocker(choice);
  choice->clear();
  for (const std::string& item : items) choice->addItem(FromLatin1(item));
  choice->setCurrentIndex(-1);
}

namespace {

// Marks the items that SetChoiceText added for a text the box does not list.
constexpr int kExtraItemRole = Qt::UserRole + 1;

}  // namespace

void SetChoiceText(QComboBox* choice, const QString& text) {
  const QSignalBlocker blocker(choice);
  for (int i = choice->count() - 1; i >= 0; --i) {
    if (choice->itemData(i, kExtraItemRole).toBool()) choice->removeItem(i);
  }
  if (text.isEmpty()) {
    choice->setCurrentIndex(-1);
    return;
  }
  int index = choice->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (index < 0) {
    choice->addItem(text);
    index = choice->count() - 1;
    choice->setItemData(index, true, kExtraItemRole);
  }
  choice->setCurrentIndex(index);
}

std::string ChoiceText(const QComboBox* choice) {
  return choice->currentIndex() < 0 ? std::string() : ToLatin1(choice->currentText());
}

bool CheckNumberField(QLineEdit* field, NumberForm form, int maxLength) {
  const std::string text = TrimBlanks(ToLatin1(field->text()));
  bool ok = text.empty() || static_cast<int>(text.size()) <= maxLength;
  if (ok && !text.empty())
    ok = form == NumberForm::kInteger ? IsStrictInt(text) : IsStrictDecimal(text);
  if (!field->isEnabled()) ok = true;
  MarkField(field, !ok,
            form == NumberForm::kInteger ? "Hier gehört eine ganze Zahl hin (z. B. -250)."
                                         : "Hier gehört eine Zahl hin (z. B. 1.5).");
  return ok;
}

bool CheckIntField(QLineEdit* field, int low, int high) {
  const std::string text = TrimBlanks(ToLatin1(field->text()));
  bool ok = text.empty() || (IsStrictInt(text) && ReadInt(text) >= low && ReadInt(text) <= high);
  if (!field->isEnabled()) ok = true;
  const QString why =
      QString::fromUtf8("Hier gehört eine ganze Zahl von %1 bis %2 hin.").arg(low).arg(high);
  MarkField(field, !ok, why.toUtf8().constData());
  return ok;
}

int FieldInt(const QLineEdit* field) {
  return ReadInt(ToLatin1(field->text()));
}

double FieldDecimal(const QLineEdit* field) {
  return ReadDecimal(ToLatin1(field->text()));
}
