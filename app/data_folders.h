// Where the program looks for its data files (the sounds).
#pragma once

#include <filesystem>
#include <vector>

namespace brenvolt {

// The folders to search, in order, after the working directory:
//   - the executable's own folder, where a build tree keeps the sounds beside the program;
//   - `fromExecutable` taken from that folder, the data folder of the installation the
//     executable belongs to, so a copy installed under any prefix (a package in /usr, a
//     `cmake --install --prefix` elsewhere) finds its own sounds;
//   - `configured`, the data folder the build was configured for.
// Each folder appears once, in the first place it is reached.
std::vector<std::filesystem::path> データの置場(const std::filesystem::path& executableFolder,
                                                const std::filesystem::path& fromExecutable,
                                                const std::filesystem::path& configured);

}  // namespace brenvolt
