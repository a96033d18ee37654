// What a choice in a column's filter drop-down does, and the two lists as a
// user meets them: keys, clicks and a click elsewhere through the toolkit.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/base/NoActiveForm.h"
#include "grid/model/AdvColumnGrid.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropLists.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/SystemInputDriver.h"

namespace {

// Column 1 holds numbers 1..6 in rows 1..6; column 0 the row number.
void FillNumbers(TAdvStringGrid& G) {
  G.SetColCount(3);
  G.SetRowCount(7);
  for (int r = 1; r < 7; ++r) {
    G.SetCells(0, r, IntToStr(r));
    G.SetCells(1, r, IntToStr(r));
    G.SetCells(2, r, r % 2 ? u"odd" : u"even");
  }
}

std::vector<int> Shown(TAdvStringGrid& G) {
  std::vector<int> rows;
  for (int d = G.FixedRows(); d < G.RowCount(); ++d) rows.push_back(StrToIntDef(G.Cells(0, d), -1));
  return rows;
}

// The list the drop-down of column 1 offers (a sorted list): the clear
// entry and two named conditions.
void OfferEntries(TAdvStringGrid& G) {
  G.OnGetColumnFilter = [](TObject*, int, TStrings* List) {
    List->Clear();
    for (const char16_t* e : {u"(All)", u"Small=<3", u"Tall=>4"}) List->Add(e);
  };
  G.FillColumnFilterList(1);
}

TEST(FilterListSelect, NamedConditionsTheClearEntryAndOutOfRangeChoices) {
  TAdvStringGrid g(nullptr);
  FillNumbers(g);
  OfferEntries(g);
  std::vector<String> names;
  g.OnFilterSelect = [&](TObject*, int Col, int, const String& Name, String& Condition) {
    EXPECT_EQ(Col, 1);
    names.push_back(Name + u"|" + Condition);
  };
  int done = 0;
  g.OnFilterDone = [&](TObject*) { ++done; };
  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 1);
  EXPECT_EQ(Shown(g), (std::vector<int>{1, 2}));
  EXPECT_EQ(g.Filter()->ColumnFilter(1)->Condition(), u"<3");
  EXPECT_TRUE(g.FilterActive());
  EXPECT_EQ(g.Row(), 1);
  EXPECT_EQ(g.FilterCol(), -1);
  EXPECT_EQ(done, 1);

  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 2);
  EXPECT_EQ(Shown(g), (std::vector<int>{5, 6})) << "the choice replaces the column's condition";
  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 0);
  EXPECT_FALSE(g.Filter()->HasFilter(1));
  EXPECT_EQ(Shown(g), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  EXPECT_EQ(names, (std::vector<String>{u"Small|<3", u"Tall|>4", u"(All)|"}));

  for (const auto& [col, index] : {std::pair{1, 3}, {1, -1}, {5, 1}, {-1, 1}}) {
    g.SetFilterCol(col);
    g.FilterListSelect(nullptr, index);
    EXPECT_EQ(g.FilterCol(), -1);
  }
  EXPECT_EQ(names.size(), 3u) << "out-of-range choices are ignored";
}

TEST(FilterListSelect, WithoutAutoUpdateOnlyTheConditionIsStored) {
  TAdvStringGrid g(nullptr);
  FillNumbers(g);
  OfferEntries(g);
  g.SetAutoFilterUpdate(false);
  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 1);
  EXPECT_EQ(g.Filter()->ColumnFilter(1)->Condition(), u"<3");
  EXPECT_FALSE(g.FilterActive());
  EXPECT_EQ(g.RowCount(), 7);
}

TEST(FilterListSelect, TheColumnGridChoosesFromTheColumnsOwnEntries) {
  TAdvColumnGrid g(nullptr);
  FillNumbers(g);
  TGridColumnItem& item = *g.Columns()->Items(1);
  item.Filter()->Add(u"Big=>3");
  item.Filter()->Add(u"Everything=");
  item.SetFilterCaseSensitive(true);
  g.SetAutoFilterDisplay(true);
  g.FillColumnFilterList(1);
  EXPECT_EQ(g.FilterList()->Text(), u"Big\r\nEverything\r\n");
  std::vector<String> names;
  g.OnFilterSelect = [&](TObject*, int, int, const String& Name, String&) { names.push_back(Name); };
  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 0);
  EXPECT_EQ(Shown(g), (std::vector<int>{4, 5, 6}));
  EXPECT_EQ(item.Header(), u"Big");
  EXPECT_TRUE(g.Filter()->ColumnFilter(1)->CaseSensitive());
  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 1);
  EXPECT_EQ(Shown(g), (std::vector<int>{1, 2, 3, 4, 5, 6}));
  ASSERT_TRUE(g.Filter()->HasFilter(1)) << "an empty condition is stored";
  EXPECT_EQ(g.Filter()->ColumnFilter(1)->Condition(), u"");
  g.SetFilterCol(1);
  g.FilterListSelect(nullptr, 2);
  EXPECT_EQ(names, (std::vector<String>{u"Big", u"Everything"}));
  EXPECT_EQ(g.FilterCol(), -1);
}

TEST(FilterDropDownRow, OnlyAFixedRowShowsTheGlyph) {
  TAdvStringGrid g(nullptr);
  g.SetFixedRows(2);
  g.SetFilterDropDownRow(1);
  EXPECT_EQ(g.FilterDropDownRow(), 1);
  g.SetFilterDropDownRow(2);
  g.SetFilterDropDownRow(-1);
  EXPECT_EQ(g.FilterDropDownRow(), 1);
}

// A grid on a shown form with an edit beside it, the drop-down of column 1
// open below the header.
struct DropDownOnAForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form.get());
  TEdit* Other = new TEdit(Form.get());
  testsupport::SystemInputDriver Input;

  DropDownOnAForm() {
    Form->SetBounds(40, 40, 520, 340);
    Grid->SetParent(Form.get());
    Grid->SetBounds(10, 10, 300, 300);
    Other->SetParent(Form.get());
    Other->SetBounds(330, 10, 150, 24);
    FillNumbers(*Grid);
    OfferEntries(*Grid);
    Form->Show();
    Input.Pump();
  }
  template <class List>
  List& Open(List* L) {
    for (int i = 0; i < Grid->FilterList()->Count(); ++i) L->Items().Add(Grid->FilterList()->Strings(i));
    L->SetBounds(70, 20, 150, 120);
    L->SetVisible(true);
    Grid->SetFilterCol(1);
    Input.Pump();
    L->SetFocus();
    Input.Pump();
    return *L;
  }
  TPoint EntryCentre(const TListBox& L, int Index) {
    const TRect r = L.ItemRect(Index);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
};

TEST(FilterDropList, EnterTakesTheSelectedEntry) {
  DropDownOnAForm f;
  TDropList& list = f.Open(f.Grid->FilterDropList());
  list.SetItemIndex(1);
  f.Input.Key(VK_RETURN);
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(Shown(*f.Grid), (std::vector<int>{1, 2}));
  EXPECT_EQ(f.Grid->FilterCol(), -1);
}

TEST(FilterDropList, AClickOnAnEntryTakesIt) {
  DropDownOnAForm f;
  TDropList& list = f.Open(f.Grid->FilterDropList());
  f.Input.Click(list, f.EntryCentre(list, 2));
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(Shown(*f.Grid), (std::vector<int>{5, 6}));
}

TEST(FilterDropList, AClickElsewhereClosesItWithoutAChoice) {
  DropDownOnAForm f;
  TDropList& list = f.Open(f.Grid->FilterDropList());
  list.SetItemIndex(1);
  f.Input.Click(*f.Other);
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(f.Grid->FilterCol(), -1);
  EXPECT_EQ(f.Grid->Filter()->Count(), 0);
  EXPECT_EQ(f.Grid->RowCount(), 7);
}

TEST(FilterDropCheckList, EachToggleRebuildsTheFilterAndTheListStaysOpen) {
  DropDownOnAForm f;
  TDropCheckList& list = f.Open(f.Grid->FilterDropCheckList());
  std::vector<String> checked;
  f.Grid->OnFilterCheck = [&](TObject*, int, int Index, const String& Name, String& Condition, TCheckListBox* L) {
    EXPECT_EQ(L, &list);
    checked.push_back(IntToStr(Index) + Name + u"|" + Condition);
  };
  const auto box = [&](int Index) { return Point(list.ItemRect(Index).Left + 9, f.EntryCentre(list, Index).Y); };
  f.Input.Click(list, box(2));
  ASSERT_TRUE(list.Checked(2));
  EXPECT_EQ(Shown(*f.Grid), (std::vector<int>{5, 6}));
  f.Input.Click(list, box(1));
  EXPECT_EQ(Shown(*f.Grid), (std::vector<int>{1, 2, 5, 6}));
  ASSERT_EQ(f.Grid->Filter()->Count(), 2);
  EXPECT_EQ(f.Grid->Filter()->Items(0)->Operation(), foNONE);
  EXPECT_EQ(f.Grid->Filter()->Items(1)->Operation(), foOR);
  EXPECT_EQ(checked, (std::vector<String>{u"2Tall|>4", u"1Small|<3", u"2Tall|>4"}));
  EXPECT_TRUE(list.Visible());
  EXPECT_EQ(f.Grid->FilterCol(), 1);
  f.Input.Click(*f.Other);
  EXPECT_FALSE(list.Visible());
  EXPECT_EQ(f.Grid->FilterCol(), -1);
  EXPECT_EQ(Shown(*f.Grid), (std::vector<int>{1, 2, 5, 6})) << "closing keeps the filter";
}

TEST(NoActiveForm, ShownAndClickedItLeavesTheGridsFormActive) {
  DropDownOnAForm f;
  f.Grid->SetFocus();
  f.Input.Pump();
  TNoActiveForm copy(nullptr);
  copy.SetBounds(400, 300, 120, 80);
  copy.ShowNoActivate();
  f.Input.Pump();
  EXPECT_TRUE(copy.Visible());
  EXPECT_EQ(Screen->ActiveForm(), f.Form.get());
  f.Input.Click(copy, Point(60, 40));
  EXPECT_EQ(Screen->ActiveForm(), f.Form.get());
  EXPECT_TRUE(f.Form->CaptionActive());
  EXPECT_TRUE(f.Grid->Focused());
  EXPECT_FALSE(copy.Active());
}

}  // namespace
