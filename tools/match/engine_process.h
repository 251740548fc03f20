// An engine program run as a child process, spoken to over its line protocol through pipes.
#pragma once

#include <sys/types.h>
#include <memory>
#include <string>

namespace brenvolt::match {

class EngineProcess {
 public:
  // Starts `command` through /bin/sh and waits for its usiok. Empty, with the reason in
  // error, when it cannot be started or does not answer. SIGPIPE is ignored from then on, so
  // that writing to an engine that has gone fails instead of ending the program.
  static std::unique_ptr<EngineProcess> start(const std::string& command, std::string& error);
  ~EngineProcess();
  EngineProcess(const EngineProcess&) = delete;
  EngineProcess& operator=(const EngineProcess&) = delete;

  bool set_option(const std::string& name, const std::string& value, std::string& error);
  // Sends the position and the go line; the word after "bestmove", or empty when the engine
  // does not answer in time or has gone.
  std::string best_move(const std::string& position, const std::string& go = "go");

 private:
  EngineProcess(pid_t pid, int to_child, int from_child);
  bool send(const std::string& line);
  // The next line starting with `word`, skipping others; false on timeout or end of output.
  bool wait_for(const std::string& word, std::string& line, int timeout_ms);
  bool read_line(std::string& line, int timeout_ms);

  pid_t pid_;
  int to_child_;
  int from_child_;
  std::string pending_;
};

}  // namespace brenvolt::match
