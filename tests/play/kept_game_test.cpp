// The unfinished game kept between runs: written when the program ends during a game, removed
// when the game is over or given up, and opened again by 前回の対局を再開.
#include <filesystem>
#include <fstream>
#include <sstream>

#include "notation/record_file.h"
#include "tests/play/play_fixture.h"
#include "tests/support/game_difference.h"
#include "tests/support/scratch_folder.h"
#include "window/last_game_file.h"

namespace brenvolt::testing {
namespace {

// A window of the next run, given the kept game's file.
struct 次の窓 {
  explicit 次の窓(const std::filesystem::path& ファイル) {
    form.Form_Load();
    form.前回の対局を置く(ファイル);
  }
  RecordingCanvas canvas;
  RecordingPlatform platform;
  RecordingSound sound;
  Form1 form{canvas, platform, sound};
};

class KeptGame : public PlayTest {
 protected:
  KeptGame() { form.前回の対局を置く(ファイル); }

  std::optional<対局> 読む() const {
    std::ifstream in(ファイル, std::ios::binary);
    if (!in) return std::nullopt;
    std::stringstream text;
    text << in.rdbuf();
    対局 game;
    notation::RecordError error;
    EXPECT_TRUE(notation::read_record(text.str(), game, error)) << notation::describe(error);
    return game;
  }
  void 途中まで指す() {
    form.START_Click();
    打つ(歩, 5, 5);
    打つ(金, 4, 4);
    打つ(飛, 6, 3);
  }

  ScratchFolder scratch;
  const std::filesystem::path ファイル =
      前回の対局ファイル((scratch.path() / "state").c_str(), "/nowhere");
};

TEST(前回の対局ファイル, 状態の置場はXDGに従い相対の置場は無視する) {
  EXPECT_EQ(前回の対局ファイル("/s", "/h"), "/s/brenvolt/last.brenvolt");
  EXPECT_EQ(前回の対局ファイル(nullptr, "/h"), "/h/.local/state/brenvolt/last.brenvolt");
  EXPECT_EQ(前回の対局ファイル("", "/h"), "/h/.local/state/brenvolt/last.brenvolt");
  EXPECT_EQ(前回の対局ファイル("state", "/h"), "/h/.local/state/brenvolt/last.brenvolt");
  EXPECT_EQ(前回の対局ファイル(nullptr, nullptr), "");
}

TEST_F(KeptGame, 対局中にEscで終わると同じ局面に開く棋譜が残り再開できる) {
  EXPECT_FALSE(platform.menuEnabled("RESUME"));
  途中まで指す();
  form.REPLAY_Click();  // a move taken back is kept too, for 進
  const 対局 指した = form.対局の写し();
  form.Form_KeyDown(キー_Esc);
  EXPECT_EQ(platform.quits, 1);
  const auto 残った = 読む();
  ASSERT_TRUE(残った);
  EXPECT_EQ(対局の違い(*残った, 指した), "");
  EXPECT_EQ(残った->記録.記録終端, 3);

  // The next run offers it and opens it like a record.
  次の窓 次(ファイル);
  EXPECT_TRUE(次.platform.menuEnabled("RESUME"));
  次.form.RESUME_Click();
  EXPECT_EQ(対局の違い(次.form.対局の写し(), 指した), "");
  EXPECT_TRUE(次.platform.boxes.empty());
  EXPECT_FALSE(std::filesystem::exists(ファイル)) << "the game is on the board now";
  EXPECT_FALSE(次.platform.menuEnabled("RESUME"));
}

TEST_F(KeptGame, 終わった対局は残さない) {
  form.START_Click();
  form.Form_Unload();
  ASSERT_TRUE(std::filesystem::exists(ファイル)) << "a game without a move is a game too";
  先手が五つ並べて勝つ();
  EXPECT_FALSE(std::filesystem::exists(ファイル));
  EXPECT_FALSE(platform.menuEnabled("RESUME"));
  form.OWARI_Click();
  EXPECT_FALSE(std::filesystem::exists(ファイル));
}

TEST_F(KeptGame, 最初と新しい対局と別の棋譜では残した対局を消す) {
  途中まで指す();
  form.Form_Unload();
  form.CANCEL_Click();
  EXPECT_FALSE(std::filesystem::exists(ファイル)) << "最初";

  void (Form1::*const 始め方[])() = {&Form1::START_Click, &Form1::SENTE_Click, &Form1::GOTE_Click,
                                     &Form1::PASTE_Click};
  for (const auto 始める : 始め方) {
    scratch.write("state/brenvolt/last.brenvolt", "position startpos moves P*5e\n");
    次の窓 次(ファイル);
    次.platform.clipboard = "position startpos moves P*5e P*5d";
    (次.form.*始める)();
    EXPECT_FALSE(std::filesystem::exists(ファイル));
    EXPECT_FALSE(次.platform.menuEnabled("RESUME"));
  }
}

TEST_F(KeptGame, 対局がない時に終わっても残した対局はそのまま) {
  途中まで指す();
  form.Form_Unload();
  const auto 前 = 読む();
  form.局.対局中 = 無;  // a window where no game runs
  form.Form_Unload();
  const auto 後 = 読む();
  ASSERT_TRUE(前 && 後);
  EXPECT_EQ(対局の違い(*前, *後), "");
}

TEST_F(KeptGame, 書けない置場でも終わる) {
  scratch.write("state", "a file where the folder should be");
  途中まで指す();
  忘れる();
  ::testing::internal::CaptureStderr();
  form.Form_KeyDown(キー_Esc);
  const std::string 標準エラー = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(platform.quits, 1);
  EXPECT_TRUE(箱().empty());
  EXPECT_NE(標準エラー.find("cannot be kept"), std::string::npos) << 標準エラー;
}

TEST_F(KeptGame, 置場がなければ何も書かない) {
  form.前回の対局を置く({});
  途中まで指す();
  form.OWARI_Click();
  EXPECT_EQ(platform.quits, 1);
  EXPECT_FALSE(std::filesystem::exists(scratch.path() / "state"));
}

}  // namespace
}  // namespace brenvolt::testing
