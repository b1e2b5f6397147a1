#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

#include "formats/text_rules.h"
#include "sysedit/document/edits.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"

namespace {

// Parameters 1..8 in mask order: Name, Gruppe, X-Pos., Y-Pos., Richtung, Rotation, Radius, Länge.
QWidget* Parameter(const ElementsTab& tab, int k) {
  QWidget* fields[8] = {tab.name,      tab.group,    tab.x,      tab.y,
                        tab.direction, tab.rotation, tab.radius, tab.length};
  return fields[k];
}

bool MaskUses(const std::string& mask, int k) {
  return k < static_cast<int>(mask.size()) && mask[k] == '1';
}

const KindGroup* ChosenGroup(const EditorApp& app) {
  const int row = app.elements.groupList->currentRow();
  const auto& groups = app.catalogues.elementDefs.groups;
  return row >= 0 && row < static_cast<int>(groups.size()) ? &groups[row] : nullptr;
}

// Choosing an element group: the mask switches the fields on or off and empties them all, and
// the type list shows the group's types.
void ChooseGroup(EditorApp& app) {
  ElementsTab& tab = app.elements;
  const KindGroup* group = ChosenGroup(app);
  tab.mask = group ? group->mask : std::string("00000000");
  for (int k = 0; k < 8; ++k) {
    Parameter(tab, k)->setEnabled(MaskUses(tab.mask, k));
    if (auto* field = qobject_cast<QLineEdit*>(Parameter(tab, k))) {
      const QSignalBlocker blocker(field);
      field->clear();
    }
  }
  SetChoiceText(tab.group, QString(), static_cast<int>(app.catalogues.groupChoices.size()));
  const QSignalBlocker blocker(tab.typeList);
  tab.typeList->clear();
  if (!group) return;
  for (size_t e = 0; e < group->types.size() && e < kMaxElementTypes; ++e) {
    if (group->types[e].name.empty()) break;
    tab.typeList->addItem(FromLatin1(group->types[e].name));
  }
}

// The type's position within its group; the name is looked up over every group, last match.
int TypePosition(const KindDefs& defs, const std::string& typeName) {
  int position = -1;
  for (const KindGroup& group : defs.groups) {
    for (size_t e = 0; e < group.types.size(); ++e) {
      if (group.types[e].name == typeName) position = static_cast<int>(e);
    }
  }
  return position;
}

void ShowElement(EditorApp& app, const EditorElement& element) {
  ElementsTab& tab = app.elements;
  {
    const QSignalBlocker blocker(tab.groupList);
    tab.groupList->setCurrentRow(KindGroupIndex(app.catalogues.elementDefs, element.elementGroup));
  }
  ChooseGroup(app);
  const int type = TypePosition(app.catalogues.elementDefs, element.elementType);
  {
    const QSignalBlocker blocker(tab.typeList);
    tab.typeList->setCurrentRow(type < tab.typeList->count() ? type : -1);
  }
  const std::pair<QLineEdit*, QString> values[] = {
      {tab.name, FromLatin1(element.name)},
      {tab.x, QString::number(element.x)},
      {tab.y, QString::number(element.y)},
      {tab.direction, QString::number(element.direction)},
      {tab.rotation, FromLatin1(FormatDecimal(element.rotation))},
      {tab.radius, QString::number(element.radius)},
      {tab.length, QString::number(element.length)},
  };
  for (const auto& [field, text] : values) {
    const QSignalBlocker blocker(field);
    field->setText(text);
  }
  SetChoiceText(tab.group, FromLatin1(element.groupName),
                static_cast<int>(app.catalogues.groupChoices.size()));
}

EditorElement ElementFromPanel(const EditorApp& app) {
  const ElementsTab& tab = app.elements;
  EditorElement element;
  if (const KindGroup* group = ChosenGroup(app)) element.elementGroup = group->name;
  if (QListWidgetItem* type = tab.typeList->currentItem(); type && type->isSelected()) {
    element.elementType = ToLatin1(type->text());
  }
  element.name = ToLatin1(tab.name->text());
  element.groupName = ChoiceText(tab.group);
  element.x = FieldInt(tab.x);
  element.y = FieldInt(tab.y);
  element.direction = FieldInt(tab.direction);
  element.rotation = FieldDecimal(tab.rotation);
  element.radius = FieldInt(tab.radius);
  element.length = FieldInt(tab.length);
  element.colour =
      ElementColour(app.catalogues.elementDefs, element.elementGroup, element.elementType);
  return element;
}

// Number fields hold numbers; a docking ring's name becomes a file name.
bool PanelValid(EditorApp& app) {
  ElementsTab& tab = app.elements;
  bool ok = true;
  for (QLineEdit* field : {tab.x, tab.y, tab.direction, tab.radius, tab.length}) {
    ok = CheckNumberField(field, NumberForm::kInteger) && ok;
  }
  ok = CheckNumberField(tab.rotation, NumberForm::kDecimal, 20) && ok;
  const QString name = tab.name->text();
  bool nameOk = true;
  for (const QChar c : name) nameOk = nameOk && c.unicode() >= 0x20 && c.unicode() <= 0xff;
  const KindGroup* group = ChosenGroup(app);
  if (group && group->name == kDockingRingGroup) {
    nameOk = nameOk && !name.contains('/') && !name.contains('\\') && name != "." && name != "..";
  }
  MarkField(tab.name, !nameOk,
            "Der Name darf nur Zeichen aus Latin-1 enthalten; der Name eines Andockrings "
            "ist ein Dateiname (kein / oder \\).");
  return ok && nameOk;
}

void Connect(EditorApp& app) {
  ElementsTab& tab = app.elements;
  QObject::connect(tab.groupList, &QListWidget::currentRowChanged, tab.groupList, [&app] {
    ChooseGroup(app);
    AfterControlChange(app);
  });
  QObject::connect(tab.typeList, &QListWidget::currentRowChanged, tab.typeList,
                   [&app] { AfterControlChange(app); });
  for (QLineEdit* field :
       {tab.name, tab.x, tab.y, tab.direction, tab.rotation, tab.radius, tab.length}) {
    QObject::connect(field, &QLineEdit::textChanged, field, [&app] { AfterControlChange(app); });
  }
  QObject::connect(tab.group, &QComboBox::currentIndexChanged, tab.group,
                   [&app] { AfterControlChange(app); });
  QObject::connect(tab.list, &QTreeWidget::itemSelectionChanged, tab.list, [&app] {
    const int row = SelectedRow(app.elements.list);
    if (row >= 0 && row < static_cast<int>(app.document.elements.size())) {
      ShowElement(app, app.document.elements[row]);
    }
    AfterControlChange(app);
  });
  QObject::connect(tab.add, &QPushButton::clicked, tab.add,
                   [&app] { AfterChange(app, AddElement(app.document, ElementFromPanel(app))); });
  QObject::connect(tab.change, &QPushButton::clicked, tab.change, [&app] {
    AfterChange(app,
                ChangeElement(app.document, SelectedRow(app.elements.list), ElementFromPanel(app)));
  });
  QObject::connect(tab.remove, &QPushButton::clicked, tab.remove, [&app] {
    const int row = SelectedRow(app.elements.list);
    SelectRow(app.elements.list, -1);
    AfterChange(app, RemoveElement(app.document, row));
  });
}

}  // namespace

void BuildElementsTab(EditorApp& app, QWidget* page) {
  ElementsTab& tab = app.elements;
  PutFrame(page, "Elementeauswahl", 5, 5, 200, 200);
  PutLabel(page, "Elementgruppe", 15, 25, 180, 15);
  tab.groupList = PutList(page, 15, 40, 180, 65);
  PutLabel(page, "Element", 15, 115, 180, 15);
  tab.typeList = PutList(page, 15, 130, 180, 65);
  for (const KindGroup& group : app.catalogues.elementDefs.groups) {
    tab.groupList->addItem(FromLatin1(group.name));
  }

  PutFrame(page, "Parameter", 210, 5, 270, 160);
  PutFieldLabel(page, "Name:", 270, 25, 54);
  tab.name = PutField(page, 270, 25, 200, 20);
  PutFieldLabel(page, "Gruppe:", 270, 50, 54);
  tab.group = PutChoice(page, 270, 50, 200);
  FillChoice(tab.group, app.catalogues.groupChoices);
  const std::pair<const char*, QLineEdit**> numbers[] = {
      {"X-Pos.:", &tab.x},          {"Y-Pos.:", &tab.y},      {"Richtung:", &tab.direction},
      {"Rotation:", &tab.rotation}, {"Radius:", &tab.radius}, {"Länge:", &tab.length},
  };
  for (int i = 0; i < 6; ++i) {
    const int x = i % 2 == 0 ? 270 : 400, y = 75 + 25 * (i / 2);
    PutFieldLabel(page, numbers[i].first, x, y, 54);
    *numbers[i].second = PutField(page, x, y);
  }

  tab.add = PutButton(page, "Hinzufügen", 215, 185, 85, 20);
  tab.change = PutButton(page, "Ändern", 305, 185, 85, 20);
  tab.remove = PutButton(page, "Entfernen", 395, 185, 85, 20);
  PutFrame(page, "Elementeliste", 5, 210, 475, 250);
  tab.list = PutColumns(page, 15, 230, 455, 220,
                        {{"Element", 80}, {"Art", 80}, {"Name", 170}, {"Gruppe", 100}});
  Connect(app);
}

void RefreshElements(EditorApp& app) {
  QTreeWidget* list = app.elements.list;
  const int count = static_cast<int>(app.document.elements.size());
  // A changed row count means rows moved: the old selection would name another element.
  const int keep = list->topLevelItemCount() == count ? SelectedRow(list) : -1;
  const QSignalBlocker blocker(list);
  list->clear();
  QList<QTreeWidgetItem*> rows;
  rows.reserve(count);
  for (const EditorElement& element : app.document.elements) {
    rows.append(
        new QTreeWidgetItem({FromLatin1(element.elementGroup), FromLatin1(element.elementType),
                             FromLatin1(element.name), FromLatin1(element.groupName)}));
  }
  list->addTopLevelItems(rows);
  SelectRow(list, keep);
  if (keep >= 0) ShowElement(app, app.document.elements[keep]);  // e.g. after an undone change
}

void UpdateElementButtons(EditorApp& app) {
  ElementsTab& tab = app.elements;
  const bool valid = PanelValid(app);
  bool filled = !tab.mask.empty();
  for (int k = 0; k < 8 && filled; ++k) {
    if (!MaskUses(tab.mask, k)) continue;
    if (auto* field = qobject_cast<QLineEdit*>(Parameter(tab, k))) {
      filled = !field->text().isEmpty();
    } else {
      filled = tab.group->currentIndex() >= 0;
    }
  }
  const bool selected = SelectedRow(tab.list) >= 0;
  // Two rings of one name would share one place file, the later overwriting the earlier.
  bool duplicate = false;
  if (const KindGroup* group = ChosenGroup(app); group && group->name == kDockingRingGroup) {
    const std::string name = ToLatin1(tab.name->text());
    for (const EditorPlace& place : app.document.places)
      duplicate = duplicate || place.name == name;
  }
  tab.add->setToolTip(duplicate ? QString::fromUtf8("Einen Ort dieses Namens gibt es schon.")
                                : QString());
  tab.add->setEnabled(filled && valid && !duplicate);
  tab.change->setEnabled(selected && valid);
  tab.remove->setEnabled(selected);
}
