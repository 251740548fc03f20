#include "window/qt/main_window.h"

#include <QCloseEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPixmap>

#include "window/qt/key_codes.h"
#include "window/qt/menu_bar.h"

namespace brenvolt {

MainWindow::MainWindow(SoundLibrary& sound, std::vector<std::filesystem::path> dataFolders,
                       qreal devicePixelRatio, BoxMode boxMode)
    : pictures_(devicePixelRatio),
      surface_(画面サイズ, devicePixelRatio, pictures_),
      view_(new SurfaceView(surface_, this)),
      platform_(*this, surface_, *view_, boxMode) {
  setWindowTitle(QStringLiteral("Brenvolt"));
  setWindowIcon(QIcon(QPixmap::fromImage(pictures_.icon())));
  setCentralWidget(view_);
  resize(画面サイズ);
  form_ = std::make_unique<Form1>(surface_, platform_, sound, std::move(dataFolders));
  メニューを作る(*menuBar(), *form_, platform_);
  // repaint, not update: the game refreshes in the middle of long handlers (the computer's
  // thinking, the blink) where no event loop runs to deliver a deferred paint.
  surface_.setRefreshHandler([this] { view_->repaint(); });
  view_->setPressHandler(
      [this](int button, double x, double y) { form_->Form_MouseDown(button, 0, x, y); });
}

QSize MainWindow::clientSize() const {
  // The layout is settled here so the size is right also for a window never shown.
  if (layout()) layout()->activate();
  return view_->size().boundedTo(画面サイズ);
}

QImage MainWindow::clientImage() const {
  const QImage& image = surface_.image();
  const qreal ratio = image.devicePixelRatio();
  QImage shown = image.copy(QRect(QPoint(0, 0), clientSize() * ratio));
  shown.setDevicePixelRatio(ratio);
  return shown;
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const auto code = 仮想キーコード(event->key());
  if (!code) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  form_->Form_KeyDown(*code);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  form_->Form_Unload();
  event->accept();
}

}  // namespace brenvolt
