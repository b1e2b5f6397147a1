#pragma once

// The 500 x 500 map area: shows the rendered map and turns mouse input into panning and picking.

#include <functional>

#include <QImage>
#include <QPoint>
#include <QWidget>

struct EditorApp;

class MapWidget : public QWidget {
 public:
  MapWidget(EditorApp& app, QWidget* parent);

  // Renders the map from the document and the controls and shows it at once.
  void Redraw();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void HandleMouse(QMouseEvent* event);

  EditorApp& app_;
  QPoint previous_;
};
