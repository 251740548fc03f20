#include "tools/tactics/generate.h"

#include <fstream>
#include <set>
#include <vector>

#include "computer/strong/move_list.h"
#include "computer/strong/rules.h"
#include "computer/strong/threat_search.h"
#include "computer/strong/threats.h"
#include "game/levels.h"
#include "game/split_mix.h"
#include "game/turn.h"
#include "notation/position_text.h"
#include "tools/match/book.h"
#include "tools/match/players.h"
#include "tools/tactics/prover.h"
#include "tools/tactics/suite.h"

namespace brenvolt::tactics {

namespace {

using strong::Board;
using strong::Move;

// Positions of a game tried as a defence before the game is given up for one.
constexpr int kDefenceTries = 3;
// Defences listed a position at most: enough to show the answer, without proving every one
// (a benchmark run solves any other move it meets).
constexpr std::size_t kMostAnswers = 8;

}  // namespace

bool screen_win(Board& b, int moves) {
  strong::ThreatSearch search;
  strong::ThreatSearch::Budget budget;
  budget.nodes = kScreenNodes;
  return search.find_win(b, moves, false, budget, nullptr);
}

namespace {

// Solved no: the side to move has neither win the suite looks for.
bool proven_no_win(Prover& prover, Board& b) {
  return prover.solve(b, kThreatMoves, false).verdict == Verdict::no_win &&
         prover.solve(b, kFourMoves, true).verdict == Verdict::no_win;
}

class Collector {
 public:
  Collector(const GenerateOptions& options, std::ostream& out)
      : options_(options),
        out_(out),
        prover_(options.proof_nodes),
        defence_prover_(options.proof_nodes / 10) {}

  void new_game() {
    have_win_ = false;
    have_defence_ = false;
    defence_tries_ = 0;
  }

  void look_at(const 対局状態& 局) {
    Board b;
    if (!b.load(局) || strong::winning_move(b)) return;
    if (!seen_.insert(b.key()).second) return;
    if (screen_win(b, kFourMoves)) {
      if (!have_win_ && wins < options_.wins) try_win(b, 局);
      return;
    }
    if (!have_defence_ && defences < options_.defences && defence_tries_ < kDefenceTries) {
      try_defence(b, 局);
    }
  }

  int wins = 0;
  int defences = 0;

 private:
  void try_win(Board& b, const 対局状態& 局) {
    Kind kind = Kind::vcf;
    SolveResult r = prover_.solve(b, kFourMoves, true);
    if (r.verdict != Verdict::win) {
      kind = Kind::vct;
      r = prover_.solve(b, kThreatMoves, false);
    }
    // A win in one move more than the five is a four-four or an open four, no puzzle.
    if (r.verdict != Verdict::win || r.moves < 3) return;
    write({kind, r.moves, notation::format_position(局), {text_of(b, r.first)}});
    have_win_ = true;
    ++wins;
  }

  void try_defence(Board& b, const 対局状態& 局) {
    const strong::Colour side = b.side_to_move();
    strong::FivePoints theirs;
    strong::reachable_five_points(b, strong::other(side), theirs, false);
    if (theirs.count > 0) return;  // a four to block is no puzzle
    b.make_null();
    const bool threatened = screen_win(b, kThreatMoves);
    SolveResult threat;
    if (threatened) threat = prover_.solve(b, kThreatMoves, false);
    b.unmake_null();
    if (threat.verdict != Verdict::win || threat.moves < 3) return;
    ++defence_tries_;
    const std::vector<std::string> answers = defending_moves(b);
    if (answers.empty()) return;
    write({Kind::defence, threat.moves, notation::format_position(局), answers});
    have_defence_ = true;
    ++defences;
  }

  // Moves after which the other side has no win, proven, up to kMostAnswers of them. A move
  // whose solve gave up is left out: the list may miss a defence but never holds one that
  // loses.
  std::vector<std::string> defending_moves(Board& b) {
    strong::MoveList list;
    strong::generate_legal(b, list);
    std::vector<std::string> answers;
    for (int i = 0; i < list.size && answers.size() < kMostAnswers; ++i) {
      const Move m = list.moves[i];
      b.make(m);
      const bool held = !screen_win(b, kFourMoves) && proven_no_win(defence_prover_, b);
      b.unmake(m);
      if (held) answers.push_back(text_of(b, m));
    }
    return answers;
  }

  void write(const Entry& entry) { out_ << format_entry(entry) << std::endl; }

  const GenerateOptions& options_;
  std::ostream& out_;
  Prover prover_;
  Prover defence_prover_;  // a smaller budget: it is asked once for every candidate defence
  std::set<std::uint64_t> seen_;
  bool have_win_ = false;
  bool have_defence_ = false;
  int defence_tries_ = 0;
};

// Plays one game from the opening, showing the collector every position before its move.
int play(match::Player& black, match::Player& white, const match::Opening& opening,
         Collector& collector) {
  対局 game = opening.game;
  int passes = 0;
  while (game.局.対局中 == 有 && !手数上限(game.局)) {
    collector.look_at(game.局);
    match::Player& player = game.局.手番 == 手番_先手 ? black : white;
    const match::Choice choice = player.choose(game.局);
    if (choice.pass) {
      game.パス();
      if (++passes == 2) break;
      continue;
    }
    passes = 0;
    const 着手& m = choice.move;
    const auto judged = game.判定(m.元X, m.元Y, m.先X, m.先Y, m.移動駒,
                                  m.置駒 != m.移動駒 ? 成り方::成る : 成り方::成らない);
    if (judged.結果 != 判定::可) break;
    if (game.指す(judged.手).結果 != 結末::続行) break;
  }
  return game.局.手数;
}

void write_header(const GenerateOptions& options, std::ostream& out) {
  out << "# The tactics suite: positions from self-play of the search's levels, one a line:\n"
         "#   <kind> <moves> <position> <answers>\n"
         "# vcf: the side to move forces a five by fours alone; vct: by fours and threes; moves\n"
         "# counts the winner's moves, the five included, and the answer is a winning first\n"
         "# move. Each win is proven against every reply the rules allow (every drop, every\n"
         "# board move, a pass, the defender's own fours). defence: the other side would win so\n"
         "# if the side to move passed, and the answers are moves after which it has no win by\n"
         "# fours and threes within "
      << kThreatMoves << " moves nor by fours within " << kFourMoves
      << ", against\n"
         "# every reply.\n"
         "# Made by: brenvolt-tactics generate --book "
      << options.book << " --games " << options.games << " --seed " << options.seed << " --wins "
      << options.wins << " --defences " << options.defences << " --nps "
      << static_cast<std::uint64_t>(options.nodes_per_second) << " --proof-nodes "
      << options.proof_nodes << "\n";
}

}  // namespace

bool generate(const GenerateOptions& options, std::ostream& out, std::ostream& log,
              std::string& error) {
  std::ifstream file(options.book);
  if (!file) {
    error = "cannot read " + options.book;
    return false;
  }
  const std::vector<match::Opening> book = match::read_book(file, error);
  if (book.empty()) return false;
  write_header(options, out);
  SplitMix64 random(options.seed);
  Collector collector(options, out);
  for (int game = 0; game < options.games; ++game) {
    if (collector.wins >= options.wins && collector.defences >= options.defences) break;
    // Drawn by the seed among 強い, とても強い and 最強, the full-strength levels.
    const int black_level = 旧強さの対応[1 + random.below(3)];
    const int white_level = 旧強さの対応[1 + random.below(3)];
    const auto black = match::level_player(black_level, options.nodes_per_second);
    const auto white = match::level_player(white_level, options.nodes_per_second);
    collector.new_game();
    const int plies =
        play(*black, *white, book[static_cast<std::size_t>(game) % book.size()], collector);
    log << "game " << game + 1 << " levels " << black_level << "-" << white_level << " plies "
        << plies << " wins " << collector.wins << " defences " << collector.defences << std::endl;
  }
  return true;
}

}  // namespace brenvolt::tactics
