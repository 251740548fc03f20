// Loading the window, setting up the start position and moving a piece: what changes and what
// is drawn, in which order.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

// An event outside the canvas with the number of canvas calls made before it.
struct 出来事 {
  std::string 名;
  std::size_t 描画数;
};

class LoggingSound : public RecordingSound {
 public:
  LoggingSound(std::vector<出来事>& log, const RecordingCanvas& canvas)
      : log_(log), canvas_(canvas) {}
  int dsInitialize(int hWnd) override {
    log_.push_back({"dsInitialize", canvas_.calls.size()});
    return RecordingSound::dsInitialize(hWnd);
  }
  void dsPlayLooping(int b) override {
    log_.push_back({"dsPlayLooping " + std::to_string(b), canvas_.calls.size()});
    RecordingSound::dsPlayLooping(b);
  }

 private:
  std::vector<出来事>& log_;
  const RecordingCanvas& canvas_;
};

class LoggingPlatform : public RecordingPlatform {
 public:
  LoggingPlatform(std::vector<出来事>& log, const RecordingCanvas& canvas)
      : log_(log), canvas_(canvas) {}
  void setMenuChecked(const std::string& item, bool checked) override {
    log_.push_back({item + (checked ? " on" : " off"), canvas_.calls.size()});
    RecordingPlatform::setMenuChecked(item, checked);
  }
  void setBackground(int colour) override {
    log_.push_back({"background " + std::to_string(colour), canvas_.calls.size()});
    RecordingPlatform::setBackground(colour);
  }
  void placeWindow(int l, int t, int w, int h) override {
    log_.push_back({"place", canvas_.calls.size()});
    RecordingPlatform::placeWindow(l, t, w, h);
  }

 private:
  std::vector<出来事>& log_;
  const RecordingCanvas& canvas_;
};

void 音の素を書く(const std::filesystem::path& 名) {
  const std::uint8_t 見出し[] = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W', 'A', 'V', 'E',
                                 'f',  'm',  't', ' ', 16,   0,    0, 0, 1,   0,   1,   0,
                                 0x40, 0x1f, 0,   0,   0x40, 0x1f, 0, 0, 1,   0,   8,   0,
                                 'd',  'a',  't', 'a', 4,    0,    0, 0, 128, 130, 128, 126};
  std::ofstream(名, std::ios::binary).write(reinterpret_cast<const char*>(見出し), sizeof 見出し);
}

class FormLoadTest : public ::testing::Test {
 protected:
  FormLoadTest() {
    std::filesystem::create_directories(置場);
    for (const char* 名 : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav"})
      音の素を書く(置場 / 名);
  }
  ~FormLoadTest() override { std::filesystem::remove_all(置場); }

  std::size_t 何番目(const std::string& 名) const {
    auto it = std::find_if(log.begin(), log.end(), [&](const 出来事& e) { return e.名 == 名; });
    EXPECT_NE(it, log.end()) << 名;
    return static_cast<std::size_t>(it - log.begin());
  }

  std::filesystem::path 置場 =
      std::filesystem::path(::testing::TempDir()) /
      ("brenvolt_form_load_" +
       std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
  std::vector<出来事> log;
  RecordingCanvas canvas;
  LoggingPlatform platform{log, canvas};
  LoggingSound sound{log, canvas};
  Form1 form{canvas, platform, sound, {置場}};
};

TEST_F(FormLoadTest, 音_設定_描画_配置の順に進む) {
  platform.top = 300;
  form.Form_Load();

  // The five sounds load in their order, so the music is the fifth buffer and starts at once.
  EXPECT_EQ(form.音_その他, 1);
  EXPECT_EQ(form.音_禁止, 2);
  EXPECT_EQ(form.音_駒打, 3);
  EXPECT_EQ(form.音_終局, 4);
  EXPECT_EQ(form.音_BGM, 5);
  ASSERT_LT(何番目("dsInitialize"), 何番目("dsPlayLooping 5"));
  EXPECT_LT(何番目("dsPlayLooping 5"), 何番目("BGM on"));
  EXPECT_LT(何番目("BGM on"), 何番目("SIDOU off"));
  EXPECT_LT(何番目("SIDOU off"), 何番目("background 2"));
  EXPECT_EQ(log[何番目("background 2")].描画数, 0u) << "nothing is drawn before the background";
  EXPECT_EQ(log.back().名, "place");
  EXPECT_EQ(log.back().描画数, canvas.calls.size()) << "the window is placed last";

  // Labels first (bold from then on), the position, and the title picture last.
  ASSERT_FALSE(canvas.calls.empty());
  const auto& 最初の文字 = canvas.of(DrawCall::Text).front();
  EXPECT_EQ(最初の文字.text, " 9 ");
  EXPECT_TRUE(最初の文字.bold);
  const auto& 最後 = canvas.calls.back();
  EXPECT_EQ(最後.kind, DrawCall::Picture);
  EXPECT_EQ(最後.picture, PictureId::PG_NA);
  EXPECT_TRUE(同じ位置(最後, 11.3, 0));

  EXPECT_EQ(form.手番, 手番_なし);
  EXPECT_EQ(form.移動指導, 0);
  EXPECT_EQ(form.指導色, 消去色);
  EXPECT_TRUE(form.太字);
  EXPECT_TRUE(platform.menuChecked("BGM"));
  EXPECT_FALSE(platform.menuChecked("SIDOU"));
  EXPECT_EQ(platform.background, 背景色);
  EXPECT_EQ(std::vector<int>({platform.left, platform.top, platform.width, platform.height}),
            std::vector<int>({-60, -60, 9000, 8000}));
}

TEST_F(FormLoadTest, 上端にある窓はそのまま) {
  platform.top = -60;
  platform.width = 5000;
  form.Form_Load();
  EXPECT_EQ(platform.placements, 0);
  EXPECT_EQ(platform.width, 5000);
}

TEST_F(FormLoadTest, 音の無い置場でも読み込みは進む) {
  std::filesystem::remove_all(置場);
  form.Form_Load();
  EXPECT_EQ(form.音_BGM, 0);
  EXPECT_EQ(何番目("dsPlayLooping 0") + 1, 何番目("BGM on"));
  EXPECT_EQ(canvas.calls.back().picture, PictureId::PG_NA);
}

TEST_F(Form1Test, 初期設定は記録を空にし持駒と盤と空の文字欄を描く) {
  form.盤面[5][5] = 先手_金;
  form.手数 = 12;
  form.記録数 = 7;
  form.記録終端 = 9;
  form.入力段階 = 1;
  form.初期設定();

  EXPECT_EQ(form.記録数, 0);
  EXPECT_EQ(form.記録終端, 0);
  EXPECT_EQ(form.入力段階, 0);
  EXPECT_EQ(form.手数, 0);
  EXPECT_EQ(form.盤面[5][5], 空);

  // 先手's stand, 後手's stand, the board, then the three text areas.
  const auto 塗り = canvas.of(DrawCall::Fill);
  ASSERT_GE(塗り.size(), 5u);
  const auto 最初の塗り = std::find_if(canvas.calls.begin(), canvas.calls.end(),
                                       [](const DrawCall& c) { return c.kind == DrawCall::Fill; });
  EXPECT_TRUE(同じ位置(*最初の塗り, 12, 2));
  const auto n = canvas.calls.size();
  const DrawCall* 末尾[] = {&canvas.calls[n - 3], &canvas.calls[n - 2], &canvas.calls[n - 1]};
  const double 位置[3][4] = {{13, 2.3, 1250, 300}, {13.3, 3, 1360, 380}, {-1.75, 9.5, 1360, 380}};
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(末尾[i]->kind, DrawCall::Fill);
    EXPECT_TRUE(同じ位置(*末尾[i], 位置[i][0], 位置[i][1])) << i;
    EXPECT_EQ(末尾[i]->w, 位置[i][2]);
    EXPECT_EQ(末尾[i]->h, 位置[i][3]);
    EXPECT_EQ(末尾[i]->colour, 背景色);
  }
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(最後の絵(x, y), PictureId::KARA_MASU) << x << y;
  EXPECT_EQ(最後の絵(11, 2), PictureId::SITA_HU_0);
  EXPECT_EQ(最後の絵(-1, 1), PictureId::UE_OU);
}

TEST_F(Form1Test, 駒移動は元の桝を空けて先に駒を描く) {
  form.初期設定();
  form.盤面[5][7] = 先手_銀;
  canvas.clear();
  form.駒移動(5, 7, 4, 6, 先手_銀);

  EXPECT_EQ(form.盤面[5][7], 空);
  EXPECT_EQ(form.盤面[4][6], 先手_銀);
  ASSERT_EQ(canvas.calls.size(), 4u);
  EXPECT_EQ(canvas.calls[0].picture, PictureId::KARA_MASU);
  EXPECT_TRUE(同じ位置(canvas.calls[0], 5, 7));
  EXPECT_EQ(canvas.calls[1].kind, DrawCall::Outline);
  EXPECT_EQ(canvas.calls[2].picture, PictureId::SITA_GIN_0);
  EXPECT_TRUE(同じ位置(canvas.calls[2], 4, 6));
  EXPECT_EQ(canvas.calls[3].kind, DrawCall::Outline);
  EXPECT_EQ(canvas.calls[3].colour, 背景色);
  EXPECT_TRUE(同じ位置(canvas.calls[3], 4, 6));
}

TEST_F(Form1Test, 駒打ちはその側の持駒台だけを描き直す) {
  form.初期設定();
  canvas.clear();
  form.駒移動(先手持駒列, 4, 5, 5, 先手_桂);  // row 4 of 先手's stand holds 桂
  EXPECT_EQ(form.先手持駒数[3], 1);
  EXPECT_EQ(文字(12, 4.2).back().text, " 1 ");
  EXPECT_TRUE(文字(0, 1.2).empty()) << "後手's stand is not redrawn";
  EXPECT_EQ(最後の絵(5, 5), PictureId::SITA_KEI_0);

  canvas.clear();
  form.駒移動(後手持駒列, 1, 5, 4, 後手_王);  // row 1 of 後手's stand holds 王
  EXPECT_EQ(form.後手持駒数[8], 0);
  EXPECT_EQ(最後の絵(-1, 1), PictureId::KARA_MASU);
  EXPECT_TRUE(文字(0, 1.2).empty()) << "an empty slot shows no count";
  EXPECT_TRUE(文字(12, 4.2).empty());
  EXPECT_EQ(最後の絵(5, 4), PictureId::UE_OU);
}

}  // namespace
}  // namespace brenvolt::testing
