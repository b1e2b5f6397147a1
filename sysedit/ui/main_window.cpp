#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QVBoxLayout>

#include "sysedit/document/system_io.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/map_widget.h"
#include "sysedit/ui/menu_commands.h"

namespace {

// The main window only adds the question before closing with unsaved changes.
class EditorWindow : public QMainWindow {
 public:
  explicit EditorWindow(EditorApp& app) : app_(app) {}

 protected:
  void closeEvent(QCloseEvent* event) override {
    if (ConfirmDiscard(app_)) {
      event->accept();
    } else {
      event->ignore();
    }
  }

 private:
  EditorApp& app_;
};

// Text fields claim Ctrl+Z and Ctrl+Y for their own typing; in this window the keys undo and
// redo the document's edits (typing into a note or a figure is such an edit), wherever the focus.
class UndoKeysToDocument : public QObject {
 public:
  explicit UndoKeysToDocument(QWidget* window) : QObject(window), window_(window) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ShortcutOverride) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != window_) return false;
    auto* key = static_cast<QKeyEvent*>(event);
    const QKeyCombination combination = key->keyCombination();
    if (combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z) ||
        combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
        key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo)) {
      event->ignore();  // not taken by the field: the window's shortcut runs
      return true;
    }
    return false;
  }

 private:
  QWidget* window_;
};

QAction* AddItem(QMenu* menu, const char* text, EditorApp& app, void (*command)(EditorApp&)) {
  QAction* action = menu->addAction(QString::fromUtf8(text));
  QObject::connect(action, &QAction::triggered, menu, [&app, command] { command(app); });
  return action;
}

void BuildMenus(EditorApp& app) {
  QMenuBar* bar = app.window->menuBar();
  QMenu* file = bar->addMenu(QString::fromUtf8("Datei"));
  AddItem(file, "Neu", app, CommandNew);
  AddItem(file, "Laden", app, CommandLoad)->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
  AddItem(file, "Altes Laden", app, CommandOldLoad);
  QAction* save = file->addAction(QString::fromUtf8("Speichern"));
  QObject::connect(save, &QAction::triggered, file, [&app] { CommandSave(app); });
  file->addSeparator();
  app.undoAction = AddItem(file, "Rückgängig", app, CommandUndo);
  app.undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  app.redoAction = AddItem(file, "Wiederholen", app, CommandRedo);
  app.redoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
  // The shortcuts act wherever the focus is in the window, not only through the menu. Ctrl+S
  // saves without the dialog, which "Speichern" always shows.
  app.window->addAction(app.undoAction);
  app.window->addAction(app.redoAction);
  auto* quickSave = new QAction(app.window);
  quickSave->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
  QObject::connect(quickSave, &QAction::triggered, app.window, [&app] { CommandQuickSave(app); });
  app.window->addAction(quickSave);
  qApp->installEventFilter(new UndoKeysToDocument(app.window));
  file->addSeparator();
  AddItem(file, "Einstellungen", app, CommandSettings);
  file->addSeparator();
  QAction* quit = file->addAction(QString::fromUtf8("Beenden"));
  QObject::connect(quit, &QAction::triggered, app.window, &QWidget::close);

  for (const char* title : {"Einstellungen", "Hilfe"}) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(title));
    AddItem(menu, "Info", app, CommandInfo);
    AddItem(menu, "Hilfe.html", app, CommandHelp);
  }
}

void BuildClientArea(EditorApp& app, QWidget* client) {
  app.tabs = new QTabWidget(client);
  app.tabs->setGeometry(5, 5, 490, 490);
  const char* titles[] = {"Systemkarte", "KI-Routen", "Ortebearbeitung", "Infos (Text)"};
  QWidget* pages[4];
  for (int i = 0; i < 4; ++i) {
    pages[i] = new QWidget;
    app.tabs->addTab(pages[i], QString::fromUtf8(titles[i]));
  }

  app.zoom = new QSlider(Qt::Horizontal, client);
  app.zoom->setGeometry(400, 5, 100, 15);
  app.zoom->setRange(0, 3);
  app.zoom->setPageStep(1);
  app.zoom->setValue(3);
  app.zoom->setTickPosition(QSlider::TicksBelow);
  app.zoom->setTickInterval(1);
  app.zoom->setToolTip(QString::fromUtf8("Zoom"));
  app.zoom->setFocusPolicy(Qt::NoFocus);

  auto* mapFrame = new QFrame(client);
  mapFrame->setGeometry(500, 0, 506, 506);
  mapFrame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  mapFrame->setLineWidth(3);
  app.map = new MapWidget(app, client);
  app.map->move(503, 3);

  auto* bottom = new QFrame(client);
  bottom->setGeometry(0, 510, 1010, 20);
  bottom->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  bottom->setLineWidth(1);
  app.status = new QLabel(bottom);
  app.status->setGeometry(6, 1, 998, 18);
  app.notesButton = new QPushButton(bottom);
  app.notesButton->setGeometry(904, 1, 104, 18);
  app.notesButton->setToolTip(QString::fromUtf8("Alle Hinweise zum zuletzt geladenen System"));
  app.notesButton->hide();
  QObject::connect(app.notesButton, &QPushButton::clicked, app.notesButton,
                   [&app] { ShowLoadNotes(app); });

  BuildElementsTab(app, pages[0]);
  BuildRoutesTab(app, pages[1]);
  BuildPlacesTab(app, pages[2]);
  BuildNotesTab(app, pages[3]);
  app.zoom->raise();

  QObject::connect(app.zoom, &QSlider::valueChanged, app.map, [&app](int value) {
    app.view.zoomPosition = value;  // the camera stays; its shift becomes camera / z
    app.map->Redraw();
  });
  QObject::connect(app.tabs, &QTabWidget::currentChanged, app.map, [&app] { app.map->Redraw(); });
}

QString WindowTitle(const EditorApp& app) {
  QString title = QString::fromUtf8("Velmarith-Systemeditor");
  if (!app.document.editedSystem.empty()) title += " - " + FromLatin1(app.document.editedSystem);
  if (HoldsUnsavedWork(app)) title += " *";
  return title;
}

}  // namespace

std::unique_ptr<EditorApp> CreateEditor(const std::filesystem::path& folder) {
  // The layout is measured in pixels for a small, narrow dialog font.
  QFont font = QApplication::font();
  font.setFamilies({QStringLiteral("DejaVu Sans Condensed"), font.family()});
  font.setPixelSize(11);
  QApplication::setFont(font);

  auto app = std::make_unique<EditorApp>();
  app->folder = folder;
  app->catalogues = LoadEditorCatalogues(folder);

  app->window = new EditorWindow(*app);
  app->window->setAttribute(Qt::WA_DeleteOnClose, false);
  BuildMenus(*app);
  auto* client = new QWidget;
  client->setFixedSize(1010, 550);
  app->window->setCentralWidget(client);
  BuildClientArea(*app, client);
  app->window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
  app->window->layout()->setSizeConstraint(QLayout::SetFixedSize);
  // Where the window goes is the window manager's to say: placed at (0, 0) the title bar would lie
  // above the screen.
  RemoveAbandonedSaveTemporaries(folder);
  AfterChange(*app, kPartAll);
  QString status = QString::fromUtf8("Universum: ") + QString::fromStdString(folder.string());
  // Started outside a universe (the build folder, a wrong VELMARITH_INI): the lists stay empty,
  // and the author learns why instead of facing an editor with nothing to choose.
  if (app->catalogues.elementDefs.groups.empty()) {
    status += QString::fromUtf8(
        " (keine _Elemente.ini gefunden; VELMARITH_INI nennt den "
        "INI-Ordner des Universums)");
  }
  ShowStatus(*app, status);
  return app;
}

EditorApp::~EditorApp() {
  if (!window) return;
  // Controls dying one by one must not run handlers against a half-destroyed window.
  for (QObject* child : window->findChildren<QObject*>()) child->blockSignals(true);
  delete window;
}

void AfterControlChange(EditorApp& app) {
  UpdateElementButtons(app);
  UpdateRouteButtons(app);
  UpdatePlaceButtons(app);
  app.window->setWindowTitle(WindowTitle(app));
  app.undoAction->setEnabled(CanUndo(app.document));
  app.redoAction->setEnabled(CanRedo(app.document));
  app.undoAction->setText(CanUndo(app.document)
                              ? "Rückgängig: " + FromLatin1(UndoText(app.document))
                              : QString::fromUtf8("Rückgängig"));
  app.redoAction->setText(CanRedo(app.document)
                              ? "Wiederholen: " + FromLatin1(RedoText(app.document))
                              : QString::fromUtf8("Wiederholen"));
  app.map->Redraw();
}

void AfterChange(EditorApp& app, unsigned parts) {
  if (parts & kPartElements) RefreshElements(app);
  if (parts & kPartRoutes) RefreshRoutes(app);
  if (parts & (kPartPlaces | kPartPeople)) RefreshPlaces(app, parts);
  if (parts & kPartNotes) RefreshNotes(app);
  AfterControlChange(app);
}

void ShowStatus(EditorApp& app, const QString& text) {
  app.status->setText(text);
}

void ExplainAdd(EditorApp& app, QPushButton* add, const ParameterPanel& panel, bool rowChosen,
                const QString& reason, QString& shown) {
  add->setToolTip(reason);
  if (reason == shown) return;
  const QString prefix = QString::fromUtf8("„Hinzufügen“ geht noch nicht: ");
  // A reason that no longer holds leaves the status line.
  if (app.status->text() == prefix + shown) ShowStatus(app, QString());
  shown = reason;
  if (!reason.isEmpty() && !panel.mask.empty() && !rowChosen) ShowStatus(app, prefix + reason);
}

void SetLoadNotes(EditorApp& app, std::vector<std::string> notes) {
  app.loadNotes = std::move(notes);
  app.notesButton->setText(QString::fromUtf8("Hinweise (%1)").arg(app.loadNotes.size()));
  app.notesButton->setVisible(!app.loadNotes.empty());
  app.status->setFixedWidth(app.loadNotes.empty() ? 998 : 894);
}

void ShowLoadNotes(EditorApp& app) {
  QDialog dialog(app.window);
  dialog.setObjectName("LoadNotes");
  dialog.setWindowTitle(
      QString::fromUtf8("Hinweise beim Laden von „%1“").arg(FromLatin1(app.document.editedSystem)));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  for (const std::string& note : app.loadNotes) list->addItem(FromLatin1(note));
  layout->addWidget(list);
  auto* close = new QPushButton(QString::fromUtf8("Schließen"), &dialog);
  QObject::connect(close, &QPushButton::clicked, &dialog, &QDialog::accept);
  layout->addWidget(close);
  dialog.resize(760, 320);
  dialog.exec();
}

bool HoldsUnsavedWork(const EditorApp& app) {
  return IsModified(app.document) || !UnstorableNotes(app).empty();
}
