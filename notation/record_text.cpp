#include "notation/record_text.h"

#include <charconv>
#include <set>

#include "game/constants.h"
#include "game/levels.h"
#include "notation/notation.h"
#include "notation/position_command.h"
#include "notation/position_text.h"

namespace brenvolt::notation {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && is_blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && is_blank(text.back())) text.remove_suffix(1);
  return text;
}

// The length of the UTF-8 sequence starting at text[at], or 0 when it is not well formed:
// no overlong forms, no surrogates, nothing above U+10FFFF.
std::size_t sequence_length(std::string_view text, std::size_t at) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(at);
  if (lead < 0x80) return 1;
  std::size_t length = 0;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > text.size()) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    const unsigned next = byte(at + i);
    if (next < (i == 1 ? low : 0x80u) || next > (i == 1 ? high : 0xBFu)) return 0;
  }
  return length;
}

// The 1-based line of the first byte that is not UTF-8, or 0 when the text is all UTF-8.
int first_line_not_utf8(std::string_view text) {
  int line = 1;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t length = sequence_length(text, at);
    if (length == 0) return line;
    if (text[at] == '\n') ++line;
    at += length;
  }
  return 0;
}

bool parse_count(std::string_view text, int low, int high, int& value) {
  const auto* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  return !text.empty() && text[0] != '-' && text[0] != '+' && failure == std::errc() &&
         stop == end && value >= low && value <= high;
}

bool refuse(RecordError& error, int line, TranslatableText reason) {
  error = {};
  error.line = line;
  error.reason = std::move(reason);
  return false;
}

class HeaderReader {
 public:
  explicit HeaderReader(RecordHeaders& headers) : headers_(headers) {}

  // Reads the comment `body` (the text after '#') of line `line`.
  bool read(std::string_view body, int line, RecordError& error) {
    const auto colon = body.find(':');
    if (colon == std::string_view::npos) return true;
    std::string key(trimmed(body.substr(0, colon)));
    for (char& c : key) {
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    const std::string_view value = trimmed(body.substr(colon + 1));
    if (key != "mode" && key != "strength" && key != "level" && key != "cursor" &&
        key != "result" && key != "date") {
      return true;  // another comment, or a header of a later version
    }
    if (!seen_.insert(key).second)
      return refuse(error, line, 箱の文("%1 が二度あります", {そのまま(key)}));
    if (!value_ok(key, value, line)) {
      return refuse(
          error, line,
          箱の文("%1 の値が読めません: %2", {そのまま(key), そのまま(shown_word(value))}));
    }
    return true;
  }

 private:
  bool value_ok(const std::string& key, std::string_view value, int line) {
    if (key == "mode") {
      for (const auto mode : {RecordMode::people, RecordMode::computer_b, RecordMode::computer_w}) {
        if (value == word_of(mode)) {
          headers_.mode = mode;
          return true;
        }
      }
      return false;
    }
    if (key == "strength") {
      headers_.strength = 記された強さ(value);
      return headers_.strength.has_value();
    }
    // The level of a record saved before the ladder: the level that plays as it did then.
    if (key == "level") {
      int old = 0;
      if (!parse_count(value, 強さ_標準, 旧強さ_最強, old)) return false;
      headers_.level = 旧強さの対応[old];
      return true;
    }
    if (key == "cursor") {
      int cursor = 0;
      if (!parse_count(value, 0, 記録上限, cursor)) return false;
      headers_.cursor = cursor;
      headers_.cursor_line = line;
      return true;
    }
    // The result is worked out from the moves; the header only has to be one of its words.
    if (key == "result") {
      for (const auto result :
           {RecordResult::none, RecordResult::b, RecordResult::w, RecordResult::draw}) {
        if (value == word_of(result)) return true;
      }
      return false;
    }
    return true;  // the date is kept as free text
  }

  RecordHeaders& headers_;
  std::set<std::string> seen_;
};

}  // namespace

namespace {

// The record's position line: the engine's position command, with its reasons in the game's
// words.
bool read_position_line(std::string_view line, PositionLine& position, TranslatableText& reason) {
  const auto words = words_of(line);
  PositionCommand command;
  const PositionCommandError split = words.empty() || words[0] != "position"
                                         ? PositionCommandError::no_start
                                         : split_position_command(words, command);
  switch (split) {
    case PositionCommandError::none:
      position.start = command.start;
      position.moves = command.moves;
      return true;
    case PositionCommandError::no_start:
      reason = 箱の文("position startpos か position sfen <局面> で始まる行ではありません");
      return false;
    case PositionCommandError::not_moves:
      reason = 箱の文("moves のはずが %1 です", {そのまま(shown_word(command.unexpected))});
      return false;
  }
  return false;
}

}  // namespace

bool split_record(std::string_view text, RecordHeaders& headers, PositionLine& position,
                  RecordError& error) {
  if (text.size() > kRecordSizeLimit) return refuse(error, 0, too_large_reason(kRecordSizeLimit));
  if (const int line = first_line_not_utf8(text))
    return refuse(error, line, 箱の文("UTF-8 ではありません"));
  if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
    text.remove_prefix(kByteOrderMark.size());
  }
  headers = {};
  position = {};
  HeaderReader reader(headers);
  int line = 0;
  for (std::size_t at = 0; at <= text.size();) {
    ++line;
    const auto end = std::min(text.find('\n', at), text.size());
    const std::string_view content = trimmed(text.substr(at, end - at));
    at = end + 1;
    if (content.empty()) continue;
    if (content.front() == '#') {
      if (!reader.read(content.substr(1), line, error)) return false;
      continue;
    }
    if (position.line != 0) return refuse(error, line, 箱の文("局面の行は一つだけです"));
    TranslatableText reason;
    if (!read_position_line(content, position, reason)) {
      return refuse(error, line, reason);
    }
    position.line = line;
  }
  if (position.line == 0) return refuse(error, 0, 箱の文("局面の行がありません"));
  return true;
}

std::string_view word_of(RecordMode mode) {
  switch (mode) {
    case RecordMode::people:
      return "people";
    case RecordMode::computer_b:
      return "computer-b";
    case RecordMode::computer_w:
      return "computer-w";
  }
  return {};
}

std::string_view word_of(RecordResult result) {
  switch (result) {
    case RecordResult::none:
      return "none";
    case RecordResult::b:
      return "b";
    case RecordResult::w:
      return "w";
    case RecordResult::draw:
      return "draw";
  }
  return {};
}

TranslatableText too_large_reason(std::size_t limit) {
  return 箱の文("大きすぎます (%1 KiB まで)", {そのまま(std::to_string(limit / 1024))});
}

}  // namespace brenvolt::notation
