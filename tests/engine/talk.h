// Talking to a fresh engine session in tests: lines go in, answer lines come out once any
// search they started has ended.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "engine/session.h"
#include "notation/position_text.h"

namespace brenvolt::engine::testing {

inline std::vector<std::string> lines_of(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

inline bool is_error(const std::string& line) {
  return line.rfind("info string error ", 0) == 0;
}

class Talk {
 public:
  // Every answer line of these lines, the last one's search waited for.
  std::vector<std::string> say_lines(const std::vector<std::string>& lines) {
    out_.str("");
    for (const auto& line : lines) session_.handle_line(line);
    session_.wait();
    return lines_of(out_.str());
  }
  std::vector<std::string> say(const std::string& line) { return say_lines({line}); }
  // The one answer line of `line`.
  std::string one(const std::string& line) {
    const auto lines = say(line);
    EXPECT_EQ(lines.size(), 1u) << line;
    return lines.empty() ? "" : lines.front();
  }
  // The last answer line, the best move after a go.
  std::string bestmove(const std::vector<std::string>& lines) {
    const auto answer = say_lines(lines);
    EXPECT_FALSE(answer.empty());
    return answer.empty() ? "" : answer.back();
  }
  std::string position() { return notation::format_position(session_.game().局); }
  Session& session() { return session_; }

 private:
  std::ostringstream out_;
  Session session_{out_};
};

}  // namespace brenvolt::engine::testing
