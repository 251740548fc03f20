#include "window/record_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <system_error>

#include "notation/record_text.h"

namespace brenvolt {

namespace {

TranslatableText 理由(int number) {
  switch (number) {
    case ENOENT:
      return 箱の文("ファイルがありません");
    case EACCES:
    case EPERM:
      return 箱の文("許可がありません");
    case EISDIR:
      return 箱の文("フォルダです");
    case ENOSPC:
      return 箱の文("空きがありません");
    case EROFS:
      return 箱の文("書き込めない場所です");
    default:
      return そのまま(std::strerror(number));
  }
}

// Closes a descriptor when it goes out of scope.
class 記述子 {
 public:
  explicit 記述子(int fd) : fd_(fd) {}
  ~記述子() {
    if (fd_ >= 0) ::close(fd_);
  }
  記述子(const 記述子&) = delete;
  記述子& operator=(const 記述子&) = delete;
  int get() const { return fd_; }
  // Closes now and tells whether the close succeeded (a delayed write error shows here).
  bool close() {
    const int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

bool 全部書く(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t written = ::write(fd, text.data(), text.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// The file a save replaces: a symbolic link is followed, so the link stays and its file changes.
std::filesystem::path 書く先(const std::filesystem::path& path) {
  std::error_code ignored;
  if (std::filesystem::is_symlink(path, ignored)) {
    const auto target = std::filesystem::weakly_canonical(path, ignored);
    if (!ignored) return target;
  }
  return path;
}

// After the rename the folder's entry is flushed too, so a crash right after saving keeps the
// new record. A folder that cannot be opened or synced loses nothing already written.
void フォルダを同期(const std::filesystem::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

TranslatableText ファイルと理由(const std::string& name, const TranslatableText& reason) {
  return 箱の文("%1: %2", {そのまま(name), reason});
}

std::optional<std::string> 記録ファイルを読む(const std::filesystem::path& path, std::size_t limit,
                                              TranslatableText& error) {
  記述子 file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
  if (file.get() < 0) {
    error = 理由(errno);
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    error = 理由(errno);
    return std::nullopt;
  }
  // A device or a pipe could hold the reader forever.
  if (S_ISDIR(info.st_mode)) {
    error = 理由(EISDIR);
    return std::nullopt;
  }
  if (!S_ISREG(info.st_mode)) {
    error = 箱の文("普通のファイルではありません");
    return std::nullopt;
  }
  if (static_cast<unsigned long long>(info.st_size) > limit) {
    error = notation::too_large_reason(limit);
    return std::nullopt;
  }
  // The size is read again while reading: the file may grow meanwhile.
  std::string text;
  char buffer[16384];
  while (true) {
    const ssize_t got = ::read(file.get(), buffer, sizeof buffer);
    if (got < 0) {
      if (errno == EINTR) continue;
      error = 理由(errno);
      return std::nullopt;
    }
    if (got == 0) break;
    if (text.size() + static_cast<std::size_t>(got) > limit) {
      error = notation::too_large_reason(limit);
      return std::nullopt;
    }
    text.append(buffer, static_cast<std::size_t>(got));
  }
  return text;
}

std::optional<TranslatableText> 記録ファイルに書く(const std::filesystem::path& path,
                                                   std::string_view text) {
  const std::filesystem::path target = 書く先(path);
  if (target.filename().empty()) return 理由(EISDIR);
  const std::filesystem::path folder = target.parent_path();
  std::string pattern = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  記述子 temporary(::mkstemp(pattern.data()));
  if (temporary.get() < 0) return 理由(errno);
  const auto fail = [&pattern](int number) {
    ::unlink(pattern.c_str());
    return 理由(number);
  };
  // A replaced file keeps its permissions; a new one gets the usual rw-r--r--.
  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 && S_ISREG(old.st_mode)
                          ? old.st_mode & 07777
                          : S_IRUSR | S_IWUSR | S_IRGRP | S_IROTH;
  if (::fchmod(temporary.get(), mode) != 0 || !全部書く(temporary.get(), text) ||
      ::fsync(temporary.get()) != 0) {
    return fail(errno);
  }
  if (!temporary.close()) return fail(errno);
  if (::rename(pattern.c_str(), target.c_str()) != 0) return fail(errno);
  フォルダを同期(folder);
  return std::nullopt;
}

}  // namespace brenvolt
