// Qt keys as the classic key codes the game's key handler takes.
#pragma once

#include <optional>

namespace brenvolt {

inline constexpr int キー_Esc = 27;
inline constexpr int キー_F1 = 112;

// The classic virtual-key code of a Qt key (Qt::Key), or nothing for a key without one.
std::optional<int> 仮想キーコード(int qtKey);

}  // namespace brenvolt
