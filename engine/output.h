// The engine's answer lines, written from the thread that reads commands and from the search
// thread: each write is whole lines, flushed at once, and never interleaved with another.
#pragma once

#include <mutex>
#include <ostream>
#include <string_view>

namespace brenvolt::engine {

class Output {
 public:
  explicit Output(std::ostream& out) : out_(out) {}
  void write(std::string_view lines) {
    const std::lock_guard<std::mutex> lock(mutex_);
    out_ << lines;
    out_.flush();
  }

 private:
  std::mutex mutex_;
  std::ostream& out_;
};

}  // namespace brenvolt::engine
