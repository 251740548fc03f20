// The scores of the evaluation ladder, highest first. The first level that matches a candidate
// decides its score.
#pragma once

namespace brenvolt {

inline constexpr int 得点_自五 = 1001;         // the move makes the computer's five
inline constexpr int 得点_五阻止 = 1000;       // a board move onto the person's five point
inline constexpr int 得点_敵五点 = 900;        // a drop onto the person's five point
inline constexpr int 得点_自四両開 = 800;      // own open four
inline constexpr int 得点_敵四両開阻止 = 700;  // blocks the person's open four
inline constexpr int 得点_自四 = 600;          // own four, one end open
inline constexpr int 得点_自三両開 = 500;      // own open three
inline constexpr int 得点_敵四阻止 = 400;      // blocks a four, away from the outer ring
inline constexpr int 得点_敵三両開阻止 = 300;  // blocks the person's open three
inline constexpr int 得点_自二両開 = 100;      // own open two
inline constexpr int 得点_なし = 0;
inline constexpr int 得点_五開放 = -1000;  // vacating the source opens the person's five

// Below every score: the first accepted candidate always becomes the provisional best.
inline constexpr int 得点_初期値 = -99999;

}  // namespace brenvolt
