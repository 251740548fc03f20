// How each stored picture looks: the drawing routines behind the picture store.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

namespace brenvolt {

enum class 駒の側 { 先手, 後手 };

// What a piece picture shows.
struct 駒の姿 {
  駒の側 側;
  QString 文字;  // one or two characters, read from the top down
  bool 成り;     // promoted: the characters are red
};

// A transparent image of `logicalSize` pixels at `devicePixelRatio`.
QImage 空の絵(QSize logicalSize, qreal devicePixelRatio);

// Light board wood with a fine straight grain, filling `area`.
void 木目を描く(QPainter& painter, const QRectF& area);

// A board square with the piece standing on it; 後手's piece points down.
QImage 駒の絵を描く(const 駒の姿& piece, qreal devicePixelRatio);
QImage 空桝の絵を描く(qreal devicePixelRatio);
QImage 題字の絵を描く(qreal devicePixelRatio);
QImage アイコンを描く(qreal devicePixelRatio);

}  // namespace brenvolt
