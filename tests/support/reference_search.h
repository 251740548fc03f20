// The computer's choice told step by step on the live board with the game's own rule queries.
// The game plays com_ban_探索, a faster search that must choose exactly the same move; this
// one is kept as its yardstick for tests and benchmarks.
#pragma once

#include <optional>

#include "computer/classic/computer.h"

namespace brenvolt::reference {

std::optional<着手> com_ban_探索(対局状態& 局, int COM側, 探索統計* 統計 = nullptr);

}  // namespace brenvolt::reference
