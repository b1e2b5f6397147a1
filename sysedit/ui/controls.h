#pragma once

// Small helpers that place controls at fixed pixel positions, as the editor's layout is given,
// and convert between the document's Latin-1 bytes and Qt's strings.

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include <QString>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTreeWidget;
class QWidget;

inline QString FromLatin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) {
  const QByteArray bytes = text.toLatin1();
  return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

// `text` is UTF-8 source text.
QGroupBox* PutFrame(QWidget* parent, const char* text, int x, int y, int width, int height);
QLabel* PutLabel(QWidget* parent, const char* text, int x, int y, int width, int height);
// A label standing right-aligned left of a field at (fieldX, y).
QLabel* PutFieldLabel(QWidget* parent, const char* text, int fieldX, int y, int width = 60);
QLineEdit* PutField(QWidget* parent, int x, int y, int width = 70, int height = 20);
QComboBox* PutChoice(QWidget* parent, int x, int y, int width);
QPushButton* PutButton(QWidget* parent, const char* text, int x, int y, int width, int height);
QListWidget* PutList(QWidget* parent, int x, int y, int width, int height);
// A multi-column list with whole-row selection; columns are (title, width).
QTreeWidget* PutColumns(QWidget* parent, int x, int y, int width, int height,
                        std::initializer_list<std::pair<const char*, int>> columns);

// Marks a field whose text cannot be taken (red background and a tooltip saying why).
void MarkField(QWidget* field, bool bad, const QString& why);
void MarkField(QWidget* field, bool bad, const char* why);

// The characters of the text that the files' 8-bit character set cannot hold, each once, in
// order; empty when every character fits.
QString UnstorableCharacters(const QString& text);
// Why such text is refused (UTF-8), naming the characters.
QString UnstorableText(const QString& characters);

// Fills a choice box with Latin-1 items and no selection.
void FillChoice(QComboBox* choice, const std::vector<std::string>& items);
// Selects the item of that text; a text the box does not list (a group unknown to the
// catalogue) is added as an extra item so that it survives an "Ändern", until the next call
// drops it. An empty text leaves nothing selected.
void SetChoiceText(QComboBox* choice, const QString& text);
// The selected item's text as Latin-1, empty when nothing is selected.
std::string ChoiceText(const QComboBox* choice);

enum class NumberForm { kInteger, kDecimal };
// Checks an enabled field: empty or a number of the form that fits `maxLength` characters.
// Marks the field when it is not; returns whether it is fine.
bool CheckNumberField(QLineEdit* field, NumberForm form, int maxLength = 11);
// Checks an enabled integer field: empty or an integer in low..high. Marks the field when not.
bool CheckIntField(QLineEdit* field, int low, int high);
// The field's number (trimmed; empty or malformed text gives 0).
int FieldInt(const QLineEdit* field);
double FieldDecimal(const QLineEdit* field);
