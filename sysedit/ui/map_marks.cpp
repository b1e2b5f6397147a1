#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTreeWidget>

#include "sysedit/ui/controls.h"
#include "sysedit/ui/editor_app.h"

int SelectedRow(const QTreeWidget* list) {
  const QList<QTreeWidgetItem*> selected = list->selectedItems();
  return selected.isEmpty() ? -1 : list->indexOfTopLevelItem(selected.front());
}

void SelectRow(QTreeWidget* list, int row) {
  if (row >= 0 && row < list->topLevelItemCount()) {
    list->setCurrentItem(list->topLevelItem(row));
    list->topLevelItem(row)->setSelected(true);
  } else {
    list->clearSelection();
    list->setCurrentItem(nullptr);
  }
}

namespace {

// Crosses stand at the typed numbers; an empty field counts as 0.
MapPoint FieldPoint(const QLineEdit* x, const QLineEdit* y) {
  return {FieldInt(x), FieldInt(y)};
}

void WriteCoordinates(QLineEdit* x, QLineEdit* y, int worldX, int worldY) {
  // Fields switched off by the mask take no coordinates.
  if (x->isEnabled()) x->setText(QString::number(worldX));
  if (y->isEnabled()) y->setText(QString::number(worldY));
}

}  // namespace

MapMarks CurrentMapMarks(const EditorApp& app) {
  MapMarks marks;
  marks.selectedElement = SelectedRow(app.elements.list);
  marks.placeName = ChoiceText(app.places.place);
  marks.selectedRoute = SelectedRow(app.routes.routeList);
  marks.elementCross = FieldPoint(app.elements.x, app.elements.y);
  marks.personCross = FieldPoint(app.places.x, app.places.y);
  marks.waypointCross = FieldPoint(app.routes.x, app.routes.y);
  return marks;
}

void PickCoordinates(EditorApp& app, int worldX, int worldY) {
  switch (app.tabs->currentIndex()) {
    case 0:
      WriteCoordinates(app.elements.x, app.elements.y, worldX, worldY);
      break;
    case 1:
      WriteCoordinates(app.routes.x, app.routes.y, worldX, worldY);
      break;
    case 2:
      WriteCoordinates(app.places.x, app.places.y, worldX, worldY);
      break;
    default:
      break;  // "Infos (Text)" has no coordinates
  }
}
