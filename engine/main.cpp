// brenvolt-engine: the game's rules and computer player over a text protocol on stdin/stdout.
// Commands are read on this thread; the strong computer searches on one of its own.
#include <iostream>

#include "engine/line_reader.h"
#include "engine/session.h"

int main() {
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
