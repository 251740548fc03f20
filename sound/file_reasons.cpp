#include "sound/file_reasons.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace brenvolt {

std::string システムの理由(int number) {
  switch (number) {
    case ENOENT:
      return "ファイルがありません";
    case EACCES:
    case EPERM:
      return "許可がありません";
    case EISDIR:
      return "フォルダです";
    case ENOTDIR:
      return "途中にフォルダでないものがあります";
    case ENOSPC:
    case EDQUOT:
      return "空きがありません";
    case EROFS:
      return "書き込めない場所です";
    case ENAMETOOLONG:
      return "名前が長すぎます";
    case ELOOP:
      return "リンクが多すぎます";
    case EIO:
      return "読み書きに失敗しました";
    case ENOMEM:
      return "メモリーが足りません";
    default:
      break;
  }
  const char* symbol = ::strerrorname_np(number);
  return "システムのエラーです (" +
         (symbol ? std::string(symbol) : "errno " + std::to_string(number)) + ")";
}

std::optional<std::string> 読むファイルでない理由(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return システムの理由(errno);
  if (S_ISDIR(info.st_mode)) return システムの理由(EISDIR);
  if (!S_ISREG(info.st_mode)) return "普通のファイルではありません";
  return std::nullopt;
}

}  // namespace brenvolt
