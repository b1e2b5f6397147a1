// What an author types or loads must reach the files unharmed: place names that the files and the
// game read back differently, renamed rings, names that overflow their columns, route lengths the
// game cannot lay, lists left over from the previous system, failed saves, elements without a
// type, and the editor's messages in the author's language.

#include <regex>

#include <gtest/gtest.h>
#include <QComboBox>
#include <QDialog>
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
#include "sysedit/document/catalogues.h"
#include "sysedit/document/edits.h"
#include "sysedit/document/system_io.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/menu_commands.h"
#include "tests/sysedit/fixtures.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> Items(const QComboBox* choice) {
  std::vector<std::string> items;
  for (int i = 0; i < choice->count(); ++i) items.push_back(choice->itemText(i).toStdString());
  return items;
}

std::vector<std::string> Column(const QTreeWidget* list, int column) {
  std::vector<std::string> cells;
  for (int i = 0; i < list->topLevelItemCount(); ++i) {
    cells.push_back(list->topLevelItem(i)->text(column).toStdString());
  }
  return cells;
}

bool IsBad(const QLineEdit* field) {
  return field->property("bad").toBool();
}

// Words that only an English message uses; German texts and file names never hold them.
bool SoundsEnglish(const std::string& text) {
  static const std::regex words(
      R"(\b(the|is|line|record|cannot|skipped|read|not|outside|expected|empty|characters|)"
      R"(waypoint|before|than|more|without|longer|ignored|short|end|of|file|folder)\b)",
      std::regex::icase);
  return std::regex_search(text, words);
}

// The message of a note "file:line: message".
std::string MessageOf(const std::string& note) {
  const size_t colon = note.find(": ");
  return colon == std::string::npos ? note : note.substr(colon + 2);
}

class AuthorDataTest : public testing::Test {
 protected:
  void SetUp() override {
    WriteTinyUniverse(temp.path);
    app = CreateEditor(temp.path);
    app->window->show();
    app->window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->window));
    Load("Testsystem");
  }
  void Load(const std::string& name) {
    AnswerFolderDialog(name);
    CommandLoad(*app);
  }
  bool Save(const std::string& name) {
    AnswerFolderDialog(name);
    return CommandSave(*app);
  }
  void ChooseGroup(const char* name) {
    QListWidget* groups = app->elements.groupList;
    for (int i = 0; i < groups->count(); ++i) {
      if (groups->item(i)->text() == QString::fromUtf8(name)) groups->setCurrentRow(i);
    }
  }
  // Everything but the name of a new docking ring.
  void FillRingPanel() {
    ElementsTab& tab = app->elements;
    ChooseGroup("Andockringe");
    tab.typeList->setCurrentRow(0);
    tab.group->setCurrentIndex(1);
    Type(tab.x, "1000");
    Type(tab.y, "2000");
    Type(tab.direction, "90");
  }
  void ChoosePlace(const char* utf8) {
    app->places.place->setCurrentIndex(app->places.place->findText(QString::fromUtf8(utf8)));
  }
  const EditorPlace* FindPlace(const std::string& latin1) const {
    for (const EditorPlace& place : app->document.places) {
      if (place.name == latin1) return &place;
    }
    return nullptr;
  }
  std::string Status() const { return app->status->text().toStdString(); }

  TempFolder temp;
  std::unique_ptr<EditorApp> app;
};

TEST_F(AuthorDataTest, RingNamesAreTrimmedAndANameOfBlanksIsRefused) {
  ElementsTab& tab = app->elements;
  FillRingPanel();
  Type(tab.name, "   ");
  EXPECT_TRUE(IsBad(tab.name));
  EXPECT_FALSE(tab.add->isEnabled());
  Type(tab.name, " Hafen ");
  EXPECT_FALSE(IsBad(tab.name));
  ASSERT_TRUE(tab.add->isEnabled());
  Click(tab.add);
  EXPECT_EQ(app->document.elements.back().name, "Hafen");

  // The place keeps its offers through a save and a load, as the game will read them.
  app->tabs->setCurrentIndex(2);
  ChoosePlace("Hafen");
  ASSERT_GE(app->places.place->currentIndex(), 0);
  app->places.offers[0].source->item(0)->setSelected(true);
  Click(app->places.offers[0].add);
  ASSERT_TRUE(Save("Testsystem"));
  Load("Testsystem");
  const EditorPlace* place = FindPlace("Hafen");
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->shipOffers, MakeOfferRecord("Schwalbe", "-1"));

  // The older layout's offers file names its places in brackets, blanks and all.
  const fs::path old = temp.path / "Altsystem";
  WriteBytes(old / "System.ini",
             Lines({"[Andockring]", "21000", "30000", "180", "1", "Alter Hafen"}));
  WriteBytes(old / "Schiffe-Waren-Waffen.ini",
             Lines({"[ Alter Hafen ]", MakeOfferRecord("Schwalbe", "-1"), "", ""}));
  AnswerFolderDialog("Altsystem");
  CommandOldLoad(*app);
  place = FindPlace("Alter Hafen");
  ASSERT_NE(place, nullptr);
  EXPECT_EQ(place->shipOffers, MakeOfferRecord("Schwalbe", "-1"));
}

TEST_F(AuthorDataTest, RenamingARingCarriesItsPlaceAndThePeopleNamingIt) {
  ElementsTab& tab = app->elements;
  SelectRow(tab.list, 4);  // the ring "Ring Zwei"; a person of "Hafen Süd" informs about it
  tab.name->setText(QString::fromUtf8("Hafen Süd"));
  EXPECT_FALSE(tab.change->isEnabled());  // two places would share one file
  Type(tab.name, "Ring Drei");
  ASSERT_TRUE(tab.change->isEnabled());
  Click(tab.change);
  const std::vector<std::string> renamed = {"Hafen Süd", "Ring Drei"};
  EXPECT_EQ(Items(app->places.place), renamed);
  EXPECT_EQ(Items(app->places.infoPlace), renamed);
  EXPECT_EQ(PeopleOfPlace(app->document, "Ring Drei").size(), 1u);
  EXPECT_EQ(app->document.people[1].record.infoPlace, "Ring Drei");

  PressShortcut(tab.list, Qt::Key_Z);  // undo restores all of it
  EXPECT_EQ(Items(app->places.place), (std::vector<std::string>{"Hafen Süd", "Ring Zwei"}));
  EXPECT_EQ(PeopleOfPlace(app->document, "Ring Zwei").size(), 1u);
  EXPECT_EQ(app->document.people[1].record.infoPlace, "Ring Zwei");
  PressShortcut(tab.list, Qt::Key_Y);
  EXPECT_EQ(Items(app->places.place), renamed);

  ASSERT_TRUE(Save("Testsystem"));
  const fs::path places = temp.path / "Testsystem" / "Orte";
  EXPECT_FALSE(fs::exists(places / "Ring Zwei.ini"));  // no ring uses the old name any more
  Load("Testsystem");
  const std::vector<int> people = PeopleOfPlace(app->document, "Ring Drei");
  ASSERT_EQ(people.size(), 1u);
  EXPECT_EQ(app->document.people[people[0]].record.mainKind, "Diplomatien");
  EXPECT_EQ(app->document.people[1].record.infoPlace, "Ring Drei");

  // Renamed back after a save: the file of the name left behind goes, the other comes back.
  SelectRow(tab.list, 4);
  Type(tab.name, "Ring Zwei");
  Click(tab.change);
  ASSERT_TRUE(Save("Testsystem"));
  EXPECT_TRUE(fs::exists(places / "Ring Zwei.ini"));
  EXPECT_FALSE(fs::exists(places / "Ring Drei.ini"));
}

TEST_F(AuthorDataTest, NamesLongerThanThePlaceColumnsAreRefused) {
  ElementsTab& tab = app->elements;
  FillRingPanel();
  Type(tab.name, std::string(31, 'R'));
  EXPECT_TRUE(IsBad(tab.name));
  EXPECT_FALSE(tab.add->isEnabled());
  Type(tab.name, std::string(30, 'R'));
  EXPECT_FALSE(IsBad(tab.name));
  EXPECT_TRUE(tab.add->isEnabled());

  // A longer name from a file: a person that names it would shift the price column.
  const std::string longName = "Handelsstation am aeusseren Rand X";  // 34 characters
  const fs::path system = temp.path / "Langnamen";
  WriteBytes(
      system / "System.ini",
      Element({"Andockringe", "Andockring", "Kurz", "", "1", "2", "0", "0", "0", "0"}) +
          Element({"Andockringe", "Andockring", longName, "", "3", "4", "0", "0", "0", "0"}));
  const std::string kurz =
      Lines({"[Schiffe]", "", "[Waffen]", "", "[Waren]", "", "[Warenpreise]", "", "[Leute]"});
  WriteBytes(system / "Orte" / "Kurz.ini", kurz);
  Load("Langnamen");
  PlacesTab& places = app->places;
  app->tabs->setCurrentIndex(2);
  places.inner->setCurrentIndex(1);
  ChoosePlace("Kurz");
  places.mainKinds->setCurrentRow(1);  // "Informationen": info place and price
  places.subKinds->setCurrentRow(0);
  places.infoPlace->setCurrentIndex(places.infoPlace->findText(QString::fromStdString(longName)));
  Type(places.price, "75");
  ASSERT_TRUE(places.add->isEnabled());
  Click(places.add);

  std::string message;
  AnswerMessageBox("OK", &message);
  EXPECT_FALSE(Save("Langnamen"));
  EXPECT_NE(message.find("Info über Ort"), std::string::npos) << message;
  EXPECT_NE(message.find(longName), std::string::npos) << message;
  EXPECT_EQ(ReadBytes(system / "Orte" / "Kurz.ini"), kurz);  // nothing was written
  EXPECT_FALSE(fs::exists(system / "Routen.ini"));
}

TEST_F(AuthorDataTest, RouteLengthIsBoundedToWhatTheGameLays) {
  ElementsTab& tab = app->elements;
  ChooseGroup("Routen");
  for (const char* bad : {"1001", "-1", "999999999"}) {
    Type(tab.length, bad);
    EXPECT_TRUE(IsBad(tab.length)) << bad;
  }
  for (const char* good : {"0", "1000", "44"}) {
    Type(tab.length, good);
    EXPECT_FALSE(IsBad(tab.length)) << good;
  }

  // A huge length in a file still loads; choosing the route marks the field and keeps it.
  WriteBytes(temp.path / "Fernroute" / "System.ini",
             Element({"Routen", "BLAU", "A <> B", "Die Allianz", "500", "500", "30", "0", "0",
                      "999999999"}));
  Load("Fernroute");
  ASSERT_EQ(app->document.elements.size(), 1u);
  SelectRow(tab.list, 0);
  EXPECT_TRUE(IsBad(tab.length));
  EXPECT_FALSE(tab.change->isEnabled());
  EXPECT_NE(Status().find("999999999"), std::string::npos) << Status();
}

TEST_F(AuthorDataTest, LoadingAndNewRebuildEveryPlaceList) {
  WriteBytes(temp.path / "Zweitsystem" / "System.ini",
             Element({"Andockringe", "Andockring", "Nordhafen", "", "1", "2", "0", "0", "0", "0"}));
  PlacesTab& tab = app->places;
  app->tabs->setCurrentIndex(2);
  tab.inner->setCurrentIndex(1);
  ChoosePlace("Hafen Süd");
  SelectRow(tab.stock, 0);
  ASSERT_EQ(tab.figure->text().toStdString(), "120");
  tab.mainKinds->setCurrentRow(1);
  tab.infoPlace->setCurrentIndex(1);

  Load("Zweitsystem");
  EXPECT_EQ(Items(tab.place), std::vector<std::string>{"Nordhafen"});
  EXPECT_EQ(tab.place->currentIndex(), -1);
  EXPECT_EQ(Items(tab.infoPlace), std::vector<std::string>{"Nordhafen"});
  EXPECT_EQ(tab.infoPlace->currentIndex(), -1);
  // The figures are the catalogue's again, not those of "Hafen Süd".
  EXPECT_EQ(Column(tab.stock, 1), (std::vector<std::string>{"100", "400", "250"}));
  EXPECT_EQ(tab.figure->text().toStdString(), "0");

  ChoosePlace("Nordhafen");
  SelectRow(tab.stock, 1);
  Type(tab.figure, "55");
  ASSERT_TRUE(IsModified(app->document));
  AnswerMessageBox("Verwerfen");
  CommandNew(*app);
  EXPECT_EQ(tab.place->count(), 0);
  EXPECT_EQ(tab.infoPlace->count(), 0);
  EXPECT_EQ(Column(tab.stock, 1), (std::vector<std::string>{"100", "400", "250"}));
  EXPECT_EQ(tab.figure->text().toStdString(), "0");
  for (const OfferBlock& block : tab.offers) EXPECT_EQ(block.offered->count(), 0);
}

TEST_F(AuthorDataTest, PlaceNamesWithPathCharactersAreKeptButNotSaved) {
  const fs::path system = temp.path / "Pfade";
  const std::string systemFile =
      Element({"Andockringe", "Andockring", "../x", "", "1", "2", "0", "0", "0", "0"}) +
      Element({"Andockringe", "Andockring", "Unter/Ordner", "", "3", "4", "0", "0", "0", "0"}) +
      Element({"Andockringe", "Andockring", "x", "", "5", "6", "0", "0", "0", "0"});
  WriteBytes(system / "System.ini", systemFile);
  Load("Pfade");
  ASSERT_EQ(app->document.places.size(), 3u);
  EXPECT_EQ(app->document.places[0].name, "../x");
  EXPECT_EQ(app->document.places[1].name, "Unter/Ordner");
  EXPECT_NE(Status().find("../x"), std::string::npos) << Status();
  EXPECT_NE(Status().find("Unter/Ordner"), std::string::npos) << Status();

  std::string message;
  AnswerMessageBox("OK", &message);
  EXPECT_FALSE(Save("Pfade"));
  EXPECT_NE(message.find("../x"), std::string::npos) << message;
  EXPECT_EQ(ReadBytes(system / "System.ini"), systemFile);
  EXPECT_FALSE(fs::exists(system / "Orte"));
}

TEST_F(AuthorDataTest, AFailedSaveOfAnUnchangedSystemCountsAsUnsaved) {
  ASSERT_FALSE(IsModified(app->document));
  fs::create_directories(temp.path / "Kaputt" / "Routen.ini" / "innen");
  std::string message;
  AnswerMessageBox("OK", &message);
  EXPECT_FALSE(Save("Kaputt"));
  EXPECT_TRUE(IsModified(app->document));
  EXPECT_NE(app->window->windowTitle().indexOf('*'), -1);
  EXPECT_FALSE(SoundsEnglish(message)) << message;
  EXPECT_NE(message.find("Routen.ini"), std::string::npos) << message;
  AnswerMessageBox("Abbrechen");  // closing asks first
  EXPECT_FALSE(app->window->close());
}

TEST_F(AuthorDataTest, AnElementNeedsAType) {
  ElementsTab& tab = app->elements;
  ChooseGroup("Stationen");
  Type(tab.name, "Wache");
  tab.group->setCurrentIndex(1);
  Type(tab.x, "100");
  Type(tab.y, "200");
  Type(tab.radius, "300");
  EXPECT_EQ(tab.typeList->currentRow(), -1);
  EXPECT_FALSE(tab.add->isEnabled());
  tab.typeList->setCurrentRow(0);
  ASSERT_TRUE(tab.add->isEnabled());
  Click(tab.add);
  EXPECT_EQ(app->document.elements.back().elementType, "Kreuz");
}

TEST_F(AuthorDataTest, MessagesSpeakGerman) {
  const fs::path system = temp.path / "Kaputtdaten";
  WriteBytes(system / "System.ini",
             Element({"Andockringe", "Andockring", "Werft", "", "1", "2", "0", "0", "0", "0"}) +
                 Element({"Planeten", "Erde", "P", "", "12a", "5", "0", "x", "", "0"}) +
                 Lines({"[Sonnen]", "  Wei\xdf"}));
  WriteBytes(system / "Routen.ini", Lines({"1", "[Routen]", "", "10        20        7         "}));
  WriteBytes(
      system / "Orte" / "Werft.ini",
      Lines({"[Schiff]", "Schwalbe", "[Waffen]", "", "[Waren]", "", "[Warenpreise]", "", "[Leute]",
             Person("Informationen", "Ortsdaten", "", "", "0", "0", "0", "", "12") + "zu lang"}));
  Load("Kaputtdaten");
  EXPECT_FALSE(SoundsEnglish(Status())) << Status();

  EditorDocument document;
  const LoadOutcome outcome = LoadSystem(document, temp.path, "Kaputtdaten");
  EXPECT_GE(outcome.notes.size(), 8u);
  for (const std::string& note : outcome.notes) {
    EXPECT_FALSE(SoundsEnglish(MessageOf(note))) << note;
  }
}

TEST_F(AuthorDataTest, NoteTextTheFilesCannotHoldIsRefusedNotReplaced) {
  const fs::path notes = temp.path / "Testsystem" / "Gruppen.txt";
  const std::string before = ReadBytes(notes);
  QPlainTextEdit* box = app->notes.groups;
  box->moveCursor(QTextCursor::End);
  box->insertPlainText(QString::fromUtf8(" 5 € für „gute“ Daten ✓"));
  EXPECT_TRUE(box->property("bad").toBool());
  EXPECT_EQ(app->document.groupNotes.find('?'), std::string::npos);
  EXPECT_NE(app->window->windowTitle().indexOf('*'), -1);  // typed, but not yet in the files

  std::string message;
  AnswerMessageBox("OK", &message);
  EXPECT_FALSE(Save("Testsystem"));
  EXPECT_NE(message.find("Informationen über Gruppen"), std::string::npos) << message;
  EXPECT_NE(message.find("€ „ “ ✓"), std::string::npos) << message;
  EXPECT_EQ(ReadBytes(notes), before);

  box->setPlainText(QString::fromUtf8("5 EUR für \"gute\" Daten"));
  EXPECT_FALSE(box->property("bad").toBool());
  ASSERT_TRUE(Save("Testsystem"));
  EXPECT_EQ(ReadBytes(notes), "5 EUR f\xfcr \"gute\" Daten");
}

TEST_F(AuthorDataTest, EveryLoadNoteCanBeOpenedAndACutRouteIsMarked) {
  std::string routes = Lines({"1", "[Routen]", "Die Allianz"});
  for (int i = 1; i <= 33; ++i) routes += Lines({Pad(std::to_string(i), 10) + Pad("0", 10) + "2"});
  WriteBytes(temp.path / "Testsystem" / "Routen.ini", routes);
  WriteBytes(temp.path / "Testsystem" / "System.ini",
             Element({"Planeten", "Erde", "P", "", "12a", "5", "0", "x", "", "0"}) +
                 ReadBytes(temp.path / "Testsystem" / "System.ini"));
  Load("Testsystem");
  ASSERT_GE(app->loadNotes.size(), 4u);
  EXPECT_NE(Status().find("Hinweise"), std::string::npos) << Status();
  EXPECT_TRUE(app->notesButton->isVisible());
  EXPECT_EQ(app->notesButton->text().toStdString(),
            "Hinweise (" + std::to_string(app->loadNotes.size()) + ")");
  int listed = 0;
  WhenModal([&listed](QWidget* dialog) {
    listed = dialog->findChild<QListWidget*>()->count();
    static_cast<QDialog*>(dialog)->accept();
  });
  Click(app->notesButton);
  EXPECT_EQ(listed, static_cast<int>(app->loadNotes.size()));
  EXPECT_EQ(Column(app->routes.routeList, 1), std::vector<std::string>{"31 (−2)"});

  CommandNew(*app);  // nothing edited: nothing to ask
  EXPECT_FALSE(app->notesButton->isVisible());
}

}  // namespace
