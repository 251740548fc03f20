#include "window/qt/surface_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "window/input_codes.h"
#include "window/qt/surface.h"

namespace brenvolt {

SurfaceView::SurfaceView(const Surface& surface, QWidget* parent)
    : QWidget(parent), surface_(surface) {
  // Every pixel is painted from the surface, so Qt need not clear the widget first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void SurfaceView::setBackground(const QColor& colour) {
  background_ = colour;
  update();
}

QSize SurfaceView::sizeHint() const {
  const QImage& image = surface_.image();
  return (QSizeF(image.size()) / image.devicePixelRatio()).toSize();
}

void SurfaceView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QImage& image = surface_.image();
  const QRect drawn(QPoint(0, 0), sizeHint());
  const QRect dirty = event->rect();
  for (const QRect& outside : QRegion(dirty).subtracted(drawn)) {
    painter.fillRect(outside, background_);
  }
  const QRect shown = dirty.intersected(drawn);
  if (shown.isEmpty()) return;
  const qreal ratio = image.devicePixelRatio();
  const QRectF source(QPointF(shown.topLeft()) * ratio, QSizeF(shown.size()) * ratio);
  painter.drawImage(QRectF(shown), image, source);
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  if (event->button() == Qt::LeftButton) button = 左ボタン;
  if (event->button() == Qt::RightButton) button = 右ボタン;
  // The game is played with the left and the right button only.
  if (button == 0 || !pressHandler_) return;
  const QPointF at = event->position();
  pressHandler_(button, at.x() * ピクセル当たりtwip, at.y() * ピクセル当たりtwip);
}

}  // namespace brenvolt
