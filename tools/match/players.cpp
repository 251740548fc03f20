#include "tools/match/players.h"

#include <atomic>

#include "computer/search/searcher.h"
#include "engine/computer_moves.h"
#include "engine/position_text.h"
#include "tools/match/engine_process.h"

namespace brenvolt::match {

namespace {

class StandardPlayer : public Player {
 public:
  std::string name() const override { return "level 0"; }
  std::string choose(const engine::Game& game) override {
    const auto move = engine::computer_choice(game);
    return move ? engine::move_text(*move) : "pass";
  }
};

class SearchPlayer : public Player {
 public:
  SearchPlayer(int level, double nodes_per_second) : level_(level) {
    limits_ = level_limits(level);
    if (nodes_per_second > 0) {
      limits_.nodes = static_cast<std::uint64_t>(limits_.seconds * nodes_per_second);
      limits_.seconds = 0;
    }
  }
  std::string name() const override { return "level " + std::to_string(level_); }
  std::string choose(const engine::Game& game) override {
    const auto move = searcher_.think(game.局, limits_, stop_);
    return move ? engine::move_text(*move) : "pass";
  }

 private:
  int level_;
  探索制限 limits_;
  Searcher searcher_;
  const std::atomic<bool> stop_{false};
};

class EnginePlayer : public Player {
 public:
  EnginePlayer(std::unique_ptr<EngineProcess> process, std::string name)
      : process_(std::move(process)), name_(std::move(name)) {}
  std::string name() const override { return name_; }
  std::string choose(const engine::Game& game) override {
    return process_->best_move(notation::format_position(game.局));
  }

 private:
  std::unique_ptr<EngineProcess> process_;
  std::string name_;
};

}  // namespace

std::unique_ptr<Player> level_player(int level, double nodes_per_second) {
  if (level == 0) return std::make_unique<StandardPlayer>();
  return std::make_unique<SearchPlayer>(level, nodes_per_second);
}

std::unique_ptr<Player> engine_player(const std::string& command, int level, std::string& error) {
  auto process = EngineProcess::start(command, error);
  if (!process) return nullptr;
  if (level > 0 && !process->set_option("Level", std::to_string(level), error)) return nullptr;
  std::string name = command;
  if (level > 0) name += " (level " + std::to_string(level) + ")";
  return std::make_unique<EnginePlayer>(std::move(process), name);
}

}  // namespace brenvolt::match
