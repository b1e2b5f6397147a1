// Editing through the real controls: parameter masks and button states, adding, changing and
// removing elements, routes, waypoints, offers, figures and people, undo and redo, and an edited
// system saved and read back by the formats library.

#include <gtest/gtest.h>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "formats/place_file.h"
#include "formats/route_file.h"
#include "formats/system_file.h"
#include "sysedit/document/edits.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/menu_commands.h"
#include "tests/sysedit/fixtures.h"

namespace {

namespace fs = std::filesystem;

int FindRow(const QListWidget* list, const char* utf8) {
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->text() == QString::fromUtf8(utf8)) return i;
  }
  return -1;
}

std::string Cell(const QTreeWidget* list, int row, int column) {
  return list->topLevelItem(row)->text(column).toStdString();
}

std::vector<std::string> Items(const QComboBox* choice) {
  std::vector<std::string> items;
  for (int i = 0; i < choice->count(); ++i) items.push_back(choice->itemText(i).toStdString());
  return items;
}

class EditingTest : public testing::Test {
 protected:
  void SetUp() override {
    WriteTinyUniverse(temp.path);
    app = CreateEditor(temp.path);
    app->window->show();
    app->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->window));
    AnswerFolderDialog("Testsystem");
    CommandLoad(*app);
  }
  void ChooseGroup(const char* name) {
    app->elements.groupList->setCurrentRow(FindRow(app->elements.groupList, name));
  }
  void ChoosePlace(const char* name) {
    app->places.place->setCurrentIndex(app->places.place->findText(QString::fromUtf8(name)));
  }

  TempFolder temp;
  std::unique_ptr<EditorApp> app;
};

TEST_F(EditingTest, GroupMaskSwitchesTheFieldsAndTheAddButton) {
  ElementsTab& tab = app->elements;
  ChooseGroup("Sonnen");  // mask 00110010: X, Y and radius
  EXPECT_EQ(tab.typeList->count(), 1);
  tab.typeList->setCurrentRow(0);  // an element needs its type
  EXPECT_FALSE(tab.name->isEnabled());
  EXPECT_FALSE(tab.group->isEnabled());
  EXPECT_TRUE(tab.x->isEnabled());
  EXPECT_FALSE(tab.rotation->isEnabled());
  EXPECT_TRUE(tab.radius->isEnabled());
  EXPECT_FALSE(tab.length->isEnabled());
  EXPECT_FALSE(tab.add->isEnabled());
  Type(tab.x, "100");
  Type(tab.y, "200");
  EXPECT_FALSE(tab.add->isEnabled());
  EXPECT_EQ(app->status->text().toStdString(),
            "„Hinzufügen“ geht noch nicht: Noch auszufüllen: Radius");
  Type(tab.radius, "12a");  // not an integer: marked, and nothing can be added
  EXPECT_TRUE(tab.radius->property("bad").toBool());
  EXPECT_FALSE(tab.add->isEnabled());
  Type(tab.radius, "1200");
  EXPECT_FALSE(tab.radius->property("bad").toBool());
  EXPECT_TRUE(tab.add->isEnabled());

  // Another group empties every field and lists its own types.
  ChooseGroup("Planeten");
  EXPECT_TRUE(tab.x->text().isEmpty());
  EXPECT_EQ(tab.typeList->count(), 2);
  EXPECT_TRUE(tab.group->isEnabled());
  EXPECT_EQ(tab.group->currentIndex(), -1);
  EXPECT_FALSE(tab.add->isEnabled());
  EXPECT_FALSE(tab.change->isEnabled());
  EXPECT_FALSE(tab.remove->isEnabled());
}

TEST_F(EditingTest, ChoosingAnElementRowFillsThePanel) {
  ElementsTab& tab = app->elements;
  SelectRow(tab.list, 1);  // the planet "Terra"
  EXPECT_EQ(tab.groupList->currentItem()->text().toStdString(), "Planeten");
  EXPECT_EQ(tab.typeList->currentItem()->text().toStdString(), "Erde");
  EXPECT_EQ(tab.name->text().toStdString(), "Terra");
  EXPECT_EQ(tab.group->currentText().toStdString(), "Die Allianz");
  EXPECT_EQ(tab.rotation->text().toStdString(), "1.5");
  EXPECT_EQ(tab.radius->text().toStdString(), "2000");
  EXPECT_TRUE(tab.change->isEnabled());
  EXPECT_TRUE(tab.remove->isEnabled());

  Type(tab.name, "Terra Nova");
  Type(tab.rotation, "-0.25");
  Click(tab.change);
  EXPECT_EQ(app->document.elements[1].name, "Terra Nova");
  EXPECT_DOUBLE_EQ(app->document.elements[1].rotation, -0.25);
  EXPECT_EQ(Cell(tab.list, 1, 2), "Terra Nova");
}

TEST_F(EditingTest, DockingRingsKeepThePlaceBoxesInStep) {
  ElementsTab& tab = app->elements;
  ChooseGroup("Andockringe");
  tab.typeList->setCurrentRow(0);
  Type(tab.name, "Neuer Ring");
  tab.group->setCurrentIndex(1);
  Type(tab.x, "1000");
  Type(tab.y, "2000");
  Type(tab.direction, "45");
  ASSERT_TRUE(tab.add->isEnabled());
  Click(tab.add);
  ASSERT_EQ(tab.list->topLevelItemCount(), 6);
  EXPECT_EQ(Cell(tab.list, 5, 0), "Andockringe");
  EXPECT_EQ(Cell(tab.list, 5, 3), "Die Allianz");
  const std::vector<std::string> three = {"Hafen Süd", "Ring Zwei", "Neuer Ring"};
  EXPECT_EQ(Items(app->places.place), three);
  EXPECT_EQ(Items(app->places.infoPlace), three);

  // A second ring of an existing place's name would overwrite that place's file: refused.
  EXPECT_FALSE(tab.add->isEnabled());  // "Neuer Ring" is a place now
  Type(tab.name, "Dritter Ring");
  EXPECT_TRUE(tab.add->isEnabled());
  tab.name->setText(QString::fromUtf8("Hafen Süd"));
  EXPECT_FALSE(tab.add->isEnabled());

  // Renaming carries the place to the new name.
  SelectRow(tab.list, 5);
  Type(tab.name, "Umbenannt");
  Click(tab.change);
  const std::vector<std::string> renamed = {"Hafen Süd", "Ring Zwei", "Umbenannt"};
  EXPECT_EQ(Items(app->places.place), renamed);
  EXPECT_EQ(Items(app->places.infoPlace), renamed);

  // Removing the planet-less ring "Ring Zwei" removes its place from both boxes.
  ChoosePlace("Ring Zwei");
  SelectRow(tab.list, 4);
  Click(tab.remove);
  EXPECT_EQ(Items(app->places.place), (std::vector<std::string>{"Hafen Süd", "Umbenannt"}));
  EXPECT_EQ(app->places.place->currentIndex(), -1);  // the chosen place is gone
  EXPECT_EQ(tab.list->topLevelItemCount(), 5);

  // Ctrl+Z brings ring and place back; Ctrl+Y removes them again.
  PressShortcut(tab.list, Qt::Key_Z);
  EXPECT_EQ(tab.list->topLevelItemCount(), 6);
  EXPECT_EQ(Items(app->places.place), renamed);
  PressShortcut(tab.list, Qt::Key_Y);
  EXPECT_EQ(tab.list->topLevelItemCount(), 5);
}

TEST_F(EditingTest, RouteButtonsAndTheWaypointLimit) {
  RoutesTab& tab = app->routes;
  app->tabs->setCurrentIndex(1);
  EXPECT_FALSE(tab.addRoute->isEnabled());
  Type(tab.x, "500");
  Type(tab.y, "600");
  EXPECT_FALSE(tab.addRoute->isEnabled());  // "(keine Gruppe)" is no route group
  tab.group->setCurrentIndex(3);
  EXPECT_TRUE(tab.addRoute->isEnabled());
  tab.kind->setCurrentIndex(1);  // a route begins where its ships appear
  EXPECT_FALSE(tab.addRoute->isEnabled());
  tab.kind->setCurrentIndex(0);
  Click(tab.addRoute);
  ASSERT_EQ(tab.routeList->topLevelItemCount(), 3);
  EXPECT_EQ(Cell(tab.routeList, 2, 0), "Die Blacks");
  EXPECT_EQ(Cell(tab.routeList, 2, 1), "1");

  SelectRow(tab.routeList, 2);
  EXPECT_EQ(tab.waypointList->topLevelItemCount(), 1);
  EXPECT_TRUE(tab.addWaypoint->isEnabled());
  tab.kind->setCurrentIndex(1);
  for (int i = 1; i < 31; ++i) {
    Type(tab.x, std::to_string(i * 10).c_str());
    Click(tab.addWaypoint);
  }
  EXPECT_EQ(tab.waypointList->topLevelItemCount(), 31);
  EXPECT_EQ(SelectedRow(tab.waypointList), 30);  // the new row is selected
  std::string message;
  AnswerMessageBox("OK", &message);
  Click(tab.addWaypoint);
  EXPECT_NE(message.find("31"), std::string::npos);
  EXPECT_EQ(UsedWaypointCount(app->document.routes[2]), 31);

  // Removing the first waypoint moves the others down.
  SelectRow(tab.waypointList, 0);
  EXPECT_EQ(tab.x->text().toStdString(), "500");
  EXPECT_EQ(tab.kind->currentIndex(), 0);
  Click(tab.removeWaypoint);
  EXPECT_EQ(tab.waypointList->topLevelItemCount(), 30);
  EXPECT_EQ(Cell(tab.waypointList, 0, 0), "10");
  EXPECT_EQ(app->document.routes[2].waypoints[30].kind, 0);

  SelectRow(tab.waypointList, 1);
  Type(tab.y, "-70");
  tab.kind->setCurrentIndex(2);
  Click(tab.changeWaypoint);
  EXPECT_EQ(app->document.routes[2].waypoints[1], (EditorWaypoint{20, -70, 3}));
  EXPECT_EQ(Cell(tab.waypointList, 1, 2), "3");

  Click(tab.removeRoute);
  EXPECT_EQ(tab.routeList->topLevelItemCount(), 2);
  EXPECT_EQ(tab.waypointList->topLevelItemCount(), 0);
  EXPECT_FALSE(tab.removeRoute->isEnabled());
}

TEST_F(EditingTest, OffersAreAddedOnceAndOnlyUnlimitedOnesRemoved) {
  app->tabs->setCurrentIndex(2);
  OfferBlock& weapons = app->places.offers[1];
  EXPECT_FALSE(weapons.add->isEnabled());  // no place chosen: nothing would be stored
  ChoosePlace("Hafen Süd");
  ASSERT_EQ(weapons.offered->count(), 2);  // "Loku I" (-1) and "Laser II" (5)
  for (int i = 0; i < weapons.source->count(); ++i) weapons.source->item(i)->setSelected(true);
  Click(weapons.add);
  EXPECT_EQ(weapons.offered->count(), 2);  // both were offered already

  OfferBlock& ships = app->places.offers[0];
  ships.source->item(1)->setSelected(true);  // "Kröte"
  Click(ships.add);
  EXPECT_EQ(app->document.places[0].shipOffers,
            MakeOfferRecord("Schwalbe", "-1") + MakeOfferRecord("Kr\xf6te", "-1"));

  for (int i = 0; i < weapons.offered->count(); ++i) weapons.offered->item(i)->setSelected(true);
  Click(weapons.remove);
  EXPECT_EQ(app->document.places[0].weaponOffers, MakeOfferRecord("Laser II", "5"));
  ASSERT_EQ(weapons.offered->count(), 1);
  EXPECT_EQ(weapons.offered->item(0)->text().toStdString(), "Laser II");
}

TEST_F(EditingTest, StockFiguresFollowTheRowsOfTheList) {
  PlacesTab& tab = app->places;
  app->tabs->setCurrentIndex(2);
  ChoosePlace("Hafen Süd");
  EXPECT_EQ(Cell(tab.stock, 0, 1), "120");
  EXPECT_EQ(Cell(tab.stock, 2, 1), "260");
  SelectRow(tab.stock, 1);
  // A place without figures shows none: nothing of the place shown before ...
  ChoosePlace("Ring Zwei");
  EXPECT_EQ(Cell(tab.stock, 0, 1), "");
  EXPECT_EQ(Cell(tab.stock, 1, 1), "");
  EXPECT_EQ(tab.figure->text().toStdString(), "");
  EXPECT_EQ(app->document.places[1].goodsPrices, "");  // showing a figure changes nothing
  // ... and one typed figure stores only that figure as this place's.
  Type(tab.figure, "55");
  EXPECT_EQ(Cell(tab.stock, 1, 1), "55");
  EXPECT_EQ(app->document.places[1].goodsPrices,
            BuildGoodsPrices({"Wasser", "Kristalle", "blaue Gase"}, {"", "55", ""}));
  EXPECT_EQ(app->document.places[0].goodsPrices.substr(50, 3), "380");  // the other is as it was
  ChoosePlace("Hafen Süd");
  EXPECT_EQ(Cell(tab.stock, 1, 1), "380");
  EXPECT_EQ(tab.figure->text().toStdString(), "380");
  ChoosePlace("Ring Zwei");
  // Typing is one edit: a single undo restores the place without figures.
  PressShortcut(tab.stock, Qt::Key_Z);
  EXPECT_EQ(app->document.places[1].goodsPrices, "");
  Type(tab.figure, "x5");  // no integer: marked, not stored
  EXPECT_TRUE(tab.figure->property("bad").toBool());
  EXPECT_EQ(app->document.places[1].goodsPrices, "");
}

TEST_F(EditingTest, PeopleMaskAndTheirListPerPlace) {
  PlacesTab& tab = app->places;
  app->tabs->setCurrentIndex(2);
  ChoosePlace("Hafen Süd");
  ASSERT_EQ(tab.people->topLevelItemCount(), 2);
  EXPECT_EQ(Cell(tab.people, 0, 0), "Aufträge");
  EXPECT_EQ(Cell(tab.people, 1, 4), "Ring Zwei");

  tab.mainKinds->setCurrentRow(1);  // "Informationen", mask 0000011
  EXPECT_FALSE(tab.fromGroup->isEnabled());
  EXPECT_FALSE(tab.x->isEnabled());
  EXPECT_TRUE(tab.infoPlace->isEnabled());
  EXPECT_TRUE(tab.price->isEnabled());
  EXPECT_EQ(tab.subKinds->count(), 1);
  EXPECT_FALSE(tab.add->isEnabled());
  tab.infoPlace->setCurrentIndex(1);
  Type(tab.price, "75");
  tab.subKinds->setCurrentRow(0);
  ASSERT_TRUE(tab.add->isEnabled());
  Click(tab.add);
  ASSERT_EQ(tab.people->topLevelItemCount(), 3);
  const EditorPerson& added = app->document.people.back();
  EXPECT_EQ(added.placeName,
            "Hafen S\xfc"
            "d");
  EXPECT_EQ(added.record.subKind, "Ortsdaten");
  EXPECT_EQ(added.record.infoPlace, "Ring Zwei");
  EXPECT_EQ(added.record.price, 75);

  // Choosing a row fills the panel; "Ändern" rewrites that person only.
  SelectRow(tab.people, 0);
  EXPECT_EQ(tab.mainKinds->currentRow(), 0);
  EXPECT_EQ(tab.subKinds->currentItem()->text().toStdString(), "Kopfgeld");
  EXPECT_EQ(tab.againstGroup->currentText().toStdString(), "Die Blacks");
  EXPECT_EQ(tab.x->text().toStdString(), "40000");
  Type(tab.shipCount, "4");
  Click(tab.change);
  EXPECT_EQ(app->document.people[0].record.shipCount, 4);
  EXPECT_EQ(app->document.people[0].record.fromGroup, "Die Allianz");

  // The other place lists only its own person; removing goes by the place's rows.
  ChoosePlace("Ring Zwei");
  ASSERT_EQ(tab.people->topLevelItemCount(), 1);
  SelectRow(tab.people, 0);
  Click(tab.remove);
  EXPECT_EQ(app->document.people.size(), 3u);
  EXPECT_TRUE(PeopleOfPlace(app->document, "Ring Zwei").empty());
}

TEST_F(EditingTest, AnEditedSampleSystemReadsBackThroughTheFormats) {
  TempFolder sample;
  ASSERT_TRUE(WriteSampleUniverse(sample.path)) << "no sample universe";
  app.reset();
  app = CreateEditor(sample.path);
  app->window->show();
  AnswerFolderDialog("Alpha 23");
  CommandLoad(*app);
  const size_t elements = app->document.elements.size();
  ASSERT_GT(elements, 0u);

  ElementsTab& tab = app->elements;
  ChooseGroup("Andockringe");
  tab.typeList->setCurrentRow(0);
  Type(tab.name, "Testhafen");
  tab.group->setCurrentIndex(1);
  Type(tab.x, "12000");
  Type(tab.y, "13000");
  Type(tab.direction, "0");
  Click(tab.add);
  app->tabs->setCurrentIndex(2);
  ChoosePlace("Testhafen");
  app->places.offers[2].source->item(0)->setSelected(true);
  Click(app->places.offers[2].add);
  app->tabs->setCurrentIndex(1);
  SelectRow(app->routes.routeList, 0);
  SelectRow(app->routes.waypointList, 0);
  Click(app->routes.removeWaypoint);

  AnswerFolderDialog("Alpha 23");
  ASSERT_TRUE(CommandSave(*app));
  const fs::path system = sample.path / "Alpha 23";
  const std::vector<ElementRecord> saved = LoadSystemElements(system / "System.ini");
  ASSERT_EQ(saved.size(), elements + 1);
  EXPECT_EQ(saved.back().name, "Testhafen");
  EXPECT_EQ(saved.back().x, 12000);
  const std::optional<PlaceFile> place =
      LoadPlace(system / "Orte" / "Testhafen.ini", PlaceReadMode::kGame);
  ASSERT_TRUE(place.has_value());
  ASSERT_EQ(SplitOffers(place->goodsOffers).size(), 1u);
  EXPECT_EQ(SplitOffers(place->goodsOffers)[0].value, "-1");
  EXPECT_TRUE(place->people.empty());
  const RouteFile routes = LoadRoutes(system / "Routen.ini", RouteReadMode::kGame);
  EXPECT_EQ(routes.declaredCount, static_cast<int>(routes.routes.size()));
  EXPECT_EQ(static_cast<int>(routes.routes[0].waypoints.size()),
            UsedWaypointCount(app->document.routes[0]));
}

}  // namespace

namespace {

TEST_F(EditingTest, NotesAreEditsOfTheDocumentAndUndoWithTheRest) {
  app->tabs->setCurrentIndex(3);
  QPlainTextEdit* box = app->notes.goods;
  box->activateWindow();
  box->setFocus();
  box->moveCursor(QTextCursor::End);
  QTest::keyClick(box, Qt::Key_Return);
  QTest::keyClicks(box, "Neu");
  QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString::fromUtf8("ä"), {});
  EXPECT_EQ(app->document.goodsNotes,
            "Wasser ist knapp.\r\n\r\nKristalle kommen von au\xdf"
            "en.\r\nNeu\xe4");
  EXPECT_NE(app->window->windowTitle().indexOf('*'), -1);
  // The typing is one edit; Ctrl+Z in the box takes it back as a whole.
  PressShortcut(box, Qt::Key_Z);
  EXPECT_EQ(app->document.goodsNotes,
            "Wasser ist knapp.\r\n\r\nKristalle kommen von au\xdf"
            "en.");
  EXPECT_EQ(box->toPlainText().toStdString(), "Wasser ist knapp.\n\nKristalle kommen von außen.");
  EXPECT_EQ(app->window->windowTitle().indexOf('*'), -1);
}

}  // namespace
