#include "notation/record_file.h"

#include <algorithm>

#include "game/piece_table.h"
#include "game/turn.h"
#include "notation/game_move.h"
#include "notation/notation.h"
#include "notation/position_command.h"
#include "notation/position_text.h"
#include "notation/record_text.h"

namespace brenvolt::notation {

namespace {

constexpr std::string_view kPass = "pass";

// Why the rules refuse a move they found impossible, the way a player would put it. The
// double-pawn flags are the game's own, refreshed here.
TranslatableText impossible_reason(対局状態& 局, const MoveText& text, const 着手& move) {
  const int side = 局.手番;
  if (text.drop && move.移動駒 == 空) return 箱の文("持駒にありません");
  if (!text.drop && 調査_駒(side, move.移動駒) != 有) return 箱の文("動かせる駒がありません");
  if (局.盤面[text.to.x][text.to.y] != 空) return 箱の文("駒のある桝です");
  局.調査_2歩フラグ設定();
  const auto& pawn_columns = side == 手番_先手 ? 局.先手2歩 : 局.後手2歩;
  if (text.drop && move.移動駒 == 種類の駒(side, 1) && pawn_columns[text.to.x] == 1)
    return 箱の文("二歩");
  return 箱の文(text.drop ? "そこへは打てません" : "そこへは動けません");
}

TranslatableText verdict_reason(判定 verdict, 対局状態& 局, const MoveText& text) {
  switch (verdict) {
    case 判定::可:
      break;
    case 判定::対局なし:
      return 箱の文("勝負はついています");
    case 判定::不可:
      return impossible_reason(局, text, move_of(局, text));
    case 判定::三三:
      return 箱の文("3 * 3 です！打てません");
    case 判定::四四:
      return 箱の文("4 * 4 です！打てません");
    case 判定::成り:
      return 箱の文(text.promote ? "成れません" : "成らないと動けません");
  }
  return {};
}

class Replay {
 public:
  Replay(対局& game, int line, RecordError& error) : game_(game), line_(line), error_(error) {}

  // Plays the move `word`; false with the error set when the rules refuse it.
  bool play(std::string_view word) {
    対局状態& 局 = game_.局;
    const int number = 局.手数 + 1;
    if (number > 記録上限) {
      return refuse(word, number,
                    箱の文("%1手を超える棋譜は開けません", {そのまま(std::to_string(記録上限))}));
    }
    if (word == kPass) return pass(word, number);
    const auto text = parse_move(word);
    if (!text) return refuse(word, number, 箱の文("読めない手です"));
    const 着手判定の答え judged = judge(局, *text);
    if (judged.結果 != 判定::可)
      return refuse(word, number, verdict_reason(judged.結果, 局, *text));
    ended_ = game_.指す(judged.手).結果 != 結末::続行;
    return true;
  }

  // The game ends as it ended in play: nobody to move and no game running.
  void finish() {
    if (!ended_) return;
    game_.局.手番 = 手番_なし;
    game_.局.対局中 = 無;
  }

 private:
  bool pass(std::string_view word, int number) {
    対局状態& 局 = game_.局;
    if (局.対局なし()) return refuse(word, number, 箱の文("勝負はついています"));
    if (指せる手がある(局))
      return refuse(word, number, 箱の文("指せる手があるのでパスはできません"));
    game_.パス();
    return true;
  }

  bool refuse(std::string_view word, int number, TranslatableText reason) {
    error_ = {};
    error_.line = line_;
    error_.move_number = number;
    error_.move = shown_word(word);
    error_.reason = std::move(reason);
    return false;
  }

  対局& game_;
  int line_;
  RecordError& error_;
  bool ended_ = false;
};

void set_mode(RecordMode mode, 対局& game) {
  if (mode == RecordMode::people) {
    game.対局モード = モード_人間;
    game.人間側 = 手番_先手;
    game.COM側 = 手番_後手;
    game.人間歩 = 先手_歩;
    return;
  }
  game.COM対局の側(mode == RecordMode::computer_b ? 手番_後手 : 手番_先手);
}

// Takes back the moves after the cursor, as "戻" would have.
bool apply_cursor(const RecordHeaders& headers, 対局& game, RecordError& error) {
  if (!headers.cursor) return true;
  if (*headers.cursor > game.記録.記録終端) {
    error = {};
    error.line = headers.cursor_line;
    error.reason =
        箱の文("cursor は 0 から %1 までです", {そのまま(std::to_string(game.記録.記録終端))});
    return false;
  }
  game.手目へ(*headers.cursor);
  return true;
}

bool read_split(const RecordHeaders& headers, const PositionLine& line, 対局& game,
                RecordError& error) {
  対局 read;
  std::string reason;
  if (!parse_position(line.start, read.局, reason)) {
    error = {};
    error.line = line.line;
    error.reason = 箱の文("局面が読めません (%1)", {そのまま(reason)});
    return false;
  }
  if (read.局.手数 >= 記録上限) {
    error = {};
    error.line = line.line;
    error.reason = 箱の文("局面の手数は %1 までです", {そのまま(std::to_string(記録上限 - 1))});
    return false;
  }
  set_mode(headers.mode, read);
  // A level means something only against the computer, and only there is it written.
  read.強さ = headers.mode == RecordMode::people ? 0 : headers.strength.value_or(headers.level);
  read.記録.記録_消去();
  read.記録.記録_開始手数 = read.局.手数;
  Replay replay(read, line.line, error);
  for (const std::string_view word : line.moves) {
    if (!replay.play(word)) return false;
  }
  replay.finish();
  if (!apply_cursor(headers, read, error)) return false;
  game = read;
  return true;
}

// A bare position: its four fields, perhaps after "sfen", and nothing else.
std::optional<std::string> bare_position(std::string_view text) {
  // The line breaks of a pasted text count as blanks here.
  std::string flat(text);
  std::replace(flat.begin(), flat.end(), '\n', ' ');
  std::vector<std::string_view> words = words_of(flat);
  if (!words.empty() && words.front() == "sfen") words.erase(words.begin());
  if (words.size() != 4 || words[0].find('/') == std::string_view::npos) return std::nullopt;
  std::string line = "position sfen";
  for (const auto word : words) line += ' ' + std::string(word);
  return line;
}

}  // namespace

TranslatableText refusal_text(const RecordError& error) {
  const TranslatableText line = そのまま(std::to_string(error.line));
  const TranslatableText number = そのまま(std::to_string(error.move_number));
  const TranslatableText move = そのまま(error.move);
  TranslatableText where;
  if (error.line > 0 && error.move_number > 0) {
    where = 箱の文("%1行目 %2手目 %3", {line, number, move});
  } else if (error.line > 0) {
    where = 箱の文("%1行目", {line});
  } else if (error.move_number > 0) {
    where = 箱の文("%1手目 %2", {number, move});
  }
  return where.empty() ? error.reason : 箱の文("%1: %2", {where, error.reason});
}

std::string describe(const RecordError& error) {
  return refusal_text(error).japanese();
}

bool read_record(std::string_view text, 対局& game, RecordError& error) {
  RecordHeaders headers;
  PositionLine line;
  return split_record(text, headers, line, error) && read_split(headers, line, game, error);
}

bool read_pasted(std::string_view text, 対局& game, RecordError& error) {
  if (text.size() <= kRecordSizeLimit && text.find('#') == std::string_view::npos) {
    if (const auto line = bare_position(text)) return read_record(*line, game, error);
  }
  return read_record(text, game, error);
}

bool has_game(const 対局& game) {
  return !game.局.対局なし() || game.記録.記録終端 > 0;
}

}  // namespace brenvolt::notation
