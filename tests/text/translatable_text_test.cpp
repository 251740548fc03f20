#include "text/translatable_text.h"

#include <gtest/gtest.h>

namespace brenvolt {
namespace {

TEST(TranslatableText, JapaneseFillsEachPlaceHolderOnceWithItsArgumentInJapanese) {
  const TranslatableText where =
      箱の文("%1行目 %2手目 %3", {そのまま("3"), そのまま("12"), そのまま("7g7f")});
  EXPECT_EQ(箱の文("%1: %2", {where, 箱の文("二歩")}).japanese(), "3行目 12手目 7g7f: 二歩");
  // The arguments go in by number, whatever their order in the pattern.
  EXPECT_EQ(箱の文("%2 と %1", {そのまま("a"), そのまま("b")}).japanese(), "b と a");
  // An argument's own "%1" is never filled again, and a literal is never filled at all.
  EXPECT_EQ(箱の文("「%1」(%2)", {そのまま("/tmp/%1.wav"), そのまま("%2")}).japanese(),
            "「/tmp/%1.wav」(%2)");
  EXPECT_EQ(そのまま("100%1").japanese(), "100%1");
  // A place holder without an argument, and a lone % at the end, stay as they are.
  EXPECT_EQ(箱の文("%1 %2 %", {そのまま("x")}).japanese(), "x %2 %");
  EXPECT_TRUE(TranslatableText().empty());
  EXPECT_TRUE(そのまま("x").isLiteral());
  EXPECT_EQ(盤の文("六").context(), 文脈_盤);
}

}  // namespace
}  // namespace brenvolt
