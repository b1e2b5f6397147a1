#include <algorithm>

#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QTreeWidget>

#include "formats/text_rules.h"
#include "sysedit/document/edits.h"
#include "sysedit/document/place_names.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/parameter_panel.h"

namespace {

const KindGroup* ChosenGroup(const EditorApp& app) {
  return ChosenKind(app.elements.panel);
}

ElementRecord ElementFromPanel(const EditorApp& app) {
  ElementRecord element;
  ReadRecord(app.elements.panel, element);
  return element;
}

bool ChosenGroupIsRing(const EditorApp& app) {
  const KindGroup* group = ChosenGroup(app);
  return group && group->name == kDockingRingGroup;
}

std::string PanelName(const EditorApp& app) {
  return TrimBlanks(ToLatin1(app.elements.name->text()));
}

// Number fields hold numbers, the route length one the game can lay; a docking ring's name
// becomes a file name and fills the place column of the people.
bool PanelValid(EditorApp& app) {
  ElementsTab& tab = app.elements;
  bool ok = true;
  for (QLineEdit* field : {tab.x, tab.y, tab.direction, tab.radius}) {
    ok = CheckNumberField(field, NumberForm::kInteger) && ok;
  }
  ok = CheckIntField(tab.length, 0, kMaxRouteLength) && ok;
  ok = CheckNumberField(tab.rotation, NumberForm::kDecimal, 20) && ok;
  // Text the files cannot hold is refused here, as in every text field.
  const QString unstorable = UnstorableCharacters(tab.name->text());
  bool control = false;
  for (const QChar c : tab.name->text()) control = control || c.unicode() < 0x20;
  QString why = !unstorable.isEmpty()
                    ? UnstorableText(unstorable)
                    : QString::fromUtf8("Der Name darf keine Steuerzeichen enthalten.");
  bool nameOk = unstorable.isEmpty() && !control;
  if (nameOk && ChosenGroupIsRing(app) && tab.name->isEnabled()) {
    const PlaceNameFault fault = CheckPlaceName(PanelName(app));
    nameOk = fault == PlaceNameFault::kNone;
    why = QString::fromUtf8(PlaceNameFaultText(fault));
  }
  MarkField(tab.name, !nameOk, why);
  return ok && nameOk;
}

// Another place of this name would share its file: refused for a new ring, and for a ring
// renamed to it.
bool NameTakenByAnotherPlace(const EditorApp& app, const std::string* ownName) {
  if (!ChosenGroupIsRing(app)) return false;
  const std::string name = PanelName(app);
  if (ownName && *ownName == name) return false;
  for (const EditorPlace& place : app.document.places) {
    if (place.name == name) return true;
  }
  return false;
}

const ElementRecord* SelectedElement(const EditorApp& app) {
  const int row = SelectedRow(app.elements.list);
  return row >= 0 && row < static_cast<int>(app.document.elements.size())
             ? &app.document.elements[row]
             : nullptr;
}

// "Ändern" keeps a type the list does not offer (one unknown to the catalogue) while the group
// stays; a ring renamed keeps the place boxes on its place.
void ChangeClicked(EditorApp& app) {
  const int row = SelectedRow(app.elements.list);
  const ElementRecord* selected = SelectedElement(app);
  if (!selected) return;
  const ElementRecord before = *selected;
  ElementRecord element = ElementFromPanel(app);
  if (element.elementType.empty() && element.elementGroup == before.elementGroup) {
    element.elementType = before.elementType;
  }
  const std::string shownPlace = ChoiceText(app.places.place);
  const std::string shownInfo = ChoiceText(app.places.infoPlace);
  AfterChange(app, ChangeElement(app.document, row, element));
  const bool ringRenamed = before.elementGroup == kDockingRingGroup &&
                           element.elementGroup == kDockingRingGroup && before.name != element.name;
  if (!ringRenamed) return;
  const QString renamed = FromLatin1(element.name);
  if (shownInfo == before.name) {
    app.places.infoPlace->setCurrentIndex(app.places.infoPlace->findText(renamed));
  }
  if (shownPlace == before.name) {
    app.places.place->setCurrentIndex(app.places.place->findText(renamed));
  }
}

void Connect(EditorApp& app) {
  ElementsTab& tab = app.elements;
  QObject::connect(tab.groupList, &QListWidget::currentRowChanged, tab.groupList, [&app] {
    ChooseKind(app.elements.panel);
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
      ShowRecord(app.elements.panel, app.document.elements[row]);
    }
    AfterControlChange(app);
  });
  QObject::connect(tab.add, &QPushButton::clicked, tab.add,
                   [&app] { AfterChange(app, AddElement(app.document, ElementFromPanel(app))); });
  QObject::connect(tab.change, &QPushButton::clicked, tab.change, [&app] { ChangeClicked(app); });
  QObject::connect(tab.remove, &QPushButton::clicked, tab.remove, [&app] {
    const int row = SelectedRow(app.elements.list);
    SelectRow(app.elements.list, -1);
    AfterChange(app, RemoveElement(app.document, row));
  });
}

// The group, type and group-name columns are as wide as the catalogue's longest entries; the name
// column takes the rest and wraps a long name (a lane's "A <> B") onto a second line.
void FitElementColumns(EditorApp& app) {
  QTreeWidget* list = app.elements.list;
  const QFontMetrics metrics(list->font());
  const int margin =
      2 * list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 8;
  const auto widest = [&](const std::vector<std::string>& texts, const char* title) {
    int width = metrics.horizontalAdvance(QString::fromUtf8(title));
    for (const std::string& text : texts)
      width = std::max(width, metrics.horizontalAdvance(FromLatin1(text)));
    return width + margin;
  };
  std::vector<std::string> groups, types;
  for (const KindGroup& group : app.catalogues.elementDefs.groups) {
    groups.push_back(group.name);
    for (const KindType& type : group.types) types.push_back(type.name);
  }
  const int groupWidth = widest(groups, "Element");
  const int typeWidth = widest(types, "Art");
  const int ownerWidth = widest(app.catalogues.groupChoices, "Gruppe");
  const int viewport = list->width() - 2 * list->frameWidth() -
                       list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list);
  list->setColumnWidth(0, groupWidth);
  list->setColumnWidth(1, typeWidth);
  list->setColumnWidth(2, std::max(80, viewport - groupWidth - typeWidth - ownerWidth));
  list->header()->setStretchLastSection(true);
  list->setWordWrap(true);
  list->setUniformRowHeights(false);
  app.elements.textMargin = margin;
  list->addTopLevelItem(new QTreeWidgetItem({QStringLiteral("X")}));
  app.elements.rowHeight = list->sizeHintForRow(0);
  list->clear();
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
  tab.panel.kinds = tab.groupList;
  tab.panel.types = tab.typeList;
  tab.panel.defs = &app.catalogues.elementDefs;
  tab.panel.maxTypes = kMaxElementTypes;
  tab.panel.fields = {tab.name,      tab.group,    tab.x,      tab.y,
                      tab.direction, tab.rotation, tab.radius, tab.length};
  tab.panel.labels = {"Name",     "Gruppe",   "X-Pos.", "Y-Pos.",
                      "Richtung", "Rotation", "Radius", "Länge"};
  PutFrame(page, "Elementeliste", 5, 210, 475, 250);
  tab.list = PutColumns(page, 15, 230, 455, 220,
                        {{"Element", 80}, {"Art", 80}, {"Name", 170}, {"Gruppe", 100}});
  FitElementColumns(app);
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
  const QFontMetrics metrics(list->font());
  const int nameWidth = list->columnWidth(2) - app.elements.textMargin;
  for (const ElementRecord& element : app.document.elements) {
    auto* row =
        new QTreeWidgetItem({FromLatin1(element.elementGroup), FromLatin1(element.elementType),
                             FromLatin1(element.name), FromLatin1(element.groupName)});
    // The list cannot size a wrapped row by itself: a long name asks for its lines.
    const int lines =
        metrics.boundingRect(QRect(0, 0, nameWidth, 100000), Qt::TextWordWrap, row->text(2))
            .height() /
        metrics.lineSpacing();
    if (lines > 1) {
      row->setSizeHint(
          2, QSize(nameWidth, app.elements.rowHeight + (lines - 1) * metrics.lineSpacing()));
    }
    rows.append(row);
  }
  list->addTopLevelItems(rows);
  SelectRow(list, keep);
  if (keep >= 0)
    ShowRecord(app.elements.panel, app.document.elements[keep]);  // e.g. after an undone change
}

void ResetElementsPanel(EditorApp& app) {
  ResetPanel(app.elements.panel);
}

void UpdateElementButtons(EditorApp& app) {
  ElementsTab& tab = app.elements;
  const bool valid = PanelValid(app);
  const bool filled = MaskedFieldsFilled(tab.panel);
  // The game skips an element without a type.
  const bool typed = !ChosenTypeName(tab.panel).empty();
  const ElementRecord* selected = SelectedElement(app);
  const bool keepsType = selected && !selected->elementType.empty() && ChosenGroup(app) &&
                         ChosenGroup(app)->name == selected->elementGroup;
  const bool addTaken = NameTakenByAnotherPlace(app, nullptr);
  const bool changeTaken =
      selected && NameTakenByAnotherPlace(
                      app, selected->elementGroup == kDockingRingGroup ? &selected->name : nullptr);
  const QString taken = QString::fromUtf8("Einen Ort dieses Namens gibt es schon.");
  QString reason;
  if (addTaken) {
    reason = taken;
  } else if (!typed) {
    reason = QString::fromUtf8("Erst ein Element (die Art) wählen.");
  } else if (!valid) {
    reason = QString::fromUtf8("Rot markierte Felder halten keinen gültigen Wert.");
  } else if (!filled) {
    reason = QString::fromUtf8("Noch auszufüllen: ") + UnfilledFields(tab.panel);
  }
  ExplainAdd(app, tab.add, tab.panel, selected != nullptr, reason, tab.addReason);
  tab.change->setToolTip(changeTaken ? taken : QString());
  tab.add->setEnabled(filled && valid && typed && !addTaken);
  tab.change->setEnabled(selected && valid && (typed || keepsType) && !changeTaken);
  tab.remove->setEnabled(selected != nullptr);
}
