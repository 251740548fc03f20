// A platform that records message boxes, menu check marks, placement and quitting, with a
// clock the test controls, work off the user-interface thread run the way the test asks, and
// confirmation boxes, two-choice questions, file dialogs and the clipboard that answer what the
// test has set.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "window/platform.h"

namespace brenvolt::testing {

// How runInBackground runs its work: at once, before it returns (work, then its completion);
// held until the test finishes it, so the test decides what happens meanwhile; or on a real
// thread, with the completions delivered when the test asks.
enum class WorkMode { AtOnce, Held, Threads };

struct ShownBox {
  std::string text;
  std::string title;
  BoxIcon icon;
  bool operator==(const ShownBox&) const = default;
};

class RecordingPlatform : public Platform {
 public:
  // Boxes and dialogs are kept as the game shows them by default, in Japanese.
  void messageBox(const TranslatableText& text, const TranslatableText& title,
                  BoxIcon icon) override {
    boxes.push_back({text.japanese(), title.japanese(), icon});
    if (onBox) onBox(boxes.back());
  }
  void messageBoxAvoiding(const TranslatableText& text, const TranslatableText& title, BoxIcon icon,
                          const TwipsRect& avoid) override {
    avoided.push_back(avoid);
    messageBox(text, title, icon);
  }
  void setMenuChecked(const std::string& item, bool checked) override { checks[item] = checked; }
  bool menuChecked(const std::string& item) const override {
    auto it = checks.find(item);
    return it != checks.end() && it->second;
  }
  void setBackground(int colour) override { background = colour; }
  int windowTop() const override { return top; }
  void placeWindow(int l, int t, int w, int h) override {
    left = l, top = t, width = w, height = h;
    ++placements;
  }
  int windowHandle() const override { return 4711; }
  // Every reading advances the clock, so busy waits end without real time passing.
  double clockSeconds() const override { return now += clockStep; }
  void quit() override { ++quits; }
  bool confirmBox(const TranslatableText& text, const TranslatableText& title) override {
    confirmations.push_back({text.japanese(), title.japanese(), BoxIcon::None});
    return confirmAnswer;
  }
  bool twoChoiceBox(const TranslatableText& text, const TranslatableText& title,
                    const TranslatableText& first, const TranslatableText& second) override {
    questions.push_back(
        {text.japanese() + " [" + first.japanese() + " / " + second.japanese() + "]",
         title.japanese(), BoxIcon::None});
    return firstChoice;
  }
  void setMenuEnabled(const std::string& item, bool enabled) override { enabled_[item] = enabled; }
  // Items are enabled until disabled, as menu items are.
  bool menuEnabled(const std::string& item) const {
    auto it = enabled_.find(item);
    return it == enabled_.end() || it->second;
  }
  std::optional<std::string> chooseFileToOpen(const TranslatableText& title) override {
    dialogs.push_back("open: " + title.japanese());
    return fileToOpen;
  }
  std::optional<std::string> chooseFileToSave(const TranslatableText& title,
                                              const std::string& suggested) override {
    dialogs.push_back("save: " + title.japanese() + " [" + suggested + "]");
    return fileToSave;
  }
  std::string clipboardText() const override { return clipboard; }
  void setClipboardText(const std::string& text) override { clipboard = text; }
  std::string localDateTime() const override { return dateTime; }

  void runInBackground(std::function<void()> work, std::function<void()> done) override {
    ++started;
    if (workMode == WorkMode::AtOnce) {
      work();
      done();
    } else if (workMode == WorkMode::Held) {
      held.push_back({std::move(work), std::move(done)});
    } else {
      threads.emplace_back([this, work = std::move(work), done = std::move(done)] {
        work();
        const std::lock_guard<std::mutex> lock(finishedLock);
        finished.push_back(done);
      });
    }
  }
  // Posted tasks wait until the test delivers them, from whichever thread they were posted.
  void postToUserThread(std::function<void()> task) override {
    const std::lock_guard<std::mutex> lock(postedLock);
    posted.push_back(std::move(task));
  }
  // Runs the tasks posted so far, in the order they were posted; returns how many ran.
  std::size_t deliverPosted() {
    std::vector<std::function<void()>> ready;
    {
      const std::lock_guard<std::mutex> lock(postedLock);
      ready.swap(posted);
    }
    for (auto& task : ready) task();
    return ready.size();
  }
  std::size_t postedCount() {
    const std::lock_guard<std::mutex> lock(postedLock);
    return posted.size();
  }
  // Runs the held work and then its completion, job by job in the order they were started.
  void finishHeld() {
    auto jobs = std::move(held);
    held.clear();
    for (auto& job : jobs) {
      job.work();
      job.done();
    }
  }
  // Waits for every thread and delivers the completions in the order the work ended.
  void deliverThreads() {
    for (auto& thread : threads) thread.join();
    threads.clear();
    std::vector<std::function<void()>> ready;
    {
      const std::lock_guard<std::mutex> lock(finishedLock);
      ready.swap(finished);
    }
    for (auto& done : ready) done();
  }
  ~RecordingPlatform() override {
    for (auto& thread : threads) thread.join();
  }

  std::vector<ShownBox> boxes;
  // The rectangle each box opened by messageBoxAvoiding was to leave uncovered.
  std::vector<TwipsRect> avoided;
  std::function<void(const ShownBox&)> onBox;  // called while the "modal" box is open
  std::map<std::string, bool> checks;
  int background = -1;
  int left = 0, top = 0, width = 0, height = 0, placements = 0;
  mutable double now = 1000.0;
  double clockStep = 0.01;
  int quits = 0;

  struct HeldWork {
    std::function<void()> work;
    std::function<void()> done;
  };
  WorkMode workMode = WorkMode::AtOnce;
  int started = 0;
  std::vector<HeldWork> held;
  std::vector<std::thread> threads;
  std::mutex finishedLock;
  std::vector<std::function<void()>> finished;
  std::mutex postedLock;
  std::vector<std::function<void()>> posted;
  std::vector<ShownBox> confirmations;
  bool confirmAnswer = true;
  std::vector<ShownBox> questions;  // two-choice boxes, the captions after the text
  bool firstChoice = true;
  std::map<std::string, bool> enabled_;
  std::vector<std::string> dialogs;
  std::optional<std::string> fileToOpen;
  std::optional<std::string> fileToSave;
  std::string clipboard;
  std::string dateTime = "2025-01-31T14:05:00+09:00";
};

}  // namespace brenvolt::testing
