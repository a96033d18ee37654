#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/base/ArrowWindow.h"
#include "grid/base/Navigation.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/FooterPanel.h"
#include "grid/base/BackGround.h"
#include "grid/base/ControlLook.h"
#include "platform/gui/Forms.h"
#include "platform/gui/SystemMetrics.h"
#include "tests/grid/model/RepaintCountingGrid.h"
#include "tests/support/GuiTest.h"

namespace {

using testsupport::Clock;

TEST(AdvGridControl, CreatedAsAControlWithItsPanels) {
  TAdvStringGrid g(nullptr);
  EXPECT_EQ(g.Width(), 400);
  EXPECT_EQ(g.Height(), 250);
  EXPECT_TRUE(g.ControlStyle() & csAcceptsControls);
  EXPECT_EQ(g.ScrollBars(), ssBoth);
  EXPECT_EQ(g.BorderStyle(), bsSingle);
  EXPECT_FALSE(g.IntegralHeight());
  EXPECT_FALSE(g.SizeWithForm());
  EXPECT_EQ(g.MinRowHeight(), 0);
  EXPECT_EQ(g.MaxColWidth(), 0);
  for (TPanel* panel : {static_cast<TPanel*>(g.FooterPanel()), static_cast<TPanel*>(g.SearchPanel())}) {
    ASSERT_NE(panel, nullptr);
    EXPECT_EQ(panel->Owner(), &g);
    EXPECT_EQ(panel->Align(), alBottom);
    EXPECT_EQ(panel->Height(), 0);
    EXPECT_EQ(panel->Parent(), nullptr) << "parented when the window is made";
  }
  EXPECT_EQ(g.FooterPanel()->LastHintX(), -1);
  EXPECT_EQ(g.SearchPanel()->ColorTo(), clNone);
}

// The four move arrows: hidden children of the grid once its window is
// made, in the order up, down, left, right; the glow window, owned by the
// grid and hidden, joins the form only when it first shows.
TEST(AdvGridControl, CreatedWithItsHiddenGlowAndArrowWindows) {
  TForm form(nullptr);
  TAdvStringGrid& g = *new TAdvStringGrid(&form);
  g.SetParent(&form);
  g.HandleNeeded();
  std::vector<TArrowDirection> arrows;
  for (int i = 0; i < g.ControlCount(); ++i) {
    TControl* c = g.Controls(i);
    if (auto* a = dynamic_cast<TArrowWindow*>(c)) arrows.push_back(a->Dir());
    if (c->ClassName() == u"TArrowWindow") {
      EXPECT_FALSE(c->Visible());
      EXPECT_EQ(c->Owner(), &g);
      EXPECT_EQ(c->Parent(), &g);
    }
  }
  ASSERT_NE(g.FocusWindow(), nullptr);
  EXPECT_EQ(g.FocusWindow()->ClassName(), u"TGridFocusWindow");
  EXPECT_EQ(g.FocusWindow()->Owner(), &g);
  EXPECT_FALSE(g.FocusWindow()->Visible());
  EXPECT_EQ(g.FocusWindow()->Parent(), nullptr);
  EXPECT_EQ(arrows, (std::vector<TArrowDirection>{arrUp, arrDown, arrLeft, arrRight}));
}

struct OnAForm : ::testing::Test {
  TForm Form{nullptr};
  int ActiveTimersBefore = Clock().ActiveTimers();
  std::unique_ptr<TAdvStringGrid> Grid = std::make_unique<TAdvStringGrid>(&Form);
  OnAForm() { Grid->SetParent(&Form); }
};

TEST_F(OnAForm, WindowCreationStartsTheTimerWhichGoesWithTheGrid) {
  Grid->Handle();
  EXPECT_EQ(Clock().ActiveTimers(), ActiveTimersBefore + 1);
  Clock().Advance(499);
  EXPECT_EQ(Grid->TimerTicks(), 0);
  Clock().Advance(1);
  EXPECT_EQ(Grid->TimerTicks(), 1);
  Clock().Advance(1000);
  EXPECT_EQ(Grid->TimerTicks(), 3);
  EXPECT_EQ(Grid->WheelScrollLines(), ::WheelScrollLines());
  Grid.reset();
  EXPECT_EQ(Clock().ActiveTimers(), ActiveTimersBefore);
  Clock().Advance(1000);
}

TEST_F(OnAForm, WindowCreationParentsThePanels) {
  Grid->SearchFooter()->SetVisible(true);
  Grid->Handle();
  EXPECT_EQ(Grid->FooterPanel()->Parent(), Grid.get());
  EXPECT_FALSE(Grid->FooterPanel()->Visible());
  EXPECT_EQ(Grid->SearchPanel()->Parent(), Grid.get());
  EXPECT_TRUE(Grid->SearchPanel()->Visible());
  EXPECT_EQ(Grid->SearchPanel()->Height(), 32);
  EXPECT_FALSE(Grid->IsWinXP()) << "no visual styles here";
}

TEST(AdvGridControl, WithoutAParentTheWindowStartsNoTimer) {
  const int before = Clock().ActiveTimers();
  TAdvStringGrid g(nullptr);
  g.Handle();
  EXPECT_EQ(Clock().ActiveTimers(), before);
  EXPECT_EQ(g.SearchPanel()->Parent(), nullptr);
}

TEST(AdvGridControl, LoadingRecordsMinimaAndMovesSettings) {
  TAdvStringGrid g(nullptr);
  g.BeginLoading();
  g.SetFixedRows(2);
  g.SetDefaultRowHeight(30);
  g.SetOptions(g.Options() + TGridOptions{goAlwaysShowEditor});
  g.ColumnHeaders()->Add(u"corner");
  g.ColumnHeaders()->Add(u"Name");
  g.ColumnHeaders()->Add(u"two\\nlines");
  g.RowHeaders()->Add(u"");
  g.RowHeaders()->Add(u"r1");
  g.SetAutoThemeAdapt(true);
  g.EndLoading();
  EXPECT_TRUE(g.GridLoaded());
  EXPECT_EQ(g.FixedRowsMin(), 2);
  EXPECT_EQ(g.FixedColsMin(), 1);
  EXPECT_EQ(g.MinRowHeight(), 30);
  EXPECT_EQ(g.MinColWidth(), 10);
  EXPECT_EQ(g.MaxRowCount(), 10);
  EXPECT_EQ(g.Cells(0, 0), u"") << "row headers come after the column headers";
  EXPECT_EQ(g.Cells(1, 0), u"Name");
  EXPECT_EQ(g.Cells(2, 0), u"two\rlines");
  EXPECT_EQ(g.Cells(0, 1), u"r1");
  EXPECT_TRUE(g.Navigation()->AlwaysEdit());
  EXPECT_FALSE(g.Options().Contains(goAlwaysShowEditor));
  EXPECT_EQ(g.ControlLook()->ControlStyle(), csClassic) << "no themes to paint with";
  EXPECT_TRUE(g.SearchFooter()->AutoThemeAdapt());
}

TEST(AdvGridControl, HeaderListsWriteTheFixedCells) {
  TAdvStringGrid g(nullptr);
  g.ColumnHeaders()->Add(u"A");
  g.ColumnHeaders()->Add(u"B");
  EXPECT_EQ(g.Cells(1, 0), u"B");
  TStringList other;
  other.Add(u"X");
  g.SetColumnHeaders(other);
  EXPECT_EQ(g.Cells(0, 0), u"X");
  EXPECT_EQ(g.Cells(1, 0), u"") << "the old headers are cleared first";
  g.SetFixedRows(0);
  g.ColumnHeaders()->Add(u"Y");
  EXPECT_EQ(g.Cells(1, 0), u"") << "no fixed row, no headers";
  g.RowHeaders()->Add(u"h0");
  EXPECT_EQ(g.Cells(0, 0), u"h0");
}

// Requested height -> fitted height, default row height 22.
struct IntegralCase {
  TFormBorderStyle Border;
  int Cols;
  int Requested;
  int Expected;
};

TEST(AdvGridControl, IntegralHeightFitsWholeRows) {
  const IntegralCase cases[] = {
      {bsSingle, 5, 200, 202},  // 200 + 2 - (198 mod 22)
      {bsNone, 5, 200, 198},    // 200 - (200 mod 22)
      {bsSingle, 40, 200, 197}, // a horizontal bar: 200 + 2 - (181 mod 22)
  };
  for (const auto& c : cases) {
    TAdvStringGrid g(nullptr);
    g.SetBorderStyle(c.Border);
    g.SetColCount(c.Cols);
    g.SetIntegralHeight(true);
    g.SetHeight(c.Requested);
    EXPECT_EQ(g.Height(), c.Expected) << c.Cols << " " << c.Border;
    g.BeginUpdate();
    g.SetHeight(c.Requested);
    EXPECT_EQ(g.Height(), c.Requested) << "no fitting while an update runs";
  }
}

TEST(AdvGridControl, SwitchingIntegralHeightOnFitsTheCurrentHeight) {
  TAdvStringGrid g(nullptr);
  g.SetHeight(200);
  g.SetIntegralHeight(true);
  EXPECT_EQ(g.Height(), 202);
}

TEST(AdvGridControl, ResizeFiresTheGridsEventAndRepaintsAGradient) {
  TRepaintCountingGrid g(nullptr);
  int resized = 0;
  g.OnResize = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &g);
    ++resized;
  };
  g.SetWidth(300);
  EXPECT_EQ(resized, 1);
  g.BackGround()->SetDisplay(bdGradientVert);
  const int before = g.Repaints;
  g.SetWidth(310);
  EXPECT_EQ(g.Repaints, before + 1);
  g.BackGround()->SetColorTo(clNone);
  const int noGradient = g.Repaints;
  g.SetWidth(320);
  EXPECT_EQ(g.Repaints, noGradient);
}

TEST(AdvGridControl, SizeWithFormFollowsTheFormsChange) {
  TForm form(nullptr);
  form.SetBounds(0, 0, 600, 400);
  TAdvStringGrid follows(&form);
  TAdvStringGrid stays(&form);
  follows.SetSizeWithForm(true);
  form.SetBounds(0, 0, 630, 420);
  EXPECT_EQ(follows.Width(), 430);
  EXPECT_EQ(follows.Height(), 270);
  EXPECT_EQ(stays.Width(), 400);
  form.SetBounds(0, 0, 100, 100);
  EXPECT_EQ(follows.Width(), 430) << "a size that would vanish is not taken";
  form.SetBounds(0, 0, 110, 105);
  EXPECT_EQ(follows.Width(), 440) << "the next change counts from the last form size";
  EXPECT_EQ(follows.Height(), 275);
}

TEST(AdvGridControl, TwoGridsFollowingOneFormGoInEitherOrder) {
  for (bool firstFirst : {true, false}) {
    TForm form(nullptr);
    form.SetBounds(0, 0, 600, 400);
    auto a = std::make_unique<TAdvStringGrid>(&form);
    auto b = std::make_unique<TAdvStringGrid>(&form);
    a->SetSizeWithForm(true);
    b->SetSizeWithForm(true);
    (firstFirst ? a : b).reset();
    form.SetBounds(0, 0, 610, 410);
    TAdvStringGrid& left = *(firstFirst ? b : a);
    EXPECT_EQ(left.Width(), 410);
    (firstFirst ? b : a).reset();
    form.SetBounds(0, 0, 620, 420);
  }
}

}  // namespace
