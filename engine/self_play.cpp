#include "engine/self_play.h"

#include <chrono>
#include <string_view>
#include <vector>

#include "engine/bench_positions.h"
#include "engine/computer_moves.h"
#include "engine/move_judge.h"
#include "game/invariants.h"
#include "game/split_mix.h"
#include "notation/game_move.h"

namespace brenvolt::engine {
namespace {

class Signature {
 public:
  void add(std::string_view text) {
    for (const char c : text) {
      value_ ^= static_cast<unsigned char>(c);
      value_ *= 0x100000001b3ULL;
    }
  }
  std::uint64_t value() const { return value_; }

 private:
  std::uint64_t value_ = 0xcbf29ce484222325ULL;
};

struct GameRun {
  対局 game;
  std::uint64_t plies = 0;
  std::string result = "draw";
  bool broken = false;
};

// Checks the game after a move; a broken game is stopped with the reason as its result.
bool still_sound(GameRun& run) {
  const std::string fault = 状態の不整合(run.game.局);
  if (fault.empty()) return true;
  run.broken = true;
  run.result = "broken: " + fault;
  return false;
}

bool no_move_for_either_side(const 対局& game) {
  対局 trial = game;
  if (!legal_moves(trial).empty()) return false;
  pass_turn(trial);
  return legal_moves(trial).empty();
}

// A game may only end in a five, at the move limit, or with no move left for either side.
void check_ending(GameRun& run) {
  if (run.broken) return;
  const bool sound = (run.result == "b" && run.game.勝者 == 手番_先手) ||
                     (run.result == "w" && run.game.勝者 == 手番_後手) ||
                     (run.result == "draw" && 手数上限(run.game.局)) ||
                     (run.result == "stuck" && no_move_for_either_side(run.game));
  if (!sound) {
    run.broken = true;
    run.result = "broken: ended as " + run.result + " at move " + std::to_string(run.game.局.手数);
  }
}

// One or two moves drawn from the sorted list of legal moves, so that every seed gives its own
// games from the same few positions.
void play_opening(GameRun& run, SplitMix64& random, Signature& signature) {
  const std::size_t length = 1 + random.below(2);
  for (std::size_t i = 0; i < length && !run.game.勝負あり(); ++i) {
    const auto moves = legal_moves(run.game);
    if (moves.empty()) return;
    const std::string& chosen = moves[random.below(moves.size())];
    play_move(run.game, judge_move(run.game, chosen).move);
    signature.add(chosen);
    signature.add(" ");
    ++run.plies;
    if (!still_sound(run)) return;
  }
}

void play_computer(GameRun& run, 探索統計& stats, Signature& signature) {
  int passes = 0;
  while (!run.game.勝負あり()) {
    const auto choice = computer_choice(run.game, &stats);
    if (!choice) {
      signature.add("pass ");
      pass_turn(run.game);
      if (++passes == 2) {
        run.result = "stuck";
        return;
      }
      continue;
    }
    passes = 0;
    const 結末 outcome = play_move(run.game, *choice);
    signature.add(notation::format_move(*choice));
    signature.add(" ");
    ++run.plies;
    if (!still_sound(run) || outcome == 結末::引き分け) return;
  }
  if (run.game.勝負あり()) run.result = run.game.勝者 == 手番_先手 ? "b" : "w";
}

}  // namespace

SelfPlayReport play_games(int games, std::uint64_t seed, const GameListener& listener) {
  const auto started = std::chrono::steady_clock::now();
  SelfPlayReport report;
  SplitMix64 random(seed);
  Signature signature;
  探索統計 stats;
  const std::vector<対局状態>& starts = bench_positions();
  for (int number = 1; number <= games; ++number) {
    GameRun run;
    run.game.局 = starts[static_cast<std::size_t>(number - 1) % starts.size()];
    run.game.記録.記録_開始手数 = run.game.局.手数;
    play_opening(run, random, signature);
    if (!run.broken) play_computer(run, stats, signature);
    check_ending(run);
    signature.add("\n");
    report.plies += run.plies;
    ++report.games;
    if (listener) listener(number, run.plies, run.result);
  }
  report.candidates = stats.得点計算数;
  report.signature = signature.value();
  report.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return report;
}

}  // namespace brenvolt::engine
