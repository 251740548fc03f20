// brenvolt-engine: the game's rules and computer player over a text protocol on stdin/stdout.
// Commands are read on this thread; the strong computer searches on one of its own.
#include <iostream>
#include <string_view>

#include "brenvolt_version.h"
#include "engine/line_reader.h"
#include "engine/session.h"

namespace {

constexpr const char* kUsage =
    "usage: brenvolt-engine [--help | --version]\n"
    "  Reads commands from standard input, one a line, and answers on standard output:\n"
    "  usi, isready, setoption, position, moves, check, go, stop, score, bench, d, quit.\n"
    "  See the README for the commands and the notation.\n";

}  // namespace

int main(int argc, char** argv) {
  // Only these two are read; any other argument is ignored, as it always was, so scripts
  // that pass one keep working.
  for (int i = 1; i < argc; ++i) {
    const std::string_view argument = argv[i];
    if (argument == "--version") {
      std::cout << "brenvolt-engine " << brenvolt::版 << '\n';
      return 0;
    }
    if (argument == "--help" || argument == "-h") {
      std::cout << kUsage;
      return 0;
    }
  }
  // Long enough for a position followed by every move of a full game.
  constexpr std::size_t kLineLimit = 1 << 20;
  std::ios::sync_with_stdio(false);
  brenvolt::engine::Session session(std::cout);
  brenvolt::engine::LineReader reader(std::cin, kLineLimit);
  std::string line;
  while (true) {
    const auto status = reader.next(line);
    if (status == brenvolt::engine::LineStatus::end) {
      // A script's last `go` still gets its answer; an endless search does not outlive the
      // program that drove it.
      session.end_of_input();
      break;
    }
    if (status == brenvolt::engine::LineStatus::too_long) {
      session.line_too_long();
      continue;
    }
    if (!session.handle_line(line)) break;
  }
  return 0;
}
