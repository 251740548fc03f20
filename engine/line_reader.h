// Reads input lines of bounded length: a longer line is consumed to its end and reported as
// too long, so no input can make the engine hold more than one bounded line.
#pragma once

#include <cstddef>
#include <istream>
#include <string>

namespace brenvolt::engine {

enum class LineStatus { line, too_long, end };

class LineReader {
 public:
  LineReader(std::istream& in, std::size_t limit) : in_(in), limit_(limit) {}
  // The next line without its '\n'; end once the input is exhausted with nothing pending.
  LineStatus next(std::string& line);

 private:
  std::istream& in_;
  std::size_t limit_;
};

}  // namespace brenvolt::engine
