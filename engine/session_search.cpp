// The protocol's commands for the strong computer: the options, `go` with its caps, and the
// search's own bench. At level 0 `go` is the standard computer's, answered at once.
#include <cstdio>
#include <string>

#include "computer/strong/bench_suite.h"
#include "engine/bench_positions.h"
#include "engine/computer_moves.h"
#include "engine/session.h"
#include "game/levels.h"
#include "notation/game_move.h"

namespace brenvolt::engine {
namespace {

constexpr std::uint64_t kMaxDepth = 64;
constexpr std::uint64_t kMaxMovetimeMs = 24ull * 60 * 60 * 1000;
constexpr std::uint64_t kDefaultBenchDepth = 5;
constexpr std::uint64_t kMaxBenchDepth = 12;

constexpr const char* kGoUsage =
    "go takes depth 1..64, nodes 1.., movetime 1..86400000 (milliseconds) or infinite";

std::string hex_signature(std::uint64_t signature) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(signature));
  return text;
}

// Caps read from the words after "go"; false on a word it does not know or a bad number.
bool read_caps(const std::vector<std::string_view>& words, 探索制限& caps, bool& any) {
  any = false;
  for (std::size_t i = 1; i < words.size(); ++i) {
    const std::string_view word = words[i];
    if (word == "infinite") {
      any = true;
      continue;
    }
    if (i + 1 >= words.size()) return false;
    std::uint64_t value = 0;
    const std::string_view number = words[++i];
    if (word == "depth" && parse_count(number, 1, kMaxDepth, value)) {
      caps.depth = static_cast<int>(value);
    } else if (word == "nodes" && parse_count(number, 1, UINT64_MAX, value)) {
      caps.nodes = value;
    } else if (word == "movetime" && parse_count(number, 1, kMaxMovetimeMs, value)) {
      caps.seconds = static_cast<double>(value) / 1000;
    } else {
      return false;
    }
    any = true;
  }
  return true;
}

}  // namespace

void Session::options() {
  reply_ << "option name USI_Hash type spin default " << kDefaultTableMb << " min 1 max "
         << kMaxHashMb << '\n'
         << "option name Threads type spin default 1 min 1 max " << kMaxThreads << '\n'
         << "option name Level type spin default 0 min 0 max " << 強さ_最強 << '\n';
}

void Session::setoption(const Words& words) {
  if (words.size() != 5 || words[1] != "name" || words[3] != "value") {
    error("setoption needs name <option> value <number>");
    return;
  }
  std::uint64_t value = 0;
  if (words[2] == "Level") {
    if (!parse_count(words[4], 0, 強さ_最強, value)) {
      error("Level takes 0.." + std::to_string(強さ_最強));
      return;
    }
    level_ = static_cast<int>(value);
  } else if (words[2] == "USI_Hash") {
    if (!parse_count(words[4], 1, kMaxHashMb, value)) {
      error("USI_Hash takes 1.." + std::to_string(kMaxHashMb) + " (megabytes)");
      return;
    }
    // Made now, as the option is set: a large table takes a while to make, and no move's
    // time may pay for it.
    worker_.set_hash_mb(value);
  } else if (words[2] == "Threads") {
    if (!parse_count(words[4], 1, kMaxThreads, value)) {
      error("Threads takes 1.." + std::to_string(kMaxThreads));
      return;
    }
    worker_.set_threads(static_cast<int>(value));
  } else {
    error("unknown option " + notation::shown_word(words[2]));
  }
}

// Caps replace the level's budget, its weakenings staying; a depth or node count without a
// time cap gives the same move every time. The strong computer plays no position at or beyond the
// record's bound (a game there is drawn), while the protocol plays on from any move number: there
// the standard computer answers at every level.
void Session::go(const Words& words) {
  探索制限 caps;
  bool capped = false;
  if (!read_caps(words, caps, capped)) {
    error(kGoUsage);
    return;
  }
  if (level_ == 強さ_標準 || game_.勝負あり() || game_.局.手数 >= 記録上限) {
    standard_move();
    return;
  }
  探索制限 limits = level_limits(level_);
  if (capped) {
    limits.depth = caps.depth;
    limits.nodes = caps.nodes;
    limits.seconds = caps.seconds;
  }
  endless_ = limits.depth == 0 && limits.nodes == 0 && limits.seconds == 0;
  worker_.start(game_.局, limits);
}

// The standard computer's move. It finds none on a board where no empty square has a piece
// beside it (an empty board after the first move, which play never reaches); the side to move
// has a move all the same, so the first of `moves` is given: the engine answers `pass` only
// for a side that has no move, as `position … moves pass` takes it.
void Session::standard_move() {
  std::string answer = "pass";
  if (const auto choice = computer_choice(game_)) {
    answer = notation::format_move(*choice);
  } else if (!game_.勝負あり()) {
    const auto moves = legal_moves(game_);
    if (!moves.empty()) answer = moves.front();
  }
  reply_ << "bestmove " << answer << '\n';
}

void Session::bench_search(const Words& words) {
  std::uint64_t depth = kDefaultBenchDepth;
  if (words.size() > 3 || (words.size() == 3 && !parse_count(words[2], 1, kMaxBenchDepth, depth))) {
    error("bench search takes [depth 1.." + std::to_string(kMaxBenchDepth) + "]");
    return;
  }
  const 探索ベンチ結果 report = search_bench(bench_positions(), static_cast<int>(depth));
  const double per_second = report.seconds > 0 ? report.nodes / report.seconds : 0;
  reply_ << "positions " << report.positions << '\n'
         << "depth " << depth << '\n'
         << "nodes " << report.nodes << '\n'
         << "elapsed_ms " << static_cast<long long>(report.seconds * 1000) << '\n'
         << "nodes_per_second " << static_cast<long long>(per_second) << '\n'
         << "signature " << hex_signature(report.signature) << '\n';
}

}  // namespace brenvolt::engine
