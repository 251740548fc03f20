#include <iterator>

#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

namespace {

struct 駒の絵の定義 {
  PictureId id;
  const char16_t* 文字;
  bool 成り;
};

// 先手's pictures; 後手's follow in the same order in the list of names.
constexpr 駒の絵の定義 先手の駒[] = {
    {PictureId::SITA_HU_0, u"歩兵", false},   {PictureId::SITA_HU_1, u"と", true},
    {PictureId::SITA_KYOU_0, u"香車", false}, {PictureId::SITA_KYOU_1, u"香車", true},
    {PictureId::SITA_KEI_0, u"桂馬", false},  {PictureId::SITA_KEI_1, u"桂馬", true},
    {PictureId::SITA_GIN_0, u"銀將", false},  {PictureId::SITA_GIN_1, u"銀將", true},
    {PictureId::SITA_KIN, u"金將", false},    {PictureId::SITA_KAKU_0, u"角行", false},
    {PictureId::SITA_KAKU_1, u"角行", true},  {PictureId::SITA_SYA_0, u"飛車", false},
    {PictureId::SITA_SYA_1, u"飛車", true},   {PictureId::SITA_OU, u"王將", false},
};

constexpr int 後手への距離 =
    static_cast<int>(PictureId::UE_HU_0) - static_cast<int>(PictureId::SITA_HU_0);

}  // namespace

QImage 絵を描く(PictureId id, qreal devicePixelRatio, double scale) {
  if (id == PictureId::KARA_MASU) return 空桝の絵を描く(devicePixelRatio, scale);
  if (id == PictureId::PG_NA) return 題字の絵を描く(devicePixelRatio, scale);
  const int index = static_cast<int>(id);
  const bool 後手 = index >= static_cast<int>(PictureId::UE_HU_0);
  const int 先手の番号 = 後手 ? index - 後手への距離 : index;
  for (const auto& piece : 先手の駒) {
    if (static_cast<int>(piece.id) != 先手の番号) continue;
    const 駒の姿 姿{後手 ? 駒の側::後手 : 駒の側::先手, QString::fromUtf16(piece.文字), piece.成り};
    return 駒の絵を描く(姿, devicePixelRatio, scale);
  }
  return {};
}

}  // namespace brenvolt
