#include "window/qt/surface.h"

#include <QPainter>
#include <QString>
#include <cmath>

#include "window/qt/palette.h"
#include "window/qt/picture_store.h"
#include "window/qt/window_font.h"

namespace brenvolt {

int twipToPixel(double twips) {
  return static_cast<int>(std::floor(twips / ピクセル当たりtwip + 0.5));
}

Surface::Surface(QSize logicalSize, qreal devicePixelRatio, const PictureStore& pictures)
    : image_(logicalSize * devicePixelRatio, QImage::Format_RGB32), pictures_(pictures) {
  image_.setDevicePixelRatio(devicePixelRatio);
  image_.fill(Qt::black);
}

void Surface::fillRect(double x, double y, double w, double h, int colour) {
  const auto c = パレット色(colour);
  if (!c) return;
  const int left = twipToPixel(x), top = twipToPixel(y);
  const int right = twipToPixel(x + w), bottom = twipToPixel(y + h);
  // A negative size spans the same box from the other corner.
  const QRect box = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                          QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
  if (box.isEmpty()) return;
  QPainter painter(&image_);
  painter.fillRect(box, *c);
}

void Surface::outlineRect(double x, double y, double w, double h, int colour) {
  const auto c = パレット色(colour);
  if (!c) return;
  const int x0 = twipToPixel(std::min(x, x + w)), x1 = twipToPixel(std::max(x, x + w));
  const int y0 = twipToPixel(std::min(y, y + h)), y1 = twipToPixel(std::max(y, y + h));
  const int width = x1 - x0 + 1, height = y1 - y0 + 1;
  QPainter painter(&image_);
  painter.fillRect(QRect(x0, y0, width, 1), *c);
  painter.fillRect(QRect(x0, y1, width, 1), *c);
  painter.fillRect(QRect(x0, y0, 1, height), *c);
  painter.fillRect(QRect(x1, y0, 1, height), *c);
}

void Surface::drawText(double x, double y, const std::string& text, int points, int colour,
                       bool bold) {
  const auto c = パレット色(colour);
  if (!c || text.empty()) return;
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QFont font = 窓フォント(points, bold);
  painter.setFont(font);
  painter.setPen(*c);
  // The position is the top-left corner of the text cell, so the baseline sits one ascent
  // below it.
  const QFontMetricsF metrics(font, &image_);
  painter.drawText(QPointF(twipToPixel(x), twipToPixel(y) + metrics.ascent()),
                   QString::fromStdString(text));
}

void Surface::drawPicture(PictureId picture, double x, double y) {
  QPainter painter(&image_);
  painter.drawImage(QPoint(twipToPixel(x), twipToPixel(y)), pictures_.picture(picture));
}

void Surface::refresh() {
  if (refreshHandler_) refreshHandler_();
}

void Surface::clear(int colour) {
  if (const auto c = パレット色(colour)) image_.fill(*c);
}

QColor Surface::pixel(QPoint p) const {
  const qreal ratio = image_.devicePixelRatio();
  const QPoint device(static_cast<int>(p.x() * ratio), static_cast<int>(p.y() * ratio));
  if (!image_.rect().contains(device)) return {};
  return image_.pixelColor(device);
}

}  // namespace brenvolt
