// Fuzz target: any stream of window events into Form1 over recording canvas, platform and sound.
// Each event is an operation byte and its arguments: a press on a square (board, hand stands
// and the margin around them) with either button, a press at any coordinate (non-finite and
// huge ones included), any menu command (the computer's levels, the hint and the clipboard's
// copy and paste among them), any key, or closing the window. A copy of the record pasted
// straight back must give back the very game it was copied from. After every event the game and its
// record must be consistent and the board queries must leave the game unchanged.
//
// The strong levels search at once on the recording platform, each search capped at a thousand
// nodes over a small table, so a stream stays fast and plays the same every time.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <limits>

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

using testing::RecordingCanvas;
using testing::RecordingPlatform;
using testing::RecordingSound;

constexpr int kSquarePresses = 10;  // operation values 0..9 press on a square
constexpr int kRawPress = kSquarePresses;
constexpr int kFirstMenu = kRawPress + 1;
constexpr int kMenuCommands = 11;
constexpr int kKey = kFirstMenu + kMenuCommands;
// Closing the window and the commands added after it share the last operation, told apart by
// the byte after it, so the seeds written before keep their meaning: nothing followed a close.
constexpr int kLastOperation = kKey + 1;
constexpr int kOperations = kLastOperation + 1;
// 0 close, 1..4 the levels 標準..最強, 5 the hint, 6 copy the position, 7 copy the record,
// 8 paste (answering the question that a game in progress asks by the next byte), 9 copy the
// record and paste it back, 10 go to a move of the record as the panel's list does (with the
// panel shown or not by the next byte).
constexpr int kLaterCommands = 11;
constexpr std::uint64_t kNodeCap = 1000;
constexpr std::size_t kTableMb = 1;
constexpr int kEsc = 27;
constexpr int kF1 = 112;

Tally events("events");

struct Window {
  RecordingCanvas canvas;
  RecordingPlatform platform;
  RecordingSound sound;
  Form1 form{canvas, platform, sound};
  Window() {
    form.思考.set_caps({0, kNodeCap, 0});
    form.思考.set_hash_mb(kTableMb);
  }
};

int button_of(ByteReader& in) {
  switch (in.below(3)) {
    case 0:
      return 左ボタン;
    case 1:
      return 右ボタン;
    default:
      return 4;  // the middle button, which the game does not use
  }
}

double coordinate(ByteReader& in) {
  switch (in.below(8)) {
    case 0:
      return std::numeric_limits<double>::quiet_NaN();
    case 1:
      return std::numeric_limits<double>::infinity();
    case 2:
      return -std::numeric_limits<double>::infinity();
    case 3:
      return in.int16() * 1e12;
    default:
      return in.int16();
  }
}

void press_square(Form1& form, ByteReader& in) {
  const int button = button_of(in);
  const int column = in.below(15) - 2;  // -2..12: the stands are -1 and 11
  const int row = in.below(13) - 2;     // -2..10
  form.Form_MouseDown(button, 0, 盤左 + 桝幅 * column + 桝幅 / 2.0, 盤上 + 桝高 * row + 桝高 / 2.0);
}

void menu(Form1& form, int command) {
  switch (command) {
    case 0:
      return form.START_Click();
    case 1:
      return form.SENTE_Click();
    case 2:
      return form.GOTE_Click();
    case 3:
      return form.MATCH_MAN_Click();
    case 4:
      return form.OWARI_Click();
    case 5:
      return form.CANCEL_Click();
    case 6:
      return form.REPLAY_Click();
    case 7:
      return form.AFTER_Click();
    case 8:
      return form.SIDOU_Click();
    case 9:
      return form.BGM_Click();
    default:
      return form.VER_Click();
  }
}

void record_round_trip(Window& window) {
  Form1& form = window.form;
  const 対局 before = form.対局の写し();
  if (!notation::has_game(before)) return form.COPY_RECORD_Click();
  form.COPY_RECORD_Click();
  window.platform.confirmAnswer = true;
  form.PASTE_Click();
  require_sound(testing::対局の違い(before, form.対局の写し()));
}

void later_command(Window& window, ByteReader& in) {
  Form1& form = window.form;
  switch (in.below(kLaterCommands)) {
    case 0:
      return form.Form_Unload();
    case 1:
    case 2:
    case 3:
    case 4:
      // A level chosen from the menu, as often as when the menu had four.
      return form.強さ_Click(in.below(強さ_最強 + 1));
    case 5:
      return form.HINT_Click();
    case 6:
      return form.COPY_POSITION_Click();
    case 7:
      return form.COPY_RECORD_Click();
    case 8:
      window.platform.confirmAnswer = in.below(2) == 1;
      return form.PASTE_Click();
    case 9:
      return record_round_trip(window);
    default:
      // The panel's move list: any row, also past either end of the record.
      form.棋譜欄あり = in.below(2) == 1;
      return form.手目へ(in.below(80) - 8);
  }
}

void key(Form1& form, ByteReader& in) {
  const unsigned code = in.byte();
  form.Form_KeyDown(code % 3 == 0 ? kEsc : code % 3 == 1 ? kF1 : static_cast<int>(code));
}

void one_event(Window& window, ByteReader& in) {
  Form1& form = window.form;
  const int operation = in.below(kOperations);
  if (operation < kSquarePresses) {
    press_square(form, in);
  } else if (operation == kRawPress) {
    const int button = button_of(in);
    const double x = coordinate(in);
    form.Form_MouseDown(button, 0, x, coordinate(in));
  } else if (operation < kKey) {
    menu(form, operation - kFirstMenu);
  } else if (operation == kKey) {
    key(form, in);
  } else {
    later_command(window, in);
  }
}

void check(Window& window, unsigned event) {
  Form1& form = window.form;
  require_sound(状態の不整合(form.局));
  require_sound(記録の不整合(form.記録, form.局));
  if (form.入力段階 != 0 && form.入力段階 != 1) fail("input stage out of range");
  // The recording platform answers every search before the event ends.
  if (form.思考.thinking()) fail("a search still running after the event");
  require_sound(照会後の変化(form.局, event));
  // What was drawn, shown and played is checked by the window's tests; here it only must not
  // pile up over a long stream.
  window.canvas.clear();
  window.platform.boxes.clear();
  window.sound.calls.clear();
}

}  // namespace
}  // namespace brenvolt::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace brenvolt::fuzz;
  ByteReader in(data, size);
  Window window;
  window.form.Form_Load();
  check(window, 0);
  // Quitting ends the real program: no event can follow it.
  for (unsigned event = 1; !in.empty() && window.platform.quits == 0; ++event) {
    one_event(window, in);
    events.add();
    check(window, event);
  }
  return 0;
}
