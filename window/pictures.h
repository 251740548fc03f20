// The names of the stored pictures: the empty square, the pieces of both sides (index 0
// unpromoted, 1 promoted) and the title picture.
#pragma once

#include <optional>

namespace brenvolt {

enum class PictureId {
  KARA_MASU,
  SITA_HU_0,
  SITA_HU_1,
  SITA_KYOU_0,
  SITA_KYOU_1,
  SITA_KEI_0,
  SITA_KEI_1,
  SITA_GIN_0,
  SITA_GIN_1,
  SITA_KIN,
  SITA_KAKU_0,
  SITA_KAKU_1,
  SITA_SYA_0,
  SITA_SYA_1,
  SITA_OU,
  UE_HU_0,
  UE_HU_1,
  UE_KYOU_0,
  UE_KYOU_1,
  UE_KEI_0,
  UE_KEI_1,
  UE_GIN_0,
  UE_GIN_1,
  UE_KIN,
  UE_KAKU_0,
  UE_KAKU_1,
  UE_SYA_0,
  UE_SYA_1,
  UE_OU,
  PG_NA,
};
inline constexpr int 絵の数 = static_cast<int>(PictureId::PG_NA) + 1;

// The picture code of the title picture (the same value as an empty square).
inline constexpr int 題字 = 0;

// The picture of a piece code (題字, 0, gives the title picture); nothing for a code without one.
std::optional<PictureId> 駒の絵(int 駒種類);

}  // namespace brenvolt
