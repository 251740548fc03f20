// The board's place on the window in twips (15 twips to a pixel), and positions in square
// units: (x, y) stands for the twips point of the top-left corner of square (x, y), so
// fractional units place texts between squares.
#pragma once

namespace brenvolt {

inline constexpr int 盤左 = 1100;
inline constexpr int 盤上 = 100;
inline constexpr int 桝幅 = 495;
inline constexpr int 桝高 = 615;

inline constexpr double 桝点X(double x) {
  return 盤左 + x * 桝幅;
}
inline constexpr double 桝点Y(double y) {
  return 盤上 + y * 桝高;
}

}  // namespace brenvolt
