#include "engine/line_reader.h"

namespace brenvolt::engine {

LineStatus LineReader::next(std::string& line) {
  line.clear();
  auto* buffer = in_.rdbuf();
  bool any = false;
  bool overflow = false;
  while (true) {
    const auto c = buffer->sbumpc();
    if (c == std::char_traits<char>::eof()) break;
    any = true;
    if (c == '\n') break;
    if (line.size() < limit_) {
      line += static_cast<char>(c);
    } else {
      overflow = true;
    }
  }
  if (!any) return LineStatus::end;
  if (overflow) {
    line.clear();
    return LineStatus::too_long;
  }
  return LineStatus::line;
}

}  // namespace brenvolt::engine
