// The window's review (表示 → 振り返り): the record of the game on the board reviewed off the
// user-interface thread by the same function as the command line's --review, so the same
// budget gives the same marks. Progress and the finished review are posted back to the
// user-interface thread; a review cancelled, replaced or outlived by this object reports
// nothing. The review belongs to the record it was made of: once the record is another (a new
// move, a new game, a record opened) it is forgotten, but stepping through it keeps it.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "computer/strong/review.h"
#include "game/match.h"
#include "text/translatable_text.h"
#include "window/platform.h"

namespace brenvolt {

// Do the two games hold the same record: the same start position and the same moves, wherever
// their cursors stand?
bool 同じ棋譜(const 対局& a, const 対局& b);

class GameReview {
 public:
  explicit GameReview(Platform& platform);
  // Cancels a review still running; the platform waits for it and nothing more is reported.
  ~GameReview();
  GameReview(const GameReview&) = delete;
  GameReview& operator=(const GameReview&) = delete;

  // The budget of each position: about 0.3 seconds unless set (a node budget gives the same
  // review on every machine).
  void set_budget(const 探索制限& budget) { budget_ = budget; }
  const 探索制限& budget() const { return budget_; }

  // Reviews the record of `試合`, forgetting any review running or kept.
  void start(const 対局& 試合);
  // Stops a running review and forgets any review.
  void cancel();
  // Forgets the review, running or finished, once `試合` holds another record.
  void follow(const 対局& 試合);

  bool running() const { return job_ != nullptr; }
  // Positions searched so far and positions to search, while running.
  int done() const { return done_; }
  int total() const { return total_; }
  // The finished review, one entry per move of the record.
  const std::optional<std::vector<手の講評>>& result() const { return 結果_; }
  // Called on the user-interface thread after progress, the finished review or its loss.
  std::function<void()> on_update;

 private:
  struct Job {
    std::atomic<bool> cancel{false};
    std::vector<手の講評> review;  // written by the work, read once it has returned
  };
  void progressed(const std::shared_ptr<Job>& job, int done, int total);
  void finished(const std::shared_ptr<Job>& job);
  void updated() const;

  Platform& platform_;
  // Expires with this object: a report posted after it is gone is dropped.
  std::shared_ptr<int> alive_ = std::make_shared<int>(0);
  探索制限 budget_{0, 0, 0.3};
  std::optional<対局> 対象_;  // the game whose record is reviewed or was
  std::shared_ptr<Job> job_;
  int done_ = 0;
  int total_ = 0;
  std::optional<std::vector<手の講評>> 結果_;
};

// What the panel shows of a review.
struct 振り返りの表示 {
  bool 実行中 = false;
  int 済み = 0, 全部 = 0;  // progress while running
  // Once finished: the evaluation from 先手's side at the start and after each move, each
  // clamped to -1 .. 1 (a forced five at the edge), and the mark of each move (index 0 for the
  // start, which has none).
  std::vector<double> 評価;
  std::vector<std::string> 印;
  // For a marked move on the board: the best move there was, numbered as the move list does.
  std::optional<TranslatableText> 最善手;
  bool operator==(const 振り返りの表示&) const = default;
};

// The review's display with move 現在 of the record on the board; nothing when no review is
// running or kept.
std::optional<振り返りの表示> 振り返りの表示を作る(const GameReview& review, const 対局& 試合);

// The best move of the position before move 手目 when the review marked that move.
std::optional<着手> 印の手の最善手(const GameReview& review, int 手目);

// An evaluation on the graph's scale: -1 .. 1, 先手 upwards, a forced five at the edge.
double グラフの値(const 講評の評価& 評価);

}  // namespace brenvolt
