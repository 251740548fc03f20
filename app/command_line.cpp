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

// Our options that take a value, and where the value goes.
std::optional<std::string>* 値の置場(起動設定& settings, const std::string& name) {
  if (name == "--screenshot") return &settings.screenshot;
  if (name == "--position") return &settings.position;
  if (name == "--record") return &settings.record;
  return nullptr;
}

// The value of `--name=value`, with the name given back in `name`.
std::optional<std::string> 等号の値(const std::string& argument, std::string& name) {
  const auto equals = argument.find('=');
  if (argument.rfind("--", 0) != 0 || equals == std::string::npos) return std::nullopt;
  name = argument.substr(0, equals);
  return argument.substr(equals + 1);
}

std::string 組み合わせの誤り(const 起動設定& settings) {
  if (settings.screenshot && settings.screenshot->empty()) return "--screenshot needs a file name";
  if (settings.record && settings.record->empty()) return "--record needs a file name";
  if (settings.position && !settings.screenshot) return "--position is used with --screenshot";
  if (settings.position && settings.record)
    return "--position and a record cannot be shown together";
  return {};
}

}  // namespace

起動設定 コマンド行を読む(const std::vector<std::string>& arguments) {
  起動設定 settings;
  for (std::size_t i = 0; i < arguments.size(); ++i) {
    const std::string& argument = arguments[i];
    std::string name;
    if (argument == "--help" || argument == "-h") {
      settings.help = true;
    } else if (auto* place = 値の置場(settings, argument)) {
      if (i + 1 >= arguments.size()) {
        settings.error = argument + " needs a value";
        return settings;
      }
      *place = arguments[++i];
    } else if (const auto value = 等号の値(argument, name); value && 値の置場(settings, name)) {
      *値の置場(settings, name) = *value;
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
  return "usage: brenvolt [FILE] [--screenshot PNG [--position POSITION | --record FILE]]\n"
         "  (no option)           play the game in a window\n"
         "  FILE, --record FILE   open the game record FILE (a .brenvolt file) at start-up\n"
         "  --screenshot PNG      draw the window after start-up into the PNG file PNG and\n"
         "                        end, without showing a window or using the sound device\n"
         "  --position POSITION   with --screenshot: show this position (the engine's\n"
         "                        notation) on the board and the hand stands\n";
}

}  // namespace brenvolt
