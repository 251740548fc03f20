// The window's sound handlers: music switching by F1 and the "BGM" item, and shutdown.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/support/recording_canvas.h"
#include "tests/support/recording_platform.h"
#include "tests/support/recording_sound.h"
#include "window/form1.h"

namespace brenvolt {
namespace {
namespace fs = std::filesystem;
using testing::SoundCall;

constexpr const char* kSoundNames[] = {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav",
                                       "BGM.wav"};

// A data folder holding the five sound files, so the recording library hands out the buffer
// handles 1 to 5 in the order they are loaded.
class SoundFolder {
 public:
  SoundFolder()
      : path_(fs::temp_directory_path() / ("brenvolt-form-sound-" + std::to_string(getpid()))) {
    fs::create_directories(path_);
    for (const char* name : kSoundNames) std::ofstream(path_ / name) << "RIFF";
  }
  ~SoundFolder() { fs::remove_all(path_); }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

class Form1SoundTest : public ::testing::Test {
 protected:
  SoundFolder folder;
  testing::RecordingCanvas canvas;
  testing::RecordingPlatform platform;
  testing::RecordingSound sound;
  Form1 form{canvas, platform, sound, {folder.path()}};

  // Loads the window and forgets what loading did, so a test sees only what follows.
  void load() {
    form.Form_Load();
    sound.calls.clear();
    platform.boxes.clear();
  }
};

TEST_F(Form1SoundTest, LoadingStartsTheMusicWithTheItemChecked) {
  form.Form_Load();
  EXPECT_EQ(form.音_BGM, 5);
  EXPECT_EQ(sound.calls.back(), (SoundCall{"dsPlayLooping", 5}));
  EXPECT_TRUE(platform.menuChecked("BGM"));
}

TEST_F(Form1SoundTest, F1AndTheBgmItemSwitchTheMusicOffAndOnAgain) {
  load();
  form.Form_KeyDown(112);
  EXPECT_FALSE(platform.menuChecked("BGM"));
  form.Form_KeyDown(112);
  EXPECT_TRUE(platform.menuChecked("BGM"));
  form.BGM_Click();
  EXPECT_FALSE(platform.menuChecked("BGM"));
  form.BGM_Click();
  EXPECT_TRUE(platform.menuChecked("BGM"));
  // The two ways share the one record of the music's state.
  form.Form_KeyDown(112);
  form.BGM_Click();
  EXPECT_TRUE(platform.menuChecked("BGM"));
  const SoundCall off{"dsStop", 5}, on{"dsPlayLooping", 5};
  EXPECT_EQ(sound.calls, (std::vector<SoundCall>{off, on, off, on, off, on}));
  EXPECT_EQ(platform.quits, 0);
}

TEST_F(Form1SoundTest, OtherKeysAreIgnored) {
  load();
  for (int key : {0, 13, 26, 28, 32, 65, 111, 113, 123, 255}) form.Form_KeyDown(key);
  EXPECT_TRUE(sound.calls.empty());
  EXPECT_TRUE(platform.menuChecked("BGM"));
  EXPECT_EQ(platform.quits, 0);
}

std::vector<SoundCall> shutdownCalls() {
  return {{"dsFree", 1}, {"dsFree", 2}, {"dsFree", 3},
          {"dsFree", 4}, {"dsFree", 5}, {"dsTerminate", 77}};
}

TEST_F(Form1SoundTest, EscFreesTheSoundsInOrderThenQuits) {
  load();
  platform.onBox = [](const auto&) { FAIL() << "no box at shutdown"; };
  form.Form_KeyDown(27);
  EXPECT_EQ(sound.calls, shutdownCalls());
  EXPECT_EQ(platform.quits, 1);
}

TEST_F(Form1SoundTest, ClosingTheWindowFreesTheSoundsInOrderThenQuits) {
  load();
  form.Form_Unload();
  EXPECT_EQ(sound.calls, shutdownCalls());
  EXPECT_EQ(platform.quits, 1);
}

TEST_F(Form1SoundTest, ASecondShutdownFreesNothingTwice) {
  load();
  form.Form_KeyDown(27);
  form.Form_Unload();  // the window closing as the program quits
  auto expected = shutdownCalls();
  for (int i = 0; i < 5; ++i) expected.push_back({"dsFree", 0});
  EXPECT_EQ(sound.calls, expected);
  EXPECT_EQ(platform.quits, 2);
}

TEST_F(Form1SoundTest, WithoutADeviceOneWarningThenEverythingStillWorksSilently) {
  sound.deviceAvailable = false;
  form.Form_Load();
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0], (testing::ShownBox{"Direct Soundインターフェースが作成できません。",
                                                  "Brenvolt.dll", BoxIcon::Exclamation}));
  EXPECT_EQ(form.音_その他 + form.音_禁止 + form.音_駒打 + form.音_終局 + form.音_BGM, 0);
  EXPECT_TRUE(platform.menuChecked("BGM"));

  sound.calls.clear();
  form.Form_KeyDown(112);
  form.BGM_Click();
  EXPECT_TRUE(platform.menuChecked("BGM"));
  form.Form_KeyDown(27);
  EXPECT_EQ(sound.calls, (std::vector<SoundCall>{{"dsStop", 0},
                                                 {"dsPlayLooping", 0},
                                                 {"dsFree", 0},
                                                 {"dsFree", 0},
                                                 {"dsFree", 0},
                                                 {"dsFree", 0},
                                                 {"dsFree", 0}}));
  EXPECT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.quits, 1);
}

}  // namespace
}  // namespace brenvolt
