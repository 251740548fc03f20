#include "window/analysis.h"

#include <string>
#include <utility>

#include "computer/strong/review.h"
#include "window/panel_contents.h"

namespace brenvolt {

namespace {

TranslatableText 数の文(int 値) {
  return TranslatableText::literal(std::to_string(値));
}

TranslatableText 評価の表示(const 講評の評価& 評価) {
  if (評価.種 == 講評の評価::種類::詰み) {
    if (評価.値 > 0) return TranslatableText(文脈_棋譜欄, "%1手で勝ち", {数の文(評価.値)});
    return TranslatableText(文脈_棋譜欄, "後手が%1手で勝ち", {数の文(-評価.値)});
  }
  const std::string 符号 = 評価.値 > 0 ? "+" : "";
  return TranslatableText(文脈_棋譜欄, "評価値 %1",
                          {TranslatableText::literal(符号 + std::to_string(評価.値))});
}

}  // namespace

検討の表示 検討の表示を作る(const std::optional<検討の結果>& 結果) {
  検討の表示 表示;
  if (!結果) {
    表示.評価 = TranslatableText(文脈_棋譜欄, "検討中");
    return 表示;
  }
  表示.評価 = 評価の表示(先手から(結果->情報, 結果->手番));
  表示.深さ = TranslatableText(文脈_棋譜欄, "深さ %1", {数の文(結果->情報.depth)});
  int 手数 = 結果->手数;
  for (const 着手& 手 : 結果->情報.pv) {
    const 手順 記した{手.元X, 手.元Y, 手.先X, 手.先Y, 手.移動駒, 手.置駒, 空};
    表示.読み筋.push_back(棋譜欄の手の表記(記した, ++手数));
  }
  return 表示;
}

Analysis::Analysis(Platform& platform)
    : platform_(platform), service_(kDefaultTableMb, [this](std::function<void()> search) {
        platform_.runInBackground(std::move(search), [] {});
      }) {}

Analysis::~Analysis() {
  service_.cancel();
}

void Analysis::set_on(bool on) {
  on_ = on;
  if (!on_) stop();
}

void Analysis::follow(const 対局状態& 局, bool paused) {
  if (!on_ || paused) {
    stop();
    return;
  }
  if (局面_ && *局面_ == 局) return;
  局面_ = 局;
  結果_.reset();
  // The report runs on the search's thread and may outlive this object: it touches nothing of
  // it there, only posts a copy, which the user-interface thread drops once this is gone.
  service_.start(局, caps_,
                 {[this, platform = &platform_, alive = std::weak_ptr<int>(alive_)](
                      std::uint64_t generation, const 探索情報& 情報) {
                    platform->postToUserThread([this, alive, generation, 情報] {
                      if (!alive.expired()) received(generation, 情報);
                    });
                  },
                  {}});
}

void Analysis::stop() {
  if (局面_) service_.cancel();
  局面_.reset();
  結果_.reset();
}

void Analysis::received(std::uint64_t generation, const 探索情報& 情報) {
  if (!局面_ || !service_.current(generation)) return;
  結果_ = 検討の結果{情報, 局面_->手番, 局面_->手数};
  if (on_update) on_update();
}

}  // namespace brenvolt
