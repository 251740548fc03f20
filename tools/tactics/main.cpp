// brenvolt-tactics: the tactics suite. "generate" collects it from self-play; otherwise the
// top level searches every position of the suite and the figures are printed.
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

#include "tools/command_number.h"
#include "tools/tactics/generate.h"
#include "tools/tactics/run.h"
#include "tools/tactics/suite.h"

namespace {

using namespace brenvolt::tactics;

constexpr std::string_view kUsage =
    "usage: brenvolt-tactics [--suite FILE] [--movetime MS | --nodes N] [--proof-nodes N] "
    "[--verbose]\n"
    "       brenvolt-tactics generate --book FILE [--games N] [--seed S] [--wins N]\n"
    "                        [--defences N] [--nps N] [--proof-nodes N] > suite.txt\n"
    "Without generate: the top level searches each position of the suite (tools/tactics/\n"
    "suite.txt by default) for --movetime milliseconds (its own time when none is given) or\n"
    "--nodes nodes, and each move is judged by a deep solve of at most --proof-nodes nodes\n"
    "(40000000; 4000000 for each proof when generating).\n";

int usage_error(std::string_view why) {
  std::cerr << "brenvolt-tactics: " << why << "\n" << kUsage;
  return 2;
}

int generate_command(const std::vector<std::string>& args) {
  GenerateOptions options;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (i + 1 >= args.size()) return usage_error("missing value after " + flag);
    const std::string& value = args[++i];
    std::uint64_t n = 0;
    if (flag == "--book") {
      options.book = value;
      continue;
    }
    if (!brenvolt::tools::read_number(value, n)) return usage_error("not a number: " + value);
    if (flag == "--games") {
      options.games = static_cast<int>(n);
    } else if (flag == "--seed") {
      options.seed = n;
    } else if (flag == "--wins") {
      options.wins = static_cast<int>(n);
    } else if (flag == "--defences") {
      options.defences = static_cast<int>(n);
    } else if (flag == "--nps") {
      options.nodes_per_second = static_cast<double>(n);
    } else if (flag == "--proof-nodes") {
      options.proof_nodes = n;
    } else {
      return usage_error("unknown option " + flag);
    }
  }
  if (options.book.empty()) return usage_error("generate needs --book");
  std::string error;
  if (!generate(options, std::cout, std::cerr, error)) {
    std::cerr << "brenvolt-tactics: " << error << "\n";
    return 1;
  }
  return 0;
}

int run_command(const std::vector<std::string>& args) {
  RunOptions options;
  std::string suite = BRENVOLT_TACTICS_SUITE;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& flag = args[i];
    if (flag == "--help") {
      std::cout << kUsage;
      return 0;
    }
    if (flag == "--verbose") {
      options.verbose = true;
      continue;
    }
    if (i + 1 >= args.size()) return usage_error("missing value after " + flag);
    const std::string& value = args[++i];
    std::uint64_t n = 0;
    if (flag == "--suite") {
      suite = value;
      continue;
    }
    if (!brenvolt::tools::read_number(value, n)) return usage_error("not a number: " + value);
    if (flag == "--movetime") {
      options.seconds = static_cast<double>(n) / 1000;
    } else if (flag == "--nodes") {
      options.nodes = n;
    } else if (flag == "--proof-nodes") {
      options.proof_nodes = n;
    } else {
      return usage_error("unknown option " + flag);
    }
  }
  std::ifstream file(suite);
  if (!file) {
    std::cerr << "brenvolt-tactics: cannot read " << suite << "\n";
    return 1;
  }
  std::string error;
  const std::vector<Entry> entries = read_suite(file, error);
  if (entries.empty()) {
    std::cerr << "brenvolt-tactics: " << (error.empty() ? "no positions in " + suite : error)
              << "\n";
    return 1;
  }
  std::cout << summary(run_suite(entries, options, std::cout)) << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (!args.empty() && args[0] == "generate") {
    args.erase(args.begin());
    return generate_command(args);
  }
  return run_command(args);
}
