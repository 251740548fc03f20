#include "window/qt/surface.h"

#include <QPainter>
#include <QString>
#include <algorithm>
#include <cmath>

#include "window/qt/palette.h"
#include "window/qt/picture_store.h"
#include "window/qt/window_font.h"
#include "window/qt/zoom_limits.h"

namespace brenvolt {

namespace {

// How far past its far edge an outline may paint: its line is at most 1.5 pixels of the
// classic size wide at any scale from 1 on (the rounded scale over the scale).
constexpr double 輪郭のはみ出し = 1.5 * ピクセル当たりtwip;
// Room a text may take beyond its size at the classic size: the font's pixel size is rounded
// at each scale, and a synthesised bold or a glyph's overhang adds a little on the right.
constexpr double 文字の伸び = 1.1;
constexpr double 文字の右余白 = 3 * ピクセル当たりtwip;
constexpr double 文字の下余白 = 1 * ピクセル当たりtwip;

QSize 倍した大きさ(QSize size, double scale) {
  return QSize(static_cast<int>(std::ceil(size.width() * scale)),
               static_cast<int>(std::ceil(size.height() * scale)));
}

QImage 新しい画像(QSize logicalSize, double scale, qreal devicePixelRatio) {
  QImage image(倍した大きさ(logicalSize, scale) * devicePixelRatio, QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::black);
  return image;
}

QRectF 箱(double x, double y, double w, double h) {
  return QRectF(x, y, w, h).normalized();
}

}  // namespace

qreal 使える画素比(qreal ratio) {
  if (!std::isfinite(ratio) || ratio <= 0) return 1.0;
  return std::min(ratio, 最大画素比);
}

int twipToPixel(double twips) {
  return static_cast<int>(std::floor(twips / ピクセル当たりtwip + 0.5));
}

int twipToPixel(double twips, double scale) {
  return static_cast<int>(std::floor(twips * scale / ピクセル当たりtwip + 0.5));
}

Surface::Surface(QSize logicalSize, qreal devicePixelRatio, const PictureStore& pictures)
    : logicalSize_(logicalSize),
      devicePixelRatio_(使える画素比(devicePixelRatio)),
      image_(新しい画像(logicalSize, 1.0, devicePixelRatio_)),
      pictures_(pictures) {}

void Surface::fillRect(double x, double y, double w, double h, int colour) {
  if (!パレット色(colour)) return;
  const DrawingCall call{DrawingCall::Kind::Fill, x, y, w, h, colour};
  calls_.add(call, 箱(x, y, w, h), 箱(x, y, w, h));
  paintFill(call);
}

void Surface::outlineRect(double x, double y, double w, double h, int colour) {
  if (!パレット色(colour)) return;
  const DrawingCall call{DrawingCall::Kind::Outline, x, y, w, h, colour};
  const QRectF edges = 箱(x, y, w, h);
  calls_.add(call, edges.adjusted(0, 0, 輪郭のはみ出し, 輪郭のはみ出し), std::nullopt);
  paintOutline(call);
}

void Surface::drawText(double x, double y, const TranslatableText& text, int points, int colour,
                       bool bold) {
  if (!パレット色(colour) || text.empty()) return;
  DrawingCall call{DrawingCall::Kind::Text, x, y, 0, 0, colour, text, points, bold};
  calls_.add(call, textReach(call), std::nullopt);
  paintText(call);
}

void Surface::drawPicture(PictureId picture, double x, double y) {
  const QSize natural = PictureStore::naturalSize(picture);
  DrawingCall call{DrawingCall::Kind::Picture, x, y};
  call.picture = picture;
  const QRectF area(x, y, natural.width() * ピクセル当たりtwip,
                    natural.height() * ピクセル当たりtwip);
  calls_.add(call, area, area);
  paintPicture(call);
}

void Surface::refresh() {
  if (refreshHandler_) refreshHandler_();
}

void Surface::clear(int colour) {
  if (!パレット色(colour)) return;
  calls_.clear(colour);
  fillImage(colour);
}

void Surface::setScale(double scale) {
  scale = std::clamp(scale, 最小倍率, 最大倍率);
  if (scale == scale_) return;
  scale_ = scale;
  image_ = 新しい画像(logicalSize_, scale_, devicePixelRatio_);
  redraw();
}

void Surface::redraw() {
  if (const auto background = calls_.background()) {
    fillImage(*background);
  } else {
    image_.fill(Qt::black);
  }
  for (const DrawingCall& call : calls_.calls()) paint(call);
  changed(QRect(QPoint(0, 0), 倍した大きさ(logicalSize_, scale_)));
}

void Surface::fillImage(int colour) {
  image_.fill(*パレット色(colour));
  changed(QRect(QPoint(0, 0), 倍した大きさ(logicalSize_, scale_)));
}

void Surface::paint(const DrawingCall& call) {
  switch (call.kind) {
    case DrawingCall::Kind::Fill:
      return paintFill(call);
    case DrawingCall::Kind::Outline:
      return paintOutline(call);
    case DrawingCall::Kind::Text:
      return paintText(call);
    case DrawingCall::Kind::Picture:
      return paintPicture(call);
  }
}

void Surface::paintFill(const DrawingCall& call) {
  const int left = px(call.x), top = px(call.y);
  const int right = px(call.x + call.w), bottom = px(call.y + call.h);
  // A negative size spans the same box from the other corner.
  const QRect box = QRect(QPoint(std::min(left, right), std::min(top, bottom)),
                          QPoint(std::max(left, right) - 1, std::max(top, bottom) - 1));
  if (box.isEmpty()) return;
  QPainter painter(&image_);
  painter.fillRect(box, *パレット色(call.colour));
  changed(box);
}

void Surface::paintOutline(const DrawingCall& call) {
  const QColor colour = *パレット色(call.colour);
  const double x = call.x, y = call.y, w = call.w, h = call.h;
  const int x0 = px(std::min(x, x + w)), x1 = px(std::max(x, x + w));
  const int y0 = px(std::min(y, y + h)), y1 = px(std::max(y, y + h));
  const int line = std::max(1, static_cast<int>(std::lround(scale_)));
  const int width = x1 - x0 + line, height = y1 - y0 + line;
  QPainter painter(&image_);
  painter.fillRect(QRect(x0, y0, width, line), colour);
  painter.fillRect(QRect(x0, y1, width, line), colour);
  painter.fillRect(QRect(x0, y0, line, height), colour);
  painter.fillRect(QRect(x1, y0, line, height), colour);
  changed(QRect(x0, y0, width, height));
}

QString Surface::shownText(const TranslatableText& text) const {
  return texts_ ? texts_->shown(text) : QString::fromStdString(text.japanese());
}

// A text is taken to paint nothing above or left of its position. The faint antialiased edge a
// glyph may leave on the row above stays on the screen after a box erases the text from its
// position down, as it always has; a redraw leaves that erased text out, and its edge with it.
QRectF Surface::textReach(const DrawingCall& call) const {
  const QFont font = 窓フォント(call.points, call.bold);
  const QFontMetricsF metrics(font, &image_);
  QStringList renderings{QString::fromStdString(call.text.japanese())};
  if (texts_) renderings += texts_->everyLanguage(call.text);
  // The advances character by character, without laying out the line: kerning only brings
  // characters closer, so their sum is never short of the line's width.
  double widest = 0;
  for (const QString& text : renderings) {
    double width = 0;
    for (const QChar c : text) width += metrics.horizontalAdvance(c);
    widest = std::max(widest, width);
  }
  const double width = widest * 文字の伸び * ピクセル当たりtwip + 文字の右余白;
  const double height = metrics.height() * 文字の伸び * ピクセル当たりtwip + 文字の下余白;
  return QRectF(call.x, call.y, width, height);
}

void Surface::paintText(const DrawingCall& call) {
  QPainter painter(&image_);
  painter.setRenderHint(QPainter::TextAntialiasing);
  const QFont font = 窓フォント(call.points, call.bold, scale_);
  painter.setFont(font);
  painter.setPen(*パレット色(call.colour));
  // The position is the top-left corner of the text cell, so the baseline sits one ascent
  // below it.
  const QFontMetricsF metrics(font, &image_);
  const QString shown = shownText(call.text);
  const QPointF baseline(px(call.x), px(call.y) + metrics.ascent());
  painter.drawText(baseline, shown);
  changed(metrics.boundingRect(shown).translated(baseline).toAlignedRect().adjusted(-2, -2, 2, 2));
}

void Surface::paintPicture(const DrawingCall& call) {
  const QImage& image = pictures_.picture(call.picture, scale_);
  const QSize natural = PictureStore::naturalSize(call.picture);
  const QPoint at(px(call.x), px(call.y));
  // The picture fills the pixels its box of twips holds, which at some scales is one pixel
  // fewer than the picture has.
  const QSize span(px(call.x + natural.width() * ピクセル当たりtwip) - at.x(),
                   px(call.y + natural.height() * ピクセル当たりtwip) - at.y());
  const qreal ratio = image.devicePixelRatio();
  const QSize size = (QSizeF(image.size()) / ratio).toSize();
  QPainter painter(&image_);
  if (span == size) {
    painter.drawImage(at, image);
  } else {
    painter.drawImage(QRectF(at, span), image, QRectF(QPointF(0, 0), QSizeF(span) * ratio));
  }
  changed(QRect(at, span));
}

void Surface::changed(const QRect& area) {
  if (changeHandler_) changeHandler_(area);
}

QColor Surface::pixel(QPoint p) const {
  const qreal ratio = image_.devicePixelRatio();
  const QPoint device(static_cast<int>(p.x() * ratio), static_cast<int>(p.y() * ratio));
  if (!image_.rect().contains(device)) return {};
  return image_.pixelColor(device);
}

}  // namespace brenvolt
