// The computer's levels, as the menu, the records, the engine and the match tool name them: 0 is
// the standard computer, 1 up to the strongest the search, each a step above the one below.
// This table is the one place that says how each level plays and what it is called.
//
// Every search level takes a five in one at once and answers a four of the other side's (blocks
// the five's square) whatever its weakenings: those only make it see less far and judge coarser.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace brenvolt {

struct 強さの段 {
  const char* 名前;    // as the menu shows it (its English is the translations' business)
  const char* 項目名;  // ASCII: the menu action's name, and the word records and settings keep
  // Caps on each move's search (0: no cap). The lower levels stop at a depth or a node count,
  // so they play the same on any machine; the time keeps the window responsive.
  int depth;
  std::uint64_t nodes;
  double seconds;
  // Weakenings: the evaluation rounded to this grain (1: exact), the threat search's moves for
  // a win by continuous fours and by fours and threes (0: not looked for), and how many plies of
  // continuous fours the quiescence follows.
  int grain;
  int four_moves;
  int threat_moves;
  int quiescence;
};

// The search at full strength: no grain, and the threat searches as deep as the top level's.
inline constexpr int 全力_四の手数 = 12;
inline constexpr int 全力_三の手数 = 5;
inline constexpr int 全力_静止手数 = 16;

inline constexpr int 強さ_標準 = 0;

inline constexpr std::array<強さの段, 10> 強さの表 = {{
    {"標準", "HYOUJUN", 0, 0, 0, 1, 0, 0, 0},
    {"ほどほど", "HODOHODO", 1, 0, 0.05, 1000, 0, 0, 0},
    {"まずまず", "MAZUMAZU", 1, 0, 0.05, 300, 4, 0, 6},
    {"なかなか", "NAKANAKA", 2, 0, 0.05, 450, 6, 0, 8},
    {"強い", "TSUYOI", 2, 0, 0.06, 1, 全力_四の手数, 全力_三の手数, 全力_静止手数},
    {"手強い", "TEGOWAI", 3, 0, 0.15, 1, 6, 2, 8},
    {"とても強い", "TOTEMO", 4, 0, 0.35, 1, 全力_四の手数, 全力_三の手数, 全力_静止手数},
    {"すごく強い", "SUGOKU", 0, 0, 0.25, 1, 全力_四の手数, 全力_三の手数, 全力_静止手数},
    {"達人", "TATSUJIN", 0, 0, 0.6, 1, 全力_四の手数, 全力_三の手数, 全力_静止手数},
    {"最強", "SAIKYOU", 0, 0, 1.5, 1, 全力_四の手数, 全力_三の手数, 全力_静止手数},
}};

inline constexpr int 強さ_最強 = static_cast<int>(強さの表.size()) - 1;
inline constexpr int 強さ_強い = 4;
inline constexpr int 強さ_とても強い = 6;
static_assert(std::string_view(強さの表[強さ_強い].名前) == "強い");
static_assert(std::string_view(強さの表[強さ_とても強い].名前) == "とても強い");
static_assert(std::string_view(強さの表[強さ_最強].名前) == "最強");

// Records and settings written before the ladder had its middle rungs named levels 0 to 3: the
// level that plays as each of them did.
inline constexpr std::array<int, 4> 旧強さの対応 = {強さ_標準, 強さ_強い, 強さ_とても強い,
                                                    強さ_最強};
inline constexpr int 旧強さ_最強 = static_cast<int>(旧強さの対応.size()) - 1;

// Records and settings written while there were nine levels kept a level as its number, 0 to 8;
// they keep its word now, which a new level cannot shift. The level each of those numbers names.
inline constexpr std::array<int, 9> 九段の対応 = {0, 1, 2, 3, 4, 5, 6, 7, 強さ_最強};

// The level a record or the settings keep: its word (項目名), or a number of the nine levels.
// Nothing when it is neither.
std::optional<int> 記された強さ(std::string_view 語);
// The word records and settings keep for a level (one out of range is taken as the nearest).
const char* 強さの語(int level);

}  // namespace brenvolt
