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
constexpr const char* 値付きオプション[] = {"--screenshot", "--position", "--record", "--lang",
                                            "--scale"};

std::optional<double> 倍率を読む(const std::string& text) {
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (!(value >= 最小倍率 && value <= 最大倍率)) return std::nullopt;
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

// Reads one of our valued options at `arguments[i]`, stepping `i` past a separate value.
// Returns false when `arguments[i]` is none of them; `settings.error` tells of a bad value.
bool 値付きを読む(起動設定& settings, const std::vector<std::string>& arguments, std::size_t& i) {
  const std::string& argument = arguments[i];
  for (const char* name : 値付きオプション) {
    const std::string withEquals = std::string(name) + "=";
    if (argument == name) {
      if (i + 1 >= arguments.size()) {
        settings.error = argument + " needs a value";
        return true;
      }
      値を取る(settings, argument, arguments[++i]);
      return true;
    }
    if (argument.rfind(withEquals, 0) == 0) {
      値を取る(settings, name, argument.substr(withEquals.size()));
      return true;
    }
  }
  return false;
}

std::string 組み合わせの誤り(const 起動設定& settings) {
  if (settings.screenshot && settings.screenshot->empty()) return "--screenshot needs a file name";
  if (settings.record && settings.record->empty()) return "--record needs a file name";
  if (settings.position && !settings.screenshot) return "--position is used with --screenshot";
  if (settings.position && settings.record)
    return "--position and a record cannot be shown together";
  if (settings.quitAfterFirstPaint && settings.screenshot)
    return "--quit-after-first-paint shows a window; --screenshot shows none";
  return {};
}

}  // namespace

起動設定 コマンド行を読む(const std::vector<std::string>& arguments) {
  起動設定 settings;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    if (値付きを読む(settings, arguments, i)) {
      if (!settings.error.empty()) return settings;
    } else if (argument == "--help" || argument == "-h") {
      settings.help = true;
    } else if (argument == "--quit-after-first-paint") {
      settings.quitAfterFirstPaint = true;
    } else if (Qtの値付きオプション(argument)) {
      ++i;
    } else if (argument.rfind("-", 0) == 0 && argument.rfind("--", 0) != 0) {
      // Another of Qt's single-dash options without a value.
    } else if (argument.rfind("--", 0) == 0) {
      settings.error = "unknown argument: " + argument;
      return settings;
    } else if (settings.record) {
      settings.error = "only one record can be opened: " + argument;
      return settings;
    } else {
      settings.record = argument;
    }
  }
  settings.error = 組み合わせの誤り(settings);
  return settings;
}

std::string 使い方() {
  return "usage: brenvolt [FILE] [--lang ja|en] [--scale S]\n"
         "                [--screenshot IMAGE [--position POSITION | --record FILE]]\n"
         "                [--quit-after-first-paint]\n"
         "  (no option)           play the game in a window\n"
         "  FILE, --record FILE   open the game record FILE (a .brenvolt file) at start-up\n"
         "  --lang ja|en          the language of menus, boxes and texts (default ja)\n"
         "  --scale S             open the window S times its classic size (1 to 4, default 1)\n"
         "  --screenshot IMAGE    draw the window after start-up into the file IMAGE (PNG,\n"
         "                        or the format its suffix names, such as .jpg) and end,\n"
         "                        without showing a window or using the sound device\n"
         "  --position POSITION   with --screenshot: show this position (the engine's\n"
         "                        notation) on the board and the hand stands\n"
         "  --quit-after-first-paint\n"
         "                        end as soon as the window has been painted once, for\n"
         "                        timing the start-up (tools/startup)\n";
}

}  // namespace brenvolt
