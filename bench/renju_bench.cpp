// The renju tests and the score of one candidate, over every drop square of the suite.
#include <benchmark/benchmark.h>

#include <vector>

#include "bench/positions.h"
#include "computer/classic/computer.h"
#include "computer/classic/scoring_board.h"

namespace brenvolt::bench {
namespace {

struct 候補 {
  int 局番号;
  int x;
  int y;
};

// Every empty square next to a piece, in every position of the suite.
std::vector<候補> 打ち候補() {
  std::vector<候補> 一覧;
  const auto& 集 = 局面集();
  for (int i = 0; i < static_cast<int>(集.size()); ++i) {
    for (int x = 1; x <= 盤サイズ; ++x) {
      for (int y = 1; y <= 盤サイズ; ++y) {
        if (集[i].局.盤面[x][y] == 空 && 調査_周囲駒有(集[i].局, x, y) == 有) {
          一覧.push_back({i, x, y});
        }
      }
    }
  }
  return 一覧;
}

int 手持列(int 側) {
  return 側 == 手番_先手 ? 先手持駒列 : 後手持駒列;
}
int 金(int 側) {
  return 側 == 手番_先手 ? 先手_金 : 後手_金;
}

template <class F>
void 全候補(benchmark::State& state, F 問う) {
  std::vector<対局状態> 局一覧;
  for (const auto& 局面 : 局面集()) 局一覧.push_back(局面.局);
  const std::vector<候補> 一覧 = 打ち候補();
  for (auto _ : state) {
    for (const 候補& c : 一覧) benchmark::DoNotOptimize(問う(局一覧[c.局番号], c.x, c.y));
  }
  state.SetItemsProcessed(state.iterations() * static_cast<long>(一覧.size()));
}

void 三三(benchmark::State& state) {
  全候補(state, [](対局状態& 局, int x, int y) {
    return 局.調査_三三(手持列(局.手番), 4, x, y, 局.手番, 金(局.手番));
  });
}

void 四四(benchmark::State& state) {
  全候補(state, [](対局状態& 局, int x, int y) {
    return 局.調査_四四(手持列(局.手番), 4, x, y, 局.手番, 金(局.手番));
  });
}

void 得点(benchmark::State& state) {
  全候補(state, [](対局状態& 局, int x, int y) {
    局.盤面[x][y] = 金(局.手番);
    const int 点 = 調査_得点(局, 局.手番, 手持列(局.手番), 4, x, y);
    局.盤面[x][y] = 空;
    return 点;
  });
}

// Both renju tests and the score on a fresh search board, as the game's search does them
// for a drop square it has not seen yet.
void 探索盤(benchmark::State& state) {
  全候補(state, [](対局状態& 局, int x, int y) {
    classic::ScoringBoard 盤面(局, 局.手番);
    const int p = classic::square(x, y);
    return 盤面.drop_score(p) + (盤面.drop_forbidden(p) ? 1 : 0);
  });
}

BENCHMARK(三三)->Name("renju/調査_三三");
BENCHMARK(四四)->Name("renju/調査_四四");
BENCHMARK(得点)->Name("score/調査_得点");
BENCHMARK(探索盤)->Name("search_board/score_and_refusal_with_setup");

}  // namespace
}  // namespace brenvolt::bench
