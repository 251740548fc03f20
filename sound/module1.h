// The game's sound layer: opening the device, loading the sound files into buffers of the
// sound library, warnings about sound problems, and closing the device.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "sound/sound_library.h"
#include "text/translatable_text.h"

namespace brenvolt {

class Module1 {
 public:
  using 警告表示 = std::function<void(const TranslatableText& 文)>;

  // `データ置場` are the folders searched, in order, for a sound file that is not in the
  // working directory (the game's own data folder).
  Module1(SoundLibrary& ds, 警告表示 警告, std::vector<std::filesystem::path> データ置場 = {});

  // The device handle from dsInitialize; 0 means there is no sound device.
  int DSハンドル = 0;

  // Opens the device; without one, warns when `装置なしを警告` says so.
  void 音_初期化(int hWnd, bool 装置なしを警告 = true);
  void 音_解放();
  // A buffer handle for the named sound file, or 0 (silently for a missing file, with a
  // warning for one that cannot be read or used).
  int 音_読込(const std::string& ファイル名, int 数);
  // A modal warning box with an exclamation icon titled "Brenvolt.dll".
  void 音_警告(const TranslatableText& 文);

  SoundLibrary& ds;

 private:
  警告表示 警告_;
  std::vector<std::filesystem::path> データ置場_;
};

}  // namespace brenvolt
