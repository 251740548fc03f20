// The player's choices kept between runs: made in one run of the window, there in the next
// with the same configuration folder; a fresh folder starts exactly classic.
#include "window/qt/settings.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "tests/support/recording_sound.h"
#include "tests/support/scratch_folder.h"
#include "window/qt/remembered_choices.h"

namespace brenvolt {
namespace {

namespace fs = std::filesystem;
using testing::RecordingSound;

// One run of the window, started as the program starts it.
struct WindowRun {
  explicit WindowRun(bool device = true, BoxMode boxes = BoxMode::StandardError)
      : window(sound, {}, 1.0, boxes) {
    sound.deviceAvailable = device;
    window.platform().setQuitHandler([] {});
    window.setLanguage(settings.language());
    window.form().Form_Load_画面();
    remembered.applyAtStart();
    if (settings.zoom() != 1.0) window.zoomTo(settings.zoom());
    window.form().Form_Load_音();
    remembered.keepChanges();
  }
  Form1& form() { return window.form(); }
  void choose(const char* item) { window.findChild<QAction*>(item)->trigger(); }
  bool musicStarted() const {
    for (const auto& call : sound.calls)
      if (call.name == "dsPlayLooping" || call.name == "dsPlay") return true;
    return false;
  }

  RecordingSound sound;
  Settings settings;
  MainWindow window;
  RememberedChoices remembered{window, settings};
};

// Each test has a configuration folder of its own, never the user's.
class SettingsTest : public ::testing::Test {
 protected:
  SettingsTest() {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved = old;
    useConfigFolder(scratch.path());
  }
  ~SettingsTest() override {
    if (saved) {
      setenv("XDG_CONFIG_HOME", saved->c_str(), 1);
    } else {
      unsetenv("XDG_CONFIG_HOME");
    }
  }
  static void useConfigFolder(const fs::path& folder) {
    setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  static void expectClassic(WindowRun& run) {
    EXPECT_EQ(run.form().今の選択(), 選択{});
    EXPECT_TRUE(run.window.findChild<QAction*>("HYOUJUN")->isChecked());
    EXPECT_TRUE(run.musicStarted());
    EXPECT_EQ(run.window.language().current(), 言語::日本語);
    EXPECT_EQ(run.window.surface().scale(), 1.0);
    EXPECT_TRUE(run.window.platform().dialogFolder().isEmpty());
    EXPECT_FALSE(run.window.panelShown());
    EXPECT_FALSE(run.window.findChild<QAction*>("PANEL")->isChecked());
  }

  testing::ScratchFolder scratch;
  std::optional<std::string> saved;
};

TEST_F(SettingsTest, AFreshOrUnusableFileStartsClassicAndStartingWritesNothing) {
  {
    WindowRun run;
    expectClassic(run);
  }
  EXPECT_FALSE(fs::exists(scratch.path() / "brenvolt"));
  scratch.write("brenvolt/brenvolt.conf",
                "[General]\nlevel=9\nguidance=maybe\nmusic=\nlanguage=fr\nzoom=nan\n");
  WindowRun run;
  expectClassic(run);
}

TEST_F(SettingsTest, ChoicesMadeAreThereAfterARestart) {
  double zoomed = 0;
  {
    WindowRun run;
    for (const char* item : {"SAIKYOU", "SIDOU", "BGM", "NARI", "KENTOU", "LANGUAGE", "ZOOM_IN"})
      run.choose(item);
    zoomed = run.window.surface().scale();
    ASSERT_GT(zoomed, 1.0);
  }
  WindowRun run;
  EXPECT_EQ(run.form().今の選択(), (選択{強さ_最強, true, false, true, true}));
  EXPECT_TRUE(run.window.findChild<QAction*>("KENTOU")->isChecked());
  EXPECT_TRUE(run.window.findChild<QAction*>("NARI")->isChecked());
  EXPECT_TRUE(run.window.findChild<QAction*>("SAIKYOU")->isChecked());
  EXPECT_TRUE(run.window.findChild<QAction*>("SIDOU")->isChecked());
  EXPECT_FALSE(run.window.findChild<QAction*>("BGM")->isChecked());
  // Music kept off is never started, not even for a moment.
  EXPECT_FALSE(run.musicStarted());
  EXPECT_EQ(run.window.language().current(), 言語::英語);
  EXPECT_NEAR(run.window.surface().scale(), zoomed, 0.01);
}

TEST_F(SettingsTest, ALevelKeptWhenThereWereFourStartsAtTheLevelThatPlaysLikeIt) {
  scratch.write("brenvolt/brenvolt.conf", "[General]\nlevel=2\n");
  {
    WindowRun run;
    EXPECT_EQ(run.form().今の選択().強さ, 強さ_とても強い);
    EXPECT_TRUE(run.window.findChild<QAction*>("TOTEMO")->isChecked());
    run.choose("HYOUJUN");
  }
  // Once a level is chosen it is kept under its own key, whatever the old one says.
  EXPECT_EQ(WindowRun().form().今の選択().強さ, 強さ_標準);
  scratch.write("brenvolt/brenvolt.conf", "[General]\nlevel=1\nstrength=99\n");
  EXPECT_EQ(WindowRun().form().今の選択().強さ, 強さ_標準);
}

TEST_F(SettingsTest, ALevelIsKeptByItsWordAndANumberOfTheNineLevelsStillNamesItsOwn) {
  { WindowRun().choose("SUGOKU"); }
  EXPECT_NE(scratch.read("brenvolt/brenvolt.conf").find("strength=SUGOKU"), std::string::npos);
  scratch.write("brenvolt/brenvolt.conf", "[General]\nstrength=8\n");
  EXPECT_EQ(WindowRun().form().今の選択().強さ, 強さ_最強);
}

TEST_F(SettingsTest, ThePanelOpenAtTheEndIsOpenAtTheNextStart) {
  { WindowRun().choose("PANEL"); }
  {
    WindowRun run;
    EXPECT_TRUE(run.window.panelShown());
    EXPECT_TRUE(run.window.findChild<QAction*>("PANEL")->isChecked());
    EXPECT_TRUE(run.form().棋譜欄あり);
    run.choose("PANEL");
  }
  EXPECT_FALSE(WindowRun().window.panelShown());
}

TEST_F(SettingsTest, RestoringTheClassicSettingsForgetsThemAllAndLeavesTheGame) {
  {
    WindowRun run;
    for (const char* item :
         {"TSUYOI", "SIDOU", "BGM", "NARI", "KENTOU", "LANGUAGE", "ZOOM_IN", "PANEL"})
      run.choose(item);
    run.form().START_Click();
    const int turn = run.form().局.手番;
    run.window.platform().setDialogFolder(QString::fromStdString(scratch.path().string()));
    run.choose("RESTORE_SETTINGS");
    expectClassic(run);
    EXPECT_EQ(run.form().局.手番, turn);
    EXPECT_EQ(run.form().局.対局中, 有);
  }
  WindowRun run;
  expectClassic(run);
}

TEST_F(SettingsTest, TheNoSoundBoxShowsOncePerInstallation) {
  const auto boxes = [] {
    ::testing::internal::CaptureStderr();
    WindowRun run(false);
    return ::testing::internal::GetCapturedStderr();
  };
  EXPECT_NE(boxes().find("Brenvolt.dll: Direct Sound"), std::string::npos);
  EXPECT_EQ(boxes().find("Direct Sound"), std::string::npos);
}

TEST_F(SettingsTest, AFileThatCannotBeWrittenCostsOneLineAndTheGameGoesOn) {
  scratch.write("not-a-folder", "");
  useConfigFolder(scratch.path() / "not-a-folder");
  WindowRun run;
  ::testing::internal::CaptureStderr();
  run.choose("SIDOU");
  run.choose("SIDOU");
  run.choose("SAIKYOU");
  const std::string errors = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(run.form().今の選択().強さ, 強さ_最強);
  EXPECT_EQ(std::count(errors.begin(), errors.end(), '\n'), 1) << errors;
  EXPECT_NE(errors.find("settings cannot be written"), std::string::npos);
}

// Answers the next file dialog once it is on the screen: notes where it opened and whether its
// Cancel button is in Japanese, then chooses `file`.
struct DialogAnswer {
  QString openedIn;
  bool japaneseCancel = false;
};
// Answers the next file dialog with `file`, asking again until the dialog has closed.
std::unique_ptr<QTimer> answerDialog(DialogAnswer& answer, const QString& file) {
  auto poll = std::make_unique<QTimer>();
  QObject::connect(poll.get(), &QTimer::timeout, [&answer, file] {
    auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
    if (!dialog) return;

    if (answer.openedIn.isEmpty()) answer.openedIn = dialog->directory().absolutePath();
    for (const QPushButton* button : dialog->findChildren<QPushButton*>())
      answer.japaneseCancel |= button->text() == QStringLiteral("キャンセル");
    // Selecting the file goes through the folder's listing, which a busy machine may not have
    // read yet; the name typed in is taken as it stands.
    dialog->selectFile(file);
    if (auto* typed = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
      typed->setText(file);
    QMetaObject::invokeMethod(dialog, "accept");
  });
  poll->start(10);
  return poll;
}

TEST_F(SettingsTest, TheRecordDialogsOpenInTheLastFolderInJapanese) {
  const fs::path kept = scratch.path() / "kept";
  const fs::path other = scratch.path() / "other";
  scratch.write("kept/a.brenvolt", "position startpos\n");
  scratch.write("other/b.brenvolt", "position startpos\n");
  scratch.write("brenvolt/brenvolt.conf", "[General]\nfolder=" + kept.string() + "\n");
  {
    WindowRun run(true, BoxMode::Modal);
    DialogAnswer answer;
    const auto answering =
        answerDialog(answer, QString::fromStdString((other / "b.brenvolt").string()));
    EXPECT_EQ(run.window.platform().chooseFileToOpen(箱の文("棋譜を開く")),
              (other / "b.brenvolt").string());
    EXPECT_EQ(answer.openedIn.toStdString(), kept.string());
    EXPECT_TRUE(answer.japaneseCancel);
  }
  WindowRun run;
  EXPECT_EQ(run.window.platform().dialogFolder().toStdString(), other.string());
}

TEST_F(SettingsTest, QtsOwnTextsFollowTheLanguage) {
  WindowRun run;
  const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
  EXPECT_EQ(cancel(), QStringLiteral("キャンセル"));
  run.choose("LANGUAGE");
  EXPECT_EQ(cancel(), QStringLiteral("Cancel"));
  run.choose("LANGUAGE");
  EXPECT_EQ(cancel(), QStringLiteral("キャンセル"));
}

}  // namespace
}  // namespace brenvolt
