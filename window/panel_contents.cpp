#include "window/panel_contents.h"

#include <string>

#include "game/turn.h"
#include "window/move_display_text.h"

namespace brenvolt {

namespace {

TranslatableText 表記の文(int 値) {
  return 盤の文(std::string(移動駒種類の表記(値)));
}

// The texts are the ones the boxes of the same moments use, so the two never disagree.
TranslatableText 状況の文(const 対局& 試合) {
  const 対局状態& 局 = 試合.局;
  if (試合.勝者 == 手番_先手) return 箱の文("先手の勝ちです");
  if (試合.勝者 == 手番_後手) return 箱の文("後手の勝ちです");
  // Only a game ended at the record's bound stops at that count without a winner.
  if (局.対局中 == 無 && 局.手数 >= 記録上限 && 試合.記録.記録終端 > 0)
    return 箱の文("引き分けです");
  if (!局.対局なし()) {
    if (局.手番 == 手番_先手) return 箱の文("先手の番です");
    if (局.手番 == 手番_後手) return 箱の文("後手の番です");
  }
  return 箱の文("「対局」で始めて下さい");
}

}  // namespace

TranslatableText 棋譜欄の手の表記(const 手順& 手, int 手数) {
  const char* 型 = 取得_手番(手.元駒) == 手番_先手 ? "%1 ▲%2%3%4" : "%1 △%2%3%4";
  return TranslatableText(文脈_棋譜欄, 型,
                          {そのまま(std::to_string(手数)), 表記の文(盤サイズ + 1 - 手.先X),
                           表記の文(段の表記基数 + 手.先Y), 表記の文(手.先駒)});
}

棋譜欄の内容 棋譜欄を作る(const 対局& 試合) {
  const 手順記録& 記録 = 試合.記録;
  棋譜欄の内容 内容;
  内容.状況 = 状況の文(試合);
  内容.現在 = 記録.記録数;
  内容.行.reserve(static_cast<std::size_t>(記録.記録終端) + 1);
  内容.行.push_back({TranslatableText(文脈_棋譜欄, "開始局面"), false});
  for (int i = 1; i <= 記録.記録終端; ++i) {
    内容.行.push_back(
        {棋譜欄の手の表記(記録.記録_項目(i), 記録.記録_開始手数 + i), i > 記録.記録数});
  }
  return 内容;
}

}  // namespace brenvolt
