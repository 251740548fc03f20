// The yardstick for the game's start-up: a bare Qt window of the game's size with a menu bar,
// which ends as soon as its client area has been painted once. tools/startup/measure.sh runs it
// side by side with `brenvolt --quit-after-first-paint`.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace {

class ClientArea : public QWidget {
 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 128, 0));
    // Once the paint has been delivered: the time to the first picture, nothing after it.
    QTimer::singleShot(0, [] {
      std::fflush(nullptr);
      std::_Exit(EXIT_SUCCESS);
    });
  }
};

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QMainWindow window;
  for (const char* title : {"Game", "Position", "Options"}) {
    window.menuBar()->addMenu(QString::fromLatin1(title))->addAction(QStringLiteral("Item"));
  }
  window.menuBar()->addAction(QStringLiteral("About"));
  window.setCentralWidget(new ClientArea);
  window.resize(600, 533);
  window.show();
  return app.exec();
}
