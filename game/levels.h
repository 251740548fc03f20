// The computer's levels, as the menu, the records and the engine name them: 0 is the standard
// computer, 1 up to the strongest the search, each level clearly stronger than the one below.
#pragma once

namespace brenvolt {

inline constexpr int 強さ_標準 = 0;
inline constexpr int 強さ_最強 = 3;

}  // namespace brenvolt
