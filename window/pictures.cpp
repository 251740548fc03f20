#include "window/pictures.h"

#include "game/piece_table.h"

namespace brenvolt {

std::optional<PictureId> 駒の絵(int 駒種類) {
  if (駒種類 == 題字) return PictureId::PG_NA;
  const 駒の形* 形 = 駒の形を引く(駒種類);
  if (形 == nullptr) return std::nullopt;
  // Each side's pictures run in the order of the piece table, 先手's first.
  const int 先頭 = static_cast<int>(駒種類 > 0 ? PictureId::UE_HU_0 : PictureId::SITA_HU_0);
  return static_cast<PictureId>(先頭 + static_cast<int>(形 - 駒の表));
}

}  // namespace brenvolt
