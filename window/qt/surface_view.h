// The client area of the main window: shows the retained surface and reports mouse presses
// with the classic button numbers and twips positions.
//
// The surface is shown as large as the client area allows while keeping its proportions, at
// least at the classic size, centred, with the window's background colour around it; the
// surface is drawn afresh at that scale, so the view only ever copies pixels.
#pragma once

#include <QWidget>
#include <functional>

namespace brenvolt {

class Surface;

class SurfaceView : public QWidget {
 public:
  using PressHandler = std::function<void(int button, double xTwips, double yTwips)>;

  SurfaceView(Surface& surface, QWidget* parent = nullptr);

  void setPressHandler(PressHandler handler) { pressHandler_ = std::move(handler); }
  // Where the surface does not reach (a window made larger than the surface).
  void setBackground(const QColor& colour);
  QColor background() const { return background_; }
  // The part of the surface that the client area shows at the classic size, in pixels: the
  // view scales the surface so that this part fills it, centred. Without one the view shows
  // the surface as it is at its top-left corner.
  void setReferenceSize(QSize size);
  QSize referenceSize() const { return referenceSize_; }
  QSize sizeHint() const override;

  // The scale the surface is shown at in a client area of `size`.
  double scaleFor(QSize size) const;
  // Draws the surface at the scale the view's present size asks for; the view does this by
  // itself whenever it is resized on the screen, a window never shown must ask.
  void followSize();
  // Where in the view the surface is shown.
  QRect shownArea() const;
  // What the view shows, at the surface's device pixel ratio.
  QImage shownImage() const;
  // The twips position of the surface under a point of the view.
  QPointF toTwips(QPointF at) const;
  // The point of the view showing a twips position of the surface.
  QPointF fromTwips(QPointF twips) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void paintOn(QPainter& painter, const QRect& dirty) const;

  Surface& surface_;
  QSize referenceSize_;
  QColor background_ = Qt::black;
  PressHandler pressHandler_;
};

}  // namespace brenvolt
