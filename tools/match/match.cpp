#include "tools/match/match.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "game/match.h"
#include "game/piece_table.h"
#include "game/split_mix.h"
#include "game/turn.h"
#include "notation/game_move.h"

namespace brenvolt::match {

namespace {

double elo_of(double score) {
  return -400.0 * std::log10(1.0 / score - 1.0);
}

}  // namespace

std::vector<着手> opening(std::uint64_t seed, int plies) {
  SplitMix64 random(seed);
  対局 game;
  game.開始();
  std::vector<着手> moves;
  for (int i = 0; i < plies; ++i) {
    const auto legal = 指せる手(game.局);
    if (legal.empty()) break;
    const 着手 chosen = legal[random.next() % legal.size()];
    moves.push_back(chosen);
    if (game.指す(chosen).結果 != 結末::続行) break;
  }
  return moves;
}

GameResult play_game(Player& black, Player& white, const std::vector<着手>& moves) {
  GameResult result;
  対局 game;
  game.開始();
  for (const 着手& move : moves) {
    game.指す(move);
    ++result.plies;
  }
  const 対局状態& 局 = game.局;
  int passes = 0;
  while (局.対局中 == 有) {
    if (手数上限(局)) {
      result.reason = "bound";
      return result;
    }
    const int mover = 局.手番;
    Player& player = mover == 手番_先手 ? black : white;
    const auto started = std::chrono::steady_clock::now();
    const Choice choice = player.choose(局);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    (mover == 手番_先手 ? result.black_times : result.white_times).push_back(seconds);
    if (choice.pass) {
      game.パス();
      if (++passes == 2) {
        result.reason = "no move";
        return result;
      }
      continue;
    }
    passes = 0;
    const 着手& m = choice.move;
    const auto judged = game.判定(m.元X, m.元Y, m.先X, m.先Y, m.移動駒,
                                  m.置駒 != m.移動駒 ? 成り方::成る : 成り方::成らない);
    if (judged.結果 != 判定::可) {
      result.winner = 相手の手番(mover);
      const std::string text = !choice.text.empty() ? choice.text : notation::format_move(m);
      result.reason = "refused " + (text.empty() ? std::string("(no answer)") : text);
      return result;
    }
    const 着手の結果 outcome = game.指す(judged.手);
    ++result.plies;
    if (outcome.結果 == 結末::五並び) {
      result.winner = mover;
      result.reason = "five";
      return result;
    }
    if (outcome.結果 == 結末::引き分け) {
      result.reason = "bound";
      return result;
    }
  }
  return result;
}

EloEstimate estimate(const Tally& tally) {
  EloEstimate e;
  const double n = tally.games();
  if (n == 0) return e;
  e.score = (tally.wins + 0.5 * tally.draws) / n;
  // The spread of one game's score around the mean, then of the mean over n games.
  const double p = e.score;
  const double variance = (tally.wins * (1 - p) * (1 - p) + tally.losses * p * p +
                           tally.draws * (0.5 - p) * (0.5 - p)) /
                          n;
  const double margin = 1.96 * std::sqrt(variance / n);
  if (tally.wins == n || tally.losses == n) {
    // All one way: the one-sided 95 % bound of a rate seen n times out of n.
    e.unbounded = true;
    const double low = std::pow(0.05, 1.0 / n);
    e.bound = tally.wins == n ? elo_of(low) : -elo_of(low);
    e.elo = tally.wins == n ? INFINITY : -INFINITY;
    return e;
  }
  e.elo = elo_of(p);
  // The score's margin carried over to Elo by the slope of the Elo curve at p; the interval's
  // ends themselves are not symmetric, and one past a score of 0 or 1 is unbounded.
  e.error = margin * 400 / (std::log(10.0) * p * (1 - p));
  e.low = p - margin <= 0 ? -INFINITY : elo_of(p - margin);
  e.high = p + margin >= 1 ? INFINITY : elo_of(p + margin);
  return e;
}

std::string summary(const Tally& tally) {
  const EloEstimate e = estimate(tally);
  char text[240];
  if (e.unbounded) {
    std::snprintf(text, sizeof text,
                  "games %d wins %d losses %d draws %d score %.1f %% Elo %s (95 %%: %s %.0f)",
                  tally.games(), tally.wins, tally.losses, tally.draws, 100 * e.score,
                  e.elo > 0 ? "+inf" : "-inf", e.elo > 0 ? "above" : "below", e.bound);
  } else {
    const auto end = [](double elo) {
      char t[16];
      std::snprintf(t, sizeof t, std::isinf(elo) ? (elo > 0 ? "+inf" : "-inf") : "%+.0f", elo);
      return std::string(t);
    };
    std::snprintf(text, sizeof text,
                  "games %d wins %d losses %d draws %d score %.1f %% Elo %+.0f ± %.0f (95 %%: %s "
                  "to %s)",
                  tally.games(), tally.wins, tally.losses, tally.draws, 100 * e.score, e.elo,
                  e.error, end(e.low).c_str(), end(e.high).c_str());
  }
  return text;
}

}  // namespace brenvolt::match
