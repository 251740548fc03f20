#include "app/command_line.h"

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
constexpr const char* 値付きオプション[] = {"--screenshot", "--position", "--lang", "--scale"};

std::optional<double> 倍率を読む(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!(value >= 1.0 && value <= 最大倍率)) return std::nullopt;
  return value;
}

// Stores the value of one of our options; false with `settings.error` set when it is unusable.
bool 値を取る(起動設定& settings, const std::string& name, const std::string& value) {
  if (name == "--screenshot") {
    settings.screenshot = value;
  } else if (name == "--position") {
    settings.position = value;
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

}  // namespace

起動設定 コマンド行を読む(const std::vector<std::string>& arguments) {
  起動設定 settings;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    bool ours = false;
    for (const char* name : 値付きオプション) {
      const std::string withEquals = std::string(name) + "=";
      if (argument == name) {
        if (!hasValue) {
          settings.error = argument + " needs a value";
          return settings;
        }
        if (!値を取る(settings, argument, arguments[++i])) return settings;
        ours = true;
      } else if (argument.rfind(withEquals, 0) == 0) {
        if (!値を取る(settings, name, argument.substr(withEquals.size()))) return settings;
        ours = true;
      }
      if (ours) break;
    }
    if (ours) continue;
    if (argument == "--help" || argument == "-h") {
      settings.help = true;
    } else if (argument == "--quit-after-first-paint") {
      settings.quitAfterFirstPaint = true;
    } else if (Qtの値付きオプション(argument)) {
      ++i;
    } else if (argument.rfind("-", 0) == 0 && argument.rfind("--", 0) != 0) {
      // Another of Qt's single-dash options without a value.
    } else {
      settings.error = "unknown argument: " + argument;
      return settings;
    }
  }
  if (settings.screenshot && settings.screenshot->empty()) {
    settings.error = "--screenshot needs a file name";
  } else if (settings.position && !settings.screenshot) {
    settings.error = "--position is used with --screenshot";
  } else if (settings.quitAfterFirstPaint && settings.screenshot) {
    settings.error = "--quit-after-first-paint shows a window; --screenshot shows none";
  }
  return settings;
}

std::string 使い方() {
  return "usage: brenvolt [--lang ja|en] [--scale S]\n"
         "                [--screenshot FILE [--position POSITION]] [--quit-after-first-paint]\n"
         "  (no option)           play the game in a window\n"
         "  --lang ja|en          the language of menus, boxes and texts (default ja)\n"
         "  --scale S             open the window S times its classic size (1 to 4, default 1)\n"
         "  --screenshot FILE     draw the window after start-up into the PNG file FILE and\n"
         "                        end, without showing a window or using the sound device\n"
         "  --position POSITION   with --screenshot: show this position (the engine's\n"
         "                        notation) on the board and the hand stands\n"
         "  --quit-after-first-paint\n"
         "                        end as soon as the window has been painted once, for\n"
         "                        timing the start-up (tools/startup)\n";
}

}  // namespace brenvolt
