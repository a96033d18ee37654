// Incremental search on a grid that is not edited: typed characters go to
// the row whose first data column starts with them; the text ends with the
// timer and with the key-ups of the moving keys.
#include <gtest/gtest.h>

#include "grid/base/Navigation.h"
#include "tests/grid/interact/MouseGridSupport.h"
#include "tests/support/GuiTest.h"

namespace {

struct SearchGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  testsupport::InputDriver Clock;  // the virtual clock

  SearchGrid() {
    Grid->SetColCount(3);
    Grid->SetRowCount(7);
    const char16_t* Names[] = {u"Alpha", u"Beta", u"bravo", u"Charlie", u"<b>Delta</b>", u"Dora"};
    for (int r = 1; r < Grid->RowCount(); ++r) Grid->SetCells(1, r, Names[r - 1]);
    Grid->Navigation()->SetAutoGotoWhenSorted(true);
    Show();
    Grid->SetRow(1);
  }
  void Tick(unsigned Count) {
    Clock.Advance(500 * Count);
    Input.Pump();
  }
};

TEST_F(SearchGrid, EachCharacterStartsANewSearchWithoutIncremental) {
  struct Case {
    const char16_t* Typed;
    int Row;
    const char16_t* Text;
  };
  const Case Cases[] = {
      {u"b", 2, u"b"},  // case does not matter
      {u"c", 4, u"c"},
      {u"x", 4, u""},   // no row: the row stays, the text goes
      {u"d", 5, u"d"},  // the tags of a cell are not searched
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(testing::Message() << std::string(C.Typed, C.Typed + 1));
    Input.Type(C.Typed);
    EXPECT_EQ(C.Row, Grid->Row());
    EXPECT_EQ(C.Text, Grid->SearchInc());
  }
  EXPECT_FALSE(Grid->EditorMode());
}

TEST_F(SearchGrid, IncrementalSearchExtendsTheTextAndBackspaceShortensIt) {
  Grid->Navigation()->SetAutoGotoIncremental(true);
  struct Case {
    WORD Key;
    int Row;
    const char16_t* Text;
  };
  const Case Cases[] = {
      {'B', 2, u"b"}, {'R', 3, u"br"}, {VK_BACK, 2, u"b"}, {VK_BACK, 2, u""},
      {'D', 5, u"d"}, {'O', 6, u"do"}, {'X', 6, u""},
  };
  int step = 0;
  for (const Case& C : Cases) {
    SCOPED_TRACE(step++);
    Input.Key(C.Key);
    EXPECT_EQ(C.Row, Grid->Row());
    EXPECT_EQ(C.Text, Grid->SearchInc());
  }
}

TEST_F(SearchGrid, TheTextEndsOnTheFourthTickAfterTheLastCharacter) {
  Grid->Navigation()->SetAutoGotoIncremental(true);
  Input.Type(u"b");
  Tick(3);
  Input.Type(u"r");
  EXPECT_EQ(u"br", Grid->SearchInc()) << "a character restarts the count";
  EXPECT_EQ(3, Grid->Row());
  Tick(3);
  EXPECT_EQ(u"br", Grid->SearchInc());
  Tick(1);
  EXPECT_EQ(u"", Grid->SearchInc());
  Input.Type(u"c");
  EXPECT_EQ(4, Grid->Row()) << "a new search";
}

TEST_F(SearchGrid, TheKeyUpsOfMovingKeysEndTheTextButNotHome) {
  Grid->Navigation()->SetAutoGotoIncremental(true);
  struct Case {
    WORD Key;
    bool Ends;
  };
  const Case Cases[] = {{VK_PRIOR, true}, {VK_NEXT, true}, {VK_END, true},   {VK_LEFT, true},
                        {VK_UP, true},    {VK_RIGHT, true}, {VK_DOWN, true}, {VK_INSERT, true},
                        {VK_DELETE, true}, {VK_HOME, false}, {VK_SHIFT, false}};
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Key);
    Grid->SetSearchInc(String());
    Input.Type(u"c");
    Input.KeyDown(C.Key);
    EXPECT_EQ(u"c", Grid->SearchInc()) << "not at the key-down";
    Input.KeyUp(C.Key);
    EXPECT_EQ(C.Ends ? u"" : u"c", Grid->SearchInc());
  }
}

TEST_F(SearchGrid, AnEditedGridTypesIntoTheEditorInstead) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
  Grid->SetCol(2);
  Input.Type(u"c");
  EXPECT_EQ(1, Grid->Row());
  EXPECT_EQ(u"", Grid->SearchInc());
  EXPECT_TRUE(Grid->EditorMode());
}

}  // namespace
