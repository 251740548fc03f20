#include "computer/strong/search_service.h"

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <utility>

namespace brenvolt {

int machine_threads() {
  return std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, kMaxThreads);
}

// What the searches share with the service, kept alive by whichever of them lives longest.
struct SearchService::Shared {
  explicit Shared(std::size_t table_mb) : hash_mb(table_mb) {}

  // Only under searcher_lock.
  Searcher& made_searcher() {
    if (!searcher) {
      searcher = std::make_unique<Searcher>(hash_mb.load());
      searcher->set_threads(threads.load());
      made.store(true);
    }
    return *searcher;
  }

  bool current(std::uint64_t of) const { return of == generation.load(); }

  void search(const std::atomic<bool>& stop, std::uint64_t of, const 対局状態& position,
              const 探索制限& limits, const 探索の報せ先& report) {
    std::optional<着手> move;
    bool ended = false;
    // Without a taker the lines are not even worked out.
    std::function<void(const 探索情報&)> on_info;
    if (report.on_info) {
      on_info = [&](const 探索情報& info) {
        if (current(of)) report.on_info(of, info);
      };
    }
    {
      const std::lock_guard<std::mutex> lock(searcher_lock);
      if (current(of)) {
        move = made_searcher().think(position, position.手番, limits, stop, on_info);
        ended = true;
      }
    }
    if (ended && report.on_best && current(of)) report.on_best(of, move);
    const std::lock_guard<std::mutex> lock(running_lock);
    --running;
    idle.notify_all();
  }

  std::mutex searcher_lock;
  std::unique_ptr<Searcher> searcher;
  std::atomic<std::size_t> hash_mb;
  std::atomic<int> threads{1};
  std::atomic<bool> made{false};
  std::atomic<std::uint64_t> generation{0};

  std::mutex running_lock;
  std::condition_variable idle;
  int running = 0;  // searches handed over whose best move has not yet been reported
};

SearchService::SearchService(std::size_t hash_mb, Runner runner)
    : shared_(std::make_shared<Shared>(hash_mb)), runner_(std::move(runner)) {}

SearchService::~SearchService() {
  cancel();
  if (thread_.joinable()) thread_.join();
}

void SearchService::prepare() {
  if (shared_->made.load()) return;
  const std::lock_guard<std::mutex> lock(shared_->searcher_lock);
  shared_->made_searcher();
}

void SearchService::set_hash_mb(std::size_t hash_mb) {
  const std::lock_guard<std::mutex> lock(shared_->searcher_lock);
  shared_->hash_mb.store(hash_mb);
  if (shared_->searcher) {
    shared_->searcher->set_hash_mb(hash_mb);
  } else {
    shared_->made_searcher();
  }
}

void SearchService::set_threads(int threads) {
  const std::lock_guard<std::mutex> lock(shared_->searcher_lock);
  shared_->threads.store(std::clamp(threads, 1, kMaxThreads));
  if (shared_->searcher) shared_->searcher->set_threads(threads);
}

int SearchService::threads() const {
  return shared_->threads.load();
}

std::size_t SearchService::hash_mb() const {
  return shared_->hash_mb.load();
}

bool SearchService::table_made() const {
  return shared_->made.load();
}

void SearchService::clear() {
  const std::lock_guard<std::mutex> lock(shared_->searcher_lock);
  if (shared_->searcher) shared_->searcher->clear();
}

std::uint64_t SearchService::start(const 対局状態& position, const 探索制限& limits,
                                   探索の報せ先 report) {
  cancel();
  // A cancelled search of our own thread ends within a thousand nodes.
  if (thread_.joinable()) thread_.join();
  stop_ = std::make_shared<std::atomic<bool>>(false);
  const std::uint64_t generation = ++shared_->generation;
  {
    const std::lock_guard<std::mutex> lock(shared_->running_lock);
    ++shared_->running;
  }
  auto search = [shared = shared_, stop = stop_, generation, position, limits,
                 report = std::move(report)] {
    shared->search(*stop, generation, position, limits, report);
  };
  if (runner_) {
    runner_(std::move(search));
  } else {
    thread_ = std::thread(std::move(search));
  }
  return generation;
}

void SearchService::stop() {
  if (stop_) stop_->store(true);
}

void SearchService::cancel() {
  if (!stop_) return;
  stop_->store(true);
  stop_.reset();
  ++shared_->generation;
}

void SearchService::wait() {
  {
    std::unique_lock<std::mutex> lock(shared_->running_lock);
    shared_->idle.wait(lock, [this] { return shared_->running == 0; });
  }
  if (thread_.joinable()) thread_.join();
}

bool SearchService::searching() const {
  const std::lock_guard<std::mutex> lock(shared_->running_lock);
  return shared_->running > 0;
}

std::uint64_t SearchService::generation() const {
  return shared_->generation.load();
}

}  // namespace brenvolt
