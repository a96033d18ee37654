#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "grid/base/BackGround.h"
#include "grid/base/HTMLText.h"
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/base/ScrollControl.h"
#include "grid/base/SearchFooter.h"
#include "grid/base/ShowModified.h"
#include "grid/base/SyncGrid.h"
#include "grid/base/OfficeTheme.h"
#include "grid/base/ThemeNotifier.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/grids/GridScrollInfo.h"
#include "tests/grid/model/RepaintCountingGrid.h"
#include "tests/support/TempRegistry.h"

namespace {

enum TWrite { wStores, wWhenChanged, wAlways };

struct SetterCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Same;   // writes the value it holds
  std::function<void(TAdvStringGrid&)> Other;  // writes another one
  TWrite Repaint;                             // which writes repaint
  std::function<void(TAdvStringGrid&)> Setup = [](TAdvStringGrid&) {};
};

// A setter pair from the getter and the setter of one property.
template <class V, class G, class S>
SetterCase Row(std::string Name, G Get, S Set, V Other, TWrite Repaint,
               std::function<void(TAdvStringGrid&)> Setup = [](TAdvStringGrid&) {}) {
  return {Name, [=](TAdvStringGrid& g) { (g.*Set)((g.*Get)()); },
          [=](TAdvStringGrid& g) { (g.*Set)(Other); }, Repaint, Setup};
}

void ShowURLs(TAdvStringGrid& g) { g.SetURLShow(true); }

std::vector<SetterCase> SetterCases() {
  using G = TAdvStringGrid;
  return {
      Row("URLColor hidden", &G::URLColor, &G::SetURLColor, clRed, wStores),
      Row("URLColor shown", &G::URLColor, &G::SetURLColor, clRed, wWhenChanged, ShowURLs),
      Row("URLShow", &G::URLShow, &G::SetURLShow, true, wWhenChanged),
      Row("URLShowInText", &G::URLShowInText, &G::SetURLShowInText, true, wWhenChanged),
      Row("URLFull hidden", &G::URLFull, &G::SetURLFull, true, wStores),
      Row("URLFull shown", &G::URLFull, &G::SetURLFull, true, wAlways, ShowURLs),
      Row("ShowDesignHelper", &G::ShowDesignHelper, &G::SetShowDesignHelper, false, wWhenChanged),
      Row("ActiveCellShow", &G::ActiveCellShow, &G::SetActiveCellShow, true, wAlways),
      Row("ActiveCellColor", &G::ActiveCellColor, &G::SetActiveCellColor, clRed, wAlways),
      Row("ActiveCellColorTo", &G::ActiveCellColorTo, &G::SetActiveCellColorTo, clRed, wAlways),
      Row("HighlightColor", &G::HighlightColor, &G::SetHighlightColor, clRed, wWhenChanged),
      Row("HighlightTextColor", &G::HighlightTextColor, &G::SetHighlightTextColor, clRed, wWhenChanged),
      Row("Hovering", &G::Hovering, &G::SetHovering, true, wStores),
      Row("XYOffset", &G::XYOffset, &G::SetXYOffset, TPoint{4, 1}, wAlways),
      Row("SelectionColor", &G::SelectionColor, &G::SetSelectionColor, clRed, wWhenChanged),
      Row("SelectionColorTo", &G::SelectionColorTo, &G::SetSelectionColorTo, clRed, wWhenChanged),
      Row("SelectionMirrorColor", &G::SelectionMirrorColor, &G::SetSelectionMirrorColor, clRed, wWhenChanged),
      Row("SelectionMirrorColorTo", &G::SelectionMirrorColorTo, &G::SetSelectionMirrorColorTo, clRed,
          wWhenChanged),
      Row("SelectionTextColor", &G::SelectionTextColor, &G::SetSelectionTextColor, clRed, wWhenChanged),
      Row("SelectionColorMixer", &G::SelectionColorMixer, &G::SetSelectionColorMixer, true, wWhenChanged),
      Row("SelectionRectangle", &G::SelectionRectangle, &G::SetSelectionRectangle, true, wWhenChanged),
      Row("SelectionResizer", &G::SelectionResizer, &G::SetSelectionResizer, true, wWhenChanged),
      Row("SelectionColorMixerFactor", &G::SelectionColorMixerFactor, &G::SetSelectionColorMixerFactor, 70,
          wWhenChanged),
      Row("ShowSelection", &G::ShowSelection, &G::SetShowSelection, false, wWhenChanged),
      Row("VAlignment", &G::VAlignment, &G::SetVAlignment, vtaBottom, wAlways),
      Row("Flat", &G::Flat, &G::SetFlat, true, wAlways),
      Row("ScrollColor", &G::ScrollColor, &G::SetScrollColor, clRed, wStores),
      Row("ScrollWidth", &G::ScrollWidth, &G::SetScrollWidth, 9, wStores),
      Row("ScrollProportional", &G::ScrollProportional, &G::SetScrollProportional, true, wStores),
      Row("MaxEditLength", &G::MaxEditLength, &G::SetMaxEditLength, 12, wStores),
      Row("UseHTMLHints", &G::UseHTMLHints, &G::SetUseHTMLHints, true, wStores),
      Row("ZEVGradientFrom", &G::ZEVGradientFrom, &G::SetZEVGradientFrom, clRed, wAlways),
      Row("ZEVGradientMirrorTo", &G::ZEVGradientMirrorTo, &G::SetZEVGradientMirrorTo, clRed, wAlways),
      {"ShowModified copied", [](G& g) { g.SetShowModified(*g.ShowModified()); },
       [](G& g) {
         TShowModified other;
         other.SetColor(clRed);
         g.SetShowModified(other);
         EXPECT_EQ(g.ShowModified()->Color(), clRed);
       },
       wStores},
      {"SyncGrid copied", [](G& g) { g.SetSyncGrid(*g.SyncGrid()); },
       [](G& g) {
         TSyncGrid other(nullptr);
         other.SetScrollVertical(true);
         g.SetSyncGrid(other);
         EXPECT_TRUE(g.SyncGrid()->ScrollVertical());
       },
       wStores},
      {"BackGround copied", [](G& g) { g.SetBackGround(*g.BackGround()); },
       [](G& g) {
         TRepaintCountingGrid source(nullptr);
         source.BackGround()->SetTop(7);
         g.SetBackGround(*source.BackGround());
         EXPECT_EQ(g.BackGround()->Top(), 7);
       },
       wAlways},
  };
}

TEST(LookSetters, WritesRepaintWhenChangedAlwaysOrNever) {
  for (const auto& c : SetterCases()) {
    TRepaintCountingGrid g(nullptr);
    c.Setup(g);
    g.Repaints = 0;
    c.Same(g);
    EXPECT_EQ(g.Repaints > 0, c.Repaint == wAlways) << c.Name << " written unchanged";
    g.Repaints = 0;
    c.Other(g);
    EXPECT_EQ(g.Repaints > 0, c.Repaint != wStores) << c.Name << " changed";
  }
}

TEST(LookSetters, ValuesAreKeptAsGivenOrLimitedOrResolved) {
  TRepaintCountingGrid g(nullptr);
  g.SetSelectionColorMixerFactor(150);
  EXPECT_EQ(g.SelectionColorMixerFactor(), 100);
  g.SetSelectionColorMixerFactor(-5);
  EXPECT_EQ(g.SelectionColorMixerFactor(), 0);
  g.Repaints = 0;
  g.SetSelectionColorMixerFactor(-9);
  EXPECT_EQ(g.Repaints, 0) << "limited to the value it holds";

  g.SetZEVGradientFrom(clBtnFace);
  EXPECT_EQ(g.ZEVGradientFrom(), ColorToRGB(clBtnFace));
  EXPECT_NE(g.ZEVGradientFrom(), clBtnFace);
  g.SetZEVGradientTo(clHighlight);
  EXPECT_EQ(g.ZEVGradientTo(), ColorToRGB(clHighlight));

  const std::pair<TVAlignment, unsigned> aligns[] = {
      {vtaTop, DT_TOP}, {vtaCenter, DT_VCENTER}, {vtaBottom, DT_BOTTOM}};
  for (const auto& [align, flag] : aligns) {
    g.SetVAlignment(align);
    EXPECT_EQ(g.VAlignment(), align);
    EXPECT_EQ(g.VAlignDrawFlag(), flag);
  }
  g.Repaints = 0;
  g.BeginUpdate();
  g.SetVAlignment(vtaCenter);
  EXPECT_EQ(g.Repaints, 0) << "no repaint inside an update";
  g.EndUpdate();
}

TEST(LookSetters, HighlightColorsBecomeTheMiniHTMLHighlight) {
  const TColor back = HTMLHighlightBackground(), text = HTMLHighlightTextColor();
  TAdvStringGrid g(nullptr);
  g.SetHighlightColor(clYellow);
  EXPECT_EQ(HTMLHighlightBackground(), clYellow);
  EXPECT_EQ(HTMLHighlightTextColor(), g.HighlightTextColor());
  g.SetHighlightTextColor(clBlue);
  EXPECT_EQ(HTMLHighlightTextColor(), clBlue);
  SetHTMLHighlightColors(back, text);
}

TEST(LookSetters, TheCursorSetIsTheOneTemporaryCursorsComeBackTo) {
  TAdvStringGrid g(nullptr);
  g.SetCursor(crHandPoint);
  EXPECT_EQ(g.Cursor(), crHandPoint);
  TCursor offered = crDefault;
  g.OnGetCellCursor = [&](TObject*, int, int, int, int, TCursor& Cursor) { offered = Cursor; };
  g.DoGetCellCursor(1, 1, 0, 0);
  EXPECT_EQ(offered, crHandPoint);
}

TEST(LookSetters, SpreadSheetPresetsEditingOnlyWhenSwitchedOn) {
  auto presets = [](TAdvStringGrid& g) {
    return std::vector<bool>{g.SelectionRectangle(), g.SelectionResizer(),
                             g.Navigation()->AllowSmartClipboard(), g.Options().Contains(goRangeSelect),
                             g.Options().Contains(goEditing), g.MouseActions()->RangeSelectAndEdit()};
  };
  TAdvStringGrid g(nullptr);
  const std::vector<bool> fresh = presets(g);
  ASSERT_NE(fresh, std::vector<bool>(6, true));
  g.SetSpreadSheet(false);
  EXPECT_FALSE(g.SpreadSheet());
  EXPECT_EQ(presets(g), fresh) << "a read-only grid stays read-only";
  g.SetSpreadSheet(true);
  EXPECT_TRUE(g.SpreadSheet());
  EXPECT_EQ(presets(g), std::vector<bool>(6, true));
  g.SetSpreadSheet(false);
  EXPECT_EQ(presets(g), std::vector<bool>(6, true)) << "switching off only stores";
}

TEST(LookSetters, AutoThemeAdaptGoesToTheSearchFooterWhenChanged) {
  TRepaintCountingGrid g(nullptr);
  g.SetAutoThemeAdapt(true);
  EXPECT_TRUE(g.SearchFooter()->AutoThemeAdapt());
  g.SetAutoThemeAdapt(false);
  EXPECT_FALSE(g.SearchFooter()->AutoThemeAdapt());
  EXPECT_FALSE(g.AutoThemeAdapt());
}

TEST(LookSetters, SelectionRepaintsHeadersWithActiveCellShow) {
  auto repaintsOfASelection = [](bool activeCellShow) {
    TRepaintCountingGrid g(nullptr);
    g.SelectCells(1, 1, 2, 2);
    EXPECT_EQ(g.Selection().Right, 2);
    EXPECT_EQ(g.Selection().Bottom, 2);
    g.SetActiveCellShow(activeCellShow);
    (void)g.VisibleRowCount();  // the view brought up to date: no whole repaint is due
    g.Repaints = 0;
    g.SelectCells(2, 3, 2, 3);
    return g.Repaints;
  };
  EXPECT_GT(repaintsOfASelection(true), repaintsOfASelection(false));
}

TEST(LookSetters, AutoThemeAdaptRegistersTheWindowWithTheThemeNotifier) {
  testsupport::TempRegistry store;
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(String(Office14ThemeKey) + u"\\General", true));
  TForm form(nullptr);
  auto* g = new TAdvStringGrid(&form);
  g->SetParent(&form);
  g->Handle();
  g->SetAutoThemeAdapt(true);
  TThemeNotifier* notifier = GetThemeNotifier(nullptr);
  ASSERT_NE(notifier->RegMonitorThread(), nullptr);
  EXPECT_EQ(notifier->RegMonitorThread()->Windows(), std::vector<HWND>{g->Handle()});
  g->SetAutoThemeAdapt(false);
  EXPECT_TRUE(notifier->RegMonitorThread()->Windows().empty());
  delete g;
}

struct WindowedGrid : ::testing::Test {
  TForm Form{nullptr};
  TAdvStringGrid* Grid = new TAdvStringGrid(&Form);  // owned by the form
  WindowedGrid() {
    Grid->SetParent(&Form);
    Grid->Handle();
  }
};

TEST_F(WindowedGrid, MetroScrollTypeMakesSlimControlsAndLeavingItRemovesThem) {
  Grid->SetScrollType(ssMetro);
  TScrollControl* vert = Grid->MetroVertScroll();
  TScrollControl* horz = Grid->MetroHorzScroll();
  ASSERT_NE(vert, nullptr);
  ASSERT_NE(horz, nullptr);
  EXPECT_EQ(vert->Direction(), 0);
  EXPECT_EQ(vert->Width(), 6);
  EXPECT_EQ(vert->Align(), alRight);
  EXPECT_EQ(horz->Direction(), 1);
  EXPECT_EQ(horz->Height(), 6);
  EXPECT_EQ(horz->Align(), alBottom);
  EXPECT_EQ(vert->Parent(), Grid);
  EXPECT_TRUE(vert->Visible());
  EXPECT_EQ(Grid->ScrollBars(), ssNone);
  const int owned = Grid->ComponentCount();
  Grid->SetScrollType(ssMetro);
  EXPECT_EQ(Grid->ComponentCount(), owned) << "made once";
  Grid->SetScrollType(ssFlat);
  EXPECT_EQ(Grid->MetroVertScroll(), nullptr);
  EXPECT_EQ(Grid->MetroHorzScroll(), nullptr);
  EXPECT_EQ(Grid->ComponentCount(), owned - 2);
  EXPECT_EQ(Grid->ScrollBars(), ssBoth);
}

TEST(LookSetters, MetroScrollTypeWithoutAWindowWaitsForIt) {
  TForm form(nullptr);
  auto* g = new TAdvStringGrid(&form);
  g->SetScrollType(ssMetro);
  EXPECT_EQ(g->MetroVertScroll(), nullptr);
  EXPECT_EQ(g->ScrollBars(), ssBoth);
  g->SetParent(&form);
  g->Handle();
  EXPECT_NE(g->MetroVertScroll(), nullptr) << "made with the window";
}

}  // namespace

namespace {

// A shown form with a grid whose few rows and columns all fit.
class ScrollBarAlwaysTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Form->SetBounds(0, 0, 600, 500);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 10, 400, 300);
    Grid->SetColCount(3);
    Grid->SetRowCount(3);
    Form->Show();
  }
  void TearDown() override { delete Form; }
  // The colours of the arrows painted on the vertical bar.
  std::vector<TColor> VerticalArrowColors() {
    TRecordingCanvas canvas;
    Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
    std::vector<TColor> colors;
    for (const auto& r : canvas.RecordsOf(u"Polygon")) {
      if (r.Points[0].X >= Grid->ClientWidth()) colors.push_back(r.BrushColor);
    }
    return colors;
  }
  TForm* Form = new TForm(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form);
};

TEST_F(ScrollBarAlwaysTest, AVerticalBarShownWithAllRowsVisibleHasItsArrowsOffUntilRowsOverflow) {
  ASSERT_FALSE(Grid->ScrollBarShown(true));
  Grid->SetScrollBarAlways(saVert);
  EXPECT_TRUE(Grid->ScrollBarShown(true));
  EXPECT_FALSE(Grid->ScrollBarShown(false)) << "only the vertical bar";
  EXPECT_EQ(VerticalArrowColors(), (std::vector<TColor>{clGrayText, clGrayText}));
  Grid->SetRowCount(60);
  EXPECT_TRUE(Grid->ScrollBarShown(true));
  EXPECT_EQ(VerticalArrowColors(), (std::vector<TColor>{clBtnText, clBtnText}));
  Grid->SetRowCount(3);
  EXPECT_TRUE(Grid->ScrollBarShown(true)) << "kept while the rows fit again";
  EXPECT_EQ(VerticalArrowColors(), (std::vector<TColor>{clGrayText, clGrayText}));
}

TEST_F(ScrollBarAlwaysTest, BackToNoneHidesTheBarAndLeavesNoArrowOff) {
  Grid->SetScrollBarAlways(saBoth);
  EXPECT_TRUE(Grid->ScrollBarShown(false));
  Grid->SetScrollBarAlways(saNone);
  EXPECT_FALSE(Grid->ScrollBarShown(true));
  EXPECT_FALSE(Grid->ScrollBarShown(false));
  Grid->SetRowCount(60);
  ASSERT_TRUE(Grid->ScrollBarShown(true));
  EXPECT_EQ(VerticalArrowColors(), (std::vector<TColor>{clBtnText, clBtnText}));
}

}  // namespace
