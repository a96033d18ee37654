#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/base/BackGround.h"
#include "grid/base/ControlLook.h"
#include "platform/gui/Forms.h"
#include "tests/grid/model/RepaintCountingGrid.h"

namespace {

TEST(AdvStringGridCreation, DefaultsOtherPartsRelyOn) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.RowCount(), 10);
  EXPECT_EQ(g.ColCount(), 5);
  EXPECT_EQ(g.FixedRows(), 1);
  EXPECT_EQ(g.FixedCols(), 1);
  EXPECT_EQ(g.DefaultRowHeight(), 22);
  EXPECT_EQ(g.FixedRowHeight(), 22);
  EXPECT_EQ(g.CheckTrue(), u"Y");
  EXPECT_EQ(g.CheckFalse(), u"N");
  EXPECT_EQ(g.FloatFormat(), u"%.2f");
  EXPECT_EQ(g.FilterDropDownClear(), u"(All)");
  EXPECT_EQ(g.DefaultEditor(), edNormal);
  EXPECT_EQ(g.DefaultAlignment(), taLeftJustify);
  EXPECT_EQ(g.VAlignment(), vtaTop);
  EXPECT_TRUE(g.WordWrap());
  EXPECT_FALSE(g.FixedRowAlways());
  EXPECT_EQ(g.NumHiddenColumns(), 0);
  EXPECT_EQ(g.NumHiddenRows(), 0);
  for (int c = 0; c <= 512; ++c) ASSERT_TRUE(g.VisibleColumns().GetVisibleCol(c)) << c;
  EXPECT_EQ(g.FixedFont()->Name(), u"Tahoma");
  EXPECT_TRUE(g.FixedFont()->Style().Contains(fsBold));
  EXPECT_TRUE(g.ActiveCellFont()->Style().Contains(fsBold));
  EXPECT_EQ(g.SelectionColor(), TColor(0xEACAB6));
  EXPECT_EQ(g.ActiveCellColor(), clGray);
  EXPECT_EQ(g.BorderColor(), TColor(0xB99D7F)) << "our platform is later than XP";
  EXPECT_EQ(g.ZEVGradient(fgFrom), clWhite);
  EXPECT_EQ(g.ZEVGradient(fgTo), ColorToRGB(clBtnFace));
  EXPECT_TRUE(g.FilterList()->Sorted());
  EXPECT_EQ(g.ControlLook()->ControlStyle(), csTheme);
  EXPECT_EQ(g.BackGround()->Display(), bdTile);
  EXPECT_EQ(GridAnchorCursor, crHandPoint);
  EXPECT_TRUE(AdvGridUnitInitialized());
}

TEST(AdvStringGridCreation, SettingsSetterCopiesIntoTheGridsOwnObject) {
  TAdvStringGrid g(nullptr);
  TAdvStringGrid other(nullptr);
  TControlLook* own = g.ControlLook();
  other.ControlLook()->SetCheckSize(21);
  g.SetControlLook(*other.ControlLook());
  EXPECT_EQ(g.ControlLook(), own);
  EXPECT_EQ(own->CheckSize(), 21);
}

TEST(AdvStringGridCreation, LookChangesRepaintAndGradientsReachTheGrid) {
  TRepaintCountingGrid g(nullptr);
  const int before = g.Repaints;
  g.ControlLook()->SetFixedGradientFrom(clRed);
  g.ControlLook()->SetFixedGradientTo(clNone);
  EXPECT_EQ(g.ZEVGradient(fgFrom), clRed);
  EXPECT_EQ(g.ZEVGradient(fgTo), ColorToRGB(clBtnFace)) << "clNone leaves the grid's colour";
  g.BackGround()->SetColor(clBlue);
  EXPECT_GT(g.Repaints, before);
}

// ---- index spaces and dimensions

TEST(AdvStringGridIndexes, HiddenStorageColumnShiftsTheMapping) {
  TAdvStringGrid g(nullptr);
  g.VisibleColumns().SetVisibleCol(1, false);
  g.SetColCount(4);
  EXPECT_EQ(g.AllColCount(), 5);
  EXPECT_EQ(g.TotalColCount(), 5);
  EXPECT_EQ(g.RealColIndex(1), 2);
  EXPECT_EQ(g.RealColIndex(3), 4);
  EXPECT_EQ(g.DisplColIndex(4), 3);
  EXPECT_EQ(g.DisplColIndex(1), 1);
  EXPECT_EQ(g.RealColIndex(-1), 0);
  g.SetCol(2);
  EXPECT_EQ(g.RealCol(), 3);
}

TEST(AdvStringGridIndexes, RaisingAndLoweringCountsKeepsCells) {
  TAdvStringGrid g(nullptr);
  g.SetCells(2, 3, u"kept");
  g.SetCells(1, 8, u"dropped");
  g.SetColors(1, 8, clRed);
  g.SetRowCount(20);
  g.SetColCount(9);
  EXPECT_EQ(g.Cells(2, 3), u"kept");
  EXPECT_EQ(g.Cells(1, 8), u"dropped");
  g.SetRowCount(5);
  g.SetColCount(3);
  EXPECT_EQ(g.Cells(2, 3), u"kept");
  g.SetRowCount(10);
  EXPECT_EQ(g.Cells(1, 8), u"") << "lowered rows come back empty";
  EXPECT_EQ(g.Colors(1, 8), clNone);
  EXPECT_EQ(g.MaxRowCount(), 20);
  EXPECT_EQ(g.MaxColCount(), 9);
}

TEST(AdvStringGridIndexes, FixedRowAlwaysKeepsTheMinimum) {
  TAdvStringGrid g(nullptr);
  g.SetFixedRowAlways(true);
  g.SetRowCount(3);
  g.SetFixedRows(5);
  EXPECT_EQ(g.FixedRows(), 2);
  EXPECT_EQ(g.FixedRowsMin(), 5);
  g.SetRowCount(6);
  EXPECT_EQ(g.FixedRows(), 5);
  g.SetFixedRows(0);
  EXPECT_EQ(g.FixedRows(), 1) << "reads 1 while the platform has none";
}

TEST(AdvStringGridIndexes, TopRowOutsideTheScrollableRowsIsIgnored) {
  TAdvStringGrid g(nullptr);
  g.SetViewSize(400, 100);
  g.SetTopRow(3);
  const int top = g.TopRow();
  g.SetTopRow(0);
  g.SetTopRow(10);
  EXPECT_EQ(g.TopRow(), top);
}

TEST(AdvStringGridIndexes, RowFiresRowUpdateWithOldAndNewRow) {
  TAdvStringGrid g(nullptr);
  std::vector<std::pair<int, int>> calls;
  g.OnRowUpdate = [&](TObject*, int OldRow, int NewRow) { calls.push_back({OldRow, NewRow}); };
  g.SetRow(3);
  g.SetRow(3);
  g.SetRow(5);
  EXPECT_EQ(calls, (std::vector<std::pair<int, int>>{{-1, 3}, {3, 5}}));
}

// ---- cells by real row

struct HiddenRowGrid : ::testing::Test {
  TAdvStringGrid G{nullptr};
  // Parks real row 3 in the hidden-row store with entries made when the
  // grid had only Entries columns.
  void HideRow3(int Entries) {
    TGridItem* item = G.GridItems().AddItem();
    item->SetIdx(3);
    for (int c = 0; c < Entries; ++c) item->Items().Add(u"h" + IntToStr(c));
  }
};

TEST_F(HiddenRowGrid, RealRowsReadTheStoreOrTheShownRow) {
  HideRow3(5);
  G.SetCells(2, 3, u"shown row 4");
  EXPECT_EQ(G.AllCells(2, 3), u"h2");
  EXPECT_EQ(G.AllCells(2, 4), u"shown row 4");
  EXPECT_EQ(G.AllCells(-1, 4), u"");
  EXPECT_EQ(G.AllRowCount(), 11);
  EXPECT_EQ(G.RealRowIndex(3), 4);
  EXPECT_EQ(G.DisplRowIndex(4), 3);
}

// Entries made before columns were added read as empty, not as a failure.
TEST_F(HiddenRowGrid, ShortEntryListReadsEmptyAndNoObject) {
  HideRow3(2);
  EXPECT_EQ(G.AllCells(4, 3), u"");
  EXPECT_EQ(G.AllGridCells(4, 3), u"");
  EXPECT_EQ(G.AllObjects(4, 3), nullptr);
  EXPECT_EQ(G.GetGridObjectEx(4, 3), nullptr);
  G.SetFilterDropDownAuto(true);
  EXPECT_TRUE(G.FillColumnFilterList(4));
}

TEST_F(HiddenRowGrid, WritingPastTheEntriesExtendsThem) {
  HideRow3(5);
  G.SetAllCells(7, 3, u"x");
  const auto& entries = G.GridItems().Item(0)->Items();
  ASSERT_EQ(entries.Count(), 8);
  EXPECT_EQ(entries.Strings(5), u"");
  EXPECT_EQ(entries.Strings(6), u"");
  EXPECT_EQ(G.AllCells(7, 3), u"x");
}

TEST_F(HiddenRowGrid, ObjectsOfHiddenRowsLiveInTheirRecords) {
  HideRow3(3);
  TPersistent userObject;
  G.SetAllObjects(1, 3, &userObject);
  EXPECT_EQ(G.AllObjects(1, 3), &userObject);
  EXPECT_NE(dynamic_cast<TCellProperties*>(G.GetGridObjectEx(1, 3)), nullptr);
  G.SetAllObjects(1, 5, &userObject);
  EXPECT_EQ(G.Objects(1, 4), &userObject);
}

TEST(AdvStringGridCells, CellsByStorageColumnRepaintTheirDisplayedCell) {
  TAdvStringGrid g(nullptr);
  g.VisibleColumns().SetVisibleCol(1, false);
  g.SetColCount(4);
  g.SetAllCells(3, 2, u"storage 3");
  EXPECT_EQ(g.Cells(3, 2), u"storage 3");
  g.SetAllColWidths(1, 40);
  EXPECT_EQ(g.AllColWidths(1), 40);
  g.SetAllColWidths(2, 55);
  EXPECT_EQ(g.ColWidths(1), 55);
}

TEST(AdvStringGridCells, ReadingLooksCreatesNoRecord) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.Colors(2, 2), clNone);
  EXPECT_EQ(g.FontColors(2, 2), clNone);
  EXPECT_EQ(g.FontSizes(2, 2), 0);
  EXPECT_EQ(g.FontNames(2, 2), u"");
  EXPECT_FALSE(g.ReadOnly(2, 2));
  EXPECT_EQ(g.GridObjects(2, 2), nullptr);
  g.SetColors(2, 2, clRed);
  EXPECT_EQ(g.Colors(2, 2), clRed);
  EXPECT_NE(g.GridObjects(2, 2), nullptr);
}

// Resetting a row colour keeps what else the records hold.
TEST(AdvStringGridCells, RowColourResetKeepsFlagsAndFreesOnlyPlainRecords) {
  TAdvStringGrid g(nullptr);
  g.SetRowColor(2, clRed);
  g.SetReadOnly(3, 2, true);
  g.SetFontSizes(4, 2, 14);
  g.SetRowColor(2, clNone);
  EXPECT_EQ(g.GridObjects(2, 2), nullptr) << "a record with nothing else goes";
  ASSERT_NE(g.GridObjects(3, 2), nullptr);
  EXPECT_TRUE(g.ReadOnly(3, 2));
  EXPECT_EQ(g.Colors(3, 2), clNone);
  EXPECT_EQ(g.FontSizes(4, 2), 14);
  g.MergeCells(1, 5, 2, 1);
  g.SetRowColorTo(5, clBlue);
  g.SetRowColorTo(5, clNone);
  EXPECT_TRUE(g.IsMergedCell(2, 5)) << "the merge survives";
  g.SetRowFontColor(6, clRed);
  g.SetColors(2, 6, clYellow);
  g.SetRowFontColor(6, clNone);
  EXPECT_EQ(g.Colors(2, 6), clYellow);
  EXPECT_EQ(g.FontColors(2, 6), clNone);
  EXPECT_EQ(g.GridObjects(3, 6), nullptr);
}

// Each look set on a cell of the row survives resetting the row's colour.
TEST(AdvStringGridCells, RowColourResetKeepsEveryLookSetOnACell) {
  struct Case {
    const char* Name;
    std::function<void(TAdvStringGrid&)> Set;
    std::function<bool(TAdvStringGrid&)> Kept;
  };
  const Case Cases[] = {
      {"alignment", [](auto& g) { g.SetAlignments(2, 1, taRightJustify); },
       [](auto& g) { return g.Alignments(2, 1) == taRightJustify; }},
      {"word wrap", [](auto& g) { g.SetWordWraps(2, 1, !g.WordWrap()); },
       [](auto& g) { return g.WordWraps(2, 1) != g.WordWrap(); }},
  };
  for (const Case& c : Cases) {
    SCOPED_TRACE(c.Name);
    TAdvStringGrid g(nullptr);
    g.SetRowColor(1, clRed);
    c.Set(g);
    g.SetRowColor(1, clNone);
    EXPECT_TRUE(c.Kept(g));
    EXPECT_EQ(g.Colors(2, 1), clNone);
    EXPECT_EQ(g.GridObjects(3, 1), nullptr) << "the plain cell's record still goes";
  }
}

TEST(AdvStringGridCells, RichTextKeepsTheStreamBytesSoItIsRecognised) {
  const std::string rtf = "{\\rtf1\\ansi hello}";
  const TBytes bytes(rtf.begin(), rtf.end());
  const String text = TAdvStringGrid::RTFBytesToCellText(bytes);
  EXPECT_EQ(text.substr(0, 5), u"{\\rtf");
  EXPECT_EQ(TAdvStringGrid::CellTextToRTFBytes(text), bytes);
  // The older form: UTF-16 with a byte-order mark, a character a byte.
  String old = {0xFF, 0xFE};
  for (char ch : rtf) {
    old.push_back(static_cast<char16_t>(ch));
    old.push_back(0);
  }
  EXPECT_EQ(TAdvStringGrid::CellTextToRTFBytes(old), bytes);
}

TEST(AdvStringGridCells, UnSortedCellsFollowTheCrossReference) {
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 2, u"two");
  EXPECT_EQ(g.UnSortedCells(1, 2), u"two");
  EXPECT_EQ(g.UnSortedRowIndex(4), 4);
  EXPECT_EQ(g.SortedRowIndex(4), 4);
}

// ---- hooks: default, then the event decides; argument orders

TEST(AdvStringGridHooks, EventsGetTheirArgumentsInTheirOrder) {
  TAdvStringGrid g(nullptr);
  std::vector<std::string> got;
  auto rec = [&](std::string name, int a, int b) {
    got.push_back(name + ":" + std::to_string(a) + "," + std::to_string(b));
  };
  g.OnCanEditCell = [&](TObject*, int ARow, int ACol, bool&) { rec("canedit", ARow, ACol); };
  g.OnComboCloseUp = [&](TObject*, int ARow, int ACol) { rec("closeup", ARow, ACol); };
  g.OnComboDropDown = [&](TObject*, int ARow, int ACol) { rec("dropdown", ARow, ACol); };
  g.OnButtonClick = [&](TObject*, int ACol, int ARow) { rec("button", ACol, ARow); };
  g.OnIsPasswordCell = [&](TObject*, int ARow, int ACol, bool&) { rec("password", ARow, ACol); };
  g.OnGetWordWrap = [&](TObject*, int ACol, int ARow, bool&) { rec("wrap", ACol, ARow); };
  g.OnGetAlignment = [&](TObject*, int ARow, int ACol, TAlignment&, TVAlignment&) {
    rec("align", ARow, ACol);
  };
  g.OnGetCellColor = [&](TObject*, int ARow, int ACol, TGridDrawState, TBrush*, TFont*) {
    rec("color", ARow, ACol);
  };
  g.OnGetCellBorder = [&](TObject*, int ARow, int ACol, TPen*, TCellBorders&) {
    rec("border", ARow, ACol);
  };
  bool b = true;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  TFont font;
  TBrush brush;
  TPen pen;
  TCellBorders borders;
  g.DoCanEditCell(1, 2, b);
  g.DoComboCloseUp(2, 1);
  g.DoComboDropDown(2, 1);
  g.DoButtonClick(1, 2);
  g.DoIsPasswordCell(1, 2, b);
  g.DoGetWordWrap(1, 2, b);
  g.DoGetAlignment(1, 2, ha, va);
  g.DoGetCellColor(1, 2, &font, &brush, {});
  g.DoGetCellBorder(1, 2, borders, &pen);
  EXPECT_EQ(got, (std::vector<std::string>{"canedit:2,1", "closeup:2,1", "dropdown:2,1",
                                           "button:1,2", "password:2,1", "wrap:1,2", "align:2,1",
                                           "color:2,1", "border:2,1"}));
}

TEST(AdvStringGridHooks, CheckTextsDefaultThenEvent) {
  TAdvStringGrid g(nullptr);
  String v;
  g.DoGetCheckTrue(1, 1, v);
  EXPECT_EQ(v, u"Y");
  g.DoGetCheckFalse(1, 1, v);
  EXPECT_EQ(v, u"N");
  g.OnGetCheckTrue = [](TObject*, int ACol, int, String& Value) {
    if (ACol == 2) Value = u"1";
  };
  g.DoGetCheckTrue(2, 1, v);
  EXPECT_EQ(v, u"1");
  g.DoGetCheckTrue(3, 1, v);
  EXPECT_EQ(v, u"Y");
}

TEST(AdvStringGridHooks, EditorQueries) {
  TAdvStringGrid g(nullptr);
  EXPECT_FALSE(g.HasNoEditor(1, 1));
  g.OnGetEditorType = [](TObject*, int ACol, int, TEditorType& AEditor) {
    if (ACol == 2) AEditor = edNone;
  };
  EXPECT_TRUE(g.HasNoEditor(2, 1));
  EXPECT_FALSE(g.HasNoEditor(3, 1));
  // Combo buttons shown always: every cell with the default combo editor.
  g.OnGetEditorType = nullptr;
  g.SetDefaultEditor(edComboList);
  EXPECT_FALSE(g.DoHasComboBox(1, 1));
  g.ControlLook()->SetDropDownAlwaysVisible(true);
  EXPECT_TRUE(g.DoHasComboBox(1, 1));
  g.OnGetEditorType = [](TObject*, int, int, TEditorType& AEditor) { AEditor = edNormal; };
  EXPECT_FALSE(g.DoHasComboBox(1, 1));
  g.OnHasComboBox = [](TObject*, int, int, bool& Has) { Has = true; };
  g.ControlLook()->SetDropDownAlwaysVisible(false);
  EXPECT_TRUE(g.DoHasComboBox(1, 1));
  // Spin buttons: never on fixed cells, even when the event says so.
  g.OnHasSpinEdit = [](TObject*, int, int, bool& Has) { Has = true; };
  EXPECT_FALSE(g.DoHasSpinEdit(0, 3));
  EXPECT_FALSE(g.DoHasSpinEdit(3, 0));
  EXPECT_TRUE(g.DoHasSpinEdit(3, 3));
}

TEST(AdvStringGridHooks, FixedCellsAndTheEvent) {
  TAdvStringGrid g(nullptr);
  bool fixed = false;
  g.DoIsFixedCell(0, 3, fixed);
  EXPECT_TRUE(fixed);
  int asked = 0;
  g.OnIsFixedCell = [&](TObject*, int ARow, int, bool& IsFixed) {
    ++asked;
    IsFixed = ARow == 4;
  };
  fixed = false;
  g.DoIsFixedCell(2, 4, fixed);
  EXPECT_TRUE(fixed);
  fixed = false;
  g.DoIsFixedCell(2, 5, fixed);
  EXPECT_FALSE(fixed);
  fixed = true;
  g.DoIsFixedCell(2, 5, fixed);
  EXPECT_TRUE(fixed);
  EXPECT_EQ(asked, 2) << "a cell that came in fixed is not asked about";
  // Only the minimum fixed rows kept by FixedRowAlways remain: all fixed.
  TAdvStringGrid h(nullptr);
  h.SetFixedRowAlways(true);
  h.SetFixedRows(1);
  h.SetRowCount(1);
  fixed = false;
  h.DoIsFixedCell(3, 1, fixed);
  EXPECT_TRUE(fixed);
}

TEST(AdvStringGridHooks, CanEditCell) {
  TAdvStringGrid g(nullptr);
  g.SetOptions(g.Options() + TGridOptions{goEditing});
  bool can = true;
  g.CanEditCell(2, 2, can);
  EXPECT_TRUE(can);
  g.SetReadOnly(2, 2, true);
  g.CanEditCell(2, 2, can);
  EXPECT_FALSE(can);
  g.OnCanEditCell = [](TObject*, int, int ACol, bool& CanEdit) { CanEdit = ACol != 3; };
  can = true;
  g.CanEditCell(3, 2, can);
  EXPECT_FALSE(can);
  // A merged cell asks about its base cell.
  int askedCol = -1;
  g.OnCanEditCell = [&](TObject*, int, int ACol, bool&) { askedCol = ACol; };
  g.MergeCells(1, 4, 2, 1);
  g.SetReadOnly(1, 4, true);
  can = true;
  g.CanEditCell(2, 4, can);
  EXPECT_FALSE(can);
  EXPECT_EQ(askedCol, 1);
  // Beyond every column: editable whatever the records say.
  g.SetReadOnly(30, 2, true);
  can = false;
  g.CanEditCell(30, 2, can);
  EXPECT_TRUE(can);
}

TEST(AdvStringGridHooks, ActiveCellHeadersAndCellLooks) {
  TAdvStringGrid g(nullptr);
  g.SetActiveCellShow(true);
  g.FocusCell(3, 5, true);
  struct Case {
    int Col, Row;
    bool Header;
  } cases[] = {{3, 0, true}, {0, 5, true}, {0, 4, false}, {2, 0, false}, {3, 5, false}};
  for (const Case& c : cases) {
    TFont font;
    TBrush brush;
    brush.SetColor(clWhite);
    g.DoGetCellColor(c.Col, c.Row, &font, &brush, {});
    EXPECT_EQ(brush.Color() == g.ActiveCellColor(), c.Header) << c.Col << "," << c.Row;
  }
  g.SetColors(2, 2, clRed);
  g.SetFontColors(2, 2, clBlue);
  TFont font;
  TBrush brush;
  g.DoGetCellColor(2, 2, &font, &brush, {});
  EXPECT_EQ(brush.Color(), clRed);
  EXPECT_EQ(font.Color(), clBlue);
}

TEST(AdvStringGridHooks, HintCursorAlignmentAndMask) {
  TAdvStringGrid g(nullptr);
  g.OnGridHint = [](TObject*, int, int, String& H) { H = u"plain"; };
  g.OnGridWideHint = [](TObject*, int ARow, int, String& H) {
    if (ARow == 2) H = u"wide";
  };
  String wide, hint;
  g.DoGridHint(1, 2, wide, hint);
  EXPECT_EQ(hint, u"wide");
  wide.clear();
  g.DoGridHint(1, 3, wide, hint);
  EXPECT_EQ(hint, u"plain");
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  g.MouseActions()->SetHotmailRowSelect(true);
  g.DoGetAlignment(0, 3, ha, va);
  EXPECT_EQ(ha, taCenter);
  g.SetEditMask(u"999");
  EXPECT_EQ(g.GetEditMask(1, 1), u"999");
  g.OnGetEditMask = [](TObject*, int, int, String& V) { V = u"AAA"; };
  EXPECT_EQ(g.GetEditMask(1, 1), u"AAA");
}

TEST(AdvStringGridHooks, FilterListOfAColumn) {
  TAdvStringGrid g(nullptr);
  g.SetFilterDropDownAuto(true);
  g.SetRowCount(5);
  g.SetCells(1, 1, u"b");
  g.SetCells(1, 2, u"a b");
  g.SetCells(1, 3, u"b");
  EXPECT_TRUE(g.FillColumnFilterList(1));
  const TStringList& list = *g.FilterList();
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Strings(0), u"(All)");
  EXPECT_EQ(list.Strings(1), u"");
  EXPECT_EQ(list.Strings(2), u"a b=\"a b\"");
  EXPECT_EQ(list.Strings(3), u"b");
  g.OnGetColumnFilter = [](TObject*, int, TStrings* Filter) { Filter->Clear(); };
  EXPECT_FALSE(g.FillColumnFilterList(1));
}

TEST(AdvStringGridHooks, UsedCells) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.UsedCells(), (TRect{0, 0, 0, 0}));
  g.SetCells(2, 3, u"x");
  EXPECT_EQ(g.UsedCells(), (TRect{2, 3, 2, 3}));
  g.SetCells(1, 6, u"y");
  EXPECT_EQ(g.UsedCells(), (TRect{1, 3, 2, 6}));
  g.IncRowCount();
  EXPECT_EQ(g.RowCount(), 11);
}

// ---- update bracket

TEST(AdvStringGridUpdate, NestedBracketsRepaintOnceAtTheEnd) {
  TRepaintCountingGrid g(nullptr);
  const int before = g.Repaints;
  g.BeginUpdate();
  g.BeginUpdate();
  EXPECT_TRUE(g.LockUpdate());
  g.EndUpdate();
  EXPECT_EQ(g.Repaints, before);
  g.EndUpdate();
  EXPECT_EQ(g.Repaints, before + 1);
  g.EndUpdate();
  EXPECT_EQ(g.UpdateCount(), 0);
  EXPECT_FALSE(g.LockUpdate());
}

TEST(AdvStringGridUpdate, BracketsPairWhateverTheVisibility) {
  TRepaintCountingGrid g(nullptr);
  g.BeginUpdate();
  g.SetVisible(false);
  g.BeginUpdate();
  g.EndUpdate();
  EXPECT_EQ(g.UpdateCount(), 1) << "the hidden grid's brackets count too";
  g.EndUpdate();
  EXPECT_EQ(g.UpdateCount(), 0);
  g.SetVisible(true);
  EXPECT_FALSE(g.LockUpdate());
}

// ---- the owner form's resizing

TEST(AdvStringGridForm, TwoGridsOnOneFormGoInEitherOrder) {
  for (bool firstFirst : {true, false}) {
    TForm form(nullptr);
    int formHandler = 0;
    form.OnResize = [&](TObject*) { ++formHandler; };
    auto a = std::make_unique<TAdvStringGrid>(&form);
    auto b = std::make_unique<TAdvStringGrid>(&form);
    (firstFirst ? a : b).reset();
    form.SetBounds(0, 0, 300, 200);
    (firstFirst ? b : a).reset();
    form.SetBounds(0, 0, 320, 220);
    EXPECT_EQ(formHandler, 2);
  }
}

}  // namespace
