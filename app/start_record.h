// The record named on the command line, read and checked before any window opens.
#pragma once

#include <optional>
#include <string>

#include "game/match.h"
#include "text/translatable_text.h"

namespace brenvolt {

// The game kept in the record file `file`, or nothing with `error` set to one line naming the
// file, the line, the move and the reason.
std::optional<対局> 起動時の棋譜(const std::string& file, TranslatableText& error);

}  // namespace brenvolt
