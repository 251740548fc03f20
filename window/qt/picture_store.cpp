#include "window/qt/picture_store.h"

#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QResource>
#include <iterator>

#include "window/qt/picture_drawing.h"

namespace brenvolt {

namespace {

// The picture as the build drew it with the same code, for the classic size on an ordinary
// screen, read where it lies in the program; nothing for any other size or pixel ratio, or if
// the build's copy is missing.
QImage 描いておいた絵(PictureId id, qreal devicePixelRatio, double scale) {
  if (scale != 1.0 || devicePixelRatio != 1.0) return {};
  static const QResource stored(QStringLiteral(":/pictures/classic.argb"));
  const auto bytes = [](PictureId picture) {
    const QSize size = PictureStore::naturalSize(picture);
    return static_cast<qint64>(size.width()) * size.height() * 4;
  };
  qint64 offset = 0;
  for (int i = 0; i < static_cast<int>(id); ++i) offset += bytes(static_cast<PictureId>(i));
  if (!stored.isValid() || stored.compressionAlgorithm() != QResource::NoCompression ||
      stored.size() < offset + bytes(id))
    return {};
  const QSize size = PictureStore::naturalSize(id);
  return QImage(stored.data() + offset, size.width(), size.height(), size.width() * 4,
                QImage::Format_ARGB32_Premultiplied);
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
  if (image.isNull()) image = 描いておいた絵(id, devicePixelRatio_, scale);
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
