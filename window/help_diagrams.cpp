#include "window/help_diagrams.h"

#include <algorithm>
#include <optional>

#include "game/board_square.h"
#include "game/piece_table.h"
#include "game/turn.h"
#include "notation/notation.h"
#include "notation/position_text.h"

namespace brenvolt {

namespace {

// What a board asks the rules.
enum class 問い {
  動き,  // where the piece on 桝 may go
  成り,  // the same, telling plain, optional and forced promotion apart
  打つ,  // where the side to move may drop its piece of hand kind 種類
  並び,  // the exact five through 桝
};

// One board as written: squares in the engine's notation, as the board's labels show them.
struct 図の元 {
  const char* 名前;
  const char* 局面;
  const char* 左上;
  const char* 右下;
  問い 何を;
  const char* 桝 = "";
  int 種類 = 0;
};

// The order is the documents' order. Each side has its eleven pieces, on the board or in hand.
constexpr 図の元 図の元の表[] = {
    {"fu", "9/9/9/9/4P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2l2p 1", "7c", "3g", 問い::動き, "5e"},
    {"kyou", "9/4p4/9/9/9/9/4L4/9/9 b KRBGS2NL2Pkrbgs2n2lp 1", "7a", "3g", 問い::動き, "5g"},
    {"kei", "9/9/9/4p4/4N4/9/9/9/9 b KRBGSN2L2Pkrbgs2n2lp 1", "7c", "3g", 問い::動き, "5e"},
    {"gin", "9/9/9/9/4S4/9/9/9/9 b KRBG2N2L2Pkrbgs2n2l2p 1", "7c", "3g", 問い::動き, "5e"},
    {"kin", "9/9/9/9/4G4/9/9/9/9 b KRBS2N2L2Pkrbgs2n2l2p 1", "7c", "3g", 問い::動き, "5e"},
    {"ou", "9/9/9/9/4K4/9/9/9/9 b RBGS2N2L2Pkrbgs2n2l2p 1", "7c", "3g", 問い::動き, "5e"},
    {"kaku", "9/9/2p6/9/4B4/9/9/9/9 b KRGS2N2L2Pkrbgs2n2lp 1", "9a", "1i", 問い::動き, "5e"},
    {"uma", "9/9/2p6/9/4+B4/9/9/9/9 b KRGS2N2L2Pkrbgs2n2lp 1", "9a", "1i", 問い::動き, "5e"},
    {"hisha", "9/4p4/9/9/4R4/9/9/9/9 b KBGS2N2L2Pkrbgs2n2lp 1", "9a", "1i", 問い::動き, "5e"},
    {"ryuu", "9/4p4/9/9/4+R4/9/9/9/9 b KBGS2N2L2Pkrbgs2n2lp 1", "9a", "1i", 問い::動き, "5e"},
    {"tokin", "9/9/9/9/4+P4/9/9/9/9 b KRBGS2N2LPkrbgs2n2l2p 1", "7c", "3g", 問い::動き, "5e"},
    {"fu_uchi", "9/9/2p6/9/9/6P2/9/9/9 b KRBGS2N2LPkrbgs2n2lp 1", "9a", "1i", 問い::打つ, "", 1},
    {"kei_uchi", "9/9/9/9/9/9/9/9/9 b KRBGS2N2L2Pkrbgs2n2l2p 1", "9a", "1d", 問い::打つ, "", 3},
    {"nari_kyou", "9/9/9/9/9/9/4L4/9/9 b KRBGS2NL2Pkrbgs2n2l2p 1", "7a", "3g", 問い::成り, "5g"},
    {"nari_gin", "9/9/4S4/9/9/9/9/9/9 b KRBG2N2L2Pkrbgs2n2l2p 1", "7a", "3e", 問い::成り, "5c"},
    {"nari_kei", "9/9/9/4N4/9/9/9/9/9 b KRBGSN2L2Pkrbgs2n2l2p 1", "7a", "3e", 問い::成り, "5d"},
    {"gomoku", "9/9/9/9/1GPKSN3/9/9/9/9 b RBN2LPkrbgs2n2l2p 1", "9c", "1g", 問い::並び, "8e"},
    {"chouren", "9/9/9/9/1PPLL1S2/9/9/9/9 b KRBG2Nkrbgs2n2l2p 1", "9d", "1f", 問い::打つ, "", 5},
    {"sansan", "9/9/5L3/5N3/3PP4/9/9/9/9 b KRBGSNLkrbgs2n2l2p 1", "8a", "2g", 問い::打つ, "", 5},
    {"yonyon", "9/5L3/5N3/5S3/2PPB4/9/9/9/9 b KRGNLkrbgs2n2l2p 1", "8a", "2g", 問い::打つ, "", 5},
    {"yonyon_go", "9/5L3/5N3/5L3/1PPSB4/9/9/9/9 b KRGNkrbgs2n2l2p 1", "9a", "2g", 問い::打つ, "",
     5},
};

notation::Square 桝(const char* text) {
  return notation::parse_square(text).value_or(notation::Square{});
}

// Is the move accepted when the piece arrives so?
bool 指せる(const 対局状態& 局, int 元X, int 元Y, int x, int y, int 駒, 成り方 成り) {
  対局状態 試し = 局;
  return 着手判定(試し, 元X, 元Y, x, y, 駒, 成り).結果 == 判定::可;
}

void 動きの印(const 対局状態& 局, notation::Square 元, bool 成りを分ける, std::vector<印の桝>& 印) {
  const int 駒 = 局.盤面[元.x][元.y];
  印.push_back({元.x, 元.y, 図の印::選んだ駒});
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      const bool 成らずに = 指せる(局, 元.x, 元.y, x, y, 駒, 成り方::成らない);
      const bool 成って = 指せる(局, 元.x, 元.y, x, y, 駒, 成り方::成る);
      if (!成らずに && !成って) continue;
      図の印 何 = 図の印::行ける;
      if (成りを分ける && 成って) 何 = 成らずに ? 図の印::成れる : 図の印::成るしかない;
      印.push_back({x, y, 何});
    }
  }
}

// The longest line of the side's pieces through (x, y), the square itself counted.
int 一番長い線(const 対局状態& 局, int 手番, int x, int y) {
  return 1 + std::max({局.調査_左(手番, x, y) + 局.調査_右(手番, x, y),
                       局.調査_上(手番, x, y) + 局.調査_下(手番, x, y),
                       局.調査_左上(手番, x, y) + 局.調査_右下(手番, x, y),
                       局.調査_左下(手番, x, y) + 局.調査_右上(手番, x, y)});
}

std::optional<図の印> 打った結果(const 対局状態& 局, int 種類, int x, int y) {
  const int 側 = 局.手番;
  対局状態 試し = 局;
  const 着手判定の答え 答え =
      着手判定(試し, 持駒列の(側), 持駒の段(側, 種類), x, y, 種類の駒(側, 種類), 成り方::成らない);
  switch (答え.結果) {
    case 判定::可:
      break;
    case 判定::三三:
    case 判定::四四:
      return 図の印::禁手;
    default:
      return 図の印::打てない;
  }
  if (着手実行(試し, 答え.手).結果 == 結末::五並び) return 図の印::五;
  if (一番長い線(試し, 側, x, y) > 5) return 図の印::長連;
  return std::nullopt;
}

void 打つ印(const 対局状態& 局, int 種類, std::vector<印の桝>& 印) {
  for (int x = 1; x <= 盤サイズ; ++x) {
    for (int y = 1; y <= 盤サイズ; ++y) {
      if (局.盤面[x][y] != 空) continue;
      if (const auto 何 = 打った結果(局, 種類, x, y)) 印.push_back({x, y, *何});
    }
  }
}

void 並びの印(const 対局状態& 局, notation::Square 桝, std::vector<印の桝>& 印) {
  const int 側 = 取得_手番(局.盤面[桝.x][桝.y]);
  if (const auto 五 = 五並びの桝(局, 側, 桝.x, 桝.y)) {
    for (const auto& [x, y] : *五) 印.push_back({x, y, 図の印::五});
  }
}

説明図 図を作る(const 図の元& 元) {
  説明図 図;
  図.名前 = 元.名前;
  const notation::Square 左上 = 桝(元.左上);
  const notation::Square 右下 = 桝(元.右下);
  図.範囲 = {左上.x, 左上.y, 右下.x, 右下.y};
  std::string error;
  // A position the rules refuse leaves an empty board with no marks; the tests read every one.
  if (!notation::parse_position(元.局面, 図.局, error)) return 図;
  const notation::Square 駒の桝 = 桝(元.桝);
  const bool 桝がある = 盤上の桝(駒の桝.x, 駒の桝.y);
  switch (元.何を) {
    case 問い::動き:
    case 問い::成り:
      if (桝がある) 動きの印(図.局, 駒の桝, 元.何を == 問い::成り, 図.印);
      break;
    case 問い::打つ:
      打つ印(図.局, 元.種類, 図.印);
      break;
    case 問い::並び:
      if (桝がある) 並びの印(図.局, 駒の桝, 図.印);
      break;
  }
  return 図;
}

}  // namespace

const std::vector<説明図>& 説明図の一覧() {
  static const std::vector<説明図> 一覧 = [] {
    std::vector<説明図> all;
    for (const 図の元& 元 : 図の元の表) all.push_back(図を作る(元));
    return all;
  }();
  return 一覧;
}

const 説明図* 説明図を引く(const std::string& 名前) {
  for (const 説明図& 図 : 説明図の一覧()) {
    if (図.名前 == 名前) return &図;
  }
  return nullptr;
}

}  // namespace brenvolt
