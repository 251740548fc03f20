#include "window/pictures.h"

#include "game/constants.h"

namespace brenvolt {

namespace {

// 先手's picture of a piece kind given by the magnitude of its code, or nothing.
std::optional<PictureId> 先手の絵(int 駒の大きさ) {
  switch (駒の大きさ) {
    case 後手_歩:
      return PictureId::SITA_HU_0;
    case 後手_と:
      return PictureId::SITA_HU_1;
    case 後手_香:
      return PictureId::SITA_KYOU_0;
    case 後手_香成:
      return PictureId::SITA_KYOU_1;
    case 後手_桂:
      return PictureId::SITA_KEI_0;
    case 後手_桂成:
      return PictureId::SITA_KEI_1;
    case 後手_銀:
      return PictureId::SITA_GIN_0;
    case 後手_銀成:
      return PictureId::SITA_GIN_1;
    case 後手_金:
      return PictureId::SITA_KIN;
    case 後手_角:
      return PictureId::SITA_KAKU_0;
    case 後手_角成:
      return PictureId::SITA_KAKU_1;
    case 後手_飛:
      return PictureId::SITA_SYA_0;
    case 後手_飛成:
      return PictureId::SITA_SYA_1;
    case 後手_王:
      return PictureId::SITA_OU;
    default:
      return std::nullopt;
  }
}

// 後手's pictures follow 先手's in the same order.
PictureId 後手の絵(PictureId 先手側) {
  constexpr int 差 = static_cast<int>(PictureId::UE_HU_0) - static_cast<int>(PictureId::SITA_HU_0);
  return static_cast<PictureId>(static_cast<int>(先手側) + 差);
}

}  // namespace

std::optional<PictureId> 駒の絵(int 駒種類) {
  if (駒種類 == 題字) return PictureId::PG_NA;
  if (駒種類 > 0) {
    auto 絵 = 先手の絵(駒種類);
    if (!絵) return std::nullopt;
    return 後手の絵(*絵);
  }
  // Below every piece code; also keeps the negation below within range.
  if (駒種類 < 先手_王) return std::nullopt;
  return 先手の絵(-駒種類);
}

}  // namespace brenvolt
