#include "game/match.h"

#include <algorithm>

namespace brenvolt {

namespace {

// The owner of a recorded move's piece.
int 指した側(const 手順& m) {
  return 取得_手番(m.元駒);
}

}  // namespace

void 対局::COM対局の側(int 人間の側) {
  対局モード = モード_COM;
  人間側 = 人間の側;
  COM側 = 相手の手番(人間の側);
  人間歩 = 人間の側 == 手番_先手 ? 先手_歩 : 後手_歩;
}

void 対局::初期設定() {
  局.初期設定();
  記録.記録_消去();
  勝者 = 0;
}

void 対局::開始() {
  初期設定();
  局.調査_2歩フラグ設定();
  局.手番 = 手番_先手;
  局.対局中 = 有;
}

着手判定の答え 対局::判定(int 元X, int 元Y, int 先X, int 先Y, int 移動駒, 成り方 成り) {
  return 着手判定(局, 元X, 元Y, 先X, 先Y, 移動駒, 成り);
}

着手の結果 対局::実行(const 着手& 手) {
  const 着手の結果 結果 = 着手実行(局, 手);
  if (結果.結果 == 結末::五並び) 勝者 = 結果.手番;
  return 結果;
}

着手の結果 対局::指す(const 着手& 手) {
  記録.記録_追加(局, 手.元X, 手.元Y, 手.先X, 手.先Y, 手.移動駒, 手.置駒);
  return 実行(手);
}

void 対局::パス() {
  局.手番 = 相手の手番(局.手番);
}

std::optional<手順> 対局::戻す() {
  const auto 戻した = 記録.記録_一手戻す(局);
  if (戻した) 勝者 = 0;
  return 戻した;
}

std::optional<手順> 対局::進める() {
  const auto 進めた = 記録.記録_一手進める(局);
  if (!進めた) return 進めた;
  const 手順& m = *進めた;
  if (着手後の結末(局, 指した側(m), m.元X, m.元Y, m.先X, m.先Y).結果 == 結末::五並び) {
    局.対局中 = 無;
    勝者 = 指した側(m);
  }
  return 進めた;
}

void 対局::手目へ(int n) {
  const int 目標 = std::clamp(n, 0, 記録.記録終端);
  while (記録.記録数 > 目標) 戻す();
  while (記録.記録数 < 目標) 進める();
}

}  // namespace brenvolt
