#include "window/qt/move_panel.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

#include "window/qt/language.h"

namespace brenvolt {

MovePanel::MovePanel(const Language& language, QWidget* parent)
    : QWidget(parent),
      language_(language),
      status_(new QLabel(this)),
      list_(new QListWidget(this)),
      analysis_(new QLabel(this)) {
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

void MovePanel::retranslate() {
  fill();
  fillAnalysis();
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
    item->setText(language_.text(行.表記));
    item->setForeground(行.戻した ? greyed : active);
  }
  list_->setCurrentRow(shown_.現在);
  if (QListWidgetItem* current = list_->currentItem()) list_->scrollToItem(current);
  filling_ = false;
}

}  // namespace brenvolt
