#include "window/qt/qt_texts.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace brenvolt {

QtTexts::QtTexts() = default;

QtTexts::~QtTexts() {
  if (installed_) QCoreApplication::removeTranslator(japanese_.get());
}

bool QtTexts::use(言語 language) {
  if (language == 言語::英語) {
    if (installed_) QCoreApplication::removeTranslator(japanese_.get());
    installed_ = false;
    return true;
  }
  if (installed_) return true;
  if (!japanese_) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(QLocale::Japanese), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
      return false;
    japanese_ = std::move(translator);
  }
  installed_ = QCoreApplication::installTranslator(japanese_.get());
  return installed_;
}

}  // namespace brenvolt
