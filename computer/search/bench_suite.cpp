#include "computer/search/bench_suite.h"

#include <chrono>
#include <cstdint>
#include <memory>

#include "computer/search/board.h"
#include "computer/search/move_list.h"
#include "computer/search/rules.h"
#include "computer/search/searcher.h"
#include "game/match.h"
#include "game/split_mix.h"

namespace brenvolt {

namespace {

constexpr int kPositions = 24;

// Plays `plies` random legal moves on the game's own state, kept only if nobody has won.
bool random_game(対局状態& position, int plies, SplitMix64& random) {
  auto list = std::make_unique<strong::MoveList>();
  for (int i = 0; i < plies; ++i) {
    strong::Board board;
    if (!board.load(position)) return false;
    strong::generate_legal(board, *list);
    if (list->size == 0) return false;
    const strong::Move m = list->moves[random.next() % static_cast<std::uint64_t>(list->size)];
    const 着手 move = board.to_game_move(m);
    const strong::Colour mover = board.side_to_move();
    board.make(m);
    if (strong::move_won(board, mover, strong::source_of(m), m.to())) return false;
    position.駒移動(move.元X, move.元Y, move.先X, move.先Y, move.置駒);
    position.手数 += 1;
    position.手番 = position.手番 == 手番_先手 ? 手番_後手 : 手番_先手;
  }
  return true;
}

void add_text(std::uint64_t& hash, int value) {
  for (int i = 0; i < 4; ++i) {
    hash ^= static_cast<std::uint64_t>((static_cast<unsigned>(value) >> (8 * i)) & 0xff);
    hash *= 0x100000001b3ULL;
  }
}

}  // namespace

std::vector<対局状態> search_bench_positions() {
  std::vector<対局状態> positions;
  SplitMix64 random(20240601);
  while (static_cast<int>(positions.size()) < kPositions) {
    対局 game;
    game.開始();
    対局状態& position = game.局;
    const int plies = 6 + static_cast<int>(positions.size()) * 2;
    if (random_game(position, plies, random)) positions.push_back(position);
  }
  return positions;
}

探索ベンチ結果 search_bench(int depth) {
  探索ベンチ結果 result;
  result.signature = 0xcbf29ce484222325ULL;
  const auto started = std::chrono::steady_clock::now();
  Searcher searcher;
  const std::atomic<bool> stop{false};
  for (const 対局状態& position : search_bench_positions()) {
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
