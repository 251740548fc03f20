// brenvolt-engine: the game's rules and computer player over a text protocol on stdin/stdout.
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
    if (status == brenvolt::engine::LineStatus::end) break;
    if (status == brenvolt::engine::LineStatus::too_long) {
      std::cout << "info string error line too long" << std::endl;
      continue;
    }
    const bool more = session.handle_line(line);
    std::cout.flush();
    if (!more) break;
  }
  return 0;
}
