#include "window/qt/picture_store.h"

#include "game/piece_table.h"
#include "window/qt/picture_drawing.h"

namespace brenvolt {

namespace {

constexpr int 後手への距離 =
    static_cast<int>(PictureId::UE_HU_0) - static_cast<int>(PictureId::SITA_HU_0);

}  // namespace

PictureStore::PictureStore(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio) {
  pictures_[static_cast<int>(PictureId::KARA_MASU)] = 空桝の絵を描く(devicePixelRatio);
  // 先手's pictures run in the order of the piece table; 後手's follow in the same order.
  for (int i = 0; i < 駒の形の数; ++i) {
    const 駒の形& piece = 駒の表[i];
    const QString text =
        QString::fromUtf8(piece.駒面.data(), static_cast<qsizetype>(piece.駒面.size()));
    const int index = static_cast<int>(PictureId::SITA_HU_0) + i;
    pictures_[index] = 駒の絵を描く({駒の側::先手, text, piece.成り}, devicePixelRatio);
    pictures_[index + 後手への距離] =
        駒の絵を描く({駒の側::後手, text, piece.成り}, devicePixelRatio);
  }
  pictures_[static_cast<int>(PictureId::PG_NA)] = 題字の絵を描く(devicePixelRatio);
  icon_ = アイコンを描く(devicePixelRatio);
}

const QImage& PictureStore::picture(PictureId id) const {
  return pictures_.at(static_cast<std::size_t>(id));
}

}  // namespace brenvolt
