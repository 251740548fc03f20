#include "sound/module1.h"

#include <iostream>
#include <utility>

#include "sound/sound_file.h"

namespace brenvolt {
namespace {

// Far above any sound the game has; keeps a stray huge file from being read into memory.
constexpr std::size_t kLargestSoundFile = 64u << 20;

TranslatableText readWarning(const std::filesystem::path& path, const TranslatableText& failure) {
  return 箱の文("サウンドファイル「%1」を読み込めません。(%2)", {そのまま(path.string()), failure});
}

TranslatableText unusableWarning(const std::filesystem::path& path) {
  return 箱の文("サウンドファイル「%1」は使えるWAVEファイルではありません。",
                {そのまま(path.string())});
}

}  // namespace

Module1::Module1(SoundLibrary& library, 警告表示 警告,
                 std::vector<std::filesystem::path> データ置場)
    : ds(library), 警告_(std::move(警告)), データ置場_(std::move(データ置場)) {}

void Module1::音_初期化(int hWnd, bool 装置なしを警告) {
  DSハンドル = ds.dsInitialize(hWnd);
  if (DSハンドル == 0 && 装置なしを警告)
    音_警告(箱の文("Direct Soundインターフェースが作成できません。"));
}

void Module1::音_解放() {
  if (DSハンドル == 0) return;
  ds.dsTerminate(DSハンドル);
  // The device is gone; a second release must not terminate a handle the library may reuse.
  DSハンドル = 0;
}

int Module1::音_読込(const std::string& ファイル名, int 数) {
  if (DSハンドル == 0) return 0;
  const auto path = findSoundFile(ファイル名, データ置場_);
  if (path.empty()) return 0;
  const FileContent content = readWholeFile(path, kLargestSoundFile);
  if (!content.failure.empty()) {
    音_警告(readWarning(path, content.failure));
    return 0;
  }
  if (content.bytes.empty()) {
    音_警告(readWarning(path, 箱の文("空のファイルです")));
    return 0;
  }
  const int handle = ds.dsCreateDSB(DSハンドル, content.bytes.data(), content.bytes.size(), 数);
  if (handle == 0) 音_警告(unusableWarning(path));
  return handle;
}

void Module1::音_警告(const TranslatableText& 文) {
  if (警告_) {
    警告_(文);
    return;
  }
  // Without a window to show it in, the warning still reaches the user.
  std::cerr << "Brenvolt.dll: " << 文.japanese() << '\n';
}

}  // namespace brenvolt
