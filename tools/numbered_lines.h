// Files of one item a line, as the tools read them: a line that does not read stops the
// reading, and the error names it by its number.
#pragma once

#include <istream>
#include <string>
#include <vector>

namespace brenvolt::tools {

// parse(line, why) gives an item or nothing; nothing with `why` left empty skips the line (a
// blank or a comment). On the first line refused, nothing is returned and error is
// "line N: " and why.
template <class T, class Parse>
std::vector<T> read_numbered_lines(std::istream& in, Parse&& parse, std::string& error) {
  std::vector<T> items;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string why;
    if (auto item = parse(line, why)) {
      items.push_back(std::move(*item));
    } else if (!why.empty()) {
      error = "line " + std::to_string(number) + ": " + why;
      return {};
    }
  }
  return items;
}

}  // namespace brenvolt::tools
