#include "tools/tactics/run.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>

#include "computer/strong/rules.h"
#include "computer/strong/searcher.h"
#include "game/levels.h"
#include "notation/game_move.h"
#include "tools/tactics/generate.h"
#include "tools/tactics/prover.h"

namespace brenvolt::tactics {

namespace {

using strong::Board;
using strong::Move;

探索制限 limits_of(const RunOptions& options) {
  探索制限 limits = level_limits(強さ_最強);
  if (options.nodes > 0) {
    limits.nodes = options.nodes;
    limits.seconds = 0;
  } else if (options.seconds > 0) {
    limits.seconds = options.seconds;
  }
  return limits;
}

bool answered(const Entry& entry, const std::string& text) {
  return std::find(entry.answers.begin(), entry.answers.end(), text) != entry.answers.end();
}

// With the winner's move m made: is it proven to win?
Verdict win_kept(Prover& prover, Board& b, Move m, const Entry& entry) {
  const int moves = entry.moves + 2;
  Verdict v = prover.solve_after(b, m, std::min(moves, kFourMoves), true);
  if (v != Verdict::win) {
    const Verdict by_threes = prover.solve_after(b, m, std::min(moves, kThreatMoves), false);
    if (by_threes == Verdict::win || v == Verdict::no_win) v = by_threes;
  }
  return v;
}

// With the defender's move made: the attacker, to move, has no proven win?
Verdict defence_held(Prover& prover, Board& b, Move m) {
  if (strong::move_won(b, strong::other(b.side_to_move()), strong::source_of(m), m.to())) {
    return Verdict::no_win;
  }
  const Verdict threes = prover.solve(b, kThreatMoves, false).verdict;
  if (threes == Verdict::win) return threes;
  const Verdict fours = prover.solve(b, kFourMoves, true).verdict;
  if (fours == Verdict::win) return fours;
  return threes == Verdict::no_win && fours == Verdict::no_win ? Verdict::no_win : Verdict::unknown;
}

// The solve's verdict on the position after the move played (no move: a pass): does the side
// that moved win, or, for a defence, does the attacker?
Verdict judge(Prover& prover, Board& b, const Entry& entry, Move m, const std::string& text) {
  const bool is_win = entry.kind != Kind::defence;
  if (!m) return is_win ? Verdict::no_win : Verdict::win;
  if (answered(entry, text)) return is_win ? Verdict::win : Verdict::no_win;
  b.make(m);
  const Verdict v = is_win ? win_kept(prover, b, m, entry) : defence_held(prover, b, m);
  b.unmake(m);
  return v;
}

}  // namespace

RunTally run_suite(const std::vector<Entry>& entries, const RunOptions& options,
                   std::ostream& out) {
  RunTally tally;
  Searcher searcher;
  Prover prover(options.proof_nodes);
  const 探索制限 limits = limits_of(options);
  const std::atomic<bool> stop{false};
  for (const Entry& entry : entries) {
    const bool is_win = entry.kind != Kind::defence;
    const auto 局 = game_of(entry);
    Board b;
    if (!局 || !b.load(*局)) {
      // Counted, as a miss: a position the engine cannot be asked about is no success.
      ++(is_win ? tally.wins : tally.defences);
      out << "BAD  " << format_entry(entry) << std::endl;
      continue;
    }
    searcher.clear();
    const auto started = std::chrono::steady_clock::now();
    const auto move = searcher.think(*局, 局->手番, limits, stop);
    tally.seconds +=
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    tally.nodes += searcher.nodes();
    const std::string text = move ? notation::format_move(*move) : "pass";
    const Verdict v = judge(prover, b, entry, move ? legal_move_named(b, text) : Move(), text);
    const bool good = is_win ? v == Verdict::win : v == Verdict::no_win;
    if (v == Verdict::unknown) ++tally.unknown;
    ++(is_win ? tally.wins : tally.defences);
    if (good) ++(is_win ? tally.wins_found : tally.defences_held);
    if (options.verbose) {
      out << (good ? "ok   " : "MISS ") << format_entry(entry) << " -> " << text
          << (v == Verdict::unknown ? " (solve gave up)" : "") << std::endl;
    }
  }
  return tally;
}

std::string summary(const RunTally& tally) {
  const auto percent = [](int part, int whole) { return whole > 0 ? 100.0 * part / whole : 0.0; };
  char text[200];
  std::snprintf(text, sizeof text,
                "tactics: wins %d/%d (%.1f %%), defences %d/%d (%.1f %%), unsolved %d, "
                "search %.1f s, %llu nodes",
                tally.wins_found, tally.wins, percent(tally.wins_found, tally.wins),
                tally.defences_held, tally.defences, percent(tally.defences_held, tally.defences),
                tally.unknown, tally.seconds, static_cast<unsigned long long>(tally.nodes));
  return text;
}

}  // namespace brenvolt::tactics
