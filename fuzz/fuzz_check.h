// Failing a fuzz check: the message goes to stderr and the process aborts, which is how both
// libFuzzer and the replay driver recognise a finding.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

namespace brenvolt::fuzz {

[[noreturn]] inline void fail(const std::string& what) {
  std::fprintf(stderr, "fuzz check failed: %s\n", what.c_str());
  std::abort();
}

// Fails with `what` unless it is empty (the invariant checks answer an empty text when sound).
inline void require_sound(const std::string& what) {
  if (!what.empty()) fail(what);
}

// Bytes of a fuzz input read one at a time; an exhausted input reads as zeros.
class ByteReader {
 public:
  ByteReader(const unsigned char* data, std::size_t size) : data_(data), size_(size) {}
  bool empty() const { return at_ >= size_; }
  unsigned byte() { return empty() ? 0u : data_[at_++]; }
  int below(int n) { return static_cast<int>(byte() % static_cast<unsigned>(n)); }
  int int16() {
    const unsigned low = byte();
    return static_cast<short>(static_cast<unsigned short>(low | (byte() << 8)));
  }

 private:
  const unsigned char* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

}  // namespace brenvolt::fuzz
