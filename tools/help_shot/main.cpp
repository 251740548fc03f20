// brenvolt-help-shot: pictures of the How to play window without a display, for reviews and
// bug reports.
//
//   brenvolt-help-shot [--lang en] [--scale 2] [--whole] FILE.png
//
// draws the window as it opens (or, with --whole, its whole document from top to bottom at the
// window's width) in Japanese or English, at 1× or at a device pixel ratio of --scale.
#include <QApplication>
#include <QImageWriter>
#include <QPainter>
#include <QTextDocument>
#include <cstdlib>
#include <iostream>
#include <string>

#include "window/qt/how_to_play_window.h"
#include "window/qt/language.h"

namespace {

struct 設定 {
  bool english = false;
  std::string scale = "1";
  bool whole = false;
  std::string file;
};

bool 読む(int argc, char** argv, 設定& settings) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--lang" && i + 1 < argc) {
      const std::string lang = argv[++i];
      if (lang != "en" && lang != "ja") return false;
      settings.english = lang == "en";
    } else if (arg == "--scale" && i + 1 < argc) {
      settings.scale = argv[++i];
      if (std::atof(settings.scale.c_str()) < 1.0) return false;
    } else if (arg == "--whole") {
      settings.whole = true;
    } else if (!arg.empty() && arg[0] != '-' && settings.file.empty()) {
      settings.file = arg;
    } else {
      return false;
    }
  }
  return !settings.file.empty();
}

QImage 文書全体(brenvolt::HowToPlayWindow& window) {
  QTextDocument& document = *window.browser().document();
  document.setTextWidth(window.browser().viewport()->width());
  const qreal ratio = window.devicePixelRatioF();
  QImage image((document.size() * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  image.fill(window.browser().palette().base().color());
  QPainter painter(&image);
  document.drawContents(&painter);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  設定 settings;
  if (!読む(argc, argv, settings)) {
    std::cerr << "usage: brenvolt-help-shot [--lang en|ja] [--scale N] [--whole] FILE.png\n";
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  setenv("QT_SCALE_FACTOR", settings.scale.c_str(), 1);
  QApplication app(argc, argv);
  brenvolt::Language language;
  if (settings.english && !language.set(brenvolt::言語::英語)) {
    std::cerr << "brenvolt-help-shot: the English translations cannot be loaded\n";
    return EXIT_FAILURE;
  }
  brenvolt::HowToPlayWindow window(language, nullptr);
  window.show();
  QApplication::processEvents();
  const QImage image = settings.whole ? 文書全体(window) : window.grab().toImage();
  QImageWriter writer(QString::fromStdString(settings.file), "png");
  if (!writer.write(image)) {
    std::cerr << "brenvolt-help-shot: cannot write " << settings.file << ": "
              << writer.errorString().toStdString() << '\n';
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}
