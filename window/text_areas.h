// The places, in square units, and the sizes, in twips, of the move count and the two status
// slots, and of the boxes that erase them.
#pragma once

namespace brenvolt {

inline constexpr double 手数表示X = 13;
inline constexpr double 手数表示Y = 2.3;
inline constexpr double 先手結果X = 13.3;
inline constexpr double 先手結果Y = 3;
inline constexpr double 後手結果X = -1.75;
inline constexpr double 後手結果Y = 9.5;

inline constexpr int 手数欄幅 = 1250;
inline constexpr int 手数欄高 = 300;
inline constexpr int 結果欄幅 = 1360;
inline constexpr int 結果欄高 = 380;
// A take-back erases the slot of the side whose move it took back with a box of its own size.
inline constexpr int 戻し結果欄幅 = 1250;
inline constexpr int 戻し結果欄高 = 400;

// The text a status slot shows while the computer thinks, and its size in points.
inline constexpr int 思考中の大きさ = 12;

}  // namespace brenvolt
