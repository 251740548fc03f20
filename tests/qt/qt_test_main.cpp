// One QApplication for all tests of the Qt window, on the offscreen platform unless the
// environment asks for another.
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <cstdlib>

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (!std::getenv("XDG_RUNTIME_DIR")) {
    const QString runtime = QDir::tempPath() + "/brenvolt-qt-tests-" + QString::number(getuid());
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.toLocal8Bit().constData(), 1);
  }
  QApplication app(argc, argv);
  return RUN_ALL_TESTS();
}
