#include "tools/match/match.h"

#include <chrono>
#include <cstdio>

#include "game/match.h"
#include "game/piece_table.h"
#include "game/split_mix.h"
#include "game/turn.h"
#include "notation/game_move.h"
#include "notation/record_file.h"

namespace brenvolt::match {

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

Opening opening_of_moves(const std::vector<着手>& moves) {
  Opening opening;
  opening.game.開始();
  for (const 着手& move : moves) {
    opening.game.指す(move);
    ++opening.plies;
  }
  return opening;
}

GameResult play_game(Player& black, Player& white, const std::vector<着手>& moves) {
  return play_game(black, white, opening_of_moves(moves));
}

namespace {

// Plays the game on from the opening in `game`, which ends as the game did.
GameResult play_on(Player& black, Player& white, 対局& game, int opening_plies) {
  GameResult result;
  result.plies = opening_plies;
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

}  // namespace

GameResult play_game(Player& black, Player& white, const Opening& opening) {
  対局 game = opening.game;
  GameResult result = play_on(black, white, game, opening.plies);
  result.moves = notation::write_game_line(game);
  return result;
}

EloEstimate estimate(const Tally& tally) {
  const int n = tally.games();
  if (n == 0) return {};
  const double p = (tally.wins + 0.5 * tally.draws) / n;
  // The spread of one game's score around the mean.
  const double variance = (tally.wins * (1 - p) * (1 - p) + tally.losses * p * p +
                           tally.draws * (0.5 - p) * (0.5 - p)) /
                          n;
  return estimate_from(p, variance, n);
}

std::string summary(const Tally& tally) {
  const EloEstimate e = estimate(tally);
  char text[96];
  std::snprintf(text, sizeof text, "games %d wins %d losses %d draws %d score %.1f %% ",
                tally.games(), tally.wins, tally.losses, tally.draws, 100 * e.score);
  return text + elo_text(e);
}

}  // namespace brenvolt::match
