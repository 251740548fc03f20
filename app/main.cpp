// brenvolt: the game in its window, or with --screenshot a picture of that window; either
// after opening a record named on the command line. With --review, a record reviewed on
// standard output, with no window at all.
#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <memory>
#include <optional>
#include <utility>

#include "app/command_line.h"
#include "app/data_folders.h"
#include "app/display_check.h"
#include "app/review_output.h"
#include "app/screen_scale.h"
#include "app/screenshot.h"
#include "app/silent_sound.h"
#include "app/start_record.h"
#include "brenvolt_version.h"
#include "sound/sdl/sdl_sound_library.h"
#include "window/last_game_file.h"
#include "window/qt/language.h"
#include "window/qt/main_window.h"
#include "window/qt/remembered_choices.h"
#include "window/qt/settings.h"
#include "window/qt/window_font.h"

namespace {

using namespace brenvolt;

std::string 環境変数(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

std::vector<std::filesystem::path> 音の置場() {
  return データの置場(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()),
                      std::filesystem::path(BRENVOLT_DATA_FROM_BIN),
                      std::filesystem::path(BRENVOLT_DATA_DIR));
}

// Device pixels per pixel of the screen the window opens on (2 on a high-density screen, or
// with QT_SCALE_FACTOR=2 also for a screenshot), within what the window draws at.
qreal 画素比() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  const qreal asked = screen ? screen->devicePixelRatio() : 1.0;
  const qreal used = 使える画素比(asked);
  if (used != asked) {
    std::cerr << "brenvolt: the screen's device pixel ratio " << asked
              << " is out of range; the window is drawn at " << used << '\n';
  }
  return used;
}

// The language asked for on the command line, else the one the player chose last.
言語 言語の指定(const 起動設定& settings, const Settings* kept) {
  if (settings.language) return *settings.language == "en" ? 言語::英語 : 言語::日本語;
  return kept ? kept->language() : 言語::日本語;
}

// The size asked for on the command line, else the one the player chose last.
double 倍率の指定(const 起動設定& settings, const Settings* kept) {
  if (settings.scale) return *settings.scale;
  return kept ? kept->zoom() : 1.0;
}

// A message for standard error in `language`, as its box would say it. Before the application
// starts, a bare core application stands in for it to install the translations in.
std::string 言語で(言語 language, const TranslatableText& text) {
  int argc = 1;
  char name[] = "brenvolt";
  char* argv[] = {name, nullptr};
  std::optional<QCoreApplication> core;
  if (!QCoreApplication::instance()) core.emplace(argc, argv);
  Language texts;
  if (!texts.set(language)) return text.japanese();
  return texts.text(text).toStdString();
}

// The window in `language`; false, with a message, when it cannot be had.
bool 言語を使う(MainWindow& window, 言語 language) {
  if (window.setLanguage(language)) return true;
  std::cerr << "brenvolt: the translations for "
            << (language == 言語::英語 ? "English" : "Japanese") << " cannot be loaded\n";
  return false;
}

// Analysis nodes of a screenshot's analysis: the same picture on every machine.
constexpr std::uint64_t 撮る検討の節点数 = 200000;

// Runs the event loop until the work off the user-interface thread has ended and the panel
// shows what it found: the review first, then the analysis it held back.
void 裏の仕事を待つ(MainWindow& window) {
  do {
    while (window.platform().background().pending() > 0)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    QCoreApplication::processEvents();
    window.updatePanel();
  } while (window.platform().background().pending() > 0);
}

int 画面だけ撮る(const 起動設定& settings, const std::optional<対局>& 棋譜) {
  SilentSound silence;
  MainWindow window(silence, {}, 画素比(), BoxMode::StandardError);
  if (!言語を使う(window, 言語の指定(settings, nullptr))) return EXIT_FAILURE;
  window.form().Form_Load();
  window.setPanelShown(settings.panel);
  window.setClientScale(倍率の指定(settings, nullptr));
  if (棋譜) window.form().対局を復元(*棋譜);
  window.updatePanel();
  if (settings.analysis) {
    window.form().検討.set_caps({0, 撮る検討の節点数, 0});
    window.form().KENTOU_Click();
  }
  if (settings.reviewNodes) {
    window.form().振り返り.set_budget(講評の予算(settings.reviewNodes));
    window.review();
  }
  裏の仕事を待つ(window);
  if (settings.position) {
    if (const auto error = 局面を表示する(window, *settings.position)) {
      std::cerr << "brenvolt: " << *error << '\n';
      return EXIT_FAILURE;
    }
  }
  if (const auto error = 画面を保存する(window, *settings.screenshot)) {
    std::cerr << "brenvolt: " << *error << '\n';
    return EXIT_FAILURE;
  }
  return EXIT_SUCCESS;
}

// Calls `after` once, as soon as the watched widget has been painted for the first time.
class 初描画の後 : public QObject {
 public:
  explicit 初描画の後(std::function<void()> after) : after_(std::move(after)) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && after_) {
      QTimer::singleShot(0, std::exchange(after_, nullptr));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> after_;
};

int 遊ぶ(QApplication& app, const 起動設定& settings, Settings& kept,
         const std::optional<対局>& 棋譜) {
  SdlSoundLibrary sound;
  MainWindow window(sound, 音の置場(), 画素比(), BoxMode::Modal);
  // Message boxes carry the game's icon too.
  QApplication::setWindowIcon(window.windowIcon());
  if (!言語を使う(window, 言語の指定(settings, &kept))) return EXIT_FAILURE;
  // The window shows its picture first; the sound device opens and the sounds load as soon as
  // it is on the screen, the music starting a moment after the window appears.
  window.form().Form_Load_画面();
  RememberedChoices remembered(window, kept);
  remembered.applyAtStart();
  if (settings.panel) window.setPanelShown(true);
  if (const double scale = 倍率の指定(settings, &kept); scale != 1.0) window.zoomTo(scale);
  // A record opened at start-up is on the first picture; it is set out before the sounds load,
  // so it opens without the piece sound.
  if (棋譜) window.form().対局を復元(*棋譜);
  if (settings.reviewNodes) window.form().振り返り.set_budget(講評の予算(settings.reviewNodes));
  // From here on a game left running at the end is kept. A record opened at start-up is not
  // the player giving up the kept game: that stays for 前回の対局を再開.
  window.form().前回の対局を置く(前回の対局ファイル());
  window.updatePanel();
  // Timing the start-up ends the program there: the time to the first picture, nothing after.
  初描画の後 quitter([] {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
  });
  初描画の後 soundStarter([&window, &remembered] {
    window.form().Form_Load_音();
    remembered.keepChanges();
  });
  // The filter installed last sees the paint first.
  window.view().installEventFilter(&soundStarter);
  if (settings.quitAfterFirstPaint) window.view().installEventFilter(&quitter);
  window.show();
  return app.exec();
}

}  // namespace

int main(int argc, char** argv) {
  const 起動設定 settings = コマンド行を読む(std::vector<std::string>(argv + 1, argv + argc));
  if (settings.help) {
    std::cout << 使い方();
    return EXIT_SUCCESS;
  }
  if (settings.version) {
    std::cout << "brenvolt " << 版 << '\n';
    return EXIT_SUCCESS;
  }
  if (!settings.error.empty()) {
    std::cerr << "brenvolt: " << settings.error << '\n' << 使い方();
    return 2;
  }
  // A review needs neither a window nor the player's settings: a plain command-line tool.
  if (settings.review) {
    TranslatableText error;
    const std::optional<対局> 棋譜 = 起動時の棋譜(*settings.review, error);
    if (!棋譜) {
      std::cerr << "brenvolt: " << 言語で(言語の指定(settings, nullptr), error) << '\n';
      return EXIT_FAILURE;
    }
    講評を書く(*棋譜, 講評の予算(settings.reviewNodes), std::cout);
    return EXIT_SUCCESS;
  }
  // A screenshot is the same picture whoever makes it: it neither reads nor writes the player's
  // settings.
  std::optional<Settings> kept;
  if (!settings.screenshot) kept.emplace();
  const 言語 language = 言語の指定(settings, kept ? &*kept : nullptr);
  // A record that cannot be opened ends the program before any window or sound starts.
  std::optional<対局> 棋譜;
  if (settings.record) {
    TranslatableText error;
    棋譜 = 起動時の棋譜(*settings.record, error);
    if (!棋譜) {
      std::cerr << "brenvolt: " << 言語で(language, error) << '\n';
      return EXIT_FAILURE;
    }
  }
  // A screenshot never shows a window, so it needs no display.
  if (settings.screenshot && 環境変数("QT_QPA_PLATFORM").empty()) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  }
  if (const auto reason = 表示先がない理由(環境変数("QT_QPA_PLATFORM"), 環境変数("DISPLAY"),
                                           環境変数("WAYLAND_DISPLAY"))) {
    std::cerr << *reason << '\n';
    return EXIT_FAILURE;
  }
  for (const std::string& line : 画面倍率の環境を限る()) std::cerr << line << '\n';
  表示失敗を見張る();
  QApplication app(argc, argv);
  見張りをやめる();
  QApplication::setApplicationName(QStringLiteral("brenvolt"));
  // Wayland desktops match the window to its menu entry, and so to its icon, by this name.
  QGuiApplication::setDesktopFileName(QStringLiteral(BRENVOLT_APP_ID));
  if (const auto warning = 日本語フォントがない警告()) {
    std::cerr << "brenvolt: " << 言語で(language, *warning) << '\n';
  }
  return kept ? 遊ぶ(app, settings, *kept, 棋譜) : 画面だけ撮る(settings, 棋譜);
}
