// Sizes in twips of the boxes that erase the move count and the two message slots.
#pragma once

namespace brenvolt {

inline constexpr int 手数欄幅 = 1250;
inline constexpr int 手数欄高 = 300;
inline constexpr int 結果欄幅 = 1360;
inline constexpr int 結果欄高 = 380;

}  // namespace brenvolt
