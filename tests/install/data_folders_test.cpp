// Where an installed or built program looks for its sounds.
#include "app/data_folders.h"

#include <gtest/gtest.h>

namespace brenvolt {
namespace {

using Folders = std::vector<std::filesystem::path>;

TEST(DataFolders, InstalledProgramFindsTheDataOfItsOwnPrefix) {
  // A package puts the game in /usr though the build was configured for /usr/local.
  EXPECT_EQ(データの置場("/usr/bin", "../share/brenvolt", "/usr/local/share/brenvolt"),
            (Folders{"/usr/bin", "/usr/share/brenvolt", "/usr/local/share/brenvolt"}));
  EXPECT_EQ(データの置場("/opt/games/bin/", "../share/brenvolt", "/usr/local/share/brenvolt"),
            (Folders{"/opt/games/bin", "/opt/games/share/brenvolt", "/usr/local/share/brenvolt"}));
}

TEST(DataFolders, EachFolderIsSearchedOnce) {
  EXPECT_EQ(データの置場("/usr/local/bin", "../share/brenvolt", "/usr/local/share/brenvolt"),
            (Folders{"/usr/local/bin", "/usr/local/share/brenvolt"}));
  EXPECT_EQ(データの置場("/srv/b/bin", "", "/srv/b/bin/."), (Folders{"/srv/b/bin"}));
  EXPECT_EQ(データの置場("/", "usr/share/brenvolt", "/usr/share/brenvolt/"),
            (Folders{"/", "/usr/share/brenvolt"}));
}

TEST(DataFolders, UnknownExecutableFolderDoesNotTurnIntoTheWorkingDirectory) {
  // Without the executable's folder the relative path would be read from wherever the
  // program was started, and could load whatever sounds lie there.
  EXPECT_EQ(データの置場("", "../share/brenvolt", "/usr/share/brenvolt"),
            (Folders{"/usr/share/brenvolt"}));
  EXPECT_EQ(データの置場("", "", ""), Folders{});
}

}  // namespace
}  // namespace brenvolt
