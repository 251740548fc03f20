// The mouse buttons and key codes the window's event handlers take.
#pragma once

namespace brenvolt {

inline constexpr int 左ボタン = 1;
inline constexpr int 右ボタン = 2;

// Classic virtual-key codes.
inline constexpr int キー_Esc = 27;
inline constexpr int キー_F1 = 112;

}  // namespace brenvolt
