#include "window/computer_player.h"

#include <algorithm>
#include <mutex>
#include <utility>

namespace brenvolt {

// What a search thread uses. A cancelled search may still be winding down when the next one
// starts, so the searcher is taken under the lock; the pieces live as long as any search or
// this object needs them.
struct ComputerPlayer::Shared {
  std::mutex in_use;
  std::unique_ptr<Searcher> searcher;
};

namespace {

template <typename Number>
Number tighter(Number cap, Number budget) {
  if (cap == 0) return budget;
  if (budget == 0) return cap;
  return std::min(cap, budget);
}

}  // namespace

ComputerPlayer::ComputerPlayer(Platform& platform)
    : platform_(platform), shared_(std::make_shared<Shared>()) {}

ComputerPlayer::~ComputerPlayer() {
  cancel();
}

void ComputerPlayer::set_level(int level) {
  level_ = std::clamp(level, 強さ_標準, 強さ_最強);
}

探索制限 ComputerPlayer::limits_for(int level) const {
  const 探索制限 budget = level_limits(level);
  return {tighter(caps_.depth, budget.depth), tighter(caps_.nodes, budget.nodes),
          tighter(caps_.seconds, budget.seconds)};
}

void ComputerPlayer::start(const 対局状態& position, const 探索制限& limits, Answer answer) {
  cancel();
  stop_ = std::make_shared<std::atomic<bool>>(false);
  thinking_ = true;
  const std::uint64_t generation = ++generation_;
  auto found = std::make_shared<std::optional<着手>>();
  auto work = [shared = shared_, stop = stop_, position, limits, found, hash_mb = hash_mb_] {
    const std::lock_guard<std::mutex> lock(shared->in_use);
    if (stop->load()) return;
    if (!shared->searcher) shared->searcher = std::make_unique<Searcher>(hash_mb);
    *found = shared->searcher->think(position, position.手番, limits, *stop);
  };
  auto done = [this, alive = std::weak_ptr<int>(alive_), generation, found,
               answer = std::move(answer)] {
    if (alive.expired()) return;
    answered(generation, *found, answer);
  };
  platform_.runInBackground(std::move(work), std::move(done));
}

void ComputerPlayer::answered(std::uint64_t generation, const std::optional<着手>& move,
                              const Answer& answer) {
  if (generation != generation_ || !thinking_) return;
  thinking_ = false;
  stop_.reset();
  answer(move);
}

void ComputerPlayer::cancel() {
  if (!thinking_) return;
  stop_->store(true);
  stop_.reset();
  ++generation_;
  thinking_ = false;
}

}  // namespace brenvolt
