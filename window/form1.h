// Form1: the game's one window object. It owns the match for the life of the window,
// carries every drawing routine and event handler of the game, and reaches the outside world
// only through the canvas, the platform and the sound library, so the whole game runs in tests
// without a window.
#pragma once

#include <array>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game_state.h"
#include "game/match.h"
#include "game/move_record.h"
#include "game/turn.h"
#include "sound/module1.h"
#include "window/analysis.h"
#include "window/canvas.h"
#include "window/computer_player.h"
#include "window/game_review.h"
#include "window/input_codes.h"
#include "window/palette.h"
#include "window/platform.h"
#include "window/square_units.h"
#include "window/text_areas.h"

namespace brenvolt {

// The player's choices a window may keep between runs; the defaults are the classic start.
struct 選択 {
  int 強さ = 0;             // the computer's level, 0 (標準) to 強さ_最強
  bool 移動指導 = false;    // "移動指導" checked
  bool BGM = true;          // "BGM" checked, the music playing
  bool 成りを確認 = false;  // "成りを確認" checked
  bool 検討 = false;        // "検討" checked, the analysis following the position
  bool operator==(const 選択&) const = default;
};

class Form1 {
 public:
  // The match the window plays, and its position and record under their own names. Declared
  // first: everything else may read them from construction on.
  対局 試合;
  対局状態& 局 = 試合.局;
  手順記録& 記録 = 試合.記録;

  Form1(Canvas& canvas, Platform& platform, SoundLibrary& sound,
        std::vector<std::filesystem::path> データ置場 = {});

  // ---- Window events --------------------------------------------------------------------
  // Form_Load is its two halves in this order: the sound service with the five sounds and
  // the music, then the constants, the drawing and the placement. A window that shows itself
  // before its sound is ready calls the halves itself, the picture first.
  void Form_Load();
  void Form_Load_音();
  void Form_Load_画面();
  void Form_MouseDown(int Button, int Shift, double X, double Y);
  void Form_KeyDown(int KeyCode);
  void Form_Unload();

  // ---- Menu commands --------------------------------------------------------------------
  void START_Click();
  void SENTE_Click();
  void GOTE_Click();
  void MATCH_MAN_Click();
  void OWARI_Click();
  void CANCEL_Click();
  void REPLAY_Click();
  void AFTER_Click();
  // "待った" under "局面": takes back the person's last move and the computer's reply to it.
  void MATTA_Click();
  void SIDOU_Click();
  // "成りを確認" under "ｵﾌﾟｼｮﾝ": a move with the left button that may promote asks whether to.
  void NARI_Click();
  void BGM_Click();
  void VER_Click();
  // The computer's strength, the items of "強さ" under "ｵﾌﾟｼｮﾝ", one for each level.
  void 強さ_Click(int 強さ);
  // "ヒント" under "局面": outlines the strongest level's move for the person to move.
  void HINT_Click();
  // "検討" under "表示": the strong search analyses the position on the board continuously.
  void KENTOU_Click();
  // "振り返り" under "表示": reviews the record on the board off the user-interface thread;
  // refused while the computer thinks about its move or when the record holds no move.
  void REVIEW_Click();
  // Game records under "局面": save and open a record file, copy the position or the record,
  // paste a position or a record.
  void SAVE_Click();
  void OPEN_Click();
  void COPY_POSITION_Click();
  void COPY_RECORD_Click();
  void PASTE_Click();

  // ---- The player's choices ---------------------------------------------------------------
  選択 今の選択() const;
  // Sets each choice that differs as its menu item would, without touching the game; for a
  // loaded window.
  void 選択を適用(const 選択& 新選択);
  // Called after the player changes a choice through its menu item or key (not when a record
  // brings its level).
  std::function<void()> 選択変更時;
  // Set before Form_Load by a window that remembers choices; the defaults are the classic
  // start. Without the music the sounds still load, so that BGM can switch it on.
  bool 開始時にBGM = true;
  bool 無音を警告 = true;  // the box saying there is no sound device
  bool 音声装置あり() const { return 音.DSハンドル != 0; }

  // ---- Game records -----------------------------------------------------------------------
  // The game as it stands, with its whole record, as a record file keeps it.
  対局 対局の写し() const;
  // Replaces the match by `復元する` and draws it as a game played straight to its cursor:
  // board, hands, move count and each side's last move (the computer's outlined in white).
  void 対局を復元(const 対局& 復元する);

  // ---- The unfinished game kept between runs ---------------------------------------------
  // From now on a game still running when the program ends is written to `ファイル`, which is
  // removed once the game is over or given up; empty: no game is kept. Enables
  // 前回の対局を再開 while the file exists.
  void 前回の対局を置く(std::filesystem::path ファイル);
  // "前回の対局を再開" under "対局": opens the kept game like any record.
  void RESUME_Click();

  // ---- The panel beside the board ----------------------------------------------------------
  // The panel is shown. The end of a game then stays marked on the board (the five outlined
  // until the next move, take-back or new game) and the winner's box opens clear of the five;
  // with the panel closed the window is the classic one.
  bool 棋譜欄あり = false;
  // Shows the position after move 手目 of the record (clamped to it) exactly as taking moves
  // back with 戻 or replaying them with 進 one at a time would leave it: the state, the board,
  // the hands, the count and the status slots; without their sounds, and a replayed end without
  // its blink and box. A computer's search is dropped first, as 戻 drops it.
  void 手目へ(int 手目);
  // The five made by the last applied move, if it made one.
  std::optional<五桝> 最後の手の五() const;
  // Brings the analysis up to the position on the board: restarted when the position has
  // changed, paused while the computer thinks about its move. The window calls it after every
  // event that may have changed the position.
  void 検討を合わせる();
  // Outlines on the board the analysis's best move and, with a reviewed move on the board that
  // the review marked, the best move there was instead; erases outlines that no longer hold.
  void 最善手の輪郭を合わせる();

  // ---- Game routines that change the state and draw ---------------------------------------
  void 初期設定();
  void 駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
  // The drawing 駒移動 does once the piece is moved: the source (square or stand) and the piece
  // on its destination.
  void 描画_駒移動(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動駒);
  void 手順保存(int 移動元X, int 移動元Y, int 移動先X, int 移動先Y, int 移動元駒, int 移動先駒);
  void com_ban();
  void 終了_処理(int IN_移動駒);
  void 終了(const std::string& 勝手);

  // ---- Sound ------------------------------------------------------------------------------
  void 処理_BGM();
  void 処理_終了();

  // ---- Drawing (positions in square units, sizes in twips) --------------------------------
  void 描画_四角形(double 入力X, double 入力Y, double X_長, double Y_長, int 色);
  void 描画_桝輪郭(int 描画色, double 座標X, double 座標Y);
  void 描画_数値(double 入力X, double 入力Y, int 数値, int 色, int モード, int フォントサイズ);
  void 描画_数値(double 入力X, double 入力Y, const TranslatableText& 数値, int 色, int モード,
                 int フォントサイズ);
  void 描画_移動駒種類(double 入力X, double 入力Y, int 駒種類, int 色);
  void 描画_将棋盤桝();
  void 全輪郭クリア();
  void 描画_桝_数値();
  void 描画_手数(int 数値, int 色);
  void 描画_文字列(double 入力X, double 入力Y, int 数値, int 色, int サイズ);
  void 描画_移動結果(int 移動先X, int 移動先Y, int 移動駒, int 駒色);
  void 描画_絵(int 駒種類, double 座標X, double 座標Y);
  void 描画_桝(double 座標X, double 座標Y);
  void 描画_盤();
  void 描画_局面();
  void 描画_黒持盤();
  void 描画_白持盤();
  // One side's hand stand, its counts in the column 数の列 erased 数の欄幅 twips wide.
  void 描画_持駒台(int 側, double 数の列, int 数の欄幅);
  void 描画_点滅5並び(int IN_手番, int IN_X, int IN_Y);
  void 待ち時間(double IN_秒);
  void 描画_移動可能桝色(int 移動元X, int 移動元Y, int 描画色, int 移動駒);

  // ---- State of the window ----------------------------------------------------------------
  int 入力段階 = 0;           // 0: choose a piece; 1: a piece is chosen, next click is its target
  std::array<int, 7> 指手{};  // (1) 移動元X (2) 移動元Y (3) 移動先X (4) 移動先Y (6) the piece
  int 移動指導 = 0;           // move guidance on (1) or off (0)
  bool 成りを確認 = false;     // a plain move that may promote asks first
  ComputerPlayer 思考;         // the strong levels' search, and the hint's
  Analysis 検討;               // 表示 → 検討, with a search service of its own
  GameReview 振り返り;         // 表示 → 振り返り, forgotten once the record is another
  std::optional<着手> ヒント;  // the hint outlined on the board until the next press
  int 指導色 = 消去色;         // colour of the reachable-square outlines
  bool 太字 = false;           // the window font is bold from the coordinate labels on

  // Sound buffers, 0 when a sound could not be loaded.
  int 音_その他 = 0;
  int 音_禁止 = 0;
  int 音_駒打 = 0;
  int 音_終局 = 0;
  int 音_BGM = 0;

 protected:
  // ---- Steps of playing a move (turn flow, computer, replay) ------------------------------
  void 盤クリック_駒選択(int 桝列, int 桝行);
  void 盤クリック_行き先(int Button, int 桝列, int 桝行);
  void 盤外クリック(int 桝列, int 桝行);
  // After a person's move is shown: its end, or the computer's reply.
  void 人間の着手後(const 着手の結果& 結果);
  // The verdict on the chosen move with the left button, once the person has said whether a
  // piece that may promote is to: `成らない答え` is the accepted plain move.
  着手判定の答え 成るか尋ねる(const 着手判定の答え& 成らない答え);
  // The buzz, and for a double three, a double four or a forced promotion the box, of a refused
  // move; true when the move was accepted.
  bool 判定を伝える(判定 結果);
  // Takes the last applied move back and draws the position without it; nothing when no move
  // is applied.
  std::optional<手順> 一手戻す();
  // Refuses a take-back: the forbidden sound and the box.
  void 戻せない();
  // Does the record hold, up to its cursor, a move of the person playing the computer?
  bool 人の手がある() const;
  // Swaps the sides of a running game against the computer.
  void 側を交代(int 人間の側);
  // Announces how a move ended: blinks a five and names its winner, or declares the draw at
  // the record's bound; true when the game is over.
  bool 決着(const 着手の結果& 結果);
  // Ends a game that has filled the move record without a five.
  void 引き分け();
  // Outlines the squares of a five in 五の輪郭色.
  void 描画_五の輪郭(const 五桝& 五);
  // The status slots as taking back (先 < 元) or replaying (先 > 元) the moves between the
  // cursors 元 and 先 one at a time leaves them.
  void 結果欄を合わせる(int 元, int 先);
  // Erases the status slot of a side (結果欄幅 x 結果欄高).
  void 結果欄消去(int 側);
  // Opens the record or position in `text` after asking, when a game runs, whether to give it
  // up; a text that cannot be read is refused with a box naming why. `出所` names the file in
  // the box ("" for the clipboard).
  void 棋譜で始める(const std::string& text, bool 貼り付け, const std::string& 出所,
                    const char* 題);
  // Writes the running game to the kept game's file; nothing when no game runs.
  void 前回の対局を書く();
  // The game has ended or been given up: its kept file goes.
  void 前回の対局を消す();
  void 再開できるか示す();
  std::filesystem::path 前回の対局;
  // Refuses a record command: the forbidden sound and a box.
  void 棋譜を断る(const TranslatableText& 文, const char* 題);

  // ---- The strong levels and the hint -----------------------------------------------------
  // Plays the computer's chosen move, or passes when it found none.
  void COMの着手(const std::optional<着手>& 手);
  // The strong levels' answer, checked against the rules before it is played.
  void 探索の答え(const std::optional<着手>& 手);
  void ヒントを示す(const std::optional<着手>& 手);
  // Erases the hint's outlines, giving a chosen piece its marks back.
  void ヒントを消す();
  // Outlines again the chosen piece and, with move guidance, where it may go: after outlines
  // drawn over them are erased.
  void 選んだ駒の印を描く();

  // ---- Refused moves ----------------------------------------------------------------------
  // Outlines in 禁手色 the lines that make the chosen move a double three or a double four.
  void 禁手の線を示す(判定 結果);
  // Erases those outlines, giving a chosen piece its marks back; draws nothing when none are
  // shown.
  void 禁手の線を消す();
  桝の並び 禁手の桝;  // the squares outlined by 禁手の線を示す, until the next press
  // Is the computer thinking about its move (not a hint) off the user-interface thread?
  bool COM思考中() const { return 思考.thinking() && !ヒント探索中; }
  // Stops the computer's search or the hint's and drops its answer; erases the thinking notice
  // and any hint shown. Draws nothing when nothing was running or shown.
  void 思考を取り消す();
  void 強さ_選択(int 強さ);
  bool ヒント探索中 = false;
  // The best moves outlined by 最善手の輪郭を合わせる: the analysis's and the review's.
  std::optional<着手> 検討の輪郭;
  std::optional<着手> 振り返りの輪郭;
  // The five whose winner's box is being opened, for the box to keep clear of.
  std::optional<五桝> 勝ちの五;

  Canvas& canvas;
  Platform& platform;
  SoundLibrary& ds;
  Module1 音;
};

}  // namespace brenvolt
