// An opening book: one opening a line, in the engine's notation. A line is a position command
// ("position startpos [moves …]" or "position sfen <board> <side> <hands> <n> [moves …]") or a
// bare list of moves from the start position; "#" starts a comment, and blank lines are skipped.
#pragma once

#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/match/match.h"

namespace brenvolt::match {

// The opening a line names, its moves judged and played by the game's turn; nothing for a
// blank or comment line. Refused (error says why) when the position or a move is refused or the
// game is already over after the moves: every opening leaves a game to play.
std::optional<Opening> read_opening(std::string_view line, std::string& error);

// Every opening of a book in the order written. Empty, with error naming the line, when a line
// is refused or the book holds no opening.
std::vector<Opening> read_book(std::istream& in, std::string& error);

}  // namespace brenvolt::match
