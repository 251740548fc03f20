#include <QFont>
#include <QPainterPath>
#include <algorithm>
#include <iterator>
#include <vector>

#include "window/palette.h"
#include "window/qt/palette.h"
#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

namespace {

// The bright palette colours the letters take in turn.
constexpr int 文字の色[] = {14, 12, 11, 15, 13, 14, 11, 12};

QFont 題字の字体() {
  QFont font;
  font.setFamilies({QStringLiteral("DejaVu Serif"), QStringLiteral("IPAPMincho")});
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(30);
  font.setBold(true);
  font.setItalic(true);
  return font;
}

}  // namespace

QImage 題字の絵を描く(qreal devicePixelRatio, double scale) {
  QImage image = 倍率の絵(題字サイズ, devicePixelRatio, scale);
  QPainter painter(&image);
  倍率に合わせる(painter, 題字サイズ, scale);
  painter.fillRect(QRect(QPoint(0, 0), 題字サイズ), *パレット色(背景色));
  painter.setRenderHint(QPainter::Antialiasing);

  const QString name = QStringLiteral("Brenvolt");
  const QFont font = 題字の字体();
  std::vector<QPainterPath> letters(name.size());
  double advance = 0;
  for (int i = 0; i < name.size(); ++i) {
    letters[i].addText(advance, 0, font, QString(name[i]));
    advance = letters[i].boundingRect().right() + 0.5;
  }
  QRectF ink;
  for (const auto& letter : letters) ink = ink.united(letter.boundingRect());
  // Scaled to fit the picture with a margin, and set a little above the middle so the rule
  // below has room.
  const double fit = std::min(1.0, (題字サイズ.width() - 10) / ink.width());
  QTransform place;
  place.translate(題字サイズ.width() / 2.0, 31.0);
  place.scale(fit, fit);
  place.translate(-ink.center().x(), -ink.center().y());

  for (int i = 0; i < name.size(); ++i) {
    const QPainterPath letter = place.map(letters[i]);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 40, 0, 170));
    painter.drawPath(letter.translated(1.6, 1.8));
    painter.setPen(QPen(QColor(0, 48, 0), 1.0));
    painter.setBrush(*パレット色(文字の色[i % std::size(文字の色)]));
    painter.drawPath(letter);
  }

  // A gold rule with a diamond at each end underlines the name.
  painter.setPen(QPen(QColor(230, 190, 60), 1.2));
  painter.drawLine(QPointF(20, 56), QPointF(108, 56));
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(240, 200, 70));
  for (const double x : {16.0, 112.0}) {
    const QPointF diamond[] = {{x, 53.0}, {x + 3.0, 56.0}, {x, 59.0}, {x - 3.0, 56.0}};
    painter.drawPolygon(diamond, 4);
  }
  return image;
}

}  // namespace brenvolt
