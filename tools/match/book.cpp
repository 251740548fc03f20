#include "tools/match/book.h"

#include "notation/game_move.h"
#include "notation/position_command.h"
#include "notation/position_text.h"
#include "tools/numbered_lines.h"

namespace brenvolt::match {

namespace {

std::string_view without_comment(std::string_view line) {
  return line.substr(0, line.find('#'));
}

bool play_words(const std::vector<std::string_view>& words, Opening& opening, std::string& error) {
  for (const std::string_view word : words) {
    const auto text = notation::parse_move(word);
    if (!text) {
      error = "not a move: " + notation::shown_word(word);
      return false;
    }
    const auto judged = notation::judge(opening.game.局, *text);
    if (judged.結果 != 判定::可) {
      error = "move refused: " + notation::shown_word(word);
      return false;
    }
    if (opening.game.指す(judged.手).結果 != 結末::続行) {
      error = "the game is over after " + notation::shown_word(word);
      return false;
    }
    ++opening.plies;
  }
  return true;
}

}  // namespace

std::optional<Opening> read_opening(std::string_view line, std::string& error) {
  const auto words = notation::words_of(without_comment(line));
  if (words.empty()) return std::nullopt;
  Opening opening;
  notation::PositionCommand command;
  if (words[0] != "position") {
    command.start = notation::kStartPosition;
    command.moves = words;
  } else if (notation::split_position_command(words, command) !=
             notation::PositionCommandError::none) {
    error = "position needs startpos or sfen <board> <side> <hands> <n>, then moves";
    return std::nullopt;
  }
  if (!notation::parse_position(command.start, opening.game.局, error)) {
    error = "bad position: " + error;
    return std::nullopt;
  }
  opening.game.記録.記録_開始手数 = opening.game.局.手数;
  if (!play_words(command.moves, opening, error)) return std::nullopt;
  if (手数上限(opening.game.局) || !指せる手がある(opening.game.局)) {
    error = "no game left to play";
    return std::nullopt;
  }
  return opening;
}

std::vector<Opening> read_book(std::istream& in, std::string& error) {
  std::vector<Opening> book = tools::read_numbered_lines<Opening>(in, read_opening, error);
  if (book.empty() && error.empty()) error = "no opening in the book";
  return book;
}

}  // namespace brenvolt::match
