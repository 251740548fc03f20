#include "sound/sound_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <new>
#include <optional>
#include <system_error>

#include "sound/file_reasons.h"

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

class Descriptor {
 public:
  explicit Descriptor(int fd) : fd_(fd) {}
  ~Descriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  Descriptor(const Descriptor&) = delete;
  Descriptor& operator=(const Descriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

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
  // Not blocking in open: opening a pipe for reading waits for a writer that may never come.
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) return {{}, システムの理由(errno)};
  if (const auto failure = 読むファイルでない理由(file.get())) return {{}, *failure};
  FileContent content;
  try {
    unsigned char block[65536];
    // Read to the end rather than trusting the size on disk, which may change meanwhile.
    for (;;) {
      const ssize_t got = ::read(file.get(), block, sizeof block);
      if (got < 0 && errno == EINTR) continue;
      if (got < 0) return {{}, システムの理由(errno)};
      if (got == 0) break;
      const auto size = static_cast<std::size_t>(got);
      if (content.bytes.size() + size > limit) return {{}, 箱の文("ファイルが大きすぎます")};
      content.bytes.insert(content.bytes.end(), block, block + size);
    }
  } catch (const std::bad_alloc&) {
    return {{}, システムの理由(ENOMEM)};
  }
  return content;
}

}  // namespace brenvolt
