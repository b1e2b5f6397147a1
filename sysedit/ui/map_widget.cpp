#include "sysedit/ui/map_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include "sysedit/ui/editor_app.h"

MapWidget::MapWidget(EditorApp& app, QWidget* parent) : QWidget(parent), app_(app) {
  setFixedSize(kMapSize, kMapSize);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::CrossCursor);
}

void MapWidget::Redraw() {
  RenderMap(app_.document, app_.catalogues.elementDefs, app_.view, CurrentMapMarks(app_),
            app_.mapImage);
  update();
}

void MapWidget::paintEvent(QPaintEvent*) {
  if (app_.mapImage.isNull()) {
    RenderMap(app_.document, app_.catalogues.elementDefs, app_.view, CurrentMapMarks(app_),
              app_.mapImage);
  }
  QPainter painter(this);
  painter.drawImage(0, 0, app_.mapImage);
}

void MapWidget::mousePressEvent(QMouseEvent* event) {
  // The previous position belongs to the last event: a new press starts from here.
  if (event->button() == Qt::RightButton) previous_ = event->position().toPoint();
  HandleMouse(event);
}

void MapWidget::mouseMoveEvent(QMouseEvent* event) {
  HandleMouse(event);
}

void MapWidget::mouseReleaseEvent(QMouseEvent* event) {
  HandleMouse(event);
}

void MapWidget::HandleMouse(QMouseEvent* event) {
  const QPoint position = event->position().toPoint();
  const Qt::MouseButtons buttons = event->buttons();
  bool changed = false;
  if (buttons & Qt::RightButton) {
    PanMap(app_.view, position.x() - previous_.x(), position.y() - previous_.y());
    changed = true;
  }
  if ((buttons & Qt::LeftButton) && IsPickable(position.x(), position.y())) {
    const MapPoint world = MapToWorld(app_.view, position.x(), position.y());
    PickCoordinates(app_, world.x, world.y);
    changed = true;
  }
  previous_ = position;
  if (changed) Redraw();
}
