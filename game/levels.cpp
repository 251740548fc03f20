#include "game/levels.h"

#include <algorithm>
#include <charconv>

namespace brenvolt {

std::optional<int> 記された強さ(std::string_view 語) {
  for (int level = 強さ_標準; level <= 強さ_最強; ++level) {
    if (語 == 強さの表[level].項目名) return level;
  }
  int number = -1;
  const char* end = 語.data() + 語.size();
  const auto [stop, failure] = std::from_chars(語.data(), end, number);
  if (failure != std::errc() || stop != end || number < 0 ||
      number >= static_cast<int>(九段の対応.size())) {
    return std::nullopt;
  }
  return 九段の対応[number];
}

const char* 強さの語(int level) {
  return 強さの表[std::clamp(level, 強さ_標準, 強さ_最強)].項目名;
}

}  // namespace brenvolt
