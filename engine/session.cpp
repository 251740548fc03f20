#include "engine/session.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>

#include "engine/board_diagram.h"
#include "engine/computer_moves.h"
#include "engine/self_play.h"
#include "notation/position_text.h"

namespace brenvolt::engine {
namespace {

constexpr int kDefaultBenchGames = 20;
constexpr int kMaxBenchGames = 1000;
constexpr std::uint64_t kDefaultBenchSeed = 1;

bool is_blank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::vector<std::string_view> words_of(std::string_view line) {
  std::vector<std::string_view> words;
  std::size_t at = 0;
  while (at < line.size()) {
    if (is_blank(line[at])) {
      ++at;
      continue;
    }
    std::size_t end = at;
    while (end < line.size() && !is_blank(line[end])) ++end;
    words.push_back(line.substr(at, end - at));
    at = end;
  }
  return words;
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

std::string quoted_word(std::string_view word) {
  constexpr std::size_t kShown = 32;
  std::string shown;
  for (std::size_t i = 0; i < word.size() && i < kShown; ++i) {
    const char c = word[i];
    shown += c >= 0x21 && c <= 0x7e ? c : '?';
  }
  if (word.size() > kShown) shown += "...";
  return shown;
}

Session::Session(std::ostream& out) : out_(out), game_(start_game()) {}

bool Session::handle_line(std::string_view line) {
  const Words words = words_of(line);
  if (words.empty()) return true;
  const std::string_view command = words[0];
  if (command == "quit") return false;
  if (command == "usi") {
    out_ << "id name Brenvolt\nid author the Brenvolt developers\nusiok\n";
  } else if (command == "isready") {
    out_ << "readyok\n";
  } else if (command == "usinewgame") {
    game_ = start_game();
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
    go();
  } else if (command == "score") {
    score(words);
  } else if (command == "bench") {
    bench(words);
  } else {
    error("unknown command " + quoted_word(command));
  }
  return true;
}

void Session::error(std::string_view reason) {
  out_ << "info string error " << reason << '\n';
}

void Session::position(const Words& words) {
  std::size_t next = 2;
  std::string text;
  if (words.size() >= 2 && words[1] == "startpos") {
    text = notation::kStartPosition;
  } else if (words.size() >= 6 && words[1] == "sfen") {
    for (std::size_t i = 2; i < 6; ++i) text += std::string(words[i]) + ' ';
    next = 6;
  } else {
    error("position needs startpos or sfen <board> <side> <hands> <movenumber>");
    return;
  }
  Game candidate;
  std::string reason;
  if (!notation::parse_position(text, candidate.局, reason)) {
    error("bad position: " + reason);
    return;
  }
  if (next < words.size() && words[next] != "moves") {
    error("expected moves, not " + quoted_word(words[next]));
    return;
  }
  for (std::size_t i = next + 1; i < words.size(); ++i) {
    const Judgement judged = judge_move(candidate, words[i]);
    if (judged.verdict != Verdict::accepted) {
      error("move " + std::to_string(i - next) + " " + quoted_word(words[i]) +
            " refused: " + std::string(verdict_word(judged.verdict)));
      return;
    }
    play_move(candidate, judged.move);
  }
  game_ = candidate;
}

void Session::list_moves() {
  out_ << "moves";
  for (const auto& move : legal_moves(game_)) out_ << ' ' << move;
  out_ << '\n';
}

void Session::check(const Words& words) {
  if (words.size() != 2) {
    error("check needs one move");
    return;
  }
  const Judgement judged = judge_move(game_, words[1]);
  if (judged.verdict == Verdict::accepted) {
    out_ << "ok\n";
  } else {
    out_ << "refused " << verdict_word(judged.verdict) << '\n';
  }
}

void Session::result() {
  const char* winner = !game_.over() ? "none" : game_.winner == 手番_先手 ? "b" : "w";
  out_ << "result " << winner << '\n';
}

void Session::draw() {
  out_ << board_diagram(game_);
}

void Session::go() {
  const auto choice = computer_choice(game_);
  out_ << "bestmove " << (choice ? move_text(*choice) : "pass") << '\n';
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
  out_ << "score " << answer.score << '\n';
}

void Session::bench(const Words& words) {
  int games = kDefaultBenchGames;
  std::uint64_t seed = kDefaultBenchSeed;
  if (words.size() > 3 || (words.size() > 1 && !parse_number(words[1], 1, kMaxBenchGames, games)) ||
      (words.size() > 2 && !parse_number<std::uint64_t>(words[2], 0, UINT64_MAX, seed))) {
    error("bench takes [games 1.." + std::to_string(kMaxBenchGames) + "] [seed 0..2^64-1]");
    return;
  }
  const auto report =
      play_games(games, seed, [this](int number, std::uint64_t plies, const std::string& outcome) {
        out_ << "info string game " << number << " plies " << plies << " result " << outcome
             << '\n';
      });
  const double per_second = report.seconds > 0 ? report.plies / report.seconds : 0;
  char signature[17];
  std::snprintf(signature, sizeof signature, "%016llx",
                static_cast<unsigned long long>(report.signature));
  out_ << "games " << report.games << '\n'
       << "plies " << report.plies << '\n'
       << "candidates " << report.candidates << '\n'
       << "elapsed_ms " << static_cast<long long>(report.seconds * 1000) << '\n'
       << "plies_per_second " << static_cast<long long>(per_second) << '\n'
       << "signature " << signature << '\n';
}

}  // namespace brenvolt::engine
