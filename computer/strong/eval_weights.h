// The weights the strong computer judges positions with: the hand-set ones, until a tuned set
// proves stronger in a match. brenvolt-tune writes this file; the command that remakes it from
// self-play is in tools/tune/README.md.
#pragma once

#include "computer/strong/evaluation.h"

namespace brenvolt::strong {

inline constexpr EvalWeights kEvalWeights = {
    {1, 6, 40, 250},  // own_window
    {1, 6, 40, 250},  // their_window
    0,                // own_hand
    0,                // their_hand
    12,               // tempo
};

}  // namespace brenvolt::strong
