// Complete games of the computer against itself from the bench positions, each after a seeded
// random move or two, for the engine's bench command: a measure of speed and, through the
// signature, of behaviour.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace brenvolt::engine {

struct SelfPlayReport {
  int games = 0;
  std::uint64_t plies = 0;       // moves played, openings included; passes not counted
  std::uint64_t candidates = 0;  // candidates the computer scored
  double seconds = 0;
  std::uint64_t signature = 0;  // FNV-1a of every move played, in order
};

// Called after each game with its number (from 1), its plies and its result word: "b" or "w"
// for the side that made five, "draw" at the move limit, "stuck" when neither side could move.
// The game is checked after every move and at its end; a game found inconsistent is stopped
// and its result is "broken: " and what was wrong.
using GameListener = std::function<void(int, std::uint64_t, const std::string&)>;

// Plays games one after another, game n from bench position n - 1 (taken in turn, from the
// first again after the last): 1 or 2 moves drawn from the legal moves by a generator seeded
// with seed, then the computer for both sides until a five, 記録上限 moves, or two passes in a
// row.
SelfPlayReport play_games(int games, std::uint64_t seed, const GameListener& listener = {});

}  // namespace brenvolt::engine
