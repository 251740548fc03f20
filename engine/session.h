// The engine's line protocol: one input line in, its answer lines out. Holds the current game
// between lines. Whatever a line holds, the answer is bounded and nothing reads out of bounds.
#pragma once

#include <ostream>
#include <string_view>
#include <vector>

#include "engine/move_judge.h"

namespace brenvolt::engine {

class Session {
 public:
  explicit Session(std::ostream& out);

  // Answers one line (without its line break). False once the line was "quit".
  bool handle_line(std::string_view line);

  const Game& game() const { return game_; }

 private:
  using Words = std::vector<std::string_view>;

  void position(const Words& words);
  void list_moves();
  void check(const Words& words);
  void result();
  void draw();
  void go();
  void score(const Words& words);
  void bench(const Words& words);
  void error(std::string_view reason);

  std::ostream& out_;
  Game game_;
};

// Shows a word from the input in an error line: at most 32 bytes, anything but printable ASCII
// shown as '?'.
std::string quoted_word(std::string_view word);

}  // namespace brenvolt::engine
