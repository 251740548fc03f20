// Fuzz target: any bytes as a record file and as a pasted text. A refused text leaves the game
// as it was and names its reason in one line. An accepted one gives a consistent game with a
// consistent record; written back it reads as the same game and the engine takes its position
// line; opened in the window, every move can be taken back and replayed with the game staying
// consistent and the board queries leaving it unchanged.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/session.h"
#include "fuzz/fuzz_check.h"
#include "fuzz/query_check.h"
#include "game/invariants.h"
#include "game/record_invariants.h"
#include "notation/record_file.h"
#include "tests/support/game_difference.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_sound.h"
#include "window/form1.h"

namespace brenvolt::fuzz {
namespace {

using testing::対局の違い;

Tally records("texts");

対局 before_reading() {
  対局 game;
  notation::RecordError error;
  notation::read_record("position startpos moves P*5e P*5d", game, error);
  return game;
}

void check_refusal(const 対局& game, const notation::RecordError& error) {
  static const 対局 untouched = before_reading();
  if (const auto difference = 対局の違い(game, untouched); !difference.empty()) {
    fail("a refused text changed the game: " + difference);
  }
  const std::string message = notation::describe(error);
  if (message.empty() || error.reason.empty()) fail("a refusal without a reason");
  if (message.find('\n') != std::string::npos || message.size() > 512) {
    fail("a refusal that is not one short line: " + message);
  }
}

void check_engine_takes(const std::string& record) {
  std::istringstream lines(record);
  std::ostringstream answers;
  engine::Session session(answers);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("#", 0) != 0) session.handle_line(line);
  }
  if (!answers.str().empty()) fail("the engine refuses a written record: " + answers.str());
}

void check_consistent(Form1& form, unsigned step) {
  require_sound(状態の不整合(form.局));
  require_sound(記録の不整合(form.記録, form.局));
  require_sound(照会後の変化(form.局, step));
}

// Opens the game in a window, takes every move back and replays them all.
void check_in_window(const 対局& game) {
  testing::RecordingCanvas canvas;
  testing::RecordingPlatform platform;
  testing::RecordingSound sound;
  Form1 form(canvas, platform, sound);
  form.Form_Load();
  form.対局を復元(game);
  if (!対局の違い(form.対局の写し(), game).empty()) fail("the window opened another game");
  unsigned step = 0;
  check_consistent(form, step++);
  const int end = form.記録.記録終端;
  while (form.記録.記録数 > 0) {
    form.REPLAY_Click();
    check_consistent(form, step++);
    canvas.clear();
  }
  while (form.記録.記録数 < end) {
    form.AFTER_Click();
    check_consistent(form, step++);
    canvas.clear();
  }
  if (form.記録.記録終端 != end) fail("replaying changed the record's end");
}

void check_accepted(const 対局& game) {
  require_sound(状態の不整合(game.局));
  require_sound(記録の不整合(game.記録, game.局));
  const std::string written = notation::write_record(game, "");
  対局 again;
  notation::RecordError error;
  if (!notation::read_record(written, again, error)) {
    fail("a written record is refused: " + notation::describe(error) + "\n" + written);
  }
  if (const auto difference = 対局の違い(again, game); !difference.empty()) {
    fail("a written record reads as another game: " + difference + "\n" + written);
  }
  check_engine_takes(written);
  check_in_window(game);
}

}  // namespace
}  // namespace brenvolt::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brenvolt;
  using namespace brenvolt::fuzz;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  for (const bool pasted : {false, true}) {
    records.add();
    対局 game = before_reading();
    notation::RecordError error;
    const bool read = pasted ? notation::read_pasted(text, game, error)
                             : notation::read_record(text, game, error);
    if (read)
      check_accepted(game);
    else
      check_refusal(game, error);
  }
  return 0;
}
