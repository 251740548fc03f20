// The search allocates nothing: this program counts every call of the global operator new.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>

#include "computer/computer.h"
#include "tests/computer/position.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
  allocations.fetch_add(1, std::memory_order_relaxed);
  if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
  throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
  std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
  std::free(p);
}

namespace brenvolt {
namespace {

TEST(探索の割り当て, 探索は一度もメモリを割り当てない) {
  std::mt19937 rng(99);
  for (int i = 0; i < 200; ++i) {
    対局状態 局 = testing::乱数局面(rng);
    探索統計 統計;
    const long 前 = allocations.load();
    const auto 手 = com_ban_探索(局, &統計);
    const long 後 = allocations.load();
    EXPECT_EQ(後 - 前, 0) << "position " << i;
    (void)手;
  }
}

}  // namespace
}  // namespace brenvolt
