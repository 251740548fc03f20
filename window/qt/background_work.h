// Work off the user-interface thread for the Qt window: each job runs on a thread of its own,
// and its completion is delivered on the user-interface thread from the event loop. A finished
// job leaves its number in a list under a lock and asks, through a queued call, for the list to
// be read; the reader joins the job's thread before it runs the completion, so everything the
// job wrote is seen, and nothing of ours passes through Qt's event queue.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <thread>
#include <vector>

namespace brenvolt {

class BackgroundWork : public QObject {
  Q_OBJECT

 public:
  BackgroundWork() = default;
  // Waits for every job still running; their completions are dropped.
  ~BackgroundWork() override;

  void run(std::function<void()> work, std::function<void()> done);
  // Runs task on the user-interface thread from the event loop; callable from any thread. Like a
  // completion, the task reaches the other thread under a lock of ours, not through Qt's queue,
  // and it is dropped when this goes first.
  void post(std::function<void()> task);
  // Jobs started whose completion has not yet been delivered.
  std::size_t pending() const { return jobs_.size(); }

 private slots:
  void deliverFinished();
  void deliverPosted();

 private:
  struct Job {
    std::thread thread;
    std::function<void()> done;
  };

  std::map<std::uint64_t, Job> jobs_;  // touched on the user-interface thread only
  std::uint64_t next_ = 0;
  std::mutex finishedLock_;
  std::vector<std::uint64_t> finished_;
  std::mutex postedLock_;
  std::vector<std::function<void()>> posted_;
};

}  // namespace brenvolt
