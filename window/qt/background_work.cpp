#include "window/qt/background_work.h"

#include <QMetaObject>
#include <utility>

namespace brenvolt {

BackgroundWork::~BackgroundWork() {
  for (auto& [job, thread] : threads_) thread.join();
}

void BackgroundWork::run(std::function<void()> work, std::function<void()> done) {
  const std::uint64_t job = next_++;
  auto job_thread = [this, job, work = std::move(work), done = std::move(done)]() mutable {
    work();
    // Posting is safe from any thread; the call runs where receiver_ lives.
    QMetaObject::invokeMethod(
        &receiver_, [this, job, done = std::move(done)] { finish(job, done); },
        Qt::QueuedConnection);
  };
  threads_.emplace(job, std::thread(std::move(job_thread)));
}

void BackgroundWork::finish(std::uint64_t job, const std::function<void()>& done) {
  const auto found = threads_.find(job);
  if (found == threads_.end()) return;
  // The thread has posted this call as its last act, so the join returns at once.
  found->second.join();
  threads_.erase(found);
  done();
}

}  // namespace brenvolt
