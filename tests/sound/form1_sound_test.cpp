// The window's sound handlers: music switching by F1 and the "BGM" item, and shutdown.
#include <gtest/gtest.h>

#include "tests/support/scratch_folder.h"
#include "tests/support/recording_canvas.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_sound.h"
#include "window/form1.h"

namespace brenvolt {
namespace {
using testing::SoundCall;

// The five sound files sit in the data folder, so the recording library hands out the handles
// 1 to 5 in load order: その他, 禁止, 駒打, 終局, BGM.
class Form1SoundTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav"})
      folder.write(name, "RIFF");
  }
  void load() {
    form.Form_Load();
    sound.calls.clear();
  }

  testing::ScratchFolder folder;
  testing::RecordingCanvas canvas;
  testing::RecordingPlatform platform;
  testing::RecordingSound sound;
  Form1 form{canvas, platform, sound, {folder.path()}};
  const std::vector<SoundCall> shutdown{{"dsFree", 1}, {"dsFree", 2}, {"dsFree", 3},
                                        {"dsFree", 4}, {"dsFree", 5}, {"dsTerminate", 77}};
};

TEST_F(Form1SoundTest, F1AndTheBgmItemShareOneToggle) {
  load();
  const SoundCall off{"dsStop", 5}, on{"dsPlayLooping", 5};
  form.Form_KeyDown(112);
  EXPECT_FALSE(platform.menuChecked("BGM"));
  form.Form_KeyDown(112);
  EXPECT_TRUE(platform.menuChecked("BGM"));
  form.BGM_Click();
  form.BGM_Click();
  EXPECT_TRUE(platform.menuChecked("BGM"));
  form.Form_KeyDown(112);
  form.BGM_Click();
  EXPECT_TRUE(platform.menuChecked("BGM"));
  EXPECT_EQ(sound.calls, (std::vector<SoundCall>{off, on, off, on, off, on}));
}

TEST_F(Form1SoundTest, OnlyEscAndF1AreKeysOfTheWindow) {
  load();
  for (int key : {0, 13, 26, 28, 32, 65, 111, 113, 123}) form.Form_KeyDown(key);
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_TRUE(platform.menuChecked("BGM"));
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(Form1SoundTest, EscAndClosingFreeTheSoundsInOrderThenQuit) {
  load();
  form.Form_KeyDown(27);
  EXPECT_EQ(sound.calls, shutdown);
  EXPECT_EQ(platform.quits, 1);
  // The window closing as the program quits comes back here, and frees nothing twice.
  form.Form_Unload();
  EXPECT_EQ(sound.calls.size(), shutdown.size() + 5);
  for (std::size_t i = shutdown.size(); i < sound.calls.size(); ++i)
    EXPECT_EQ(sound.calls[i], (SoundCall{"dsFree", 0}));
  EXPECT_TRUE(platform.boxes.empty());

  testing::RecordingSound fresh;
  testing::RecordingPlatform freshPlatform;
  Form1 other{canvas, freshPlatform, fresh, {folder.path()}};
  other.Form_Load();
  fresh.calls.clear();
  other.Form_Unload();
  EXPECT_EQ(fresh.calls, shutdown);
  EXPECT_EQ(freshPlatform.quits, 1);
}

TEST_F(Form1SoundTest, WithoutADeviceOneWarningAndEverythingElseWorksSilently) {
  sound.deviceAvailable = false;
  load();
  EXPECT_EQ(platform.boxes,
            (std::vector<testing::ShownBox>{{"Direct Soundインターフェースが作成できません。",
                                             "Brenvolt.dll", BoxIcon::Exclamation}}));
  EXPECT_TRUE(platform.menuChecked("BGM"));
  form.Form_KeyDown(112);
  form.BGM_Click();
  EXPECT_TRUE(platform.menuChecked("BGM"));
  form.Form_KeyDown(27);
  std::vector<SoundCall> expected{{"dsStop", 0}, {"dsPlayLooping", 0}};
  expected.insert(expected.end(), 5, {"dsFree", 0});
  EXPECT_EQ(sound.calls, expected);
  EXPECT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.quits, 1);
}

}  // namespace
}  // namespace brenvolt
