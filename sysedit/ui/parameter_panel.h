#pragma once

// A kind list with its type list and the fields that the chosen kind's parameter mask switches on
// and off: the element panel (groups, types, eight fields) and the person panel (main kinds, sub
// kinds, seven fields) follow one rule. The fields stand in the order of the record's fields
// after its two kind fields (group and type, main and sub kind), so a panel shows and reads a
// whole record field by field.

#include <string>

#include <QString>
#include <type_traits>
#include <vector>

#include "formats/kind_defs.h"
#include "formats/record_fields.h"

class QListWidget;
class QWidget;

struct ParameterPanel {
  QListWidget* kinds = nullptr;     // the kinds of `defs` in file order
  QListWidget* types = nullptr;     // the chosen kind's types
  const KindDefs* defs = nullptr;   // lives as long as the window
  size_t maxTypes = 0;              // types listed at most
  std::vector<QWidget*> fields;     // a QLineEdit or a QComboBox each, in mask order
  std::vector<const char*> labels;  // the fields' labels (UTF-8), in the same order
  std::string mask;                 // the chosen kind's; empty before any kind was chosen
};

// The record fields before the panel's: the kind and its type.
inline constexpr int kKindFields = 2;

// The kind of the kind list's current row; nullptr for none.
const KindGroup* ChosenKind(const ParameterPanel& panel);
// The selected type's name; empty for none.
std::string ChosenTypeName(const ParameterPanel& panel);

// A kind was chosen in the kind list (or none): the mask becomes its mask, or all "0" without
// one; each field is enabled where its mask character is "1" and disabled otherwise, and every
// field is emptied (a choice box loses its selection); the type list shows the kind's types in
// order, up to the first empty name or `maxTypes`.
void ChooseKind(ParameterPanel& panel);
bool MaskUses(const ParameterPanel& panel, int k);
// As at start-up: no kind chosen, no types listed, every field enabled and empty, no mask.
void ResetPanel(ParameterPanel& panel);
// Every field the mask switches on holds text other than blanks (a choice box: an entry is
// chosen); false before any kind was chosen.
bool MaskedFieldsFilled(const ParameterPanel& panel);
// The labels of the fields the mask switches on that are still empty, joined by ", ".
QString UnfilledFields(const ParameterPanel& panel);
// Selects the kind of that name (the last one) and then its type, whose position within its
// kind is found over every kind's types (the last match), and switches the fields as
// ChooseKind does.
void ShowKind(ParameterPanel& panel, const std::string& kindName, const std::string& typeName);

// One field's value: text into a line edit or as a choice box's entry, numbers as their text.
void ShowFieldValue(QWidget* field, const std::string& text);
void ShowFieldValue(QWidget* field, int value);
void ShowFieldValue(QWidget* field, double value);
// Text trimmed (a choice box: its entry, empty without one); numbers as FieldInt and
// FieldDecimal read them.
void ReadFieldValue(const QWidget* field, std::string& text);
void ReadFieldValue(const QWidget* field, int& value);
void ReadFieldValue(const QWidget* field, double& value);

// The record's kind and type into the lists, its other fields into the panel's fields.
template <class Record>
void ShowRecord(ParameterPanel& panel, const Record& record) {
  std::string kindName, typeName;
  int index = -kKindFields;
  ForEachField(record, [&](const char*, const auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      if (index == -2) kindName = value;
      if (index == -1) typeName = value;
    }
    ++index;
  });
  ShowKind(panel, kindName, typeName);
  index = -kKindFields;
  ForEachField(record, [&](const char*, const auto& value) {
    if (index >= 0) ShowFieldValue(panel.fields[index], value);
    ++index;
  });
}

// The record the panel shows: the chosen kind and type (empty when none) and the fields.
template <class Record>
void ReadRecord(const ParameterPanel& panel, Record& record) {
  const KindGroup* kind = ChosenKind(panel);
  int index = -kKindFields;
  ForEachField(record, [&](const char*, auto& value) {
    if constexpr (std::is_same_v<std::decay_t<decltype(value)>, std::string>) {
      if (index == -2) value = kind ? kind->name : std::string();
      if (index == -1) value = ChosenTypeName(panel);
    }
    if (index >= 0) ReadFieldValue(panel.fields[index], value);
    ++index;
  });
}
