// The panel beside the board: how the game stands and the move list. It only shows contents
// made from the match (window/panel_contents.h) and reports the row the player picks, with the
// mouse or with the arrow, Home and End keys in the list; the window does the rest.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "window/analysis.h"
#include "window/panel_contents.h"

class QLabel;
class QListWidget;

namespace brenvolt {

class Language;

class MovePanel : public QWidget {
 public:
  // The panel's width in pixels; the window widens by it when the panel opens.
  static constexpr int 幅 = 180;

  MovePanel(const Language& language, QWidget* parent = nullptr);

  // Called with the row the player picked: 0 for the start, n for move n.
  void setPickHandler(std::function<void(int row)> handler) { picked_ = std::move(handler); }
  // Shows `contents`; nothing is redone when they are the ones shown.
  void showContents(const 棋譜欄の内容& contents);
  // Shows the analysis below the list; nothing: the analysis is off and its place goes.
  void showAnalysis(const std::optional<検討の表示>& analysis);
  // Shows the texts again in the language in use.
  void retranslate();

  QLabel& status() const { return *status_; }
  QListWidget& list() const { return *list_; }
  QLabel& analysis() const { return *analysis_; }

 private:
  void fill();
  void fillAnalysis();

  const Language& language_;
  QLabel* status_;
  QListWidget* list_;
  QLabel* analysis_;
  棋譜欄の内容 shown_;
  std::optional<検討の表示> analysisShown_;
  bool filling_ = false;
  std::function<void(int)> picked_;
};

}  // namespace brenvolt
