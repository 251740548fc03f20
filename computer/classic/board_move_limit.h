// When the classic computer weighs board moves at all.
#pragma once

namespace brenvolt {

// With this many pieces in hand or more, the computer only drops.
inline constexpr int 盤上移動上限 = 8;

}  // namespace brenvolt
