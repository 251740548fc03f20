// The strong computer as the window uses it: the search service, its searches run the
// platform's way (off the user-interface thread), its answer posted back to that thread.
// Cancelling stops the running search and makes its answer count for nothing, so an answer can
// never be played on a position other than the one it was found for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "computer/classic/computer.h"
#include "computer/strong/search_service.h"
#include "game/game_state.h"
#include "game/levels.h"
#include "window/platform.h"

namespace brenvolt {

class ComputerPlayer {
 public:
  using Answer = std::function<void(std::optional<着手>)>;

  explicit ComputerPlayer(Platform& platform);
  // Stops a running search; the platform waits for it to end and drops its answer.
  ~ComputerPlayer();
  ComputerPlayer(const ComputerPlayer&) = delete;
  ComputerPlayer& operator=(const ComputerPlayer&) = delete;

  int level() const { return level_; }
  // Levels outside 0 to the strongest are clamped into that range.
  void set_level(int level);

  // Caps that hold on top of every level's own budget (a fuzzer or a test keeps searches short
  // and repeatable with a node or depth cap); none by default. Searches use every thread of the
  // machine, but one alone under a node or depth cap, so that they stay repeatable.
  void set_caps(const 探索制限& caps);
  int threads() const { return service_.threads(); }
  // The table's size in megabytes, made at once. Without it the table (of the default size)
  // is made by the first search, so a game that never searches never holds it.
  void set_hash_mb(std::size_t hash_mb) { service_.set_hash_mb(hash_mb); }
  // What a search at `level` (1 up) may spend: the level's budget and weakenings within the caps.
  探索制限 limits_for(int level) const;

  // Searches for position.手番 within `limits`, cancelling any search still running. `answer`
  // is called on the user-interface thread with the move found (nothing when that side has no
  // move), unless cancel() or another start() comes first.
  void start(const 対局状態& position, const 探索制限& limits, Answer answer);
  // Stops the running search at once; its answer is dropped.
  void cancel();

  bool thinking() const { return thinking_; }
  // Rises with every search started and every search cancelled; an answer carries the
  // generation its search was started in and counts only while that is still the current one.
  std::uint64_t generation() const { return service_.generation(); }

 private:
  struct Found;

  void answered(std::uint64_t generation, const std::optional<着手>& move, const Answer& answer);

  Platform& platform_;
  // Expires with this object: an answer posted after it is gone is dropped.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  // What the platform runs on the user-interface thread once the next search handed to it
  // has ended: the delivery of its answer.
  std::function<void()> next_done_;
  探索制限 caps_{};
  int level_ = 強さ_標準;
  bool thinking_ = false;
  // Last: cancelled before anything else goes.
  SearchService service_;
};

}  // namespace brenvolt
