// The tactics suite as text: one position a line,
//   <kind> <moves> <board> <side> <hands> <movenumber> <answer> [<answer> ...]
// kind "vcf" (the side to move forces a five by fours alone), "vct" (by fours and threes), or
// "defence" (the other side would force a five if the side to move passed, and the answers
// stop it); moves is the length of that win in the winner's moves, the five included; the
// position as the engine writes it; the answers are moves in the engine's notation: a proven
// winning first move, or every move found to defend. "#" starts a comment.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "computer/strong/board.h"
#include "game/game_state.h"

namespace brenvolt::tactics {

enum class Kind { vcf, vct, defence };

struct Entry {
  Kind kind = Kind::vcf;
  int moves = 0;
  std::string position;  // as notation::format_position writes it
  std::vector<std::string> answers;
};

const char* kind_name(Kind kind);

// One line of the suite: nothing for a blank or comment line; error says what is wrong.
std::optional<Entry> parse_entry(std::string_view line, std::string& error);
std::string format_entry(const Entry& entry);

// Every entry of a suite, in order. Empty with error naming the line when a line is refused.
std::vector<Entry> read_suite(std::istream& in, std::string& error);

// The game position of an entry (a running game), or nothing when it is refused.
std::optional<対局状態> game_of(const Entry& entry);

// The legal move of the side to move written as `text`, or no move.
strong::Move legal_move_named(const strong::Board& b, std::string_view text);
std::string text_of(const strong::Board& b, strong::Move m);

}  // namespace brenvolt::tactics
