#include "text/translatable_text.h"

#include <utility>

namespace brenvolt {

TranslatableText::TranslatableText(const char* context, std::string pattern,
                                   std::vector<TranslatableText> arguments)
    : context_(context == nullptr ? "" : context),
      pattern_(std::move(pattern)),
      arguments_(std::move(arguments)) {
  if (arguments_.size() > 引数の上限) arguments_.resize(引数の上限);
}

TranslatableText TranslatableText::literal(std::string text) {
  TranslatableText made;
  made.pattern_ = std::move(text);
  return made;
}

std::string TranslatableText::japanese() const {
  if (isLiteral() || arguments_.empty()) return pattern_;
  std::vector<std::string> filled;
  filled.reserve(arguments_.size());
  for (const TranslatableText& argument : arguments_) filled.push_back(argument.japanese());
  return 型に入れる(pattern_, filled);
}

TranslatableText 箱の文(std::string pattern, std::vector<TranslatableText> arguments) {
  return TranslatableText(文脈_箱, std::move(pattern), std::move(arguments));
}

TranslatableText 盤の文(std::string pattern) {
  return TranslatableText(文脈_盤, std::move(pattern));
}

TranslatableText そのまま(std::string text) {
  return TranslatableText::literal(std::move(text));
}

std::string 型に入れる(const std::string& pattern, const std::vector<std::string>& arguments) {
  std::string result;
  result.reserve(pattern.size());
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const std::size_t number = pattern[i] == '%' && i + 1 < pattern.size() &&
                                       pattern[i + 1] >= '1' && pattern[i + 1] <= '9'
                                   ? static_cast<std::size_t>(pattern[i + 1] - '0')
                                   : 0;
    if (number == 0 || number > arguments.size()) {
      result += pattern[i];
      continue;
    }
    result += arguments[number - 1];
    ++i;
  }
  return result;
}

}  // namespace brenvolt
