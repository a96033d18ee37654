#include <gtest/gtest.h>

#include "grid/base/MouseActions.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropLists.h"
#include "grid/model/SortSettings.h"
#include "tests/grid/interact/MouseGridSupport.h"

namespace {

// Column 1 "c a b d", column 2 "1 2 3 4" in rows 1..4; sortable headers.
struct HeaderGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  HeaderGrid() {
    Grid->SetOptions(Grid->Options() + TGridOptions{goColSizing});
    Grid->SetColCount(4);
    Grid->SetRowCount(5);
    Grid->SetDefaultColWidth(80);
    const char16_t* first[] = {u"c", u"a", u"b", u"d"};
    for (int r = 1; r < 5; ++r) {
      Grid->SetCells(1, r, first[r - 1]);
      Grid->SetCells(2, r, IntToStr(r));
    }
    Grid->SortSettings()->SetShow(true);
    Show();
  }
  String Column(int ACol) {
    String s;
    for (int r = 1; r < Grid->RowCount(); ++r) s += Grid->Cells(ACol, r);
    return s;
  }
};

TEST_F(HeaderGrid, HeaderClicksSortUpThenDownThenBack) {
  Grid->SortSettings()->SetUndoSort(true);
  std::vector<int> sorted;
  Grid->OnClickSort = [&](TObject*, int ACol) { sorted.push_back(ACol); };
  struct Step {
    const char* Name;
    const char16_t* Column2;
  };
  const Step Steps[] = {{"ascending", u"2314"}, {"descending", u"4132"}, {"unsorted", u"1234"}};
  for (const Step& S : Steps) {
    SCOPED_TRACE(S.Name);
    Click(1, 0);
    EXPECT_EQ(S.Column2, Column(2));
  }
  EXPECT_EQ((std::vector<int>{1, 1, -1}), sorted);
}

TEST_F(HeaderGrid, TheInitialDirectionComesFirst) {
  Grid->SortSettings()->SetInitSortDirection(sdDescending);
  Click(1, 0);
  EXPECT_EQ(u"dcba", Column(1));
}

TEST_F(HeaderGrid, TheIndexKeyAddsAColumnToTheSortIndexes) {
  Grid->SetCells(1, 4, u"c");  // rows 1 and 4 tie on column 1
  Grid->SortSettings()->SetIndexShow(true);
  Click(1, 0);
  EXPECT_EQ(u"abcc", Column(1));
  Input.Click(*Grid, Centre(2, 0), TShiftState(ssShift));
  ASSERT_EQ(2, Grid->SortIndexes()->Count());
  EXPECT_EQ(u"2314", Column(2)) << "the tie broken by column 2, ascending";
  Input.Click(*Grid, Centre(2, 0), TShiftState(ssShift));
  EXPECT_EQ(u"2341", Column(2)) << "column 2 turned round";
  EXPECT_EQ(u"abcc", Column(1));
  Click(2, 0);
  EXPECT_EQ(1, Grid->SortIndexes()->Count()) << "without the key the column alone";
  EXPECT_EQ(2, Grid->SortSettings()->Column());
}

TEST_F(HeaderGrid, NoSortWhere) {
  struct Case {
    const char* Name;
    std::function<void()> Act;
  };
  Grid->SetRowCount(2);
  Click(1, 0);
  EXPECT_EQ(-1, Grid->SortSettings()->Column()) << "two rows";
  Grid->SetRowCount(5);
  Grid->SetCells(1, 1, u"c");
  const TRect header = Grid->CellRect(1, 0);
  const int mid = (header.Top + header.Bottom) / 2;
  const Case Cases[] = {
      {"refused by OnCanSort",
       [&] {
         Grid->OnCanSort = [](TObject*, int, bool& DoSort) { DoSort = false; };
         Click(1, 0);
         Grid->OnCanSort = nullptr;
       }},
      {"near a border", [&] { Input.Click(*Grid, Point(header.Right - 2, mid)); }},
      {"after a border drag", [&] { Input.Drag(*Grid, Point(header.Right, mid), Point(header.Right + 20, mid)); }},
      {"a data cell", [&] { Click(1, 2); }},
      {"sorting off",
       [&] {
         Grid->SortSettings()->SetShow(false);
         Click(1, 0);
         Grid->SortSettings()->SetShow(true);
       }},
  };
  for (const Case& C : Cases) {
    SCOPED_TRACE(C.Name);
    const String before = Column(1);
    C.Act();
    EXPECT_EQ(before, Column(1));
    EXPECT_EQ(-1, Grid->SortSettings()->Column());
  }
}

TEST_F(HeaderGrid, ABorderDoubleClickSizesTheColumnAndDoesNotSort) {
  Grid->SetCells(1, 3, u"a text much wider than eighty pixels");
  std::vector<int> sized;
  Grid->OnEndColumnSize = [&](TObject*, int ACol) { sized.push_back(ACol); };
  const TRect header = Grid->CellRect(1, 0);
  Input.DoubleClick(*Grid, Point(header.Right - 1, (header.Top + header.Bottom) / 2));
  EXPECT_GT(Grid->ColWidths(1), 80);
  EXPECT_EQ((std::vector<int>{1}), sized);
  EXPECT_EQ(-1, Grid->SortSettings()->Column());
  EXPECT_EQ(u"c", Grid->Cells(1, 1));
}

TEST_F(HeaderGrid, ASizingReleasedRightOfTheGridIsCancelled) {
  const TRect header = Grid->CellRect(3, 0);
  const int mid = (header.Top + header.Bottom) / 2;
  Input.Drag(*Grid, Point(header.Right, mid), Point(Grid->ClientWidth() + 30, mid));
  EXPECT_EQ(80, Grid->ColWidths(3));
  Input.Drag(*Grid, Point(header.Right, mid), Point(header.Right + 30, mid));
  EXPECT_EQ(110, Grid->ColWidths(3)) << "released inside, the size holds";
}

// The filter row's button opens the column's list of the filter entries.
struct FilterRowGrid : HeaderGrid {
  FilterRowGrid() {
    Grid->SortSettings()->SetShow(false);
    Grid->SetFilterDropDownAuto(true);
    Grid->OnGetColumnFilter = [](TObject*, int, TStrings* Filter) {
      Filter->Clear();
      Filter->Add(u"Low=<2");
      Filter->Add(u"all c=c");
    };
  }
  TPoint Button(int ACol) {
    const TRect r = Grid->CellRect(ACol, 0);
    return Point(r.Right - 8, r.Top + 8);
  }
};

TEST_F(FilterRowGrid, TheButtonOpensThePlainListAndAClickElsewhereClosesIt) {
  Input.Click(*Grid, Button(1));
  TDropList* list = Grid->FilterDropList();
  ASSERT_TRUE(list->Visible());
  EXPECT_EQ(2, list->Items().Count());
  EXPECT_EQ(u"Low", list->Items().Strings(0));
  EXPECT_EQ(0, list->ItemIndex());
  EXPECT_EQ(1, Grid->FilterCol());
  Click(2, 2);
  EXPECT_FALSE(list->Visible());
  EXPECT_EQ(-1, Grid->FilterCol());
}

TEST_F(FilterRowGrid, TheCheckListTicksTheColumnsConditions) {
  Grid->SetFilterDropDownCheck(true);
  TFilterData* d = Grid->Filter()->Add();
  d->SetColumn(1);
  d->SetCondition(u"\"all c\"");
  Input.Click(*Grid, Button(1));
  TDropCheckList* list = Grid->FilterDropCheckList();
  ASSERT_TRUE(list->Visible());
  ASSERT_EQ(2, list->Items().Count());
  EXPECT_FALSE(list->Checked(0));
  EXPECT_TRUE(list->Checked(1)) << "an entry with a blank is compared in quotes";
}

}  // namespace
