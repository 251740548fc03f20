// Reading and saving record files on a real disk: the size bound, the reasons given, and a save
// that fails leaving the old file and no temporary behind.
#include "window/record_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "tests/support/scratch_folder.h"

namespace brenvolt {
namespace {

namespace fs = std::filesystem;

std::string 中身(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

std::size_t 項目数(const fs::path& folder) {
  return static_cast<std::size_t>(std::distance(fs::directory_iterator(folder), {}));
}

class RecordFiles : public ::testing::Test {
 protected:
  testing::ScratchFolder scratch;
  TranslatableText 理由;
};

TEST_F(RecordFiles, 書いたものがそのまま読め古いファイルは置き換わる) {
  const fs::path file = scratch.path() / "game.brenvolt";
  EXPECT_FALSE(記録ファイルに書く(file, "position startpos\n"));
  EXPECT_EQ(記録ファイルを読む(file, 1000, 理由), "position startpos\n");
  ::chmod(file.c_str(), 0640);
  EXPECT_FALSE(記録ファイルに書く(file, "position startpos moves P*5e\n"));
  EXPECT_EQ(中身(file), "position startpos moves P*5e\n");
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";
  EXPECT_EQ(項目数(scratch.path()), 1u) << "no temporary file is left";
}

TEST_F(RecordFiles, リンク先のファイルが替わりリンクは残る) {
  const fs::path real = scratch.path() / "real.brenvolt";
  const fs::path link = scratch.path() / "link.brenvolt";
  scratch.write("real.brenvolt", "old\n");
  fs::create_symlink(real, link);
  EXPECT_FALSE(記録ファイルに書く(link, "new\n"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(中身(real), "new\n");
}

TEST_F(RecordFiles, 読めないものはその理由で断る) {
  EXPECT_FALSE(記録ファイルを読む(scratch.path() / "missing.brenvolt", 1000, 理由));
  EXPECT_EQ(理由.japanese(), "ファイルがありません");
  EXPECT_FALSE(記録ファイルを読む(scratch.path(), 1000, 理由));
  EXPECT_EQ(理由.japanese(), "フォルダです");
  EXPECT_FALSE(記録ファイルを読む("/dev/zero", 1000, 理由)) << "a device could be read forever";
  EXPECT_EQ(理由.japanese(), "普通のファイルではありません");
  scratch.write("big.brenvolt", std::string(2049, '#'));
  EXPECT_FALSE(記録ファイルを読む(scratch.path() / "big.brenvolt", 2048, 理由));
  EXPECT_EQ(理由.japanese(), "大きすぎます (2 KiB まで)");
  scratch.write("exact.brenvolt", std::string(2048, '#'));
  EXPECT_TRUE(記録ファイルを読む(scratch.path() / "exact.brenvolt", 2048, 理由));
  if (::geteuid() != 0) {
    ::chmod((scratch.path() / "exact.brenvolt").c_str(), 0);
    EXPECT_FALSE(記録ファイルを読む(scratch.path() / "exact.brenvolt", 2048, 理由));
    EXPECT_EQ(理由.japanese(), "許可がありません");
  }
}

TEST_F(RecordFiles, 保存に失敗しても元のものは残り途中のファイルも残らない) {
  EXPECT_EQ(記録ファイルに書く(scratch.path() / "no" / "such" / "folder.brenvolt", "x"),
            箱の文("ファイルがありません"));
  // A folder in the way: the rename fails after the temporary file was written.
  fs::create_directories(scratch.path() / "taken.brenvolt" / "inside");
  ASSERT_TRUE(記録ファイルに書く(scratch.path() / "taken.brenvolt", "position startpos\n"));
  EXPECT_TRUE(fs::is_directory(scratch.path() / "taken.brenvolt" / "inside"));
  EXPECT_EQ(項目数(scratch.path()), 1u) << "the temporary file is removed";
  if (::geteuid() != 0) {
    const fs::path locked = scratch.path() / "locked";
    fs::create_directories(locked);
    scratch.write("locked/game.brenvolt", "old\n");
    ::chmod(locked.c_str(), 0555);
    EXPECT_EQ(記録ファイルに書く(locked / "game.brenvolt", "new\n"), 箱の文("許可がありません"));
    EXPECT_EQ(中身(locked / "game.brenvolt"), "old\n");
    EXPECT_EQ(項目数(locked), 1u);
    ::chmod(locked.c_str(), 0755);
  }
}

}  // namespace
}  // namespace brenvolt
