#pragma once

// The editor's window and the state behind it: the document, the catalogues, the map view and
// the controls of the four tabs. Widgets show the document and change it only through edits.

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "sysedit/document/catalogues.h"
#include "sysedit/document/document.h"
#include "sysedit/map/map_render.h"
#include "sysedit/ui/parameter_panel.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;
class QSlider;
class QTabWidget;
class QTreeWidget;
class QWidget;
class MapWidget;

struct ElementsTab {
  QListWidget* groupList = nullptr;  // "Elementgruppe"
  QListWidget* typeList = nullptr;   // "Element"
  QLineEdit* name = nullptr;
  QComboBox* group = nullptr;
  QLineEdit* x = nullptr;
  QLineEdit* y = nullptr;
  QLineEdit* direction = nullptr;
  QLineEdit* rotation = nullptr;
  QLineEdit* radius = nullptr;
  QLineEdit* length = nullptr;
  QPushButton* add = nullptr;
  QPushButton* change = nullptr;
  QPushButton* remove = nullptr;
  QTreeWidget* list = nullptr;  // "Element", "Art", "Name", "Gruppe"
  ParameterPanel panel;         // name ... length, switched by the chosen group's mask
  int rowHeight = 0;            // of a one-line row of the list
  QString addReason;            // why "Hinzufügen" was last disabled, as the status line said
  int textMargin = 0;           // beside a cell's text
};

struct RoutesTab {
  QTreeWidget* routeList = nullptr;  // "Gruppe", "Wegp."
  QComboBox* group = nullptr;
  QPushButton* addRoute = nullptr;
  QPushButton* removeRoute = nullptr;
  QTreeWidget* waypointList = nullptr;  // "x", "y", "Art"
  QLineEdit* x = nullptr;
  QLineEdit* y = nullptr;
  QComboBox* kind = nullptr;
  QPushButton* addWaypoint = nullptr;
  QPushButton* changeWaypoint = nullptr;
  QPushButton* removeWaypoint = nullptr;
};

struct OfferBlock {
  QListWidget* source = nullptr;
  QListWidget* offered = nullptr;
  QPushButton* add = nullptr;
  QPushButton* remove = nullptr;
};

struct PlacesTab {
  QComboBox* place = nullptr;  // "Bearbeitungsort:"
  QTabWidget* inner = nullptr;
  OfferBlock offers[3];          // ships, weapons, goods
  QTreeWidget* stock = nullptr;  // "Ware", "Menge"
  QLineEdit* figure = nullptr;   // "Warenortspreis :"
  QListWidget* mainKinds = nullptr;
  QListWidget* subKinds = nullptr;
  QComboBox* fromGroup = nullptr;
  QComboBox* againstGroup = nullptr;
  QLineEdit* x = nullptr;
  QLineEdit* y = nullptr;
  QLineEdit* shipCount = nullptr;
  QComboBox* infoPlace = nullptr;
  QLineEdit* price = nullptr;
  QPushButton* add = nullptr;
  QPushButton* change = nullptr;
  QPushButton* remove = nullptr;
  QTreeWidget* people = nullptr;
  ParameterPanel panel;  // "von Gruppe:" ... "Preis:", switched by the chosen main kind's mask
  QString addReason;     // why "Hinzufügen" was last disabled, as the status line said
};

struct NotesTab {
  QPlainTextEdit* groups = nullptr;  // Gruppen.txt
  QPlainTextEdit* goods = nullptr;   // Waren.txt
};

struct EditorApp {
  EditorApp() = default;
  EditorApp(const EditorApp&) = delete;
  EditorApp& operator=(const EditorApp&) = delete;
  ~EditorApp();  // deletes the window while the state its handlers use still exists

  std::filesystem::path folder;  // the universe's INI folder
  EditorCatalogues catalogues;
  EditorDocument document;
  MapView view;
  QImage mapImage;

  QMainWindow* window = nullptr;
  QTabWidget* tabs = nullptr;
  QSlider* zoom = nullptr;
  MapWidget* map = nullptr;
  QLabel* status = nullptr;
  QPushButton* notesButton = nullptr;  // "Hinweise (n)": the last load's notes, shown when any
  std::vector<std::string> loadNotes;  // Latin-1, "file:line: message"
  QAction* undoAction = nullptr;
  QAction* redoAction = nullptr;
  ElementsTab elements;
  RoutesTab routes;
  PlacesTab places;
  NotesTab notes;
};

// Reads the catalogues from `folder` and builds the window (not yet shown).
std::unique_ptr<EditorApp> CreateEditor(const std::filesystem::path& folder);

// After any change of the document: refresh the views of the touched parts, then the title, the
// buttons and the map.
void AfterChange(EditorApp& app, unsigned parts);
// Buttons, title and map only (a control changed, the document did not).
void AfterControlChange(EditorApp& app);

// Shows a short message in the bottom line of the window (UTF-8 text).
void ShowStatus(EditorApp& app, const QString& text);
// Says why an "Hinzufügen" is disabled: in its tooltip, and once in the status line whenever the
// reason changes while the author fills the panel for a new entry (a kind chosen, no row of the
// list chosen; `shown` remembers the last one). Empty: it is enabled.
void ExplainAdd(EditorApp& app, QPushButton* add, const ParameterPanel& panel, bool rowChosen,
                const QString& reason, QString& shown);
// Keeps the notes of a load for the "Hinweise" list (none: the button goes).
void SetLoadNotes(EditorApp& app, std::vector<std::string> notes);
// The window of every load note, one a row.
void ShowLoadNotes(EditorApp& app);

// Changes not yet in the files: edits of the document, or text in a note box that the files
// cannot hold and that therefore has not reached the document.
bool HoldsUnsavedWork(const EditorApp& app);
// One sentence (UTF-8) per note box whose text holds characters the files cannot hold, naming
// the box and the characters; empty when both can be saved.
std::vector<QString> UnstorableNotes(const EditorApp& app);

// The markers and crosses the map draws for the current controls.
MapMarks CurrentMapMarks(const EditorApp& app);

// Index of the selected row of a list, -1 for none.
int SelectedRow(const QTreeWidget* list);
void SelectRow(QTreeWidget* list, int row);

// Tabs, built into their pages by CreateEditor.
void BuildElementsTab(EditorApp& app, QWidget* page);
void BuildRoutesTab(EditorApp& app, QWidget* page);
void BuildPlacesTab(EditorApp& app, QWidget* page);
void BuildNotesTab(EditorApp& app, QWidget* page);
void RefreshElements(EditorApp& app);
void RefreshRoutes(EditorApp& app);
void RefreshPlaces(EditorApp& app, unsigned parts);
void RefreshNotes(EditorApp& app);
// A system was loaded or started anew: the element panel and the waypoint fields are as at
// start-up (no group chosen, fields empty).
void ResetElementsPanel(EditorApp& app);
void ResetRoutesPanel(EditorApp& app);
// A system was loaded or started anew: the place boxes, the stock figures, the
// "Warenortspreis :" box and the person panel forget the previous system (RefreshPlaces then
// fills the boxes again).
void ResetPlacesTab(EditorApp& app);
void UpdateElementButtons(EditorApp& app);
void UpdateRouteButtons(EditorApp& app);
void UpdatePlaceButtons(EditorApp& app);
// Left button on the map: the world point goes into the open tab's coordinate fields.
void PickCoordinates(EditorApp& app, int worldX, int worldY);
