// Runs of the program itself, as a user or a script starts it.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <sstream>

#include "game/levels.h"

namespace brenvolt {
namespace {

namespace fs = std::filesystem;

struct Outcome {
  int status;
  std::string errors;
};

class ProgramTest : public ::testing::Test {
 protected:
  ProgramTest()
      : folder(fs::temp_directory_path() /
               ("brenvolt-program-test-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name())) {
    fs::create_directories(runtime());
    fs::permissions(runtime(), fs::perms::owner_all, fs::perm_options::replace);
  }
  ~ProgramTest() override { fs::remove_all(folder); }

  // Runs the program with `arguments` (already quoted for the shell) after `environment`, with
  // a configuration folder and a runtime folder of the test's own (without the latter Qt warns
  // on standard error, which the tests read).
  Outcome run(const std::string& environment, const std::string& arguments) {
    const fs::path errors = folder / "stderr.txt";
    const std::string command = "cd '" + folder.string() + "' && XDG_CONFIG_HOME='" +
                                config().string() + "' XDG_RUNTIME_DIR='" + runtime().string() +
                                "' " + environment + " '" + BRENVOLT_PROGRAM + "' " + arguments +
                                " 2>'" + errors.string() + "' >/dev/null";
    const int status = std::system(command.c_str());
    std::ifstream in(errors);
    std::stringstream text;
    text << in.rdbuf();
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text.str()};
  }
  Outcome screenshot(const std::string& extra = "") {
    return run("env QT_QPA_PLATFORM=offscreen", "--screenshot '" + png().string() + "' " + extra);
  }
  fs::path png() const { return folder / "window.png"; }
  fs::path config() const { return folder / "config"; }
  fs::path runtime() const { return folder / "runtime"; }
  // The pixel of square-unit position (x, y) in the screenshot.
  static QPoint 点(double x, double y) {
    return QPointF((1100 + 495 * x) / 15.0, (100 + 615 * y) / 15.0).toPoint();
  }

  fs::path folder;
};

// What `command` prints on standard output.
std::string 出力(const std::string& command) {
  std::string out;
  if (FILE* pipe = popen(command.c_str(), "r")) {
    char buffer[256];
    while (const std::size_t n = fread(buffer, 1, sizeof buffer, pipe)) out.append(buffer, n);
    pclose(pipe);
  }
  return out;
}

// Exactly one line of text, ending in a line break.
bool 一行(const std::string& text) {
  return !text.empty() && text.find('\n') == text.size() - 1;
}

TEST_F(ProgramTest, ScreenshotIsThePngOfTheClientArea) {
  const Outcome result = screenshot();
  ASSERT_EQ(result.status, 0) << result.errors;
  QImage image(QString::fromStdString(png().string()));
  ASSERT_FALSE(image.isNull());
  EXPECT_EQ(image.width(), 600);
  EXPECT_GT(image.height(), 440);  // the board and 後手's message slot
  EXPECT_LE(image.height(), 533);
  EXPECT_EQ(image.pixelColor(2, 2), QColor(0, 128, 0));
  // Wood on an empty square, 後手's king at the top of its stand, the title on the right.
  const QColor wood = image.pixelColor(点(5, 5) + QPoint(16, 20));
  EXPECT_GT(wood.red(), 200);
  EXPECT_GT(wood.green(), 150);
  EXPECT_LT(wood.blue(), 180);
  EXPECT_GT(image.pixelColor(点(-1, 1) + QPoint(6, 6)).lightness(), 200);
  EXPECT_NE(image.pixelColor(点(11.3, 0) + QPoint(60, 30)), QColor(0, 128, 0));
}

TEST_F(ProgramTest, ScreenshotShowsAGivenPosition) {
  ASSERT_EQ(screenshot().status, 0);
  const QImage start(QString::fromStdString(png().string()));
  const Outcome result =
      screenshot("--position '9/9/9/4P4/3p1p3/4+P4/2r6/9/1B7 b KRGS2N2Lkbgs2n2l 7'");
  ASSERT_EQ(result.status, 0) << result.errors;
  const QImage shown(QString::fromStdString(png().string()));
  ASSERT_EQ(shown.size(), start.size());
  // 先手's pawn on the square of column 5, row 4 (board x = 5): a black piece.
  EXPECT_LT(shown.pixelColor(点(5, 4) + QPoint(8, 34)).lightness(), 60);
  EXPECT_GT(start.pixelColor(点(5, 4) + QPoint(8, 34)).lightness(), 150);
  // 後手's pawns beside it, white.
  EXPECT_GT(shown.pixelColor(点(4, 5) + QPoint(6, 6)).lightness(), 200);
  // 先手's bishop left the hand: its slot on the stand is an empty square now.
  EXPECT_NE(shown.pixelColor(点(11, 7) + QPoint(16, 36)),
            start.pixelColor(点(11, 7) + QPoint(16, 36)));
}

TEST_F(ProgramTest, UnreadablePositionFailsWithAReasonAndWritesNothing) {
  const Outcome result = screenshot("--position '9/9/9 b - 1'");
  EXPECT_NE(result.status, 0);
  EXPECT_NE(result.errors.find("position"), std::string::npos) << result.errors;
  EXPECT_FALSE(fs::exists(png()));
}

TEST_F(ProgramTest, ScreenshotOfARecordShowsItsBoardAndLastMoves) {
  std::ofstream(folder / "game.brenvolt")
      << "# mode: people\nposition startpos moves P*5e P*5c 5e5d\n";
  Outcome result = screenshot("--record '" + (folder / "game.brenvolt").string() + "'");
  ASSERT_EQ(result.status, 0) << result.errors;
  const QImage opened(QString::fromStdString(png().string()));
  result = screenshot("--position '9/9/4p4/4P4/9/9/9/9/9 w KRBGS2N2LPkrbgs2n2lp 4'");
  ASSERT_EQ(result.status, 0) << result.errors;
  const QImage position(QString::fromStdString(png().string()));
  ASSERT_EQ(opened.size(), position.size());
  // The same board and hands ...
  const QRect board(点(-1, 1), 点(12.9, 9.4));
  EXPECT_EQ(opened.copy(board), position.copy(board));
  // ... and besides, 先手's last move in its slot and the move count, which a bare position lacks.
  const QRect slot(点(13.3, 3), 点(15.8, 3.6));
  EXPECT_NE(opened.copy(slot), position.copy(slot));
  EXPECT_LT(opened.pixelColor(点(5, 4) + QPoint(8, 34)).lightness(), 60);
}

TEST_F(ProgramTest, ARecordTheRulesRefuseEndsTheProgramWithItsReasonInOneLine) {
  const fs::path bad = folder / "bad.brenvolt";
  std::ofstream(bad) << "position startpos moves P*5e P*1b P*5g\n";
  Outcome result = screenshot("--record '" + bad.string() + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(一行(result.errors)) << result.errors;
  EXPECT_NE(result.errors.find("bad.brenvolt: 1行目 3手目 P*5g: 二歩"), std::string::npos)
      << result.errors;
  EXPECT_FALSE(fs::exists(png()));
  // Opened for play, the record is read before any window: no display is needed to refuse it.
  result = run("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb", "'" + bad.string() + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(一行(result.errors)) << result.errors;
  EXPECT_NE(result.errors.find("二歩"), std::string::npos) << result.errors;
  result = run("env QT_QPA_PLATFORM=offscreen", "'" + (folder / "missing.brenvolt").string() + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.errors.find("missing.brenvolt: ファイルがありません"), std::string::npos)
      << result.errors;
  // In English, in English.
  result = run("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb",
               "--lang en '" + bad.string() + "'");
  EXPECT_EQ(result.status, 1);
  EXPECT_NE(result.errors.find("bad.brenvolt: line 1, move 3 P*5g: a second pawn in the column"),
            std::string::npos)
      << result.errors;
}

TEST_F(ProgramTest, UnwritableScreenshotFails) {
  const Outcome result = run("env QT_QPA_PLATFORM=offscreen",
                             "--screenshot '" + (folder / "missing" / "x.png").string() + "'");
  EXPECT_NE(result.status, 0);
  EXPECT_NE(result.errors.find("cannot write"), std::string::npos) << result.errors;
}

// The first bytes of a file.
std::string 頭(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::string head(4, '\0');
  in.read(head.data(), 4);
  return head;
}

TEST_F(ProgramTest, ScreenshotIsWrittenInTheFormatItsSuffixNames) {
  for (const char* name : {"window.jpg", "window.shot"}) {
    const Outcome result =
        run("env QT_QPA_PLATFORM=offscreen", "--screenshot '" + (folder / name).string() + "'");
    ASSERT_EQ(result.status, 0) << result.errors;
  }
  EXPECT_EQ(頭(folder / "window.jpg").substr(0, 3), "\xFF\xD8\xFF");
  EXPECT_EQ(頭(folder / "window.shot"), "\x89PNG") << "PNG for a suffix that names no format";
}

TEST_F(ProgramTest, WithoutAJapaneseFontItSaysWhyTheTextsAreBoxes) {
  std::ofstream(folder / "fonts.conf")
      << "<?xml version=\"1.0\"?><fontconfig><dir>" << (folder / "no-fonts").string()
      << "</dir><cachedir>" << (folder / "cache").string() << "</cachedir></fontconfig>\n";
  const Outcome result = run(
      "env QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE='" + (folder / "fonts.conf").string() + "'",
      "--lang en --screenshot '" + png().string() + "'");
  EXPECT_EQ(result.status, 0) << result.errors;
  EXPECT_NE(result.errors.find("brenvolt: No installed font has Japanese characters"),
            std::string::npos)
      << result.errors;
  EXPECT_EQ(screenshot().errors.find("font"), std::string::npos);
}

TEST_F(ProgramTest, AnOutlandishScreenIsDrawnAtABoundedPixelRatio) {
  // Qt's own scale, bounded before Qt starts, and the two together, bounded in the drawing.
  for (const char* environment : {"QT_FONT_DPI=100000", "QT_FONT_DPI=384 QT_SCALE_FACTOR=4"}) {
    const Outcome result = run("env QT_QPA_PLATFORM=offscreen " + std::string(environment),
                               "--screenshot '" + png().string() + "'");
    ASSERT_EQ(result.status, 0) << result.errors;
    EXPECT_EQ(QImage(QString::fromStdString(png().string())).width(), 600 * 4);
    EXPECT_TRUE(一行(result.errors)) << result.errors;
  }
  EXPECT_NE(run("env QT_QPA_PLATFORM=offscreen QT_FONT_DPI=100000", "--quit-after-first-paint")
                .errors.find("QT_FONT_DPI=100000 is out of range; using 384"),
            std::string::npos);
}

TEST_F(ProgramTest, WrongCommandLineShowsTheUsage) {
  const Outcome result = run("env QT_QPA_PLATFORM=offscreen", "--bogus");
  EXPECT_EQ(result.status, 2);
  EXPECT_NE(result.errors.find("usage:"), std::string::npos);
}

TEST_F(ProgramTest, WithoutADisplayItSaysSoInOneLineAndFails) {
  const Outcome result = run("env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb", "");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(一行(result.errors)) << result.errors;
  EXPECT_NE(result.errors.find("no display"), std::string::npos) << result.errors;
}

TEST_F(ProgramTest, WithAnUnreachableDisplayItSaysSoInOneLineAndFails) {
  const Outcome result = run("env -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb DISPLAY=:4321", "");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(一行(result.errors)) << result.errors;
  EXPECT_NE(result.errors.find("no display"), std::string::npos) << result.errors;
}

TEST(Programs, EachNamesItsVersionAndItsUsage) {
  for (const std::string program : {BRENVOLT_PROGRAM, BRENVOLT_ENGINE, BRENVOLT_MATCH}) {
    const std::string name = fs::path(program).filename().string();
    EXPECT_EQ(出力("'" + program + "' --version"), name + " " + BRENVOLT_VERSION + "\n");
    EXPECT_EQ(出力("'" + program + "' --help").rfind("usage: " + name + " ", 0), 0u) << name;
  }
}

TEST_F(ProgramTest, TheMatchToolPlaysEveryLevelAndRefusesOneBeyondTheTop) {
  const std::string match = std::string("'") + BRENVOLT_MATCH + "' --pairs 1 --quiet ";
  const std::string top = std::to_string(強さ_最強);
  EXPECT_EQ(出力(match + "--nodes-per-second 2000 " + top + " 1")
                .rfind("level " + top + " vs level 1:", 0),
            0u);
  const std::string beyond = std::to_string(強さ_最強 + 1);
  EXPECT_NE(std::system((match + beyond + " 0 2>/dev/null").c_str()), 0);
}

// --review is a plain command-line tool: no display, no platform, one line per move.
TEST_F(ProgramTest, ReviewPrintsOneLinePerMoveWithNoDisplayAndRefusesABadRecord) {
  const fs::path bad = folder / "bad.brenvolt";
  std::ofstream(bad) << "position startpos moves P*5e P*1b P*5g\n";
  const std::string plain = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM";
  Outcome result = run(plain, "--review '" + bad.string() + "' --review-nodes 2000");
  EXPECT_EQ(result.status, 1);
  EXPECT_TRUE(一行(result.errors)) << result.errors;
  EXPECT_NE(result.errors.find("bad.brenvolt: 1行目 3手目 P*5g: 二歩"), std::string::npos)
      << result.errors;

  const fs::path good = folder / "good.brenvolt";
  std::ofstream(good) << "position sfen 9/9/9/9/gskn5/9/9/9/9 b KRBGS2N2L2Prbn2l2p 5 moves "
                         "P*1c R*5e\n";
  const std::string out =
      出力("cd '" + folder.string() + "' && XDG_CONFIG_HOME='" + config().string() + "' " + plain +
           " '" + BRENVOLT_PROGRAM + "' --review '" + good.string() +
           "' --review-nodes 20000; echo status $?");
  const std::regex line(R"(\d+ \S+ eval (cp -?\d+|mate -?\d+) best \S+( \?\??)?)");
  std::istringstream lines(out);
  std::string text;
  std::vector<std::string> all;
  while (std::getline(lines, text)) all.push_back(text);
  ASSERT_EQ(all.size(), 3u) << out;
  EXPECT_TRUE(std::regex_match(all[0], line)) << all[0];
  EXPECT_TRUE(std::regex_match(all[1], line)) << all[1];
  EXPECT_EQ(all[0].rfind("1 P*1c eval mate -1 best ", 0), 0u) << all[0];
  EXPECT_EQ(all[0].substr(all[0].size() - 3), " ??");
  EXPECT_EQ(all[1].rfind("2 R*5e eval mate -0 best ", 0), 0u) << all[1];
  EXPECT_EQ(all[2], "status 0");
  EXPECT_FALSE(fs::exists(config()));
}

// A screenshot is the same on every machine: the settings are neither read nor written.
TEST_F(ProgramTest, AScreenshotNeitherReadsNorWritesTheSettings) {
  fs::create_directories(config() / "brenvolt");
  const fs::path file = config() / "brenvolt" / "brenvolt.conf";
  const std::string kept = "[General]\nzoom=2\nlanguage=en\n";
  std::ofstream(file) << kept;
  ASSERT_EQ(screenshot().status, 0);
  EXPECT_EQ(QImage(QString::fromStdString(png().string())).width(), 600);
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), kept);
  EXPECT_EQ(std::distance(fs::directory_iterator(config()), fs::directory_iterator()), 1);
}

}  // namespace
}  // namespace brenvolt
