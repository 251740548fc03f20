// The How to play window: the rules and the window's controls, in the language in use, with
// small boards drawn by the game's own picture code. It is not modal: the player may keep it
// open beside the game.
//
// The text is one document per language (Qt resources :/help/how_to_play_ja.html and
// :/help/how_to_play_en.html), each written in that language rather than translated line by
// line. A document names its pictures as <img src="board:NAME"> (a board of 説明図の一覧) and
// <img src="piece:CODE"> (the piece code's picture, in the engine's letters: S, +S, s).
#pragma once

#include <QDialog>
#include <QTextBrowser>
#include <map>
#include <memory>

#include "window/qt/language.h"
#include "window/qt/picture_store.h"

namespace brenvolt {

// Shows a document and draws the pictures it names.
class HelpBrowser : public QTextBrowser {
 public:
  explicit HelpBrowser(QWidget* parent);
  // Pictures are drawn at this device pixel ratio from now on; true when it changed, and the
  // document must then be shown again to fetch them.
  bool setDevicePixelRatio(qreal ratio);
  QVariant loadResource(int type, const QUrl& name) override;

 private:
  std::unique_ptr<PictureStore> pictures_;
  std::map<QString, QPixmap> drawn_;
};

class HowToPlayWindow : public QDialog {
 public:
  HowToPlayWindow(const Language& language, QWidget* parent);

  // Shows the document of the language in use (again), at the top.
  void showLanguage();
  HelpBrowser& browser() { return *browser_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  const Language& language_;
  HelpBrowser* browser_;
  言語 shown_ = 言語::日本語;
  bool loaded_ = false;
};

// The resource name of the document of a language.
QString 遊び方の文書(言語 language);

}  // namespace brenvolt
