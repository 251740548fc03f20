// brenvolt-match: plays seeded openings twice, colours swapped, between two players and
// prints the result with an Elo estimate (see kUsage for its command line).
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "brenvolt_version.h"
#include "tools/match/match.h"

namespace {

using brenvolt::match::Player;

constexpr const char* kUsage =
    "usage: brenvolt-match [--pairs N] [--seed S] [--opening-plies K] [--nodes-per-second R]\n"
    "                      [--engine-level L] [--quiet] PLAYER PLAYER\n"
    "       brenvolt-match --help | --version\n"
    "  A PLAYER is a level 0..3 of the game's computer (0 the standard computer) or\n"
    "  engine:COMMAND, an engine program started through the shell (given Level L when L > 0).\n";

// --help or --version anywhere on the command line answers and ends the program; true when
// one was there.
bool answered_information(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      std::cout << "brenvolt-match " << brenvolt::版 << '\n';
      return true;
    }
    if (arg == "--help" || arg == "-h") {
      std::cout << kUsage;
      return true;
    }
  }
  return false;
}

struct Options {
  int pairs = 10;
  std::uint64_t seed = 1;
  int opening_plies = 4;
  double nodes_per_second = 0;
  int engine_level = 0;
  bool quiet = false;
  std::string players[2];
};

template <typename Number>
bool number(const std::string& text, Number& value) {
  const auto [end, failure] = std::from_chars(text.data(), text.data() + text.size(), value);
  return failure == std::errc() && end == text.data() + text.size() && !text.empty();
}

bool parse(int argc, char** argv, Options& o) {
  int named = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool has_value = i + 1 < argc;
    bool ok = true;
    if (arg == "--pairs" && has_value) {
      ok = number(argv[++i], o.pairs) && o.pairs > 0;
    } else if (arg == "--seed" && has_value) {
      ok = number(argv[++i], o.seed);
    } else if (arg == "--opening-plies" && has_value) {
      ok = number(argv[++i], o.opening_plies) && o.opening_plies >= 0;
    } else if (arg == "--nodes-per-second" && has_value) {
      ok = number(argv[++i], o.nodes_per_second) && o.nodes_per_second >= 0;
    } else if (arg == "--engine-level" && has_value) {
      ok = number(argv[++i], o.engine_level) && o.engine_level >= 0;
    } else if (arg == "--quiet") {
      o.quiet = true;
    } else if (named < 2 && !arg.empty() && arg[0] != '-') {
      o.players[named++] = arg;
    } else {
      ok = false;
    }
    if (!ok) {
      std::cerr << "brenvolt-match: bad argument " << arg << "\n";
      return false;
    }
  }
  if (named != 2) std::cerr << "brenvolt-match: name two players\n";
  return named == 2;
}

std::unique_ptr<Player> make_player(const std::string& wanted, const Options& o) {
  const std::string engine_prefix = "engine:";
  if (wanted.rfind(engine_prefix, 0) == 0) {
    std::string error;
    auto player =
        brenvolt::match::engine_player(wanted.substr(engine_prefix.size()), o.engine_level, error);
    if (!player) std::cerr << "brenvolt-match: " << error << "\n";
    return player;
  }
  int level = -1;
  if (!number(wanted, level) || level < 0 || level > 3) {
    std::cerr << "brenvolt-match: a player is a level 0..3 or engine:COMMAND, not " << wanted
              << "\n";
    return nullptr;
  }
  return brenvolt::match::level_player(level, o.nodes_per_second);
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

}  // namespace

int main(int argc, char** argv) {
  if (answered_information(argc, argv)) return 0;
  Options o;
  if (!parse(argc, argv, o)) return 2;
  std::unique_ptr<Player> players[2] = {make_player(o.players[0], o), make_player(o.players[1], o)};
  if (!players[0] || !players[1]) return 2;
  const std::string names[2] = {players[0]->name(), players[1]->name()};

  brenvolt::match::Tally tally;  // from the first player's view
  std::vector<double> times[2];
  int number_of_game = 0;
  for (int pair = 0; pair < o.pairs; ++pair) {
    const auto moves =
        brenvolt::match::opening(o.seed + static_cast<std::uint64_t>(pair), o.opening_plies);
    for (int first_is_black = 1; first_is_black >= 0; --first_is_black) {
      Player& black = *players[first_is_black ? 0 : 1];
      Player& white = *players[first_is_black ? 1 : 0];
      const auto result = brenvolt::match::play_game(black, white, moves);
      const int first_side = first_is_black ? brenvolt::手番_先手 : brenvolt::手番_後手;
      if (result.winner == 0) {
        ++tally.draws;
      } else if (result.winner == first_side) {
        ++tally.wins;
      } else {
        ++tally.losses;
      }
      const auto& first_times = first_is_black ? result.black_times : result.white_times;
      const auto& second_times = first_is_black ? result.white_times : result.black_times;
      times[0].insert(times[0].end(), first_times.begin(), first_times.end());
      times[1].insert(times[1].end(), second_times.begin(), second_times.end());
      ++number_of_game;
      if (!o.quiet) {
        const std::string outcome = result.winner == 0
                                        ? "draw"
                                        : names[result.winner == first_side ? 0 : 1] + " wins as " +
                                              side_name(result.winner);
        std::printf("game %d (opening %d): %s (先手) vs %s (後手): %s, %s, %d plies\n",
                    number_of_game, pair + 1, black.name().c_str(), white.name().c_str(),
                    outcome.c_str(), result.reason.c_str(), result.plies);
        std::fflush(stdout);
      }
    }
  }
  std::printf("%s vs %s: %s\n", names[0].c_str(), names[1].c_str(),
              brenvolt::match::summary(tally).c_str());
  print_times(names[0], times[0]);
  print_times(names[1], times[1]);
  return 0;
}
