// The unfinished game kept between runs. The program ends at once (Esc, 終わり, closing the
// window), so a game still running is written just before, as a record file; the file goes as
// soon as that game is over or given up, and 前回の対局を再開 opens it like any record.
#include <iostream>
#include <system_error>

#include "notation/record_file.h"
#include "window/form1.h"
#include "window/record_files.h"

namespace brenvolt {

namespace {

constexpr const char* 再開の題 = "前回の対局を再開";

}  // namespace

void Form1::前回の対局を置く(std::filesystem::path ファイル) {
  前回の対局 = std::move(ファイル);
  再開できるか示す();
}

void Form1::再開できるか示す() {
  std::error_code 誤り;
  platform.setMenuEnabled("RESUME",
                          !前回の対局.empty() && std::filesystem::exists(前回の対局, 誤り));
}

// A failure costs a line on standard error, never the game or the quitting.
void Form1::前回の対局を書く() {
  if (前回の対局.empty() || 局.対局なし()) return;
  std::error_code 誤り;
  std::filesystem::create_directories(前回の対局.parent_path(), 誤り);
  const auto 理由 = 記録ファイルに書く(
      前回の対局, notation::write_record(対局の写し(), platform.localDateTime()));
  if (理由) {
    std::cerr << "brenvolt: the unfinished game cannot be kept: "
              << ファイルと理由(前回の対局.string(), *理由).japanese() << '\n';
  }
}

void Form1::前回の対局を消す() {
  if (前回の対局.empty()) return;
  std::error_code 誤り;
  if (!std::filesystem::remove(前回の対局, 誤り) && 誤り) {
    std::cerr << "brenvolt: " << 前回の対局.string() << " cannot be removed: " << 誤り.message()
              << '\n';
  }
  再開できるか示す();
}

void Form1::RESUME_Click() {
  if (前回の対局.empty()) return;
  TranslatableText 理由;
  const auto text = 記録ファイルを読む(前回の対局, notation::kRecordSizeLimit, 理由);
  if (!text) {
    棋譜を断る(ファイルと理由(前回の対局.filename().string(), 理由), 再開の題);
    再開できるか示す();
    return;
  }
  棋譜で始める(*text, false, 前回の対局.filename().string(), 再開の題);
}

}  // namespace brenvolt
