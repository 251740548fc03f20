#include "app/screenshot.h"

#include <QFileInfo>
#include <QImageWriter>

#include "notation/position_text.h"
#include "window/qt/main_window.h"

namespace brenvolt {

std::optional<std::string> 局面を表示する(MainWindow& window, const std::string& position) {
  Form1& form = window.form();
  std::string error;
  if (!notation::parse_position(position, form.局, error)) {
    return "cannot read the position \"" + position + "\": " + error;
  }
  form.描画_黒持盤();
  form.描画_白持盤();
  form.描画_盤();
  if (form.局.手数 > 0) form.描画_手数(form.局.手数, 色_白);
  return std::nullopt;
}

namespace {

// The image format a file name asks for by its suffix (".jpg", ".bmp" …), PNG for a suffix no
// image writer knows or none at all.
QByteArray 画像の形式(const std::string& file) {
  const QByteArray suffix = QFileInfo(QString::fromStdString(file)).suffix().toLower().toLatin1();
  return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray("png");
}

}  // namespace

std::optional<std::string> 画面を保存する(const MainWindow& window, const std::string& file) {
  QImageWriter writer(QString::fromStdString(file), 画像の形式(file));
  if (!writer.write(window.clientImage())) {
    return "cannot write " + file + ": " + writer.errorString().toStdString();
  }
  return std::nullopt;
}

}  // namespace brenvolt
