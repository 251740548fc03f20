// The platform services of the game on Qt: message boxes, menu check marks, the window's
// background and placement, a monotonic clock, work on other threads, file dialogs, the
// clipboard, and ending the process.
#pragma once

#include <QAction>
#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>
#include <string>

#include "window/platform.h"
#include "window/qt/background_work.h"

namespace brenvolt {

class Language;
class Surface;
class SurfaceView;

// How message boxes are shown: as modal boxes on the screen, or, for a run that shows no
// window (a screenshot), as lines on standard error so nothing waits for a click.
enum class BoxMode { Modal, StandardError };

class QtPlatform : public Platform {
 public:
  QtPlatform(QMainWindow& window, Surface& surface, SurfaceView& view, BoxMode boxMode);

  // The check mark of `name` is shown on `action` from now on.
  void registerCheckable(const std::string& name, QAction* action);
  // Replaces what quit() does (by default: flush the output streams and end the process).
  void setQuitHandler(std::function<void()> handler) { quitHandler_ = std::move(handler); }
  // Message boxes speak this language from now on (without one: the game's own texts).
  void setLanguage(const Language* language) { language_ = language; }
  // The record dialogs open in `folder` while it exists (empty: Qt's choice, the working
  // folder). Each file chosen makes its folder the next one, told to `chosen` when given.
  void setDialogFolder(const QString& folder) { dialogFolder_ = folder; }
  const QString& dialogFolder() const { return dialogFolder_; }
  void setFolderHandler(std::function<void(const QString&)> chosen) {
    folderChosen_ = std::move(chosen);
  }

  void messageBox(const TranslatableText& text, const TranslatableText& title,
                  BoxIcon icon) override;
  void messageBoxAvoiding(const TranslatableText& text, const TranslatableText& title, BoxIcon icon,
                          const TwipsRect& avoid) override;
  void setMenuChecked(const std::string& item, bool checked) override;
  bool menuChecked(const std::string& item) const override;
  void setBackground(int colour) override;
  int windowTop() const override;
  void placeWindow(int left, int top, int width, int height) override;
  int windowHandle() const override;
  double clockSeconds() const override;
  void quit() override;
  void runInBackground(std::function<void()> work, std::function<void()> done) override;
  void postToUserThread(std::function<void()> task) override;
  const BackgroundWork& background() const { return background_; }
  bool confirmBox(const TranslatableText& text, const TranslatableText& title) override;
  bool twoChoiceBox(const TranslatableText& text, const TranslatableText& title,
                    const TranslatableText& first, const TranslatableText& second) override;
  // Items are found by object name among the window's actions.
  void setMenuEnabled(const std::string& item, bool enabled) override;
  std::optional<std::string> chooseFileToOpen(const TranslatableText& title) override;
  std::optional<std::string> chooseFileToSave(const TranslatableText& title,
                                              const std::string& suggested) override;
  std::string clipboardText() const override;
  void setClipboardText(const std::string& text) override;
  std::string localDateTime() const override;

 private:
  // A box's or a dialog's text in the language in use.
  QString shown(const TranslatableText& text) const;
  QString startFolder() const;
  void showBox(const TranslatableText& text, const TranslatableText& title, BoxIcon icon,
               const std::optional<TwipsRect>& avoid);
  void remember(const QString& chosenFile);

  QMainWindow& window_;
  Surface& surface_;
  SurfaceView& view_;
  BoxMode boxMode_;
  const Language* language_ = nullptr;
  std::map<std::string, bool> checks_;
  std::map<std::string, QAction*> checkActions_;
  std::function<void()> quitHandler_;
  QString dialogFolder_;
  std::function<void(const QString&)> folderChosen_;
  BackgroundWork background_;
};

// The file types the record dialogs offer: records first, then any file.
std::string 棋譜の種類();

// A message text as the box shows it: a lone carriage return, which the classic boxes took as
// a line break, becomes a line feed.
QString 表示用文(const QString& text);

// Where a box of `box` pixels opens so that it leaves `avoid` uncovered: centred on `over` (the
// main window) when that already does, else beside `avoid` — right, left, below, above — as
// near the centre as the free area `available` allows. Nothing when no place fits; the box
// then opens where it would anyway. All in global pixels.
std::optional<QPoint> 避けた箱の位置(QSize box, const QRect& avoid, const QRect& over,
                                     const QRect& available);

// The outer rectangle, in pixels, a window asked for at `wanted` is given on a desktop whose
// free area is `available`: moved (not shrunk) so that as much of it as possible is on it.
QRect 画面内に置く(const QRect& wanted, const QRect& available);

}  // namespace brenvolt
