#include "app/start_record.h"

#include "notation/record_file.h"
#include "window/record_files.h"

namespace brenvolt {

std::optional<対局> 起動時の棋譜(const std::string& file, TranslatableText& error) {
  TranslatableText reason;
  const auto text = 記録ファイルを読む(file, notation::kRecordSizeLimit, reason);
  if (!text) {
    error = ファイルと理由(file, reason);
    return std::nullopt;
  }
  対局 game;
  notation::RecordError refused;
  if (!notation::read_record(*text, game, refused)) {
    error = ファイルと理由(file, notation::refusal_text(refused));
    return std::nullopt;
  }
  return game;
}

}  // namespace brenvolt
