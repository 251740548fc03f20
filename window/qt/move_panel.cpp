#include "window/qt/move_panel.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>

#include "window/qt/evaluation_graph.h"
#include "window/qt/language.h"

namespace brenvolt {

MovePanel::MovePanel(const Language& language, QWidget* parent)
    : QWidget(parent),
      language_(language),
      status_(new QLabel(this)),
      list_(new QListWidget(this)),
      analysis_(new QLabel(this)),
      reviewing_(new QWidget(this)),
      progress_(new QProgressBar(reviewing_)),
      cancel_(new QPushButton(reviewing_)),
      graph_(new EvaluationGraph(this)),
      best_(new QLabel(this)) {
  setObjectName(QStringLiteral("MOVE_PANEL"));
  setFixedWidth(幅);
  setAutoFillBackground(true);
  auto* layout = new QVBoxLayout(this);
  status_->setWordWrap(true);
  QFont bold = status_->font();
  bold.setBold(true);
  status_->setFont(bold);
  layout->addWidget(status_);
  layout->addWidget(list_, 1);
  analysis_->setWordWrap(true);
  analysis_->setObjectName(QStringLiteral("ANALYSIS"));
  analysis_->hide();
  layout->addWidget(analysis_);
  auto* reviewLayout = new QHBoxLayout(reviewing_);
  reviewLayout->setContentsMargins(0, 0, 0, 0);
  reviewLayout->addWidget(progress_, 1);
  reviewLayout->addWidget(cancel_);
  cancel_->setObjectName(QStringLiteral("REVIEW_CANCEL"));
  cancel_->setFocusPolicy(Qt::NoFocus);
  connect(cancel_, &QPushButton::clicked, this, [this] {
    if (cancelled_) cancelled_();
  });
  reviewing_->hide();
  layout->addWidget(reviewing_);
  graph_->hide();
  graph_->setPickHandler([this](int index) {
    if (picked_) picked_(index);
  });
  layout->addWidget(graph_);
  best_->setObjectName(QStringLiteral("BEST_MOVE"));
  best_->setWordWrap(true);
  best_->hide();
  layout->addWidget(best_);
  // Keys reach the list once it has been clicked; until then they stay the board's.
  list_->setFocusPolicy(Qt::ClickFocus);
  list_->setUniformItemSizes(true);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int row) {
    if (!filling_ && row >= 0 && picked_) picked_(row);
  });
}

void MovePanel::showContents(const 棋譜欄の内容& contents) {
  if (contents == shown_ && list_->count() == static_cast<int>(contents.行.size())) return;
  shown_ = contents;
  fill();
}

void MovePanel::showAnalysis(const std::optional<検討の表示>& analysis) {
  if (analysis == analysisShown_) return;
  analysisShown_ = analysis;
  fillAnalysis();
}

void MovePanel::showReview(const std::optional<振り返りの表示>& review) {
  if (review == reviewShown_) return;
  const bool marksChanged = (review ? review->印 : std::vector<std::string>{}) !=
                            (reviewShown_ ? reviewShown_->印 : std::vector<std::string>{});
  reviewShown_ = review;
  if (marksChanged) fill();
  fillReview();
}

void MovePanel::retranslate() {
  fill();
  fillAnalysis();
  fillReview();
}

int MovePanel::widthAt(double scale) {
  return static_cast<int>(std::lround(幅 * std::max(1.0, scale)));
}

// The application's font grown with the drawing, so the panel reads like the board beside it.
void MovePanel::setScale(double scale) {
  scale = std::max(1.0, scale);
  if (std::abs(scale - scale_) < 0.01) return;
  scale_ = scale;
  QFont grown = QApplication::font();
  grown.setPointSizeF(grown.pointSizeF() * scale_);
  setFont(grown);
  grown.setBold(true);
  status_->setFont(grown);
  setFixedWidth(widthAt(scale_));
  graph_->setMinimumHeight(static_cast<int>(std::lround(60 * scale_)));
}

// While running: the progress and the cancel button. Finished: the graph, and for a marked
// move on the board the best move there was.
void MovePanel::fillReview() {
  const bool running = reviewShown_ && reviewShown_->実行中;
  reviewing_->setVisible(running);
  graph_->setVisible(reviewShown_ && !running);
  const bool best = reviewShown_ && reviewShown_->最善手.has_value();
  best_->setVisible(best);
  if (!reviewShown_) return;
  if (running) {
    progress_->setRange(0, std::max(1, reviewShown_->全部));
    progress_->setValue(reviewShown_->済み);
    cancel_->setText(language_.text(TranslatableText(文脈_棋譜欄, "中止")));
    return;
  }
  graph_->show(reviewShown_->評価, reviewShown_->印, shown_.現在);
  if (best) best_->setText(language_.text(*reviewShown_->最善手));
}

// The evaluation and the depth on one line, the best line under them.
void MovePanel::fillAnalysis() {
  analysis_->setVisible(analysisShown_.has_value());
  if (!analysisShown_) return;
  QString text = language_.text(analysisShown_->評価);
  if (!analysisShown_->深さ.empty())
    text += QStringLiteral("  ") + language_.text(analysisShown_->深さ);
  QStringList line;
  for (const TranslatableText& 手 : analysisShown_->読み筋) line << language_.text(手);
  if (!line.isEmpty()) text += QLatin1Char('\n') + line.join(QLatin1Char(' '));
  analysis_->setText(text);
}

void MovePanel::fill() {
  filling_ = true;
  status_->setText(language_.text(shown_.状況));
  const int rows = static_cast<int>(shown_.行.size());
  while (list_->count() > rows) delete list_->takeItem(list_->count() - 1);
  while (list_->count() < rows) list_->addItem(QString());
  // Taken-back moves in the palette's colour for what cannot be used now, the others in its
  // text colour, so that any style or dark scheme keeps them readable.
  const QBrush active = palette().brush(QPalette::Active, QPalette::Text);
  const QBrush greyed = palette().brush(QPalette::Disabled, QPalette::Text);
  for (int i = 0; i < rows; ++i) {
    QListWidgetItem* item = list_->item(i);
    const 棋譜欄の行& 行 = shown_.行[static_cast<std::size_t>(i)];
    QString text = language_.text(行.表記);
    if (reviewShown_ && i < static_cast<int>(reviewShown_->印.size()) &&
        !reviewShown_->印[static_cast<std::size_t>(i)].empty())
      text += QString::fromStdString(" " + reviewShown_->印[static_cast<std::size_t>(i)]);
    item->setText(text);
    item->setForeground(行.戻した ? greyed : active);
  }
  list_->setCurrentRow(shown_.現在);
  if (QListWidgetItem* current = list_->currentItem()) list_->scrollToItem(current);
  if (reviewShown_ && !reviewShown_->実行中)
    graph_->show(reviewShown_->評価, reviewShown_->印, shown_.現在);
  filling_ = false;
}

}  // namespace brenvolt
