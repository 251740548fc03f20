#include "window/qt/help_board_drawing.h"

#include <QPainter>

#include "window/palette.h"
#include "window/pictures.h"
#include "window/qt/palette.h"
#include "window/qt/picture_drawing.h"

namespace brenvolt {

namespace {

constexpr int 桝W = 桝の絵サイズ.width();
constexpr int 桝H = 桝の絵サイズ.height();

QColor 色(int index) {
  return パレット色(index).value_or(Qt::black);
}

QRect 桝の枠(const 説明図& 図, int x, int y) {
  return {(x - 図.範囲.左) * 桝W, (y - 図.範囲.上) * 桝H, 桝W, 桝H};
}

// The picture of a square's content; an empty square's code is also the title picture's.
PictureId 桝の絵(int 駒) {
  const auto id = 駒 == 空 ? std::nullopt : 駒の絵(駒);
  return id ? *id : PictureId::KARA_MASU;
}

// A cross from corner to corner of the square, inside its outline.
void ばつ(QPainter& painter, const QRect& square, const QColor& colour) {
  const QRectF inner = QRectF(square).adjusted(8, 11, -8, -11);
  painter.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
  painter.drawLine(inner.topLeft(), inner.bottomRight());
  painter.drawLine(inner.topRight(), inner.bottomLeft());
}

void 印を描く(QPainter& painter, const QRect& square, 図の印 印) {
  const QColor colour = 印の色(印);
  if (印 == 図の印::打てない || 印 == 図の印::禁手) ばつ(painter, square, colour);
  // Marks two pixels wide just inside the square's own green outline, so neighbours never
  // share an edge.
  const Qt::PenStyle style = 印 == 図の印::長連 ? Qt::DashLine : Qt::SolidLine;
  painter.setPen(QPen(colour, 2, style, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  if (印 != 図の印::打てない) painter.drawRect(QRectF(square).adjusted(2, 2, -2, -2));
}

}  // namespace

QColor 印の色(図の印 印) {
  switch (印) {
    case 図の印::選んだ駒:
      return 色(色_明赤);
    case 図の印::行ける:
      return 色(色_白);
    case 図の印::成れる:
      return 色(色_黄);
    case 図の印::成るしかない:
      return 色(13);  // light magenta
    case 図の印::打てない:
    case 図の印::禁手:
      return 色(4);  // red
    case 図の印::五:
      return 色(11);  // light cyan
    case 図の印::長連:
      return 色(8);  // dark grey
  }
  return Qt::black;
}

QPoint 説明図の桝の中心(const 説明図& 図, int x, int y) {
  return 桝の枠(図, x, y).center();
}

QImage 説明図を描く(const 説明図& 図, const PictureStore& pictures) {
  const int 列数 = 図.範囲.右 - 図.範囲.左 + 1;
  const int 段数 = 図.範囲.下 - 図.範囲.上 + 1;
  QImage image = 空の絵(QSize(列数 * 桝W + 1, 段数 * 桝H + 1), pictures.devicePixelRatio());
  image.fill(色(背景色));
  QPainter painter(&image);
  for (int x = 図.範囲.左; x <= 図.範囲.右; ++x) {
    for (int y = 図.範囲.上; y <= 図.範囲.下; ++y) {
      const QRect square = 桝の枠(図, x, y);
      painter.drawImage(square.topLeft(), pictures.picture(桝の絵(図.局.盤面[x][y])));
      painter.setPen(QPen(色(背景色), 1));
      painter.setBrush(Qt::NoBrush);
      painter.drawRect(square);
    }
  }
  painter.setRenderHint(QPainter::Antialiasing);
  for (const 印の桝& m : 図.印) {
    if (図.範囲.含む(m.x, m.y)) 印を描く(painter, 桝の枠(図, m.x, m.y), m.印);
  }
  return image;
}

QImage 駒の見本(int 駒, const PictureStore& pictures) {
  const PictureId id = 桝の絵(駒);
  if (id == PictureId::KARA_MASU) return {};
  return pictures.picture(id);
}

}  // namespace brenvolt
