#include <gtest/gtest.h>

#include <vector>

#include "grid/base/FileStringList.h"
#include "grid/base/IntList.h"
#include "grid/base/SortIndexList.h"
#include "platform/sys/Exceptions.h"

namespace {

struct Change {
  TObject* sender;
  int col;
  int row;
};

// A list bound to cell (2, 7) that records every OnChange.
struct IntListFixture : ::testing::Test {
  TIntList list{2, 7};
  std::vector<Change> changes;
  void SetUp() override {
    list.OnChange = [this](TObject* s, int c, int r) { changes.push_back({s, c, r}); };
  }
  std::vector<int> Values() const {
    std::vector<int> v;
    for (int i = 0; i < list.Count(); ++i) v.push_back(list.Items(i));
    return v;
  }
};

std::vector<std::pair<int, bool>> Entries(const TSortIndexList& l) {
  std::vector<std::pair<int, bool>> v;
  for (int i = 0; i < l.Count(); ++i) v.emplace_back(l.SortColumns(i), l.SortDirections(i));
  return v;
}

}  // namespace

TEST_F(IntListFixture, ChangesReportTheBoundCellInsertAndClearStayQuiet) {
  list.Add(3);
  list.Add(-1);
  list.SetItems(1, 9);
  list.Delete(0);
  ASSERT_EQ(changes.size(), 4u);
  EXPECT_EQ(changes[0].sender, &list);
  EXPECT_EQ(changes[0].col, 2);
  EXPECT_EQ(changes[0].row, 7);
  list.Insert(0, 5);
  list.DeleteValue(42);
  EXPECT_EQ(changes.size(), 4u);
  EXPECT_EQ(Values(), (std::vector<int>{5, 9}));
  list.Add(5);
  list.DeleteValue(5);  // first occurrence only
  EXPECT_EQ(Values(), (std::vector<int>{9, 5}));
  EXPECT_EQ(changes.size(), 6u);
  EXPECT_TRUE(list.HasValue(5));
  EXPECT_FALSE(list.HasValue(3));
}

TEST_F(IntListFixture, IndexesOutsideTheListRaise) {
  list.Add(1);
  EXPECT_THROW(list.Items(1), EListError);
  EXPECT_THROW(list.SetItems(-1, 0), EListError);
  EXPECT_THROW(list.Delete(1), EListError);
  EXPECT_THROW(list.Insert(2, 0), EListError);
  list.Insert(1, 2);  // at the end is allowed
  EXPECT_EQ(Values(), (std::vector<int>{1, 2}));
}

TEST_F(IntListFixture, StrValueIsCommaText) {
  EXPECT_EQ(list.StrValue(), u"");
  list.Add(3);
  list.Add(-1);
  list.Add(12);
  EXPECT_EQ(list.StrValue(), u"3,-1,12");
  changes.clear();
  list.SetStrValue(u"4, 5");
  EXPECT_EQ(Values(), (std::vector<int>{4, 5}));
  EXPECT_EQ(changes.size(), 2u);
  list.SetStrValue(u"\"7\" 8,-2147483648");
  EXPECT_EQ(Values(), (std::vector<int>{7, 8, INT32_MIN}));
  list.SetStrValue(u"");
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(IntListFixture, StrValueKeepsTheItemsBeforeABadOne) {
  struct Case {
    String text;
    std::vector<int> kept;
  };
  const Case cases[] = {{u"1,x,3", {1}}, {u"1,2,", {1, 2}}, {u"0x10", {}}, {u"1,2147483648", {1}}};
  for (const auto& c : cases) {
    EXPECT_THROW(list.SetStrValue(c.text), EConvertError) << StringToUtf8(c.text);
    EXPECT_EQ(Values(), c.kept) << StringToUtf8(c.text);
  }
}

TEST(SortIndexList, DirectionLivesInBit31) {
  TSortIndexList l;
  l.AddIndex(3, false);
  EXPECT_EQ(static_cast<unsigned>(l.Items(0)), 0x80000003u);
  EXPECT_EQ(l.SaveToString(), u"d3");
  l.AddIndex(2, true);
  EXPECT_EQ(l.FindIndex(2), 1);
  EXPECT_EQ(l.FindIndex(3), 0);
  EXPECT_EQ(l.FindIndex(4), -1);
  l.SetSortColumns(0, 5);
  EXPECT_EQ(Entries(l), (std::vector<std::pair<int, bool>>{{5, false}, {2, true}}));
  l.SetSortDirections(0, true);
  l.SetSortDirections(1, false);
  EXPECT_EQ(Entries(l), (std::vector<std::pair<int, bool>>{{5, true}, {2, false}}));
}

TEST(SortIndexList, ToggleFiresOnChangeOnlyWhenFound) {
  TSortIndexList l;
  l.AddIndex(1, true);
  int changes = 0;
  l.OnChange = [&](TObject*, int, int) { ++changes; };
  l.ToggleIndex(9);
  EXPECT_EQ(changes, 0);
  l.ToggleIndex(1);
  EXPECT_EQ(changes, 1);
  EXPECT_FALSE(l.SortDirections(0));
  l.ToggleIndex(1);
  EXPECT_TRUE(l.SortDirections(0));
}

TEST(SortIndexList, TextForm) {
  struct Case {
    String text;
    std::vector<std::pair<int, bool>> entries;
    String saved;
  };
  const Case cases[] = {
      {u"u2;d0", {{2, true}, {0, false}}, u"u2;d0"},
      {u"u1;x;d7;U2", {{1, true}, {7, false}, {2, false}}, u"u1;d7;d2"},
      {u"", {}, u""},
      {u";;u;d", {}, u""},
      {u"uq;u 4;d5", {{5, false}}, u"d5"},           // unreadable numbers are skipped
      {u"u70000", {{70000, true}}, u"u4464"},        // only the low 16 bits are written
  };
  for (const auto& c : cases) {
    TSortIndexList l;
    l.AddIndex(99, true);
    l.LoadFromString(c.text);
    EXPECT_EQ(Entries(l), c.entries) << StringToUtf8(c.text);
    EXPECT_EQ(l.SaveToString(), c.saved) << StringToUtf8(c.text);
  }
}

TEST(FileStringList, WritesPiecesAndReadsLinesBack) {
  TFileStringList f;
  f.Write(u"a;");
  f.Write(u"b;");
  f.WriteLn(u"c");
  f.WriteLn(u"");
  EXPECT_EQ(f.Text(), u"a;b;c\r\n\r\n");
  f.Write(u"dropped");
  f.Reset();
  f.WriteLn(u"z");
  f.Reset();
  std::vector<String> read;
  while (!f.Eof()) {
    String s;
    f.ReadLn(s);
    read.push_back(s);
  }
  EXPECT_EQ(read, (std::vector<String>{u"a;b;c", u"", u"z"}));
  String s;
  EXPECT_THROW(f.ReadLn(s), EListError);
}
