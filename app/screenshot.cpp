#include "app/screenshot.h"

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

std::optional<std::string> 画面を保存する(const MainWindow& window, const std::string& file) {
  QImageWriter writer(QString::fromStdString(file), "png");
  if (!writer.write(window.clientImage())) {
    return "cannot write " + file + ": " + writer.errorString().toStdString();
  }
  return std::nullopt;
}

}  // namespace brenvolt
