#include "sysedit/ui/menu_commands.h"

#include <QAbstractButton>
#include <QMainWindow>
#include <QMessageBox>
#include <QTreeWidget>

#include "sysedit/document/edits.h"
#include "sysedit/document/system_io.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"
#include "sysedit/ui/folder_dialog.h"

namespace {

const char* kVersion = "0.1";

void ReportLoad(EditorApp& app, const LoadOutcome& outcome, const char* what) {
  QString text = QString::fromUtf8(what) + " " + FromLatin1(app.document.editedSystem);
  if (!outcome.systemFileFound) text += QString::fromUtf8(": kein System.ini, leeres System");
  if (!outcome.badPlaceNames.empty()) {
    // Kept as they are, but each would name a file other than its own: saving refuses them.
    QStringList names;
    for (const std::string& name : outcome.badPlaceNames) names << "„" + FromLatin1(name) + "“";
    text += QString::fromUtf8(" – Ortsnamen, die kein einfacher Dateiname sind: ") +
            names.join(", ") + QString::fromUtf8(" (vor dem Speichern umbenennen)");
  }
  if (!outcome.notes.empty()) {
    text += outcome.notes.size() == 1
                ? QString::fromUtf8(" – 1 auffällige Zeile: ") + FromLatin1(outcome.notes.front())
                : QString::fromUtf8(" – %1 auffällige Zeilen (Liste: „Hinweise“ rechts unten)")
                      .arg(outcome.notes.size());
  }
  SetLoadNotes(app, outcome.notes);
  ShowStatus(app, text);
}

// A new document: rows chosen in the old one would name other records, and places, figures,
// fields and the map's view shown for the old one belong to another system.
void ClearSelections(EditorApp& app) {
  SelectRow(app.elements.list, -1);
  SelectRow(app.routes.routeList, -1);
  SelectRow(app.places.people, -1);
  ResetElementsPanel(app);
  ResetRoutesPanel(app);
  ResetPlacesTab(app);
  app.view = MapView{};
  const QSignalBlocker blocker(app.zoom);
  app.zoom->setValue(app.view.zoomPosition);
}

// Saving into another folder that holds a system replaces that system: asked first.
bool ConfirmOverwrite(EditorApp& app, const std::string& name) {
  if (name == app.document.editedSystem || !HoldsSystem(app.folder, name)) return true;
  QMessageBox box(
      QMessageBox::Warning, QString::fromUtf8("Speichern"),
      QString::fromUtf8("Im Ordner „%1“ steht schon ein anderes System.").arg(FromLatin1(name)),
      QMessageBox::Save | QMessageBox::Cancel, app.window);
  box.setObjectName("ConfirmOverwrite");
  box.setInformativeText(QString::fromUtf8(
      "Es durch dieses System ersetzen? Seine bisherigen Dateien kommen in einen Ordner "
      "„Sicherung …“ darin."));
  box.button(QMessageBox::Save)->setText(QString::fromUtf8("Überschreiben"));
  box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("Abbrechen"));
  box.setDefaultButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Save;
}

void ReportSaveFailure(EditorApp& app, const std::string& name, const SaveOutcome& outcome) {
  QString details;
  for (const std::string& error : outcome.errors) details += QString::fromStdString(error) + "\n";
  const char* what = outcome.refused
                         ? "Das System „%1“ wurde nicht gespeichert, keine Datei wurde "
                           "geschrieben. Die Daten gelten weiter als ungespeichert."
                         : "Das System „%1“ konnte nicht vollständig gespeichert werden. Die "
                           "Daten gelten weiter als ungespeichert.";
  QMessageBox box(QMessageBox::Critical, QString::fromUtf8("Speichern"),
                  QString::fromUtf8(what).arg(FromLatin1(name)), QMessageBox::Ok, app.window);
  box.setObjectName(outcome.refused ? "SaveRefused" : "SaveFailed");
  box.setInformativeText(details.trimmed());
  box.exec();
  ShowStatus(app, QString::fromUtf8(outcome.refused ? "Nicht gespeichert: "
                                                    : "Speichern fehlgeschlagen: ") +
                      QString::fromStdString(outcome.errors.empty() ? "" : outcome.errors[0]));
}

// Saves into the named folder: text the files cannot hold is refused first, then another
// system in that folder is asked about.
bool SaveInto(EditorApp& app, const std::string& name) {
  SaveOutcome outcome;
  for (const QString& refusal : UnstorableNotes(app))
    outcome.errors.push_back(refusal.toStdString());
  if (!outcome.errors.empty()) {
    outcome.ok = false;
    outcome.refused = true;
    ReportSaveFailure(app, name, outcome);
    return false;
  }
  if (!ConfirmOverwrite(app, name)) return false;
  outcome = SaveSystem(app.document, app.folder, name);
  AfterControlChange(app);
  if (!outcome.ok) {
    ReportSaveFailure(app, name, outcome);
    return false;
  }
  QString text = QString::fromUtf8("Gespeichert: ") + FromLatin1(name);
  if (!outcome.backupFolder.empty()) {
    text += QString::fromUtf8(" – die bisherigen Dateien liegen in ") +
            QString::fromStdString(outcome.backupFolder.string());
  }
  ShowStatus(app, text);
  return true;
}

}  // namespace

bool ConfirmDiscard(EditorApp& app) {
  if (!HoldsUnsavedWork(app)) return true;
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8("Velmarith-Systemeditor"),
                  QString::fromUtf8("Die Änderungen sind noch nicht gespeichert."),
                  QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, app.window);
  box.setObjectName("ConfirmDiscard");
  box.setInformativeText(QString::fromUtf8("Vorher speichern?"));
  box.button(QMessageBox::Save)->setText(QString::fromUtf8("Speichern"));
  box.button(QMessageBox::Discard)->setText(QString::fromUtf8("Verwerfen"));
  box.button(QMessageBox::Cancel)->setText(QString::fromUtf8("Abbrechen"));
  box.setDefaultButton(QMessageBox::Cancel);
  switch (box.exec()) {
    case QMessageBox::Save:
      return CommandQuickSave(app);
    case QMessageBox::Discard:
      return true;
    default:
      return false;
  }
}

void CommandNew(EditorApp& app) {
  if (!ConfirmDiscard(app)) return;
  ClearDocument(app.document);
  ClearSelections(app);
  AfterChange(app, kPartAll);
  SetLoadNotes(app, {});
  ShowStatus(app, QString::fromUtf8("Neues System"));
}

namespace {

// "Laden" and "Altes Laden": the folder, then the new document in every view.
void LoadFromDialog(EditorApp& app, bool oldLayout) {
  if (!ConfirmDiscard(app)) return;
  const std::string name =
      RunFolderDialog(app.window, app.folder, FolderDialogKind::kLoad, app.document.editedSystem);
  if (name.empty()) return;
  const LoadOutcome outcome = oldLayout
                                  ? LoadOldSystem(app.document, app.catalogues, app.folder, name)
                                  : LoadSystem(app.document, app.folder, name);
  ClearSelections(app);
  AfterChange(app, kPartAll);
  ReportLoad(app, outcome, oldLayout ? "Alte Form geladen:" : "Geladen:");
}

}  // namespace

void CommandLoad(EditorApp& app) {
  LoadFromDialog(app, false);
}

void CommandOldLoad(EditorApp& app) {
  LoadFromDialog(app, true);
}

bool CommandSave(EditorApp& app) {
  const std::string name =
      RunFolderDialog(app.window, app.folder, FolderDialogKind::kSave, app.document.editedSystem);
  return !name.empty() && SaveInto(app, name);
}

bool CommandQuickSave(EditorApp& app) {
  if (app.document.editedSystem.empty()) return CommandSave(app);
  return SaveInto(app, app.document.editedSystem);
}

void CommandUndo(EditorApp& app) {
  AfterChange(app, Undo(app.document));
}

void CommandRedo(EditorApp& app) {
  AfterChange(app, Redo(app.document));
}

void CommandSettings(EditorApp& app) {
  QMessageBox::information(
      app.window, QString::fromUtf8("Einstellungen"),
      QString::fromUtf8("Ordner des Universums (INI):\n%1\n\nEin anderer Ordner lässt sich mit "
                        "der Umgebungsvariable VELMARITH_INI wählen.")
          .arg(QString::fromStdString(app.folder.string())));
}

void CommandInfo(EditorApp& app) {
  QMessageBox::about(app.window, QString::fromUtf8("Info"),
                     QString::fromUtf8("<b>Velmarith-Systemeditor</b><br>Version %1<br><br>"
                                       "Bearbeitet die Elemente, KI-Routen und Orte eines "
                                       "Sternsystems von Velmarith.")
                         .arg(kVersion));
}

void CommandHelp(EditorApp& app) {
  QMessageBox box(app.window);
  box.setWindowTitle(QString::fromUtf8("Hilfe"));
  box.setTextFormat(Qt::RichText);
  box.setText(QString::fromUtf8(
      "<h3>Velmarith-Systemeditor</h3>"
      "<p><b>Datei → Laden</b> öffnet ein System (einen Ordner im INI-Ordner), "
      "<b>Speichern</b> schreibt es in einen Ordner; ein neuer Name legt den Ordner an. "
      "<b>Altes Laden</b> liest Systeme in der älteren Form.</p>"
      "<p><b>Systemkarte:</b> Elementgruppe und Element wählen, die freigeschalteten Felder "
      "ausfüllen, <b>Hinzufügen</b>. Eine Zeile der Elementeliste wählen, um sie zu ändern oder "
      "zu entfernen. Andockringe sind die Orte des Systems.</p>"
      "<p><b>KI-Routen:</b> Gruppe und ersten Wegpunkt (Art „Erscheinen + Abdocken“) angeben, "
      "Route hinzufügen; dann weitere Wegpunkte (höchstens 31).</p>"
      "<p><b>Ortebearbeitung:</b> Ort wählen, Angebote zuordnen, Warenmengen und Leute "
      "bearbeiten.</p>"
      "<p><b>Karte:</b> Linke Maustaste überträgt die Koordinaten in die Felder des offenen "
      "Reiters, rechte Maustaste verschiebt die Karte, der Regler oben wählt den Zoom.</p>"
      "<p>Strg+S speichert in den Ordner des Systems, Strg+O lädt ein System. Strg+Z macht eine "
      "Änderung rückgängig, Strg+Y stellt sie wieder her. Rot markierte "
      "Felder enthalten keine gültige Zahl.</p>"));
  box.exec();
}
