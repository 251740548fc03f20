#include "engine/session.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/board_diagram.h"
#include "engine/computer_moves.h"
#include "engine/self_play.h"
#include "notation/position_command.h"
#include "notation/position_text.h"

namespace brenvolt::engine {
namespace {

constexpr int kDefaultBenchGames = 20;
constexpr int kMaxBenchGames = 1000;
constexpr std::uint64_t kDefaultBenchSeed = 1;

// A turn without a move, as "bestmove pass" answers it: only for a side that has no move.
Verdict judge_pass(対局& game) {
  if (game.勝負あり()) return Verdict::over;
  if (指せる手がある(game.局)) return Verdict::illegal;
  pass_turn(game);
  return Verdict::accepted;
}

Verdict play_word(対局& game, std::string_view word) {
  const Judgement judged = judge_move(game, word);
  if (judged.verdict == Verdict::accepted) play_move(game, judged.move);
  return judged.verdict;
}

// A whole number written only with digits, within [low, high].
template <typename Number>
bool parse_number(std::string_view word, Number low, Number high, Number& value) {
  const auto* end = word.data() + word.size();
  const auto [stop, failure] = std::from_chars(word.data(), end, value);
  return failure == std::errc() && stop == end && !word.empty() && word[0] != '-' && value >= low &&
         value <= high;
}

}  // namespace

bool parse_count(std::string_view word, std::uint64_t low, std::uint64_t high,
                 std::uint64_t& value) {
  return parse_number(word, low, high, value);
}

Session::Session(std::ostream& out, std::size_t hash_mb)
    : output_(out), game_(start_game()), worker_(output_, hash_mb) {}

void Session::line_too_long() {
  output_.write("info string error line too long\n");
}

void Session::end_of_input() {
  if (endless_) worker_.stop();
  worker_.wait();
}

bool Session::handle_line(std::string_view line) {
  const Words words = notation::words_of(line);
  if (words.empty()) return true;
  const std::string_view command = words[0];
  if (command == "quit") {
    worker_.stop();
    return false;
  }
  if (command == "stop") {
    worker_.stop();
    return true;
  }
  // Answered at once, also during a search: it says the engine reads its input. The table is
  // made here when it is not yet, so that no move's time pays for it.
  if (command == "isready") {
    worker_.prepare();
    output_.write("readyok\n");
    return true;
  }
  // Every other command ends a running search first, with its best move, as `stop` does: the
  // engine never waits for a search that may have no end.
  worker_.stop();
  if (command == "usi") {
    reply_ << "id name Brenvolt\nid author the Brenvolt developers\n";
    options();
    reply_ << "usiok\n";
  } else if (command == "usinewgame") {
    game_ = start_game();
    worker_.clear();
  } else if (command == "setoption") {
    setoption(words);
  } else if (command == "position") {
    position(words);
  } else if (command == "moves") {
    list_moves();
  } else if (command == "check") {
    check(words);
  } else if (command == "result") {
    result();
  } else if (command == "d") {
    draw();
  } else if (command == "go") {
    go(words);
  } else if (command == "score") {
    score(words);
  } else if (command == "bench") {
    bench(words);
  } else {
    error("unknown command " + notation::shown_word(command));
  }
  output_.write(reply_.str());
  reply_.str({});
  return true;
}

void Session::error(std::string_view reason) {
  reply_ << "info string error " << reason << '\n';
}

void Session::position(const Words& words) {
  notation::PositionCommand command;
  switch (notation::split_position_command(words, command)) {
    case notation::PositionCommandError::none:
      break;
    case notation::PositionCommandError::no_start:
      error("position needs startpos or sfen <board> <side> <hands> <movenumber>");
      return;
    case notation::PositionCommandError::not_moves:
      error("expected moves, not " + notation::shown_word(command.unexpected));
      return;
  }
  対局 candidate;
  std::string reason;
  if (!notation::parse_position(command.start, candidate.局, reason)) {
    error("bad position: " + reason);
    return;
  }
  candidate.記録.記録_開始手数 = candidate.局.手数;
  for (std::size_t i = 0; i < command.moves.size(); ++i) {
    const std::string_view word = command.moves[i];
    const Verdict verdict = word == "pass" ? judge_pass(candidate) : play_word(candidate, word);
    if (verdict != Verdict::accepted) {
      error("move " + std::to_string(i + 1) + " " + notation::shown_word(word) +
            " refused: " + std::string(verdict_word(verdict)));
      return;
    }
  }
  game_ = candidate;
}

void Session::list_moves() {
  reply_ << "moves";
  for (const auto& move : legal_moves(game_)) reply_ << ' ' << move;
  reply_ << '\n';
}

void Session::check(const Words& words) {
  if (words.size() != 2) {
    error("check needs one move");
    return;
  }
  const Judgement judged = judge_move(game_, words[1]);
  if (judged.verdict == Verdict::accepted) {
    reply_ << "ok\n";
  } else {
    reply_ << "refused " << verdict_word(judged.verdict) << '\n';
  }
}

void Session::result() {
  const char* winner = !game_.勝負あり() ? "none" : game_.勝者 == 手番_先手 ? "b" : "w";
  reply_ << "result " << winner << '\n';
}

void Session::draw() {
  reply_ << board_diagram(game_);
}

void Session::score(const Words& words) {
  if (words.size() != 2) {
    error("score needs one move");
    return;
  }
  const ScoreAnswer answer = score_move(game_, words[1]);
  if (answer.verdict != Verdict::accepted) {
    error("move refused: " + std::string(verdict_word(answer.verdict)));
    return;
  }
  reply_ << "score " << answer.score << '\n';
}

void Session::bench(const Words& words) {
  int games = kDefaultBenchGames;
  std::uint64_t seed = kDefaultBenchSeed;
  if (words.size() > 1 && words[1] == "search") {
    bench_search(words);
    return;
  }
  if (words.size() > 3 || (words.size() > 1 && !parse_number(words[1], 1, kMaxBenchGames, games)) ||
      (words.size() > 2 && !parse_number<std::uint64_t>(words[2], 0, UINT64_MAX, seed))) {
    error("bench takes [games 1.." + std::to_string(kMaxBenchGames) + "] [seed 0..2^64-1]");
    return;
  }
  const auto report =
      play_games(games, seed, [this](int number, std::uint64_t plies, const std::string& outcome) {
        output_.write("info string game " + std::to_string(number) + " plies " +
                      std::to_string(plies) + " result " + outcome + '\n');
      });
  const double per_second = report.seconds > 0 ? report.plies / report.seconds : 0;
  char signature[17];
  std::snprintf(signature, sizeof signature, "%016llx",
                static_cast<unsigned long long>(report.signature));
  reply_ << "games " << report.games << '\n'
         << "plies " << report.plies << '\n'
         << "candidates " << report.candidates << '\n'
         << "elapsed_ms " << static_cast<long long>(report.seconds * 1000) << '\n'
         << "plies_per_second " << static_cast<long long>(per_second) << '\n'
         << "signature " << signature << '\n';
}

}  // namespace brenvolt::engine
