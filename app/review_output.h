// The review printed by `brenvolt --review`: one line per move of the record.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "computer/strong/review.h"
#include "game/match.h"

namespace brenvolt {

// "<n> <move> eval <cp N|mate N> best <move>", then " ?" or " ??" for a marked move. A position
// with no move to search shows "best -".
std::string 講評の行(const 手の講評& 講評);

// The budget of each position: N nodes when asked for, else 0.3 seconds.
探索制限 講評の予算(std::optional<std::uint64_t> nodes);

// Reviews game within budget and writes its lines to out.
void 講評を書く(const 対局& game, const 探索制限& budget, std::ostream& out);

}  // namespace brenvolt
