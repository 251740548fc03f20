// Reading and saving record files: the only place that touches them on disk. Reading stops at
// a size bound; saving writes a temporary file beside the target and renames it over the
// target, so the target holds either what it held before or the whole new record, never part.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "text/translatable_text.h"

namespace brenvolt {

// The whole of `path` when it is a readable file of at most `limit` bytes. Otherwise nothing,
// and `error` says why in the game's words.
std::optional<std::string> 記録ファイルを読む(const std::filesystem::path& path, std::size_t limit,
                                              TranslatableText& error);

// A file's name and what is wrong with it, as one line of a box or of standard error.
TranslatableText ファイルと理由(const std::string& name, const TranslatableText& reason);

// Puts `text` into `path`, replacing a file already there. A symbolic link stays and the file
// it names is written, also when that file does not exist yet. A replaced file keeps its
// permissions without a set-user-ID or set-group-ID bit; a new one gets what the umask allows.
// Temporary files that earlier saves into the same folder left behind when they were killed
// are removed first. Nothing on success; on failure the reason in the game's words, and `path`
// is as it was.
std::optional<TranslatableText> 記録ファイルに書く(const std::filesystem::path& path,
                                                   std::string_view text);

}  // namespace brenvolt
