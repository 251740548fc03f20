#include "window/qt/language.h"

#include <QCoreApplication>
#include <array>
#include <functional>
#include <utility>

namespace brenvolt {

namespace {

// A pattern in a context as one language has it.
using 訳し方 = std::function<QString(const std::string& context, const std::string& pattern)>;

// QString::arg with every argument at once, so each place holder is filled in one pass and an
// argument holding "%1" (a file name) is never filled again.
template <std::size_t... I>
QString 全部入れる(const QString& pattern, const QStringList& arguments,
                   std::index_sequence<I...>) {
  if constexpr (sizeof...(I) == 1) {
    return pattern.arg(arguments[0]);
  } else {
    return pattern.arg(arguments[I]...);
  }
}

// QString::arg takes its arguments as a list fixed when compiling: one filler for each count
// from 1 to 引数の上限, which a text never exceeds.
template <std::size_t... N>
QString 数に応じて入れる(const QString& pattern, const QStringList& arguments,
                         std::index_sequence<N...>) {
  using 入れ方 = QString (*)(const QString&, const QStringList&);
  static constexpr std::array<入れ方, sizeof...(N)> 入れ方の表{
      [](const QString& p, const QStringList& a) {
        return 全部入れる(p, a, std::make_index_sequence<N + 1>());
      }...};
  return 入れ方の表[static_cast<std::size_t>(arguments.size()) - 1](pattern, arguments);
}

QString 引数を入れる(const QString& pattern, const QStringList& arguments) {
  if (arguments.isEmpty()) return pattern;
  return 数に応じて入れる(pattern, arguments, std::make_index_sequence<引数の上限>());
}

QString 訳す(const TranslatableText& text, const 訳し方& translate) {
  if (text.isLiteral()) return QString::fromStdString(text.pattern());
  QStringList arguments;
  for (const TranslatableText& argument : text.arguments()) arguments << 訳す(argument, translate);
  return 引数を入れる(translate(text.context(), text.pattern()), arguments);
}

QString 日本語の文(const TranslatableText& text) {
  return QString::fromStdString(text.japanese());
}

}  // namespace

Language::Language() = default;

// The translator takes itself out of the application when it goes.
Language::~Language() = default;

bool Language::set(言語 language) {
  if (language == 言語::英語) {
    if (!loadEnglish()) return false;
    if (!installed_) installed_ = QCoreApplication::installTranslator(english_.get());
    if (!installed_) return false;
  } else if (installed_) {
    QCoreApplication::removeTranslator(english_.get());
    installed_ = false;
  }
  current_ = language;
  return true;
}

bool Language::loadEnglish() const {
  if (english_) return true;
  auto translator = std::make_unique<QTranslator>();
  if (!translator->load(QString::fromLatin1(英訳ファイル))) return false;
  english_ = std::move(translator);
  return true;
}

QString Language::text(const TranslatableText& text) const {
  // Japanese is the source: nothing is looked up, so another window's English translations
  // installed in the same application never reach this one.
  if (current_ == 言語::日本語) return 日本語の文(text);
  return 訳す(text, [](const std::string& context, const std::string& pattern) {
    return QCoreApplication::translate(context.c_str(), pattern.c_str());
  });
}

QString Language::shown(const TranslatableText& text) const {
  return this->text(text);
}

QStringList Language::everyLanguage(const TranslatableText& text) const {
  QStringList all{日本語の文(text)};
  if (!loadEnglish()) return all;
  const QTranslator& english = *english_;
  all << 訳す(text, [&english](const std::string& context, const std::string& pattern) {
    const QString translated = english.translate(context.c_str(), pattern.c_str());
    return translated.isEmpty() ? QString::fromStdString(pattern) : translated;
  });
  return all;
}

}  // namespace brenvolt
