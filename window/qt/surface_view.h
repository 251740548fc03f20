// The client area of the main window: copies the retained surface to the screen and reports
// mouse presses with the classic button numbers and twips positions.
#pragma once

#include <QWidget>
#include <functional>

namespace brenvolt {

class Surface;

class SurfaceView : public QWidget {
 public:
  using PressHandler = std::function<void(int button, double xTwips, double yTwips)>;

  SurfaceView(const Surface& surface, QWidget* parent = nullptr);

  void setPressHandler(PressHandler handler) { pressHandler_ = std::move(handler); }
  // Where the surface does not reach (a window made larger than the surface).
  void setBackground(const QColor& colour);
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  const Surface& surface_;
  QColor background_ = Qt::black;
  PressHandler pressHandler_;
};

}  // namespace brenvolt
