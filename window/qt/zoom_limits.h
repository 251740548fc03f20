// How large the window's drawing may be, in times its classic size. Larger windows than four
// times the classic size are of no use on any screen made today. Plain constants, so the
// command line reads them without Qt.
#pragma once

namespace brenvolt {

inline constexpr double 最小倍率 = 1.0;
inline constexpr double 最大倍率 = 4.0;

}  // namespace brenvolt
