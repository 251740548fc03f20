#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>

#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

QImage 空の絵(QSize logicalSize, qreal devicePixelRatio) {
  QImage image(logicalSize * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::transparent);
  return image;
}

namespace {

QSize 倍率の大きさ(QSize naturalSize, double scale) {
  return QSize(static_cast<int>(std::ceil(naturalSize.width() * scale)),
               static_cast<int>(std::ceil(naturalSize.height() * scale)));
}

}  // namespace

QImage 倍率の絵(QSize naturalSize, qreal devicePixelRatio, double scale) {
  return 空の絵(倍率の大きさ(naturalSize, scale), devicePixelRatio);
}

void 倍率に合わせる(QPainter& painter, QSize naturalSize, double scale) {
  if (scale == 1.0) return;
  // The image is a whole number of pixels; the picture stretches by a fraction of a pixel to
  // fill it, so no edge is left half painted.
  const QSize size = 倍率の大きさ(naturalSize, scale);
  painter.scale(static_cast<double>(size.width()) / naturalSize.width(),
                static_cast<double>(size.height()) / naturalSize.height());
}

namespace {

// One grain line: a gently waving vertical stroke. Fixed numbers, so every square of the board
// and every run of the program look the same.
struct 木目線 {
  double x;
  double 振れ;
  double 位相;
  int 濃さ;
  double 太さ;
};

constexpr 木目線 木目[] = {
    {2.5, 0.35, 0.0, 34, 0.6},  {5.2, 0.5, 1.3, 22, 0.9},  {8.8, 0.3, 2.1, 40, 0.5},
    {11.4, 0.6, 0.7, 18, 1.2},  {14.9, 0.4, 2.9, 30, 0.6}, {18.3, 0.5, 1.8, 24, 0.8},
    {21.0, 0.3, 0.4, 38, 0.5},  {24.6, 0.6, 2.4, 20, 1.1}, {27.7, 0.4, 1.0, 32, 0.6},
    {30.6, 0.35, 2.6, 26, 0.7},
};

}  // namespace

void 木目を描く(QPainter& painter, const QRectF& area) {
  painter.save();
  painter.setClipRect(area);
  QLinearGradient base(area.topLeft(), area.bottomRight());
  base.setColorAt(0.0, QColor(246, 214, 154));
  base.setColorAt(0.55, QColor(238, 202, 138));
  base.setColorAt(1.0, QColor(228, 189, 124));
  painter.fillRect(area, base);

  painter.setRenderHint(QPainter::Antialiasing);
  const double scaleX = area.width() / 桝の絵サイズ.width();
  for (const auto& line : 木目) {
    QPainterPath path;
    const double x = area.left() + line.x * scaleX;
    path.moveTo(x, area.top());
    for (double y = 0; y <= area.height(); y += 2.0) {
      path.lineTo(x + line.振れ * std::sin(y / 6.0 + line.位相), area.top() + y);
    }
    painter.setPen(QPen(QColor(150, 98, 40, line.濃さ), line.太さ));
    painter.drawPath(path);
  }
  painter.restore();
}

QImage 空桝の絵を描く(qreal devicePixelRatio, double scale) {
  QImage image = 倍率の絵(桝の絵サイズ, devicePixelRatio, scale);
  QPainter painter(&image);
  倍率に合わせる(painter, 桝の絵サイズ, scale);
  木目を描く(painter, QRectF(QPointF(0, 0), 桝の絵サイズ));
  return image;
}

}  // namespace brenvolt
