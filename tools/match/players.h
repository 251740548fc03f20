// The players a match sets against each other: a level of the game's own computer (0 is the
// standard computer, the others the search), or an engine program spoken to over its protocol.
#pragma once

#include <memory>
#include <string>

#include "game/game_state.h"
#include "game/move.h"

namespace brenvolt::match {

// What a player wants to do: pass, or play `move` (置駒 differing from 移動駒 asks for the
// promotion). The game's turn judges it; whatever it refuses loses the game for the player.
struct Choice {
  bool pass = false;
  着手 move{};
  std::string text;  // the move as the player wrote it, for the record of a refusal
};

class Player {
 public:
  virtual ~Player() = default;
  virtual std::string name() const = 0;
  // The choice for 局.手番 in a running game.
  virtual Choice choose(const 対局状態& 局) = 0;
};

// Any level of the table. With nodes_per_second above 0 a search level gets a fixed node count
// (its time budget times that rate, within its own node cap) instead of the clock, so that a
// match plays the same every time.
std::unique_ptr<Player> level_player(int level, double nodes_per_second);

// An engine started as `command` through the shell; a level above 0 is set with setoption
// before the first move, and each move is asked for with the line `go`. Empty (with the reason
// in error) when it cannot be started.
std::unique_ptr<Player> engine_player(const std::string& command, int level, std::string& error,
                                      const std::string& go = "go");

}  // namespace brenvolt::match
