#include "app/command_line.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <charconv>

namespace brenvolt {

namespace {

// Qt's options that take a value; the value must not be read as one of ours.
bool Qtの値付きオプション(const std::string& argument) {
  for (const char* name : {"-platform", "-platformpluginpath", "-platformtheme", "-plugin",
                           "-qwindowgeometry", "-qwindowtitle", "-qwindowicon", "-style",
                           "-stylesheet", "-display", "-geometry", "-title"}) {
    if (argument == name || argument == std::string("-") + name) return true;
  }
  return false;
}

// Our options that take a value, given as "--name value" or "--name=value".
constexpr const char* 値付きオプション[] = {"--screenshot", "--position", "--record",      "--lang",
                                            "--scale",      "--review",   "--review-nodes"};

std::optional<double> 倍率を読む(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!(value >= 最小倍率 && value <= 最大倍率)) return std::nullopt;
  return value;
}

// A count of nodes from 1 up, in decimal digits only.
std::optional<std::uint64_t> 節点数を読む(const std::string& text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value == 0) return std::nullopt;
  return value;
}

// Stores the value of one of our options; false with `settings.error` set when it is unusable.
bool 値を取る(起動設定& settings, const std::string& name, const std::string& value) {
  if (name == "--screenshot") {
    settings.screenshot = value;
  } else if (name == "--position") {
    settings.position = value;
  } else if (name == "--record") {
    settings.record = value;
  } else if (name == "--review") {
    settings.review = value;
  } else if (name == "--review-nodes") {
    settings.reviewNodes = 節点数を読む(value);
    if (!settings.reviewNodes) {
      settings.error = "--review-nodes takes a whole number from 1 up, not \"" + value + "\"";
      return false;
    }
  } else if (name == "--lang") {
    if (value != "ja" && value != "en") {
      settings.error = "--lang takes ja or en, not \"" + value + "\"";
      return false;
    }
    settings.language = value;
  } else {
    const auto scale = 倍率を読む(value);
    if (!scale) {
      settings.error = "--scale takes a number from 1 to 4, not \"" + value + "\"";
      return false;
    }
    settings.scale = *scale;
  }
  return true;
}

// Whether `argument` is exactly one of our options that take a value.
bool 値付きの名前(const std::string& argument) {
  for (const char* name : 値付きオプション) {
    if (argument == name) return true;
  }
  return false;
}

// The arguments for QCommandLineParser, after a program name: Qt's own options (with their
// values) are left out. Returns an error for a valued option of ours at the end, which the
// parser would report in other words. Each argument goes over byte for byte as Latin-1, so a
// file name that is not UTF-8 comes back unchanged; every option's name is ASCII.
std::string 読む引数(const std::vector<std::string>& arguments, QStringList& ours) {
  ours << QStringLiteral("brenvolt");
  bool onlyOperands = false;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (onlyOperands) {
      ours << QString::fromLatin1(argument);
    } else if (値付きの名前(argument)) {
      if (i + 1 >= arguments.size()) return argument + " needs a value";
      ours << QString::fromLatin1(argument) << QString::fromLatin1(arguments[++i]);
    } else if (Qtの値付きオプション(argument)) {
      ++i;
    } else if (argument.rfind("-", 0) == 0 && argument.rfind("--", 0) != 0 && argument != "-h" &&
               argument != "-v") {
      // Another of Qt's single-dash options without a value.
    } else {
      onlyOperands = argument == "--";
      ours << QString::fromLatin1(argument);
    }
  }
  return {};
}

std::string バイト列(const QString& latin1) {
  return latin1.toLatin1().toStdString();
}

std::string 解析の誤り(const QCommandLineParser& parser) {
  const QStringList unknown = parser.unknownOptionNames();
  if (unknown.isEmpty()) return parser.errorText().toStdString();
  const QString& name = unknown.constFirst();
  return "unknown argument: " + std::string(name.size() == 1 ? "-" : "--") + バイト列(name);
}

std::string 組み合わせの誤り(const 起動設定& settings) {
  if (settings.screenshot && settings.screenshot->empty()) return "--screenshot needs a file name";
  if (settings.record && settings.record->empty()) return "--record needs a file name";
  if (settings.review && settings.review->empty()) return "--review needs a file name";
  if (settings.review && (settings.screenshot || settings.record || settings.quitAfterFirstPaint))
    return "--review shows no window: it is used alone, with --review-nodes or --lang";
  if (settings.position && !settings.screenshot) return "--position is used with --screenshot";
  if (settings.analysis && !settings.screenshot) return "--analysis is used with --screenshot";
  if (settings.position && settings.record)
    return "--position and a record cannot be shown together";
  if (settings.quitAfterFirstPaint && settings.screenshot)
    return "--quit-after-first-paint shows a window; --screenshot shows none";
  return {};
}

}  // namespace

起動設定 コマンド行を読む(const std::vector<std::string>& arguments) {
  起動設定 settings;
  QStringList ours;
  settings.error = 読む引数(arguments, ours);
  if (!settings.error.empty()) return settings;
  QCommandLineParser parser;
  const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
  const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
  const QCommandLineOption quitAfterFirstPaint(QStringLiteral("quit-after-first-paint"));
  const QCommandLineOption panel(QStringLiteral("panel"));
  const QCommandLineOption analysis(QStringLiteral("analysis"));
  parser.addOptions({help, version, quitAfterFirstPaint, panel, analysis});
  std::vector<QCommandLineOption> valued;
  for (const char* name : 値付きオプション) {
    valued.emplace_back(QString::fromLatin1(name + 2), QString(), QStringLiteral("value"));
    parser.addOption(valued.back());
  }
  if (!parser.parse(ours)) {
    settings.error = 解析の誤り(parser);
    return settings;
  }
  settings.help = parser.isSet(help);
  settings.version = parser.isSet(version);
  settings.quitAfterFirstPaint = parser.isSet(quitAfterFirstPaint);
  settings.panel = parser.isSet(panel);
  settings.analysis = parser.isSet(analysis);
  for (std::size_t i = 0; i < valued.size(); ++i) {
    if (parser.isSet(valued[i]) &&
        !値を取る(settings, 値付きオプション[i], バイト列(parser.value(valued[i])))) {
      return settings;
    }
  }
  for (const QString& operand : parser.positionalArguments()) {
    if (settings.record) {
      settings.error = "only one record can be opened: " + バイト列(operand);
      return settings;
    }
    settings.record = バイト列(operand);
  }
  settings.error = 組み合わせの誤り(settings);
  return settings;
}

std::string 使い方() {
  return "usage: brenvolt [FILE] [--lang ja|en] [--scale S] [--panel]\n"
         "                [--review-nodes N]\n"
         "                [--screenshot IMAGE [--position POSITION | --record FILE]\n"
         "                 [--analysis]]\n"
         "                [--quit-after-first-paint]\n"
         "       brenvolt --review FILE [--review-nodes N]\n"
         "       brenvolt --help | --version\n"
         "  (no option)           play the game in a window\n"
         "  FILE, --record FILE   open the game record FILE (a .brenvolt file) at start-up\n"
         "  --lang ja|en          the language of menus, boxes and texts (default: the one\n"
         "                        last chosen, at first ja)\n"
         "  --scale S             open the window S times its classic size (1 to 4; default:\n"
         "                        the size last chosen, at first 1)\n"
         "  --panel               open the panel with the move list beside the board\n"
         "                        (default: open if it was open last time)\n"
         "  --screenshot IMAGE    draw the window after start-up into the file IMAGE (PNG,\n"
         "                        or the format its suffix names, such as .jpg) and end,\n"
         "                        without showing a window or using the sound device\n"
         "  --position POSITION   with --screenshot: show this position (the engine's\n"
         "                        notation) on the board and the hand stands\n"
         "  --analysis            with --screenshot: analyse the position shown (a fixed\n"
         "                        number of nodes) and show the analysis in the panel\n"
         "  --quit-after-first-paint\n"
         "                        end as soon as the window has been painted once, for\n"
         "                        timing the start-up (tools/startup)\n"
         "  --review FILE         review the game record FILE without a window: one line per\n"
         "                        move, \"<n> <move> eval <cp N|mate N> best <move> [?|??]\"\n"
         "  --review-nodes N      search each position of a review N nodes instead of 0.3\n"
         "                        seconds, for the same review on every machine: with\n"
         "                        --review, and for the window's review; with --screenshot\n"
         "                        the record opened is reviewed before the picture\n"
         "  -h, --help            print this text and end\n"
         "  -v, --version         print the version and end\n";
}

}  // namespace brenvolt
