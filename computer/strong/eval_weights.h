// The weights the strong computer judges positions with. Written by brenvolt-tune; the
// command that remakes them from self-play is in tools/tune/README.md.
// 121897 positions, K = 0.002361, error 0.165427 before and 0.156672 after.
// The hands' weights at 65 % of the fit's.
#pragma once

#include "computer/strong/evaluation.h"

namespace brenvolt::strong {

inline constexpr EvalWeights kEvalWeights = {
    {8, 26, 89, 250},  // own_window
    {4, 22, 93, 263},  // their_window
    125,               // own_hand
    133,               // their_hand
    -10,               // tempo
};

}  // namespace brenvolt::strong
