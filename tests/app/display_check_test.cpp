#include "app/display_check.h"

#include <gtest/gtest.h>

namespace brenvolt {
namespace {

TEST(DisplayCheck, XWithoutDisplayHasNoWindow) {
  EXPECT_TRUE(表示先がない理由("", "", ""));
  EXPECT_TRUE(表示先がない理由("xcb", "", ""));
  EXPECT_TRUE(表示先がない理由("xcb", "", "wayland-0"));
  EXPECT_TRUE(表示先がない理由("wayland", ":0", ""));
}

TEST(DisplayCheck, AnyDisplayOrAScreenlessPlatformIsLeftToQt) {
  EXPECT_FALSE(表示先がない理由("", ":0", ""));
  EXPECT_FALSE(表示先がない理由("", "", "wayland-0"));
  EXPECT_FALSE(表示先がない理由("xcb", ":99", ""));
  EXPECT_FALSE(表示先がない理由("offscreen", "", ""));
  EXPECT_FALSE(表示先がない理由("wayland", "", "wayland-0"));
}

}  // namespace
}  // namespace brenvolt
