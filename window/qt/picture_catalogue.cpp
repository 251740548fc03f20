#include "game/piece_table.h"
#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

namespace {

constexpr int 後手への距離 =
    static_cast<int>(PictureId::UE_HU_0) - static_cast<int>(PictureId::SITA_HU_0);

}  // namespace

QImage 絵を描く(PictureId id, qreal devicePixelRatio, double scale) {
  if (id == PictureId::KARA_MASU) return 空桝の絵を描く(devicePixelRatio, scale);
  if (id == PictureId::PG_NA) return 題字の絵を描く(devicePixelRatio, scale);
  const int index = static_cast<int>(id);
  const bool 後手 = index >= static_cast<int>(PictureId::UE_HU_0);
  const int 先手の番号 = 後手 ? index - 後手への距離 : index;
  // 先手's pictures run in the order of the piece table; 後手's follow in the same order.
  const int row = 先手の番号 - static_cast<int>(PictureId::SITA_HU_0);
  if (row < 0 || row >= 駒の形の数) return {};
  const 駒の形& piece = 駒の表[row];
  const QString text =
      QString::fromUtf8(piece.駒面.data(), static_cast<qsizetype>(piece.駒面.size()));
  return 駒の絵を描く({後手 ? 駒の側::後手 : 駒の側::先手, text, piece.成り}, devicePixelRatio,
                      scale);
}

}  // namespace brenvolt
