// The language the window speaks. The game's texts are Japanese, and Japanese is the default
// whatever the locale; in English the translations compiled from translations/brenvolt_en.ts
// (Qt Linguist) are installed in the application, and every menu caption, message box and text
// on the board is looked up there by its pattern and context, its arguments filled in after.
#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <memory>

#include "text/translatable_text.h"
#include "window/qt/surface.h"

namespace brenvolt {

enum class 言語 { 日本語, 英語 };

// The compiled translations, in Qt's resources.
inline constexpr const char* 英訳ファイル = ":/translations/brenvolt_en.qm";

class Language : public SurfaceTexts {
 public:
  Language();
  ~Language() override;

  // False, with the language unchanged, when the translations cannot be loaded (or, for
  // English, there is no application to install them in).
  bool set(言語 language);
  言語 current() const { return current_; }

  // `text` in the language in use: its Japanese, or its pattern translated with its arguments,
  // each in English too, filled in; a pattern without an entry is shown as it stands.
  QString text(const TranslatableText& text) const;

  // The board's texts.
  QString shown(const TranslatableText& text) const override;
  QStringList everyLanguage(const TranslatableText& text) const override;

 private:
  bool loadEnglish() const;

  言語 current_ = 言語::日本語;
  // Loaded when first needed: the board keeps room for its texts in English from the start.
  mutable std::unique_ptr<QTranslator> english_;
  bool installed_ = false;
};

}  // namespace brenvolt
