// The computer's choice on the fixed suite: each position on its own, both the game's search
// and the step-by-step one, and the median over the suite.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "bench/positions.h"
#include "computer/classic/computer.h"
#include "tests/support/allocation_count.h"
#include "tests/support/reference_search.h"

namespace brenvolt::bench {
namespace {

using 探索関数 = std::optional<着手> (*)(対局状態&, int, 探索統計*);

void 一局面(benchmark::State& state, 探索関数 探索, 対局状態 局) {
  探索統計 統計;
  const long 前 = testing::割り当て数();
  for (auto _ : state) benchmark::DoNotOptimize(探索(局, 局.手番, &統計));
  const auto 回数 = static_cast<double>(state.iterations());
  state.counters["allocs"] = static_cast<double>(testing::割り当て数() - 前) / 回数;
  state.counters["scored"] = static_cast<double>(統計.得点計算数) / 回数;
}

// Times every position of the suite in turn and reports the median and the mean of the
// per-position times, in microseconds.
void 局面集の中央値(benchmark::State& state, 探索関数 探索) {
  std::vector<対局状態> 局一覧;
  for (const auto& 局面 : 局面集()) 局一覧.push_back(局面.局);
  std::vector<double> 合計(局一覧.size(), 0.0);
  for (auto _ : state) {
    for (std::size_t i = 0; i < 局一覧.size(); ++i) {
      const auto 始 = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(探索(局一覧[i], 局一覧[i].手番, nullptr));
      const auto 終 = std::chrono::steady_clock::now();
      合計[i] += std::chrono::duration<double, std::micro>(終 - 始).count();
    }
  }
  std::vector<double> 平均;
  for (double t : 合計) 平均.push_back(t / static_cast<double>(state.iterations()));
  std::sort(平均.begin(), 平均.end());
  const std::size_t n = 平均.size();
  state.counters["median_us"] = n % 2 == 1 ? 平均[n / 2] : (平均[n / 2 - 1] + 平均[n / 2]) / 2;
  double 和 = 0;
  for (double t : 平均) 和 += t;
  state.counters["mean_us"] = 和 / static_cast<double>(n);
  state.counters["max_us"] = 平均.back();
  state.counters["positions"] = static_cast<double>(n);
}

const bool 登録済み = [] {
  benchmark::RegisterBenchmark("suite_median/game", 局面集の中央値, &com_ban_探索)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark("suite_median/reference", 局面集の中央値, &reference::com_ban_探索)
      ->Unit(benchmark::kMicrosecond);
  for (const auto& 局面 : 局面集()) {
    benchmark::RegisterBenchmark(("choice/game/" + 局面.名前).c_str(), 一局面, &com_ban_探索,
                                 局面.局)
        ->Unit(benchmark::kMicrosecond);
  }
  for (const auto& 局面 : 局面集()) {
    benchmark::RegisterBenchmark(("choice/reference/" + 局面.名前).c_str(), 一局面,
                                 &reference::com_ban_探索, 局面.局)
        ->Unit(benchmark::kMicrosecond);
  }
  return true;
}();

}  // namespace
}  // namespace brenvolt::bench
