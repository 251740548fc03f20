// The window's retained drawing surface: an image the game draws on in twips, which the window
// only copies to the screen. Everything drawn stays until drawn over.
#pragma once

#include <QImage>
#include <QPoint>
#include <QSize>
#include <functional>

#include "window/canvas.h"

namespace brenvolt {

class PictureStore;

inline constexpr double ピクセル当たりtwip = 15.0;

// The pixel a twips coordinate falls on (nearest pixel boundary).
int twipToPixel(double twips);

class Surface : public Canvas {
 public:
  // `logicalSize` in pixels; the image holds `devicePixelRatio` device pixels per pixel so text
  // and pictures stay crisp on high-density screens.
  Surface(QSize logicalSize, qreal devicePixelRatio, const PictureStore& pictures);

  // Fills [x, x + w) × [y, y + h): the far edge is not painted, so a box ending exactly on a
  // square's edge leaves that square alone.
  void fillRect(double x, double y, double w, double h, int colour) override;
  // Paints both the near and the far edge, so neighbouring squares share their outline pixels
  // and the outline drawn last wins.
  void outlineRect(double x, double y, double w, double h, int colour) override;
  void drawText(double x, double y, const std::string& text, int points, int colour,
                bool bold) override;
  void drawPicture(PictureId picture, double x, double y) override;
  void refresh() override;

  // Clears the whole surface to a palette colour (an unknown index leaves it as it is).
  void clear(int colour);
  // Called by refresh(); the window repaints itself at once there.
  void setRefreshHandler(std::function<void()> handler) { refreshHandler_ = std::move(handler); }

  const QImage& image() const { return image_; }
  // The colour of the device pixels of the logical pixel `p` (its top-left device pixel).
  QColor pixel(QPoint p) const;

 private:
  QImage image_;
  const PictureStore& pictures_;
  std::function<void()> refreshHandler_;
};

}  // namespace brenvolt
