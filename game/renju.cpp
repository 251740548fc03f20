#include <utility>
#include <vector>

#include "game/line_walk.h"

namespace brenvolt {

namespace {

// A line through the destination measured for the side to move: the run and the end of its
// first half (左, 上, 左上, 左下) and of its second half (右, 下, 右下, 右上). The template's
// direction is the second half's; the first half walks the opposite way.
struct 線の計測 {
  int a;
  int b;
  int ea;
  int eb;
};

// How a line qualifies: not at all, as one unbroken run through the destination, or with its gap
// in the first half (the walk opposite to the rule's direction) or in the second.
enum class 形 { なし, 連続, 前半に隙間, 後半に隙間 };

template <int dx, int dy>
線の計測 計測(const 盤& 盤面, int 手番, int X, int Y) {
  return {連続数<-dx, -dy>(盤面, 手番, X, Y), 連続数<dx, dy>(盤面, 手番, X, Y),
          端の駒<-dx, -dy>(盤面, 手番, X, Y), 端の駒<dx, dy>(盤面, 手番, X, Y)};
}

// Tries one gap: the square 距離 steps from (X, Y) along (gx, gy) gets the side value as a
// trial piece, that half is scanned again, and the square gets its old content back. The gap
// qualifies when the rescanned run is 必要数 long and its end is open. A gap off the board
// never qualifies and is never touched.
template <int gx, int gy>
bool 隙間を埋めて成立(盤& 盤面, int 手番, int X, int Y, int 距離, int 必要数) {
  const int x = X + 距離 * gx;
  const int y = Y + 距離 * gy;
  if (!盤上の桝(x, y)) return false;
  const int 元の中身 = 盤面[x][y];
  盤面[x][y] = 手番;
  const int 連続 = 連続数<gx, gy>(盤面, 手番, X, Y);
  const int 端 = 端の駒<gx, gy>(盤面, 手番, X, Y);
  盤面[x][y] = 元の中身;
  return 連続 == 必要数 && 端 == 空;
}

// A three: exactly three own pieces, solid or with one gap inside four squares, and both
// squares just beyond the runs empty (the board's edge never is). The first gap is tried
// before the second, and the line counts once at most.
struct 三の規則 {
  static constexpr int 駒数 = 3;
  template <int dx, int dy>
  static 形 成立(盤& 盤面, int 手番, int X, int Y) {
    const 線の計測 m = 計測<dx, dy>(盤面, 手番, X, Y);
    if (m.ea != 空 || m.eb != 空) return 形::なし;
    const int n = m.a + m.b;
    if (n == 2) return 形::連続;
    if (n > 2) return 形::なし;
    if (隙間を埋めて成立<-dx, -dy>(盤面, 手番, X, Y, m.a + 1, 3 - m.b)) return 形::前半に隙間;
    if (隙間を埋めて成立<dx, dy>(盤面, 手番, X, Y, m.b + 1, 3 - m.a)) return 形::後半に隙間;
    return 形::なし;
  }
};

// A four: four in a row with at least one open end, or four within five squares whose gap,
// once filled, makes exactly five with the square beyond on that side empty. A half is tried
// only when its end is open and its gap lies on the board (the gap's on-board test is done by
// 隙間を埋めて成立).
struct 四の規則 {
  static constexpr int 駒数 = 4;
  template <int dx, int dy>
  static 形 成立(盤& 盤面, int 手番, int X, int Y) {
    const 線の計測 m = 計測<dx, dy>(盤面, 手番, X, Y);
    if (m.ea != 空 && m.eb != 空) return 形::なし;
    const int n = m.a + m.b;
    if (n == 3) return 形::連続;
    if (n > 3) return 形::なし;
    if (m.ea == 空 && 隙間を埋めて成立<-dx, -dy>(盤面, 手番, X, Y, m.a + 1, 4 - m.b))
      return 形::前半に隙間;
    if (m.eb == 空 && 隙間を埋めて成立<dx, dy>(盤面, 手番, X, Y, m.b + 1, 4 - m.a))
      return 形::後半に隙間;
    return 形::なし;
  }
};

// Counts the lines through (X, Y) that 規則 accepts, in the order horizontal, vertical, falling
// and rising diagonal; two are enough to refuse, so the count stops there.
template <class 規則>
int 成立する線の数(盤& 盤面, int 手番, int X, int Y) {
  int count = 規則::template 成立<1, 0>(盤面, 手番, X, Y) != 形::なし;
  count += 規則::template 成立<0, 1>(盤面, 手番, X, Y) != 形::なし;
  if (count > 1) return count;
  count += 規則::template 成立<1, 1>(盤面, 手番, X, Y) != 形::なし;
  if (count > 1) return count;
  count += 規則::template 成立<1, -1>(盤面, 手番, X, Y) != 形::なし;
  return count;
}

// The own pieces of a line 規則 accepts in direction (dx, dy) through (X, Y), the destination
// among them, from the first half's far end to the second's. A gapped line spans 駒数 pieces
// and its gap; the gap is left out.
template <class 規則, int dx, int dy>
void 線を加える(盤& 盤面, int 手番, int X, int Y, std::vector<桝の並び>& 線) {
  const 形 f = 規則::template 成立<dx, dy>(盤面, 手番, X, Y);
  if (f == 形::なし) return;
  const 線の計測 m = 計測<dx, dy>(盤面, 手番, X, Y);
  int 始 = -m.a;
  int 終 = m.b;
  int 隙間 = 0;
  if (f == 形::前半に隙間) {
    始 = -(規則::駒数 - m.b);
    隙間 = -(m.a + 1);
  } else if (f == 形::後半に隙間) {
    終 = 規則::駒数 - m.a;
    隙間 = m.b + 1;
  }
  桝の並び 桝;
  for (int k = 始; k <= 終; ++k) {
    if (k != 0 && k == 隙間) continue;
    桝.emplace_back(X + k * dx, Y + k * dy);
  }
  線.push_back(std::move(桝));
}

// Tries the move on the board, asks `調べる` about the board so changed whenever the move does
// not make exactly five (a five is never refused), and puts back exactly what stood on the
// source and the destination before. A destination off the board is no move: `調べる` is not
// asked and the board is not touched; `答え` is returned as it came.
template <class 調べ方, class 答えの型>
答えの型 試して調べる(対局状態& s, int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番,
                      int IN_駒, 答えの型 答え, 調べ方 調べる) {
  if (!盤上の桝(IN_先X, IN_先Y)) return 答え;
  盤& 盤面 = s.盤面;
  const bool 盤上の移動 = 盤上の桝(IN_元X, IN_元Y);
  const int 元の駒 = 盤上の移動 ? 盤面[IN_元X][IN_元Y] : 空;
  const int 先の駒 = 盤面[IN_先X][IN_先Y];
  if (盤上の移動) 盤面[IN_元X][IN_元Y] = 空;
  盤面[IN_先X][IN_先Y] = IN_駒;

  if (s.調査_5並び(IN_手番, IN_先X, IN_先Y) != 有) 答え = 調べる(盤面);

  盤面[IN_先X][IN_先Y] = 先の駒;
  if (盤上の移動) 盤面[IN_元X][IN_元Y] = 元の駒;
  return 答え;
}

// Refuses the move when two lines through the destination qualify under 規則.
template <class 規則>
int 禁手判定(対局状態& s, int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番, int IN_駒) {
  const int count =
      試して調べる(s, IN_元X, IN_元Y, IN_先X, IN_先Y, IN_手番, IN_駒, 0,
                   [&](盤& 盤面) { return 成立する線の数<規則>(盤面, IN_手番, IN_先X, IN_先Y); });
  return count > 1 ? 有 : 無;
}

// Every line through the destination that qualifies under 規則, in the order 成立する線の数
// tries them.
template <class 規則>
std::vector<桝の並び> 禁手の線(対局状態& s, int IN_元X, int IN_元Y, int IN_先X, int IN_先Y,
                               int IN_手番, int IN_駒) {
  return 試して調べる(s, IN_元X, IN_元Y, IN_先X, IN_先Y, IN_手番, IN_駒, std::vector<桝の並び>{},
                      [&](盤& 盤面) {
                        std::vector<桝の並び> 線;
                        線を加える<規則, 1, 0>(盤面, IN_手番, IN_先X, IN_先Y, 線);
                        線を加える<規則, 0, 1>(盤面, IN_手番, IN_先X, IN_先Y, 線);
                        線を加える<規則, 1, 1>(盤面, IN_手番, IN_先X, IN_先Y, 線);
                        線を加える<規則, 1, -1>(盤面, IN_手番, IN_先X, IN_先Y, 線);
                        return 線;
                      });
}

}  // namespace

int 対局状態::調査_三三(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番, int IN_駒) {
  return 禁手判定<三の規則>(*this, IN_元X, IN_元Y, IN_先X, IN_先Y, IN_手番, IN_駒);
}

int 対局状態::調査_四四(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y, int IN_手番, int IN_駒) {
  return 禁手判定<四の規則>(*this, IN_元X, IN_元Y, IN_先X, IN_先Y, IN_手番, IN_駒);
}

std::vector<桝の並び> 対局状態::三三の線(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y,
                                         int IN_手番, int IN_駒) {
  return 禁手の線<三の規則>(*this, IN_元X, IN_元Y, IN_先X, IN_先Y, IN_手番, IN_駒);
}

std::vector<桝の並び> 対局状態::四四の線(int IN_元X, int IN_元Y, int IN_先X, int IN_先Y,
                                         int IN_手番, int IN_駒) {
  return 禁手の線<四の規則>(*this, IN_元X, IN_元Y, IN_先X, IN_先Y, IN_手番, IN_駒);
}

}  // namespace brenvolt
