#include "engine/search_worker.h"

#include <utility>

#include "engine/move_judge.h"
#include "notation/game_move.h"

namespace brenvolt::engine {

std::string info_line(const 探索情報& info) {
  const double per_second = info.seconds > 0 ? info.nodes / info.seconds : 0;
  std::string line = "info depth " + std::to_string(info.depth) + " score " +
                     (info.mate ? "mate " : "cp ") + std::to_string(info.score) + " nodes " +
                     std::to_string(info.nodes) + " nps " +
                     std::to_string(static_cast<long long>(per_second)) + " time " +
                     std::to_string(static_cast<long long>(info.seconds * 1000));
  if (!info.pv.empty()) {
    line += " pv";
    for (const 着手& move : info.pv) line += ' ' + notation::format_move(move);
  }
  return line;
}

SearchWorker::~SearchWorker() {
  stop();
}

void SearchWorker::start(const 対局状態& position, const 探索制限& limits, bool fresh) {
  wait();
  stop_.store(false);
  searching_.store(true, std::memory_order_release);
  thread_ = std::thread([this, position, limits, fresh] { search(position, limits, fresh); });
}

void SearchWorker::stop() {
  if (!thread_.joinable()) return;
  stop_.store(true);
  thread_.join();
}

void SearchWorker::wait() {
  if (thread_.joinable()) thread_.join();
}

void SearchWorker::set_hash_mb(std::size_t hash_mb) {
  wait();
  hash_mb_ = hash_mb;
  if (searcher_) searcher_->set_hash_mb(hash_mb);
}

void SearchWorker::clear() {
  wait();
  if (searcher_) searcher_->clear();
}

// Only the search thread calls this, and the other thread touches the searcher only after
// joining it.
Searcher& SearchWorker::searcher() {
  if (!searcher_) searcher_ = std::make_unique<Searcher>(hash_mb_);
  return *searcher_;
}

void SearchWorker::search(対局状態 position, 探索制限 limits, bool fresh) {
  Searcher& thinker = searcher();
  if (fresh) thinker.clear();
  const auto move =
      thinker.think(position, position.手番, limits, stop_,
                    [this](const 探索情報& info) { out_.write(info_line(info) + '\n'); });
  out_.write("bestmove " + (move ? notation::format_move(*move) : std::string("pass")) + '\n');
  searching_.store(false, std::memory_order_release);
}

}  // namespace brenvolt::engine
