#include "sysedit/ui/parameter_panel.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>

#include "formats/text_rules.h"
#include "sysedit/ui/controls.h"

const KindGroup* ChosenKind(const ParameterPanel& panel) {
  const int row = panel.kinds->currentRow();
  const auto& kinds = panel.defs->groups;
  return row >= 0 && row < static_cast<int>(kinds.size()) ? &kinds[row] : nullptr;
}

std::string ChosenTypeName(const ParameterPanel& panel) {
  const QListWidgetItem* type = panel.types->currentItem();
  return type && type->isSelected() ? ToLatin1(type->text()) : std::string();
}

void ChooseKind(ParameterPanel& panel) {
  const KindGroup* kind = ChosenKind(panel);
  panel.mask = kind ? kind->mask : std::string(panel.fields.size(), '0');
  for (size_t k = 0; k < panel.fields.size(); ++k) {
    QWidget* field = panel.fields[k];
    field->setEnabled(MaskUses(panel, static_cast<int>(k)));
    if (auto* edit = qobject_cast<QLineEdit*>(field)) {
      const QSignalBlocker blocker(edit);
      edit->clear();
    } else if (auto* choice = qobject_cast<QComboBox*>(field)) {
      SetChoiceText(choice, QString());
    }
  }
  const QSignalBlocker blocker(panel.types);
  panel.types->clear();
  if (!kind) return;
  for (size_t e = 0; e < kind->types.size() && e < panel.maxTypes; ++e) {
    if (kind->types[e].name.empty()) break;
    panel.types->addItem(FromLatin1(kind->types[e].name));
  }
}

void ResetPanel(ParameterPanel& panel) {
  {
    const QSignalBlocker blocker(panel.kinds);
    panel.kinds->setCurrentRow(-1);
    panel.kinds->clearSelection();
  }
  ChooseKind(panel);
  panel.mask.clear();
  for (QWidget* field : panel.fields) field->setEnabled(true);
}

bool MaskUses(const ParameterPanel& panel, int k) {
  return k >= 0 && k < static_cast<int>(panel.mask.size()) && panel.mask[k] == '1';
}

namespace {

bool FieldEmpty(const QWidget* field) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
    return TrimBlanks(ToLatin1(edit->text())).empty();
  }
  return static_cast<const QComboBox*>(field)->currentIndex() < 0;
}

}  // namespace

bool MaskedFieldsFilled(const ParameterPanel& panel) {
  return !panel.mask.empty() && UnfilledFields(panel).isEmpty();
}

QString UnfilledFields(const ParameterPanel& panel) {
  QStringList unfilled;
  for (size_t k = 0; k < panel.fields.size(); ++k) {
    if (MaskUses(panel, static_cast<int>(k)) && FieldEmpty(panel.fields[k])) {
      unfilled << QString::fromUtf8(k < panel.labels.size() ? panel.labels[k] : "?");
    }
  }
  return unfilled.join(", ");
}

void ShowKind(ParameterPanel& panel, const std::string& kindName, const std::string& typeName) {
  {
    const QSignalBlocker blocker(panel.kinds);
    panel.kinds->setCurrentRow(KindGroupIndex(*panel.defs, kindName));
  }
  ChooseKind(panel);
  int position = -1;
  for (const KindGroup& kind : panel.defs->groups) {
    for (size_t e = 0; e < kind.types.size(); ++e) {
      if (kind.types[e].name == typeName) position = static_cast<int>(e);
    }
  }
  const QSignalBlocker blocker(panel.types);
  panel.types->setCurrentRow(position < panel.types->count() ? position : -1);
}

void ShowFieldValue(QWidget* field, const std::string& text) {
  if (auto* edit = qobject_cast<QLineEdit*>(field)) {
    const QSignalBlocker blocker(edit);
    edit->setText(FromLatin1(text));
  } else {
    SetChoiceText(static_cast<QComboBox*>(field), FromLatin1(text));
  }
}

void ShowFieldValue(QWidget* field, int value) {
  ShowFieldValue(field, FormatInt(value));
}

void ShowFieldValue(QWidget* field, double value) {
  ShowFieldValue(field, FormatDecimal(value));
}

void ReadFieldValue(const QWidget* field, std::string& text) {
  if (const auto* edit = qobject_cast<const QLineEdit*>(field)) {
    // The files and the game trim their fields; a blank kept here would name another place file.
    text = TrimBlanks(ToLatin1(edit->text()));
  } else {
    text = ChoiceText(static_cast<const QComboBox*>(field));
  }
}

void ReadFieldValue(const QWidget* field, int& value) {
  value = FieldInt(static_cast<const QLineEdit*>(field));
}

void ReadFieldValue(const QWidget* field, double& value) {
  value = FieldDecimal(static_cast<const QLineEdit*>(field));
}
