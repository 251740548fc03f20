#include "tools/match/options.h"

#include <string_view>

#include "brenvolt_version.h"
#include "tools/command_number.h"

namespace brenvolt::match {

const char* const kUsage =
    "usage: brenvolt-match [--pairs N] [--seed S] [--opening-plies K] [--book FILE [--shuffle]]\n"
    "                      [--sprt ELO0 ELO1 [--alpha A] [--beta B] [--normalized]]\n"
    "                      [--nodes-per-second R] [--engine-level L] [--nodes N] [--movetime MS]\n"
    "                      [--quiet | --moves] PLAYER PLAYER\n"
    "       brenvolt-match --help | --version\n"
    "  A PLAYER is a level of the game's computer (0 the standard computer, the highest the\n"
    "  strongest) or engine:COMMAND, an engine program started through the shell (given Level L\n"
    "  when L > 0).\n"
    "  Each opening is played twice, colours swapped: N pairs (10), from K random moves drawn\n"
    "  with seed S (4 moves, seed 1) or from the openings of FILE in turn (shuffled by S).\n"
    "  --sprt tests H0 \"the first player is ELO0 stronger\" against H1 \"ELO1 stronger\"\n"
    "  (logistic Elo, or normalized Elo) with error rates A and B (0.05), stopping when one is\n"
    "  accepted or after N pairs (1000).\n"
    "  --nodes-per-second R gives the search levels fixed node counts: a repeatable match.\n"
    "  --nodes N and --movetime MS cap every move of an engine player (go nodes N, go movetime\n"
    "  MS) in place of its level's budget.\n"
    "  --moves writes each game's moves after its line, as the engine's position command.\n";

bool answered_information(int argc, const char* const* argv, std::ostream& out) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--version") {
      out << "brenvolt-match " << 版 << '\n';
      return true;
    }
    if (arg == "--help" || arg == "-h") {
      out << kUsage;
      return true;
    }
  }
  return false;
}

namespace {

using tools::read_number;

bool probability(std::string_view text, double& value) {
  return read_number(text, value) && value > 0 && value < 1;
}

// The SPRT's settings hang together: ELO0 below ELO1, and error rates that leave the bounds
// either side of zero.
bool sprt_consistent(const SprtSettings& s) {
  return s.elo0 < s.elo1 && s.alpha + s.beta < 1;
}

}  // namespace

std::string engine_go(const Options& o) {
  std::string line = "go";
  if (o.engine_nodes > 0) line += " nodes " + std::to_string(o.engine_nodes);
  if (o.engine_movetime_ms > 0) line += " movetime " + std::to_string(o.engine_movetime_ms);
  return line;
}

std::optional<Options> parse_options(int argc, const char* const* argv, std::ostream& error) {
  Options o;
  SprtSettings sprt;
  bool sprt_asked = false;
  bool pairs_given = false;
  int named = 0;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    const auto has = [&](int values) { return i + values < argc; };
    bool ok = true;
    if (arg == "--pairs" && has(1)) {
      ok = read_number(argv[++i], o.pairs) && o.pairs > 0;
      pairs_given = true;
    } else if (arg == "--seed" && has(1)) {
      ok = read_number(argv[++i], o.seed);
    } else if (arg == "--opening-plies" && has(1)) {
      ok = read_number(argv[++i], o.opening_plies) && o.opening_plies >= 0;
    } else if (arg == "--nodes-per-second" && has(1)) {
      ok = read_number(argv[++i], o.nodes_per_second) && o.nodes_per_second >= 0;
    } else if (arg == "--engine-level" && has(1)) {
      ok = read_number(argv[++i], o.engine_level) && o.engine_level >= 0;
    } else if (arg == "--nodes" && has(1)) {
      ok = read_number(argv[++i], o.engine_nodes) && o.engine_nodes > 0;
    } else if (arg == "--movetime" && has(1)) {
      ok = read_number(argv[++i], o.engine_movetime_ms) && o.engine_movetime_ms > 0;
    } else if (arg == "--book" && has(1)) {
      o.book = argv[++i];
      ok = !o.book.empty();
    } else if (arg == "--shuffle") {
      o.shuffle = true;
    } else if (arg == "--sprt" && has(2)) {
      sprt_asked = true;
      ok = read_number(argv[i + 1], sprt.elo0) && read_number(argv[i + 2], sprt.elo1);
      i += 2;
    } else if (arg == "--alpha" && has(1)) {
      ok = probability(argv[++i], sprt.alpha);
    } else if (arg == "--beta" && has(1)) {
      ok = probability(argv[++i], sprt.beta);
    } else if (arg == "--normalized") {
      sprt.model = EloModel::normalized;
    } else if (arg == "--quiet") {
      o.quiet = true;
    } else if (arg == "--moves") {
      o.show_moves = true;
    } else if (named < 2 && !arg.empty() && arg[0] != '-') {
      o.players[named++] = arg;
    } else {
      ok = false;
    }
    if (!ok) {
      error << "brenvolt-match: bad argument " << arg << "\n";
      return std::nullopt;
    }
  }
  if (named != 2) {
    error << "brenvolt-match: name two players\n";
    return std::nullopt;
  }
  if (sprt_asked) {
    if (!sprt_consistent(sprt)) {
      error << "brenvolt-match: --sprt needs ELO0 below ELO1 and alpha + beta below 1\n";
      return std::nullopt;
    }
    o.sprt = sprt;
    if (!pairs_given) o.pairs = kSprtPairs;
  }
  return o;
}

}  // namespace brenvolt::match
