#include "computer/strong/alpha_beta.h"

#include <algorithm>

#include "computer/strong/evaluation.h"
#include "computer/strong/helper_threads.h"
#include "computer/strong/rules.h"
#include "computer/strong/threats.h"

namespace brenvolt::strong {

namespace {

// Blocking the other side's five is searched among the blocks only, within a quarter of the
// budget, and within this many nodes when only the depth is capped.
constexpr int kForcedShare = 4;
constexpr std::uint64_t kForcedNodes = 30000;
// Late quiet moves are searched one ply shallower first.
constexpr int kQuietGain = 2000;
// Moves ordered below this gain, within this many plies of the leaves, are not searched.
constexpr int kFarGain = 24;
constexpr int kFarDepth = 2;
constexpr int kUnknownGain = -(1 << 30);
// The threat search at the root: its share of a node or time budget, its nodes under a depth
// cap alone, and how many of its own moves a win by continuous fours, or by fours and threes,
// may take, are the limits' four_moves and threat_moves.
constexpr int kThreatShare = 5;
// The probes of the other side's threats, once it is seen to have a win if this side passed:
// finding the move that stops it is then worth this part of the budget.
constexpr int kDefenceShare = 5;
constexpr std::uint64_t kThreatNodes = 40000;
// The other side's threats: probed after every root move with at most this many nodes first,
// then, while the budget lasts, again after the moves left undecided, each time with this
// many times as many.
constexpr std::uint64_t kDefenceProbeNodes = 3000;
constexpr std::uint64_t kDefenceProbeGrowth = 4;

int to_table(int score, int ply) {
  if (score > kMateBound) return score + ply;
  if (score < -kMateBound) return score - ply;
  return score;
}

int from_table(int score, int ply) {
  if (score > kMateBound) return score - ply;
  if (score < -kMateBound) return score + ply;
  return score;
}

}  // namespace

AlphaBeta::AlphaBeta(TranspositionTable& table)
    : table_(table),
      lists_(std::make_unique<std::array<MoveList, kMaxPly + 1>>()),
      history_(std::make_unique<std::array<std::array<std::array<int, kCells>, kCells>, 2>>()) {}

void AlphaBeta::clear() {
  table_.clear();
  forget_moves();
}

void AlphaBeta::forget_moves() {
  killers_ = {};
  for (auto& colour : *history_) {
    for (auto& from : colour) from.fill(0);
  }
}

int AlphaBeta::judge() const {
  const int score = evaluate(b_);
  const int grain = style_.grain;
  if (grain <= 1) return score;
  // Rounded to the nearest multiple, halves away from zero, the same for either side's view.
  const int half = grain / 2;
  return score >= 0 ? (score + half) / grain * grain : -((-score + half) / grain * grain);
}

double AlphaBeta::elapsed() const {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
}

bool AlphaBeta::out_of_budget() {
  if (aborted_) return true;
  if (node_limit_ != 0 && nodes_ + helper_nodes_ >= node_limit_) {
    aborted_ = true;
  } else if (poll_.due()) {
    aborted_ = poll_.expired_now();
    share_nodes();
  }
  return aborted_;
}

void AlphaBeta::share_nodes() {
  if (helpers_ != nullptr) helper_nodes_ = helpers_->nodes();
  if (published_ != nullptr) published_->store(nodes_, std::memory_order_relaxed);
}

void AlphaBeta::order(MoveList& list, int from, Move tt_move, int ply) {
  const Colour c = b_.side_to_move();
  const auto& history = (*history_)[c];
  // Many moves share a destination or a source: each square's gain is worked out once.
  std::array<int, kCells> placed;
  std::array<int, kCells> lifted;
  placed.fill(kUnknownGain);
  lifted.fill(kUnknownGain);
  for (int i = from; i < list.size; ++i) {
    const Move m = list.moves[i];
    if (m == tt_move) {
      list.scores[i] = 1 << 30;
      continue;
    }
    int& to_gain = placed[m.to()];
    if (to_gain == kUnknownGain) to_gain = place_gain(b_, m.to(), c);
    int score = to_gain;
    if (!m.is_drop()) {
      int& from_loss = lifted[m.from()];
      if (from_loss == kUnknownGain) from_loss = lift_loss(b_, m.from(), c) * 3 / 4;
      score -= from_loss;
    }
    if (m == killers_[ply][0]) {
      score += 3000;
    } else if (m == killers_[ply][1]) {
      score += 2000;
    }
    score += std::min(history[source_of(m)][m.to()] / 8, 1500);
    if (m.promotes()) ++score;
    list.scores[i] = score;
  }
}

void AlphaBeta::reward(Move m, int depth, int ply) {
  if (killers_[ply][0] != m) {
    killers_[ply][1] = killers_[ply][0];
    killers_[ply][0] = m;
  }
  int& h = (*history_)[b_.side_to_move()][source_of(m)][m.to()];
  h = std::min(h + depth * depth, 1 << 20);
}

int AlphaBeta::quiesce(int alpha, int beta, int ply, int qdepth) {
  if (out_of_budget()) return 0;
  if (b_.move_count() >= 記録上限) return 0;
  if (ply >= kMaxPly) return judge();
  const int mating = kMate - ply - 1;
  if (winning_move(b_)) return mating;
  const Colour c = b_.side_to_move();
  FivePoints threat;
  reachable_five_points(b_, other(c), threat, true);
  if (lost_two_ways(threat)) return -(kMate - ply - 2);

  MoveList& list = (*lists_)[ply];
  int best = -kInfinity;
  const bool forced = threat.count > 0;
  if (forced) {
    if (qdepth >= style_.quiescence) return judge();
    int squares[kMaxPoints * 9];
    generate_to(b_, squares, defence_squares(threat, squares), list, false);
  } else {
    best = judge();
    if (best >= beta || qdepth >= style_.quiescence) return best;
    alpha = std::max(alpha, best);
    int squares[kCells];
    const int n = four_squares(b_, c, squares);
    if (n == 0) return best;
    generate_to(b_, squares, n, list, false);
  }
  order(list, 0, Move(), ply);
  bool any = false;
  for (int i = 0; i < list.size; ++i) {
    const Move m = list.pick(i);
    if (forbidden(b_, c, source_of(m), m.to())) continue;
    b_.make(m);
    ++nodes_;
    int score;
    if (move_won(b_, c, source_of(m), m.to())) {
      score = mating;
    } else {
      if (!forced) {
        // Only a four (a five to follow) keeps the quiescence going.
        FivePoints mine;
        reachable_five_points(b_, c, mine, false);
        if (mine.count == 0) {
          b_.unmake(m);
          continue;
        }
      }
      score = -quiesce(-beta, -alpha, ply + 1, qdepth + 1);
    }
    b_.unmake(m);
    if (aborted_) return 0;
    any = true;
    if (score > best) {
      best = score;
      if (score > alpha) {
        alpha = score;
        if (alpha >= beta) break;
      }
    }
  }
  if (forced && !any) return -(kMate - ply - 2);
  return best;
}

int AlphaBeta::search(int depth, int alpha, int beta, int ply, bool pv) {
  if (out_of_budget()) return 0;
  if (b_.move_count() >= 記録上限) return 0;
  if (ply >= kMaxPly) return judge();
  const int mating = kMate - ply - 1;
  if (alpha >= mating) return alpha;
  if (winning_move(b_)) return mating;
  const Colour c = b_.side_to_move();
  FivePoints threat;
  reachable_five_points(b_, other(c), threat, true);
  if (lost_two_ways(threat)) return -(kMate - ply - 2);
  const bool forced = threat.count > 0;
  if (depth <= 0) {
    if (!forced) return quiesce(alpha, beta, ply, 0);
    depth = 1;  // a block is never left to the quiescence's stand-pat
  }

  // Near the move record's bound the draw depends on the move count, which the key leaves out.
  const bool use_table = 記録上限 - b_.move_count() > kMaxPly;
  const std::uint64_t key = b_.key();
  Move tt_move;
  if (use_table) {
    if (Entry e; table_.probe(key, e)) {
      tt_move = Move::from_bits(e.move);
      if (!pv && e.depth >= depth) {
        const int s = from_table(e.score, ply);
        if (e.bound() == Bound::kExact || (e.bound() == Bound::kLower && s >= beta) ||
            (e.bound() == Bound::kUpper && s <= alpha)) {
          return s;
        }
      }
    }
  }

  MoveList& list = (*lists_)[ply];
  if (forced) {
    int squares[kMaxPoints * 9];
    generate_to(b_, squares, defence_squares(threat, squares), list, false);
  } else {
    generate_search(b_, list, false);
  }
  // The table's move is tried before the others are even scored: it often ends the node.
  int ordered_from = 0;
  if (tt_move) {
    for (int i = 0; i < list.size; ++i) {
      if (list.moves[i] != tt_move) continue;
      std::swap(list.moves[i], list.moves[0]);
      list.scores[0] = 1 << 30;
      ordered_from = 1;
      break;
    }
  }
  if (ordered_from == 0) order(list, 0, Move(), ply);

  const int alpha_at_start = alpha;
  int best = -kInfinity;
  Move best_move;
  int searched = 0;
  const bool far_pruned = !pv && !forced && depth <= kFarDepth;
  const int rarely_below = far_pruned ? kFarGain : MoveList::kEveryScore;
  for (int i = 0; i < list.size; ++i) {
    if (i == ordered_from && i > 0) order(list, i, Move(), ply);
    const Move m = list.pick(i, rarely_below);
    if (forbidden(b_, c, source_of(m), m.to())) continue;
    const bool quiet = list.scores[i] < kQuietGain;
    // Near the leaves a move that adds to no line of either side cannot change the outcome
    // the other moves decide. Moves come in falling order of gain: the rest add nothing either.
    if (far_pruned && searched > 0 && list.scores[i] < kFarGain) {
      break;
    }
    b_.make(m);
    ++nodes_;
    // The child looks its position up in the table: fetch the line while the move is judged.
    if (use_table && depth > 1) table_.prefetch(b_.key());
    int score;
    if (move_won(b_, c, source_of(m), m.to())) {
      score = mating;
    } else if (searched == 0) {
      score = -search(depth - 1, -beta, -alpha, ply + 1, pv);
    } else {
      const int reduction = (depth >= 3 && searched >= 4 && quiet && !forced) ? 1 : 0;
      score = -search(depth - 1 - reduction, -alpha - 1, -alpha, ply + 1, false);
      if (score > alpha && reduction > 0) {
        score = -search(depth - 1, -alpha - 1, -alpha, ply + 1, false);
      }
      if (score > alpha && score < beta) score = -search(depth - 1, -beta, -alpha, ply + 1, true);
    }
    b_.unmake(m);
    if (aborted_) return 0;
    ++searched;
    if (score > best) {
      best = score;
      best_move = m;
      if (score > alpha) {
        alpha = score;
        if (alpha >= beta) {
          reward(m, depth, ply);
          break;
        }
      }
    }
  }
  if (searched == 0) {
    // No block exists: the five comes. No move at all (a rare crowded board): a pass.
    best = forced ? -(kMate - ply - 2) : 0;
  }
  if (use_table) {
    const Bound bound = best >= beta            ? Bound::kLower
                        : best > alpha_at_start ? Bound::kExact
                                                : Bound::kUpper;
    table_.store(key, best_move, to_table(best, ply), depth, bound);
  }
  return best;
}

// A threat search at the root has a part (1 / share) of the budget of its own, counted from
// when it starts, so that a long search for this side's win leaves the defence its part.
ThreatSearch::Budget AlphaBeta::threat_budget(const std::atomic<bool>& stop, int share) const {
  ThreatSearch::Budget budget;
  budget.stop = &stop;
  budget.nodes = node_limit_ != 0 ? node_limit_ / share : kThreatNodes;
  if (time_limit_ > 0) {
    if (node_limit_ == 0) budget.nodes = UINT64_MAX;
    budget.has_deadline = true;
    budget.deadline = std::chrono::steady_clock::now() +
                      std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                          std::chrono::duration<double>(time_limit_ / share));
  }
  return budget;
}

Move AlphaBeta::threat_win(const std::atomic<bool>& stop) {
  ThreatSearch::Budget budget = threat_budget(stop, kThreatShare);
  Move first;
  const std::uint64_t share = budget.nodes;
  bool won = false;
  std::uint64_t used = 0;
  if (style_.four_moves > 0) {
    won = threats_.find_win(b_, style_.four_moves, true, budget, &first);
    used = threats_.nodes();
    nodes_ += used;
  }
  if (!won && style_.threat_moves > 0) {
    budget.nodes = share - std::min(share, used);
    won = budget.nodes > 0 && threats_.find_win(b_, style_.threat_moves, false, budget, &first);
    nodes_ += threats_.nodes();
  }
  return won ? first : Move();
}

void AlphaBeta::keep_defences(const std::atomic<bool>& stop) {
  if (style_.threat_moves == 0) return;
  // Were this side to pass, would the other side win by threats?
  ThreatSearch::Budget budget = threat_budget(stop, kThreatShare);
  b_.make_null();
  const Probe danger = probe_threats(budget, kDefenceProbeNodes);
  b_.unmake_null();
  if (danger != Probe::kWins) return;
  budget = threat_budget(stop, kDefenceShare);
  std::array<Probe, kMaxMoves> after;
  after.fill(Probe::kUndecided);
  const int one_kind = root_moves_.size;
  probe_each(0, after.data(), budget, false);
  if (keep_checked(after.data())) return;
  // None is seen to stop it at a glance. The kind dropped may matter, as a piece dropped on one
  // square may move on to block another: the drops of the other kinds get the same first look
  // before any move is probed deeper, and then all are probed deeper together.
  add_other_kinds();
  probe_each(one_kind, after.data(), budget, false);
  if (keep_checked(after.data())) return;
  probe_each(0, after.data(), budget, true);
  if (keep_checked(after.data())) return;
  // Still none: the moves the probes could not decide go first, then the moves of one kind they
  // refuted, so a defence that is hoped for comes before one that is known to fail.
  MoveList& refuted = (*lists_)[2];
  refuted.clear();
  int kept = 0;
  for (int i = 0; i < root_moves_.size; ++i) {
    const Move m = root_moves_.moves[i];
    if (after[i] != Probe::kWins) {
      root_moves_.moves[kept++] = m;
    } else if (i < one_kind) {
      refuted.add(m);
    }
  }
  root_moves_.size = kept;
  for (int i = 0; i < refuted.size; ++i) root_moves_.add(refuted.moves[i]);
}

void AlphaBeta::add_other_kinds() {
  MoveList& every_kind = (*lists_)[2];
  generate_search(b_, every_kind, true);
  drop_forbidden(b_, every_kind);
  const int one_kind = root_moves_.size;
  const auto begin = root_moves_.moves.begin();
  for (int i = 0; i < every_kind.size; ++i) {
    const Move m = every_kind.moves[i];
    if (std::find(begin, begin + one_kind, m) == begin + one_kind) root_moves_.add(m);
  }
}

void AlphaBeta::probe_each(int from, Probe* after, ThreatSearch::Budget& budget, bool deeper) {
  std::uint64_t cap = kDefenceProbeNodes;
  if (deeper) cap *= kDefenceProbeGrowth;
  for (; budget.nodes > 0; cap *= kDefenceProbeGrowth) {
    bool undecided = false;
    for (int i = from; i < root_moves_.size && budget.nodes > 0; ++i) {
      if (after[i] != Probe::kUndecided) continue;
      const Move m = root_moves_.moves[i];
      b_.make(m);
      after[i] = probe_threats(budget, cap);
      b_.unmake(m);
      undecided = undecided || after[i] == Probe::kUndecided;
    }
    if (!deeper || !undecided || budget_spent(budget)) break;
  }
}

bool AlphaBeta::keep_checked(const Probe* after) {
  MoveList& checked = (*lists_)[1];
  checked.clear();
  for (int i = 0; i < root_moves_.size; ++i) {
    if (after[i] == Probe::kNoWin) checked.add(root_moves_.moves[i]);
  }
  if (checked.size == 0) return false;
  root_moves_ = checked;
  return true;
}

bool AlphaBeta::budget_spent(const ThreatSearch::Budget& budget) const {
  if (budget.nodes == 0 || budget.stop->load(std::memory_order_relaxed)) return true;
  return budget.has_deadline && std::chrono::steady_clock::now() >= budget.deadline;
}

// Whether the side to move wins by continuous fours, or by fours and threes, each within at most
// cap nodes of the budget, which the probes spend. A win by fours alone may take more moves
// than one with threes: each is looked for within its own number of moves.
AlphaBeta::Probe AlphaBeta::probe_threats(ThreatSearch::Budget& budget, std::uint64_t cap) {
  bool undecided = false;
  for (const bool fours_only : {true, false}) {
    const int moves = fours_only ? style_.four_moves : style_.threat_moves;
    if (moves == 0) continue;
    if (budget.nodes == 0) return Probe::kUndecided;
    ThreatSearch::Budget probe = budget;
    probe.nodes = std::min(budget.nodes, cap);
    const bool wins = threats_.find_win(b_, moves, fours_only, probe, nullptr);
    const std::uint64_t used = threats_.nodes();
    nodes_ += used;
    budget.nodes -= std::min(budget.nodes, used);
    if (wins) return Probe::kWins;
    undecided = undecided || threats_.gave_up();
  }
  return undecided ? Probe::kUndecided : Probe::kNoWin;
}

void AlphaBeta::sort_root_moves() {
  order(root_moves_, 0, Move(), 0);
  // Sorted once by gain, the generation order breaking ties (std::sort on both keys, as a
  // stable sort would take a buffer from the heap).
  std::array<int, kMaxMoves> index{};
  for (int i = 0; i < root_moves_.size; ++i) index[i] = i;
  std::sort(index.begin(), index.begin() + root_moves_.size, [&](int a, int b) {
    const int sa = root_moves_.scores[a];
    const int sb = root_moves_.scores[b];
    return sa != sb ? sa > sb : a < b;
  });
  MoveList& sorted = (*lists_)[0];
  sorted.size = root_moves_.size;
  for (int i = 0; i < sorted.size; ++i) sorted.moves[i] = root_moves_.moves[index[i]];
  for (int i = 0; i < sorted.size; ++i) root_moves_.moves[i] = sorted.moves[i];
}

int AlphaBeta::search_root(int depth, int alpha, int beta) {
  const Colour c = b_.side_to_move();
  int best = -kInfinity;
  for (int i = 0; i < root_moves_.size; ++i) {
    const Move m = root_moves_.moves[i];
    b_.make(m);
    ++nodes_;
    int score;
    if (move_won(b_, c, source_of(m), m.to())) {
      score = kMate - 1;
    } else if (i == 0) {
      score = -search(depth - 1, -beta, -alpha, 1, true);
    } else {
      score = -search(depth - 1, -alpha - 1, -alpha, 1, false);
      if (score > alpha && score < beta) score = -search(depth - 1, -beta, -alpha, 1, true);
    }
    b_.unmake(m);
    if (aborted_) break;
    if (score > best) {
      best = score;
      if (score > alpha) alpha = score;
      // The best move so far leads the list, for the next depth and for a stop.
      std::rotate(root_moves_.moves.begin(), root_moves_.moves.begin() + i,
                  root_moves_.moves.begin() + i + 1);
    }
  }
  return best;
}

void AlphaBeta::report(int depth, int score, const std::function<void(const 探索情報&)>& on_info) {
  探索情報 info;
  info.depth = depth;
  info.nodes = nodes_ + helper_nodes_;
  info.seconds = elapsed();
  if (score > kMateBound) {
    info.mate = true;
    info.score = kMate - score;
  } else if (score < -kMateBound) {
    info.mate = true;
    info.score = -(kMate + score);
  } else {
    info.score = score;
  }
  // The line: the best root move, then the table's moves while they are legal here.
  Board line = b_;
  Move m = root_moves_.moves[0];
  MoveList& legal = (*lists_)[0];
  for (int ply = 0; ply < depth && m; ++ply) {
    generate_legal(line, legal);
    if (std::find(legal.moves.begin(), legal.moves.begin() + legal.size, m) ==
        legal.moves.begin() + legal.size) {
      break;
    }
    info.pv.push_back(line.to_game_move(m));
    const Colour mover = line.side_to_move();
    line.make(m);
    if (move_won(line, mover, source_of(m), m.to())) break;
    Entry e;
    m = table_.probe(line.key(), e) ? Move::from_bits(e.move) : Move();
  }
  on_info(info);
}

SearchResult AlphaBeta::run(const Board& root, const 探索制限& limits,
                            const std::atomic<bool>& stop,
                            const std::function<void(const 探索情報&)>& on_info,
                            HelperThreads* helpers) {
  b_ = root;
  nodes_ = 0;
  helpers_ = nullptr;
  helper_nodes_ = 0;
  published_ = nullptr;
  aborted_ = false;
  poll_.start(&stop);
  started_ = std::chrono::steady_clock::now();
  node_limit_ = limits.nodes;
  time_limit_ = limits.seconds;
  style_ = limits;
  table_.new_search();
  threats_.forget();
  forget_moves();

  SearchResult result;
  // A move found without the main search: reported as a search of depth 1.
  const auto settled = [&](Move m, int score) {
    result.best = m;
    result.score = score;
    result.depth = 1;
    result.nodes = nodes_;
    if (on_info) {
      root_moves_.moves[0] = m;
      root_moves_.size = std::max(root_moves_.size, 1);
      report(1, score, on_info);
    }
    return result;
  };
  const Colour c = b_.side_to_move();
  if (const Move win = winning_move(b_)) return settled(win, kMate - 1);

  FivePoints threat;
  reachable_five_points(b_, other(c), threat, true);
  if (threat.count > 0) {
    int squares[kMaxPoints * 9];
    generate_to(b_, squares, defence_squares(threat, squares), root_moves_, true);
    if (node_limit_ != 0) {
      node_limit_ = std::max<std::uint64_t>(node_limit_ / kForcedShare, 1);
    } else if (time_limit_ == 0) {
      node_limit_ = kForcedNodes;
    }
    time_limit_ /= kForcedShare;
  } else {
    generate_search(b_, root_moves_, false);
  }
  if (time_limit_ > 0) {
    poll_.set_deadline(started_ + std::chrono::duration_cast<BudgetPoll::Clock::duration>(
                                      std::chrono::duration<double>(time_limit_)));
  }
  drop_forbidden(b_, root_moves_);
  // Nothing stops the five, or nothing is near: every legal move.
  if (root_moves_.size == 0) generate_legal(b_, root_moves_);
  if (root_moves_.size == 0) return result;
  if (root_moves_.size == 1) return settled(root_moves_.moves[0], judge());
  if (threat.count == 0) {
    if (const Move win = threat_win(stop)) return settled(win, kMate - threats_.win_plies());
  }
  sort_root_moves();
  if (threat.count == 0) keep_defences(stop);
  if (helpers != nullptr && helpers->count() > 0) {
    helpers_ = helpers;
    helpers->start(b_, root_moves_);
  }

  // Deeper until a cap, a stop or the deadline: time left over is of no use to a later move, and
  // a depth cut short still answers with the move that led it or beat it.
  const int max_depth = limits.depth > 0 ? std::min(limits.depth, kMaxPly - 1) : kMaxPly - 1;
  for (int depth = 1; depth <= max_depth; ++depth) {
    const int score = search_root(depth, -kInfinity, kInfinity);
    if (aborted_) {
      // A move that beat the previous best with a full window this depth is kept, and the
      // last line shown is always the one of the move returned, even from a depth cut short.
      const bool shown = depth > 1 && result.best == root_moves_.moves[0];
      result.best = root_moves_.moves[0];
      if (on_info && !shown) report(depth, score > -kInfinity ? score : judge(), on_info);
      break;
    }
    result.best = root_moves_.moves[0];
    result.score = score;
    result.depth = depth;
    if (on_info) report(depth, score, on_info);
    if (std::abs(score) > kMateBound && kMate - std::abs(score) <= depth) break;
  }
  if (helpers_ != nullptr) helper_nodes_ = helpers_->finish();
  result.nodes = nodes_ + helper_nodes_;
  return result;
}

namespace {

// Which depths a helper leaves out, so that helpers spread over the depths next to the main
// search's instead of all following it: helper n skips a depth d when (d + phase) / size is
// odd, with size and phase taken from its row.
constexpr int kSkipRows = 8;
constexpr int kSkipSize[kSkipRows] = {1, 1, 2, 2, 2, 2, 3, 3};
constexpr int kSkipPhase[kSkipRows] = {0, 1, 0, 1, 2, 3, 0, 1};

bool skipped(int number, int depth) {
  const int row = (number - 1) % kSkipRows;
  return ((depth + kSkipPhase[row]) / kSkipSize[row]) % 2 != 0;
}

}  // namespace

void AlphaBeta::help(const Board& root, const MoveList& root_moves, int number,
                     const std::atomic<bool>& stop, std::atomic<std::uint64_t>& published) {
  b_ = root;
  root_moves_.size = root_moves.size;
  std::copy(root_moves.moves.begin(), root_moves.moves.begin() + root_moves.size,
            root_moves_.moves.begin());
  nodes_ = 0;
  aborted_ = false;
  helpers_ = nullptr;
  helper_nodes_ = 0;
  published_ = &published;
  poll_.start(&stop);
  node_limit_ = 0;
  time_limit_ = 0;
  forget_moves();
  for (int depth = 1; depth < kMaxPly && !aborted_; ++depth) {
    if (!skipped(number, depth)) search_root(depth, -kInfinity, kInfinity);
  }
  published.store(nodes_, std::memory_order_relaxed);
}

}  // namespace brenvolt::strong
