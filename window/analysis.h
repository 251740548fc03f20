// Analysis (表示 → 検討): the strong search looking at the position on the board, off the
// user-interface thread, through a search service of its own, so it never waits for or
// disturbs the computer's. Each completed depth is posted back to the user-interface thread
// and kept only while its search is the current one: a report for a position left since is
// dropped. It searches a copy of the position and never plays a move.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "computer/strong/search_service.h"
#include "game/game_state.h"
#include "text/translatable_text.h"
#include "window/platform.h"

namespace brenvolt {

// The latest completed depth of the current analysis.
struct 検討の結果 {
  探索情報 情報;         // from the analysed side's view
  int 手番 = 手番_先手;  // the side to move in the analysed position
  int 手数 = 0;          // the moves played before the analysed position
};

// What the panel shows of an analysis: the evaluation from 先手's view, the depth and the best
// line, each move numbered as the move list numbers it.
struct 検討の表示 {
  TranslatableText 評価;
  TranslatableText 深さ;
  std::vector<TranslatableText> 読み筋;
  bool operator==(const 検討の表示&) const = default;
};

検討の表示 検討の表示を作る(const std::optional<検討の結果>& 結果);

class Analysis {
 public:
  explicit Analysis(Platform& platform);
  // Cancels the running search; the platform waits for it and nothing more is reported.
  ~Analysis();
  Analysis(const Analysis&) = delete;
  Analysis& operator=(const Analysis&) = delete;

  bool on() const { return on_; }
  // Turning it off stops the search and forgets its result.
  void set_on(bool on);
  // Caps on the otherwise endless search (a test keeps it short).
  void set_caps(const 探索制限& caps) { caps_ = caps; }

  // Analyses `局` when on and not `paused`, starting afresh only when it differs from the
  // position analysed; paused or off, any search is stopped and its result forgotten.
  void follow(const 対局状態& 局, bool paused);
  // Stops the search and forgets the position and the result.
  void stop();

  bool analysing() const { return 局面_.has_value(); }
  const std::optional<検討の結果>& result() const { return 結果_; }
  std::uint64_t generation() const { return service_.generation(); }
  // Called on the user-interface thread whenever a new result has been kept.
  std::function<void()> on_update;

 private:
  void received(std::uint64_t generation, const 探索情報& 情報);

  Platform& platform_;
  // Expires with this object: a report posted after it is gone is dropped.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  bool on_ = false;
  探索制限 caps_{};
  std::optional<対局状態> 局面_;  // the position being analysed
  std::optional<検討の結果> 結果_;
  // Last: cancelled before anything else goes.
  SearchService service_;
};

}  // namespace brenvolt
