// The lines of a record file before any move is played: the UTF-8 check, the header comments
// and the one position line, each with its line number for messages.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "notation/record_file.h"

namespace brenvolt::notation {

// Who plays whom, as the mode header says it.
enum class RecordMode { people, computer_b, computer_w };
// How a record ends, as the result header says it.
enum class RecordResult { none, b, w, draw };

// The header words: "people", "computer-b", "computer-w"; "none", "b", "w", "draw".
std::string_view word_of(RecordMode mode);
std::string_view word_of(RecordResult result);
struct RecordHeaders {
  RecordMode mode = RecordMode::people;
  int level = 0;                // from an older record's level header, on today's ladder
  std::optional<int> strength;  // the level header of today's records, which wins over level
  std::optional<int> cursor;
  int cursor_line = 0;  // where the cursor header stands, for its message
};

// The position line taken apart, with the line it stands on.
struct PositionLine {
  int line = 0;
  std::string start;                    // "<board> <side> <hands> <n>"
  std::vector<std::string_view> moves;  // the words after "moves", into the record's text
};

// A record's text split into headers and its position line, or false with `error` set.
bool split_record(std::string_view text, RecordHeaders& headers, PositionLine& position,
                  RecordError& error);

// The reason a text over `limit` bytes is refused.
TranslatableText too_large_reason(std::size_t limit);

}  // namespace brenvolt::notation
