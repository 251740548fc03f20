#include <QPainterPath>

#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

QImage アイコンを描く(qreal devicePixelRatio) {
  // The 先手 king standing on a square of board wood, squeezed into the icon's square.
  const QImage king = 駒の絵を描く({駒の側::先手, QStringLiteral("王"), false}, devicePixelRatio);
  QImage image = 空の絵(アイコンサイズ, devicePixelRatio);
  QPainter painter(&image);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRectF(QPointF(0, 0), アイコンサイズ), king);
  return image;
}

}  // namespace brenvolt
