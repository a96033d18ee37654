// The grid's window procedure beyond input: what a move of the current cell
// repaints besides the cell, the component notifications, cancel mode,
// theme changes, the hovered fixed cell, the footer's canvas, controls
// placed in cells (their notifications and their dialog keys), and a grid
// that follows rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "grid/base/RegMonitorThread.h"
#include "grid/base/SyncGrid.h"
#include "grid/model/FloatingFooter.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Messages.h"
#include "platform/gui/StdCtrls.h"
#include "tests/grid/interact/PaintCountingGrid.h"

namespace {
using painttest::ShownGrid;

struct MarkCase {
  const char* Name;
  bool Indicator;
  bool CustomBorders;
  std::vector<std::pair<int, int>> Painted;  // besides the two current cells
  std::vector<std::pair<int, int>> NotPainted;
};

// From (2, 2) to (2, 3): the indicator lives in column 0 of the current
// row, custom borders may change anywhere along the two rows.
TEST(GridCurrentCellMarks, AMoveRepaintsTheRowIndicatorAndCustomBorders) {
  const MarkCase cases[] = {
      {"plain", false, false, {}, {{0, 2}, {0, 3}, {4, 2}, {4, 3}}},
      {"row indicator", true, false, {{0, 2}, {0, 3}}, {{4, 2}, {4, 3}}},
      {"custom borders", false, true, {{4, 2}, {4, 3}}, {{4, 5}}},
  };
  for (const MarkCase& c : cases) {
    SCOPED_TRACE(c.Name);
    ShownGrid f;
    if (c.Indicator) f.G->RowIndicator()->SetSize(8, 8);
    if (c.CustomBorders) f.G->OnGetCellBorder = [](TObject*, int, int, TPen*, TCellBorders&) {};
    f.G->SetCol(2);
    f.G->SetRow(2);
    f.G->SetFocus();  // a focus change repaints the whole grid
    f.Settle();
    f.Input.Key(VK_DOWN);
    ASSERT_EQ(f.G->Row(), 3);
    for (auto [col, row] : c.Painted) EXPECT_GE(f.G->PaintsOf(col, row), 1) << col << "," << row;
    for (auto [col, row] : c.NotPainted) EXPECT_EQ(f.G->PaintsOf(col, row), 0) << col << "," << row;
  }
}

// Sent as the class library sends them when the property changes; a whole
// grid repaint reaches the cells too.
TEST(GridComponentMessages, EnabledChangeRepaintsTheGridAndColourChangeTheFloatingFooter) {
  ShownGrid f;
  f.Settle();
  SendMessage(f.G->Handle(), CM_ENABLEDCHANGED);
  f.Input.Pump();
  EXPECT_GE(f.G->PaintsOf(3, 3), 1);

  int footerPaints = 0;
  f.G->FloatingFooter()->SetFooterStyle(fsCustomPaint);
  f.G->FloatingFooter()->SetVisible(true);
  f.G->OnPaintFooter = [&](TObject*, int, const TRect&, TCanvas*) { ++footerPaints; };
  f.Settle();
  footerPaints = 0;
  SendMessage(f.G->Handle(), CM_COLORCHANGED);
  f.Input.Pump();
  EXPECT_GE(footerPaints, 1);
  EXPECT_EQ(f.G->PaintsOf(3, 3), 0) << "only the footer";
}

TEST(GridFooterCanvas, IsThePanelsCanvasWhileItPaints) {
  ShownGrid f;
  std::vector<bool> same;
  f.G->FloatingFooter()->SetFooterStyle(fsCustomPaint);
  f.G->FloatingFooter()->SetVisible(true);
  f.G->OnPaintFooter = [&](TObject*, int, const TRect&, TCanvas* ACanvas) {
    same.push_back(ACanvas != nullptr && f.G->GetFooterCanvas() == ACanvas);
  };
  f.G->Invalidate();
  f.Input.Pump();
  ASSERT_FALSE(same.empty());
  for (bool s : same) EXPECT_TRUE(s);
  EXPECT_EQ(f.G->GetFooterCanvas(), nullptr);
}

TEST(GridFixedHighlight, ResetForgetsAndRepaintsTheHoveredFixedCellOnlyWithHoverFixedCells) {
  ShownGrid f;
  f.G->PaintState().HoverFixedCell = TPoint{2, 0};
  f.Settle();
  f.G->ResetFixedCellHighlight();
  f.Input.Pump();
  EXPECT_EQ(f.G->PaintState().HoverFixedCell, (TPoint{2, 0})) << "HoverFixedCells is off";

  f.G->SetHoverFixedCells(hfAll);
  f.Settle();
  f.G->ResetFixedCellHighlight();
  f.Input.Pump();
  EXPECT_EQ(f.G->PaintState().HoverFixedCell, (TPoint{-1, -1}));
  EXPECT_GE(f.G->PaintsOf(2, 0), 1);
}

// The platform grid moves a column dragged by its header; cancel mode ends
// such a move while the move feedback shows the drag cursor.
TEST(GridCancelMode, EndsAColumnMoveThatShowsTheDragCursor) {
  struct Case {
    const char* Name;
    bool DragCursor;
    bool Moved;
  };
  for (const Case& c : {Case{"drag cursor", true, false}, Case{"no drag cursor", false, true}}) {
    SCOPED_TRACE(c.Name);
    ShownGrid f;
    f.G->SetOptions(f.G->Options() + TGridOptions{goColMoving});
    for (int col = 0; col < 5; ++col) f.G->SetCells(col, 0, String(1, static_cast<Char>(u'A' + col)));
    const TRect from = f.G->CellRect(1, 0), to = f.G->CellRect(3, 0);
    const TPoint start{from.Left + 5, from.Top + 3}, end{to.Left + 5, to.Top + 3};
    f.Input.MouseDown(*f.G, start);
    f.Input.MouseMove(*f.G, TPoint{start.X + 10, start.Y});
    f.Input.MouseMove(*f.G, end);
    ASSERT_EQ(f.G->GridState(), gsColMoving);
    if (c.DragCursor) static_cast<TControl*>(f.G)->SetCursor(crDrag);
    SendMessage(f.G->Handle(), WM_CANCELMODE);
    f.Input.MouseUp(*f.G, end);
    EXPECT_EQ(f.G->GridState(), gsNormal);
    EXPECT_EQ(f.G->Cells(1, 0) != u"B", c.Moved);
    EXPECT_EQ(f.G->Cursor(), crDefault);
  }
}

class TThemeCountingGrid : public painttest::TPaintCountingGrid {
 public:
  using TPaintCountingGrid::TPaintCountingGrid;
  void FollowOfficeTheme() override { ++Follows; }
  int Follows = 0;
};

TEST(GridThemeMessages, ReReadTheOfficeThemeOnlyWithAutoThemeAdapt) {
  TThemeCountingGrid* g = new TThemeCountingGrid(nullptr);
  testsupport::TShownOnForm<TThemeCountingGrid> shown{g};
  SendMessage(g->Handle(), OfficeThemeChangeMessage);
  EXPECT_EQ(g->Follows, 0);
  g->SetAutoThemeAdapt(true);
  g->Follows = 0;
  SendMessage(g->Handle(), OfficeThemeChangeMessage);
  SendMessage(g->Handle(), 0x031A);  // the system's theme changed
  EXPECT_EQ(g->Follows, 2);
}

// A control placed in a cell notifies the grid, which hands the
// notification back to it; with goTabs it keeps Tab and the arrows.
TEST(GridCellControls, NotificationsReachTheControlAndGoTabsGivesItTheDialogKeys) {
  ShownGrid f;
  auto* edit = new TEdit(f.G);
  edit->SetParent(f.G);
  edit->SetBounds(10, 30, 60, 20);
  std::vector<std::string> changes;
  edit->OnChange = [&](TObject*) { changes.push_back("change"); };
  f.G->HostCellControl(*edit);
  f.G->HostCellControl(*edit);
  f.Input.Pump();
  edit->SetFocus();
  f.Input.Type(u"ab");
  EXPECT_EQ(changes.size(), 2u);

  const LRESULT own = SendMessage(edit->Handle(), WM_GETDLGCODE);
  f.Input.Key(VK_TAB);
  EXPECT_FALSE(edit->Focused()) << "goTabs is off: Tab leaves the control";
  f.G->SetOptions(f.G->Options() + TGridOptions{goTabs});
  EXPECT_EQ(SendMessage(edit->Handle(), WM_GETDLGCODE), own | DLGC_WANTARROWS | DLGC_WANTTAB | DLGC_WANTCHARS);
  edit->SetFocus();
  f.Input.Key(VK_TAB);
  EXPECT_TRUE(edit->Focused()) << "Tab stays in the control";
}

// A grid that follows rows moves with every move of the current row, and
// is forgotten when it goes.
TEST(GridSyncGrid, AFollowerTakesTheRowAMessageMovedToAndIsForgottenWhenFreed) {
  ShownGrid f;
  auto* follower = new TAdvStringGrid(f.Shown.Form.get());
  follower->SetParent(f.Shown.Form.get());
  follower->SetBounds(0, 220, 200, 80);
  follower->SetRowCount(6);
  f.G->SyncGrid()->SetGrid(follower);
  f.G->SyncGrid()->SetSelectionRow(true);
  f.G->SetFocus();
  f.Input.Key(VK_DOWN);
  f.Input.Key(VK_DOWN);
  EXPECT_EQ(f.G->Row(), 3);
  EXPECT_EQ(follower->Row(), 3);

  delete follower;
  EXPECT_EQ(f.G->SyncGrid()->Grid(), nullptr);
  f.Input.Key(VK_DOWN);
  EXPECT_EQ(f.G->Row(), 4);
}

}  // namespace
