// brenvolt-match: plays openings twice, colours swapped, between two players and prints the
// result with an Elo estimate, or runs a sequential test until it decides (see kUsage).
#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "game/levels.h"
#include "game/split_mix.h"
#include "tools/match/book.h"
#include "tools/match/match.h"
#include "tools/match/options.h"
#include "tools/match/sprt.h"

namespace {

using namespace brenvolt::match;

// A progress line every this many pairs of an SPRT.
constexpr int kProgressPairs = 10;

bool parse_level(const std::string& text, int& level) {
  if (text.empty() || text.size() > 2) return false;
  level = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') return false;
    level = level * 10 + (c - '0');
  }
  return level <= brenvolt::強さ_最強;
}

std::unique_ptr<Player> make_player(const std::string& wanted, const Options& o) {
  const std::string engine_prefix = "engine:";
  if (wanted.rfind(engine_prefix, 0) == 0) {
    std::string error;
    auto player =
        engine_player(wanted.substr(engine_prefix.size()), o.engine_level, error, engine_go(o));
    if (!player) std::cerr << "brenvolt-match: " << error << "\n";
    return player;
  }
  int level = -1;
  if (!parse_level(wanted, level)) {
    std::cerr << "brenvolt-match: a player is a level 0.." << brenvolt::強さ_最強
              << " or engine:COMMAND, not " << wanted << "\n";
    return nullptr;
  }
  return level_player(level, o.nodes_per_second);
}

// The book's openings, in the order they are played (shuffled with the seed when asked).
bool load_book(const Options& o, std::vector<Opening>& book) {
  std::ifstream file(o.book);
  if (!file) {
    std::cerr << "brenvolt-match: cannot read " << o.book << "\n";
    return false;
  }
  std::string error;
  book = read_book(file, error);
  if (book.empty()) {
    std::cerr << "brenvolt-match: " << o.book << ": " << error << "\n";
    return false;
  }
  if (o.shuffle) {
    brenvolt::SplitMix64 random(o.seed);
    for (std::size_t i = book.size() - 1; i > 0; --i) {
      std::swap(book[i], book[random.below(i + 1)]);
    }
  }
  return true;
}

Opening opening_for(int pair, const Options& o, const std::vector<Opening>& book) {
  if (!book.empty()) return book[static_cast<std::size_t>(pair) % book.size()];
  return opening_of_moves(opening(o.seed + static_cast<std::uint64_t>(pair), o.opening_plies));
}

void print_times(const std::string& name, std::vector<double> times) {
  if (times.empty()) return;
  std::sort(times.begin(), times.end());
  std::printf("%s: moves %zu, median %.3f s, slowest %.3f s\n", name.c_str(), times.size(),
              times[times.size() / 2], times.back());
}

const char* side_name(int side) {
  return side == brenvolt::手番_先手 ? "先手" : "後手";
}

class MatchRun {
 public:
  MatchRun(const Options& o, std::unique_ptr<Player> first, std::unique_ptr<Player> second)
      : o_(o), players_{std::move(first), std::move(second)} {}

  // Both games of one opening; the first player's points in half points (0..4).
  int play_pair(int pair, const Opening& opening) {
    int half_points = 0;
    for (int first_is_black = 1; first_is_black >= 0; --first_is_black) {
      half_points += play_one(pair, opening, first_is_black == 1);
    }
    return half_points;
  }

  void print_summary() const {
    const std::string names[2] = {players_[0]->name(), players_[1]->name()};
    std::printf("%s vs %s: %s\n", names[0].c_str(), names[1].c_str(), summary(tally_).c_str());
    print_times(names[0], times_[0]);
    print_times(names[1], times_[1]);
  }

 private:
  int play_one(int pair, const Opening& opening, bool first_is_black) {
    Player& black = *players_[first_is_black ? 0 : 1];
    Player& white = *players_[first_is_black ? 1 : 0];
    const GameResult result = play_game(black, white, opening);
    const int first_side = first_is_black ? brenvolt::手番_先手 : brenvolt::手番_後手;
    int half_points = 1;
    if (result.winner == 0) {
      ++tally_.draws;
    } else if (result.winner == first_side) {
      ++tally_.wins;
      half_points = 2;
    } else {
      ++tally_.losses;
      half_points = 0;
    }
    const auto& first_times = first_is_black ? result.black_times : result.white_times;
    const auto& second_times = first_is_black ? result.white_times : result.black_times;
    times_[0].insert(times_[0].end(), first_times.begin(), first_times.end());
    times_[1].insert(times_[1].end(), second_times.begin(), second_times.end());
    if (!o_.quiet) {
      const std::string outcome = result.winner == 0 ? "draw"
                                                     : players_[half_points == 2 ? 0 : 1]->name() +
                                                           " wins as " + side_name(result.winner);
      std::printf("game %d (opening %d): %s (先手) vs %s (後手): %s, %s, %d plies\n",
                  tally_.games(), pair + 1, black.name().c_str(), white.name().c_str(),
                  outcome.c_str(), result.reason.c_str(), result.plies);
      if (o_.show_moves) std::printf("  %s\n", result.moves.c_str());
      std::fflush(stdout);
    }
    return half_points;
  }

  const Options& o_;
  std::unique_ptr<Player> players_[2];
  Tally tally_;  // from the first player's view
  std::vector<double> times_[2];
};

}  // namespace

int main(int argc, char** argv) {
  if (answered_information(argc, argv, std::cout)) return 0;
  const auto parsed = parse_options(argc, argv, std::cerr);
  if (!parsed) return 2;
  const Options& o = *parsed;
  std::vector<Opening> book;
  if (!o.book.empty() && !load_book(o, book)) return 2;
  if (!book.empty() && static_cast<std::size_t>(o.pairs) > book.size()) {
    // Players capped by nodes play an opening the same way every time: the pairs after the
    // book's last repeat earlier games, which the statistics would count as new evidence.
    std::cerr << "brenvolt-match: the book holds " << book.size() << " openings; from pair "
              << book.size() + 1
              << " on they repeat, and players with fixed node counts replay the same games\n";
  }
  auto first = make_player(o.players[0], o);
  auto second = make_player(o.players[1], o);
  if (!first || !second) return 2;

  MatchRun run(o, std::move(first), std::move(second));
  Pentanomial pairs;
  SprtVerdict verdict = SprtVerdict::undecided;
  for (int pair = 0; pair < o.pairs && verdict == SprtVerdict::undecided; ++pair) {
    pairs.add(run.play_pair(pair, opening_for(pair, o, book)));
    if (!o.sprt) continue;
    verdict = sprt_verdict(log_likelihood_ratio(pairs, *o.sprt), sprt_bounds(*o.sprt));
    if (pairs.pairs() % kProgressPairs == 0 && verdict == SprtVerdict::undecided) {
      std::printf("pairs %d: %s; %s\n", pairs.pairs(), pentanomial_line(pairs).c_str(),
                  sprt_line(pairs, *o.sprt).c_str());
      std::fflush(stdout);
    }
  }
  run.print_summary();
  std::printf("%s\n", pentanomial_line(pairs).c_str());
  if (o.sprt) {
    std::printf("%s: %s after %d pairs\n", sprt_line(pairs, *o.sprt).c_str(),
                verdict_text(verdict).c_str(), pairs.pairs());
  }
  return 0;
}
