// The strong computer on its fixed suite: nodes per second, and the time to search each
// position to a fixed depth, with the allocations made meanwhile (there should be none).
#include <benchmark/benchmark.h>

#include <string>

#include "computer/strong/searcher.h"
#include "engine/bench_positions.h"
#include "tests/support/allocation_count.h"

namespace brenvolt::bench {
namespace {

const std::atomic<bool> kGo{false};

// The whole suite to a fixed depth, one fresh search per position.
void 探索_固定深さ(benchmark::State& state) {
  const auto 局一覧 = engine::bench_positions();
  const int 深さ = static_cast<int>(state.range(0));
  Searcher 探索;
  std::uint64_t 節点 = 0;
  const long 前 = testing::割り当て数();
  for (auto _ : state) {
    for (const auto& 局 : 局一覧) {
      探索.clear();
      benchmark::DoNotOptimize(探索.think(局, 局.手番, {深さ, 0, 0}, kGo));
      節点 += 探索.nodes();
    }
  }
  state.counters["nps"] =
      benchmark::Counter(static_cast<double>(節点), benchmark::Counter::kIsRate);
  state.counters["allocs"] =
      static_cast<double>(testing::割り当て数() - 前) / static_cast<double>(state.iterations());
  state.counters["positions"] = static_cast<double>(局一覧.size());
}
BENCHMARK(探索_固定深さ)->Arg(3)->Arg(5)->Unit(benchmark::kMillisecond);

// One position of the suite at a time, for the spread of the time to depth.
void 探索_一局面(benchmark::State& state, 対局状態 局, int 深さ) {
  Searcher 探索;
  std::uint64_t 節点 = 0;
  for (auto _ : state) {
    探索.clear();
    benchmark::DoNotOptimize(探索.think(局, 局.手番, {深さ, 0, 0}, kGo));
    節点 += 探索.nodes();
  }
  state.counters["nps"] =
      benchmark::Counter(static_cast<double>(節点), benchmark::Counter::kIsRate);
}

const bool 登録済み = [] {
  const auto 局一覧 = engine::bench_positions();
  for (std::size_t i = 0; i < 局一覧.size(); i += 4) {
    benchmark::RegisterBenchmark(("search_depth5/position" + std::to_string(i)).c_str(),
                                 探索_一局面, 局一覧[i], 5)
        ->Unit(benchmark::kMillisecond);
  }
  return true;
}();

}  // namespace
}  // namespace brenvolt::bench
