#include "window/qt/how_to_play_window.h"

#include <QFile>
#include <QShowEvent>
#include <QTextDocument>
#include <QVBoxLayout>

#include "game/piece_table.h"
#include "notation/notation.h"
#include "window/help_diagrams.h"
#include "window/qt/help_board_drawing.h"
#include "window/qt/window_font.h"

namespace brenvolt {

namespace {

// The piece code of an engine letter ("S", "+S", "s"), or 空.
int 文字の駒(const QString& text) {
  const std::string letters = text.toStdString();
  for (const 駒の形& 形 : 駒の表) {
    for (const int 駒 : {形.駒, -形.駒}) {
      if (notation::format_piece(駒) == letters) return 駒;
    }
  }
  return 空;
}

QImage 名前の絵(const QUrl& name, const PictureStore& pictures) {
  if (name.scheme() == QLatin1String("board")) {
    if (const 説明図* 図 = 説明図を引く(name.path().toStdString())) {
      return 説明図を描く(*図, pictures);
    }
  } else if (name.scheme() == QLatin1String("piece")) {
    const int 駒 = 文字の駒(name.path());
    if (駒 != 空) return 駒の見本(駒, pictures);
  }
  return {};
}

}  // namespace

QString 遊び方の文書(言語 language) {
  return language == 言語::英語 ? QStringLiteral(":/help/how_to_play_en.html")
                                : QStringLiteral(":/help/how_to_play_ja.html");
}

HelpBrowser::HelpBrowser(QWidget* parent)
    : QTextBrowser(parent), pictures_(std::make_unique<PictureStore>(devicePixelRatioF())) {
  setOpenExternalLinks(false);
  setOpenLinks(false);
}

bool HelpBrowser::setDevicePixelRatio(qreal ratio) {
  if (ratio == pictures_->devicePixelRatio()) return false;
  pictures_ = std::make_unique<PictureStore>(ratio);
  drawn_.clear();
  return true;
}

QVariant HelpBrowser::loadResource(int type, const QUrl& name) {
  if (type != QTextDocument::ImageResource) return QTextBrowser::loadResource(type, name);
  const QString key = name.toString();
  auto found = drawn_.find(key);
  if (found == drawn_.end()) {
    // The pixmap keeps the picture's pixel ratio, so the document lays it out at its logical
    // size and shows every device pixel.
    found = drawn_.emplace(key, QPixmap::fromImage(名前の絵(name, *pictures_))).first;
  }
  if (found->second.isNull()) return QTextBrowser::loadResource(type, name);
  return found->second;
}

HowToPlayWindow::HowToPlayWindow(const Language& language, QWidget* parent)
    : QDialog(parent), language_(language), browser_(new HelpBrowser(this)) {
  setObjectName(QStringLiteral("HOW_TO_PLAY_WINDOW"));
  setModal(false);
  browser_->setObjectName(QStringLiteral("HOW_TO_PLAY_TEXT"));
  QFont font(窓フォント(11, false));
  browser_->document()->setDefaultFont(font);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(browser_);
  resize(760, 640);
  showLanguage();
}

void HowToPlayWindow::showLanguage() {
  const 言語 language = language_.current();
  setWindowTitle(language_.text(TranslatableText(文脈_メニュー, "遊び方")) +
                 QStringLiteral(" — Brenvolt"));
  if (loaded_ && shown_ == language) return;
  QFile file(遊び方の文書(language));
  QString html;
  if (file.open(QIODevice::ReadOnly)) html = QString::fromUtf8(file.readAll());
  browser_->setHtml(html);
  shown_ = language;
  loaded_ = true;
}

void HowToPlayWindow::showEvent(QShowEvent* event) {
  // The screen decides the pixel ratio; a window first shown on a denser screen than the one
  // it was made for draws its pictures again.
  if (browser_->setDevicePixelRatio(devicePixelRatioF())) {
    loaded_ = false;
    showLanguage();
  }
  QDialog::showEvent(event);
}

}  // namespace brenvolt
