// The search allocates nothing: this program counts every call of the global operator new.
#include <gtest/gtest.h>

#include <random>

#include "computer/computer.h"
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
    const auto 手 = com_ban_探索(局, &統計);
    const long 後 = testing::割り当て数();
    EXPECT_EQ(後 - 前, 0) << "position " << i;
    (void)手;
  }
}

}  // namespace
}  // namespace brenvolt
