// The tactics suite as a benchmark: the top level searches each position within a time or a
// node count, and its move is judged by a deep solve: a win entry counts when the move is a
// proven winning first move (or makes five), a defence entry when the attacker has no proven
// win after it.
#pragma once

#include <cstdint>
#include <ostream>
#include <vector>

#include "tools/tactics/suite.h"

namespace brenvolt::tactics {

struct RunOptions {
  double seconds = 0;       // per move; 0 with nodes 0 is the top level's own time
  std::uint64_t nodes = 0;  // per move, for figures that repeat exactly
  // A move outside the listed ones is judged by a solve ten times deeper than the generation's
  // proofs: a defence found afresh may take that much to be proven sound.
  std::uint64_t proof_nodes = 40'000'000;
  bool verbose = false;  // a line for every entry
};

struct RunTally {
  int wins = 0;
  int wins_found = 0;
  int defences = 0;
  int defences_held = 0;
  int unknown = 0;  // moves whose solve gave up: counted as not found / held
  double seconds = 0;
  std::uint64_t nodes = 0;
};

RunTally run_suite(const std::vector<Entry>& entries, const RunOptions& options, std::ostream& out);

// "tactics: wins 97/100 (97.0 %), defences 50/50 (100.0 %)"
std::string summary(const RunTally& tally);

}  // namespace brenvolt::tactics
