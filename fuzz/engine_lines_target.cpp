// Fuzz target: any text into the engine's protocol, cut into bounded lines the way the program
// reads its input. After every line the game must be consistent and the board queries must
// leave it unchanged. The strong computer searches on its own thread as in the program, so a
// `stop` may find it still running or already done.
//
// Each input must take well under a millisecond for libFuzzer to try thousands a second: the
// searches are cut to a few hundred nodes and a few per input, and the benches (whose work
// does not depend on the input beyond their arguments) are only refused.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "engine/line_reader.h"
#include "engine/session.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/query_check.h"
#include "game/invariants.h"

namespace brenvolt::fuzz {
namespace {

// Small, so over-long lines are exercised too.
constexpr std::size_t kLineLimit = 4096;
// A full answer (a diagram, the legal moves of a crowded board) stays well below this.
constexpr std::size_t kLongestAnswer = 1 << 16;
// What one search of the strong computer may visit, and how many searches and lists of every
// legal move (each judges every move by the rules) one input may ask for; later `go` and
// `moves` lines are passed over.
constexpr const char* kNodeCap = "200";
constexpr int kMaxSearches = 4;
constexpr int kMaxListings = 1;

Tally lines("lines");

std::string joined(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& word : words) out += word + ' ';
  return out;
}

// A search gets a small node cap in place of any time or node budget (a plain `go` in place of
// the level's time), so no line runs long and every search ends the same way; its other words
// stay as written.
std::string capped_go(const std::vector<std::string>& words) {
  std::vector<std::string> capped;
  for (std::size_t i = 0; i < words.size(); ++i) {
    const bool budget = words[i] == "nodes" || words[i] == "movetime";
    if (budget && i + 1 < words.size()) {
      ++i;
      continue;
    }
    if (words[i] != "infinite") capped.push_back(words[i]);
  }
  capped.push_back("nodes");
  capped.push_back(kNodeCap);
  return joined(capped);
}

// What an input has asked for so far.
struct Spent {
  int searches = 0;
  int listings = 0;
};

// A line as the session gets it; nothing when it is passed over. A bench gets a word too many,
// so only its refusal runs: the benches play whole games and search a fixed suite whatever
// the input, which ctest and the soak cover.
std::optional<std::string> bounded(const std::string& line, Spent& spent) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.empty()) return line;
  if (words[0] == "go") {
    if (++spent.searches > kMaxSearches) return std::nullopt;
    return capped_go(words);
  }
  if (words[0] == "moves" && ++spent.listings > kMaxListings) return std::nullopt;
  // A table of a megabyte: each input starts a session, which makes its table anew.
  if (words[0] == "setoption" && words.size() == 5 && words[2] == "USI_Hash") {
    words[4] = "1";
    return joined(words);
  }
  // Two threads, so that the helpers run, but no more: each one's state is made anew.
  if (words[0] == "setoption" && words.size() == 5 && words[2] == "Threads") {
    words[4] = "2";
    return joined(words);
  }
  if (words[0] != "bench") return line;
  while (words.size() < 4) words.push_back("1");
  return joined(words);
}

}  // namespace
}  // namespace brenvolt::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brenvolt;
  using namespace brenvolt::fuzz;
  std::istringstream input(std::string(reinterpret_cast<const char*>(data), size));
  engine::LineReader reader(input, kLineLimit);
  std::ostringstream answers;
  // A table of a megabyte, made only by the inputs that search or ask for it.
  engine::Session session(answers, 1);
  std::string line;
  Spent spent;
  // Most lines leave the position as it was (a refusal, a question); the checks run again only
  // once it has changed.
  std::optional<対局状態> checked;
  for (unsigned number = 0;; ++number) {
    const auto status = reader.next(line);
    if (status == engine::LineStatus::end) break;
    if (status == engine::LineStatus::too_long) continue;
    lines.add();
    const auto given = bounded(line, spent);
    if (!given) continue;
    const bool more = session.handle_line(*given);
    // A running search writes on from its own thread; what it writes is counted with the
    // answer of the line that finds it ended.
    if (!session.searching()) {
      const std::size_t answered = answers.str().size();
      if (answered > kLongestAnswer) fail("an answer of " + std::to_string(answered) + " bytes");
      answers.str({});
    }
    if (checked != session.game().局) {
      checked = session.game().局;
      require_sound(状態の不整合(*checked));
      対局状態 copy = *checked;
      require_sound(照会後の変化(copy, number));
    }
    if (!more) break;
  }
  return 0;
}
