#include "window/computer_player.h"

#include <algorithm>
#include <utility>

namespace brenvolt {

// A search's answer, left by the search thread for the user-interface thread, which reads it
// only after the platform has seen the work end.
struct ComputerPlayer::Found {
  bool ended = false;
  std::uint64_t generation = 0;
  std::optional<着手> move;
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
    : platform_(platform), service_(kDefaultTableMb, [this](std::function<void()> search) {
        platform_.runInBackground(std::move(search), std::exchange(next_done_, {}));
      }) {
  service_.set_threads(machine_threads());
}

void ComputerPlayer::set_caps(const 探索制限& caps) {
  caps_ = caps;
  const bool repeatable = caps.depth > 0 || caps.nodes > 0;
  service_.set_threads(repeatable ? 1 : machine_threads());
}

ComputerPlayer::~ComputerPlayer() {
  cancel();
}

void ComputerPlayer::set_level(int level) {
  level_ = std::clamp(level, 強さ_標準, 強さ_最強);
}

探索制限 ComputerPlayer::limits_for(int level) const {
  探索制限 limits = level_limits(level);
  limits.depth = tighter(caps_.depth, limits.depth);
  limits.nodes = tighter(caps_.nodes, limits.nodes);
  limits.seconds = tighter(caps_.seconds, limits.seconds);
  return limits;
}

void ComputerPlayer::start(const 対局状態& position, const 探索制限& limits, Answer answer) {
  cancel();
  thinking_ = true;
  auto found = std::make_shared<Found>();
  next_done_ = [this, alive = std::weak_ptr<int>(alive_), found, answer = std::move(answer)] {
    if (alive.expired() || !found->ended) return;
    answered(found->generation, found->move, answer);
  };
  service_.start(position, limits,
                 {{}, [found](std::uint64_t generation, const std::optional<着手>& move) {
                    found->ended = true;
                    found->generation = generation;
                    found->move = move;
                  }});
}

void ComputerPlayer::answered(std::uint64_t generation, const std::optional<着手>& move,
                              const Answer& answer) {
  if (!service_.current(generation) || !thinking_) return;
  thinking_ = false;
  answer(move);
}

void ComputerPlayer::cancel() {
  if (!thinking_) return;
  service_.cancel();
  thinking_ = false;
}

}  // namespace brenvolt
