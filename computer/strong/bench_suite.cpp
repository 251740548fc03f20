#include "computer/strong/bench_suite.h"

#include <chrono>
#include <cstdint>

#include "computer/strong/searcher.h"

namespace brenvolt {

namespace {

void add_text(std::uint64_t& hash, int value) {
  for (int i = 0; i < 4; ++i) {
    hash ^= static_cast<std::uint64_t>((static_cast<unsigned>(value) >> (8 * i)) & 0xff);
    hash *= 0x100000001b3ULL;
  }
}

}  // namespace

探索ベンチ結果 search_bench(const std::vector<対局状態>& positions, int depth) {
  探索ベンチ結果 result;
  result.signature = 0xcbf29ce484222325ULL;
  const auto started = std::chrono::steady_clock::now();
  Searcher searcher;
  const std::atomic<bool> stop{false};
  for (const 対局状態& position : positions) {
    searcher.clear();
    const auto move = searcher.think(position, position.手番, {depth, 0, 0}, stop);
    result.nodes += searcher.nodes();
    ++result.positions;
    const 着手 chosen = move.value_or(着手{});
    for (int v : {chosen.元X, chosen.元Y, chosen.先X, chosen.先Y, chosen.置駒}) {
      add_text(result.signature, v);
    }
  }
  result.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
  return result;
}

}  // namespace brenvolt
