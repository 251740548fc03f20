// What the game needs of the windowing system besides drawing: modal message boxes and
// questions, menu check marks and enabled items, the window's placement, a clock, work off the
// user-interface thread, file dialogs and the clipboard for game records, and ending the process.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "text/translatable_text.h"

namespace brenvolt {

enum class BoxIcon { None, Exclamation };

// A rectangle in twips of the window's drawing surface.
struct TwipsRect {
  double x = 0, y = 0, w = 0, h = 0;
  bool operator==(const TwipsRect&) const = default;
};

class Platform {
 public:
  virtual ~Platform() = default;
  // A modal box with one OK button; returns when it is closed. Texts, titles and dialog titles
  // are shown in the language in use.
  virtual void messageBox(const TranslatableText& text, const TranslatableText& title,
                          BoxIcon icon) = 0;
  // The same box, opened where it leaves `avoid` uncovered when the screen has room for that;
  // a platform that cannot place its boxes shows it as messageBox does.
  virtual void messageBoxAvoiding(const TranslatableText& text, const TranslatableText& title,
                                  BoxIcon icon, const TwipsRect& avoid) {
    (void)avoid;
    messageBox(text, title, icon);
  }
  // Check marks of the checkable menu items, by object name ("BGM", "SIDOU").
  virtual void setMenuChecked(const std::string& item, bool checked) = 0;
  virtual bool menuChecked(const std::string& item) const = 0;
  virtual void setBackground(int colour) = 0;
  // Outer placement of the window in twips.
  virtual int windowTop() const = 0;
  virtual void placeWindow(int left, int top, int width, int height) = 0;
  virtual int windowHandle() const = 0;
  // Seconds from a monotonic clock.
  virtual double clockSeconds() const = 0;
  // Ends the process at once; no further events are handled.
  virtual void quit() = 0;
  // Runs `work` off the user-interface thread and, once it has returned, `done` on the
  // user-interface thread, so `done` sees everything `work` wrote. The window delivers `done`
  // as an event of its own; a platform without threads (a test, a fuzzer) may run both before
  // this call returns, so callers must be ready for either. `work` must not touch the window,
  // the canvas or the platform. Work still running when the platform goes away is waited for
  // and its `done` dropped.
  virtual void runInBackground(std::function<void()> work, std::function<void()> done) = 0;
  // Runs `task` on the user-interface thread, later, as an event of its own; may be called from
  // any thread, so that work off that thread can report as it goes. A task still waiting when
  // the platform goes away is dropped.
  virtual void postToUserThread(std::function<void()> task) = 0;

  // A modal box with OK and Cancel buttons; true when it was closed with OK.
  virtual bool confirmBox(const TranslatableText& text, const TranslatableText& title) = 0;
  // A modal box with two buttons captioned `first` and `second`; true when it was closed with
  // `first`. Closed any other way, it answers `second`.
  virtual bool twoChoiceBox(const TranslatableText& text, const TranslatableText& title,
                            const TranslatableText& first, const TranslatableText& second) = 0;
  // Enables or disables a menu item, by object name ("RESUME").
  virtual void setMenuEnabled(const std::string& item, bool enabled) = 0;
  // The file dialogs for game records: the path the player chose, or nothing when the dialog
  // was cancelled. `suggested` is the file name offered first when saving.
  virtual std::optional<std::string> chooseFileToOpen(const TranslatableText& title) = 0;
  virtual std::optional<std::string> chooseFileToSave(const TranslatableText& title,
                                                      const std::string& suggested) = 0;
  // The clipboard's plain text (UTF-8), empty when it holds none.
  virtual std::string clipboardText() const = 0;
  virtual void setClipboardText(const std::string& text) = 0;
  // The local date and time for a saved record, as "2025-01-31T14:05:00+09:00".
  virtual std::string localDateTime() const = 0;
};

}  // namespace brenvolt
