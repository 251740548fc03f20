#include "window/qt/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLayout>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "window/qt/key_codes.h"
#include "window/qt/menu_bar.h"

namespace brenvolt {

namespace {

// Steps a hair apart are one step: a window a pixel off a step is at that step.
constexpr double 段の幅 = 0.01;

}  // namespace

MainWindow::MainWindow(SoundLibrary& sound, std::vector<std::filesystem::path> dataFolders,
                       qreal devicePixelRatio, BoxMode boxMode)
    : pictures_(使える画素比(devicePixelRatio)),
      surface_(画面サイズ, pictures_.devicePixelRatio(), pictures_),
      view_(new SurfaceView(surface_, this)),
      platform_(*this, surface_, *view_, boxMode) {
  setWindowTitle(QStringLiteral("Brenvolt"));
  setWindowIcon(pictures_.windowIcon());
  // The drawing and, when opened, the panel to its right, with nothing between them.
  auto* client = new QWidget(this);
  auto* sideBySide = new QHBoxLayout(client);
  sideBySide->setContentsMargins(0, 0, 0, 0);
  sideBySide->setSpacing(0);
  sideBySide->addWidget(view_, 1);
  panel_ = new MovePanel(language_, client);
  panel_->hide();
  sideBySide->addWidget(panel_);
  setCentralWidget(client);
  resize(画面サイズ);
  form_ = std::make_unique<Form1>(surface_, platform_, sound, std::move(dataFolders));
  form_->検討.on_update = [this] { schedulePanelUpdate(); };
  form_->振り返り.on_update = [this] { schedulePanelUpdate(); };
  panel_->setCancelHandler([this] {
    form_->振り返り.cancel();
    schedulePanelUpdate();
  });
  panel_->setPickHandler([this](int row) {
    form_->手目へ(row);
    // Not at once: the list is still inside its own change of row.
    schedulePanelUpdate();
  });
  // Japanese, the default, for Qt's own texts too.
  qtTexts_.use(言語::日本語);
  const auto size = &ChoiceHandlers::size;
  メニューを作る(
      *menuBar(), *form_, platform_,
      {chosen([this] { zoomIn(); }, size), chosen([this] { zoomOut(); }, size),
       chosen([this] { zoomTo(1.0); }, size), [this] { toggleFullScreen(); },
       chosen(
           [this] { setLanguage(language_.current() == 言語::日本語 ? 言語::英語 : 言語::日本語); },
           &ChoiceHandlers::language),
       [this] { showHowToPlay(); }, [this] { restoreClassicChoices(); },
       chosen([this] { setPanelShown(!panelShown()); }, &ChoiceHandlers::panel),
       [this] { review(); }});
  // Every command may change the game the panel shows.
  connect(menuBar(), &QMenuBar::triggered, this, [this] { schedulePanelUpdate(); });
  platform_.setLanguage(&language_);
  surface_.setTexts(&language_);
  // The client area at the classic size is what scales with the window.
  view_->setReferenceSize(
      QSize(画面サイズ.width(), 画面サイズ.height() - menuBar()->sizeHint().height()));
  limitSize();
  connect(qApp, &QGuiApplication::screenAdded, this, [this](QScreen* added) {
    connect(added, &QScreen::geometryChanged, this, [this] { limitSize(); });
    limitSize();
  });
  for (QScreen* shown : QGuiApplication::screens())
    connect(shown, &QScreen::geometryChanged, this, [this] { limitSize(); });
  // repaint, not update: the game refreshes in the middle of long handlers (the computer's
  // thinking, the blink) where no event loop runs to deliver a deferred paint.
  surface_.setRefreshHandler([this] {
    view_->repaint();
    schedulePanelUpdate();
  });
  surface_.setChangeHandler([this](const QRect& area) {
    view_->update(area.translated(view_->shownArea().topLeft()));
    schedulePanelUpdate();
  });
  view_->setPressHandler([this](int button, double x, double y) {
    form_->Form_MouseDown(button, 0, x, y);
    schedulePanelUpdate();
  });
}

void MainWindow::settleLayout() const {
  // The layout is settled here so sizes are right also for a window never shown, which gets
  // no resize events to settle it by.
  if (!layout()) return;
  layout()->invalidate();
  layout()->activate();
  // The drawing and the panel beside it, inside the area just settled.
  if (QLayout* inside = centralWidget()->layout()) {
    inside->invalidate();
    inside->activate();
  }
}

void MainWindow::limitSize() {
  settleLayout();
  const QSize around = size() - view_->size();
  const double largest = 倍率の段[std::size(倍率の段) - 1];
  const QSize reference = view_->referenceSize();
  QSize limit = QSize(static_cast<int>(std::ceil(reference.width() * largest)),
                      static_cast<int>(std::ceil(reference.height() * largest))) +
                around;
  for (const QScreen* shown : QGuiApplication::screens())
    limit = limit.expandedTo(shown->geometry().size());
  setMaximumSize(limit);
}

QSize MainWindow::clientSize() const {
  settleLayout();
  return view_->size();
}

QImage MainWindow::clientImage() const {
  settleLayout();
  const QImage drawing = view_->shownImage();
  if (panel_->isHidden()) return drawing;
  const QPixmap panel = panel_->grab();
  const qreal ratio = drawing.devicePixelRatio();
  QImage both(QSize(view_->width() + panel_->width(), view_->height()) * ratio,
              QImage::Format_ARGB32_Premultiplied);
  both.setDevicePixelRatio(ratio);
  both.fill(view_->background());
  QPainter painter(&both);
  painter.drawImage(QPoint(0, 0), drawing);
  painter.drawPixmap(QPoint(view_->width(), 0), panel);
  return both;
}

bool MainWindow::panelShown() const {
  return !panel_->isHidden();
}

void MainWindow::setPanelShown(bool shown) {
  if (QAction* item = findChild<QAction*>(QStringLiteral("PANEL"))) item->setChecked(shown);
  form_->棋譜欄あり = shown;
  if (shown == panelShown()) return;
  const bool widen = !isFullScreen() && !isMaximized();
  panel_->setVisible(shown);
  if (shown) updatePanel();
  limitSize();
  if (widen) resize(size() + QSize(shown ? panel_->width() : -panel_->width(), 0));
  settleLayout();
  view_->followSize();
}

void MainWindow::updatePanel() {
  panelUpdatePending_ = false;
  form_->検討を合わせる();
  if (panel_->isHidden()) return;
  panel_->showContents(棋譜欄を作る(form_->試合));
  panel_->showAnalysis(form_->検討.on() ? std::optional(検討の表示を作る(form_->検討.result()))
                                        : std::nullopt);
  panel_->showReview(振り返りの表示を作る(form_->振り返り, form_->試合));
}

void MainWindow::review() {
  form_->REVIEW_Click();
  if (form_->振り返り.running() && !panelShown()) {
    setPanelShown(true);
    if (choiceHandlers_.panel) choiceHandlers_.panel();
  }
  schedulePanelUpdate();
}

// The analysis follows the position, and a review is forgotten with its record, also while the
// panel is closed.
void MainWindow::schedulePanelUpdate() {
  const bool followed = !panel_->isHidden() || form_->検討.on() || form_->振り返り.running() ||
                        form_->振り返り.result();
  if (panelUpdatePending_ || !followed) return;
  panelUpdatePending_ = true;
  QTimer::singleShot(0, this, [this] {
    if (panelUpdatePending_) updatePanel();
  });
}

std::function<void()> MainWindow::chosen(std::function<void()> command,
                                         std::function<void()> ChoiceHandlers::*handler) {
  return [this, command = std::move(command), handler] {
    command();
    if (choiceHandlers_.*handler) (choiceHandlers_.*handler)();
  };
}

void MainWindow::restoreClassicChoices() {
  form_->選択を適用(選択{});
  setPanelShown(false);
  setLanguage(言語::日本語);
  zoomTo(1.0);
  platform_.setDialogFolder(QString());
  if (choiceHandlers_.restored) choiceHandlers_.restored();
}

bool MainWindow::setLanguage(言語 language) {
  if (!language_.set(language)) return false;
  // Qt's dialogs stay English when its translations are missing; the game's texts switch all
  // the same.
  qtTexts_.use(language);
  メニューを訳す(*this, language_);
  if (howToPlay_) howToPlay_->showLanguage();
  panel_->retranslate();
  surface_.redraw();
  view_->update();
  return true;
}

double MainWindow::largestFittingScale() const {
  const QScreen* shownOn = screen();
  if (!shownOn) return 最大倍率;
  settleLayout();
  // Everything around the client area (frame, menu bar) keeps its size when zooming.
  const QSize around = frameGeometry().size() - view_->size();
  const QSize room = shownOn->availableGeometry().size() - around;
  const QSize reference = view_->referenceSize();
  return std::min(static_cast<double>(room.width()) / reference.width(),
                  static_cast<double>(room.height()) / reference.height());
}

void MainWindow::zoomTo(double scale) {
  if (isFullScreen() || isMaximized()) showNormal();
  setClientScale(std::min(scale, largestFittingScale()));
}

void MainWindow::setClientScale(double scale) {
  scale = std::clamp(scale, 最小倍率, 最大倍率);
  // The panel first, the window sized around it. It follows the zoom only, never the size the
  // drawing is left with (maximised, full screen): the drawing's width is what the panel leaves
  // of the window, so following it would feed the panel's width back into itself.
  panel_->setScale(scale);
  settleLayout();
  const QSize reference = view_->referenceSize();
  const QSize client(static_cast<int>(std::lround(reference.width() * scale)),
                     static_cast<int>(std::lround(reference.height() * scale)));
  resize(size() - view_->size() + client);
  if (const QScreen* shownOn = screen()) {
    const QRect placed = 画面内に置く(frameGeometry(), shownOn->availableGeometry());
    if (placed.topLeft() != frameGeometry().topLeft()) move(placed.topLeft());
  }
  settleLayout();
  view_->followSize();
}

void MainWindow::zoomIn() {
  const double now = surface_.scale();
  const double largest = largestFittingScale();
  for (const double step : 倍率の段) {
    if (step > now + 段の幅 && step <= largest + 段の幅) {
      zoomTo(step);
      return;
    }
  }
  // Between the last step that fits and the next: as large as the screen takes.
  if (largest > now + 段の幅) zoomTo(largest);
}

void MainWindow::zoomOut() {
  const double now = surface_.scale();
  for (auto step = std::rbegin(倍率の段); step != std::rend(倍率の段); ++step) {
    if (*step < now - 段の幅) {
      zoomTo(*step);
      return;
    }
  }
}

void MainWindow::toggleFullScreen() {
  if (isFullScreen()) {
    showNormal();
  } else {
    showFullScreen();
  }
}

void MainWindow::showHowToPlay() {
  if (!howToPlay_) howToPlay_ = new HowToPlayWindow(language_, this);
  howToPlay_->show();
  howToPlay_->raise();
  howToPlay_->activateWindow();
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  if (QAction* fullScreen = findChild<QAction*>(QStringLiteral("FULL_SCREEN"))) {
    fullScreen->setChecked(isFullScreen());
  }
}

void MainWindow::keyPressEvent(QKeyEvent* event) {
  const auto code = 仮想キーコード(event->key());
  if (!code) {
    QMainWindow::keyPressEvent(event);
    return;
  }
  form_->Form_KeyDown(*code);
  schedulePanelUpdate();
}

void MainWindow::closeEvent(QCloseEvent* event) {
  form_->Form_Unload();
  event->accept();
}

}  // namespace brenvolt
