// The panel's move list: what it shows of the match, going to a move of it at once, and the
// end of a game kept marked on the board while the panel is open.
#include <algorithm>
#include <map>
#include <tuple>

#include "tests/support/random_match.h"
#include "tests/window/form1_fixture.h"
#include "window/panel_contents.h"

namespace brenvolt::testing {
namespace {

対局 五で終わる対局() {
  対局 game;
  for (std::uint64_t seed = 1; !game.勝負あり(); ++seed) game = 乱数対局(seed, 200);
  return game;
}

// What the recorded calls leave visible: the last picture and the texts at each point, the
// last outline of each rectangle. A filled box erases the texts, pictures and outlines it
// covers; a picture covers the outline of its own square.
struct 見た目 {
  std::map<std::pair<double, double>, PictureId> 絵;
  std::map<std::pair<double, double>, std::vector<std::tuple<std::string, int, int, bool>>> 文字;
  std::map<std::tuple<double, double, double, double>, int> 輪郭;
  bool operator==(const 見た目&) const = default;
};

// Adds the calls from `from` on to `v`.
void 見た目に足す(見た目& v, const std::vector<DrawCall>& calls, std::size_t from) {
  const auto 中 = [](const DrawCall& box, double x, double y) {
    return x >= box.x && x < box.x + box.w && y >= box.y && y < box.y + box.h;
  };
  for (std::size_t i = from; i < calls.size(); ++i) {
    const DrawCall& c = calls[i];
    switch (c.kind) {
      case DrawCall::Fill:
        std::erase_if(v.絵, [&](const auto& e) { return 中(c, e.first.first, e.first.second); });
        std::erase_if(v.文字, [&](const auto& e) { return 中(c, e.first.first, e.first.second); });
        std::erase_if(v.輪郭, [&](const auto& e) {
          const auto& [x, y, w, h] = e.first;
          return 中(c, x, y) && x + w <= c.x + c.w && y + h <= c.y + c.h;
        });
        break;
      case DrawCall::Outline:
        v.輪郭[{c.x, c.y, c.w, c.h}] = c.colour;
        break;
      case DrawCall::Text:
        v.文字[{c.x, c.y}].emplace_back(c.text, c.colour, c.points, c.bold);
        break;
      case DrawCall::Picture:
        v.絵[{c.x, c.y}] = c.picture;
        v.文字.erase({c.x, c.y});
        v.輪郭.erase({c.x, c.y, 桝幅, 桝高});
        break;
      case DrawCall::Refresh:
        break;
    }
  }
}

見た目 見た目を作る(const std::vector<DrawCall>& calls) {
  見た目 v;
  見た目に足す(v, calls, 0);
  return v;
}

// Two windows with the same game: one goes to moves through the list, the other steps there
// with 戻 and 進.
struct 二つの窓 {
  RecordingCanvas canvas[2];
  RecordingPlatform platform[2];
  RecordingSound sound[2];
  Form1 list{canvas[0], platform[0], sound[0]};
  Form1 steps{canvas[1], platform[1], sound[1]};

  explicit 二つの窓(const 対局& game, bool 棋譜欄) {
    for (Form1* form : {&list, &steps}) {
      form->棋譜欄あり = 棋譜欄;
      form->Form_Load_画面();
      form->対局を復元(game);
    }
  }

  void 行く(int 手目) {
    list.手目へ(手目);
    while (steps.記録.記録数 > 手目) steps.REPLAY_Click();
    while (steps.記録.記録数 < 手目) steps.AFTER_Click();
    for (int i = 0; i < 2; ++i) {
      見た目に足す(見た[i], canvas[i].calls, 見た数[i]);
      見た数[i] = canvas[i].calls.size();
    }
  }

  // What each window shows, kept up with its calls.
  見た目 見た[2];
  std::size_t 見た数[2] = {0, 0};
};

TEST(棋譜欄, どの手へ行っても戻と進で一手ずつ行ったのと同じ局面と絵になる) {
  SplitMix64 random(2024);
  std::vector<対局> games;
  for (std::uint64_t seed = 1; seed <= 6; ++seed)
    games.push_back(乱数対局(seed, 10 + static_cast<int>(random.below(50))));
  games.push_back(五で終わる対局());
  for (const 対局& game : games) {
    for (const bool 棋譜欄 : {false, true}) {
      二つの窓 w(game, 棋譜欄);
      std::vector<int> 順(static_cast<std::size_t>(game.記録.記録終端) + 1);
      for (std::size_t i = 0; i < 順.size(); ++i) 順[i] = static_cast<int>(i);
      // Every move, in an order that goes back and forth by long and short steps.
      for (std::size_t i = 順.size(); i > 1; --i) std::swap(順[i - 1], 順[random.below(i)]);
      for (const int k : 順) {
        w.行く(k);
        ASSERT_EQ(w.list.試合, w.steps.試合) << "move " << k;
        ASSERT_EQ(w.list.入力段階, w.steps.入力段階);
        ASSERT_TRUE(w.見た[0] == w.見た[1]) << "move " << k << " of " << game.記録.記録終端;
      }
      // Going there makes no sound and opens no box.
      EXPECT_EQ(w.sound[0].played().size(), 1u);  // the piece sound of the opened record
      EXPECT_TRUE(w.platform[0].boxes.empty());
    }
  }
}

// Plays the side to move's move of `駒` to (x, y), from the hand when `打つ`.
void 指す(対局& game, int x, int y, int 駒, bool 打つ) {
  for (const 着手& m : 指せる手(game.局)) {
    const bool 打ち = m.元X == 先手持駒列 || m.元X == 後手持駒列;
    if (m.先X == x && m.先Y == y && m.置駒 == 駒 && 打ち == 打つ) {
      game.指す(m);
      return;
    }
  }
  FAIL() << "no such move";
}

TEST(棋譜欄, 行は開始局面と各手で戻した手は戻したと分かる) {
  対局 game;
  game.開始();
  指す(game, 5, 5, 先手_金, true);
  指す(game, 3, 3, 後手_歩, true);
  指す(game, 5, 4, 先手_金, false);
  game.戻す();
  const 棋譜欄の内容 c = 棋譜欄を作る(game);
  ASSERT_EQ(c.行.size(), 4u);
  EXPECT_EQ(c.行[0].表記.japanese(), "開始局面");
  EXPECT_EQ(c.行[1].表記.japanese(), "1 ▲５五金");
  EXPECT_EQ(c.行[2].表記.japanese(), "2 △７三歩");
  EXPECT_EQ(c.行[3].表記.japanese(), "3 ▲５四金");
  EXPECT_EQ(c.現在, 2);
  EXPECT_FALSE(c.行[2].戻した);
  EXPECT_TRUE(c.行[3].戻した);
  EXPECT_EQ(c.状況.japanese(), "先手の番です");
}

TEST(棋譜欄, 状況は番か勝者か引き分けを言う) {
  EXPECT_EQ(棋譜欄を作る(対局{}).状況.japanese(), "「対局」で始めて下さい");
  const 対局 won = 五で終わる対局();
  EXPECT_EQ(棋譜欄を作る(won).状況.japanese(),
            won.勝者 == 手番_先手 ? "先手の勝ちです" : "後手の勝ちです");
  対局 drawn;
  drawn.開始();
  drawn.局.手数 = 記録上限 - 1;
  drawn.記録.記録_開始手数 = 記録上限 - 1;
  drawn.指す(指せる手(drawn.局).front());
  drawn.局.対局中 = 無;  // as the window ends a game at the bound
  drawn.局.手番 = 手番_なし;
  EXPECT_EQ(棋譜欄を作る(drawn).状況.japanese(), "引き分けです");
}

// With the panel open the five stays outlined after the box, which opened clear of it; the
// next take-back erases the outline. Without the panel the classic end is unchanged.
TEST(棋譜欄, 勝った五は箱の後も囲まれ箱は五を避ける) {
  const 対局 game = 五で終わる対局();
  for (const bool 棋譜欄 : {false, true}) {
    二つの窓 w(game, 棋譜欄);
    Form1& form = w.steps;
    form.REPLAY_Click();
    w.canvas[1].clear();
    form.AFTER_Click();
    ASSERT_EQ(w.platform[1].boxes.size(), 1u);
    const auto 五 = form.最後の手の五();
    ASSERT_TRUE(五);
    const 見た目 v = 見た目を作る(w.canvas[1].calls);
    for (const auto& [x, y] : *五) {
      const int 色 = v.輪郭.at({桝点X(x), 桝点Y(y), 桝幅, 桝高});
      EXPECT_EQ(色, 棋譜欄 ? 五の輪郭色 : 背景色);
    }
    if (!棋譜欄) {
      EXPECT_TRUE(w.platform[1].avoided.empty());
      continue;
    }
    ASSERT_EQ(w.platform[1].avoided.size(), 1u);
    const TwipsRect& r = w.platform[1].avoided[0];
    for (const auto& [x, y] : *五) {
      EXPECT_GE(桝点X(x), r.x);
      EXPECT_LE(桝点X(x) + 桝幅, r.x + r.w);
      EXPECT_GE(桝点Y(y), r.y);
      EXPECT_LE(桝点Y(y) + 桝高, r.y + r.h);
    }
    EXPECT_LE(r.w * r.h, 5.0 * 桝幅 * 5 * 桝高);
    form.REPLAY_Click();
    const 見た目 after = 見た目を作る(w.canvas[1].calls);
    for (const auto& [x, y] : *五)
      EXPECT_EQ(after.輪郭.at({桝点X(x), 桝点Y(y), 桝幅, 桝高}), 背景色);
  }
}

}  // namespace
}  // namespace brenvolt::testing
