// Saved and opened again, a game is the same game: for games of random moves and take-backs,
// between two people and against the computer, finished by a five and drawn at the bound.
#include <random>

#include "game/turn.h"
#include "notation/record_file.h"
#include "tests/play/play_fixture.h"
#include "tests/support/game_difference.h"

namespace brenvolt::testing {
namespace {

class RoundTrip : public PlayTest {
 protected:
  // Plays one random legal move for the side to move with the mouse, the right button where the
  // piece promotes.
  bool 適当に指す(std::mt19937& random) {
    if (form.試合.COMの番()) {
      押す(1, 1);  // lets the computer move
      return true;
    }
    const auto 手 = 指せる手(form.局);
    if (手.empty()) return false;
    const 着手& m = 手[random() % 手.size()];
    押す(m.元X, m.元Y);
    押す(m.先X, m.先Y, m.置駒 != m.移動駒 ? 右ボタン : 左ボタン);
    return true;
  }

  // Saves the game, opens it in a fresh window and compares.
  void 開き直して比べる(const std::string& what) {
    const std::string text = notation::write_record(form.対局の写し(), "");
    RecordingCanvas canvas2;
    RecordingPlatform platform2;
    RecordingSound sound2;
    Form1 other(canvas2, platform2, sound2);
    other.Form_Load();
    platform2.fileToOpen = std::nullopt;
    platform2.clipboard = text;
    other.PASTE_Click();
    EXPECT_TRUE(platform2.boxes.empty()) << what << "\n" << text;
    EXPECT_EQ(対局の違い(other.対局の写し(), form.対局の写し()), "") << what << "\n" << text;
    // The reopened game goes on as the first: one more step each, the same outcome.
    if (form.記録.記録数 < form.記録.記録終端) {
      form.AFTER_Click();
      other.AFTER_Click();
      EXPECT_EQ(対局の違い(other.対局の写し(), form.対局の写し()), "") << what << " after 進";
    }
  }
};

TEST_F(RoundTrip, 適当な対局と戻した手は開き直しても同じ) {
  std::mt19937 random(7);
  for (int game = 0; game < 24; ++game) {
    switch (game % 3) {
      case 0:
        form.START_Click();
        break;
      case 1:
        form.SENTE_Click();
        break;
      default:
        form.GOTE_Click();
    }
    const int steps = std::uniform_int_distribution<int>(1, 50)(random);
    for (int i = 0; i < steps && form.局.対局中 == 有; ++i) {
      const int choice = random() % 10;
      if (choice == 0 && form.記録.記録数 > 0) {
        form.REPLAY_Click();
      } else if (choice == 1 && form.記録.記録数 < form.記録.記録終端) {
        form.AFTER_Click();
      } else if (!適当に指す(random)) {
        break;
      }
    }
    // Every other game ends with moves taken back, finished games among them.
    for (int back = game % 2 == 0 ? 0 : 1 + random() % 3; back > 0 && form.記録.記録数 > 0;
         --back) {
      form.REPLAY_Click();
    }
    開き直して比べる("game " + std::to_string(game));
    form.CANCEL_Click();
    忘れる();
  }
}

TEST_F(RoundTrip, 五並びで終わった対局と戻して続けた対局) {
  form.START_Click();
  先手が五つ並べて勝つ();
  ASSERT_EQ(form.局.対局中, 無);
  開き直して比べる("won");
  form.REPLAY_Click();
  form.REPLAY_Click();
  開き直して比べる("two taken back");
  打つ(銀, 9, 9);
  開き直して比べる("played on after taking back");
}

TEST_F(RoundTrip, 五百手の引き分けも開き直すと引き分けのまま) {
  form.START_Click();
  金を往復させる(記録上限);
  ASSERT_EQ(form.局.手数, 記録上限);
  開き直して比べる("drawn");
  form.REPLAY_Click();
  開き直して比べる("the last move taken back");
}

}  // namespace
}  // namespace brenvolt::testing
