// Record files: a whole game as text. Lines starting with '#' are comments; "# key: value"
// comments are headers. The first other line is the game in the engine's own words,
// "position startpos moves ..." or "position sfen <board> <side> <hands> <n> moves ...", so
// the engine reads a record as it stands. Headers say what that line cannot:
//   # mode: people | computer-b | computer-w   (two people; the computer plays 先手 / 後手)
//   # strength: W    the computer's level by its word (HYOUJUN ... SAIKYOU), the standard
//                    computer when absent; a number 0 to 8, as records written when there were
//                    nine levels have it, is read as the level it named then
//   # level: N       the same in records written when there were four levels, 0 to 3: read as
//                    the level that plays as that one did (strength wins when both stand)
//   # cursor: N      moves applied when some were taken back; all of them when absent
//   # result: none | b | w | draw              how the record ends (worked out from the moves
//                                              when read; written for people and tools)
//   # date: ...      when it was saved (kept as text)
// Unknown keys and other comments are ignored. Without headers a record is a two-person game
// at its last move. Plain text in, plain text out: no file access here.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/match.h"
#include "text/translatable_text.h"

namespace brenvolt::notation {

// Bytes a record may have: a full 500-move game takes about 3 KiB, the rest is for comments.
inline constexpr std::size_t kRecordSizeLimit = 256 * 1024;

// Why a text was refused, in the game's words, and where.
struct RecordError {
  int line = 0;         // 1-based line of the text; 0 for the text as a whole
  int move_number = 0;  // the refused move's number in the game (手数 after it); 0 for none
  std::string move;     // the refused move as written, with move_number
  TranslatableText reason;
};

// One line for a box or for standard error: "3行目 12手目 7g7f: 二歩", "1行目: ...".
TranslatableText refusal_text(const RecordError& error);
// The same in Japanese.
std::string describe(const RecordError& error);

// Reads a record: every move judged by the rules and played from the start position. On
// success `game` holds the position at the cursor, the record to its end, the mode and sides,
// and a finished game as finished; on refusal `game` is untouched.
bool read_record(std::string_view text, 対局& game, RecordError& error);

// Reads what a player pastes: a record, or a bare position as copying a position gives it
// ("<board> <side> <hands> <n>", also after "sfen"), which opens as a two-person game there.
bool read_pasted(std::string_view text, 対局& game, RecordError& error);

// The record of `game`: a first comment line, the headers (with `date` unless it is empty)
// and the position line with every move up to the end of the record.
std::string write_record(const 対局& game, std::string_view date);
// The record's game line alone: "position startpos moves ..." or "position sfen ... moves ...",
// every move up to the end of the record, with no line break.
std::string write_game_line(const 対局& game);

// The position at the cursor in the engine's notation; after a finished game the side to move
// is the one that lost.
std::string write_position(const 対局& game);

// Can `game` be saved: a game is running or the record holds a move.
bool has_game(const 対局& game);

}  // namespace brenvolt::notation
