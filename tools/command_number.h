// A number given on a tool's command line: the whole word, in decimal, with no blanks and no
// plus sign, and a minus sign only for a signed type (std::from_chars's rules).
#pragma once

#include <charconv>
#include <string_view>

namespace brenvolt::tools {

template <typename Number>
bool read_number(std::string_view text, Number& value) {
  const char* end = text.data() + text.size();
  const auto [stop, failure] = std::from_chars(text.data(), end, value);
  return !text.empty() && failure == std::errc() && stop == end;
}

}  // namespace brenvolt::tools
