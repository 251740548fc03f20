#include "window/game_review.h"

#include <algorithm>
#include <utility>

#include "window/panel_contents.h"

namespace brenvolt {

namespace {

// Scores beyond this many points stand at the graph's edge, with the forced fives.
constexpr double グラフの端の点数 = 1000.0;

対局状態 開始局面(const 対局& 試合) {
  対局 写し = 試合;
  写し.手目へ(0);
  return 写し.局;
}

}  // namespace

bool 同じ棋譜(const 対局& a, const 対局& b) {
  const 手順記録& x = a.記録;
  const 手順記録& y = b.記録;
  if (x.記録終端 != y.記録終端 || x.記録_開始手数 != y.記録_開始手数) return false;
  for (int i = 1; i <= x.記録終端; ++i) {
    if (!(x.記録_項目(i) == y.記録_項目(i))) return false;
  }
  return 開始局面(a) == 開始局面(b);
}

GameReview::GameReview(Platform& platform) : platform_(platform) {}

GameReview::~GameReview() {
  if (job_) job_->cancel = true;
}

void GameReview::start(const 対局& 試合) {
  cancel();
  対象_ = 試合;
  auto job = std::make_shared<Job>();
  job_ = job;
  done_ = 0;
  total_ = 試合.記録.記録終端 + 1;
  // The work and its reports touch nothing of this object off the user-interface thread; the
  // reports reach it only while it is alive and the job is still its own.
  const std::weak_ptr<int> alive = alive_;
  Platform* platform = &platform_;
  platform_.runInBackground(
      [this, job, alive, platform, game = 試合, budget = budget_] {
        job->review = 棋譜を講評する(
            game, budget,
            [this, job, alive, platform](int done, int total) {
              platform->postToUserThread([this, job, alive, done, total] {
                if (!alive.expired()) progressed(job, done, total);
              });
            },
            job->cancel);
      },
      [this, job, alive] {
        if (!alive.expired()) finished(job);
      });
}

void GameReview::cancel() {
  const bool had = job_ || 結果_;
  if (job_) job_->cancel = true;
  job_.reset();
  対象_.reset();
  結果_.reset();
  done_ = total_ = 0;
  if (had) updated();
}

void GameReview::follow(const 対局& 試合) {
  if (対象_ && !同じ棋譜(*対象_, 試合)) cancel();
}

void GameReview::progressed(const std::shared_ptr<Job>& job, int done, int total) {
  if (job != job_) return;
  done_ = done;
  total_ = total;
  updated();
}

void GameReview::finished(const std::shared_ptr<Job>& job) {
  if (job != job_ || job->cancel) return;
  job_.reset();
  結果_ = std::move(job->review);
  updated();
}

void GameReview::updated() const {
  if (on_update) on_update();
}

double グラフの値(const 講評の評価& 評価) {
  switch (評価.種) {
    case 講評の評価::種類::点数:
      return std::clamp(評価.値 / グラフの端の点数, -1.0, 1.0);
    case 講評の評価::種類::詰み:
      return 評価.値 >= 0 ? 1.0 : -1.0;
    case 講評の評価::種類::五:
      return 評価.値 == 手番_先手 ? 1.0 : -1.0;
  }
  return 0.0;
}

std::optional<着手> 印の手の最善手(const GameReview& review, int 手目) {
  if (!review.result() || 手目 < 1 || 手目 > static_cast<int>(review.result()->size()))
    return std::nullopt;
  const 手の講評& 講評 = (*review.result())[static_cast<std::size_t>(手目 - 1)];
  if (講評.印 == 講評の印::なし) return std::nullopt;
  return 講評.最善手;
}

std::optional<振り返りの表示> 振り返りの表示を作る(const GameReview& review, const 対局& 試合) {
  振り返りの表示 表示;
  if (review.running()) {
    表示.実行中 = true;
    表示.済み = review.done();
    表示.全部 = review.total();
    return 表示;
  }
  if (!review.result()) return std::nullopt;
  const std::vector<手の講評>& 講評 = *review.result();
  表示.評価.push_back(講評.empty() ? 0.0 : グラフの値(講評.front().最善の評価));
  表示.印.emplace_back();
  for (const 手の講評& 手 : 講評) {
    表示.評価.push_back(グラフの値(手.指した後));
    表示.印.push_back(印の文字(手.印));
  }
  const int 手目 = 試合.記録.記録数;
  if (const auto 最善 = 印の手の最善手(review, 手目)) {
    const 手順 記した{最善->元X, 最善->元Y, 最善->先X, 最善->先Y, 最善->移動駒, 最善->置駒, 空};
    表示.最善手 = TranslatableText(文脈_棋譜欄, "最善手 %1",
                                   {棋譜欄の手の表記(記した, 試合.記録.記録_開始手数 + 手目)});
  }
  return 表示;
}

}  // namespace brenvolt
