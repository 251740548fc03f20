// Why a file could not be read or written, in the game's own words rather than the C library's
// English, so that every reason a box shows has a translation. Sound files and record files
// give the same reason for the same failure.
#pragma once

#include <optional>
#include <string>

#include "text/translatable_text.h"

namespace brenvolt {

// The reason for the error number `number` (an errno value). Errors without a text of their
// own are named by their symbol, such as "EXDEV", inside a sentence of the game's.
TranslatableText システムの理由(int number);

// Why the open file `fd` is not one to read to its end, or nothing for a regular file. A pipe
// or a device could hold the reader forever or never end; a folder has no content to read.
std::optional<TranslatableText> 読むファイルでない理由(int fd);

}  // namespace brenvolt
