#include "notation/position_command.h"

#include <algorithm>

#include "notation/position_text.h"

namespace brenvolt::notation {

namespace {

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

std::vector<std::string_view> words_of(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    if (is_blank(line[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line.size() && !is_blank(line[end])) ++end;
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
}

PositionCommandError split_position_command(const std::vector<std::string_view>& words,
                                            PositionCommand& command) {
  constexpr std::size_t kFields = 4;
  std::size_t next = 2;
  command = {};
  if (words.size() >= 2 && words[1] == "startpos") {
    command.start = kStartPosition;
  } else if (words.size() >= 2 + kFields && words[1] == "sfen") {
    for (std::size_t i = 2; i < 2 + kFields; ++i) {
      if (i > 2) command.start += ' ';
      command.start += words[i];
    }
    next = 2 + kFields;
  } else {
    return PositionCommandError::no_start;
  }
  if (next < words.size() && words[next] != "moves") {
    command.unexpected = words[next];
    return PositionCommandError::not_moves;
  }
  command.moves.assign(
      words.begin() + static_cast<std::ptrdiff_t>(std::min(next + 1, words.size())), words.end());
  return PositionCommandError::none;
}

}  // namespace brenvolt::notation
