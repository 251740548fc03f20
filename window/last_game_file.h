// Where an unfinished game is kept between runs: a record file in the user's state folder.
#pragma once

#include <filesystem>

namespace brenvolt {

// `$XDG_STATE_HOME/brenvolt/last.brenvolt`, or `$HOME/.local/state/brenvolt/last.brenvolt`
// when XDG_STATE_HOME is unset, empty or relative (the base directory rules ignore a relative
// one). Empty when neither names an absolute folder: the game is then not kept.
std::filesystem::path 前回の対局ファイル(const char* xdgStateHome, const char* home);
// The same for the environment of this process.
std::filesystem::path 前回の対局ファイル();

}  // namespace brenvolt
