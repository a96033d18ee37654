#include <gtest/gtest.h>

#include <functional>

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/model/FilterDropLists.h"
#include "grid/model/GridColumnItem.h"
#include "platform/gui/Menus.h"
#include "tests/grid/interact/MouseGridSupport.h"
#include "tests/support/GuiTest.h"

namespace {

// A right-to-left grid, editable, 5 x 6 cells of 80 x 24 pixels.
template <class T>
struct MirroredGrid : mousetest::TGridOnForm<T> {
  using mousetest::TGridOnForm<T>::Grid;
  int ButtonClicks = 0;
  MirroredGrid() {
    Grid->OnButtonClick = [this](TObject*, int, int) { ++ButtonClicks; };
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetBiDiMode(bdRightToLeft);
    Grid->SetColCount(5);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(80);
    Grid->SetDefaultRowHeight(24);
    this->Show();
  }
  // A popup menu with one item, chosen when it pops up.
  TPopupMenu* MakeMenu(testsupport::MenuResponder& Menus) {
    auto* menu = new TPopupMenu(this->Form.get());
    auto* item = new TMenuItem(this->Form.get());
    item->SetCaption(u"Hide");
    menu->Items()->Add(item);
    Menus.Choose(u"Hide");
    return menu;
  }
  // Where the grid shows the pixel at X, Y of its left-to-right layout.
  TPoint Shown(int X, int Y) const { return Point(Grid->ClientWidth() - 1 - X, Y); }
  // The pixel at the same height, as far in from the cell's other side.
  static TPoint OtherSide(const TRect& Cell, TPoint P) { return Point(Cell.Left + Cell.Right - 1 - P.X, P.Y); }
};
using RightToLeftGrid = MirroredGrid<TAdvStringGrid>;

struct HitCase {
  const char* what;
  TGridCoord cell;
  std::function<void(RightToLeftGrid&)> setUp;
  // The view's point (the left-to-right layout's) of the graphic as painted.
  std::function<TPoint(RightToLeftGrid&)> target;
  std::function<bool(RightToLeftGrid&)> hit;
};

int RadioIndex(TAdvStringGrid& G) {
  int idx = -1;
  G.GetRadioIdx(1, 1, idx);
  return idx;
}

// Each graphic is hit where it is painted, mirrored, and not where the
// left-to-right cell has it.
TEST(RightToLeftHits, AClickHitsTheGraphicWhereItIsPainted) {
  const HitCase cases[] = {
      {"check box", {1, 2},
       [](RightToLeftGrid& f) {
         f.Grid->MouseActions()->SetPreciseCheckBoxCheck(true);
         f.Grid->AddCheckBox(1, 2, false, false);
       },
       [](RightToLeftGrid& f) {
         const int s = f.Grid->ControlLook()->CheckSize();
         const TRect r = f.Grid->CellRect(1, 2);
         return Point(r.Left + 2 + s / 2, r.Top + 2 + s / 2);
       },
       [](RightToLeftGrid& f) { return f.Grid->IsChecked(1, 2); }},
      {"radio option", {1, 1},
       [](RightToLeftGrid& f) {
         TStrings* options = f.Grid->CreateRadio(1, 1, 1, 0);
         options->Add(u"A");
         options->Add(u"B");
         f.Grid->SetColWidths(1, 120);
         f.Grid->ControlLook()->SetControlStyle(csWinXP);  // option glyphs 16 px wide
       },
       [](RightToLeftGrid& f) {
         const TRect r = f.Grid->CellRect(1, 1);
         return Point(r.Left + f.Grid->MeasureCanvas()->TextWidth(u"A") + 16 + 3, r.Top + 5);
       },
       [](RightToLeftGrid& f) { return RadioIndex(*f.Grid) == 1; }},
      {"cell button", {2, 3},
       [](RightToLeftGrid& f) {
         f.Grid->AddButton(2, 3, 30, 18, u"Go", haLeft, vaCenter);
         f.Grid->Repaint();  // a button is hit where it was last painted
         f.Input.Pump();
       },
       [](RightToLeftGrid& f) {
         const TRect b = f.Grid->GetCellButtonRect(2, 3);
         return Point((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
       },
       [](RightToLeftGrid& f) { return f.ButtonClicks == 1; }},
      {"filter button", {1, 0},
       [](RightToLeftGrid& f) {
         f.Grid->SetFilterDropDownAuto(true);
         f.Grid->OnGetColumnFilter = [](TObject*, int, TStrings* Filter) { Filter->Add(u"Low=<2"); };
       },
       [](RightToLeftGrid& f) {
         const TRect r = f.Grid->CellRect(1, 0);
         return Point(r.Right - 8, r.Top + 8);
       },
       [](RightToLeftGrid& f) { return f.Grid->FilterDropList()->Visible(); }},
      {"check box control in the text", {1, 4},
       [](RightToLeftGrid& f) {
         f.Grid->SetCells(1, 4, u"<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"FALSE\" WIDTH=\"15\"> lamp");
       },
       [](RightToLeftGrid& f) {
         // The text is drawn upright, so its first control starts at the shown cell's left.
         const TRect r = f.Grid->CellRect(1, 4);
         return Point(r.Right - 9, r.Top + 6);
       },
       [](RightToLeftGrid& f) { return f.Grid->ControlValues(1, 4, u"c1") == u"TRUE"; }},
  };
  for (const HitCase& c : cases) {
    SCOPED_TRACE(c.what);
    RightToLeftGrid f;
    c.setUp(f);
    const TPoint target = c.target(f);
    const TRect cell = f.Grid->CellRect(c.cell.X, c.cell.Y);
    ASSERT_TRUE(cell.Contains(target));
    const TPoint wrong = f.Shown(f.OtherSide(cell, target).X, target.Y);
    EXPECT_EQ(c.cell, f.Grid->MouseCoord(wrong.X, wrong.Y)) << "the other side of the same shown cell";
    f.Input.Click(*f.Grid, wrong);
    EXPECT_FALSE(c.hit(f)) << "missed where the left-to-right cell has it";
    const TPoint shown = f.Shown(target.X, target.Y);
    f.Input.Click(*f.Grid, shown);
    EXPECT_TRUE(c.hit(f)) << "hit where it is painted";
  }
}

// The header's drop-down button is painted at the left of the shown cell;
// its menu pops up under it.
TEST(RightToLeftHits, TheFixedDropDownButtonIsPressedWhereItIsPainted) {
  testsupport::MenuResponder menus;
  RightToLeftGrid f;
  TPopupMenu* menu = f.MakeMenu(menus);
  f.Grid->ControlLook()->SetFixedDropDownButton(true);
  f.Grid->SetHoverFixedCells(hfAll);
  f.Grid->SetFixedDropDownMenu(menu);
  const TRect r = f.Grid->CellRect(2, 0);
  f.Input.Click(*f.Grid, f.Shown(r.Left + 8, r.Top + 6));
  EXPECT_TRUE(menus.Menus().empty()) << "where the left-to-right cell has the button";
  f.Input.Click(*f.Grid, f.Shown(r.Right - 8, r.Top + 6));
  ASSERT_EQ(1u, menus.Menus().size());
  const int w = f.Grid->ClientWidth();
  EXPECT_EQ(f.Grid->ClientToScreen(Point(w - r.Right, r.Bottom)), menus.Menus()[0].At);
}

// A column's popup menu pops up under the cell as shown.
TEST(RightToLeftHits, AColumnPopupPopsUpUnderTheShownCell) {
  testsupport::MenuResponder menus;
  MirroredGrid<TAdvColumnGrid> f;
  TGridColumnItem* column = f.Grid->Columns()->Items(2);
  column->SetColumnPopup(f.MakeMenu(menus));
  column->SetColumnPopupType(cpNormalCellsLClick);
  const TRect r = f.Grid->CellRect(2, 2);
  f.Input.Click(*f.Grid, f.Shown((r.Left + r.Right) / 2, r.Top + 6));
  ASSERT_EQ(1u, menus.Menus().size());
  EXPECT_EQ(f.Grid->ClientToScreen(Point(f.Grid->ClientWidth() - r.Right, r.Bottom)), menus.Menus()[0].At);
}

}  // namespace
