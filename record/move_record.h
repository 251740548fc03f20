// The move record of one game: every move and drop in order, with a cursor for take-back and
// replay. Entries 1..記録上限 are used; entry 0 never is.
#pragma once

#include <array>

#include "game/constants.h"

namespace brenvolt {

class 手順記録 {
 public:
  using 列 = std::array<int, 記録上限 + 1>;

  int 記録数 = 0;    // moves applied on the board; the entry of the last applied move
  int 記録終端 = 0;  // moves held; 記録数 + 1 .. 記録終端 are taken back and can be replayed
  列 記録_元X{};
  列 記録_元Y{};
  列 記録_先X{};
  列 記録_先Y{};
  列 記録_元駒{};
  列 記録_先駒{};
  列 記録_取駒{};
};

}  // namespace brenvolt
