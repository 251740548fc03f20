// The strong levels in the window: the search is held by the test platform until the test lets
// it answer, so each command can come while the computer thinks. Every command that changes
// the position cancels the search; its answer, when it comes, plays nothing.
#include <functional>
#include <optional>

#include "tests/play/play_fixture.h"

namespace brenvolt::testing {
namespace {

// Searches small enough to be quick and the same on every run.
constexpr 探索制限 kCaps{0, 3000, 0};

class Levels : public PlayTest {
 protected:
  Levels() {
    platform.workMode = WorkMode::Held;
    form.思考.set_caps(kCaps);
    form.思考.set_hash_mb(1);
  }

  // A game against the computer at level 1 with the computer thinking about its reply to the
  // person's first drop (the person plays 先手).
  void 先手で指してCOMが考える() {
    form.SENTE_Click();
    form.強さ_Click(強さ_強い);
    打つ(歩, 5, 5);
    ASSERT_TRUE(form.思考.thinking());
    ASSERT_EQ(form.局.手番, 手番_後手);
  }

  // Is the last thing drawn in the computer's slot after the notice the slot's erasing?
  bool 思考中を消した(int 側) const {
    const double X = 側 == 手番_先手 ? 先手結果X : 後手結果X;
    const double Y = 側 == 手番_先手 ? 先手結果Y : 後手結果Y;
    bool 書いた後 = false, 消した = false;
    for (const auto& c : canvas.calls) {
      if (c.kind == DrawCall::Text && c.text == "思考中") 書いた後 = true, 消した = false;
      const bool 枠を消す = c.kind == DrawCall::Fill && c.colour == 背景色 && c.w == 1360 &&
                            c.h == 380 && c.x == 盤左 + 桝幅 * X && c.y == 盤上 + 桝高 * Y;
      if (書いた後 && 枠を消す) 消した = true;
    }
    return 書いた後 && 消した;
  }

  // Lets every held search answer; nothing may change the game when they were cancelled.
  void 答えさせても変わらない() {
    const 対局 前 = form.試合;
    const int 記録 = form.記録.記録数, 終端 = form.記録.記録終端;
    忘れる();
    platform.finishHeld();
    EXPECT_TRUE(form.試合 == 前) << "a cancelled search played a move";
    EXPECT_EQ(form.記録.記録数, 記録);
    EXPECT_EQ(form.記録.記録終端, 終端);
    EXPECT_TRUE(canvas.calls.empty());
    EXPECT_TRUE(sound.calls.empty());
    EXPECT_FALSE(form.思考.thinking());
  }

  // The last outline colour of square (x, y).
  std::optional<int> 輪郭色(int x, int y) const {
    std::optional<int> 色;
    for (const auto& c : canvas.of(DrawCall::Outline))
      if (c.x == 盤左 + 桝幅 * x && c.y == 盤上 + 桝高 * y && c.w == 桝幅) 色 = c.colour;
    return 色;
  }

  // Would the rules let the side to move play this move now?
  bool 指せる(const 着手& 手) {
    対局状態 局 = form.局;
    const 成り方 成り = 手.置駒 != 手.移動駒 ? 成り方::成る : 成り方::成らない;
    const auto 答え = 着手判定(局, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.移動駒, 成り);
    return 答え.結果 == 判定::可 && 答え.手 == 手;
  }
};

TEST_F(Levels, 標準で始まり一つの強さだけに印が付く) {
  EXPECT_EQ(form.思考.level(), 強さ_標準);
  form.強さ_Click(強さ_最強);
  EXPECT_EQ(form.思考.level(), 強さ_最強);
  std::map<std::string, bool> 印{{"BGM", true}, {"SIDOU", false}};
  for (const 強さの段& 段 : 強さの表) 印[段.項目名] = false;
  印["SAIKYOU"] = true;
  EXPECT_EQ(platform.checks, 印);
  form.強さ_Click(強さ_標準);
  EXPECT_TRUE(platform.checks["HYOUJUN"]);
  EXPECT_FALSE(platform.checks["SAIKYOU"]);
  // The standard level never searches off the user-interface thread.
  form.SENTE_Click();
  打つ(歩, 5, 5);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(platform.started, 0);
}

TEST_F(Levels, 考える間は思考中を見せ盤は押しても何もせず答えが来て指す) {
  先手で指してCOMが考える();
  EXPECT_TRUE(書いた("思考中"));
  EXPECT_EQ(canvas.calls.back().kind, DrawCall::Refresh) << "the notice is on screen";
  EXPECT_EQ(form.局.手数, 1);

  忘れる();
  押す(5, 5);
  押す(先手持駒列, 2);
  押す(4, 4, 右ボタン);
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(form.入力段階, 0);

  platform.finishHeld();
  ASSERT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.局.手番, 手番_先手);
  const 手順 手 = form.記録.記録_項目(2);
  EXPECT_GT(手.元駒, 0) << "後手's move";
  EXPECT_EQ(form.局.盤面[手.先X][手.先Y], 手.先駒);
  EXPECT_EQ(sound.played(), (std::vector<int>{駒打}));
  EXPECT_EQ(輪郭色(手.先X, 手.先Y), 色_白);
  EXPECT_FALSE(form.思考.thinking());
  // Play goes on: the person's next move is taken and the computer thinks again.
  打つ(歩, 9, form.局.盤面[9][9] == 空 ? 9 : 8);
  EXPECT_EQ(form.局.手数, 3);
  EXPECT_TRUE(form.思考.thinking());
}

TEST_F(Levels, 最初で取り消す) {
  先手で指してCOMが考える();
  form.CANCEL_Click();
  EXPECT_FALSE(form.思考.thinking());
  EXPECT_EQ(form.局.手数, 0);
  EXPECT_TRUE(思考中を消した(手番_後手));
  答えさせても変わらない();
}

TEST_F(Levels, 戻で取り消し人の手を戻す) {
  先手で指してCOMが考える();
  form.REPLAY_Click();
  EXPECT_EQ(form.局.手数, 0);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_TRUE(思考中を消した(手番_後手));
  答えさせても変わらない();
}

TEST_F(Levels, 進で取り消し戻した手を進める) {
  form.SENTE_Click();
  打つ(歩, 5, 5);  // the standard computer replies at once
  const 手順 COMの手 = form.記録.記録_項目(2);
  form.REPLAY_Click();
  form.強さ_Click(強さ_強い);
  押す(1, 1);  // the computer's turn: it starts thinking
  ASSERT_TRUE(form.思考.thinking());
  form.AFTER_Click();
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.記録.記録_項目(2), COMの手);
  EXPECT_EQ(form.局.手番, 手番_先手);
  答えさせても変わらない();
}

TEST_F(Levels, 側の交代で取り消す) {
  form.強さ_Click(強さ_強い);
  form.GOTE_Click();  // the computer plays 先手 and thinks about its first move
  ASSERT_TRUE(form.思考.thinking());
  form.SENTE_Click();  // now the person plays 先手, who is to move
  EXPECT_EQ(form.試合.人間側, 手番_先手);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_FALSE(form.思考.thinking());
  EXPECT_TRUE(思考中を消した(手番_先手));
  答えさせても変わらない();
  打つ(歩, 5, 5);
  EXPECT_EQ(form.局.手数, 1);
}

TEST_F(Levels, 強さを変えると古い答えを捨て新しい強さで考え直す) {
  先手で指してCOMが考える();
  const auto 世代 = form.思考.generation();
  form.強さ_Click(強さ_最強);
  EXPECT_TRUE(form.思考.thinking());
  EXPECT_GT(form.思考.generation(), 世代);
  EXPECT_EQ(platform.held.size(), 2u);
  platform.finishHeld();
  EXPECT_EQ(form.局.手数, 2) << "only the new search's answer is played";
  EXPECT_EQ(form.局.手番, 手番_先手);
}

TEST_F(Levels, 標準に戻すとその場で標準が指す) {
  先手で指してCOMが考える();
  form.強さ_Click(強さ_標準);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_FALSE(form.思考.thinking());
  答えさせても変わらない();
}

TEST_F(Levels, EscとウィンドウをとじるとCOMの答えは捨てられる) {
  const std::function<void()> 終わり方[] = {[&] { form.Form_KeyDown(27); },
                                            [&] { form.Form_Unload(); }};
  for (const auto& 終わらせる : 終わり方) {
    先手で指してCOMが考える();
    const int 前 = platform.quits;
    終わらせる();
    EXPECT_EQ(platform.quits, 前 + 1);
    EXPECT_FALSE(form.思考.thinking());
    答えさせても変わらない();
    form.CANCEL_Click();
  }
}

TEST_F(Levels, 断られた戻でも取り消してCOMは次に押されて考え直す) {
  form.強さ_Click(強さ_強い);
  form.GOTE_Click();
  ASSERT_TRUE(form.思考.thinking());
  form.REPLAY_Click();
  EXPECT_EQ(箱().back(), 箱("できません", "戻る"));
  EXPECT_FALSE(form.思考.thinking());
  答えさせても変わらない();
  押す(1, 1);
  EXPECT_TRUE(form.思考.thinking());
  platform.finishHeld();
  EXPECT_EQ(form.局.手数, 1);
  EXPECT_EQ(form.局.手番, 手番_後手);
}

TEST_F(Levels, 棋譜を貼り付けると取り消し考えていた答えは指さない) {
  先手で指してCOMが考える();
  platform.clipboard = "position startpos moves P*5e P*5d";
  form.PASTE_Click();
  ASSERT_EQ(platform.confirmations.size(), 1u) << "a game was running";
  EXPECT_FALSE(form.思考.thinking());
  EXPECT_EQ(form.局.手数, 2);
  答えさせても変わらない();
}

TEST_F(Levels, ヒントは人の番に強い手を黄色で囲み次に押すと消える) {
  form.SENTE_Click();
  打つ(歩, 5, 5);  // the standard computer replies
  忘れる();
  form.HINT_Click();
  EXPECT_TRUE(canvas.calls.empty()) << "nothing shows until the answer is in";
  platform.finishHeld();
  ASSERT_TRUE(form.ヒント.has_value());
  const 着手 手 = *form.ヒント;
  EXPECT_TRUE(指せる(手));
  EXPECT_EQ(輪郭色(手.元X, 手.元Y), ヒント色);
  EXPECT_EQ(輪郭色(手.先X, 手.先Y), ヒント色);
  EXPECT_EQ(form.局.手数, 2) << "the hint is not played";
  EXPECT_EQ(form.局.手番, 手番_先手);

  // The next press erases both outlines and is then handled as ever: it chooses the piece.
  忘れる();
  押す(先手持駒列, 2);
  EXPECT_FALSE(form.ヒント.has_value());
  EXPECT_EQ(輪郭色(手.先X, 手.先Y), 消去色);
  EXPECT_EQ(form.入力段階, 1);
  EXPECT_EQ(輪郭色(先手持駒列, 2), 色_明赤);
}

TEST_F(Levels, ヒントを消すと選んだ駒の枠と移動指導の枠が戻る) {
  form.SIDOU_Click();  // guidance on
  form.START_Click();
  押す(先手持駒列, 2);  // 歩 chosen: every square of rows 2..9 is outlined in white
  form.HINT_Click();
  platform.finishHeld();
  ASSERT_TRUE(form.ヒント.has_value());
  const 着手 手 = *form.ヒント;
  EXPECT_TRUE(指せる(手));
  忘れる();
  押す(5, 1);  // a 歩 cannot be dropped on the last row: refused, the choice stays
  EXPECT_EQ(sound.played(), (std::vector<int>{禁止}));
  EXPECT_FALSE(form.ヒント.has_value());
  EXPECT_EQ(form.入力段階, 1);
  EXPECT_EQ(輪郭色(先手持駒列, 2), 色_明赤);
  const bool 歩の行き先 = form.局.移動チェック(先手持駒列, 2, 手.先X, 手.先Y, 先手_歩) == 有;
  EXPECT_EQ(輪郭色(手.先X, 手.先Y), 歩の行き先 ? 色_白 : 消去色);
  if (手.元X != 先手持駒列 || 手.元Y != 2) {
    EXPECT_EQ(輪郭色(手.元X, 手.元Y), 消去色);
  }
}

TEST_F(Levels, ヒントを考える間に押すとヒントは出ない) {
  form.START_Click();
  form.HINT_Click();
  押す(先手持駒列, 2);
  EXPECT_EQ(form.入力段階, 1);
  忘れる();
  platform.finishHeld();
  EXPECT_FALSE(form.ヒント.has_value());
  EXPECT_TRUE(canvas.calls.empty());
}

TEST_F(Levels, 対局中でなくCOMの番ならヒントは禁止音で断る) {
  form.HINT_Click();
  EXPECT_EQ(sound.played(), (std::vector<int>{禁止}));
  EXPECT_TRUE(platform.boxes.empty());
  EXPECT_EQ(platform.started, 0);

  先手で指してCOMが考える();
  忘れる();
  const int 始めた = platform.started;
  form.HINT_Click();
  EXPECT_EQ(sound.played(), (std::vector<int>{禁止}));
  EXPECT_EQ(platform.started, 始めた);
  EXPECT_TRUE(form.思考.thinking()) << "the computer goes on thinking";

  // After a five the game is over: refused again.
  form.CANCEL_Click();
  form.START_Click();
  先手が五つ並べて勝つ();
  忘れる();
  form.HINT_Click();
  EXPECT_EQ(sound.played(), (std::vector<int>{禁止}));
}

TEST_F(Levels, 二人対局では手番の側にヒントを出しCOMの強さは関係しない) {
  form.START_Click();
  打つ(歩, 5, 5);
  form.HINT_Click();
  platform.finishHeld();
  ASSERT_TRUE(form.ヒント.has_value());
  EXPECT_EQ(form.ヒント->元X, 後手持駒列);
  EXPECT_TRUE(指せる(*form.ヒント));
}

TEST_F(Levels, 本物のスレッドで考えても答えは届き取り消せば何もしない) {
  platform.workMode = WorkMode::Threads;
  先手で指してCOMが考える();
  platform.deliverThreads();
  EXPECT_EQ(form.局.手数, 2);
  打つ(歩, 9, form.局.盤面[9][9] == 空 ? 9 : 8);
  ASSERT_TRUE(form.思考.thinking());
  form.REPLAY_Click();
  const 対局 前 = form.試合;
  platform.deliverThreads();
  EXPECT_TRUE(form.試合 == 前);
  EXPECT_EQ(form.局.手数, 2);
}

// A form whose search answer a test may hand in directly.
class 答えを渡せるForm1 : public Form1 {
 public:
  using Form1::Form1;
  using Form1::探索の答え;
};

TEST(LevelsGuard, 規則が断る答えは指さず標準のCOMが代わりに指す) {
  RecordingCanvas canvas;
  RecordingPlatform platform;
  RecordingSound sound;
  答えを渡せるForm1 form(canvas, platform, sound);
  form.Form_Load();
  form.SENTE_Click();
  // 歩 from 先手's stand to the centre; the standard computer replies.
  form.Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * 11.5, 盤上 + 桝高 * 2.5);
  form.Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * 5.5, 盤上 + 桝高 * 5.5);
  ASSERT_EQ(form.局.手数, 2);
  const 手順 標準の手 = form.記録.記録_項目(2);
  form.REPLAY_Click();
  ASSERT_EQ(form.局.手番, 手番_後手);
  // No piece stands on (1, 1): the rules refuse this move.
  form.探索の答え(着手{1, 1, 2, 2, 後手_王, 後手_王});
  ASSERT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.記録.記録_項目(2), 標準の手);
  EXPECT_EQ(form.局.手番, 手番_先手);
}

}  // namespace
}  // namespace brenvolt::testing
