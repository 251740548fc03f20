// The stored pictures of the window: the empty square, the pieces of both sides, the title
// picture and the window icon. Each is drawn by the program the first time it is needed at a
// scale, at the screen's device pixel ratio, and afterwards only copied.
#pragma once

#include <QIcon>
#include <QImage>
#include <QSize>
#include <array>
#include <map>

#include "window/pictures.h"

namespace brenvolt {

inline constexpr QSize 桝の絵サイズ{33, 41};
inline constexpr QSize 題字サイズ{128, 70};
inline constexpr QSize アイコンサイズ{32, 32};

class PictureStore {
 public:
  explicit PictureStore(qreal devicePixelRatio);

  // The picture at `scale` times its natural size, rounded up to whole pixels. Sizes are
  // logical pixels; each image carries the device pixel ratio it was drawn at. The reference
  // stays valid until pictures of two other scales have been asked for.
  const QImage& picture(PictureId id, double scale = 1.0) const;
  const QImage& icon() const;
  // The window icon, drawn only when the windowing system first asks for it.
  QIcon windowIcon() const;
  qreal devicePixelRatio() const { return devicePixelRatio_; }
  // Pixels at the classic size.
  static QSize naturalSize(PictureId id);

 private:
  using 絵の組 = std::array<QImage, 絵の数>;
  qreal devicePixelRatio_;
  // The classic size is kept always, one other scale (the window's) beside it.
  mutable std::map<double, 絵の組> pictures_;
  mutable QImage icon_;
};

}  // namespace brenvolt
