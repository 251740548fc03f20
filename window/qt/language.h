// The language the window speaks. The game's texts are Japanese, and Japanese is the default
// whatever the locale; in English every menu caption, message box and text on the board is
// looked up in the translations compiled from translations/brenvolt_en.ts (Qt Linguist), by
// its Japanese text and one of three contexts: menu captions, message boxes, the board.
//
// A text put together at run time (a file name inside a warning) is translated through an
// entry whose source has %1, %2 … where the pieces go: the pieces themselves are translated
// when they have an entry of their own, and shown as they stand otherwise.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>
#include <string>
#include <vector>

#include "window/qt/surface.h"

namespace brenvolt {

enum class 言語 { 日本語, 英語 };

inline constexpr const char* 文脈_メニュー = "menu";
inline constexpr const char* 文脈_箱 = "box";
inline constexpr const char* 文脈_盤 = "board";

// The compiled translations and the Linguist source they are made from, in Qt's resources.
inline constexpr const char* 英訳ファイル = ":/translations/brenvolt_en.qm";
inline constexpr const char* 英訳の原本 = ":/translations/brenvolt_en.ts";

class Language : public SurfaceTexts {
 public:
  Language();
  ~Language() override;

  // False, with the language unchanged, when the translations cannot be loaded.
  bool set(言語 language);
  言語 current() const { return current_; }

  // `source` in the language in use: the source itself in Japanese; in English its
  // translation in `context`, or the source as it stands when there is none.
  QString text(const char* context, const QString& source) const;
  QString text(const char* context, const std::string& source) const;
  // The English of `source` in `context`; empty when it has none.
  QString english(const char* context, const QString& source) const;

  // The board's texts.
  QString shown(const std::string& text) const override;
  QStringList everyLanguage(const std::string& text) const override;

 private:
  struct Pattern {
    QString context;
    QString source;
  };
  bool loadEnglish() const;
  QString englishOfPattern(const char* context, const QString& source) const;

  言語 current_ = 言語::日本語;
  mutable std::unique_ptr<QTranslator> english_;
  mutable std::vector<Pattern> patterns_;
  mutable bool patternsRead_ = false;
};

}  // namespace brenvolt
