// The drawing calls made on the surface since it was last cleared, in twips, so that the whole
// picture can be drawn again at another scale or in another language. A call whose every pixel
// later opaque calls paint over, at any scale, can never show again and is dropped: the list
// stays about as long as what is on the screen, however long the game.
#pragma once

#include <QRect>
#include <QRectF>
#include <QRegion>
#include <optional>
#include <string>
#include <vector>

#include "text/translatable_text.h"
#include "window/pictures.h"

namespace brenvolt {

struct DrawingCall {
  enum class Kind { Fill, Outline, Text, Picture };
  Kind kind = Kind::Fill;
  double x = 0, y = 0, w = 0, h = 0;  // twips; for a text or a picture only x and y count
  int colour = 0;
  TranslatableText text{};  // kept untranslated, so a redraw can show another language
  int points = 0;
  bool bold = false;
  PictureId picture = PictureId::KARA_MASU;
};

// A pixel belongs to a box of twips when the pixel's sample point (the twips position at which
// rounding moves on to the next pixel) lies in the box, left and top edge excluded, right and
// bottom included. So a box that holds another in twips holds its pixels at every scale, and
// boxes that meet in twips meet in pixels: covering is decided once, in twips.
class DrawingList {
 public:
  // Forgets every call: the surface is one colour now.
  void clear(int colour);
  // `reach`: a box of twips holding every pixel the call can paint at any scale 1 or more.
  // `paintsOver`: for an opaque call (a filled box, a picture), the box whose every pixel it
  // paints over completely. An outline also replaces an earlier outline of the same rectangle.
  void add(DrawingCall call, const QRectF& reach, const std::optional<QRectF>& paintsOver);

  // The calls still showing somewhere, oldest first.
  std::vector<DrawingCall> calls() const;
  std::size_t size() const { return entries_.size(); }
  // The colour of the last clear; nothing before the first.
  std::optional<int> background() const { return background_; }

 private:
  struct Entry {
    DrawingCall call;
    QRegion uncovered;  // in quarter twips
  };
  std::vector<Entry> entries_;
  std::optional<int> background_;
};

// A box of twips as whole quarter twips: `outward` holds all of it, `inward` only what is
// surely inside it. Positions of the game fall on quarter twips; a value within a hair of one is
// taken as lying on it, so that 13.3 squares and 6583.5 twips meet.
QRect outward(const QRectF& twips);
QRect inward(const QRectF& twips);

}  // namespace brenvolt
