#include "tools/match/players.h"

#include <algorithm>
#include <atomic>

#include "computer/classic/computer.h"
#include "computer/strong/searcher.h"
#include "game/piece_table.h"
#include "notation/game_move.h"
#include "notation/position_text.h"
#include "tools/match/engine_process.h"

namespace brenvolt::match {

namespace {

Choice choice_of(const std::optional<着手>& move) {
  Choice choice;
  choice.pass = !move.has_value();
  if (move) choice.move = *move;
  return choice;
}

class StandardPlayer : public Player {
 public:
  std::string name() const override { return "level 0"; }
  Choice choose(const 対局状態& 局) override {
    対局状態 trial = 局;
    return choice_of(com_ban_探索(trial, 局.手番));
  }
};

class SearchPlayer : public Player {
 public:
  SearchPlayer(int level, double nodes_per_second) : level_(level) {
    limits_ = level_limits(level);
    // The time becomes its node count at that speed; a level's own node cap still holds.
    if (nodes_per_second > 0 && limits_.seconds > 0) {
      const auto nodes = static_cast<std::uint64_t>(limits_.seconds * nodes_per_second);
      limits_.nodes = limits_.nodes != 0 ? std::min(limits_.nodes, nodes) : nodes;
      limits_.seconds = 0;
    }
  }
  std::string name() const override { return "level " + std::to_string(level_); }
  Choice choose(const 対局状態& 局) override {
    return choice_of(searcher_.think(局, 局.手番, limits_, stop_));
  }

 private:
  int level_;
  探索制限 limits_;
  Searcher searcher_;
  const std::atomic<bool> stop_{false};
};

class EnginePlayer : public Player {
 public:
  EnginePlayer(std::unique_ptr<EngineProcess> process, std::string name, std::string go)
      : process_(std::move(process)), name_(std::move(name)), go_(std::move(go)) {}
  std::string name() const override { return name_; }
  Choice choose(const 対局状態& 局) override {
    Choice choice;
    choice.text = process_->best_move(notation::format_position(局), go_);
    if (choice.text == "pass") {
      choice.pass = true;
    } else if (const auto parsed = notation::parse_move(choice.text)) {
      choice.move = notation::move_of(局, *parsed);
    }
    return choice;
  }

 private:
  std::unique_ptr<EngineProcess> process_;
  std::string name_;
  std::string go_;
};

}  // namespace

std::unique_ptr<Player> level_player(int level, double nodes_per_second) {
  if (level == 0) return std::make_unique<StandardPlayer>();
  return std::make_unique<SearchPlayer>(level, nodes_per_second);
}

std::unique_ptr<Player> engine_player(const std::string& command, int level, std::string& error,
                                      const std::string& go) {
  auto process = EngineProcess::start(command, error);
  if (!process) return nullptr;
  if (level > 0 && !process->set_option("Level", std::to_string(level), error)) return nullptr;
  std::string name = command;
  if (level > 0) name += " (level " + std::to_string(level) + ")";
  if (go != "go") name += " (" + go + ")";
  return std::make_unique<EnginePlayer>(std::move(process), name, go);
}

}  // namespace brenvolt::match
