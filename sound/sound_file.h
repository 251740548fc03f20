// Finding and reading the game's sound files.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "text/translatable_text.h"

namespace brenvolt {

// Where a sound file of that name is: the name as given (a bare name is relative to the working
// directory), else, for a bare name only, the first data folder holding it. Empty when the file
// is nowhere. Anything existing under the name counts, so a folder or an unreadable file is
// found here and reported when it is read.
std::filesystem::path findSoundFile(const std::string& name,
                                    const std::vector<std::filesystem::path>& dataFolders);

// The whole content of a file, or the reason it could not be read.
struct FileContent {
  std::vector<unsigned char> bytes;
  TranslatableText failure;  // empty when `bytes` is the whole file
};

// Only a regular file is read, and opening it never waits (a pipe named like a sound would).
// Files larger than `limit` bytes are refused rather than read.
FileContent readWholeFile(const std::filesystem::path& path, std::size_t limit);

}  // namespace brenvolt
