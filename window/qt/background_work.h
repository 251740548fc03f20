// Work off the user-interface thread for the Qt window: each job runs on a thread of its own,
// and its completion is posted to the user-interface thread as a queued call. The job's thread
// is joined before that call runs, which is also what orders the job's writes before it.
#pragma once

#include <QObject>
#include <cstdint>
#include <functional>
#include <map>
#include <thread>

namespace brenvolt {

class BackgroundWork {
 public:
  BackgroundWork() = default;
  // Waits for every job still running; their completions are dropped.
  ~BackgroundWork();
  BackgroundWork(const BackgroundWork&) = delete;
  BackgroundWork& operator=(const BackgroundWork&) = delete;

  void run(std::function<void()> work, std::function<void()> done);
  // Jobs started whose completion has not yet been delivered.
  std::size_t pending() const { return threads_.size(); }

 private:
  void finish(std::uint64_t job, const std::function<void()>& done);

  // Lives on the user-interface thread; queued calls to it die with it.
  QObject receiver_;
  std::map<std::uint64_t, std::thread> threads_;
  std::uint64_t next_ = 0;
};

}  // namespace brenvolt
