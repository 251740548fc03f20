// Reading and saving record files on a real disk: the size bound, the reasons given, the
// permissions and links of a saved file, and a save that fails or was killed leaving the old
// file and no temporary behind.
#include "window/record_files.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "sound/file_reasons.h"
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
  // A link to a file not made yet, relative to the link's folder, and through a second link.
  fs::create_directories(scratch.path() / "sub");
  fs::create_symlink("sub/later.brenvolt", scratch.path() / "dangling.brenvolt");
  fs::create_symlink("dangling.brenvolt", scratch.path() / "twice.brenvolt");
  EXPECT_FALSE(記録ファイルに書く(scratch.path() / "twice.brenvolt", "later\n"));
  EXPECT_TRUE(fs::is_symlink(scratch.path() / "dangling.brenvolt"));
  EXPECT_TRUE(fs::is_symlink(scratch.path() / "twice.brenvolt"));
  EXPECT_EQ(中身(scratch.path() / "sub" / "later.brenvolt"), "later\n");
  fs::create_symlink("circle.brenvolt", scratch.path() / "circle.brenvolt");
  EXPECT_EQ(記録ファイルに書く(scratch.path() / "circle.brenvolt", "x"),
            箱の文("リンクが多すぎます"));
}

TEST_F(RecordFiles, 新しいファイルはumaskに従いset_user_IDは引き継がない) {
  const fs::path file = scratch.path() / "game.brenvolt";
  const mode_t previous = ::umask(077);
  const auto 結果 = 記録ファイルに書く(file, "position startpos\n");
  ::umask(previous);
  EXPECT_FALSE(結果);
  struct stat info {};
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0600u) << "a new file is only as open as the umask allows";
  ::chmod(file.c_str(), 06755);
  EXPECT_FALSE(記録ファイルに書く(file, "position startpos moves P*5e\n"));
  ASSERT_EQ(::stat(file.c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 07777, 0755u);
}

TEST_F(RecordFiles, 名前の限りまで保存でき失敗の理由はゲームの言葉で言う) {
  const std::string longest = std::string(255 - 9, 'a') + ".brenvolt";
  EXPECT_FALSE(記録ファイルに書く(scratch.path() / longest, "position startpos\n"));
  EXPECT_EQ(中身(scratch.path() / longest), "position startpos\n");
  EXPECT_EQ(記録ファイルに書く(scratch.path() / (longest + "x"), "x"), 箱の文("名前が長すぎます"));
  EXPECT_EQ(記録ファイルに書く(scratch.path() / longest / "game.brenvolt", "x"),
            箱の文("途中にフォルダでないものがあります"));
  EXPECT_EQ(システムの理由(EXDEV).japanese(), "システムのエラーです (EXDEV)");
}

TEST_F(RecordFiles, 殺された保存の一時ファイルだけを次の保存が消す) {
  const auto 古くする = [this](const std::string& name) {
    fs::last_write_time(scratch.path() / name,
                        fs::file_time_type::clock::now() - std::chrono::minutes(1));
  };
  const std::string killed = ".brenvolt-save-Abc12345", writing = ".brenvolt-save-Zzz99999",
                    fresh = ".brenvolt-save-new00000", others = ".game.brenvolt.Ab12Cd",
                    near = ".brenvolt-save-Abc1234";
  for (const auto& name : {killed, writing, fresh, others, near}) scratch.write(name, "x");
  for (const auto& name : {killed, writing, others, near}) 古くする(name);
  // A save still writing holds a lock on its file.
  const int held = ::open((scratch.path() / writing).c_str(), O_RDONLY);
  ASSERT_EQ(::flock(held, LOCK_EX), 0);
  EXPECT_FALSE(記録ファイルに書く(scratch.path() / "game.brenvolt", "position startpos\n"));
  ::close(held);
  EXPECT_FALSE(fs::exists(scratch.path() / killed));
  for (const auto& name : {writing, fresh, others, near})
    EXPECT_TRUE(fs::exists(scratch.path() / name)) << name;
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
