// Game records in the window: saving the game to a file, opening a saved game, copying the
// position or the record, and pasting a position or a record.
#include <filesystem>

#include "notation/record_file.h"
#include "window/form1.h"
#include "window/record_files.h"
#include "window/text_areas.h"

namespace brenvolt {

namespace {

constexpr const char* 保存の題 = "棋譜を保存";
constexpr const char* 開く題 = "棋譜を開く";
constexpr const char* 棋譜コピーの題 = "棋譜をコピー";
constexpr const char* 貼り付けの題 = "貼り付け";
constexpr const char* 対局がない = "保存する対局がありません";
constexpr const char* 貼るものがない = "貼り付ける局面がありません";
constexpr const char* 対局をやめるか = "対局中です。今の対局をやめて開きますか？";
constexpr const char* 保存できない = "保存できません: %1";

// The name the save dialog offers: the day of saving, as "brenvolt-2025-01-31.brenvolt".
std::string 保存の名前(const std::string& 日時) {
  const std::string 日 = 日時.size() >= 10 ? 日時.substr(0, 10) : std::string();
  return 日.empty() ? "brenvolt.brenvolt" : "brenvolt-" + 日 + ".brenvolt";
}

std::string ファイル名(const std::string& path) {
  return std::filesystem::path(path).filename().string();
}

}  // namespace

対局 Form1::対局の写し() const {
  対局 写し = 試合;
  写し.強さ = 試合.対局モード == モード_COM ? 思考.level() : 強さ_標準;
  return 写し;
}

// A search or a hint for the game being replaced is dropped first, while the marks it drew
// still belong to the position on the board.
void Form1::対局を復元(const 対局& 復元する) {
  思考を取り消す();
  試合 = 復元する;
  前回の対局を消す();
  // A record against the computer brings its level with it; a two-person record keeps the
  // level the menu has.
  if (復元する.対局モード == モード_COM) 強さ_選択(復元する.強さ);
  入力段階 = 0;
  指手 = {};

  描画_局面();
  if (局.手数 > 0) 描画_手数(局.手数, 色_白);
  for (const int 側 : {手番_先手, 手番_後手}) {
    if (const auto 手 = 記録.記録_最後の手(側)) 描画_移動結果(手->先X, 手->先Y, 手->先駒, 結果色);
  }
  // The computer outlines the square of its move; a person's move leaves no outline.
  if (記録.記録数 > 0 && 試合.対局モード == モード_COM) {
    const 手順 最後 = 記録.記録_項目(記録.記録数);
    if (取得_手番(最後.元駒) == 試合.COM側) 描画_桝輪郭(色_白, 最後.先X, 最後.先Y);
  }
  if (棋譜欄あり && 試合.勝負あり()) {
    if (const auto 五 = 最後の手の五()) 描画_五の輪郭(*五);
  }
  canvas.refresh();
  ds.dsPlay(音_駒打);
}

void Form1::棋譜を断る(const TranslatableText& 文, const char* 題) {
  ds.dsPlay(音_禁止);
  platform.messageBox(文, 箱の文(題), BoxIcon::None);
}

void Form1::棋譜で始める(const std::string& text, bool 貼り付け, const std::string& 出所,
                         const char* 題) {
  対局 読んだ;
  notation::RecordError 誤り;
  const bool 読めた = 貼り付け ? notation::read_pasted(text, 読んだ, 誤り)
                               : notation::read_record(text, 読んだ, 誤り);
  if (!読めた) {
    const TranslatableText 理由 = notation::refusal_text(誤り);
    棋譜を断る(出所.empty() ? 理由 : ファイルと理由(出所, 理由), 題);
    return;
  }
  if (!局.対局なし() && !platform.confirmBox(箱の文(対局をやめるか), 箱の文(題))) return;
  対局を復元(読んだ);
}

void Form1::SAVE_Click() {
  const 対局 写し = 対局の写し();
  if (!notation::has_game(写し)) {
    棋譜を断る(箱の文(対局がない), 保存の題);
    return;
  }
  const std::string 日時 = platform.localDateTime();
  const auto file = platform.chooseFileToSave(箱の文(保存の題), 保存の名前(日時));
  if (!file) return;
  if (const auto 理由 = 記録ファイルに書く(*file, notation::write_record(写し, 日時))) {
    棋譜を断る(箱の文(保存できない, {ファイルと理由(ファイル名(*file), *理由)}), 保存の題);
  }
}

void Form1::OPEN_Click() {
  const auto file = platform.chooseFileToOpen(箱の文(開く題));
  if (!file) return;
  TranslatableText 理由;
  const auto text = 記録ファイルを読む(*file, notation::kRecordSizeLimit, 理由);
  if (!text) {
    棋譜を断る(ファイルと理由(ファイル名(*file), 理由), 開く題);
    return;
  }
  棋譜で始める(*text, false, ファイル名(*file), 開く題);
}

void Form1::COPY_POSITION_Click() {
  platform.setClipboardText(notation::write_position(対局の写し()));
}

void Form1::COPY_RECORD_Click() {
  const 対局 写し = 対局の写し();
  if (!notation::has_game(写し)) {
    棋譜を断る(箱の文(対局がない), 棋譜コピーの題);
    return;
  }
  platform.setClipboardText(notation::write_record(写し, platform.localDateTime()));
}

void Form1::PASTE_Click() {
  const std::string text = platform.clipboardText();
  if (text.find_first_not_of(" \t\r\n") == std::string::npos) {
    棋譜を断る(箱の文(貼るものがない), 貼り付けの題);
    return;
  }
  棋譜で始める(text, true, "", 貼り付けの題);
}

}  // namespace brenvolt
