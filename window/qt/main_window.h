// The game's main window: caption, icon, menu bar and the client area showing the retained
// surface. It owns the one Form1 and passes every window event on to it.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <memory>
#include <vector>

#include "window/form1.h"
#include "window/qt/picture_store.h"
#include "window/qt/qt_platform.h"
#include "window/qt/surface.h"
#include "window/qt/surface_view.h"

namespace brenvolt {

// The retained surface covers the largest client area the window can have: its whole outer
// size of 9000 × 8000 twips.
inline constexpr QSize 画面サイズ{600, 533};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(SoundLibrary& sound, std::vector<std::filesystem::path> dataFolders,
             qreal devicePixelRatio, BoxMode boxMode);

  Form1& form() { return *form_; }
  Surface& surface() { return surface_; }
  QtPlatform& platform() { return platform_; }
  SurfaceView& view() { return *view_; }
  const PictureStore& pictures() const { return pictures_; }
  // The part of the surface the client area shows, in pixels.
  QSize clientSize() const;
  // What the client area shows, at the surface's device pixel ratio.
  QImage clientImage() const;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  PictureStore pictures_;
  Surface surface_;
  SurfaceView* view_;
  QtPlatform platform_;
  std::unique_ptr<Form1> form_;
};

}  // namespace brenvolt
