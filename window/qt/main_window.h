// The game's main window: caption, icon, menu bar and the client area showing the retained
// surface, with the panel beside it when the player opens it. It owns the one Form1 and passes
// every window event on to it.
//
// The window opens at its classic size and may be resized, maximised and put on the full
// screen; the drawing scales with it. Zooming sets the client area to a step of the classic
// size. The language of menus, boxes and board texts, and of Qt's own dialogs and buttons, can
// be switched at any time.
#pragma once

#include <QMainWindow>
#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

#include "window/form1.h"
#include "window/qt/how_to_play_window.h"
#include "window/qt/language.h"
#include "window/qt/move_panel.h"
#include "window/qt/picture_store.h"
#include "window/qt/qt_platform.h"
#include "window/qt/qt_texts.h"
#include "window/qt/surface.h"
#include "window/qt/surface_view.h"
#include "window/qt/zoom_limits.h"

namespace brenvolt {

// The retained surface covers the largest client area the window can have at the classic
// size: its whole outer size of 9000 × 8000 twips.
inline constexpr QSize 画面サイズ{600, 533};

// The sizes zooming steps through, in times the classic size.
inline constexpr double 倍率の段[] = {最小倍率, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 3.5, 最大倍率};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(SoundLibrary& sound, std::vector<std::filesystem::path> dataFolders,
             qreal devicePixelRatio, BoxMode boxMode);

  Form1& form() { return *form_; }
  Surface& surface() { return surface_; }
  QtPlatform& platform() { return platform_; }
  SurfaceView& view() { return *view_; }
  const PictureStore& pictures() const { return pictures_; }
  const Language& language() const { return language_; }
  MovePanel& panel() { return *panel_; }
  // The size of the client area, in pixels: the drawing's part of it, without the panel.
  QSize clientSize() const;
  // What the client area shows, at the surface's device pixel ratio: the drawing, and the
  // panel to its right while it is open.
  QImage clientImage() const;

  // Opens or closes the panel beside the drawing. Outside full screen and maximised state the
  // window widens or narrows by the panel, so the drawing keeps its scale.
  void setPanelShown(bool shown);
  bool panelShown() const;
  // Shows the match as it stands in the panel, now.
  void updatePanel();
  // 表示 → 振り返り: reviews the game on the board, opening the panel to show it.
  void review();

  // Menus, boxes and the texts on the board in `language` from now on, at once.
  bool setLanguage(言語 language);
  // The client area `scale` times its classic size, as far as the screen allows, out of full
  // screen and maximised state.
  void zoomTo(double scale);
  // The same whatever the screen, for a window that is never shown (a screenshot).
  void setClientScale(double scale);
  void zoomIn();
  void zoomOut();
  void toggleFullScreen();
  // Opens the How to play window in the language in use, or brings it to the front.
  void showHowToPlay();
  // The How to play window once it has been opened, else null.
  HowToPlayWindow* howToPlayWindow() const { return howToPlay_; }

  // Puts every choice back as a fresh start has it — level 標準, guidance off, music on,
  // Japanese, the classic size, the panel closed, no folder for the record dialogs — leaving
  // the game on the
  // board as it is; then tells the restore handler.
  void restoreClassicChoices();
  // Told of the choices the player makes through the menu or its keys: the language switched,
  // a zoom, the classic settings restored (after restoreClassicChoices), the panel opened or
  // closed.
  struct ChoiceHandlers {
    std::function<void()> language;
    std::function<void()> size;
    std::function<void()> restored;
    std::function<void()> panel;
  };
  void setChoiceHandlers(ChoiceHandlers handlers) { choiceHandlers_ = std::move(handlers); }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  // The window grows no larger than its drawing at the largest step or the largest screen (for
  // the full screen): a size asked for on the command line or by a window manager would
  // otherwise have Qt keep gigabytes of the window's pixels, around a drawing that stops
  // growing at the largest step.
  void limitSize();
  // The largest scale whose window fits the screen the window is on.
  double largestFittingScale() const;
  void settleLayout() const;
  // Updates the panel once the handler running now has returned, however many changes it made.
  void schedulePanelUpdate();
  // Runs a menu command, then tells its handler.
  std::function<void()> chosen(std::function<void()> command,
                               std::function<void()> ChoiceHandlers::*handler);

  PictureStore pictures_;
  Surface surface_;
  SurfaceView* view_;
  MovePanel* panel_ = nullptr;
  bool panelUpdatePending_ = false;
  QtPlatform platform_;
  Language language_;
  QtTexts qtTexts_;
  std::unique_ptr<Form1> form_;
  HowToPlayWindow* howToPlay_ = nullptr;  // made when first opened; a child of the window
  ChoiceHandlers choiceHandlers_;
};

}  // namespace brenvolt
