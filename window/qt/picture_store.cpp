#include "window/qt/picture_store.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <iterator>

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

}  // namespace

PictureStore::PictureStore(qreal devicePixelRatio) : devicePixelRatio_(devicePixelRatio) {}

QSize PictureStore::naturalSize(PictureId id) {
  return id == PictureId::PG_NA ? 題字サイズ : 桝の絵サイズ;
}

const QImage& PictureStore::picture(PictureId id, double scale) const {
  auto found = pictures_.find(scale);
  if (found == pictures_.end()) {
    for (auto it = pictures_.begin(); it != pictures_.end();) {
      it = it->first == 1.0 ? std::next(it) : pictures_.erase(it);
    }
    found = pictures_.emplace(scale, 絵の組{}).first;
  }
  QImage& image = found->second.at(static_cast<std::size_t>(id));
  if (image.isNull()) image = 絵を描く(id, devicePixelRatio_, scale);
  return image;
}

namespace {

// An icon that draws its picture the first time it is painted.
class 後で描くアイコン : public QIconEngine {
 public:
  explicit 後で描くアイコン(const PictureStore& pictures) : pictures_(pictures) {}
  void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
    painter->setRenderHint(QPainter::SmoothPixmapTransform);
    painter->drawImage(rect, pictures_.icon());
  }
  QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
  }
  QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override { return {アイコンサイズ}; }
  QIconEngine* clone() const override { return new 後で描くアイコン(pictures_); }

 private:
  const PictureStore& pictures_;
};

}  // namespace

QIcon PictureStore::windowIcon() const {
  return QIcon(new 後で描くアイコン(*this));
}

const QImage& PictureStore::icon() const {
  if (icon_.isNull()) icon_ = アイコンを描く(devicePixelRatio_);
  return icon_;
}

}  // namespace brenvolt
