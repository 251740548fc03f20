// Qt keys as the classic key codes the game's key handler takes.
#pragma once

#include <optional>

#include "window/input_codes.h"

namespace brenvolt {

// The classic virtual-key code of a Qt key (Qt::Key), or nothing for a key without one.
std::optional<int> 仮想キーコード(int qtKey);

}  // namespace brenvolt
