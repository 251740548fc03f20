#include "notation/position_text.h"

#include <array>
#include <cctype>
#include <cstdint>
#include <vector>

#include "game/piece_table.h"
#include "notation/notation.h"

namespace brenvolt::notation {
namespace {

constexpr int kMaxMoveNumber = 1'000'000'000;
constexpr int kMaxHandCount = 99;

// The code of a piece letter: upper case 先手, lower case 後手; 0 for anything else.
int piece_of_letter(char letter, bool promoted) {
  const bool gote = letter >= 'a' && letter <= 'z';
  const char upper = gote ? static_cast<char>(letter - 'a' + 'A') : letter;
  const int kind = hand_kind_of_letter(upper);
  if (kind == 0) return 空;
  const int code = 種類の駒(gote ? 手番_後手 : 手番_先手, kind);
  return promoted ? 成り先の駒(code) : code;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  while (true) {
    const auto end = text.find(separator, start);
    parts.push_back(text.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::vector<std::string_view> fields_of(std::string_view text) {
  std::vector<std::string_view> fields;
  std::size_t at = 0;
  while (at < text.size()) {
    if (text[at] == ' ' || text[at] == '\t') {
      ++at;
      continue;
    }
    const auto end = text.find_first_of(" \t", at);
    const auto stop = end == std::string_view::npos ? text.size() : end;
    fields.push_back(text.substr(at, stop - at));
    at = stop;
  }
  return fields;
}

bool parse_row(std::string_view row, int y, 盤& board, std::string& error) {
  const std::string name(1, static_cast<char>('a' + y - 1));
  int x = 1;
  for (std::size_t i = 0; i < row.size() && x <= 10; ++i) {
    const char c = row[i];
    if (c >= '1' && c <= '9') {
      x += c - '0';
      continue;
    }
    const bool promoted = c == '+';
    if (promoted) ++i;
    const int piece = i < row.size() ? piece_of_letter(row[i], promoted) : 空;
    if (piece == 空) {
      error = "bad piece in row " + name;
      return false;
    }
    if (x <= 9) board[x][y] = piece;
    ++x;
  }
  if (x != 10) {
    error = "row " + name + " is not 9 squares wide";
    return false;
  }
  return true;
}

bool parse_board(std::string_view text, 盤& board, std::string& error) {
  const auto rows = split(text, '/');
  if (rows.size() != 9) {
    error = "the board needs 9 rows";
    return false;
  }
  board = {};
  for (int y = 1; y <= 9; ++y) {
    if (!parse_row(rows[static_cast<std::size_t>(y - 1)], y, board, error)) return false;
  }
  return true;
}

bool parse_hands(std::string_view text, 持駒& sente, 持駒& gote, std::string& error) {
  sente = {};
  gote = {};
  if (text == "-") return true;
  std::size_t i = 0;
  while (i < text.size()) {
    int count = 0;
    bool written = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
      count = count * 10 + (text[i] - '0');
      written = true;
      if (count > kMaxHandCount) {
        error = "hand count too large";
        return false;
      }
      ++i;
    }
    if (!written) count = 1;
    if (i == text.size() || count == 0) {
      error = "bad hand";
      return false;
    }
    const int piece = piece_of_letter(text[i], false);
    if (piece == 空) {
      error = "bad hand piece";
      return false;
    }
    auto& hand = piece < 0 ? sente : gote;
    const auto kind = static_cast<std::size_t>(hand_kind_of_piece(piece));
    if (hand[kind] != 0) {
      error = "hand piece listed twice";
      return false;
    }
    hand[kind] = count;
    ++i;
  }
  return true;
}

bool parse_side(std::string_view text, int& side, std::string& error) {
  if (text == "b" || text == "w") {
    side = text == "b" ? 手番_先手 : 手番_後手;
    return true;
  }
  error = "side must be b or w";
  return false;
}

bool parse_move_number(std::string_view text, int& number, std::string& error) {
  std::int64_t value = 0;
  for (const char c : text) {
    if (c < '0' || c > '9') {
      value = -1;
      break;
    }
    value = value * 10 + (c - '0');
    if (value > kMaxMoveNumber) break;
  }
  if (text.empty() || value < 1 || value > kMaxMoveNumber) {
    error = "movenumber must be a whole number from 1 to 1000000000";
    return false;
  }
  number = static_cast<int>(value);
  return true;
}

std::string side_name(int side) {
  return side == 手番_先手 ? "b" : "w";
}

bool check_piece_counts(const 対局状態& 局, std::string& error) {
  for (const int side : {手番_先手, 手番_後手}) {
    const auto& hand = side == 手番_先手 ? 局.先手持駒数 : 局.後手持駒数;
    std::array<int, 9> total = hand;
    for (int x = 1; x <= 9; ++x) {
      for (int y = 1; y <= 9; ++y) {
        const int piece = 局.盤面[x][y];
        if (piece != 空 && (piece < 0) == (side < 0)) {
          ++total[static_cast<std::size_t>(hand_kind_of_piece(piece))];
        }
      }
    }
    for (int kind = 1; kind <= 持駒種類数; ++kind) {
      const auto k = static_cast<std::size_t>(kind);
      const int start = 種類の表[kind].初期数;
      if (total[k] != start) {
        error = side_name(side) + " has " + std::to_string(total[k]) + " " +
                letter_of_hand_kind(kind) + ", not " + std::to_string(start);
        return false;
      }
    }
  }
  return true;
}

bool check_placement(const 盤& board, std::string& error) {
  for (int x = 1; x <= 9; ++x) {
    int sente_pawns = 0;
    int gote_pawns = 0;
    for (int y = 1; y <= 9; ++y) {
      const int piece = board[x][y];
      if (!行き所がある(piece, y)) {
        error = format_piece(piece) + " on " + format_square(x, y) + " could never move";
        return false;
      }
      sente_pawns += piece == 先手_歩 ? 1 : 0;
      gote_pawns += piece == 後手_歩 ? 1 : 0;
    }
    if (sente_pawns > 1 || gote_pawns > 1) {
      error = "two pawns of one side in column " + std::to_string(10 - x);
      return false;
    }
  }
  return true;
}

int hand_total(const 持駒& hand) {
  int total = 0;
  for (int kind = 1; kind <= 持駒種類数; ++kind) total += hand[static_cast<std::size_t>(kind)];
  return total;
}

bool parse_fields(const std::vector<std::string_view>& fields, 対局状態& 局, std::string& error) {
  int move_number = 0;
  if (!parse_board(fields[0], 局.盤面, error) || !parse_side(fields[1], 局.手番, error) ||
      !parse_hands(fields[2], 局.先手持駒数, 局.後手持駒数, error) ||
      !parse_move_number(fields[3], move_number, error)) {
    return false;
  }
  if (!check_piece_counts(局, error) || !check_placement(局.盤面, error)) return false;
  局.手数 = move_number - 1;
  return true;
}

}  // namespace

bool parse_position(std::string_view text, 対局状態& 局, std::string& error) {
  const auto fields = fields_of(text);
  if (fields.size() != 4) {
    error = "a position has 4 fields: board side hands movenumber";
    return false;
  }
  対局状態 parsed = 局;
  if (!parse_fields(fields, parsed, error)) return false;
  parsed.先手持駒合計 = hand_total(parsed.先手持駒数);
  parsed.後手持駒合計 = hand_total(parsed.後手持駒数);
  parsed.調査_2歩フラグ設定();
  parsed.対局中 = 有;
  局 = parsed;
  return true;
}

namespace {

std::string format_row(const 盤& board, int y) {
  std::string row;
  int empties = 0;
  for (int x = 1; x <= 9; ++x) {
    const int piece = board[x][y];
    if (piece == 空) {
      ++empties;
      continue;
    }
    if (empties > 0) row += static_cast<char>('0' + empties);
    empties = 0;
    row += format_piece(piece);
  }
  if (empties > 0) row += static_cast<char>('0' + empties);
  return row;
}

std::string format_hand(const 持駒& hand, bool gote) {
  std::string text;
  for (int kind = 持駒種類数; kind >= 1; --kind) {
    const int count = hand[static_cast<std::size_t>(kind)];
    if (count <= 0) continue;
    if (count > 1) text += std::to_string(count);
    const char letter = letter_of_hand_kind(kind);
    text += gote ? static_cast<char>(std::tolower(letter)) : letter;
  }
  return text;
}

}  // namespace

std::string format_position(const 対局状態& 局) {
  std::string text;
  for (int y = 1; y <= 9; ++y) {
    if (y > 1) text += '/';
    text += format_row(局.盤面, y);
  }
  text += 局.手番 == 手番_後手 ? " w " : " b ";
  const std::string hands = format_hand(局.先手持駒数, false) + format_hand(局.後手持駒数, true);
  text += hands.empty() ? "-" : hands;
  text += ' ';
  text += std::to_string(static_cast<long long>(局.手数) + 1);
  return text;
}

}  // namespace brenvolt::notation
