#include "app/data_folders.h"

#include <algorithm>

namespace brenvolt {

std::vector<std::filesystem::path> データの置場(const std::filesystem::path& executableFolder,
                                                const std::filesystem::path& fromExecutable,
                                                const std::filesystem::path& configured) {
  std::vector<std::filesystem::path> folders;
  const auto add = [&folders](const std::filesystem::path& folder) {
    if (folder.empty()) return;
    std::filesystem::path normal = folder.lexically_normal();
    // "bin/" and "bin" name one folder; only the root keeps its separator.
    if (!normal.has_filename() && normal != normal.root_path()) normal = normal.parent_path();
    if (std::find(folders.begin(), folders.end(), normal) == folders.end()) {
      folders.push_back(normal);
    }
  };
  add(executableFolder);
  // An absolute `fromExecutable` is taken as it stands, as operator/ does.
  if (!executableFolder.empty() && !fromExecutable.empty()) add(executableFolder / fromExecutable);
  add(configured);
  return folders;
}

}  // namespace brenvolt
