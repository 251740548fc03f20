// Saving, opening, copying and pasting records in the window: what is written, what an opened
// game looks like and how it plays on, the confirmation during a game, and refused records that
// leave the game, the drawing and the record exactly as they were.
#include <fstream>
#include <sstream>

#include "notation/position_text.h"
#include "notation/record_file.h"
#include "tests/play/play_fixture.h"
#include "tests/support/game_difference.h"
#include "tests/support/scratch_folder.h"

namespace brenvolt::testing {
namespace {

std::string 中身(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

class GameRecords : public PlayTest {
 protected:
  // A file in the scratch folder holding `text`, chosen in the next open dialog.
  void 開くファイル(const std::string& name, const std::string& text) {
    scratch.write(name, text);
    platform.fileToOpen = (scratch.path() / name).string();
  }
  // Everything the window keeps of a game, the click state too.
  struct 全状態 {
    対局 写し;
    int 入力段階;
    std::array<int, 7> 指手;
  };
  全状態 今の状態() const { return {form.対局の写し(), form.入力段階, form.指手}; }
  void 変わっていない(const 全状態& 前) const {
    EXPECT_EQ(対局の違い(form.対局の写し(), 前.写し), "");
    EXPECT_EQ(form.入力段階, 前.入力段階);
    EXPECT_EQ(form.指手, 前.指手);
    EXPECT_TRUE(canvas.calls.empty()) << canvas.calls.size() << " drawing calls";
  }

  // The colour of the last outline drawn around square (x, y), if any.
  std::optional<int> 最後の輪郭色(int x, int y) const {
    std::optional<int> 色;
    for (const auto& c : canvas.of(DrawCall::Outline)) {
      if (c.x == 盤左 + x * 桝幅 && c.y == 盤上 + y * 桝高 && c.w == 桝幅) 色 = c.colour;
    }
    return 色;
  }

  ScratchFolder scratch;
};

TEST_F(GameRecords, 保存すると戻した手まで棋譜に書かれる) {
  form.START_Click();
  打つ(歩, 5, 5);
  打つ(歩, 5, 4);
  打つ(金, 4, 5);
  form.REPLAY_Click();
  忘れる();
  platform.fileToSave = (scratch.path() / "game.brenvolt").string();
  form.SAVE_Click();
  EXPECT_EQ(platform.dialogs,
            std::vector<std::string>{"save: 棋譜を保存 [brenvolt-2025-01-31.brenvolt]"});
  EXPECT_TRUE(箱().empty());
  EXPECT_TRUE(canvas.calls.empty());
  EXPECT_EQ(中身(*platform.fileToSave),
            "# Brenvolt record\n# mode: people\n# result: none\n"
            "# date: 2025-01-31T14:05:00+09:00\n# cursor: 2\n"
            "position startpos moves P*5e P*5d G*6e\n");
}

TEST_F(GameRecords, 対局がなければ保存も棋譜のコピーもできない) {
  form.SAVE_Click();
  form.COPY_RECORD_Click();
  EXPECT_EQ(箱(), (std::vector<ShownBox>{箱("保存する対局がありません", "棋譜を保存"),
                                         箱("保存する対局がありません", "棋譜をコピー")}));
  EXPECT_EQ(鳴った(禁止), 2);
  EXPECT_TRUE(platform.dialogs.empty());
  EXPECT_EQ(platform.clipboard, "");
  // The position can always be copied.
  form.COPY_POSITION_Click();
  EXPECT_EQ(platform.clipboard, notation::kStartPosition);
}

TEST_F(GameRecords, 保存できなければ理由を出し元のファイルは残る) {
  form.START_Click();
  打つ(歩, 5, 5);
  std::filesystem::create_directories(scratch.path() / "taken.brenvolt" / "x");
  platform.fileToSave = (scratch.path() / "taken.brenvolt").string();
  忘れる();
  form.SAVE_Click();
  ASSERT_EQ(箱().size(), 1u);
  EXPECT_EQ(箱()[0].title, "棋譜を保存");
  EXPECT_EQ(箱()[0].text.rfind("保存できません: taken.brenvolt: ", 0), 0u) << 箱()[0].text;
  EXPECT_EQ(鳴った(禁止), 1);
  EXPECT_TRUE(std::filesystem::is_directory(scratch.path() / "taken.brenvolt" / "x"));
}

TEST_F(GameRecords, 開いた棋譜は手数と各手番の最後の手まで指した時のとおりに描かれる) {
  開くファイル("game.brenvolt", "position startpos moves P*5e P*5d G*6e\n");
  form.OPEN_Click();
  EXPECT_EQ(platform.dialogs, std::vector<std::string>{"open: 棋譜を開く"});
  EXPECT_TRUE(platform.confirmations.empty()) << "no game was running";
  EXPECT_EQ(form.局.対局中, 有);
  EXPECT_EQ(form.局.手番, 手番_後手);
  EXPECT_EQ(form.局.手数, 3);
  EXPECT_EQ(form.局.盤面[4][5], 先手_金);
  EXPECT_EQ(sound.played(), std::vector<int>{駒打});
  // 先手's last move 金 to column 6 row 五, 後手's 歩 to column 5 row 四, and the count.
  for (const char* text : {"６", "五", "金", "５", "四", "歩", " 3 ", "手目"}) {
    EXPECT_TRUE(書いた(text)) << text;
  }
  EXPECT_EQ(form.局.先手持駒数[金], 0);
  EXPECT_EQ(form.局.後手持駒数[歩], 1);

  忘れる();
  打つ(歩, 1, 1);
  EXPECT_EQ(form.局.手数, 4) << "the game plays on";
  form.REPLAY_Click();
  form.REPLAY_Click();
  EXPECT_EQ(form.局.盤面[4][5], 空);
}

TEST_F(GameRecords, 終わった対局は終わったまま開き戻すと続き進めるとまた勝つ) {
  form.START_Click();
  先手が五つ並べて勝つ();
  const 対局 won = form.対局の写し();
  form.COPY_RECORD_Click();
  form.CANCEL_Click();
  忘れる();
  form.PASTE_Click();
  EXPECT_EQ(対局の違い(form.対局の写し(), won), "");
  EXPECT_EQ(form.局.対局中, 無);
  押す(1, 1);
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("「対局」で始めて下さい", "開始")});
  form.REPLAY_Click();
  EXPECT_EQ(form.局.対局中, 有);
  EXPECT_EQ(form.局.手番, 手番_先手);
  忘れる();
  form.AFTER_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("先手の勝ちです", "終了")});
}

TEST_F(GameRecords, 対局中に開くと確かめてからにしやめれば何も変わらない) {
  form.SENTE_Click();
  打つ(金, 5, 5);
  押す(先手持駒列, 2);  // a piece chosen, waiting for its destination
  開くファイル("game.brenvolt", "# mode: computer-b\nposition startpos moves P*5e P*5d\n");
  const 全状態 前 = 今の状態();
  忘れる();
  platform.confirmAnswer = false;
  form.OPEN_Click();
  EXPECT_EQ(platform.confirmations,
            std::vector<ShownBox>{箱("対局中です。今の対局をやめて開きますか？", "棋譜を開く")});
  変わっていない(前);
  EXPECT_TRUE(sound.played().empty());

  platform.confirmAnswer = true;
  form.OPEN_Click();
  EXPECT_EQ(form.試合.対局モード, モード_COM);
  EXPECT_EQ(form.試合.COM側, 手番_先手);
  EXPECT_EQ(form.試合.人間側, 手番_後手);
  EXPECT_EQ(form.試合.人間歩, 後手_歩);
  EXPECT_EQ(form.局.手番, 手番_先手);
  EXPECT_EQ(form.入力段階, 0);
  EXPECT_EQ(最後の輪郭色(5, 4), 背景色) << "the person made the last move";
  // The computer is to move: the next press lets it.
  忘れる();
  押す(1, 1);
  EXPECT_EQ(form.局.手数, 3);
  EXPECT_EQ(form.局.手番, 手番_後手);
  EXPECT_EQ(最後の輪郭色(form.記録.記録_先X[3], form.記録.記録_先Y[3]), 色_白);
}

TEST_F(GameRecords, 棋譜の強さは開くと選ばれ保存し直しても残る) {
  // A record from the days of four levels names とても強い as level 2.
  platform.clipboard = "# mode: computer-w\n# level: 2\nposition startpos moves P*5e P*5c";
  form.PASTE_Click();
  EXPECT_TRUE(platform.menuChecked("TOTEMO"));
  form.COPY_RECORD_Click();
  EXPECT_NE(platform.clipboard.find("# strength: TOTEMO\n"), std::string::npos)
      << platform.clipboard;
  form.CANCEL_Click();
  form.PASTE_Click();
  EXPECT_TRUE(platform.menuChecked("TOTEMO")) << "read back as it was written";
  form.CANCEL_Click();
  form.強さ_Click(強さ_標準);
  form.SENTE_Click();
  打つ(歩, 5, 5);
  form.COPY_RECORD_Click();
  EXPECT_NE(platform.clipboard.find("# strength: HYOUJUN\n"), std::string::npos)
      << platform.clipboard;
}

TEST_F(GameRecords, 強さの範囲外の棋譜は開かない) {
  platform.clipboard = "# mode: computer-w\n# level: 5\nposition startpos moves P*5e";
  form.PASTE_Click();
  EXPECT_EQ(form.局.手数, 0);
}

TEST_F(GameRecords, 計算機の最後の手は開いた後も白く囲まれる) {
  form.GOTE_Click();
  const int x = form.記録.記録_先X[1], y = form.記録.記録_先Y[1];
  form.COPY_RECORD_Click();
  form.CANCEL_Click();
  忘れる();
  form.PASTE_Click();
  EXPECT_EQ(最後の輪郭色(x, y), 色_白);
  EXPECT_EQ(form.局.手番, 手番_後手);
}

TEST_F(GameRecords, 計算機が指せずにパスした番は棋譜にパスと書かれる) {
  // 後手, the computer, has every piece boxed into a corner and nothing in hand.
  platform.clipboard =
      "# mode: computer-w\nposition sfen 9/9/9/9/9/9/5Gnnl/4Srlpp/4Kkgsb w RB2N2L2P 2";
  form.PASTE_Click();
  押す(1, 1);  // the computer's turn: it finds no move
  ASSERT_EQ(form.局.手番, 手番_先手);
  打つ(歩, 5, 5);
  ASSERT_EQ(form.局.手番, 手番_先手) << "the computer passed again";
  form.COPY_RECORD_Click();
  EXPECT_NE(platform.clipboard.find(" moves P*5e pass\n"), std::string::npos) << platform.clipboard;
  const 対局 before = form.対局の写し();
  form.CANCEL_Click();
  form.PASTE_Click();
  EXPECT_EQ(対局の違い(form.対局の写し(), before), "");
}

TEST_F(GameRecords, 断った棋譜は理由を示し対局も描画もそのまま) {
  form.START_Click();
  打つ(金, 5, 5);
  押す(後手持駒列, 8);
  const 全状態 前 = 今の状態();
  const std::pair<std::string, std::string> cases[] = {
      {"position startpos moves P*5e P*1b P*5g\n", "bad.brenvolt: 1行目 3手目 P*5g: 二歩"},
      {"# \xff\nposition startpos\n", "bad.brenvolt: 1行目: UTF-8 ではありません"},
      {std::string(notation::kRecordSizeLimit + 1, '#'),
       "bad.brenvolt: 大きすぎます (256 KiB まで)"},
      {"position sfen 9/9 b - 1\n",
       "bad.brenvolt: 1行目: 局面が読めません (the board needs 9 rows)"},
  };
  for (const auto& [text, reason] : cases) {
    開くファイル("bad.brenvolt", text);
    忘れる();
    form.OPEN_Click();
    EXPECT_EQ(箱(), std::vector<ShownBox>{箱(reason, "棋譜を開く")});
    EXPECT_EQ(sound.played(), std::vector<int>{禁止});
    EXPECT_TRUE(platform.confirmations.empty()) << "nothing to confirm for a bad record";
    変わっていない(前);
  }
  platform.fileToOpen = (scratch.path() / "missing.brenvolt").string();
  忘れる();
  form.OPEN_Click();
  EXPECT_EQ(箱(),
            std::vector<ShownBox>{箱("missing.brenvolt: ファイルがありません", "棋譜を開く")});
  変わっていない(前);

  platform.clipboard = "position startpos moves P*5e P*5e";
  忘れる();
  form.PASTE_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("1行目 2手目 P*5e: 駒のある桝です", "貼り付け")});
  変わっていない(前);
  platform.clipboard = " \n";
  忘れる();
  form.PASTE_Click();
  EXPECT_EQ(箱(), std::vector<ShownBox>{箱("貼り付ける局面がありません", "貼り付け")});
  変わっていない(前);
  // A cancelled dialog does nothing at all.
  platform.fileToOpen.reset();
  忘れる();
  form.OPEN_Click();
  EXPECT_TRUE(箱().empty());
  変わっていない(前);
}

TEST_F(GameRecords, 写した局面を貼ると二人の対局がその局面から始まる) {
  form.START_Click();
  打つ(歩, 5, 5);
  打つ(金, 5, 4);
  form.COPY_POSITION_Click();
  EXPECT_EQ(platform.clipboard, "9/9/9/4g4/4P4/9/9/9/9 b KRBGS2N2LPkrbs2n2l2p 3");
  form.CANCEL_Click();
  form.PASTE_Click();
  EXPECT_EQ(form.局.盤面[5][4], 後手_金);
  EXPECT_EQ(form.局.手数, 2);
  EXPECT_EQ(form.記録.記録_開始手数, 2);
  EXPECT_EQ(form.記録.記録終端, 0);
  EXPECT_EQ(form.試合.対局モード, モード_人間);
  EXPECT_TRUE(書いた(" 2 "));
  打つ(飛, 1, 1);
  EXPECT_EQ(form.局.手数, 3);
  EXPECT_EQ(form.記録.記録数, 1);
  form.REPLAY_Click();
  form.REPLAY_Click();
  EXPECT_EQ(form.局.手数, 2) << "the set-up position is the start of the record";
}

}  // namespace
}  // namespace brenvolt::testing
