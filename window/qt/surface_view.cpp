#include "window/qt/surface_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "window/input_codes.h"
#include "window/qt/surface.h"
#include "window/qt/zoom_limits.h"

namespace brenvolt {

SurfaceView::SurfaceView(Surface& surface, QWidget* parent) : QWidget(parent), surface_(surface) {
  // Every pixel is painted from the surface, so Qt need not clear the widget first.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
}

void SurfaceView::setBackground(const QColor& colour) {
  background_ = colour;
  update();
}

void SurfaceView::setReferenceSize(QSize size) {
  referenceSize_ = size;
  followSize();
}

QSize SurfaceView::sizeHint() const {
  return surface_.logicalSize();
}

double SurfaceView::scaleFor(QSize size) const {
  const QSize reference = referenceSize_;
  if (reference.isEmpty()) return surface_.scale();
  const double fit = std::min(static_cast<double>(size.width()) / reference.width(),
                              static_cast<double>(size.height()) / reference.height());
  // Smaller than the classic size the view does not go: the surface is then cut at the right
  // and the bottom, as the classic window cut what lay beyond its edges.
  return std::clamp(fit, 最小倍率, 最大倍率);
}

void SurfaceView::followSize() {
  surface_.setScale(scaleFor(size()));
  update();
}

QRect SurfaceView::shownArea() const {
  const double scale = surface_.scale();
  const QSize reference = referenceSize_;
  if (reference.isEmpty()) {
    const QImage& image = surface_.image();
    return QRect(QPoint(0, 0), (QSizeF(image.size()) / image.devicePixelRatio()).toSize());
  }
  const QSize content(static_cast<int>(std::lround(reference.width() * scale)),
                      static_cast<int>(std::lround(reference.height() * scale)));
  const QPoint offset(std::max(0, (width() - content.width()) / 2),
                      std::max(0, (height() - content.height()) / 2));
  return QRect(offset, content);
}

QPointF SurfaceView::toTwips(QPointF at) const {
  const double scale = surface_.scale();
  const QPointF onSurface = (at - QPointF(shownArea().topLeft())) / scale;
  return onSurface * ピクセル当たりtwip;
}

QPointF SurfaceView::fromTwips(QPointF twips) const {
  return twips / ピクセル当たりtwip * surface_.scale() + QPointF(shownArea().topLeft());
}

void SurfaceView::paintOn(QPainter& painter, const QRect& dirty) const {
  const QRect shown = shownArea();
  for (const QRect& outside : QRegion(dirty).subtracted(shown)) {
    painter.fillRect(outside, background_);
  }
  const QRect visible = dirty.intersected(shown);
  if (visible.isEmpty()) return;
  const QImage& image = surface_.image();
  const qreal ratio = image.devicePixelRatio();
  const QRect source = visible.translated(-shown.topLeft());
  painter.drawImage(QRectF(visible), image,
                    QRectF(QPointF(source.topLeft()) * ratio, QSizeF(source.size()) * ratio));
}

QImage SurfaceView::shownImage() const {
  const QImage& image = surface_.image();
  const qreal ratio = image.devicePixelRatio();
  const QRect shown = shownArea();
  // The usual case, a view no larger than the surface shows: a plain copy of its pixels.
  if (shown.topLeft().isNull() && shown.width() >= width() && shown.height() >= height()) {
    QImage copy = image.copy(QRect(QPoint(0, 0), size() * ratio));
    copy.setDevicePixelRatio(ratio);
    return copy;
  }
  QImage composed(size() * ratio, QImage::Format_RGB32);
  composed.setDevicePixelRatio(ratio);
  QPainter painter(&composed);
  paintOn(painter, rect());
  return composed;
}

void SurfaceView::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintOn(painter, event->rect());
}

void SurfaceView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  followSize();
}

void SurfaceView::mousePressEvent(QMouseEvent* event) {
  int button = 0;
  if (event->button() == Qt::LeftButton) button = 左ボタン;
  if (event->button() == Qt::RightButton) button = 右ボタン;
  // The game is played with the left and the right button only.
  if (button == 0 || !pressHandler_) return;
  const QPointF at = toTwips(event->position());
  pressHandler_(button, at.x(), at.y());
}

}  // namespace brenvolt
