#include "grid/model/FoldedTextSet.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

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

// Texts the caller keeps go in by view, a few looked up ahead; the repeats
// are reported in order, past the table's growth too.
TEST(FoldedTextSet, ViewsReportTheirRepeatsInOrder) {
  std::vector<String> texts = {u"abc", u"", u"ABC", u"\u00e4", u"\u00c4", u"", u"abd"};
  for (int i = 0; i < 500; ++i) texts.push_back(S("x" + std::to_string(i)));
  for (int i = 0; i < 500; ++i) texts.push_back(S("X" + std::to_string(i)));
  TFoldedTextSet set(1);
  std::vector<size_t> repeats;
  set.InsertEach(
      texts.size(), [&](size_t i) { return StringView(texts[i]); }, [&](size_t i) { repeats.push_back(i); });
  std::vector<size_t> expected = {2, 5};
  for (size_t i = 507; i < 1007; ++i) expected.push_back(i);
  EXPECT_EQ(repeats, expected);
  // Its entries are the caller's indexes: no other filling may follow.
  EXPECT_THROW(set.Insert(u"abe"), std::logic_error);
  EXPECT_THROW(set.InsertEach(1, [&](size_t) { return StringView(texts[0]); }, [](size_t) {}), std::logic_error);
}

}  // namespace
