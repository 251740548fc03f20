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

void SearchWorker::start(const 対局状態& position, const 探索制限& limits) {
  stop();
  service_.prepare();
  service_.start(
      position, limits,
      {[this](std::uint64_t, const 探索情報& info) { out_.write(info_line(info) + '\n'); },
       [this](std::uint64_t, const std::optional<着手>& move) {
         out_.write("bestmove " + (move ? notation::format_move(*move) : std::string("pass")) +
                    '\n');
       }});
}

void SearchWorker::stop() {
  service_.stop();
  service_.wait();
}

void SearchWorker::set_hash_mb(std::size_t hash_mb) {
  stop();
  service_.set_hash_mb(hash_mb);
}

void SearchWorker::set_threads(int threads) {
  stop();
  service_.set_threads(threads);
}

void SearchWorker::clear() {
  stop();
  service_.clear();
}

}  // namespace brenvolt::engine
