#include <gtest/gtest.h>

#include <vector>

#include "grid/base/CellProperties.h"
#include "grid/base/BalloonSettings.h"
#include "grid/base/DragDropSettings.h"
#include "grid/base/DragScrollOptions.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/Filter.h"
#include "grid/model/FilterDropDown.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "grid/model/Grouping.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Graphics.h"
#include "tests/grid/base/SettingsTable.h"
#include "tests/grid/model/RepaintCountingGrid.h"

namespace {

// Also counts the rows it repaints and the footer recalculations.
class TWatchedGrid : public TRepaintCountingGrid {
 public:
  using TRepaintCountingGrid::TRepaintCountingGrid;
  void InvalidateRow(int ARow) override {
    RepaintedRows.push_back(ARow);
    TRepaintCountingGrid::InvalidateRow(ARow);
  }
  void UpdateColumnFooter(int ACol) override { FooterUpdates.push_back(ACol); }
  std::vector<int> RepaintedRows;
  std::vector<int> FooterUpdates;
};

// ---- sort settings

std::vector<TOptionRow<TSortSettings>> SortRows() {
  using S = TSortSettings;
  return {
      Opt("AutoSortForGrouping", &S::AutoSortForGrouping, &S::SetAutoSortForGrouping, true, false, true),
      Opt("AutoColumnMerge", &S::AutoColumnMerge, &S::SetAutoColumnMerge, false, true, true),
      Opt("Column", &S::Column, &S::SetColumn, -1, 3, true),
      Opt("Show", &S::Show, &S::SetShow, false, true, true),
      Opt("IndexShow", &S::IndexShow, &S::SetIndexShow, false, true, true),
      Opt("IndexColor", &S::IndexColor, &S::SetIndexColor, clYellow, clRed, true),
      Opt("IndexSortKey", &S::IndexSortKey, &S::SetIndexSortKey, ikShift, ikCtrl, true),
      Opt("Full", &S::Full, &S::SetFull, true, false, true),
      Opt("SingleColumn", &S::SingleColumn, &S::SetSingleColumn, false, true, true),
      Opt("IgnoreBlanks", &S::IgnoreBlanks, &S::SetIgnoreBlanks, false, true, true),
      Opt("BlankPos", &S::BlankPos, &S::SetBlankPos, blFirst, blLast, true),
      Opt("AutoFormat", &S::AutoFormat, &S::SetAutoFormat, true, false, true),
      Opt("Direction", &S::Direction, &S::SetDirection, sdAscending, sdDescending, true),
      Opt("IgnoreCase", &S::IgnoreCase, &S::SetIgnoreCase, false, true, false),
      Opt("InitSortDirection", &S::InitSortDirection, &S::SetInitSortDirection, sdAscending,
          sdDescending, true),
      Opt("FixedCols", &S::FixedCols, &S::SetFixedCols, false, true, true),
      Opt("NormalCellsOnly", &S::NormalCellsOnly, &S::SetNormalCellsOnly, false, true, true),
      Opt("Row", &S::Row, &S::SetRow, 0, 1, true),
      Opt("UndoSort", &S::UndoSort, &S::SetUndoSort, false, true, true),
      Opt("SortOnVirtualCells", &S::SortOnVirtualCells, &S::SetSortOnVirtualCells, true, false, false),
      Opt("HeaderColor", &S::HeaderColor, &S::SetHeaderColor, clNone, clRed, true),
      Opt("HeaderColorTo", &S::HeaderColorTo, &S::SetHeaderColorTo, clNone, clRed, true),
      Opt("HeaderMirrorColor", &S::HeaderMirrorColor, &S::SetHeaderMirrorColor, clNone, clRed, true),
      Opt("HeaderMirrorColorTo", &S::HeaderMirrorColorTo, &S::SetHeaderMirrorColorTo, clNone, clRed,
          true),
  };
}

TEST(SortSettings, DefaultsAndCopyRules) {
  TWatchedGrid grid(nullptr);
  const TMake<TSortSettings> make = [&] { return std::make_unique<TSortSettings>(&grid); };
  const auto rows = SortRows();
  ExpectDefaults<TSortSettings>(rows, make);
  ExpectAssign<TSortSettings>(rows, make);
  ExpectForeignIgnored<TSortSettings>(rows, make);
  grid.RepaintedRows.clear();
  grid.Repaints = 0;
  make()->Assign(*make());
  EXPECT_TRUE(grid.RepaintedRows.empty()) << "Assign repaints nothing";
  EXPECT_EQ(grid.Repaints, 0);
}

TEST(SortSettings, ShowRepaintsTheGridHeaderColoursTheLastFixedRowOnlyOnChange) {
  TWatchedGrid grid(nullptr);
  grid.SetFixedRows(2);
  TSortSettings& s = *grid.SortSettings();
  grid.Repaints = 0;
  s.SetShow(false);
  EXPECT_EQ(grid.Repaints, 0);
  s.SetShow(true);
  EXPECT_EQ(grid.Repaints, 1);
  for (auto set : {&TSortSettings::SetHeaderColor, &TSortSettings::SetHeaderColorTo,
                   &TSortSettings::SetHeaderMirrorColor, &TSortSettings::SetHeaderMirrorColorTo}) {
    grid.RepaintedRows.clear();
    (s.*set)(clNone);
    EXPECT_TRUE(grid.RepaintedRows.empty());
    (s.*set)(clRed);
    EXPECT_EQ(grid.RepaintedRows, std::vector<int>{1});
  }
  grid.SetFixedRows(0);
  grid.RepaintedRows.clear();
  s.SetHeaderColor(clBlue);
  EXPECT_TRUE(grid.RepaintedRows.empty()) << "no fixed row to repaint";
  EXPECT_EQ(s.HeaderColor(), clBlue);
}

TEST(SortSettings, RowPastTheFixedRowsRaisesAndKeepsTheRow) {
  TAdvStringGrid grid(nullptr);
  TSortSettings& s = *grid.SortSettings();
  s.SetRow(1);  // equal to FixedRows is let through
  try {
    s.SetRow(2);
    FAIL() << "no exception";
  } catch (const Exception& e) {
    EXPECT_EQ(e.Message(), u"Sort row should be smaller than number of fixed rows");
  }
  EXPECT_EQ(s.Row(), 1);
}

TEST(SortSettings, ToggleDirectionAndGlyphsCopiedAsPictures) {
  TAdvStringGrid grid(nullptr);
  TSortSettings a(&grid), b(&grid);
  a.ToggleDirection();
  EXPECT_EQ(a.Direction(), sdDescending);
  a.ToggleDirection();
  EXPECT_EQ(a.Direction(), sdAscending);
  TBitmap pic(4, 3);
  a.SetUpGlyph(pic);
  a.SetIndexDownGlyph(TBitmap(2, 2));
  pic.SetSize(9, 9);
  EXPECT_EQ(a.UpGlyph()->Width(), 4) << "the setter copies, the caller keeps its picture";
  b.Assign(a);
  EXPECT_EQ(b.UpGlyph()->Height(), 3);
  EXPECT_EQ(b.IndexDownGlyph()->Width(), 2);
  EXPECT_TRUE(b.DownGlyph()->Empty());
  EXPECT_NE(b.UpGlyph(), a.UpGlyph());
}

// ---- grouping

std::vector<TOptionRow<TGrouping>> GroupingRows() {
  using G = TGrouping;
  return {
      Opt("AutoSelectGroup", &G::AutoSelectGroup, &G::SetAutoSelectGroup, false, true, true),
      Opt("AutoCheckGroup", &G::AutoCheckGroup, &G::SetAutoCheckGroup, false, true, true),
      Opt("GroupCountFormat", &G::GroupCountFormat, &G::SetGroupCountFormat, String(), String(u"[%d]"),
          true),
      Opt("HeaderColor", &G::HeaderColor, &G::SetHeaderColor, clNone, clRed, true),
      Opt("HeaderColorTo", &G::HeaderColorTo, &G::SetHeaderColorTo, clNone, clRed, true),
      Opt("HeaderTextColor", &G::HeaderTextColor, &G::SetHeaderTextColor, clNone, clRed, true),
      Opt("HeaderUnderline", &G::HeaderUnderline, &G::SetHeaderUnderline, false, true, true),
      Opt("HeaderLineColor", &G::HeaderLineColor, &G::SetHeaderLineColor, TColor(0xFF0000), clRed,
          false),
      Opt("HeaderLineWidth", &G::HeaderLineWidth, &G::SetHeaderLineWidth, 2, 3, false),
      Opt("MergeHeader", &G::MergeHeader, &G::SetMergeHeader, false, true, true),
      Opt("MergeSummary", &G::MergeSummary, &G::SetMergeSummary, false, true, true),
      Opt("ShowGroupCount", &G::ShowGroupCount, &G::SetShowGroupCount, false, true, true),
      Opt("Summary", &G::Summary, &G::SetSummary, false, true, false),
      Opt("SummaryColor", &G::SummaryColor, &G::SetSummaryColor, clNone, clRed, true),
      Opt("SummaryColorTo", &G::SummaryColorTo, &G::SetSummaryColorTo, clNone, clRed, true),
      Opt("SummaryTextColor", &G::SummaryTextColor, &G::SetSummaryTextColor, clNone, clRed, true),
      Opt("SummaryLine", &G::SummaryLine, &G::SetSummaryLine, false, true, true),
      Opt("SummaryLineColor", &G::SummaryLineColor, &G::SetSummaryLineColor, TColor(0xFF0000), clRed,
          false),
      Opt("SummaryLineWidth", &G::SummaryLineWidth, &G::SetSummaryLineWidth, 2, 3, false),
  };
}

TEST(Grouping, DefaultsAndCopyRules) {
  const TMake<TGrouping> make = [] { return std::make_unique<TGrouping>(); };
  const auto rows = GroupingRows();
  ExpectDefaults<TGrouping>(rows, make);
  ExpectAssign<TGrouping>(rows, make);
  ExpectForeignIgnored<TGrouping>(rows, make);
}

// ---- filter conditions

std::vector<TOptionRow<TFilterData>> FilterDataRows() {
  using F = TFilterData;
  return {
      Opt("Column", &F::Column, &F::SetColumn, 0, 4, true),
      Opt("Condition", &F::Condition, &F::SetCondition, String(), String(u">5"), true),
      Opt("CaseSensitive", &F::CaseSensitive, &F::SetCaseSensitive, true, false, true),
      Opt("Data", &F::Data, &F::SetData, fcVirtual, fcRow, true),
      Opt("Prefix", &F::Prefix, &F::SetPrefix, String(), String(u"$"), true),
      Opt("Suffix", &F::Suffix, &F::SetSuffix, String(), String(u"%"), true),
      Opt("Operation", &F::Operation, &F::SetOperation, foSHORT, foXOR, true),
      // A copied literal condition stays literal.
      Opt("Method", &F::Method, &F::SetMethod, fmExpression, fmLiteral, true),
  };
}

TEST(FilterData, DefaultsAndCopyRules) {
  const TMake<TFilterData> make = [] { return std::make_unique<TFilterData>(nullptr); };
  const auto rows = FilterDataRows();
  ExpectDefaults<TFilterData>(rows, make);
  ExpectAssign<TFilterData>(rows, make);
}

String Columns(const TFilter& f) {
  String s;
  for (int i = 0; i < f.Count(); ++i) s += static_cast<Char>(u'0' + f.Items(i)->Column());
  return s;
}

// Conditions join left to right: an insertion that moved the first one
// would change what a caller's filter keeps.
TEST(Filter, AddJoinsWithAndInsertAppendsWhateverTheIndex) {
  TFilter f(nullptr);
  EXPECT_EQ(f.Add()->Operation(), foNONE) << "the only condition";
  EXPECT_EQ(f.Add()->Operation(), foAND);
  f.Items(0)->SetColumn(1);
  f.Items(1)->SetColumn(2);
  TFilterData* first = f.Items(0);
  TFilterData* inserted = f.Insert(0);
  inserted->SetColumn(3);
  EXPECT_EQ(Columns(f), u"123");
  EXPECT_EQ(f.Items(2), inserted);
  EXPECT_EQ(f.Items(0), first);
  EXPECT_EQ(inserted->Operation(), foSHORT);
  for (int index : {9, -1}) f.Insert(index)->SetColumn(4);
  EXPECT_EQ(Columns(f), u"12344");
}

TEST(Filter, ColumnFilterFindsOrAddsAndRemoveTakesEveryConditionOfTheColumn) {
  TAdvStringGrid grid(nullptr);
  TFilter& f = *grid.Filter();
  EXPECT_EQ(f.Grid(), &grid);
  TFilterData* first = f.ColumnFilter(2);
  EXPECT_EQ(first->Column(), 2);
  EXPECT_EQ(first->Operation(), foNONE);
  f.Add()->SetColumn(1);
  f.Add()->SetColumn(2);
  EXPECT_EQ(f.ColumnFilter(2), first) << "the first condition on the column";
  EXPECT_TRUE(f.HasFilter(1));
  EXPECT_FALSE(f.HasFilter(4));
  f.RemoveColumnFilter(2);
  EXPECT_EQ(Columns(f), u"1");
  f.RemoveColumnFilter(4);
  EXPECT_EQ(f.Count(), 1);
}

TEST(Filter, GridSetterCopiesTheConditions) {
  TAdvStringGrid grid(nullptr);
  TFilter given(nullptr);
  TFilterData* c = given.Add();
  c->SetColumn(3);
  c->SetCondition(u"a*");
  c->SetMethod(fmLiteral);
  TFilter* own = grid.Filter();
  grid.SetFilter(given);
  ASSERT_EQ(grid.Filter(), own);
  ASSERT_EQ(own->Count(), 1);
  EXPECT_EQ(own->Items(0)->Condition(), u"a*");
  EXPECT_EQ(own->Items(0)->Method(), fmLiteral);
  EXPECT_NE(own->Items(0), c);
}

// ---- filter drop-down

std::vector<TOptionRow<TFilterDropDown>> DropDownRows() {
  using D = TFilterDropDown;
  return {
      Opt("AutoSize", &D::AutoSize, &D::SetAutoSize, false, true, false),
      Opt("Color", &D::Color, &D::SetColor, clWindow, clRed, true),
      Opt("ColumnWidth", &D::ColumnWidth, &D::SetColumnWidth, false, true, true),
      Opt("Height", &D::Height, &D::SetHeight, 150, 80, true),
      Opt("Width", &D::Width, &D::SetWidth, 150, 90, true),
  };
}

TEST(FilterDropDown, DefaultsAndCopyRules) {
  const TMake<TFilterDropDown> make = [] { return std::make_unique<TFilterDropDown>(); };
  const auto rows = DropDownRows();
  ExpectDefaults<TFilterDropDown>(rows, make);
  ExpectNotifications<TFilterDropDown>(rows, make);
  ExpectAssign<TFilterDropDown>(rows, make);
  ExpectForeignIgnored<TFilterDropDown>(rows, make);
}

TEST(FilterDropDown, GlyphChangesReportAndAssignCopiesFontAndGlyphs) {
  TFilterDropDown a, b;
  int changes = 0;
  b.OnChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &b);
    ++changes;
  };
  b.SetGlyph(TBitmap(5, 5));
  EXPECT_EQ(changes, 1);
  b.GlyphActive()->SetSize(3, 3);
  EXPECT_EQ(changes, 2) << "a change inside the glyph reports too";
  a.Font()->SetName(u"Arial");
  a.SetGlyphActive(TBitmap(7, 6));
  changes = 0;
  b.Assign(a);
  EXPECT_EQ(b.Font()->Name(), u"Arial");
  EXPECT_TRUE(b.Glyph()->Empty());
  EXPECT_EQ(b.GlyphActive()->Width(), 7);
  EXPECT_EQ(changes, 0) << "Assign reports nothing";
  b.Glyph()->SetSize(1, 1);
  EXPECT_EQ(changes, 1) << "and leaves the glyphs reporting";
}

// ---- floating footer

std::vector<TOptionRow<TFloatingFooter>> FooterRows() {
  using F = TFloatingFooter;
  return {
      Opt("Visible", &F::Visible, &F::SetVisible, false, true, true),
      Opt("FooterStyle", &F::FooterStyle, &F::SetFooterStyle, fsFixedLastRow, fsCustomPaint, true),
      Opt("Height", &F::Height, &F::SetHeight, 0, 30, false),
      Opt("Color", &F::Color, &F::SetColor, clBtnFace, clRed, true),
      Opt("Column", &F::Column, &F::SetColumn, 0, 2, true),
      Opt("CustomTemplate", &F::CustomTemplate, &F::SetCustomTemplate, String(), String(u"<b>x</b>"),
          true),
      Opt("BorderColor", &F::BorderColor, &F::SetBorderColor, clNone, clRed, false),
      Opt("ShowHint", &F::ShowHint, &F::SetShowHint, false, true, true),
      Opt("CalculateHiddenRows", &F::CalculateHiddenRows, &F::SetCalculateHiddenRows, true, false,
          true),
      Opt("EnableCalculation", &F::EnableCalculation, &F::SetEnableCalculation, true, false, false),
  };
}

TEST(FloatingFooter, DefaultsAndCopyRules) {
  TAdvStringGrid grid(nullptr);
  const TMake<TFloatingFooter> make = [&] { return std::make_unique<TFloatingFooter>(&grid); };
  const auto rows = FooterRows();
  ExpectDefaults<TFloatingFooter>(rows, make);
  ExpectAssign<TFloatingFooter>(rows, make);
  ExpectForeignIgnored<TFloatingFooter>(rows, make);
}

TEST(FloatingFooter, ShowingAFixedLastRowFooterCoversTheGridsLastRow) {
  TRepaintCountingGrid grid(nullptr);
  TFloatingFooter& f = *grid.FloatingFooter();
  TFooterPanel& panel = *grid.FooterPanel();
  EXPECT_EQ(f.Height(), 22) << "follows the default row height";
  grid.Repaints = 0;
  f.SetVisible(true);
  EXPECT_TRUE(panel.Visible());
  EXPECT_EQ(panel.Height(), 21);
  EXPECT_EQ(grid.FixedFooters(), 1);
  EXPECT_TRUE(grid.HideLastRow());
  EXPECT_EQ(grid.Repaints, 2) << "the footer row count and the footer each repaint";

  f.SetFooterStyle(fsColumnPreview);
  EXPECT_FALSE(grid.HideLastRow());
  EXPECT_EQ(grid.FixedFooters(), 1) << "the style leaves the footer rows as they were";
  f.SetFooterStyle(fsFixedLastRow);
  EXPECT_TRUE(grid.HideLastRow());

  grid.SetDefaultRowHeight(30);
  EXPECT_EQ(f.Height(), 30);
  EXPECT_EQ(panel.Height(), 30);

  f.SetVisible(false);
  EXPECT_FALSE(panel.Visible());
  EXPECT_EQ(panel.Height(), 0);
  EXPECT_EQ(grid.FixedFooters(), 0);
  EXPECT_FALSE(grid.HideLastRow());
  grid.SetDefaultRowHeight(25);
  EXPECT_EQ(panel.Height(), 0) << "a hidden footer's panel keeps no height";
  EXPECT_EQ(f.Height(), 25);
}

TEST(FloatingFooter, PreviewStylesLeaveTheLastRowAndFooterRowsAlone) {
  TAdvStringGrid grid(nullptr);
  TFloatingFooter& f = *grid.FloatingFooter();
  f.SetFooterStyle(fsCustomPreview);
  f.SetVisible(true);
  EXPECT_EQ(grid.FixedFooters(), 0);
  EXPECT_FALSE(grid.HideLastRow());
  f.SetShowHint(true);
  EXPECT_TRUE(grid.FooterPanel()->ShowHint());
}

TEST(FloatingFooter, ColumnCalcLivesInTheLastRowsCellAndRecalculatesTheColumn) {
  TWatchedGrid grid(nullptr);
  TFloatingFooter& f = *grid.FloatingFooter();
  EXPECT_EQ(f.ColumnCalc(2), acNONE);
  EXPECT_EQ(grid.GridObjects(2, grid.RowCount() - 1), nullptr) << "reading makes no record";
  f.SetColumnCalc(2, acSUM);
  EXPECT_EQ(f.ColumnCalc(2), acSUM);
  ASSERT_NE(grid.GridObjects(2, grid.RowCount() - 1), nullptr);
  EXPECT_EQ(grid.GridObjects(2, grid.RowCount() - 1)->CalcType(), acSUM);
  EXPECT_EQ(grid.FooterUpdates, std::vector<int>{2});
}

TEST(FloatingFooter, AssignShowsTheFooterThroughItsSetter) {
  TAdvStringGrid grid(nullptr);
  TAdvStringGrid other(nullptr);
  TFloatingFooter given(&other);
  given.SetVisible(true);
  given.SetColumn(3);
  grid.SetFloatingFooter(given);
  EXPECT_TRUE(grid.FloatingFooter()->Visible());
  EXPECT_EQ(grid.FloatingFooter()->Column(), 3);
  EXPECT_TRUE(grid.HideLastRow());
  EXPECT_EQ(grid.FixedFooters(), 1);
}

}  // namespace

namespace {

// ---- the grid's own objects

TEST(GridSettingsObjects, MadeWithTheGridWithTheirDefaults) {
  TAdvStringGrid g(nullptr);
  EXPECT_FALSE(g.FloatingFooter()->Visible());
  EXPECT_EQ(g.FloatingFooter()->FooterStyle(), fsFixedLastRow);
  EXPECT_EQ(g.SortSettings()->Column(), -1);
  EXPECT_TRUE(g.SortSettings()->AutoSortForGrouping());
  EXPECT_TRUE(g.DragDropSettings()->ShowCells());
  EXPECT_EQ(g.DragDropSettings()->Grid(), &g);
  EXPECT_FALSE(g.DragScrollOptions()->Active());
  EXPECT_EQ(g.DragScrollOptions()->Delays()->InitialDelay(), 1000);
  EXPECT_EQ(g.Grouping()->HeaderLineWidth(), 2);
  EXPECT_EQ(g.Filter()->Count(), 0);
  EXPECT_EQ(g.Filter()->Owner(), &g);
  EXPECT_EQ(g.FilterDropDown()->Height(), 150);
  EXPECT_FALSE(g.Balloon()->Enable());
  EXPECT_EQ(g.MergedColumns()->Count(), 0);
  EXPECT_FALSE(g.HideLastRow());
  EXPECT_EQ(g.FixedFooters(), 0);
}

// Each setter copies into the grid's own object, which stays the grid's.
TEST(GridSettingsObjects, SettersCopyIntoTheGridsOwnObjects) {
  TAdvStringGrid g(nullptr);
  TAdvStringGrid other(nullptr);
  struct TCase {
    const char* Name;
    std::function<const void*()> Own;
    std::function<void()> SetFromOther;
    std::function<bool()> Copied;
  };
  const std::vector<TCase> cases = {
      {"SortSettings", [&] { return g.SortSettings(); },
       [&] { TSortSettings s(&other); s.SetColumn(3); g.SetSortSettings(s); },
       [&] { return g.SortSettings()->Column() == 3; }},
      {"Grouping", [&] { return g.Grouping(); },
       [&] { TGrouping s; s.SetMergeHeader(true); g.SetGrouping(s); },
       [&] { return g.Grouping()->MergeHeader(); }},
      {"FilterDropDown", [&] { return g.FilterDropDown(); },
       [&] { TFilterDropDown s; s.SetWidth(70); g.SetFilterDropDown(s); },
       [&] { return g.FilterDropDown()->Width() == 70; }},
      {"FloatingFooter", [&] { return g.FloatingFooter(); },
       [&] { TFloatingFooter s(&other); s.SetColor(clRed); g.SetFloatingFooter(s); },
       [&] { return g.FloatingFooter()->Color() == clRed; }},
      {"DragDropSettings", [&] { return g.DragDropSettings(); },
       [&] { TDragDropSettings s(&other); s.SetOleCopyAlways(true); g.SetDragDropSettings(s); },
       [&] { return g.DragDropSettings()->OleCopyAlways(); }},
      {"DragScrollOptions", [&] { return g.DragScrollOptions(); },
       [&] { TDragScrollOptions s; s.SetActive(true); g.SetDragScrollOptions(s); },
       [&] { return g.DragScrollOptions()->Active(); }},
      {"Balloon", [&] { return g.Balloon(); },
       [&] { TBalloonSettings s; s.SetTextColor(clRed); g.SetBalloon(s); },
       [&] { return g.Balloon()->TextColor() == clRed; }},
  };
  for (const TCase& c : cases) {
    const void* own = c.Own();
    c.SetFromOther();
    EXPECT_EQ(c.Own(), own) << c.Name;
    EXPECT_TRUE(c.Copied()) << c.Name;
  }
}

TEST(GridSettingsObjects, FilterDropDownGlyphChangeRepaintsTheGrid) {
  TRepaintCountingGrid g(nullptr);
  g.Repaints = 0;
  g.FilterDropDown()->SetHeight(90);
  EXPECT_EQ(g.Repaints, 0);
  g.FilterDropDown()->SetGlyphActive(TBitmap(8, 8));
  EXPECT_EQ(g.Repaints, 1);
}

TEST(GridSettingsObjects, BalloonEnableMakesTheTooltipOnlyOutsideLoading) {
  TAdvStringGrid g(nullptr);
  g.Balloon()->SetEnable(true);
  EXPECT_TRUE(g.Balloon()->Initialized());
  g.Balloon()->SetEnable(false);
  EXPECT_FALSE(g.Balloon()->Initialized());
  g.BeginLoading();
  g.Balloon()->SetEnable(true);
  EXPECT_FALSE(g.Balloon()->Initialized()) << "the window creation makes it";
  g.EndLoading();
}

}  // namespace
