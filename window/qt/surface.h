// The window's retained drawing surface: an image the game draws on in twips, which the window
// only copies to the screen. Everything drawn stays until drawn over.
//
// The surface is drawn at a scale: 1 is the classic size, 15 twips to a pixel; at 2 every twip
// position, size, text and picture is twice as large. It keeps the drawing calls since it was
// last cleared, so a new scale or a new language draws the whole picture afresh, as crisp as at
// the classic size, never a stretched copy of it.
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <functional>

#include "window/canvas.h"
#include "window/qt/drawing_list.h"

namespace brenvolt {

class PictureStore;

inline constexpr double ピクセル当たりtwip = 15.0;

// The largest device pixel ratio drawn at: no screen made has more, and a ratio an environment
// variable makes up (QT_FONT_DPI=100000) would otherwise ask for gigabytes of pixels.
inline constexpr qreal 最大画素比 = 4.0;

// `ratio` as the window draws at it: at most 最大画素比, and 1 for a ratio that is not a
// positive number.
qreal 使える画素比(qreal ratio);

// The pixel a twips coordinate falls on (nearest pixel boundary), at the classic size or at
// `scale` times it.
int twipToPixel(double twips);
int twipToPixel(double twips, double scale);

// How the texts the game draws are shown: in the language in use, and in every language there
// is (the surface keeps room for the longest).
class SurfaceTexts {
 public:
  virtual ~SurfaceTexts() = default;
  virtual QString shown(const TranslatableText& text) const = 0;
  virtual QStringList everyLanguage(const TranslatableText& text) const = 0;
};

class Surface : public Canvas {
 public:
  // `logicalSize` in pixels at the classic size; the image holds `devicePixelRatio` device
  // pixels per pixel so text and pictures stay crisp on high-density screens.
  Surface(QSize logicalSize, qreal devicePixelRatio, const PictureStore& pictures);

  // Fills [x, x + w) × [y, y + h): the far edge is not painted, so a box ending exactly on a
  // square's edge leaves that square alone.
  void fillRect(double x, double y, double w, double h, int colour) override;
  // Paints both the near and the far edge, so neighbouring squares share their outline pixels
  // and the outline drawn last wins. The line is one pixel wide at the classic size and as
  // many pixels as the scale rounds to.
  void outlineRect(double x, double y, double w, double h, int colour) override;
  void drawText(double x, double y, const TranslatableText& text, int points, int colour,
                bool bold) override;
  void drawPicture(PictureId picture, double x, double y) override;
  void refresh() override;

  // Clears the whole surface to a palette colour (an unknown index leaves it as it is).
  void clear(int colour);

  // Draws everything again at `scale` (from 最小倍率 to 最大倍率 times the classic size).
  void setScale(double scale);
  double scale() const { return scale_; }
  // The texts are shown through `texts` from now on (nothing: in Japanese); call
  // redraw() to show the texts already drawn in the new way.
  void setTexts(const SurfaceTexts* texts) { texts_ = texts; }
  void redraw();
  // The calls kept for drawing again.
  const DrawingList& calls() const { return calls_; }

  // Called by refresh(); the window repaints itself at once there.
  void setRefreshHandler(std::function<void()> handler) { refreshHandler_ = std::move(handler); }
  // Called with the area (in pixels of the image) each drawing call changed, so the window can
  // show it the next time it paints, as the classic retained window did without being asked.
  void setChangeHandler(std::function<void(const QRect&)> handler) {
    changeHandler_ = std::move(handler);
  }

  // Pixels at the classic size.
  QSize logicalSize() const { return logicalSize_; }
  // The image at the scale in use.
  const QImage& image() const { return image_; }
  // The colour of the device pixels of the pixel `p` of the image (its top-left device pixel).
  QColor pixel(QPoint p) const;

 private:
  void paint(const DrawingCall& call);
  void paintFill(const DrawingCall& call);
  void paintOutline(const DrawingCall& call);
  void paintText(const DrawingCall& call);
  void paintPicture(const DrawingCall& call);
  void fillImage(int colour);
  QString shownText(const TranslatableText& text) const;
  QRectF textReach(const DrawingCall& call) const;
  int px(double twips) const { return twipToPixel(twips, scale_); }
  void changed(const QRect& area);

  QSize logicalSize_;
  qreal devicePixelRatio_;
  double scale_ = 1.0;
  QImage image_;
  const PictureStore& pictures_;
  const SurfaceTexts* texts_ = nullptr;
  DrawingList calls_;

  std::function<void()> refreshHandler_;
  std::function<void(const QRect&)> changeHandler_;
};

}  // namespace brenvolt
