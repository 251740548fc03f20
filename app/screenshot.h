// The window's picture after start-up, optionally showing a given position, saved as an image.
#pragma once

#include <optional>
#include <string>

namespace brenvolt {

class MainWindow;

// Puts the position `position` (the engine's notation) on the loaded window's board and hand
// stands. Returns an error text when the position cannot be read; the window is then unchanged.
std::optional<std::string> 局面を表示する(MainWindow& window, const std::string& position);

// Saves what the window's client area shows to `file`, in the image format its suffix names
// (PNG when it names none); an error text on failure.
std::optional<std::string> 画面を保存する(const MainWindow& window, const std::string& file);

}  // namespace brenvolt
