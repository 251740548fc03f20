#include "sound/module1.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "sound/sdl/sdl_sound_library.h"
#include "tests/sound/wav_builder.h"
#include "tests/support/recording_sound.h"

namespace brenvolt {
namespace {
namespace fs = std::filesystem;

// Keeps the bytes of every image it is given, to tell which file was read.
class ImageKeepingSound : public testing::RecordingSound {
 public:
  int dsCreateDSB(int device, const unsigned char* image, std::size_t size, int copies) override {
    images.emplace_back(image, image + size);
    counts.push_back(copies);
    return RecordingSound::dsCreateDSB(device, image, size, copies);
  }
  std::vector<std::vector<unsigned char>> images;
  std::vector<int> counts;
};

// A fresh folder that is the working directory for the life of the object.
class ScratchFolder {
 public:
  ScratchFolder() : previous_(fs::current_path()) {
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    path_ = fs::temp_directory_path() /
            ("brenvolt-sound-" + std::string(info->name()) + "-" + std::to_string(getpid()));
    fs::remove_all(path_);
    fs::create_directories(path_ / "work");
    fs::current_path(path_ / "work");
  }
  ~ScratchFolder() {
    fs::current_path(previous_);
    fs::remove_all(path_);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path previous_;
  fs::path path_;
};

void writeFile(const fs::path& path, const std::string& bytes) {
  fs::create_directories(path.parent_path().empty() ? fs::path(".") : path.parent_path());
  std::ofstream(path, std::ios::binary) << bytes;
}

class Module1Test : public ::testing::Test {
 protected:
  ScratchFolder scratch;
  ImageKeepingSound ds;
  std::vector<std::string> warnings;
  Module1 音{ds,
             [this](const std::string& 文) { warnings.push_back(文); },
             {scratch.path() / "data1", scratch.path() / "data2"}};

  std::vector<std::string> calledNames() const {
    std::vector<std::string> names;
    for (const auto& call : ds.calls) names.push_back(call.name);
    return names;
  }
};

TEST_F(Module1Test, OpensTheDeviceQuietly) {
  音.音_初期化(4711);
  EXPECT_EQ(音.DSハンドル, 77);
  EXPECT_TRUE(warnings.empty());
}

TEST_F(Module1Test, WithoutADeviceWarnsOnceAndLoadsNothing) {
  ds.deviceAvailable = false;
  writeFile("その他.wav", "");
  writeFile("禁止.wav", "RIFF");
  音.音_初期化(4711);
  ASSERT_EQ(warnings, std::vector<std::string>{"Direct Soundインターフェースが作成できません。"});
  EXPECT_EQ(音.DSハンドル, 0);
  EXPECT_EQ(音.音_読込("その他.wav", 3), 0);
  EXPECT_EQ(音.音_読込("禁止.wav", 3), 0);
  EXPECT_EQ(音.音_読込("駒打音.wav", 3), 0);
  音.音_解放();
  EXPECT_EQ(warnings.size(), 1u);
  EXPECT_EQ(calledNames(), std::vector<std::string>{"dsInitialize"});
}

TEST_F(Module1Test, LoadsAWholeFileAndPassesTheCount) {
  const std::string bytes("RIFF\0\0\0\0WAVEdata\x01\x02", 18);
  writeFile("BGM.wav", bytes);
  音.音_初期化(1);
  EXPECT_EQ(音.音_読込("BGM.wav", 1), 1);
  ASSERT_EQ(ds.images.size(), 1u);
  EXPECT_EQ(std::string(ds.images[0].begin(), ds.images[0].end()), bytes);
  EXPECT_EQ(ds.counts, std::vector<int>{1});
  EXPECT_TRUE(warnings.empty());
}

TEST_F(Module1Test, LooksInTheWorkingFolderFirstThenInEachDataFolder) {
  writeFile(scratch.path() / "data1" / "駒打音.wav", "data1");
  writeFile(scratch.path() / "data2" / "駒打音.wav", "data2");
  writeFile(scratch.path() / "data2" / "終局.wav", "data2");
  writeFile("駒打音.wav", "work");
  writeFile("sub/禁止.wav", "sub");
  writeFile(scratch.path() / "data1" / "sub" / "禁止.wav", "not this one");
  音.音_初期化(1);
  EXPECT_NE(音.音_読込("駒打音.wav", 3), 0);
  fs::remove("駒打音.wav");
  EXPECT_NE(音.音_読込("駒打音.wav", 3), 0);
  EXPECT_NE(音.音_読込("終局.wav", 3), 0);
  EXPECT_NE(音.音_読込("sub/禁止.wav", 3), 0);
  fs::remove_all("sub");
  // A name with a folder part is taken as given, never searched for elsewhere.
  EXPECT_EQ(音.音_読込("sub/禁止.wav", 3), 0);
  std::vector<std::string> read;
  for (const auto& image : ds.images) read.emplace_back(image.begin(), image.end());
  EXPECT_EQ(read, (std::vector<std::string>{"work", "data1", "data2", "sub"}));
  EXPECT_TRUE(warnings.empty());
}

TEST_F(Module1Test, AMissingFileIsSilent) {
  音.音_初期化(1);
  EXPECT_EQ(音.音_読込("その他.wav", 3), 0);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(calledNames(), std::vector<std::string>{"dsInitialize"});
}

TEST_F(Module1Test, AnEmptyFileOrAFolderWarnsOnceWithItsName) {
  writeFile("その他.wav", "");
  fs::create_directory("禁止.wav");
  音.音_初期化(1);
  EXPECT_EQ(音.音_読込("その他.wav", 3), 0);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("その他.wav"), std::string::npos);
  EXPECT_NE(warnings[0].find("空"), std::string::npos);
  EXPECT_EQ(音.音_読込("禁止.wav", 3), 0);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[1].find("禁止.wav"), std::string::npos);
  EXPECT_EQ(calledNames(), std::vector<std::string>{"dsInitialize"});
}

TEST_F(Module1Test, ReleasesTheDeviceOnlyOnce) {
  音.音_初期化(1);
  音.音_解放();
  音.音_解放();
  EXPECT_EQ(ds.calls, (std::vector<testing::SoundCall>{{"dsInitialize", 77}, {"dsTerminate", 77}}));
  EXPECT_EQ(音.DSハンドル, 0);
}

// With the real library behind it: what the library refuses is reported, what it takes plays.
class Module1WithSdlTest : public ::testing::Test {
 protected:
  ScratchFolder scratch;
  SdlSoundLibrary ds;
  std::vector<std::string> warnings;
  Module1 音{ds, [this](const std::string& 文) { warnings.push_back(文); }};
};

TEST_F(Module1WithSdlTest, ACorruptFileWarnsOnceWithItsName) {
  const auto good = testing::makeWav({.frames = 2000});
  writeFile("駒打音.wav", std::string(good.begin(), good.end()));
  writeFile("終局.wav", std::string(good.begin(), good.begin() + 100));
  writeFile("禁止.wav", "this is not a sound");
  音.音_初期化(1);
  ASSERT_NE(音.DSハンドル, 0);

  const int piece = 音.音_読込("駒打音.wav", 3);
  EXPECT_NE(piece, 0);
  EXPECT_TRUE(warnings.empty());
  EXPECT_EQ(音.音_読込("終局.wav", 3), 0);
  ASSERT_EQ(warnings.size(), 1u);
  EXPECT_NE(warnings[0].find("終局.wav"), std::string::npos);
  EXPECT_EQ(音.音_読込("禁止.wav", 3), 0);
  ASSERT_EQ(warnings.size(), 2u);
  EXPECT_NE(warnings[1].find("禁止.wav"), std::string::npos);

  ds.dsPlay(piece);
  EXPECT_EQ(ds.sounding(piece), 1);
  音.音_解放();
  EXPECT_EQ(ds.sounding(piece), 0);
}

}  // namespace
}  // namespace brenvolt
