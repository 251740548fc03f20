#include "computer/strong/searcher.h"

#include <algorithm>

#include "computer/strong/alpha_beta.h"
#include "computer/strong/helper_threads.h"
#include "game/levels.h"

namespace brenvolt {

namespace {

// A position the search's board cannot hold (a code no move produces, more pieces than a game
// has) is still answered, by the standard computer, whose moves the rules accept too.
std::optional<着手> standard_choice(const 対局状態& position, int COM側) {
  対局状態 trial = position;
  return com_ban_探索(trial, COM側);
}

}  // namespace

探索制限 level_limits(int level) {
  const 強さの段& 段 = 強さの表[std::clamp(level, 1, 強さ_最強)];
  探索制限 limits;
  limits.depth = 段.depth;
  limits.nodes = 段.nodes;
  limits.seconds = 段.seconds;
  limits.grain = 段.grain;
  limits.four_moves = 段.four_moves;
  limits.threat_moves = 段.threat_moves;
  limits.quiescence = 段.quiescence;
  return limits;
}

struct Searcher::Impl {
  explicit Impl(std::size_t hash_mb) : table(hash_mb), alpha_beta(table) {}
  strong::TranspositionTable table;
  strong::AlphaBeta alpha_beta;
  strong::HelperThreads helpers;
  std::uint64_t nodes = 0;
};

Searcher::Searcher(std::size_t hash_mb) : impl_(std::make_unique<Impl>(hash_mb)) {}
Searcher::~Searcher() = default;

void Searcher::set_hash_mb(std::size_t hash_mb) {
  impl_->table.resize(hash_mb);
}

void Searcher::set_threads(int threads) {
  const int helpers = std::clamp(threads, 1, kMaxThreads) - 1;
  if (helpers != impl_->helpers.count()) impl_->helpers.resize(helpers, impl_->table);
}

int Searcher::threads() const {
  return impl_->helpers.count() + 1;
}

void Searcher::clear() {
  impl_->alpha_beta.clear();
}

std::uint64_t Searcher::nodes() const {
  return impl_->nodes;
}

std::optional<着手> Searcher::think(const 対局状態& position, int COM側, const 探索制限& limits,
                                    const std::atomic<bool>& stop,
                                    const std::function<void(const 探索情報&)>& on_info) {
  impl_->nodes = 0;
  // The game's turn accepts no move while no game runs, nor for a side that is no side.
  if (position.対局中 != 有) return std::nullopt;
  if (position.手番 != 手番_先手 && position.手番 != 手番_後手) return std::nullopt;
  if (position.手番 != COM側) return std::nullopt;
  if (position.手数 >= 記録上限) return std::nullopt;
  strong::Board board;
  if (!board.load(position)) return standard_choice(position, COM側);
  const strong::SearchResult result =
      impl_->alpha_beta.run(board, limits, stop, on_info, &impl_->helpers);
  impl_->nodes = result.nodes;
  if (!result.best) return std::nullopt;
  return board.to_game_move(result.best);
}

}  // namespace brenvolt
