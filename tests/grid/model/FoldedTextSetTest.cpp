#include "grid/model/FoldedTextSet.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Only ASCII letters fold, as UpperCase does; the table grows past its guess.
TEST(FoldedTextSet, FoldsAsciiOnlyAndGrows) {
  TFoldedTextSet set(1);
  EXPECT_TRUE(set.Insert(u"abc"));
  EXPECT_FALSE(set.Insert(u"aBC"));
  EXPECT_TRUE(set.Insert(u"\u00e4b"));
  EXPECT_TRUE(set.Insert(u"\u00c4B"));
  EXPECT_TRUE(set.Insert(u""));
  EXPECT_FALSE(set.Insert(u""));
  for (int i = 0; i < 1000; ++i) EXPECT_TRUE(set.Insert(S("x" + std::to_string(i))));
  for (int i = 0; i < 1000; ++i) EXPECT_FALSE(set.Insert(S("X" + std::to_string(i))));
  EXPECT_FALSE(set.Insert(u"ABC"));
}

}  // namespace
