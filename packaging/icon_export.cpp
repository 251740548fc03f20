// brenvolt-icon-export: writes the game's window icon as square PNGs of the sizes asked for,
// for the desktop's icon theme. It draws with the window's own icon code, so the menu entry
// shows exactly the icon of the running window.
//   brenvolt-icon-export FOLDER NAME SIZE...   writes FOLDER/SIZExSIZE/apps/NAME.png
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "window/qt/picture_drawing.h"
#include "window/qt/picture_store.h"

namespace {

using namespace brenvolt;

constexpr int 最小サイズ = 8;
constexpr int 最大サイズ = 1024;

// The icon drawn at the pixel ratio that gives `size` device pixels, as a plain image of
// exactly size × size pixels.
QImage 大きさのアイコン(int size) {
  const qreal ratio = static_cast<qreal>(size) / アイコンサイズ.width();
  QImage image = アイコンを描く(ratio);
  image.setDevicePixelRatio(1.0);
  if (image.size() != QSize(size, size)) {
    image = image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  }
  return image;
}

bool 大きさを読む(const std::string& text, int& size) {
  try {
    std::size_t used = 0;
    size = std::stoi(text, &used);
    return used == text.size() && size >= 最小サイズ && size <= 最大サイズ;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: brenvolt-icon-export FOLDER NAME SIZE...\n";
    return 2;
  }
  const std::filesystem::path folder = argv[1];
  const std::string name = argv[2];
  std::vector<int> sizes;
  for (int i = 3; i < argc; ++i) {
    int size = 0;
    if (!大きさを読む(argv[i], size)) {
      std::cerr << "brenvolt-icon-export: size must be " << 最小サイズ << " to " << 最大サイズ
                << ", not " << argv[i] << '\n';
      return 2;
    }
    sizes.push_back(size);
  }
  // Drawing needs fonts but no screen.
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QGuiApplication app(argc, argv);
  for (const int size : sizes) {
    const std::string edge = std::to_string(size);
    const std::filesystem::path file = folder / (edge + "x" + edge) / "apps" / (name + ".png");
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error || !大きさのアイコン(size).save(QString::fromStdString(file.string()), "PNG")) {
      std::cerr << "brenvolt-icon-export: cannot write " << file.string() << '\n';
      return EXIT_FAILURE;
    }
  }
  return EXIT_SUCCESS;
}
