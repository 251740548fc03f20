// Fuzz target: any text into the engine's protocol, cut into bounded lines the way the program
// reads its input. After every line the game must be consistent and the board queries must
// leave it unchanged.
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

// The bench command plays whole games; one game is enough to exercise it, so its count
// becomes 1 while its other words stay as written.
std::string bounded(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> words;
  for (std::string word; in >> word;) words.push_back(word);
  if (words.empty() || words[0] != "bench") return line;
  if (words.size() == 1) words.push_back("1");
  words[1] = "1";
  std::string out;
  for (const auto& word : words) out += word + ' ';
  return out;
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
  std::string line;
  for (unsigned number = 0;; ++number) {
    const auto status = reader.next(line);
    if (status == engine::LineStatus::end) break;
    if (status == engine::LineStatus::too_long) continue;
    answers.str({});
    const bool more = session.handle_line(bounded(line));
    const std::size_t answered = answers.str().size();
    if (answered > kLongestAnswer) fail("an answer of " + std::to_string(answered) + " bytes");
    require_sound(状態の不整合(session.game().局));
    対局状態 copy = session.game().局;
    require_sound(照会後の変化(copy, number));
    if (!more) break;
  }
  return 0;
}
