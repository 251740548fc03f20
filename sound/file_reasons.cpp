#include "sound/file_reasons.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstring>

namespace brenvolt {

TranslatableText システムの理由(int number) {
  switch (number) {
    case ENOENT:
      return 箱の文("ファイルがありません");
    case EACCES:
    case EPERM:
      return 箱の文("許可がありません");
    case EISDIR:
      return 箱の文("フォルダです");
    case ENOTDIR:
      return 箱の文("途中にフォルダでないものがあります");
    case ENOSPC:
    case EDQUOT:
      return 箱の文("空きがありません");
    case EROFS:
      return 箱の文("書き込めない場所です");
    case ENAMETOOLONG:
      return 箱の文("名前が長すぎます");
    case ELOOP:
      return 箱の文("リンクが多すぎます");
    case EIO:
      return 箱の文("読み書きに失敗しました");
    case ENOMEM:
      return 箱の文("メモリーが足りません");
    default:
      break;
  }
  const char* symbol = ::strerrorname_np(number);
  return 箱の文("システムのエラーです (%1)",
                {そのまま(symbol ? std::string(symbol) : "errno " + std::to_string(number))});
}

std::optional<TranslatableText> 読むファイルでない理由(int fd) {
  struct stat info {};
  if (::fstat(fd, &info) != 0) return システムの理由(errno);
  if (S_ISDIR(info.st_mode)) return システムの理由(EISDIR);
  if (!S_ISREG(info.st_mode)) return 箱の文("普通のファイルではありません");
  return std::nullopt;
}

}  // namespace brenvolt
