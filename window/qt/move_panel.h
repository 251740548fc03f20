// The panel beside the board: how the game stands and the move list. It only shows contents
// made from the match (window/panel_contents.h) and reports the row the player picks, with the
// mouse or with the arrow, Home and End keys in the list; the window does the rest.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

#include "window/analysis.h"
#include "window/game_review.h"
#include "window/panel_contents.h"

class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace brenvolt {

class EvaluationGraph;
class Language;

class MovePanel : public QWidget {
 public:
  // The panel's width in pixels at the classic size; the window widens by it when the panel
  // opens.
  static constexpr int 幅 = 180;

  MovePanel(const Language& language, QWidget* parent = nullptr);

  // Called with the row the player picked: 0 for the start, n for move n.
  void setPickHandler(std::function<void(int row)> handler) { picked_ = std::move(handler); }
  // Shows `contents`; nothing is redone when they are the ones shown.
  void showContents(const 棋譜欄の内容& contents);
  // Shows the analysis below the list; nothing: the analysis is off and its place goes.
  void showAnalysis(const std::optional<検討の表示>& analysis);
  // Shows the review: its progress with the cancel button, or the graph, the marks after the
  // moves and the best move for a marked move on the board; nothing: no review is shown.
  void showReview(const std::optional<振り返りの表示>& review);
  // Called when the player cancels the review running.
  void setCancelHandler(std::function<void()> handler) { cancelled_ = std::move(handler); }
  // Shows the texts again in the language in use.
  void retranslate();
  // The panel's width and its texts `scale` times their classic size.
  void setScale(double scale);
  double scale() const { return scale_; }
  // The width at `scale`, in pixels.
  static int widthAt(double scale);

  QLabel& status() const { return *status_; }
  QListWidget& list() const { return *list_; }
  QLabel& analysis() const { return *analysis_; }
  QProgressBar& progress() const { return *progress_; }
  QPushButton& cancelButton() const { return *cancel_; }
  EvaluationGraph& graph() const { return *graph_; }
  QLabel& bestMove() const { return *best_; }

 private:
  void fill();
  void fillAnalysis();
  void fillReview();

  const Language& language_;
  QLabel* status_;
  QListWidget* list_;
  QLabel* analysis_;
  QWidget* reviewing_;  // the progress bar and the cancel button
  QProgressBar* progress_;
  QPushButton* cancel_;
  EvaluationGraph* graph_;
  QLabel* best_;
  棋譜欄の内容 shown_;
  std::optional<検討の表示> analysisShown_;
  std::optional<振り返りの表示> reviewShown_;
  double scale_ = 1.0;
  bool filling_ = false;
  std::function<void(int)> picked_;
  std::function<void()> cancelled_;
};

}  // namespace brenvolt
