// Talks to the real brenvolt-engine program through a pipe.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "game/levels.h"

namespace {

std::string run_engine(const std::string& input) {
  char name[] = "/tmp/brenvolt-engine-input-XXXXXX";
  const int fd = mkstemp(name);
  EXPECT_GE(fd, 0);
  close(fd);
  std::ofstream(name, std::ios::binary) << input;
  // An engine that hangs is ended, and fails the test through its exit status.
  const std::string command = std::string("timeout 60 '") + BRENVOLT_ENGINE_PATH + "' < " + name;
  std::string output;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[4096];
    while (const std::size_t got = fread(buffer, 1, sizeof buffer, pipe))
      output.append(buffer, got);
    EXPECT_EQ(pclose(pipe), 0);
  }
  std::remove(name);
  return output;
}

TEST(EngineProgram, AnswersASessionAndStopsAtQuit) {
  const std::string output = run_engine(
      "usi\n"
      "isready\n"
      "position startpos moves P*5e P*5d\n"
      "check P*5f\n"
      "check P*4g\n"
      "go\n"
      "position startpos moves P*5e P*5e\n" +
      std::string(3 << 20, 'z') +
      "\n"
      "result\n"
      "quit\n"
      "isready\n");
  std::vector<std::string> lines;
  std::istringstream answer(output);
  for (std::string line; std::getline(answer, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 13u) << output.substr(0, 2000);
  EXPECT_EQ(lines[0], "id name Brenvolt");
  EXPECT_EQ(lines[2].rfind("option name USI_Hash ", 0), 0u);
  EXPECT_EQ(lines[3].rfind("option name Threads ", 0), 0u);
  EXPECT_EQ(lines[4].rfind("option name Level ", 0), 0u);
  EXPECT_EQ(lines[5], "usiok");
  EXPECT_EQ(lines[6], "readyok");
  EXPECT_EQ(lines[7], "refused illegal");
  EXPECT_EQ(lines[8], "ok");
  EXPECT_EQ(lines[9].rfind("bestmove ", 0), 0u);
  EXPECT_EQ(lines[10].rfind("info string error move 2 P*5e refused: illegal", 0), 0u);
  EXPECT_EQ(lines[11], "info string error line too long");
  EXPECT_EQ(lines[12], "result none");
}

TEST(EngineProgram, ASearchRunningWhenTheInputEndsStillAnswers) {
  const std::string output = run_engine(
      "setoption name Level value 1\n"
      "position startpos moves P*5e\n"
      "go depth 2\n");
  std::vector<std::string> lines;
  std::istringstream answer(output);
  for (std::string line; std::getline(answer, line);) lines.push_back(line);
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(lines.back().rfind("bestmove ", 0), 0u) << output;
  EXPECT_EQ(lines.front().rfind("info depth 1 ", 0), 0u) << output;
}

TEST(EngineProgram, QuitDuringAnEndlessSearchStopsItAndEnds) {
  const std::string output =
      run_engine("setoption name Level value " + std::to_string(brenvolt::強さ_最強) +
                 "\n"
                 "go infinite\n"
                 "quit\n"
                 "isready\n");
  EXPECT_EQ(output.find("readyok"), std::string::npos) << "nothing is read after quit";
  EXPECT_NE(output.find("bestmove "), std::string::npos);
}

// Neither a command other than stop arriving during an endless search nor the end of the input
// leaves the engine searching for good: each ends the search, which answers.
TEST(EngineProgram, AnEndlessSearchNeverHoldsTheEngine) {
  const std::string commands = "setoption name Level value " + std::to_string(brenvolt::強さ_最強) +
                               "\n"
                               "position startpos moves P*5e\n"
                               "go infinite\n";
  const std::string interrupted = run_engine(commands +
                                             "position startpos\n"
                                             "isready\n"
                                             "stop\n"
                                             "quit\n");
  EXPECT_NE(interrupted.find("bestmove "), std::string::npos) << interrupted;
  EXPECT_NE(interrupted.find("readyok"), std::string::npos) << interrupted;

  const std::string ended = run_engine(commands);
  EXPECT_EQ(ended.substr(ended.rfind('\n', ended.size() - 2) + 1, 9), "bestmove ") << ended;
}

}  // namespace
