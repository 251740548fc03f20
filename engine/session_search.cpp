// The protocol's commands for the strong computer: the options, `go` with its caps, and the
// search's own bench. At level 0 `go` is the standard computer's, answered at once.
#include <cstdio>
#include <string>

#include "computer/strong/bench_suite.h"
#include "engine/bench_positions.h"
#include "engine/computer_moves.h"
#include "engine/session.h"
#include "notation/game_move.h"

namespace brenvolt::engine {
namespace {

constexpr int kMaxLevel = 3;
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
  reply_ << "option name USI_Hash type spin default " << kDefaultHashMb << " min 1 max "
         << kMaxHashMb << '\n'
         << "option name Level type spin default 0 min 0 max " << kMaxLevel << '\n';
}

void Session::setoption(const Words& words) {
  if (words.size() != 5 || words[1] != "name" || words[3] != "value") {
    error("setoption needs name <option> value <number>");
    return;
  }
  std::uint64_t value = 0;
  if (words[2] == "Level") {
    if (!parse_count(words[4], 0, kMaxLevel, value)) {
      error("Level takes 0.." + std::to_string(kMaxLevel));
      return;
    }
    level_ = static_cast<int>(value);
  } else if (words[2] == "USI_Hash") {
    if (!parse_count(words[4], 1, kMaxHashMb, value)) {
      error("USI_Hash takes 1.." + std::to_string(kMaxHashMb) + " (megabytes)");
      return;
    }
    worker_.set_hash_mb(value);
  } else {
    error("unknown option " + notation::shown_word(words[2]));
  }
}

// Caps replace the level's budget; a depth or node count without a time cap searches from an
// empty table, so it gives the same move every time.
void Session::go(const Words& words) {
  探索制限 caps;
  bool capped = false;
  if (!read_caps(words, caps, capped)) {
    error(kGoUsage);
    return;
  }
  if (level_ == 0 || game_.勝負あり()) {
    const auto choice = computer_choice(game_);
    reply_ << "bestmove " << (choice ? notation::format_move(*choice) : "pass") << '\n';
    return;
  }
  const 探索制限 limits = capped ? caps : level_limits(level_);
  worker_.start(game_.局, limits, capped && limits.seconds == 0);
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
