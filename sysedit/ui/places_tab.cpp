#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTreeWidget>

#include "formats/place_file.h"
#include "formats/text_rules.h"
#include "sysedit/document/edits.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/parameter_panel.h"

namespace {

std::string CurrentPlace(const EditorApp& app) {
  return ChoiceText(app.places.place);
}

const EditorPlace* FindPlace(const EditorApp& app, const std::string& name) {
  if (app.places.place->currentIndex() < 0) return nullptr;
  for (const EditorPlace& place : app.document.places) {
    if (place.name == name) return &place;
  }
  return nullptr;
}

std::vector<std::string> PlaceNames(const EditorApp& app) {
  std::vector<std::string> names;
  for (const EditorPlace& place : app.document.places) names.push_back(place.name);
  return names;
}

void FillList(QListWidget* list, const std::vector<std::string>& names) {
  const QSignalBlocker blocker(list);
  list->clear();
  for (const std::string& name : names) list->addItem(FromLatin1(name));
}

std::vector<std::string> SelectedNames(const QListWidget* list) {
  std::vector<std::string> names;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected()) names.push_back(ToLatin1(list->item(row)->text()));
  }
  return names;
}

// The offered lists show the first place of the chosen name; edits reach every place of it.
void ShowOffers(EditorApp& app) {
  const EditorPlace* place = FindPlace(app, CurrentPlace(app));
  for (int kind = 0; kind < 3; ++kind) {
    FillList(app.places.offers[kind].offered,
             place ? OfferNames(OfferLine(*place, static_cast<OfferKind>(kind)))
                   : std::vector<std::string>());
  }
}

// Each row shows the chosen place's own figure of its good (its last record of that name, as
// the game reads it), empty where the place has none; without a place, the catalogue's figures.
// The "Warenortspreis :" box follows the selected row.
void ShowStock(EditorApp& app) {
  const EditorPlace* place = FindPlace(app, CurrentPlace(app));
  const std::vector<OfferRecord> records =
      place ? SplitOffers(place->goodsPrices) : std::vector<OfferRecord>();
  QTreeWidget* stock = app.places.stock;
  for (int row = 0; row < stock->topLevelItemCount(); ++row) {
    QTreeWidgetItem* item = stock->topLevelItem(row);
    const std::string good = ToLatin1(item->text(0));
    std::string figure;
    if (!place) {
      const size_t index = static_cast<size_t>(row);
      if (index < app.catalogues.goodsDefaults.size()) figure = app.catalogues.goodsDefaults[index];
    }
    for (const OfferRecord& record : records) {
      if (record.name == good) figure = record.value;
    }
    item->setText(1, FromLatin1(figure));
  }
  if (QTreeWidgetItem* row = stock->currentItem(); row && row->isSelected()) {
    const QSignalBlocker blocker(app.places.figure);
    app.places.figure->setText(row->text(1));
  }
}

void ShowPeople(EditorApp& app, int keepRow) {
  QTreeWidget* list = app.places.people;
  const QSignalBlocker blocker(list);
  list->clear();
  for (int index : PeopleOfPlace(app.document, CurrentPlace(app))) {
    const PersonRecord& person = app.document.people[index].record;
    list->addTopLevelItem(new QTreeWidgetItem(
        {FromLatin1(person.mainKind), FromLatin1(person.subKind), FromLatin1(person.fromGroup),
         FromLatin1(person.againstGroup), FromLatin1(person.infoPlace)}));
  }
  SelectRow(list, keepRow < list->topLevelItemCount() ? keepRow : -1);
}

// The person behind a row of the people list: rows count only the current place's persons.
int ChosenPerson(const EditorApp& app) {
  const int row = SelectedRow(app.places.people);
  const std::vector<int> indices = PeopleOfPlace(app.document, CurrentPlace(app));
  return row >= 0 && row < static_cast<int>(indices.size()) ? indices[row] : -1;
}

EditorPerson PersonFromPanel(const EditorApp& app) {
  EditorPerson person;
  person.placeName = CurrentPlace(app);
  ReadRecord(app.places.panel, person.record);
  return person;
}

// Choosing a place: its offers, its figures and its people.
void ChoosePlace(EditorApp& app) {
  ShowOffers(app);
  ShowStock(app);
  ShowPeople(app, -1);
}

std::vector<std::string> StockColumn(const EditorApp& app, int column) {
  std::vector<std::string> values;
  for (int row = 0; row < app.places.stock->topLevelItemCount(); ++row) {
    values.push_back(ToLatin1(app.places.stock->topLevelItem(row)->text(column)));
  }
  return values;
}

// Every change of "Warenortspreis :" writes the selected row's figure, then the whole stock
// list becomes the place's goods-price line.
void FigureChanged(EditorApp& app) {
  PlacesTab& tab = app.places;
  if (!CheckNumberField(tab.figure, NumberForm::kInteger, 10) || tab.figure->text().isEmpty()) {
    AfterControlChange(app);
    return;
  }
  const std::string figure = TrimBlanks(ToLatin1(tab.figure->text()));
  if (QTreeWidgetItem* row = tab.stock->currentItem(); row && row->isSelected()) {
    row->setText(1, FromLatin1(figure));
  }
  unsigned parts = 0;
  if (FindPlace(app, CurrentPlace(app))) {
    parts = SetGoodsPrices(app.document, CurrentPlace(app),
                           BuildGoodsPrices(StockColumn(app, 0), StockColumn(app, 1)));
  }
  AfterChange(app, parts);
}

void BuildOfferBlock(EditorApp& app, QWidget* page, int index, const char* title,
                     const std::vector<std::string>& names) {
  const int top = 5 + 140 * index;
  PutFrame(page, title, 5, top, 460, 135);
  OfferBlock& block = app.places.offers[index];
  block.source = PutList(page, 15, top + 20, 180, 100);
  block.offered = PutList(page, 275, top + 20, 180, 100);
  // One name a row, scrolled up and down: columns of names cut the longer ones off behind a
  // horizontal scrollbar.
  for (QListWidget* list : {block.source, block.offered}) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  }
  FillList(block.source, names);
  block.add = PutButton(page, "Hinzufügen", 200, top + 45, 70, 20);
  block.remove = PutButton(page, "Entfernen", 200, top + 75, 70, 20);
  const auto kind = static_cast<OfferKind>(index);
  QObject::connect(block.add, &QPushButton::clicked, block.add, [&app, &block, kind] {
    AfterChange(app, AddOffers(app.document, CurrentPlace(app), kind, SelectedNames(block.source)));
  });
  QObject::connect(block.remove, &QPushButton::clicked, block.remove, [&app, &block, kind] {
    const std::vector<std::string> names = SelectedNames(block.offered);
    AfterChange(app, RemoveOffers(app.document, CurrentPlace(app), kind, names));
    for (const std::string& name : names) {
      if (!block.offered->findItems(FromLatin1(name), Qt::MatchExactly).isEmpty()) {
        ShowStatus(app, QString::fromUtf8("Angebote mit fester Anzahl (nicht -1) bleiben "
                                          "bestehen: ") +
                            FromLatin1(name));
        break;
      }
    }
  });
  QObject::connect(block.offered, &QListWidget::itemSelectionChanged, block.offered,
                   [&app] { AfterControlChange(app); });
}

void BuildOffersPage(EditorApp& app, QWidget* page) {
  BuildOfferBlock(app, page, 0, "Raumschiffe", app.catalogues.shipNames);
  BuildOfferBlock(app, page, 1, "Waffen", app.catalogues.weaponNames);
  BuildOfferBlock(app, page, 2, "Waren", app.catalogues.goodsNames);
}

void BuildStockAndPeoplePage(EditorApp& app, QWidget* page) {
  PlacesTab& tab = app.places;
  PutFrame(page, "Warenpreise", 5, 5, 460, 135);
  tab.stock = PutColumns(page, 15, 25, 300, 100, {{"Ware", 150}, {"Menge", 60}});
  for (size_t i = 0; i < app.catalogues.goodsNames.size(); ++i) {
    tab.stock->addTopLevelItem(new QTreeWidgetItem(
        {FromLatin1(app.catalogues.goodsNames[i]), FromLatin1(app.catalogues.goodsDefaults[i])}));
  }
  PutLabel(page, "Warenortspreis :", 325, 25, 100, 20);
  tab.figure = PutField(page, 325, 45, 80, 20);
  tab.figure->setText("0");

  PutFrame(page, "Leute", 5, 145, 460, 275);
  PutLabel(page, "Hauptart", 15, 162, 180, 18);
  tab.mainKinds = PutList(page, 15, 180, 120, 45);
  PutLabel(page, "Nebenart", 15, 232, 180, 18);
  tab.subKinds = PutList(page, 15, 250, 120, 45);
  std::vector<std::string> mainKinds;
  for (const KindGroup& kind : app.catalogues.peopleDefs.groups) mainKinds.push_back(kind.name);
  FillList(tab.mainKinds, mainKinds);

  PutFieldLabel(page, "von Gruppe:", 220, 165, 78);
  tab.fromGroup = PutChoice(page, 220, 165, 120);
  PutFieldLabel(page, "gegen Gruppe:", 220, 190, 78);
  tab.againstGroup = PutChoice(page, 220, 190, 120);
  FillChoice(tab.fromGroup, app.catalogues.groupChoices);
  FillChoice(tab.againstGroup, app.catalogues.groupChoices);
  PutFieldLabel(page, "Schiffsanzahl:", 220, 215, 78);
  tab.shipCount = PutField(page, 220, 215);
  PutFieldLabel(page, "Info über Ort:", 220, 240, 78);
  tab.infoPlace = PutChoice(page, 220, 240, 120);
  PutFieldLabel(page, "X-Pos:", 385, 165, 40);
  tab.x = PutField(page, 385, 165);
  PutFieldLabel(page, "Y-Pos:", 385, 190, 40);
  tab.y = PutField(page, 385, 190);
  PutFieldLabel(page, "Preis:", 385, 215, 40);
  tab.price = PutField(page, 385, 215);
  for (QLineEdit* field : {tab.x, tab.y, tab.price, tab.shipCount}) field->setText("0");
  tab.panel.kinds = tab.mainKinds;
  tab.panel.types = tab.subKinds;
  tab.panel.defs = &app.catalogues.peopleDefs;
  tab.panel.maxTypes = kMaxPeopleSubKinds;
  tab.panel.fields = {tab.fromGroup, tab.againstGroup, tab.x,    tab.y,
                      tab.shipCount, tab.infoPlace,    tab.price};
  tab.panel.labels = {"von Gruppe",    "gegen Gruppe",  "X-Pos", "Y-Pos",
                      "Schiffsanzahl", "Info über Ort", "Preis"};

  tab.add = PutButton(page, "Hinzufügen", 185, 275, 85, 20);
  tab.change = PutButton(page, "Ändern", 275, 275, 85, 20);
  tab.remove = PutButton(page, "Entfernen", 365, 275, 85, 20);
  tab.people =
      PutColumns(page, 15, 305, 440, 105,
                 {{"Hauptart", 70}, {"Nebenart", 70}, {"von Gr", 80}, {"von Gr", 80}, {"Ort", 80}});
}

void Connect(EditorApp& app) {
  PlacesTab& tab = app.places;
  QObject::connect(tab.place, &QComboBox::currentIndexChanged, tab.place, [&app] {
    ChoosePlace(app);
    AfterControlChange(app);
  });
  QObject::connect(tab.stock, &QTreeWidget::itemSelectionChanged, tab.stock, [&app] {
    // Showing a figure is no edit of it: the place's prices change only when one is typed.
    if (QTreeWidgetItem* row = app.places.stock->currentItem()) {
      const QSignalBlocker blocker(app.places.figure);
      app.places.figure->setText(row->text(1));
    }
    AfterControlChange(app);
  });
  QObject::connect(tab.figure, &QLineEdit::textChanged, tab.figure, [&app] { FigureChanged(app); });
  QObject::connect(tab.mainKinds, &QListWidget::currentRowChanged, tab.mainKinds, [&app] {
    ChooseKind(app.places.panel);
    AfterControlChange(app);
  });
  QObject::connect(tab.subKinds, &QListWidget::currentRowChanged, tab.subKinds,
                   [&app] { AfterControlChange(app); });
  for (QLineEdit* field : {tab.x, tab.y, tab.shipCount, tab.price}) {
    QObject::connect(field, &QLineEdit::textChanged, field, [&app] { AfterControlChange(app); });
  }
  for (QComboBox* choice : {tab.fromGroup, tab.againstGroup, tab.infoPlace}) {
    QObject::connect(choice, &QComboBox::currentIndexChanged, choice,
                     [&app] { AfterControlChange(app); });
  }
  QObject::connect(tab.people, &QTreeWidget::itemSelectionChanged, tab.people, [&app] {
    if (const int person = ChosenPerson(app); person >= 0) {
      ShowRecord(app.places.panel, app.document.people[person].record);
    }
    AfterControlChange(app);
  });
  QObject::connect(tab.add, &QPushButton::clicked, tab.add,
                   [&app] { AfterChange(app, AddPerson(app.document, PersonFromPanel(app))); });
  QObject::connect(tab.change, &QPushButton::clicked, tab.change, [&app] {
    AfterChange(app, ChangePerson(app.document, ChosenPerson(app), PersonFromPanel(app)));
  });
  QObject::connect(tab.remove, &QPushButton::clicked, tab.remove, [&app] {
    const int person = ChosenPerson(app);
    SelectRow(app.places.people, -1);
    AfterChange(app, RemovePerson(app.document, person));
  });
}

}  // namespace

void BuildPlacesTab(EditorApp& app, QWidget* page) {
  PlacesTab& tab = app.places;
  tab.inner = new QTabWidget(page);
  tab.inner->setGeometry(5, 10, 475, 450);
  auto* offersPage = new QWidget;
  auto* stockPage = new QWidget;
  tab.inner->addTab(offersPage, QString::fromUtf8("Kaufsangebot"));
  tab.inner->addTab(stockPage, QString::fromUtf8("Warenpreise/Leute"));
  // The place box stands right of the inner tabs, as far as their titles need.
  QLabel* label = PutLabel(page, "Bearbeitungsort:", 0, 11, 0, 16);
  const int labelX = tab.inner->x() + tab.inner->tabBar()->sizeHint().width() + 8;
  const int labelWidth = label->sizeHint().width();
  label->setGeometry(labelX, 11, labelWidth, 16);
  tab.place = PutChoice(page, labelX + labelWidth + 4, 7, 480 - (labelX + labelWidth + 4));
  label->raise();
  tab.place->raise();
  BuildOffersPage(app, offersPage);
  BuildStockAndPeoplePage(app, stockPage);
  Connect(app);
}

void RefreshPlaces(EditorApp& app, unsigned parts) {
  PlacesTab& tab = app.places;
  const int keepPerson =
      (parts & kPartPeople) && !(parts & kPartPlaces) ? SelectedRow(tab.people) : -1;
  if (parts & kPartPlaces) {
    const QString current = tab.place->currentIndex() >= 0 ? tab.place->currentText() : QString();
    const QString info =
        tab.infoPlace->currentIndex() >= 0 ? tab.infoPlace->currentText() : QString();
    const std::vector<std::string> names = PlaceNames(app);
    FillChoice(tab.place, names);
    FillChoice(tab.infoPlace, names);
    {
      // A removed or renamed place leaves the boxes without a choice: they list this system's
      // places only.
      const QSignalBlocker blocker(tab.place);
      const QSignalBlocker infoBlocker(tab.infoPlace);
      tab.place->setCurrentIndex(current.isEmpty() ? -1 : tab.place->findText(current));
      tab.infoPlace->setCurrentIndex(info.isEmpty() ? -1 : tab.infoPlace->findText(info));
    }
    ShowOffers(app);
    ShowStock(app);
  }
  if (parts & (kPartPeople | kPartPlaces)) {
    ShowPeople(app, keepPerson);
    if (const int person = ChosenPerson(app); person >= 0) {
      ShowRecord(app.places.panel,
                 app.document.people[person].record);  // an undone change shows its old values
    }
  }
}

void ResetPlacesTab(EditorApp& app) {
  PlacesTab& tab = app.places;
  FillChoice(tab.place, {});
  FillChoice(tab.infoPlace, {});
  SelectRow(tab.stock, -1);
  ShowStock(app);
  const QSignalBlocker blocker(tab.figure);
  tab.figure->setText("0");
  ResetPanel(tab.panel);
  for (QLineEdit* field : {tab.x, tab.y, tab.price, tab.shipCount}) {
    const QSignalBlocker fieldBlocker(field);
    field->setText("0");
  }
}

void UpdatePlaceButtons(EditorApp& app) {
  PlacesTab& tab = app.places;
  bool valid = true;
  for (QLineEdit* field : {tab.x, tab.y, tab.shipCount, tab.price}) {
    valid = CheckNumberField(field, NumberForm::kInteger, 10) && valid;
  }
  const bool filled = MaskedFieldsFilled(tab.panel);
  // A person needs a place: one added without would never be saved.
  const bool place = FindPlace(app, CurrentPlace(app)) != nullptr;
  const bool person = ChosenPerson(app) >= 0;
  QString reason;
  if (!place) {
    reason = QString::fromUtf8("Erst einen Ort unter „Bearbeitungsort:“ wählen.");
  } else if (!valid) {
    reason = QString::fromUtf8("Rot markierte Felder halten keinen gültigen Wert.");
  } else if (!filled) {
    reason = QString::fromUtf8("Noch auszufüllen: ") + UnfilledFields(tab.panel);
  }
  ExplainAdd(app, tab.add, tab.panel, person, reason, tab.addReason);
  tab.add->setEnabled(filled && valid && place);
  tab.change->setEnabled(person && valid && place);
  tab.remove->setEnabled(person);
  for (OfferBlock& block : tab.offers) {
    block.add->setEnabled(place);
    block.remove->setEnabled(place);
  }
}
