// How each stored picture looks: the drawing routines behind the picture store. Each draws at
// `scale` times the picture's natural size (rounded up to whole pixels), in the picture's own
// coordinates, so a picture is as sharp at any size as at the classic one.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>
#include <QString>

#include "window/pictures.h"

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
// A transparent image for a picture of `naturalSize` drawn at `scale`, with `painter` set up to
// draw on it in the natural size's coordinates.
QImage 倍率の絵(QSize naturalSize, qreal devicePixelRatio, double scale);
void 倍率に合わせる(QPainter& painter, QSize naturalSize, double scale);

// Light board wood with a fine straight grain, filling `area`.
void 木目を描く(QPainter& painter, const QRectF& area);

// A board square with the piece standing on it; 後手's piece points down.
QImage 駒の絵を描く(const 駒の姿& piece, qreal devicePixelRatio, double scale = 1.0);
QImage 空桝の絵を描く(qreal devicePixelRatio, double scale = 1.0);
QImage 題字の絵を描く(qreal devicePixelRatio, double scale = 1.0);
QImage アイコンを描く(qreal devicePixelRatio);

// The stored picture `id` drawn afresh.
QImage 絵を描く(PictureId id, qreal devicePixelRatio, double scale);

}  // namespace brenvolt
