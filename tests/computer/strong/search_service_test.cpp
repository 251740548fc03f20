// The search service: each search reports its depths and then its best move under its own
// generation; a cancelled or replaced search reports nothing more, a stopped one still answers,
// and searches handed to a runner keep to one at a time on the one searcher.
#include <gtest/gtest.h>

#include <functional>
#include <mutex>
#include <vector>

#include "computer/strong/search_service.h"
#include "tests/computer/strong/positions.h"

namespace brenvolt {
namespace {

const 探索制限 kEndless{};

struct 記録 {
  std::mutex lock;
  std::vector<std::uint64_t> 読み筋の世代;
  std::vector<std::uint64_t> 答えの世代;
  std::vector<std::optional<着手>> 答え;

  探索の報せ先 報せ先() {
    return {[this](std::uint64_t generation, const 探索情報&) {
              const std::lock_guard<std::mutex> hold(lock);
              読み筋の世代.push_back(generation);
            },
            [this](std::uint64_t generation, std::optional<着手> move) {
              const std::lock_guard<std::mutex> hold(lock);
              答えの世代.push_back(generation);
              答え.push_back(move);
            }};
  }
};

TEST(探索サービス, 置き換えた探索は黙り止めた探索は最善手を答える) {
  const 対局 game = testing::局面("9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2");
  SearchService service(1);
  記録 古い;
  記録 新しい;
  const auto 古い世代 = service.start(game.局, kEndless, 古い.報せ先());
  const auto 新しい世代 = service.start(game.局, kEndless, 新しい.報せ先());
  EXPECT_GT(新しい世代, 古い世代);
  EXPECT_TRUE(service.current(新しい世代));
  service.stop();
  service.wait();
  EXPECT_FALSE(service.searching());
  EXPECT_TRUE(古い.答え.empty());
  ASSERT_EQ(新しい.答え.size(), 1u);
  EXPECT_TRUE(新しい.答え[0].has_value());
  EXPECT_EQ(新しい.答えの世代, std::vector<std::uint64_t>{新しい世代});
  for (const auto generation : 新しい.読み筋の世代) EXPECT_EQ(generation, 新しい世代);
}

TEST(探索サービス, 走らせ方を渡すと取り消した探索は何も報せず表は一度だけ作られる) {
  const 対局 game = testing::局面("9/9/9/9/4P4/9/9/9/9 w KRBGS2N2LPkrbgs2n2l2p 2");
  std::vector<std::function<void()>> 預かり;
  SearchService service(1, [&](std::function<void()> search) { 預かり.push_back(search); });
  記録 取り消す;
  記録 答える;
  service.start(game.局, {2, 0, 0}, 取り消す.報せ先());
  EXPECT_FALSE(service.table_made()) << "nothing has searched yet";
  service.cancel();
  const auto 世代 = service.start(game.局, {2, 0, 0}, 答える.報せ先());
  EXPECT_TRUE(service.searching());
  for (auto& search : 預かり) search();
  EXPECT_FALSE(service.searching());
  EXPECT_TRUE(service.table_made());
  EXPECT_TRUE(取り消す.読み筋の世代.empty());
  EXPECT_TRUE(取り消す.答え.empty());
  EXPECT_EQ(答える.読み筋の世代, (std::vector<std::uint64_t>{世代, 世代}));
  ASSERT_EQ(答える.答え.size(), 1u);
  EXPECT_TRUE(答える.答え[0].has_value());
}

}  // namespace
}  // namespace brenvolt
