#include "window/record_files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <random>
#include <system_error>

#include "notation/record_text.h"
#include "sound/file_reasons.h"

namespace brenvolt {

namespace {

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

namespace fs = std::filesystem;

// A save's temporary file is named ".brenvolt-save-" and eight letters or digits. The name is
// short whatever the record's name, so it fits every folder the record itself fits in, and
// exact, so that stale ones can be told from anybody else's files.
constexpr std::string_view 一時の頭 = ".brenvolt-save-";
constexpr std::size_t 一時の印の長さ = 8;
constexpr std::string_view 印の字 =
    "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
// A save holds a lock on its temporary file until it closes it, which is moments before the
// rename; a file this old and unlocked has no save behind it any more.
constexpr std::time_t 古い一時ファイルの秒 = 10;
// As many links as the system itself follows before it gives up.
constexpr int リンクの限り = 40;

bool 一時ファイルの名前か(const std::string& name) {
  if (name.size() != 一時の頭.size() + 一時の印の長さ || !name.starts_with(一時の頭)) return false;
  return name.find_first_not_of(印の字, 一時の頭.size()) == std::string::npos;
}

std::string 一時ファイルの名前() {
  static std::random_device source;
  std::uniform_int_distribution<std::size_t> pick(0, 印の字.size() - 1);
  std::string name(一時の頭);
  for (std::size_t i = 0; i < 一時の印の長さ; ++i) name += 印の字[pick(source)];
  return name;
}

// The file a save replaces: symbolic links are followed, also to a file that does not exist
// yet, so the link stays and the file it names is written. Nothing, with `number` set, when
// the links go round in a circle.
std::optional<fs::path> 書く先(const fs::path& path, int& number) {
  fs::path at = path;
  for (int hop = 0; hop < リンクの限り; ++hop) {
    std::error_code error;
    if (!fs::is_symlink(at, error)) return at;
    const fs::path next = fs::read_symlink(at, error);
    if (error) return at;
    // A relative link is relative to the folder the link is in.
    at = next.is_absolute() ? next : at.parent_path() / next;
  }
  number = ELOOP;
  return std::nullopt;
}

// Whether `path` is a temporary file of ours that no save is writing any more.
bool 古い一時ファイルか(const fs::path& path) {
  const 記述子 file(
      ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK | O_NOFOLLOW));
  if (file.get() < 0) return false;
  struct stat info {};
  if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_uid != ::geteuid())
    return false;
  if (std::time(nullptr) - info.st_mtime < 古い一時ファイルの秒) return false;
  return ::flock(file.get(), LOCK_EX | LOCK_NB) == 0;
}

// Removes the temporary files that saves into `folder` left behind when they were killed.
void 古い一時ファイルを消す(const fs::path& folder) {
  std::error_code error;
  // A folder that cannot be listed is no reason not to save.
  for (fs::directory_iterator entry(folder.empty() ? "." : folder, error), end;
       !error && entry != end; entry.increment(error)) {
    const fs::path& path = entry->path();
    if (一時ファイルの名前か(path.filename().string()) && 古い一時ファイルか(path))
      ::unlink(path.c_str());
  }
}

// A new temporary file in `folder`, locked while this save writes it, its name in `path`. The
// system gives it the mode the umask allows for a new file.
int 一時ファイルを作る(const fs::path& folder, fs::path& path) {
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = folder / 一時ファイルの名前();
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd >= 0) {
      ::flock(fd, LOCK_EX | LOCK_NB);
      return fd;
    }
    if (errno != EEXIST) return -1;
  }
  return -1;
}

// A replaced file keeps its permissions, but never a set-user-ID or set-group-ID bit: a
// record is not a program. A new file keeps what the umask gave it.
bool 置き換える権限にする(int fd, const fs::path& target) {
  struct stat old {};
  if (::stat(target.c_str(), &old) != 0 || !S_ISREG(old.st_mode)) return true;
  return ::fchmod(fd, old.st_mode & 0777) == 0;
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
    error = システムの理由(errno);
    return std::nullopt;
  }
  if (const auto failure = 読むファイルでない理由(file.get())) {
    error = *failure;
    return std::nullopt;
  }
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) {
    error = システムの理由(errno);
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
      error = システムの理由(errno);
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

std::optional<TranslatableText> 記録ファイルに書く(const fs::path& path, std::string_view text) {
  int number = 0;
  const auto target = 書く先(path, number);
  if (!target) return システムの理由(number);
  if (target->filename().empty()) return システムの理由(EISDIR);
  const fs::path folder = target->parent_path();
  古い一時ファイルを消す(folder);
  fs::path temporaryPath;
  記述子 temporary(一時ファイルを作る(folder, temporaryPath));
  if (temporary.get() < 0) return システムの理由(errno);
  const auto fail = [&temporaryPath](int failure) {
    ::unlink(temporaryPath.c_str());
    return システムの理由(failure);
  };
  if (!置き換える権限にする(temporary.get(), *target) || !全部書く(temporary.get(), text) ||
      ::fsync(temporary.get()) != 0) {
    return fail(errno);
  }
  if (!temporary.close()) return fail(errno);
  if (::rename(temporaryPath.c_str(), target->c_str()) != 0) return fail(errno);
  フォルダを同期(folder);
  return std::nullopt;
}

}  // namespace brenvolt
