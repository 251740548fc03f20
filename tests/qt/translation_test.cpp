// English: every Japanese text the window can show has its translation, the translations are
// complete, and the window switches language at once.
#include <gtest/gtest.h>

#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "notation/record_file.h"
#include "tests/support/recording_sound.h"
#include "window/qt/language.h"
#include "window/qt/main_window.h"
#include "window/record_files.h"

namespace brenvolt {
namespace {

namespace fs = std::filesystem;

const fs::path 原本の置場 = BRENVOLT_SOURCE_DIR;

bool 日本語を含む(const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if ((u >= 0x3000 && u <= 0x30ff) || (u >= 0x4e00 && u <= 0x9fff) ||
        (u >= 0xff00 && u <= 0xffef))
      return true;
  }
  return false;
}

struct 訳 {
  QString context, source, translation;
  bool finished;
};

std::vector<訳> 訳の一覧() {
  std::vector<訳> all;
  QFile file(QString::fromStdString((原本の置場 / "translations" / "brenvolt_en.ts").string()));
  if (!file.open(QIODevice::ReadOnly)) return all;
  QXmlStreamReader xml(&file);
  QString context;
  訳 current;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("source")) current = {context, xml.readElementText(), {}, true};
    if (xml.name() == QLatin1String("translation")) {
      current.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
      current.translation = xml.readElementText();
      all.push_back(current);
    }
  }
  EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
  return all;
}

// A string literal of the source and where it stands.
struct 文字列 {
  std::string text;
  fs::path file;
  int line;
};

// The string literals of a C++ file, comments and character literals left out; literals that
// follow each other with only blanks between them are one literal, as the compiler joins them.
std::vector<文字列> 文字列を拾う(const fs::path& file) {
  std::ifstream in(file);
  std::stringstream buffer;
  buffer << in.rdbuf();
  const std::string code = buffer.str();
  std::vector<文字列> found;
  int line = 1;
  bool joinNext = false;
  for (std::size_t i = 0; i < code.size(); ++i) {
    const char c = code[i];
    if (c == '\n') ++line;
    if (c == '/' && i + 1 < code.size() && code[i + 1] == '/') {
      while (i < code.size() && code[i] != '\n') ++i;
      ++line;
      continue;
    }
    if (c == '/' && i + 1 < code.size() && code[i + 1] == '*') {
      const std::size_t end = code.find("*/", i + 2);
      for (std::size_t k = i; k < std::min(end, code.size()); ++k) line += code[k] == '\n';
      i = end == std::string::npos ? code.size() : end + 1;
      continue;
    }
    if (c == '\'') {
      for (++i; i < code.size() && code[i] != '\''; ++i)
        if (code[i] == '\\') ++i;
      continue;
    }
    if (c == '"') {
      std::string text;
      for (++i; i < code.size() && code[i] != '"'; ++i) {
        if (code[i] == '\\' && i + 1 < code.size()) {
          ++i;
          text += code[i] == 'r' ? '\r' : code[i] == 'n' ? '\n' : code[i];
        } else {
          text += code[i];
        }
      }
      if (joinNext && !found.empty()) {
        found.back().text += text;
      } else {
        found.push_back({text, file, line});
      }
      // Another literal after only blanks belongs to this one.
      std::size_t next = i + 1;
      while (next < code.size() && (code[next] == ' ' || code[next] == '\n')) ++next;
      joinNext = next < code.size() && code[next] == '"';
      continue;
    }
    if (c != ' ' && c != '\n') joinNext = false;
  }
  return found;
}

std::set<QString> 訳さない文() {
  std::set<QString> texts;
  std::ifstream in(原本の置場 / "translations" / "untranslated.txt");
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line[0] != '#') texts.insert(QString::fromStdString(line));
  }
  return texts;
}

// The pieces of a source between its place holders %1, %2 …
QStringList 型の断片(const QString& source) {
  return source.split(QRegularExpression(QStringLiteral("%\\d")), Qt::SkipEmptyParts);
}

TEST(Translations, EveryJapaneseTextInTheWindowsSourceHasAnEnglishEntry) {
  const std::vector<訳> entries = 訳の一覧();
  ASSERT_GT(entries.size(), 50u);
  const std::set<QString> untranslated = 訳さない文();
  std::vector<std::string> missing;
  // The window's and the sound layer's sources, the piece table, whose names of the pieces
  // the board shows, the table of levels, whose names the menu shows, and the record reader,
  // whose refusals the boxes show.
  std::vector<fs::path> files{原本の置場 / "game" / "piece_table.h",
                              原本の置場 / "game" / "levels.h"};
  for (const char* folder : {"window", "sound", "notation"}) {
    for (const auto& entry : fs::recursive_directory_iterator(原本の置場 / folder)) {
      const auto ext = entry.path().extension();
      if (ext == ".cpp" || ext == ".h") files.push_back(entry.path());
    }
  }
  {
    for (const fs::path& file : files) {
      for (const 文字列& literal : 文字列を拾う(file)) {
        const QString text = QString::fromStdString(literal.text);
        if (!日本語を含む(text) || untranslated.contains(text)) continue;
        // A whole source (a pattern with its place holders), or a piece of one that the code
        // puts together with others.
        const bool known = std::any_of(entries.begin(), entries.end(), [&text](const 訳& e) {
          if (e.source == text) return true;
          const QStringList pieces = 型の断片(e.source);
          return std::any_of(pieces.begin(), pieces.end(),
                             [&text](const QString& piece) { return piece.contains(text); });
        });
        if (!known) {
          missing.push_back(fs::relative(literal.file, 原本の置場).string() + ":" +
                            std::to_string(literal.line) + " \"" + literal.text + "\"");
        }
      }
    }
  }
  EXPECT_TRUE(missing.empty())
      << "texts without an English entry; add each to translations/brenvolt_en.ts (or, if the "
         "window never shows it, to translations/untranslated.txt):\n  "
      << [&missing] {
           std::string all;
           for (const auto& m : missing) all += m + "\n  ";
           return all;
         }();
}

TEST(Translations, EveryEntryIsFinishedAndKeepsItsPlaceHolders) {
  for (const 訳& e : 訳の一覧()) {
    const std::string where = e.context.toStdString() + ": " + e.source.toStdString();
    EXPECT_TRUE(e.finished) << where;
    EXPECT_FALSE(e.translation.trimmed().isEmpty()) << where;
    for (const auto& match : QRegularExpression(QStringLiteral("%\\d")).globalMatch(e.source)) {
      EXPECT_TRUE(e.translation.contains(match.captured())) << where;
    }
    // Only the language item names Japanese in Japanese.
    if (e.source != QLatin1String("English")) {
      EXPECT_FALSE(日本語を含む(e.translation)) << where;
    }
  }
}

TEST(Translations, JapaneseIsTheDefaultAndEnglishLooksTextsUpByContext) {
  Language language;
  EXPECT_EQ(language.current(), 言語::日本語);
  EXPECT_EQ(language.text(箱の文("先手の番です")), QString::fromUtf8("先手の番です"));
  ASSERT_TRUE(language.set(言語::英語));
  EXPECT_EQ(language.text(箱の文("先手の番です")), "Black to move");
  EXPECT_EQ(language.text(TranslatableText(文脈_メニュー, "先手")), "Play Black (you move first)");
  EXPECT_EQ(language.shown(盤の文("六")), "f");
  EXPECT_EQ(language.shown(盤の文("７")), "7");
  EXPECT_EQ(language.shown(盤の文("思考中")), "Thinking...");
  // Numbers and texts without an entry are shown as they stand.
  EXPECT_EQ(language.shown(そのまま(" 12 ")), " 12 ");
  EXPECT_EQ(language.text(箱の文("  Version 0.93")), "  Version 0.93");
  // The board knows both renderings of a text, for the room it takes.
  EXPECT_EQ(language.everyLanguage(盤の文("香成")), (QStringList{QString::fromUtf8("香成"), "+L"}));
  // The English installed for one window does not reach another that speaks Japanese.
  Language other;
  EXPECT_EQ(other.text(箱の文("先手の番です")), QString::fromUtf8("先手の番です"));
}

TEST(Translations, TextsPutTogetherAtRunTimeAreTranslatedWithTheirArguments) {
  Language language;
  ASSERT_TRUE(language.set(言語::英語));
  const auto 読めない = [](const std::string& file, const TranslatableText& reason) {
    return 箱の文("サウンドファイル「%1」を読み込めません。(%2)", {そのまま(file), reason});
  };
  EXPECT_EQ(language.text(読めない("/data/BGM.wav", 箱の文("空のファイルです"))),
            QString::fromUtf8("Cannot read the sound file “/data/BGM.wav” (the file is empty)."));
  // A reason in the system's own words and a name with a place holder in it are kept as they
  // are.
  EXPECT_EQ(language.text(読めない("/tmp/%1.wav", そのまま("Permission denied"))),
            QString::fromUtf8("Cannot read the sound file “/tmp/%1.wav” (Permission denied)."));
  EXPECT_EQ(language.text(箱の文("サウンドファイル「%1」は使えるWAVEファイルではありません。",
                                 {そのまま("x")})),
            QString::fromUtf8("The sound file “x” is not a usable WAVE file."));
  // A record's refusal: the file, then where in it, then the reason, each in English.
  対局 game;
  notation::RecordError error;
  ASSERT_FALSE(notation::read_record("position startpos moves P*5e P*5a P*5g", game, error));
  EXPECT_EQ(language.text(ファイルと理由("a.brenvolt", notation::refusal_text(error))),
            "a.brenvolt: line 1, move 3 P*5g: a second pawn in the column");
  ASSERT_FALSE(notation::read_record("\n# level: x\nposition startpos", game, error));
  EXPECT_EQ(language.text(notation::refusal_text(error)),
            "line 2: level has a value that cannot be read: x");
  error = {1, 501, "P*5e", 箱の文("%1手を超える棋譜は開けません", {そのまま("500")})};
  EXPECT_EQ(language.text(notation::refusal_text(error)),
            "line 1, move 501 P*5e: a game of more than 500 moves cannot be opened");
  EXPECT_EQ(language.text(箱の文("保存できません: %1",
                                 {ファイルと理由("a.brenvolt", 箱の文("許可がありません"))})),
            "Cannot save a.brenvolt: permission denied");
  // A text that has no entry at all stays Japanese rather than being guessed.
  EXPECT_EQ(language.text(箱の文("未知の文")), QString::fromUtf8("未知の文"));
}

class WindowLanguage : public ::testing::Test {
 protected:
  WindowLanguage() : window(sound, {}, 1.0, BoxMode::StandardError) {
    window.platform().setQuitHandler([] {});
    window.form().Form_Load();
  }
  testing::RecordingSound sound;
  MainWindow window;
};

TEST_F(WindowLanguage, InEnglishNoMenuCaptionIsJapanese) {
  ASSERT_TRUE(window.setLanguage(言語::英語));
  int captions = 0;
  for (QAction* action : window.findChildren<QAction*>()) {
    if (action->text().isEmpty() || action->isSeparator()) continue;
    ++captions;
    if (action->objectName() == QLatin1String("LANGUAGE")) {
      EXPECT_EQ(action->text(), QString::fromUtf8("日本語 (Japanese)"));
    } else {
      EXPECT_FALSE(日本語を含む(action->text())) << action->objectName().toStdString();
    }
  }
  EXPECT_GE(captions, 20);
  EXPECT_EQ(window.findChild<QAction*>("STOP")->text(), "Position");
  EXPECT_EQ(window.findChild<QAction*>("REPLAY")->text(), "Take back");
}

TEST_F(WindowLanguage, TheLanguageItemSwitchesMenusAndBoardAtOnceAndBack) {
  const QImage japanese = window.surface().image();
  QAction* item = window.findChild<QAction*>("LANGUAGE");
  ASSERT_NE(item, nullptr);
  EXPECT_EQ(item->text(), "English");
  item->trigger();
  EXPECT_EQ(window.language().current(), 言語::英語);
  EXPECT_EQ(window.findChild<QAction*>("TAIKYOKU")->text(), "Game");
  // The row numerals on the right of the board are letters now; the board itself is unchanged.
  const QImage english = window.surface().image();
  const QRect rowLabels(twipToPixel(1100 + 495 * 10.1), twipToPixel(100 + 615 * 1.3), 20, 360);
  EXPECT_NE(english.copy(rowLabels), japanese.copy(rowLabels));
  const QRect board(twipToPixel(1100 + 495) + 1, twipToPixel(100 + 615) + 1, 290, 360);
  EXPECT_EQ(english.copy(board), japanese.copy(board));
  item->trigger();
  EXPECT_EQ(window.language().current(), 言語::日本語);
  EXPECT_EQ(window.findChild<QAction*>("TAIKYOKU")->text(), QString::fromUtf8("対局"));
  EXPECT_EQ(window.surface().image(), japanese);
}

}  // namespace
}  // namespace brenvolt
