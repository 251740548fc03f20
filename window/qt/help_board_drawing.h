// The pictures of the How to play window: a small board drawn square by square from the
// stored pictures, as the window draws its own board, with its marks on top.
#pragma once

#include <QImage>

#include "window/help_diagrams.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

// The squares of 図.範囲 at the classic size, each outlined in the window's green, and each
// mark in its own colour; drawn at the pictures' device pixel ratio.
QImage 説明図を描く(const 説明図& 図, const PictureStore& pictures);

// The logical pixel at the centre of square (x, y) on the picture of 図, and the colour the
// outline of a mark is drawn in.
QPoint 説明図の桝の中心(const 説明図& 図, int x, int y);
QColor 印の色(図の印 印);

// One piece picture with its square, for the piece key; a null image for a code without one.
QImage 駒の見本(int 駒, const PictureStore& pictures);

}  // namespace brenvolt
