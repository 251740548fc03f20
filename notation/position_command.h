// The engine's "position" command as text: "position startpos [moves ...]" or
// "position sfen <board> <side> <hands> <movenumber> [moves ...]". The engine reads it from its
// input and a record file holds one as its game, so both take it apart here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace brenvolt::notation {

// The words of a line, split at blanks (space, tab, carriage return, vertical tab, form feed).
std::vector<std::string_view> words_of(std::string_view line);

enum class PositionCommandError {
  none,
  no_start,   // neither "startpos" nor "sfen" with its four fields
  not_moves,  // a word other than "moves" after the position
};

struct PositionCommand {
  std::string start;                    // the position's four fields, as parse_position reads them
  std::vector<std::string_view> moves;  // the words after "moves", into the given words
  std::string_view unexpected;          // with not_moves: the word found instead
};

// Takes apart `words` (the command's name first). The moves are not read here.
PositionCommandError split_position_command(const std::vector<std::string_view>& words,
                                            PositionCommand& command);

}  // namespace brenvolt::notation
