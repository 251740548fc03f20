#include "app/start_record.h"

#include "notation/record_file.h"
#include "window/record_files.h"

namespace brenvolt {

std::optional<対局> 起動時の棋譜(const std::string& file, std::string& error) {
  std::string reason;
  const auto text = 記録ファイルを読む(file, notation::kRecordSizeLimit, reason);
  if (!text) {
    error = file + ": " + reason;
    return std::nullopt;
  }
  対局 game;
  notation::RecordError refused;
  if (!notation::read_record(*text, game, refused)) {
    error = file + ": " + notation::describe(refused);
    return std::nullopt;
  }
  return game;
}

}  // namespace brenvolt
