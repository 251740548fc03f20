#include "app/command_line.h"

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

}  // namespace

起動設定 コマンド行を読む(const std::vector<std::string>& arguments) {
  起動設定 settings;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    const bool hasValue = i + 1 < arguments.size();
    if (argument == "--help" || argument == "-h") {
      settings.help = true;
    } else if (argument == "--screenshot" || argument == "--position") {
      if (!hasValue) {
        settings.error = argument + " needs a value";
        return settings;
      }
      (argument == "--screenshot" ? settings.screenshot : settings.position) = arguments[++i];
    } else if (argument.rfind("--screenshot=", 0) == 0) {
      settings.screenshot = argument.substr(argument.find('=') + 1);
    } else if (argument.rfind("--position=", 0) == 0) {
      settings.position = argument.substr(argument.find('=') + 1);
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
  }
  return settings;
}

std::string 使い方() {
  return "usage: brenvolt [--screenshot FILE [--position POSITION]]\n"
         "  (no option)           play the game in a window\n"
         "  --screenshot FILE     draw the window after start-up into the PNG file FILE and\n"
         "                        end, without showing a window or using the sound device\n"
         "  --position POSITION   with --screenshot: show this position (the engine's\n"
         "                        notation) on the board and the hand stands\n";
}

}  // namespace brenvolt
