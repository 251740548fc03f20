#include "window/qt/background_work.h"

#include <QMetaObject>
#include <utility>

namespace brenvolt {

BackgroundWork::~BackgroundWork() {
  for (auto& [number, job] : jobs_) job.thread.join();
}

void BackgroundWork::run(std::function<void()> work, std::function<void()> done) {
  const std::uint64_t number = next_++;
  Job& job = jobs_[number];
  job.done = std::move(done);
  job.thread = std::thread([this, number, work = std::move(work)] {
    work();
    {
      const std::lock_guard<std::mutex> lock(finishedLock_);
      finished_.push_back(number);
    }
    // Posting is safe from any thread; the slot runs where this object lives.
    QMetaObject::invokeMethod(this, "deliverFinished", Qt::QueuedConnection);
  });
}

void BackgroundWork::post(std::function<void()> task) {
  {
    const std::lock_guard<std::mutex> lock(postedLock_);
    posted_.push_back(std::move(task));
  }
  QMetaObject::invokeMethod(this, "deliverPosted", Qt::QueuedConnection);
}

void BackgroundWork::deliverPosted() {
  std::vector<std::function<void()>> ready;
  {
    const std::lock_guard<std::mutex> lock(postedLock_);
    ready.swap(posted_);
  }
  for (const std::function<void()>& task : ready) task();
}

void BackgroundWork::deliverFinished() {
  std::vector<std::uint64_t> ready;
  {
    const std::lock_guard<std::mutex> lock(finishedLock_);
    ready.swap(finished_);
  }
  for (const std::uint64_t number : ready) {
    const auto found = jobs_.find(number);
    if (found == jobs_.end()) continue;
    // The thread has nothing left to do but end, so the join returns at once.
    found->second.thread.join();
    const std::function<void()> done = std::move(found->second.done);
    jobs_.erase(found);
    done();
  }
}

}  // namespace brenvolt
