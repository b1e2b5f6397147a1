#include <QColor>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>

#include "formats/route_file.h"
#include "sysedit/document/edits.h"
#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"

namespace {

int SelectedRoute(const EditorApp& app) {
  const int row = SelectedRow(app.routes.routeList);
  return row < static_cast<int>(app.document.routes.size()) ? row : -1;
}

EditorWaypoint WaypointFromFields(const EditorApp& app) {
  return {FieldInt(app.routes.x), FieldInt(app.routes.y), app.routes.kind->currentIndex() + 1};
}

// Lists the used waypoints of the selected route.
void ShowWaypoints(EditorApp& app, int keepRow) {
  QTreeWidget* list = app.routes.waypointList;
  const QSignalBlocker blocker(list);
  list->clear();
  const int route = SelectedRoute(app);
  if (route < 0) return;
  const EditorRoute& chosen = app.document.routes[route];
  for (int i = 0; i < UsedWaypointCount(chosen); ++i) {
    const EditorWaypoint& waypoint = chosen.waypoints[i];
    list->addTopLevelItem(
        new QTreeWidgetItem({QString::number(waypoint.x), QString::number(waypoint.y),
                             QString::number(waypoint.kind)}));
  }
  SelectRow(list, keepRow < list->topLevelItemCount() ? keepRow : -1);
}

void ChooseWaypoint(EditorApp& app) {
  const int route = SelectedRoute(app), row = SelectedRow(app.routes.waypointList);
  if (route < 0 || row < 0) return;
  const EditorWaypoint& waypoint = app.document.routes[route].waypoints[row];
  for (auto [field, value] : {std::pair{app.routes.x, waypoint.x}, {app.routes.y, waypoint.y}}) {
    const QSignalBlocker blocker(field);
    field->setText(QString::number(value));
  }
  const QSignalBlocker blocker(app.routes.kind);
  app.routes.kind->setCurrentIndex(waypoint.kind >= 1 && waypoint.kind <= 4 ? waypoint.kind - 1
                                                                            : -1);
}

void AddWaypointClicked(EditorApp& app) {
  const int route = SelectedRoute(app);
  if (route < 0) return;
  if (UsedWaypointCount(app.document.routes[route]) >= kMaxWaypoints) {
    QMessageBox::information(app.window, QString::fromUtf8("KI-Routen"),
                             QString::fromUtf8("Eine Route hat höchstens 31 Wegpunkte. "
                                               "Dieser Wegpunkt wurde nicht hinzugefügt."));
    ShowStatus(app, QString::fromUtf8("Route voll: höchstens 31 Wegpunkte"));
    return;
  }
  const unsigned parts = AddWaypoint(app.document, route, WaypointFromFields(app));
  AfterChange(app, parts);
  ShowWaypoints(app, UsedWaypointCount(app.document.routes[route]) - 1);  // the new row, selected
  AfterControlChange(app);
}

void Connect(EditorApp& app) {
  RoutesTab& tab = app.routes;
  QObject::connect(tab.routeList, &QTreeWidget::itemSelectionChanged, tab.routeList, [&app] {
    ShowWaypoints(app, -1);
    AfterControlChange(app);
  });
  QObject::connect(tab.waypointList, &QTreeWidget::itemSelectionChanged, tab.waypointList, [&app] {
    ChooseWaypoint(app);
    AfterControlChange(app);
  });
  for (QLineEdit* field : {tab.x, tab.y}) {
    QObject::connect(field, &QLineEdit::textChanged, field, [&app] { AfterControlChange(app); });
  }
  for (QComboBox* choice : {tab.group, tab.kind}) {
    QObject::connect(choice, &QComboBox::currentIndexChanged, choice,
                     [&app] { AfterControlChange(app); });
  }
  QObject::connect(tab.addRoute, &QPushButton::clicked, tab.addRoute, [&app] {
    AfterChange(app, AddRoute(app.document, ChoiceText(app.routes.group), WaypointFromFields(app)));
  });
  QObject::connect(tab.removeRoute, &QPushButton::clicked, tab.removeRoute, [&app] {
    const int route = SelectedRoute(app);
    SelectRow(app.routes.routeList, -1);
    AfterChange(app, RemoveRoute(app.document, route));
  });
  QObject::connect(tab.addWaypoint, &QPushButton::clicked, tab.addWaypoint,
                   [&app] { AddWaypointClicked(app); });
  QObject::connect(tab.changeWaypoint, &QPushButton::clicked, tab.changeWaypoint, [&app] {
    AfterChange(app, ChangeWaypoint(app.document, SelectedRoute(app),
                                    SelectedRow(app.routes.waypointList), WaypointFromFields(app)));
  });
  QObject::connect(tab.removeWaypoint, &QPushButton::clicked, tab.removeWaypoint, [&app] {
    const int row = SelectedRow(app.routes.waypointList);
    SelectRow(app.routes.waypointList, -1);
    AfterChange(app, RemoveWaypoint(app.document, SelectedRoute(app), row));
  });
}

}  // namespace

void BuildRoutesTab(EditorApp& app, QWidget* page) {
  RoutesTab& tab = app.routes;
  PutFrame(page, "KI-Routen", 5, 5, 200, 300);
  tab.routeList = PutColumns(page, 15, 25, 180, 200, {{"Gruppe", 100}, {"Wegp.", 50}});
  PutFieldLabel(page, "Gruppe:", 75, 235, 56);
  tab.group = PutChoice(page, 75, 235, 120);
  FillChoice(tab.group, app.catalogues.groupChoices);
  tab.addRoute = PutButton(page, "Hinzufügen", 15, 265, 85, 20);
  tab.removeRoute = PutButton(page, "Entfernen", 110, 265, 85, 20);

  PutFrame(page, "Routen-Wegpunkte", 210, 5, 270, 300);
  tab.waypointList = PutColumns(page, 220, 25, 250, 170, {{"x", 70}, {"y", 70}, {"Art", 70}});
  PutFieldLabel(page, "X-Pos.:", 270, 200, 54);
  tab.x = PutField(page, 270, 200);
  PutFieldLabel(page, "Y-Pos.:", 400, 200, 54);
  tab.y = PutField(page, 400, 200);
  PutFieldLabel(page, "Art:", 270, 225, 54);
  tab.kind = PutChoice(page, 270, 225, 200);
  for (int kind = 1; kind <= 4; ++kind) {
    tab.kind->addItem(FromLatin1(std::string(WaypointKindNames[kind])));
  }
  tab.kind->setCurrentIndex(0);
  tab.addWaypoint = PutButton(page, "Hinzufügen", 220, 255, 80, 20);
  tab.changeWaypoint = PutButton(page, "Ändern", 305, 255, 80, 20);
  tab.removeWaypoint = PutButton(page, "Entfernen", 390, 255, 80, 20);
  Connect(app);
}

void RefreshRoutes(EditorApp& app) {
  QTreeWidget* list = app.routes.routeList;
  const int count = static_cast<int>(app.document.routes.size());
  const int keepRoute = list->topLevelItemCount() == count ? SelectedRow(list) : -1;
  const int keepWaypoint = SelectedRow(app.routes.waypointList);
  {
    const QSignalBlocker blocker(list);
    list->clear();
    for (const EditorRoute& route : app.document.routes) {
      auto* row = new QTreeWidgetItem(
          {FromLatin1(route.groupName), QString::number(UsedWaypointCount(route))});
      if (route.cutWaypoints > 0) {
        // Saving writes the route without them: the author sees it before.
        row->setText(1, row->text(1) + QString::fromUtf8(" (−%1)").arg(route.cutWaypoints));
        for (int column = 0; column < 2; ++column) {
          row->setForeground(column, QColor(200, 0, 0));
          row->setToolTip(column, QString::fromUtf8("Beim Laden fehlten %1 Wegpunkte dieser "
                                                    "Route (siehe „Hinweise“); gespeichert wird "
                                                    "sie ohne sie.")
                                      .arg(route.cutWaypoints));
        }
      }
      list->addTopLevelItem(row);
    }
    SelectRow(list, keepRoute);
  }
  ShowWaypoints(app, keepWaypoint);
}

void ResetRoutesPanel(EditorApp& app) {
  RoutesTab& tab = app.routes;
  for (QLineEdit* field : {tab.x, tab.y}) {
    const QSignalBlocker blocker(field);
    field->clear();
  }
  for (auto [choice, index] : {std::pair{tab.group, -1}, {tab.kind, 0}}) {
    const QSignalBlocker blocker(choice);
    choice->setCurrentIndex(index);
  }
}

void UpdateRouteButtons(EditorApp& app) {
  RoutesTab& tab = app.routes;
  const bool coordinates = CheckNumberField(tab.x, NumberForm::kInteger, 10) &
                           CheckNumberField(tab.y, NumberForm::kInteger, 10);
  const bool filled = coordinates && !tab.x->text().isEmpty() && !tab.y->text().isEmpty();
  const bool route = SelectedRoute(app) >= 0;
  const bool waypoint = route && SelectedRow(tab.waypointList) >= 0;
  // A route starts where its ships appear: its first waypoint is "Erscheinen + Abdocken".
  tab.addRoute->setEnabled(filled && tab.kind->currentIndex() == 0 &&
                           tab.group->currentIndex() > 0);
  tab.removeRoute->setEnabled(route);
  tab.addWaypoint->setEnabled(filled && route && tab.kind->currentIndex() >= 0);
  tab.changeWaypoint->setEnabled(filled && waypoint && tab.kind->currentIndex() >= 0);
  tab.removeWaypoint->setEnabled(waypoint);
}
