// The window's 16-colour palette in the classic PC (CGA) order.
#pragma once

#include <QColor>
#include <optional>

namespace brenvolt {

inline constexpr int パレット色数 = 16;

// The colour of a palette index 0..15; nothing for any other index, which callers then do not
// draw at all rather than guess a colour.
std::optional<QColor> パレット色(int index);

}  // namespace brenvolt
