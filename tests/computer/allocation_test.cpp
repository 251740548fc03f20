// The search allocates nothing: this program counts every call of the global operator new.
#include <gtest/gtest.h>

#include <random>

#include "computer/classic/computer.h"
#include "computer/strong/searcher.h"
#include "tests/computer/position.h"
#include "tests/support/allocation_count.h"

namespace brenvolt {
namespace {

TEST(探索の割り当て, 探索は一度もメモリを割り当てない) {
  std::mt19937 rng(99);
  for (int i = 0; i < 200; ++i) {
    対局状態 局 = testing::乱数局面(rng);
    探索統計 統計;
    const long 前 = testing::割り当て数();
    const auto 手 = com_ban_探索(局, 局.手番, &統計);
    const long 後 = testing::割り当て数();
    EXPECT_EQ(後 - 前, 0) << "position " << i;
    (void)手;
  }
}

// The strong search too: its table and move lists are taken when the searcher is made, and
// every think() after that, timed or capped, runs without asking for memory.
TEST(探索の割り当て, 強い探索も一度もメモリを割り当てない) {
  std::mt19937 rng(7);
  Searcher 探索(2);
  const std::atomic<bool> 続行{false};
  for (int i = 0; i < 40; ++i) {
    const 対局状態 局 = testing::乱数局面(rng);
    const long 前 = testing::割り当て数();
    const auto 手 = 探索.think(局, 局.手番, {0, 20000, i % 4 == 0 ? 0.01 : 0}, 続行);
    const long 後 = testing::割り当て数();
    EXPECT_EQ(後 - 前, 0) << "position " << i;
    (void)手;
  }
}

}  // namespace
}  // namespace brenvolt
