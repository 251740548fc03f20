#include "tools/tactics/suite.h"

#include <charconv>

#include "computer/strong/move_list.h"
#include "notation/game_move.h"
#include "notation/position_command.h"
#include "notation/position_text.h"
#include "tools/numbered_lines.h"

namespace brenvolt::tactics {

namespace {

constexpr int kPositionFields = 4;

std::optional<Kind> kind_of(std::string_view word) {
  for (Kind k : {Kind::vcf, Kind::vct, Kind::defence}) {
    if (word == kind_name(k)) return k;
  }
  return std::nullopt;
}

std::string_view without_comment(std::string_view line) {
  const auto hash = line.find('#');
  return hash == std::string_view::npos ? line : line.substr(0, hash);
}

}  // namespace

const char* kind_name(Kind kind) {
  switch (kind) {
    case Kind::vcf:
      return "vcf";
    case Kind::vct:
      return "vct";
    case Kind::defence:
      return "defence";
  }
  return "?";
}

std::optional<Entry> parse_entry(std::string_view line, std::string& error) {
  const auto words = notation::words_of(without_comment(line));
  if (words.empty()) return std::nullopt;
  const std::size_t first_answer = 2 + kPositionFields;
  if (words.size() <= first_answer) {
    error = "too few fields";
    return std::nullopt;
  }
  Entry entry;
  const auto kind = kind_of(words[0]);
  if (!kind) {
    error = "unknown kind " + notation::shown_word(words[0]);
    return std::nullopt;
  }
  entry.kind = *kind;
  const std::string_view count = words[1];
  const auto [end, failure] =
      std::from_chars(count.data(), count.data() + count.size(), entry.moves);
  if (failure != std::errc() || end != count.data() + count.size() || entry.moves < 1) {
    error = "bad move count " + notation::shown_word(count);
    return std::nullopt;
  }
  for (std::size_t i = 2; i < first_answer; ++i) {
    if (i > 2) entry.position += ' ';
    entry.position += words[i];
  }
  for (std::size_t i = first_answer; i < words.size(); ++i) entry.answers.emplace_back(words[i]);
  return entry;
}

std::string format_entry(const Entry& entry) {
  std::string line = kind_name(entry.kind);
  line += ' ' + std::to_string(entry.moves) + ' ' + entry.position;
  for (const std::string& answer : entry.answers) line += ' ' + answer;
  return line;
}

std::vector<Entry> read_suite(std::istream& in, std::string& error) {
  return tools::read_numbered_lines<Entry>(in, parse_entry, error);
}

std::optional<対局状態> game_of(const Entry& entry) {
  対局状態 局{};
  std::string error;
  if (!notation::parse_position(entry.position, 局, error)) return std::nullopt;
  return 局;
}

std::string text_of(const strong::Board& b, strong::Move m) {
  return notation::format_move(b.to_game_move(m));
}

strong::Move legal_move_named(const strong::Board& b, std::string_view text) {
  strong::MoveList list;
  strong::generate_legal(b, list);
  for (int i = 0; i < list.size; ++i) {
    if (text_of(b, list.moves[i]) == text) return list.moves[i];
  }
  return {};
}

}  // namespace brenvolt::tactics
