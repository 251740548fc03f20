// The stored pictures of the window: the empty square, the pieces of both sides, the title
// picture and the window icon. They are drawn by the program once, at start-up, at the screen's
// device pixel ratio, and afterwards only copied.
#pragma once

#include <QImage>
#include <QSize>
#include <array>

#include "window/pictures.h"

namespace brenvolt {

inline constexpr QSize 桝の絵サイズ{33, 41};
inline constexpr QSize 題字サイズ{128, 70};
inline constexpr QSize アイコンサイズ{32, 32};

class PictureStore {
 public:
  explicit PictureStore(qreal devicePixelRatio);

  // Sizes are logical pixels; each image carries the device pixel ratio it was drawn at.
  const QImage& picture(PictureId id) const;
  const QImage& icon() const { return icon_; }
  qreal devicePixelRatio() const { return devicePixelRatio_; }

 private:
  qreal devicePixelRatio_;
  std::array<QImage, 絵の数> pictures_;
  QImage icon_;
};

}  // namespace brenvolt
