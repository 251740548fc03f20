// Qt's own texts (the file dialogs, the buttons of the message boxes) in the language the
// window speaks, from the translations Qt ships (Debian's qt6-translations-l10n) in Qt's
// translations folder. English is Qt's own language and needs none.
#pragma once

#include <QTranslator>
#include <memory>

#include "window/qt/language.h"

namespace brenvolt {

class QtTexts {
 public:
  QtTexts();
  ~QtTexts();
  QtTexts(const QtTexts&) = delete;
  QtTexts& operator=(const QtTexts&) = delete;

  // Qt's texts in `language` from now on, for the whole application; false, with Qt speaking
  // English, when its translations are not installed.
  bool use(言語 language);

 private:
  std::unique_ptr<QTranslator> japanese_;
  bool installed_ = false;
};

}  // namespace brenvolt
