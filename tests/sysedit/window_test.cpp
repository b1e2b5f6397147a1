// The editor's window driven as an author would: the layout, the folder dialogs, loading and
// saving byte for byte, unsaved work, failed writes and the map's mouse handling.

#include <unistd.h>

#include <gtest/gtest.h>
#include <QAction>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTreeWidget>

#include "sysedit/document/edits.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/folder_dialog.h"
#include "sysedit/ui/map_widget.h"
#include "sysedit/ui/menu_commands.h"
#include "tests/sysedit/fixtures.h"

namespace {

namespace fs = std::filesystem;

class EditorWindowTest : public testing::Test {
 protected:
  void Open() {
    app = CreateEditor(temp.path);
    app->window->show();
  }
  void Load(const std::string& name) {
    AnswerFolderDialog(name);
    CommandLoad(*app);
  }
  bool Save(const std::string& name) {
    AnswerFolderDialog(name);
    return CommandSave(*app);
  }
  // Every file below `from` has a byte-identical twin below `to`, and `to` holds no others.
  void ExpectSameFiles(const fs::path& from, const fs::path& to) {
    int count = 0;
    for (const auto& entry : fs::recursive_directory_iterator(from)) {
      if (!entry.is_regular_file()) continue;
      const fs::path relative = fs::relative(entry.path(), from);
      EXPECT_EQ(ReadBytes(entry.path()), ReadBytes(to / relative)) << relative;
      ++count;
    }
    int written = 0;
    for (const auto& entry : fs::recursive_directory_iterator(to))
      written += entry.is_regular_file();
    EXPECT_EQ(count, written);
  }

  TempFolder temp;
  std::unique_ptr<EditorApp> app;
};

TEST_F(EditorWindowTest, WindowHasTheDocumentedLayout) {
  WriteTinyUniverse(temp.path);
  Open();
  EXPECT_EQ(app->window->windowTitle().toStdString(), "Velmarith-Systemeditor");
  EXPECT_EQ(app->window->centralWidget()->size(), QSize(1010, 550));
  EXPECT_EQ(app->window->minimumSize(), app->window->maximumSize());  // not resizable

  std::vector<std::string> items;
  for (QAction* menu : app->window->menuBar()->actions()) {
    items.push_back("[" + menu->text().toStdString() + "]");
    for (QAction* item : menu->menu()->actions()) {
      items.push_back(item->isSeparator() ? "-" : item->text().toStdString());
    }
  }
  const std::vector<std::string> expected = {
      "[Datei]",         "Neu",         "Laden",      "Altes Laden",   "Speichern", "-",
      "Rückgängig",      "Wiederholen", "-",          "Einstellungen", "-",         "Beenden",
      "[Einstellungen]", "Info",        "Hilfe.html", "[Hilfe]",       "Info",      "Hilfe.html"};
  EXPECT_EQ(items, expected);

  EXPECT_EQ(app->tabs->geometry(), QRect(5, 5, 490, 490));
  ASSERT_EQ(app->tabs->count(), 4);
  EXPECT_EQ(app->tabs->tabText(0).toStdString(), "Systemkarte");
  EXPECT_EQ(app->tabs->tabText(1).toStdString(), "KI-Routen");
  EXPECT_EQ(app->tabs->tabText(2).toStdString(), "Ortebearbeitung");
  EXPECT_EQ(app->tabs->tabText(3).toStdString(), "Infos (Text)");
  EXPECT_EQ(app->zoom->geometry(), QRect(400, 5, 100, 15));
  EXPECT_EQ(app->zoom->minimum(), 0);
  EXPECT_EQ(app->zoom->maximum(), 3);
  EXPECT_EQ(app->zoom->value(), 3);
  EXPECT_NE(app->zoom->tickPosition(), QSlider::NoTicks);
  EXPECT_EQ(app->map->size(), QSize(500, 500));
  EXPECT_EQ(app->notes.groups->geometry(), QRect(10, 60, 465, 180));
  EXPECT_EQ(app->notes.goods->geometry(), QRect(10, 270, 465, 180));

  // The group choice boxes leave out group 0, whose number starts with "0".
  ASSERT_EQ(app->elements.group->count(), 4);
  EXPECT_EQ(app->elements.group->itemText(0).toStdString(), "(keine Gruppe)");
  EXPECT_EQ(app->elements.group->itemText(2).toStdString(), "Die Händler");
  EXPECT_FALSE(app->elements.add->isEnabled());
  EXPECT_FALSE(app->elements.change->isEnabled());
  EXPECT_FALSE(app->elements.remove->isEnabled());
}

TEST_F(EditorWindowTest, TheStatusLineSaysWhenTheFolderHoldsNoUniverse) {
  Open();  // an empty folder
  const std::string empty = app->status->text().toStdString();
  EXPECT_NE(empty.find("keine _Elemente.ini gefunden"), std::string::npos) << empty;
  EXPECT_NE(empty.find("VELMARITH_INI"), std::string::npos) << empty;

  WriteTinyUniverse(temp.path);
  Open();
  const std::string found = app->status->text().toStdString();
  EXPECT_EQ(found, "Universum: " + temp.path.string());
}

TEST_F(EditorWindowTest, FolderDialogListsFoldersAndReturnsTheTypedName) {
  WriteTinyUniverse(temp.path);
  fs::create_directories(temp.path / "Zweites System");
  const std::vector<std::string> folders = ListSystemFolders(temp.path);
  EXPECT_EQ(folders.size(), 2u);  // files such as Gruppen.ini are not listed
  Open();
  std::vector<std::string> shown;
  WhenModal([&shown](QWidget* dialog) {
    EXPECT_EQ(dialog->windowTitle().toStdString(), "Laden");
    EXPECT_EQ(dialog->size(), QSize(200, 200));
    auto* list = dialog->findChild<QListWidget*>();
    for (int i = 0; i < list->count(); ++i) shown.push_back(list->item(i)->text().toStdString());
    list->setCurrentRow(static_cast<int>(shown.size()) - 1);  // copies the entry into the box
    dialog->findChild<QPushButton*>()->click();
  });
  CommandLoad(*app);
  EXPECT_EQ(shown, folders);
  EXPECT_EQ(app->document.editedSystem, folders.back());

  AnswerFolderDialog("");  // closing the dialog cancels
  CommandLoad(*app);
  EXPECT_EQ(app->document.editedSystem, folders.back());
}

TEST_F(EditorWindowTest, TinySystemSavesByteIdenticalIntoANewFolder) {
  WriteTinyUniverse(temp.path);
  Open();
  Load("Testsystem");
  EXPECT_EQ(app->document.elements.size(), 5u);
  EXPECT_EQ(app->document.places.size(), 2u);
  EXPECT_EQ(app->document.people.size(), 3u);
  EXPECT_EQ(app->document.routes.size(), 2u);
  EXPECT_EQ(app->elements.list->topLevelItemCount(), 5);
  EXPECT_EQ(app->places.place->count(), 2);
  EXPECT_EQ(app->places.place->itemText(0).toStdString(), "Hafen Süd");
  EXPECT_EQ(app->places.infoPlace->count(), 2);
  EXPECT_EQ(app->routes.routeList->topLevelItemCount(), 2);
  EXPECT_EQ(app->notes.groups->toPlainText().toStdString(),
            "Die Allianz hält den Hafen.\nDie Blacks lauern.");
  EXPECT_EQ(app->window->windowTitle().toStdString(), "Velmarith-Systemeditor - Testsystem");

  ASSERT_TRUE(Save("Neue Kopie"));
  EXPECT_TRUE(fs::is_directory(temp.path / "Neue Kopie" / "Orte"));
  ExpectSameFiles(temp.path / "Testsystem", temp.path / "Neue Kopie");

  // Loading twice lists every place once.
  Load("Testsystem");
  EXPECT_EQ(app->places.place->count(), 2);
  EXPECT_EQ(app->places.infoPlace->count(), 2);
}

TEST_F(EditorWindowTest, EverySampleSystemSavesByteIdentical) {
  ASSERT_TRUE(WriteSampleUniverse(temp.path)) << "no sample universe";
  Open();
  int systems = 0;
  for (const std::string& name : ListSystemFolders(temp.path)) {
    if (name.rfind("Kopie ", 0) == 0) continue;
    Load(name);
    ASSERT_FALSE(app->document.elements.empty()) << name;
    ASSERT_TRUE(Save("Kopie " + name));
    ExpectSameFiles(temp.path / name, temp.path / ("Kopie " + name));
    ++systems;
  }
  EXPECT_GE(systems, 6);
}

TEST_F(EditorWindowTest, EmptyPeopleLinesAreNoPersonsAndOneLineNotesKeepTheirQuirk) {
  WriteTinyUniverse(temp.path);
  const fs::path system = temp.path / "Testsystem";
  // A place whose "[Leute]" section has no lines (as the editor writes it), one with a blank line
  // between its people, and a note of exactly one line.
  const std::string empty =
      Lines({"[Schiffe]", "", "[Waffen]", "", "[Waren]", "", "[Warenpreise]", "", "[Leute]"});
  WriteBytes(system / "Orte" / "Ring Zwei.ini", empty);
  const std::string first = Person("Auftr\xe4ge", "Kopfgeld", "", "", "1", "2", "3", "", "4");
  const std::string second = Person("Diplomatien", "Neutral", "", "", "0", "0", "0", "", "9");
  WriteBytes(system / "Orte" /
                 "Hafen S\xc3\xbc"
                 "d.ini",
             empty + Lines({first, "", second}));
  WriteBytes(system / "Waren.txt", "Nur eine Zeile");
  fs::remove(system / "Gruppen.txt");
  Open();
  app->notes.groups->setPlainText("vom vorigen System");
  AnswerMessageBox("Verwerfen");
  Load("Testsystem");
  ASSERT_EQ(app->document.people.size(), 2u);
  EXPECT_EQ(app->document.people[1].record.mainKind, "Diplomatien");
  EXPECT_EQ(app->document.goodsNotes, "Nur eine Zeile\r\n");
  // A missing note file empties the box: the previous system's text is not carried over.
  EXPECT_EQ(app->document.groupNotes, "");
  ASSERT_TRUE(Save("Testsystem"));
  EXPECT_EQ(ReadBytes(system / "Orte" / "Ring Zwei.ini"), empty);
  EXPECT_EQ(ReadBytes(system / "Orte" /
                      "Hafen S\xc3\xbc"
                      "d.ini"),
            empty + Lines({first, second}));
  EXPECT_EQ(ReadBytes(system / "Waren.txt"), "Nur eine Zeile\r\n");
}

TEST_F(EditorWindowTest, OlderLayoutLoadsIntoAnEmptyDocument) {
  WriteTinyUniverse(temp.path);
  const fs::path old = temp.path / "Altsystem";
  WriteBytes(
      old / "System.ini",
      Lines({"[Sonne]", "Wei\xdf", "50000", "50000", "4000",        "[Planet]",   "Erde",
             "20000",   "30000",   "1500",  "2.5",   "2",           "Gaia",       "[Andockring]",
             "21000",   "30000",   "180",   "1",     "Alter Hafen", "[Unbekannt]"}));
  WriteBytes(old / "Schiffe-Waren-Waffen.ini",
             Lines({"[Anderer Ort]", "x", "y", "z", "[Alter Hafen]",
                    "Schwalbe            -1        ", "", "Wasser              -1        "}));
  WriteBytes(temp.path / "__WarenPreise.ini",
             Lines({std::string("Alter Hafen") + std::string(19, ' ') +
                    "111                 222                 333"}));
  Open();
  Load("Testsystem");
  AnswerFolderDialog("Altsystem");
  CommandOldLoad(*app);

  ASSERT_EQ(app->document.elements.size(), 3u);
  const ElementRecord& planet = app->document.elements[1];
  EXPECT_EQ(planet.elementGroup, "Planeten");
  EXPECT_EQ(planet.groupName, "Die H\xe4ndler");  // position 2 of the group choice box
  EXPECT_DOUBLE_EQ(planet.rotation, 2.5);
  EXPECT_EQ(app->document.elements[2].elementType, "Andockring");
  EXPECT_EQ(app->document.elements[2].groupName, "Die Allianz");
  EXPECT_NE(ElementColour(app->catalogues.elementDefs, kDockingRingGroup,
                          app->document.elements[2].elementType),
            0);

  // Nothing of the system loaded before stays: only the old one's place, with its offers and
  // prices.
  ASSERT_EQ(app->document.places.size(), 1u);
  const EditorPlace& place = app->document.places[0];
  EXPECT_EQ(place.name, "Alter Hafen");
  EXPECT_EQ(place.shipOffers, "Schwalbe            -1        ");
  EXPECT_EQ(place.goodsOffers, "Wasser              -1        ");
  EXPECT_EQ(place.goodsPrices,
            "Wasser              111       Kristalle           222       "
            "blaue Gase          333       ");
  EXPECT_TRUE(app->document.routes.empty());
  EXPECT_TRUE(app->document.people.empty());
  EXPECT_TRUE(app->document.groupNotes.empty());
  EXPECT_EQ(app->places.place->count(), 1);
  EXPECT_EQ(app->routes.routeList->topLevelItemCount(), 0);
  EXPECT_TRUE(IsModified(app->document));
  EXPECT_NE(app->window->windowTitle().indexOf('*'), -1);
}

TEST_F(EditorWindowTest, UnsavedChangesAreShownAndAskedAbout) {
  WriteTinyUniverse(temp.path);
  Open();
  Load("Testsystem");
  AddRoute(app->document, "Die Allianz", {1, 2, 1});
  AfterChange(*app, kPartRoutes);
  EXPECT_NE(app->window->windowTitle().indexOf('*'), -1);

  AnswerMessageBox("Abbrechen");  // "Laden" asks first; cancelling keeps the work
  CommandLoad(*app);
  EXPECT_EQ(app->document.routes.size(), 3u);

  AnswerMessageBox("Abbrechen");  // so does closing the window
  EXPECT_FALSE(app->window->close());
  EXPECT_TRUE(app->window->isVisible());

  AnswerMessageBox("Verwerfen");
  AnswerFolderDialog("Testsystem");
  CommandLoad(*app);
  EXPECT_EQ(app->document.routes.size(), 2u);
  EXPECT_EQ(app->window->windowTitle().indexOf('*'), -1);

  AddRoute(app->document, "Die Allianz", {1, 2, 1});
  AfterChange(*app, kPartRoutes);
  AnswerMessageBox("Verwerfen");
  CommandNew(*app);
  EXPECT_TRUE(app->document.routes.empty());
  EXPECT_TRUE(app->document.editedSystem.empty());
  EXPECT_EQ(app->routes.routeList->topLevelItemCount(), 0);
}

TEST_F(EditorWindowTest, FailedWriteIsReportedAndTheDataStaysUnsaved) {
  WriteTinyUniverse(temp.path);
  Open();
  Load("Testsystem");
  AddRoute(app->document, "Die Allianz", {1, 2, 1});
  AfterChange(*app, kPartRoutes);
  // A folder where Routen.ini belongs cannot be replaced by a file.
  fs::create_directories(temp.path / "Kaputt" / "Routen.ini" / "innen");
  std::string message;
  AnswerFolderDialog("Kaputt");
  AnswerMessageBox("OK", &message);
  EXPECT_FALSE(CommandSave(*app));
  EXPECT_NE(message.find("Routen.ini"), std::string::npos) << message;
  EXPECT_TRUE(IsModified(app->document));
  EXPECT_NE(app->window->windowTitle().indexOf('*'), -1);
  // The other files were still written, each one whole.
  EXPECT_EQ(ReadBytes(temp.path / "Kaputt" / "System.ini"),
            ReadBytes(temp.path / "Testsystem" / "System.ini"));
}

TEST_F(EditorWindowTest, LeftButtonPicksIntoTheOpenTabStrictlyInsideTheMap) {
  WriteTinyUniverse(temp.path);
  Open();
  app->tabs->setCurrentIndex(0);
  QTest::mouseClick(app->map, Qt::LeftButton, {}, QPoint(250, 250));
  EXPECT_EQ(app->elements.x->text().toStdString(), "50000");
  EXPECT_EQ(app->elements.y->text().toStdString(), "50000");
  QTest::mouseClick(app->map, Qt::LeftButton, {}, QPoint(499, 1));
  EXPECT_EQ(app->elements.x->text().toStdString(), "99800");
  EXPECT_EQ(app->elements.y->text().toStdString(), "200");
  // The border row and column write nothing.
  QTest::mouseClick(app->map, Qt::LeftButton, {}, QPoint(0, 100));
  QTest::mouseClick(app->map, Qt::LeftButton, {}, QPoint(100, 0));
  EXPECT_EQ(app->elements.x->text().toStdString(), "99800");
  EXPECT_EQ(app->elements.y->text().toStdString(), "200");

  app->tabs->setCurrentIndex(1);
  app->zoom->setValue(0);  // z = 1: one pixel is 25 world units around the camera
  QTest::mouseClick(app->map, Qt::LeftButton, {}, QPoint(10, 20));
  EXPECT_EQ(app->routes.x->text().toStdString(), std::to_string((10 - 250 + 2000) * 25));
  EXPECT_EQ(app->routes.y->text().toStdString(), std::to_string((20 - 250 + 2000) * 25));

  app->tabs->setCurrentIndex(3);  // "Infos (Text)" takes no coordinates
  QTest::mouseClick(app->map, Qt::LeftButton, {}, QPoint(30, 30));
  EXPECT_EQ(app->routes.x->text().toStdString(), std::to_string((10 - 250 + 2000) * 25));
}

TEST_F(EditorWindowTest, RightButtonDragsTheMapPixelForPixel) {
  WriteTinyUniverse(temp.path);
  Open();
  app->zoom->setValue(2);  // z = 4
  QTest::mousePress(app->map, Qt::RightButton, {}, QPoint(100, 100));
  QMouseEvent move(QEvent::MouseMove, QPointF(130, 90), QPointF(130, 90), Qt::NoButton,
                   Qt::RightButton, {});
  QApplication::sendEvent(app->map, &move);
  QTest::mouseRelease(app->map, Qt::RightButton, {}, QPoint(130, 90));
  EXPECT_DOUBLE_EQ(app->view.cameraX, -2000 + 30 * 4);
  EXPECT_DOUBLE_EQ(app->view.cameraY, -2000 - 10 * 4);
  app->zoom->setValue(3);  // the camera keeps its values when the zoom changes
  EXPECT_DOUBLE_EQ(app->view.cameraX, -2000 + 30 * 4);
}

TEST_F(EditorWindowTest, SavingStartsAtTheSystemsFolderAndAsksBeforeAnotherSystem) {
  WriteTinyUniverse(temp.path);
  const std::string neighbour =
      Element({"Sonnen", "Wei\xdf", "", "", "1", "2", "0", "0", "3", "0"});
  WriteBytes(temp.path / "Nachbar" / "System.ini", neighbour);
  Open();
  Load("Testsystem");
  std::string startedAt;
  WhenModal([&startedAt](QWidget* dialog) {
    startedAt = dialog->findChild<QLineEdit*>()->text().toStdString() + "|" +
                dialog->findChild<QListWidget*>()->currentItem()->text().toStdString();
    dialog->findChild<QPushButton*>()->click();
  });
  ASSERT_TRUE(CommandSave(*app));  // its own folder: nothing to ask
  EXPECT_EQ(startedAt, "Testsystem|Testsystem");

  std::string question;
  AnswerFolderDialog("Nachbar");
  AnswerMessageBox("Abbrechen", &question);
  EXPECT_FALSE(CommandSave(*app));
  EXPECT_NE(question.find("Nachbar"), std::string::npos) << question;
  EXPECT_EQ(ReadBytes(temp.path / "Nachbar" / "System.ini"), neighbour);
  AnswerFolderDialog("Nachbar");
  AnswerMessageBox("Überschreiben");
  ASSERT_TRUE(CommandSave(*app));
  EXPECT_NE(app->status->text().indexOf("Sicherung"), -1);

  // Ctrl+S saves into the folder now held, without a dialog; Ctrl+O loads.
  AddRoute(app->document, "Die Blacks", {1, 2, 1});
  AfterChange(*app, kPartRoutes);
  PressShortcut(app->elements.list, Qt::Key_S);
  EXPECT_FALSE(IsModified(app->document));
  EXPECT_EQ(ReadBytes(temp.path / "Nachbar" / "Routen.ini").substr(0, 3), "3\r\n");
  AnswerFolderDialog("Testsystem");
  PressShortcut(app->elements.list, Qt::Key_O);
  EXPECT_EQ(app->document.editedSystem, "Testsystem");
}

TEST_F(EditorWindowTest, LoadingAndNewStartThePanelsAndTheMapAfresh) {
  WriteTinyUniverse(temp.path);
  Open();
  for (void (*command)(EditorApp&) : {CommandLoad, CommandNew}) {
    Load("Testsystem");
    SelectRow(app->elements.list, 1);  // the panel shows the planet "Terra"
    SelectRow(app->elements.list, -1);
    Type(app->routes.x, "500");
    Type(app->routes.y, "600");
    app->zoom->setValue(1);
    PanMap(app->view, 30, -20);
    ASSERT_EQ(app->elements.name->text().toStdString(), "Terra");

    if (command == CommandLoad) AnswerFolderDialog("Testsystem");
    command(*app);
    EXPECT_EQ(app->elements.groupList->currentRow(), -1);
    EXPECT_EQ(app->elements.typeList->count(), 0);
    EXPECT_TRUE(app->elements.name->text().isEmpty());
    EXPECT_TRUE(app->elements.rotation->text().isEmpty());
    EXPECT_TRUE(app->routes.x->text().isEmpty());
    EXPECT_TRUE(app->routes.y->text().isEmpty());
    EXPECT_EQ(app->zoom->value(), 3);
    EXPECT_DOUBLE_EQ(app->view.cameraX, -2000);
    EXPECT_DOUBLE_EQ(app->view.cameraY, -2000);
  }
}

TEST_F(EditorWindowTest, StartUpClearsTheTemporariesOfKilledSaves) {
  WriteTinyUniverse(temp.path);
  const fs::path system = temp.path / "Testsystem";
  // No process has numbers this high: their saves were killed before the renames.
  WriteBytes(system / "System.ini.tmp99999999-0", "halb");
  WriteBytes(system / "Orte" / "Ring Zwei.ini.tmp99999999-3", "halb");
  const fs::path own = system / ("Routen.ini.tmp" + std::to_string(getpid()) + "-7");
  WriteBytes(own, "laufend");
  Open();
  EXPECT_FALSE(fs::exists(system / "System.ini.tmp99999999-0"));
  EXPECT_FALSE(fs::exists(system / "Orte" / "Ring Zwei.ini.tmp99999999-3"));
  EXPECT_TRUE(fs::exists(own));  // a running editor's save is its own business
  EXPECT_TRUE(fs::exists(system / "System.ini"));
}

TEST_F(EditorWindowTest, SampleNamesFitTheirLists) {
  ASSERT_TRUE(WriteSampleUniverse(temp.path)) << "no sample universe";
  Open();
  // "Bearbeitungsort:" stands clear of the inner tabs.
  QTabBar* bar = app->places.inner->tabBar();
  QWidget* page = app->places.inner->parentWidget();
  const int tabsEnd = bar->mapTo(page, bar->tabRect(bar->count() - 1).topRight()).x();
  QLabel* label = nullptr;
  for (QLabel* each : page->findChildren<QLabel*>()) {
    if (each->text() == QString::fromUtf8("Bearbeitungsort:")) label = each;
  }
  ASSERT_NE(label, nullptr);
  EXPECT_GT(label->x(), tabsEnd);
  EXPECT_GE(app->places.place->x(), label->geometry().right());

  // Every offered name shows whole, inside the list's width.
  for (const OfferBlock& block : app->places.offers) {
    QListWidget* list = block.source;
    list->resize(list->size());
    list->doItemsLayout();
    const QFontMetrics metrics(list->font());
    for (int i = 0; i < list->count(); ++i) {
      const QRect rect = list->visualItemRect(list->item(i));
      EXPECT_LE(rect.right(), list->viewport()->width()) << list->item(i)->text().toStdString();
      EXPECT_LE(metrics.horizontalAdvance(list->item(i)->text()), rect.width())
          << list->item(i)->text().toStdString();
    }
  }

  // Every element of every sample system shows whole: one line per column, or wrapped names.
  QTreeWidget* list = app->elements.list;
  const QFontMetrics metrics(list->font());
  for (const std::string& name : ListSystemFolders(temp.path)) {
    Load(name);
    list->doItemsLayout();
    for (int row = 0; row < list->topLevelItemCount(); ++row) {
      QTreeWidgetItem* item = list->topLevelItem(row);
      for (int column : {0, 1, 3}) {
        EXPECT_LE(metrics.horizontalAdvance(item->text(column)) + 6, list->columnWidth(column))
            << item->text(column).toStdString();
      }
      const int width = list->columnWidth(2) - 6;
      const QRect wrapped =
          metrics.boundingRect(QRect(0, 0, width, 1000), Qt::TextWordWrap, item->text(2));
      EXPECT_LE(wrapped.width(), width) << item->text(2).toStdString();
      EXPECT_LE(wrapped.height(), list->visualItemRect(item).height())
          << item->text(2).toStdString();
    }
  }
}

}  // namespace
