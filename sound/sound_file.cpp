#include "sound/sound_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <new>
#include <system_error>

namespace brenvolt {
namespace fs = std::filesystem;

namespace {

bool present(const fs::path& path) {
  std::error_code error;
  return fs::symlink_status(path, error).type() != fs::file_type::not_found && !error;
}

bool isBareName(const fs::path& name) {
  return !name.empty() && !name.has_root_path() && !name.has_parent_path();
}

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

TranslatableText reason(int error) {
  return そのまま(std::strerror(error));
}

}  // namespace

fs::path findSoundFile(const std::string& name, const std::vector<fs::path>& dataFolders) {
  const fs::path given(name);
  if (present(given)) return given;
  if (!isBareName(given)) return {};
  for (const auto& folder : dataFolders)
    if (present(folder / given)) return folder / given;
  return {};
}

FileContent readWholeFile(const fs::path& path, std::size_t limit) {
  std::error_code error;
  if (fs::is_directory(path, error)) return {{}, 箱の文("フォルダーです")};
  errno = 0;
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
  if (!file) return {{}, reason(errno)};
  FileContent content;
  try {
    unsigned char block[65536];
    // Read to the end rather than trusting the size on disk, which may change meanwhile or
    // mean nothing (a device or a pipe).
    for (;;) {
      const std::size_t got = std::fread(block, 1, sizeof block, file.get());
      if (content.bytes.size() + got > limit) return {{}, 箱の文("ファイルが大きすぎます")};
      content.bytes.insert(content.bytes.end(), block, block + got);
      if (got < sizeof block) break;
    }
  } catch (const std::bad_alloc&) {
    return {{}, 箱の文("メモリーが足りません")};
  }
  if (std::ferror(file.get())) return {{}, reason(errno)};
  return content;
}

}  // namespace brenvolt
