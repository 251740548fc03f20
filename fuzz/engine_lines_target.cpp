// Fuzz target: any text into the engine's protocol, cut into bounded lines the way the program
// reads its input. After every line the game must be consistent and the board queries must
// leave it unchanged. The strong computer searches on its own thread as in the program, so a
// `stop` may find it still running or already done.
#include <cstddef>
#include <cstdint>
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
// What one search of the strong computer may visit.
constexpr const char* kNodeCap = "1000";

Tally lines("lines");

std::string joined(const std::vector<std::string>& words) {
  std::string out;
  for (const auto& word : words) out += word + ' ';
  return out;
}

// A search gets a small node cap in place of any time or node budget, so no line runs long
// and every search ends the same way; its other words stay as written.
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

// The bench command plays whole games; one game is enough to exercise it, so its count
// becomes 1 (and the search bench's depth 1) while its other words stay as written.
std::string bounded(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.empty()) return line;
  if (words[0] == "go" && words.size() > 1) return capped_go(words);
  // A table of a megabyte: each input starts a session, which would clear a larger one.
  if (words[0] == "setoption" && words.size() == 5 && words[2] == "USI_Hash") {
    words[4] = "1";
    return joined(words);
  }
  if (words[0] != "bench") return line;
  if (words.size() == 1) words.push_back("1");
  if (words[1] != "search")
    words[1] = "1";
  else if (words.size() > 2)
    words[2] = "1";
  else
    words.push_back("1");
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
  engine::Session session(answers);
  session.handle_line("setoption name USI_Hash value 1");
  std::string line;
  for (unsigned number = 0;; ++number) {
    const auto status = reader.next(line);
    if (status == engine::LineStatus::end) break;
    if (status == engine::LineStatus::too_long) continue;
    lines.add();
    const bool more = session.handle_line(bounded(line));
    // A running search writes on from its own thread; what it writes is counted with the
    // answer of the line that finds it ended.
    if (!session.searching()) {
      const std::size_t answered = answers.str().size();
      if (answered > kLongestAnswer) fail("an answer of " + std::to_string(answered) + " bytes");
      answers.str({});
    }
    require_sound(状態の不整合(session.game().局));
    対局状態 copy = session.game().局;
    require_sound(照会後の変化(copy, number));
    if (!more) break;
  }
  return 0;
}
