#include "tools/match/match.h"

#include <chrono>
#include <cmath>
#include <cstdio>

#include "engine/move_judge.h"

namespace brenvolt::match {

namespace {

class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t next() {
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }

 private:
  std::uint64_t state_;
};

double elo_of(double score) {
  return -400.0 * std::log10(1.0 / score - 1.0);
}

}  // namespace

std::vector<std::string> opening(std::uint64_t seed, int plies) {
  Random random(seed);
  engine::Game game = engine::start_game();
  std::vector<std::string> moves;
  for (int i = 0; i < plies && !game.over(); ++i) {
    const auto legal = engine::legal_moves(game);
    if (legal.empty()) break;
    const std::string& chosen = legal[random.next() % legal.size()];
    engine::play_move(game, engine::judge_move(game, chosen).move);
    moves.push_back(chosen);
  }
  return moves;
}

GameResult play_game(Player& black, Player& white, const std::vector<std::string>& moves) {
  GameResult result;
  engine::Game game = engine::start_game();
  for (const std::string& text : moves) {
    engine::play_move(game, engine::judge_move(game, text).move);
    ++result.plies;
  }
  int passes = 0;
  while (!game.over()) {
    if (game.局.手数 >= 記録上限) {
      result.reason = "bound";
      return result;
    }
    const int mover = game.局.手番;
    Player& player = mover == 手番_先手 ? black : white;
    const auto started = std::chrono::steady_clock::now();
    const std::string text = player.choose(game);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    (mover == 手番_先手 ? result.black_times : result.white_times).push_back(seconds);
    if (text == "pass") {
      engine::pass_turn(game);
      if (++passes == 2) {
        result.reason = "no move";
        return result;
      }
      continue;
    }
    passes = 0;
    const engine::Judgement judged = engine::judge_move(game, text);
    if (judged.verdict != engine::Verdict::accepted) {
      result.winner = engine::opponent_of(mover);
      result.reason = "refused " + (text.empty() ? std::string("(no answer)") : text);
      return result;
    }
    engine::play_move(game, judged.move);
    ++result.plies;
  }
  result.winner = game.winner;
  result.reason = "five";
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
