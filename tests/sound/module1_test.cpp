#include "sound/module1.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "sound/sdl/sdl_sound_library.h"
#include "tests/sound/wav_builder.h"
#include "tests/support/recording_sound.h"
#include "tests/support/scratch_folder.h"

namespace brenvolt {
namespace {
namespace fs = std::filesystem;
using testing::SoundCall;

// Keeps what it was given, to tell which file was read.
class ImageKeepingSound : public testing::RecordingSound {
 public:
  int dsCreateDSB(int device, const unsigned char* image, std::size_t size, int count) override {
    images.emplace_back(image, image + size);
    counts.push_back(count);
    return RecordingSound::dsCreateDSB(device, image, size, count);
  }
  std::vector<std::string> images;
  std::vector<int> counts;
};

// Module1 with the working directory in "work" of a scratch folder, and two data folders.
template <typename Library>
class Module1Test : public ::testing::Test {
 protected:
  Module1Test() {
    fs::create_directories(scratch.path() / "work"), fs::current_path(scratch.path() / "work");
  }
  ~Module1Test() override { fs::current_path(previous); }

  fs::path previous = fs::current_path();
  testing::ScratchFolder scratch;
  Library ds;
  std::vector<std::string> warnings;
  Module1 音{ds,
             [this](const TranslatableText& 文) { warnings.push_back(文.japanese()); },
             {scratch.path() / "data1", scratch.path() / "data2"}};
};
using Module1Recorded = Module1Test<ImageKeepingSound>;
using Module1OverSdl = Module1Test<SdlSoundLibrary>;

TEST_F(Module1Recorded, WithoutADeviceWarnsOnceAndNeverTouchesAFile) {
  ds.deviceAvailable = false;
  scratch.write("work/その他.wav", "");
  音.音_初期化(4711);
  EXPECT_EQ(warnings, std::vector<std::string>{"Direct Soundインターフェースが作成できません。"});
  EXPECT_EQ(音.音_読込("その他.wav", 3), 0);
  EXPECT_EQ(音.音_読込("禁止.wav", 3), 0);
  音.音_解放();
  EXPECT_EQ(warnings.size(), 1u);
  EXPECT_EQ(ds.calls, (std::vector<SoundCall>{{"dsInitialize", 0}}));
}

TEST_F(Module1Recorded, LooksInTheWorkingFolderThenEachDataFolderAndIsSilentWhenMissing) {
  scratch.write("data1/駒打音.wav", "data1");
  scratch.write("data2/駒打音.wav", "data2");
  scratch.write("data2/終局.wav", "data2");
  scratch.write("work/駒打音.wav", "work");
  scratch.write("work/sub/禁止.wav", "sub");
  scratch.write("data1/sub/禁止.wav", "never: a name with a folder is taken as given");
  音.音_初期化(4711);
  EXPECT_EQ(音.DSハンドル, 77);
  EXPECT_EQ(音.音_読込("駒打音.wav", 3), 1);
  fs::remove("駒打音.wav");
  EXPECT_EQ(音.音_読込("駒打音.wav", 3), 2);
  EXPECT_EQ(音.音_読込("終局.wav", 1), 3);
  EXPECT_EQ(音.音_読込("sub/禁止.wav", 3), 4);
  fs::remove_all("sub");
  EXPECT_EQ(音.音_読込("sub/禁止.wav", 3), 0);
  EXPECT_EQ(音.音_読込("その他.wav", 3), 0);
  EXPECT_EQ(ds.images, (std::vector<std::string>{"work", "data1", "data2", "sub"}));
  EXPECT_EQ(ds.counts, (std::vector<int>{3, 3, 1, 3}));
  EXPECT_TRUE(warnings.empty());
}

TEST_F(Module1Recorded, APipeOrADeviceNamedLikeASoundIsRefusedWithoutWaiting) {
  ASSERT_EQ(::mkfifo("BGM.wav", 0600), 0);
  音.音_初期化(1);
  // Opening a pipe to read waits for a writer; nobody will ever write to this one.
  EXPECT_EQ(音.音_読込("BGM.wav", 1), 0);
  EXPECT_EQ(音.音_読込("/dev/zero", 1), 0);
  EXPECT_TRUE(ds.images.empty());
  EXPECT_EQ(warnings,
            (std::vector<std::string>{
                "サウンドファイル「BGM.wav」を読み込めません。(普通のファイルではありません)",
                "サウンドファイル「/dev/zero」を読み込めません。(普通のファイルではありません)"}));
}

TEST_F(Module1Recorded, ReleasesTheDeviceOnlyOnce) {
  音.音_初期化(1);
  音.音_解放();
  音.音_解放();
  EXPECT_EQ(ds.calls, (std::vector<SoundCall>{{"dsInitialize", 77}, {"dsTerminate", 77}}));
}

TEST_F(Module1OverSdl, AnUnusableFileWarnsOnceWithItsNameAndAGoodOnePlays) {
  setenv("SDL_AUDIODRIVER", "dummy", 1);
  const auto good = testing::makeWav({.frames = 2000});
  scratch.write("work/駒打音.wav", std::string(good.begin(), good.end()));
  scratch.write("work/終局.wav", std::string(good.begin(), good.begin() + 100));
  scratch.write("work/禁止.wav", "this is not a sound");
  scratch.write("work/その他.wav", "");
  fs::create_directory("BGM.wav");
  音.音_初期化(1);
  const int piece = 音.音_読込("駒打音.wav", 3);
  EXPECT_NE(piece, 0);
  EXPECT_TRUE(warnings.empty());
  for (const char* name : {"終局.wav", "禁止.wav", "その他.wav", "BGM.wav"}) {
    EXPECT_EQ(音.音_読込(name, 3), 0);
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.back().find(name), std::string::npos) << warnings.back();
  }
  EXPECT_EQ(warnings.size(), 4u);
  ds.dsPlay(piece);
  EXPECT_EQ(ds.sounding(piece), 1);
  音.音_解放();
  EXPECT_EQ(ds.sounding(piece), 0);
}

}  // namespace
}  // namespace brenvolt
