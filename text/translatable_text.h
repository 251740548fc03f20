// A text a player reads, kept as what it is made of rather than as finished characters: a
// pattern in the game's own Japanese, with %1, %2 … where its arguments go, looked up in one of
// the translation contexts; each argument is itself such a text, or a literal shown as it stands
// in every language (a file name, a number, the system's own words). The game builds these; the
// window's language turns them into the characters shown, so switching the language never has
// to take a finished text apart again.
#pragma once

#include <string>
#include <vector>

namespace brenvolt {

// The translation contexts: menu captions, message boxes (their texts and titles, the dialogs'
// titles and filters), the texts drawn on the board, and the panel's move list.
inline constexpr const char* 文脈_メニュー = "menu";
inline constexpr const char* 文脈_箱 = "box";
inline constexpr const char* 文脈_盤 = "board";
// The panel beside the board: the start of its move list and the form of a move there.
inline constexpr const char* 文脈_棋譜欄 = "panel";

// Arguments fill the place holders %1 … %9 by number, all in one pass, so a literal holding "%1"
// (a file name) is never filled again.
inline constexpr std::size_t 引数の上限 = 9;

class TranslatableText {
 public:
  TranslatableText() = default;
  // `pattern` looked up in `context` (one of the 文脈_ constants), with its arguments.
  TranslatableText(const char* context, std::string pattern,
                   std::vector<TranslatableText> arguments = {});
  // `text` as it stands, in every language.
  static TranslatableText literal(std::string text);

  // Empty for a literal.
  const std::string& context() const { return context_; }
  bool isLiteral() const { return context_.empty(); }
  const std::string& pattern() const { return pattern_; }
  const std::vector<TranslatableText>& arguments() const { return arguments_; }
  bool empty() const { return pattern_.empty(); }

  // The finished text in Japanese, the game's own language.
  std::string japanese() const;

  bool operator==(const TranslatableText&) const = default;

 private:
  std::string context_;
  std::string pattern_;
  std::vector<TranslatableText> arguments_;
};

// The usual ways of making one.
TranslatableText 箱の文(std::string pattern, std::vector<TranslatableText> arguments = {});
TranslatableText 盤の文(std::string pattern);
TranslatableText そのまま(std::string text);

// `pattern` with each place holder %n (1 ≤ n ≤ the number of arguments) replaced by the n-th
// argument, in one pass; a place holder without an argument stays as it is.
std::string 型に入れる(const std::string& pattern, const std::vector<std::string>& arguments);

}  // namespace brenvolt
