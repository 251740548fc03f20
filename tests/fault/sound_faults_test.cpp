// The game over the real sound library when its sound files are missing or damaged: each
// problem is reported once when the window loads, and the game itself plays on silently.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "sound/sdl/sdl_sound_library.h"
#include "tests/sound/wav_builder.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/recording_platform.h"
#include "tests/support/scratch_folder.h"
#include "window/form1.h"

namespace brenvolt {
namespace {

const std::vector<std::string> 音の名前 = {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav",
                                           "BGM.wav"};

class SoundFaults : public ::testing::Test {
 protected:
  SoundFaults() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

  void 押す(int x, int y) {
    form.Form_MouseDown(左ボタン, 0, 盤左 + 桝幅 * x + 桝幅 / 2.0, 盤上 + 桝高 * y + 桝高 / 2.0);
  }
  void 打つ(int 種類, int x, int y) {
    if (form.局.手番 == 手番_先手)
      押す(先手持駒列, 種類 + 1);
    else
      押す(後手持駒列, 9 - 種類);
    押す(x, y);
  }
  // 先手 lines up five on row 5 while 後手 drops apart; the game ends with 先手's win.
  void 先手が勝つまで指す() {
    form.START_Click();
    const int 後手の駒[] = {8, 7, 6, 5};
    for (int i = 0; i < 5; ++i) {
      打つ(i < 2 ? 1 : i + 3, i + 1, 5);
      if (i < 4) 打つ(後手の駒[i], i % 2 ? 7 : 9, i < 2 ? 1 : 4);
    }
  }
  std::vector<std::string> 警告() const {
    std::vector<std::string> out;
    for (const auto& box : platform.boxes)
      if (box.title == "Brenvolt.dll") out.push_back(box.text);
    return out;
  }
  bool 勝ちを告げた() const {
    for (const auto& box : platform.boxes)
      if (box.text == "先手の勝ちです" && box.title == "終了") return true;
    return false;
  }

  testing::ScratchFolder folder;
  testing::RecordingCanvas canvas;
  testing::RecordingPlatform platform;
  SdlSoundLibrary sound;
  Form1 form{canvas, platform, sound, {folder.path()}};
};

TEST_F(SoundFaults, WithNoSoundFilesTheGameLoadsWithoutAWordAndPlaysToItsEnd) {
  form.Form_Load();
  EXPECT_TRUE(platform.boxes.empty());
  for (int handle : {form.音_その他, form.音_禁止, form.音_駒打, form.音_終局, form.音_BGM})
    EXPECT_EQ(handle, 0);
  form.Form_KeyDown(112);
  form.Form_KeyDown(112);
  先手が勝つまで指す();
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_EQ(form.局.手数, 9);
  EXPECT_TRUE(勝ちを告げた());
  form.Form_Unload();
  form.Form_Unload();
  EXPECT_EQ(platform.quits, 2);
}

TEST_F(SoundFaults, EachDamagedFileIsReportedOnceByNameAndTheGameStillPlays) {
  const auto good = testing::makeWav({.frames = 4000});
  const std::string image(good.begin(), good.end());
  folder.write("その他.wav", image.substr(0, 30));              // cut inside the header
  folder.write("禁止.wav", image.substr(0, image.size() / 2));  // cut inside the samples
  folder.write("駒打音.wav", image);
  folder.write("終局.wav", "");
  std::filesystem::create_directory(folder.path() / "BGM.wav");  // exists but cannot be read
  form.Form_Load();
  const auto warnings = 警告();
  ASSERT_EQ(warnings.size(), 4u);
  for (const char* damaged : {"その他.wav", "禁止.wav", "終局.wav", "BGM.wav"}) {
    int naming = 0;
    for (const auto& text : warnings) naming += text.find(damaged) != std::string::npos;
    EXPECT_EQ(naming, 1) << damaged;
  }
  EXPECT_NE(form.音_駒打, 0);
  EXPECT_EQ(form.音_BGM, 0);
  先手が勝つまで指す();
  EXPECT_EQ(form.局.対局中, 無);
  EXPECT_TRUE(勝ちを告げた());
  form.Form_Unload();
  EXPECT_EQ(platform.quits, 1);
}

}  // namespace
}  // namespace brenvolt
