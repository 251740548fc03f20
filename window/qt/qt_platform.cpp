#include "window/qt/qt_platform.h"

#include <QClipboard>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QSignalBlocker>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <utility>

#include "window/qt/language.h"
#include "window/qt/palette.h"
#include "window/qt/surface.h"
#include "window/qt/surface_view.h"

namespace brenvolt {

namespace {

// Room for a box's frame, in pixels.
constexpr int 箱の枠 = 8;

}  // namespace

std::string 棋譜の種類() {
  return "棋譜 (*.brenvolt);;すべてのファイル (*)";
}

QString 表示用文(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return shown;
}

QRect 画面内に置く(const QRect& wanted, const QRect& available) {
  QRect placed = wanted;
  if (placed.right() > available.right()) placed.moveRight(available.right());
  if (placed.bottom() > available.bottom()) placed.moveBottom(available.bottom());
  // The top-left corner wins when the window is larger than the desktop: the menu bar and the
  // board's top-left must stay reachable.
  if (placed.left() < available.left()) placed.moveLeft(available.left());
  if (placed.top() < available.top()) placed.moveTop(available.top());
  return placed;
}

QtPlatform::QtPlatform(QMainWindow& window, Surface& surface, SurfaceView& view, BoxMode boxMode)
    : window_(window), surface_(surface), view_(view), boxMode_(boxMode) {
  quitHandler_ = [] {
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
  };
}

void QtPlatform::registerCheckable(const std::string& name, QAction* action) {
  checkActions_[name] = action;
  const QSignalBlocker quiet(action);
  action->setChecked(menuChecked(name));
}

QString QtPlatform::shown(const TranslatableText& text) const {
  return language_ ? language_->text(text) : QString::fromStdString(text.japanese());
}

std::optional<QPoint> 避けた箱の位置(QSize box, const QRect& avoid, const QRect& over,
                                     const QRect& available) {
  const QPoint centre = over.center();
  QRect centred(QPoint(), box);
  centred.moveCenter(centre);
  const QRect beside[] = {
      centred.translated(avoid.right() + 1 - centred.left(), 0),
      centred.translated(avoid.left() - 1 - centred.right(), 0),
      centred.translated(0, avoid.bottom() + 1 - centred.top()),
      centred.translated(0, avoid.top() - 1 - centred.bottom()),
  };
  if (!centred.intersects(avoid) && available.contains(centred)) return centred.topLeft();
  for (const QRect& wanted : beside) {
    // Slid along the free area's edge, never back over the rectangle to avoid.
    const QRect placed = 画面内に置く(wanted, available);
    if (available.contains(placed) && !placed.intersects(avoid)) return placed.topLeft();
  }
  return std::nullopt;
}

void QtPlatform::messageBox(const TranslatableText& text, const TranslatableText& title,
                            BoxIcon icon) {
  showBox(text, title, icon, std::nullopt);
}

void QtPlatform::messageBoxAvoiding(const TranslatableText& text, const TranslatableText& title,
                                    BoxIcon icon, const TwipsRect& avoid) {
  showBox(text, title, icon, avoid);
}

void QtPlatform::showBox(const TranslatableText& text, const TranslatableText& title, BoxIcon icon,
                         const std::optional<TwipsRect>& avoid) {
  const QString shownText = 表示用文(shown(text));
  const QString shownTitle = shown(title);
  if (boxMode_ == BoxMode::StandardError) {
    std::cerr << shownTitle.toStdString() << ": " << shownText.toStdString() << '\n';
    return;
  }
  const auto shownIcon = icon == BoxIcon::Exclamation ? QMessageBox::Warning : QMessageBox::NoIcon;
  QMessageBox box(shownIcon, shownTitle, shownText, QMessageBox::Ok, &window_);
  if (avoid && window_.isVisible()) {
    const QPointF topLeft = view_.mapToGlobal(view_.fromTwips({avoid->x, avoid->y}));
    const QPointF bottomRight =
        view_.mapToGlobal(view_.fromTwips({avoid->x + avoid->w, avoid->y + avoid->h}));
    const QRect covered = QRectF(topLeft, bottomRight).toAlignedRect();
    const QScreen* shownOn = window_.screen();
    box.adjustSize();
    // The frame the window system adds is not known before the box is shown; a margin stands in.
    const QSize framed = box.size() + QSize(箱の枠, 箱の枠 * 4);
    const auto at = 避けた箱の位置(framed, covered, window_.frameGeometry(),
                                   shownOn ? shownOn->availableGeometry() : QRect());
    if (at) box.move(*at);
  }
  box.exec();
}

void QtPlatform::setMenuChecked(const std::string& item, bool checked) {
  checks_[item] = checked;
  const auto found = checkActions_.find(item);
  if (found == checkActions_.end()) return;
  const QSignalBlocker quiet(found->second);
  found->second->setChecked(checked);
}

bool QtPlatform::menuChecked(const std::string& item) const {
  const auto found = checks_.find(item);
  return found != checks_.end() && found->second;
}

void QtPlatform::setBackground(int colour) {
  const auto c = パレット色(colour);
  if (!c) return;
  // As on the classic window, a new background colour clears the retained picture.
  surface_.clear(colour);
  view_.setBackground(*c);
}

int QtPlatform::windowTop() const {
  return static_cast<int>(window_.frameGeometry().top() * ピクセル当たりtwip);
}

void QtPlatform::placeWindow(int left, int top, int width, int height) {
  const QRect wanted(twipToPixel(left), twipToPixel(top), twipToPixel(width), twipToPixel(height));
  const QScreen* screen = window_.screen();
  const QRect placed = screen ? 画面内に置く(wanted, screen->availableGeometry()) : wanted;
  // The frame is known only once the window manager has decorated a shown window; until then
  // the client area takes the whole outer size.
  const QSize frame = window_.frameGeometry().size() - window_.geometry().size();
  window_.move(placed.topLeft());
  // The drawing follows the window's size from this one up, so the player may make the
  // window larger (the surface is drawn afresh at the larger scale), never smaller.
  const QSize size = (placed.size() - frame).expandedTo(QSize(1, 1));
  window_.setMinimumSize(size);
  window_.resize(size);
}

int QtPlatform::windowHandle() const {
  // The native id exists only once the window has been created; it is not needed earlier, and
  // asking for it would create the native window before it is placed.
  const int handle = static_cast<int>(window_.internalWinId() & 0x7fffffff);
  return handle != 0 ? handle : 1;
}

double QtPlatform::clockSeconds() const {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

void QtPlatform::quit() {
  quitHandler_();
}

void QtPlatform::runInBackground(std::function<void()> work, std::function<void()> done) {
  background_.run(std::move(work), std::move(done));
}

// Dropped when the window, and with it this platform, is gone before it is delivered.
void QtPlatform::postToUserThread(std::function<void()> task) {
  background_.post(std::move(task));
}

// A run without a window answers every question with Cancel: nothing is there to click, and
// Cancel changes nothing.
bool QtPlatform::confirmBox(const TranslatableText& text, const TranslatableText& title) {
  const QString shownText = 表示用文(shown(text));
  const QString shownTitle = shown(title);
  if (boxMode_ == BoxMode::StandardError) {
    std::cerr << shownTitle.toStdString() << ": " << shownText.toStdString() << '\n';
    return false;
  }
  QMessageBox box(QMessageBox::Question, shownTitle, shownText,
                  QMessageBox::Ok | QMessageBox::Cancel, &window_);
  box.setDefaultButton(QMessageBox::Cancel);
  return box.exec() == QMessageBox::Ok;
}

// A run without a window answers the second choice, the one that changes least.
bool QtPlatform::twoChoiceBox(const TranslatableText& text, const TranslatableText& title,
                              const TranslatableText& first, const TranslatableText& second) {
  const QString shownText = 表示用文(shown(text));
  const QString shownTitle = shown(title);
  if (boxMode_ == BoxMode::StandardError) {
    std::cerr << shownTitle.toStdString() << ": " << shownText.toStdString() << '\n';
    return false;
  }
  QMessageBox box(QMessageBox::Question, shownTitle, shownText, QMessageBox::NoButton, &window_);
  QPushButton* firstButton = box.addButton(shown(first), QMessageBox::AcceptRole);
  QPushButton* secondButton = box.addButton(shown(second), QMessageBox::RejectRole);
  box.setDefaultButton(firstButton);
  box.setEscapeButton(secondButton);
  box.exec();
  return box.clickedButton() == firstButton;
}

void QtPlatform::setMenuEnabled(const std::string& item, bool enabled) {
  if (QAction* action = window_.findChild<QAction*>(QString::fromStdString(item))) {
    action->setEnabled(enabled);
  }
}

QString QtPlatform::startFolder() const {
  // A folder removed since it was kept would leave the dialog nowhere.
  return !dialogFolder_.isEmpty() && QFileInfo(dialogFolder_).isDir() ? dialogFolder_ : QString();
}

void QtPlatform::remember(const QString& chosenFile) {
  dialogFolder_ = QFileInfo(chosenFile).absolutePath();
  if (folderChosen_) folderChosen_(dialogFolder_);
}

std::optional<std::string> QtPlatform::chooseFileToOpen(const TranslatableText& title) {
  if (boxMode_ == BoxMode::StandardError) return std::nullopt;
  const QString chosen = QFileDialog::getOpenFileName(&window_, shown(title), startFolder(),
                                                      shown(箱の文(棋譜の種類())));
  if (chosen.isEmpty()) return std::nullopt;
  remember(chosen);
  return chosen.toStdString();
}

std::optional<std::string> QtPlatform::chooseFileToSave(const TranslatableText& title,
                                                        const std::string& suggested) {
  if (boxMode_ == BoxMode::StandardError) return std::nullopt;
  QFileDialog dialog(&window_, shown(title), startFolder(), shown(箱の文(棋譜の種類())));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  // A name typed without an extension gets the record's.
  dialog.setDefaultSuffix(QStringLiteral("brenvolt"));
  dialog.selectFile(QString::fromStdString(suggested));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  remember(dialog.selectedFiles().constFirst());
  return dialog.selectedFiles().constFirst().toStdString();
}

std::string QtPlatform::clipboardText() const {
  const QClipboard* clipboard = QGuiApplication::clipboard();
  return clipboard ? clipboard->text().toStdString() : std::string();
}

void QtPlatform::setClipboardText(const std::string& text) {
  if (QClipboard* clipboard = QGuiApplication::clipboard()) {
    clipboard->setText(QString::fromStdString(text));
  }
}

std::string QtPlatform::localDateTime() const {
  const QDateTime now = QDateTime::currentDateTime();
  // With its offset from UTC, so the time means the same wherever the record is read.
  return now.toOffsetFromUtc(now.offsetFromUtc()).toString(Qt::ISODate).toStdString();
}

}  // namespace brenvolt
