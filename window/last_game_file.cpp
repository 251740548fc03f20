#include "window/last_game_file.h"

#include <cstdlib>

namespace brenvolt {

namespace {

bool 絶対の置場(const char* folder) {
  return folder && std::filesystem::path(folder).is_absolute();
}

}  // namespace

std::filesystem::path 前回の対局ファイル(const char* xdgStateHome, const char* home) {
  std::filesystem::path folder;
  if (絶対の置場(xdgStateHome))
    folder = xdgStateHome;
  else if (絶対の置場(home))
    folder = std::filesystem::path(home) / ".local" / "state";
  else
    return {};
  return folder / "brenvolt" / "last.brenvolt";
}

std::filesystem::path 前回の対局ファイル() {
  return 前回の対局ファイル(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
}

}  // namespace brenvolt
