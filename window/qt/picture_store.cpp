#include "window/qt/picture_store.h"

#include "window/qt/picture_drawing.h"

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

PictureStore::PictureStore(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio) {
  pictures_[static_cast<int>(PictureId::KARA_MASU)] = 空桝の絵を描く(devicePixelRatio);
  for (const auto& piece : 先手の駒) {
    const QString text = QString::fromUtf16(piece.文字);
    const int index = static_cast<int>(piece.id);
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
