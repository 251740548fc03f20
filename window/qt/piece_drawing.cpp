#include <QFont>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRawFont>
#include <QTransform>
#include <map>

#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

namespace {

// The piece outline, pointing up, in the pixels of a 33 × 41 square.
QPainterPath 駒の形() {
  QPainterPath path;
  path.moveTo(16.5, 2.5);
  path.lineTo(26.0, 8.0);
  path.lineTo(29.0, 38.5);
  path.lineTo(4.0, 38.5);
  path.lineTo(7.0, 8.0);
  path.closeSubpath();
  return path;
}

QFont 駒の字体(double pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("IPAMincho"), QStringLiteral("IPAPMincho"),
                    QStringLiteral("Noto Serif CJK JP")});
  font.setStyleHint(QFont::Serif);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(true);
  return font;
}

// The face of the characters at one size, made once: a glyph's outline is read from it
// directly, without laying out a line of text for each character.
const QRawFont& 駒の字面(double pixels) {
  static std::map<int, QRawFont> faces;
  const int size = static_cast<int>(pixels);
  auto found = faces.find(size);
  if (found == faces.end()) found = faces.emplace(size, QRawFont::fromFont(駒の字体(pixels))).first;
  return found->second;
}

// The outline of one character, centred on `centre` by its own ink.
QPainterPath 字の形(QChar character, double pixels, QPointF centre) {
  const QRawFont& face = 駒の字面(pixels);
  const QList<quint32> glyphs = face.glyphIndexesForString(QString(character));
  const QPainterPath glyph = glyphs.isEmpty() ? QPainterPath() : face.pathForGlyph(glyphs.front());
  const QRectF ink = glyph.boundingRect();
  return glyph.translated(centre - ink.center());
}

QPainterPath 文字の形(const QString& text) {
  QPainterPath all;
  if (text.size() == 1) {
    all.addPath(字の形(text[0], 19.0, QPointF(16.5, 23.5)));
  } else {
    all.addPath(字の形(text[0], 12.5, QPointF(16.5, 17.0)));
    all.addPath(字の形(text[1], 12.5, QPointF(16.5, 30.5)));
  }
  return all;
}

struct 配色 {
  QColor 上, 下, 縁, 字;
};

配色 駒の配色(const 駒の姿& piece) {
  if (piece.側 == 駒の側::先手) {
    return {QColor(58, 54, 52), QColor(14, 12, 12), QColor(112, 104, 96),
            piece.成り ? QColor(255, 64, 48) : QColor(252, 250, 244)};
  }
  return {QColor(255, 254, 248), QColor(226, 220, 204), QColor(120, 106, 84),
          piece.成り ? QColor(200, 16, 16) : QColor(16, 14, 14)};
}

}  // namespace

QImage 駒の絵を描く(const 駒の姿& piece, qreal devicePixelRatio, double scale) {
  QImage image = 倍率の絵(桝の絵サイズ, devicePixelRatio, scale);
  QPainter painter(&image);
  倍率に合わせる(painter, 桝の絵サイズ, scale);
  木目を描く(painter, QRectF(QPointF(0, 0), 桝の絵サイズ));
  painter.setRenderHint(QPainter::Antialiasing);

  // 後手's piece is the same piece turned half round; the light still falls from the top left,
  // so the shadow is cast after turning.
  QTransform turn;
  if (piece.側 == 駒の側::後手) {
    turn.translate(16.5, 20.5);
    turn.rotate(180);
    turn.translate(-16.5, -20.5);
  }
  const QPainterPath body = turn.map(駒の形());
  const 配色 colours = 駒の配色(piece);

  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(70, 40, 10, 80));
  painter.drawPath(body.translated(1.0, 1.3));

  const QRectF bounds = body.boundingRect();
  QLinearGradient lacquer(bounds.topLeft(), bounds.bottomRight());
  lacquer.setColorAt(0.0, colours.上);
  lacquer.setColorAt(1.0, colours.下);
  painter.setBrush(lacquer);
  painter.setPen(QPen(colours.縁, 0.8));
  painter.drawPath(body);

  // A hairline of the same colour round the strokes gives the small characters the weight of
  // carved and lacquered ones.
  painter.setPen(QPen(colours.字, 0.35));
  painter.setBrush(colours.字);
  painter.drawPath(turn.map(文字の形(piece.文字)));
  return image;
}

}  // namespace brenvolt
