#include "tools/match/engine_process.h"

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <csignal>

namespace brenvolt::match {

namespace {

constexpr int kStartTimeoutMs = 10000;
constexpr int kMoveTimeoutMs = 60000;

}  // namespace

std::unique_ptr<EngineProcess> EngineProcess::start(const std::string& command,
                                                    std::string& error) {
  // An engine that has ended (or never started) must show as a failed write, not end this
  // program: the match goes on and scores the game.
  std::signal(SIGPIPE, SIG_IGN);
  int in[2];
  int out[2];
  if (pipe(in) != 0) {
    error = "no pipe";
    return nullptr;
  }
  if (pipe(out) != 0) {
    close(in[0]);
    close(in[1]);
    error = "no pipe";
    return nullptr;
  }
  const pid_t pid = fork();
  if (pid < 0) {
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    error = "cannot fork";
    return nullptr;
  }
  if (pid == 0) {
    dup2(in[0], STDIN_FILENO);
    dup2(out[1], STDOUT_FILENO);
    for (int fd : {in[0], in[1], out[0], out[1]}) close(fd);
    execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(in[0]);
  close(out[1]);
  std::unique_ptr<EngineProcess> process(new EngineProcess(pid, in[1], out[0]));
  std::string line;
  if (!process->send("usi") || !process->wait_for("usiok", line, kStartTimeoutMs)) {
    error = "no usiok from " + command;
    return nullptr;
  }
  return process;
}

EngineProcess::EngineProcess(pid_t pid, int to_child, int from_child)
    : pid_(pid), to_child_(to_child), from_child_(from_child) {}

EngineProcess::~EngineProcess() {
  send("quit");
  close(to_child_);
  close(from_child_);
  // A well-behaved engine ends at quit or at the end of its input; one that does not is ended.
  for (int i = 0; i < 50; ++i) {
    if (waitpid(pid_, nullptr, WNOHANG) == pid_) return;
    usleep(20000);
  }
  kill(pid_, SIGKILL);
  waitpid(pid_, nullptr, 0);
}

bool EngineProcess::send(const std::string& line) {
  const std::string text = line + "\n";
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = write(to_child_, text.data() + done, text.size() - done);
    if (n <= 0) return false;
    done += static_cast<std::size_t>(n);
  }
  return true;
}

bool EngineProcess::read_line(std::string& line, int timeout_ms) {
  while (true) {
    const std::size_t end = pending_.find('\n');
    if (end != std::string::npos) {
      line = pending_.substr(0, end);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      pending_.erase(0, end + 1);
      return true;
    }
    pollfd fd{from_child_, POLLIN, 0};
    if (poll(&fd, 1, timeout_ms) <= 0) return false;
    char buffer[4096];
    const ssize_t n = read(from_child_, buffer, sizeof buffer);
    if (n <= 0) return false;
    pending_.append(buffer, static_cast<std::size_t>(n));
  }
}

bool EngineProcess::wait_for(const std::string& word, std::string& line, int timeout_ms) {
  while (read_line(line, timeout_ms)) {
    if (line == word || line.rfind(word + " ", 0) == 0) return true;
  }
  return false;
}

bool EngineProcess::set_option(const std::string& name, const std::string& value,
                               std::string& error) {
  std::string line;
  if (!send("setoption name " + name + " value " + value) || !send("isready") ||
      !wait_for("readyok", line, kStartTimeoutMs)) {
    error = "no readyok after setoption " + name;
    return false;
  }
  return true;
}

std::string EngineProcess::best_move(const std::string& position, const std::string& go) {
  std::string line;
  if (!send("position sfen " + position) || !send(go) ||
      !wait_for("bestmove", line, kMoveTimeoutMs)) {
    return "";
  }
  const std::size_t space = line.find(' ');
  return space == std::string::npos ? ""
                                    : line.substr(space + 1, line.find(' ', space + 1) - space - 1);
}

}  // namespace brenvolt::match
