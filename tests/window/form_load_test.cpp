// Loading the window, setting up the start position and moving a piece: what changes and what
// is drawn, in which order.
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "tests/window/form1_fixture.h"

namespace brenvolt::testing {
namespace {

// A platform call, with how many drawing and sound calls came before it.
struct 出来事 {
  std::string 名;
  std::size_t 描画数;
  std::size_t 音数;
  bool operator==(const 出来事&) const = default;
};

class LoggingPlatform : public RecordingPlatform {
 public:
  LoggingPlatform(const RecordingCanvas& canvas, const RecordingSound& sound)
      : canvas_(canvas), sound_(sound) {}
  void setMenuChecked(const std::string& item, bool checked) override {
    記録(item + (checked ? " on" : " off"));
    RecordingPlatform::setMenuChecked(item, checked);
  }
  void setBackground(int colour) override {
    記録("background " + std::to_string(colour));
    RecordingPlatform::setBackground(colour);
  }
  void placeWindow(int l, int t, int w, int h) override {
    記録("place");
    RecordingPlatform::placeWindow(l, t, w, h);
  }
  std::vector<出来事> log;

 private:
  void 記録(std::string 名) {
    log.push_back({std::move(名), canvas_.calls.size(), sound_.calls.size()});
  }
  const RecordingCanvas& canvas_;
  const RecordingSound& sound_;
};

class FormLoadTest : public ::testing::Test {
 protected:
  FormLoadTest() {
    // The smallest usable WAVE image: 8 kHz, 8-bit mono, four samples.
    const std::uint8_t 音[] = {'R',  'I',  'F', 'F', 40,   0,    0, 0, 'W', 'A', 'V', 'E',
                               'f',  'm',  't', ' ', 16,   0,    0, 0, 1,   0,   1,   0,
                               0x40, 0x1f, 0,   0,   0x40, 0x1f, 0, 0, 1,   0,   8,   0,
                               'd',  'a',  't', 'a', 4,    0,    0, 0, 128, 130, 128, 126};
    std::filesystem::create_directories(置場);
    for (const char* 名 : {"その他.wav", "禁止.wav", "駒打音.wav", "終局.wav", "BGM.wav"})
      std::ofstream(置場 / 名, std::ios::binary)
          .write(reinterpret_cast<const char*>(音), sizeof 音);
  }
  ~FormLoadTest() override { std::filesystem::remove_all(置場); }

  std::filesystem::path 置場 = std::filesystem::path(::testing::TempDir()) /
                               ("brenvolt_form_load_" + std::to_string(::getpid()) + "_" +
                                ::testing::UnitTest::GetInstance()->current_test_info()->name());
  RecordingCanvas canvas;
  RecordingSound sound;
  LoggingPlatform platform{canvas, sound};
  Form1 form{canvas, platform, sound, {置場}};
};

TEST_F(FormLoadTest, 音_設定_描画_配置の順に進む) {
  platform.top = 300;
  form.Form_Load();

  // The five sounds load in their order, so the music is the fifth buffer; it starts at once.
  EXPECT_EQ(
      std::vector<int>({form.音_その他, form.音_禁止, form.音_駒打, form.音_終局, form.音_BGM}),
      std::vector<int>({1, 2, 3, 4, 5}));
  ASSERT_EQ(sound.calls.size(), 7u);
  EXPECT_EQ(sound.calls.front().name, "dsInitialize");
  EXPECT_EQ(sound.calls.back(), (SoundCall{"dsPlayLooping", 5}));

  // Menu marks and background before any drawing; the placement after all of it.
  const auto 全描画 = canvas.calls.size();
  EXPECT_EQ(
      platform.log,
      (std::vector<出来事>{
          {"BGM on", 0, 7}, {"SIDOU off", 0, 7}, {"background 2", 0, 7}, {"place", 全描画, 7}}));
  EXPECT_EQ(std::vector<int>({platform.left, platform.top, platform.width, platform.height}),
            std::vector<int>({-60, -60, 9000, 8000}));

  // Labels first, bold already; the title picture last.
  const auto 最初の文字 = canvas.of(DrawCall::Text).at(0);
  EXPECT_EQ(最初の文字.text, " 9 ");
  EXPECT_TRUE(最初の文字.bold);
  EXPECT_EQ(canvas.calls.back().picture, PictureId::PG_NA);
  EXPECT_TRUE(同じ位置(canvas.calls.back(), 11.3, 0));

  EXPECT_EQ(form.局.手番, 手番_なし);
  EXPECT_EQ(form.移動指導, 0);
  EXPECT_EQ(form.指導色, 消去色);
}

TEST_F(FormLoadTest, 上端にある窓はそのまま) {
  platform.top = -60;
  platform.width = 5000;
  form.Form_Load();
  EXPECT_EQ(platform.placements, 0);
  EXPECT_EQ(platform.width, 5000);
}

TEST_F(FormLoadTest, 音の警告はBrenvolt_dllの感嘆符付きの箱で読み込みは続く) {
  std::ofstream(置場 / "禁止.wav", std::ios::trunc);
  form.Form_Load();
  ASSERT_EQ(platform.boxes.size(), 1u);
  EXPECT_EQ(platform.boxes[0].title, "Brenvolt.dll");
  EXPECT_EQ(platform.boxes[0].icon, BoxIcon::Exclamation);
  EXPECT_EQ(form.音_禁止, 0);
  EXPECT_EQ(form.音_BGM, 4);
  EXPECT_EQ(canvas.calls.back().picture, PictureId::PG_NA);
}

// A window that remembers the music switched off and the no-sound box shown starts with
// neither; the music is loaded all the same, for BGM to start it.
TEST_F(FormLoadTest, 覚えた選択ではBGMも無音の警告も出さない) {
  form.開始時にBGM = false;
  form.Form_Load();
  EXPECT_FALSE(platform.menuChecked("BGM"));
  EXPECT_EQ(form.音_BGM, 5);
  for (const auto& call : sound.calls) {
    EXPECT_NE(call.name, "dsPlay");
    EXPECT_NE(call.name, "dsPlayLooping");
  }
  form.BGM_Click();
  EXPECT_EQ(sound.calls.back(), (SoundCall{"dsPlayLooping", 5}));

  RecordingSound silent;
  silent.deviceAvailable = false;
  Form1 classic{canvas, platform, silent, {置場}};
  classic.Form_Load();
  EXPECT_EQ(platform.boxes.size(), 1u);
  Form1 remembered{canvas, platform, silent, {置場}};
  remembered.無音を警告 = false;
  remembered.Form_Load();
  EXPECT_EQ(platform.boxes.size(), 1u);
  EXPECT_FALSE(remembered.音声装置あり());
}

TEST_F(Form1Test, 初期設定は記録を空にし持駒と盤と空の文字欄を描く) {
  form.局.盤面[5][5] = 先手_金;
  form.局.手数 = 12;
  form.記録.記録数 = 7;
  form.記録.記録終端 = 9;
  form.入力段階 = 1;
  form.初期設定();

  EXPECT_EQ(std::vector<int>({form.記録.記録数, form.記録.記録終端, form.入力段階, form.局.手数,
                              form.局.盤面[5][5]}),
            std::vector<int>({0, 0, 0, 0, 空}));
  for (int x = 1; x <= 9; ++x)
    for (int y = 1; y <= 9; ++y) EXPECT_EQ(最後の絵(x, y), PictureId::KARA_MASU) << x << y;
  EXPECT_EQ(最後の絵(11, 2), PictureId::SITA_HU_0);
  EXPECT_EQ(最後の絵(-1, 1), PictureId::UE_OU);

  // 先手's stand comes first; the three text areas are erased last.
  const auto 塗り = canvas.of(DrawCall::Fill);
  EXPECT_TRUE(同じ位置(塗り.at(0), 12, 2));
  const auto n = canvas.calls.size();
  const double 欄[3][4] = {{13, 2.3, 1250, 300}, {13.3, 3, 1360, 380}, {-1.75, 9.5, 1360, 380}};
  for (int i = 0; i < 3; ++i)
    EXPECT_TRUE(消した箱(canvas.calls.at(n - 3 + i), 欄[i][0], 欄[i][1], 欄[i][2], 欄[i][3])) << i;
}

TEST_F(Form1Test, 駒移動は元を空けて先に駒を描き打った側の台だけ描き直す) {
  form.初期設定();
  form.局.盤面[5][7] = 先手_銀;
  canvas.clear();
  form.駒移動(5, 7, 4, 6, 先手_銀);
  EXPECT_EQ(form.局.盤面[5][7], 空);
  EXPECT_EQ(form.局.盤面[4][6], 先手_銀);
  ASSERT_EQ(canvas.calls.size(), 4u);
  EXPECT_EQ(canvas.calls[0].picture, PictureId::KARA_MASU);
  EXPECT_TRUE(同じ位置(canvas.calls[0], 5, 7));
  EXPECT_EQ(canvas.calls[2].picture, PictureId::SITA_GIN_0);
  EXPECT_TRUE(同じ位置(canvas.calls[2], 4, 6));
  EXPECT_EQ(canvas.calls[3].kind, DrawCall::Outline);
  EXPECT_TRUE(同じ位置(canvas.calls[3], 4, 6));
  EXPECT_EQ(canvas.calls[3].colour, 背景色);

  canvas.clear();
  form.駒移動(先手持駒列, 4, 5, 5, 先手_桂);  // row 4 of 先手's stand holds 桂
  EXPECT_EQ(form.局.先手持駒数[3], 1);
  EXPECT_EQ(文字(12, 4.2).at(0).text, " 1 ");
  EXPECT_TRUE(文字(0, 1.2).empty()) << "後手's stand is not redrawn";
  EXPECT_EQ(最後の絵(5, 5), PictureId::SITA_KEI_0);

  canvas.clear();
  form.駒移動(後手持駒列, 1, 5, 4, 後手_王);  // row 1 of 後手's stand holds 王
  EXPECT_EQ(form.局.後手持駒数[8], 0);
  EXPECT_EQ(最後の絵(-1, 1), PictureId::KARA_MASU);
  EXPECT_TRUE(文字(0, 1.2).empty()) << "an empty slot shows no count";
  EXPECT_TRUE(文字(12, 4.2).empty());
  EXPECT_EQ(最後の絵(5, 4), PictureId::UE_OU);
}

}  // namespace
}  // namespace brenvolt::testing
