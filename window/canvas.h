// The window's drawing surface as the game sees it: positions and sizes in twips (15 twips to
// a pixel, origin at the top-left of the client area), colours as indexes of the 16-colour
// palette. Everything drawn stays until drawn over.
#pragma once

#include <string>

#include "text/translatable_text.h"
#include "window/pictures.h"

namespace brenvolt {

class Canvas {
 public:
  virtual ~Canvas() = default;
  // Filled rectangle with corners (x, y) and (x + w, y + h).
  virtual void fillRect(double x, double y, double w, double h, int colour) = 0;
  // One-pixel outline of the rectangle with corners (x, y) and (x + w, y + h).
  virtual void outlineRect(double x, double y, double w, double h, int colour) = 0;
  // A text with its top-left corner at (x, y), no background, in the language in use.
  virtual void drawText(double x, double y, const TranslatableText& text, int points, int colour,
                        bool bold) = 0;
  // A stored picture at its natural size with its top-left corner at (x, y).
  virtual void drawPicture(PictureId picture, double x, double y) = 0;
  // Make everything drawn so far visible now, even in the middle of a long handler.
  virtual void refresh() = 0;
};

}  // namespace brenvolt
