// brenvolt-match's command line, read by hand so that the tool needs nothing beyond the game.
#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "tools/match/sprt.h"

namespace brenvolt::match {

struct Options {
  int pairs = 10;  // with --sprt the most pairs played, else the number played
  std::uint64_t seed = 1;
  int opening_plies = 4;
  double nodes_per_second = 0;
  int engine_level = 0;
  // Caps an engine player's every `go` carries (0: none, the engine's level budget).
  std::uint64_t engine_nodes = 0;
  std::uint64_t engine_movetime_ms = 0;
  bool quiet = false;
  bool show_moves = false;  // each game's moves after its line
  std::string book;         // a book file, else seeded random openings
  bool shuffle = false;
  std::optional<SprtSettings> sprt;
  std::string players[2];
};

// The most pairs an SPRT plays when --pairs does not say.
inline constexpr int kSprtPairs = 1000;

extern const char* const kUsage;

// The line that asks an engine player for its move.
std::string engine_go(const Options& o);

// --help or --version anywhere on the command line: writes the answer to out and returns true.
bool answered_information(int argc, const char* const* argv, std::ostream& out);

// The options, or nothing with the reason written to error.
std::optional<Options> parse_options(int argc, const char* const* argv, std::ostream& error);

}  // namespace brenvolt::match
