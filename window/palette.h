// Indexes of the window's 16-colour palette, and the roles the game gives them.
#pragma once

namespace brenvolt {

inline constexpr int 色_黒 = 0;
inline constexpr int 色_緑 = 2;
inline constexpr int 色_青 = 9;
inline constexpr int 色_明水色 = 11;
inline constexpr int 色_明赤 = 12;
inline constexpr int 色_明赤紫 = 13;
inline constexpr int 色_黄 = 14;
inline constexpr int 色_白 = 15;
inline constexpr int 背景色 = 色_緑;
inline constexpr int 消去色 = 背景色;
inline constexpr int 結果色 = 色_白;
// The outline of a hint's squares: no other outline is yellow.
inline constexpr int ヒント色 = 色_黄;
// The outline of the lines that make a refused double three or double four: no other outline
// is magenta.
inline constexpr int 禁手色 = 色_明赤紫;
// The outline that keeps a winning five marked after its box: no other outline is light cyan.
inline constexpr int 五の輪郭色 = 色_明水色;

// The outline of the analysis's best move: no other outline is blue.
inline constexpr int 検討色 = 色_青;
// The outline of the best move the review found instead of a marked move: no other outline is
// black.
inline constexpr int 最善手色 = 色_黒;

}  // namespace brenvolt
