#include "window/qt/drawing_list.h"

#include <algorithm>
#include <cmath>

namespace brenvolt {

namespace {

constexpr double 四分 = 4.0;
// Far beyond any window, small enough that a box of it fits a QRect.
constexpr double 限界 = 1 << 28;
constexpr double 誤差 = 1e-6;

// A coordinate in quarter twips, rounded down (or up) unless it lies within a hair of a whole
// quarter.
int 四分位置(double twips, bool up) {
  const double quarters = std::clamp(twips * 四分, -限界, 限界);
  const double nearest = std::round(quarters);
  if (std::abs(quarters - nearest) < 誤差) return static_cast<int>(nearest);
  return static_cast<int>(up ? std::ceil(quarters) : std::floor(quarters));
}

bool 有限(const QRectF& r) {
  return std::isfinite(r.x()) && std::isfinite(r.y()) && std::isfinite(r.width()) &&
         std::isfinite(r.height());
}

// A QRect from corner cells [left, right) × [top, bottom).
QRect 升目(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) return {};
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

bool 同じ輪郭(const DrawingCall& a, const DrawingCall& b) {
  return a.kind == DrawingCall::Kind::Outline && b.kind == DrawingCall::Kind::Outline &&
         a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

}  // namespace

QRect outward(const QRectF& twips) {
  if (!有限(twips)) {
    return 升目(static_cast<int>(-限界), static_cast<int>(-限界), static_cast<int>(限界),
                static_cast<int>(限界));
  }
  const QRectF r = twips.normalized();
  return 升目(四分位置(r.left(), false), 四分位置(r.top(), false), 四分位置(r.right(), true),
              四分位置(r.bottom(), true));
}

QRect inward(const QRectF& twips) {
  if (!有限(twips)) return {};
  const QRectF r = twips.normalized();
  return 升目(四分位置(r.left(), true), 四分位置(r.top(), true), 四分位置(r.right(), false),
              四分位置(r.bottom(), false));
}

void DrawingList::clear(int colour) {
  entries_.clear();
  background_ = colour;
}

void DrawingList::add(DrawingCall call, const QRectF& reach,
                      const std::optional<QRectF>& paintsOver) {
  const QRect cover = paintsOver ? inward(*paintsOver) : QRect();
  if (!cover.isEmpty()) {
    std::erase_if(entries_, [&cover](Entry& entry) {
      if (!entry.uncovered.intersects(cover)) return false;
      entry.uncovered -= cover;
      return entry.uncovered.isEmpty();
    });
  }
  // The same rectangle outlined again paints exactly the pixels of the earlier outline.
  std::erase_if(entries_, [&call](const Entry& entry) { return 同じ輪郭(entry.call, call); });
  const QRect area = outward(reach);
  if (area.isEmpty()) return;
  entries_.push_back({std::move(call), QRegion(area)});
}

std::vector<DrawingCall> DrawingList::calls() const {
  std::vector<DrawingCall> result;
  result.reserve(entries_.size());
  for (const Entry& entry : entries_) result.push_back(entry.call);
  return result;
}

}  // namespace brenvolt
