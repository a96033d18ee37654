#include <gtest/gtest.h>

#include <functional>

#include "grid/base/ControlLook.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/Menus.h"
#include "tests/grid/interact/MouseGridSupport.h"
#include "tests/grid/paint/PaintSupport.h"
#include "tests/support/GuiTest.h"

namespace {

using paint_test::kCell;

// A string grid with one fixed row and column, 5 x 6 cells of 80 x 24 pixels.
struct FixedCellGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  FixedCellGrid() {
    Grid->SetOptions(Grid->Options() + TGridOptions{goFixedVertLine, goFixedHorzLine});
    Grid->SetColCount(5);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(80);
    Grid->SetDefaultRowHeight(24);
    Show();
  }
  // The colour of the top line of the cell's 3-D edge: light when raised,
  // shadow when sunken, none without the edge.
  TColor EdgeTop(int ACol, int ARow) {
    TColor colour = clNone;
    const std::vector<TPoint> top{Point(kCell.Left, kCell.Top), Point(kCell.Right - 1, kCell.Top)};
    for (const TCanvasRecord& r : paint_test::Only(paint_test::PaintCell(*Grid, ACol, ARow), u"LineTo")) {
      if (r.Points == top) colour = r.PenColor;
    }
    return colour;
  }
};

TEST_F(FixedCellGrid, FixedCellsAsButtonsAreSunkenOnlyWhileHeld) {
  Grid->SetFixedAsButtons(true);
  EXPECT_EQ(clBtnHighlight, EdgeTop(2, 0));
  Input.MouseDown(*Grid, Centre(2, 0));
  EXPECT_EQ(clBtnShadow, EdgeTop(2, 0)) << "header held";
  EXPECT_EQ(clBtnHighlight, EdgeTop(3, 0));
  Input.MouseUp(*Grid, Centre(4, 3));
  EXPECT_EQ(clBtnHighlight, EdgeTop(2, 0)) << "released elsewhere";
  Input.MouseDown(*Grid, Centre(0, 2));
  EXPECT_EQ(clBtnShadow, EdgeTop(0, 2)) << "fixed column";
  Input.MouseUp(*Grid, Centre(0, 2));
  EXPECT_EQ(clBtnHighlight, EdgeTop(0, 2));
  Input.Click(*Grid, Centre(2, 2));
  EXPECT_EQ(clBtnHighlight, EdgeTop(2, 0)) << "a data cell presses no header";
}

// The button look needs both fixed grid lines and the 3-D look.
TEST_F(FixedCellGrid, FixedCellsAreButtonsOnlyWithFixedLinesAndThe3DLook) {
  struct Case {
    const char* Name;
    TGridOptions Off;
    bool Flat;
  };
  for (const Case& c : {Case{"no vertical fixed lines", {goFixedVertLine}, false},
                        Case{"no horizontal fixed lines", {goFixedHorzLine}, false},
                        Case{"flat", {}, true}}) {
    SCOPED_TRACE(c.Name);
    Grid->SetFixedAsButtons(true);
    Grid->SetOptions(Grid->Options() - c.Off);
    Grid->SetFlat(c.Flat);
    Input.MouseDown(*Grid, Centre(2, 0));
    EXPECT_NE(clBtnShadow, EdgeTop(2, 0));
    EXPECT_NE(clBtnHighlight, EdgeTop(2, 0));
    Input.MouseUp(*Grid, Centre(2, 0));
    Grid->SetOptions(Grid->Options() + c.Off);
    Grid->SetFlat(false);
  }
}

// A cell button in a fixed column clicks when released off it once fixed
// cells are buttons.
TEST_F(FixedCellGrid, AFixedColumnsButtonClicksWhereverReleasedWhenFixedCellsAreButtons) {
  Grid->ControlLook()->SetNoDisabledButtonLook(true);
  Grid->AddButton(0, 2, 40, 18, u"Go", haCenter, vaCenter);
  int clicks = 0;
  Grid->OnButtonClick = [&](TObject*, int, int) { ++clicks; };
  Grid->Repaint();
  Input.Pump();
  const TRect b = Grid->GetCellButtonRect(0, 2);
  ASSERT_FALSE(b.IsEmpty());
  const TPoint on = Point((b.Left + b.Right) / 2, (b.Top + b.Bottom) / 2);
  for (bool asButtons : {false, true}) {
    Grid->SetFixedAsButtons(asButtons);
    Input.MouseDown(*Grid, on);
    Input.MouseUp(*Grid, Centre(3, 4));
  }
  EXPECT_EQ(1, clicks);
}

// The drop-down button of a hovered header cell, with a menu whose item
// records the menu's Tag when chosen.
struct FixedDropDownGrid : FixedCellGrid {
  static constexpr TColor Down = 0x708090;
  static constexpr TColor Hover = 0x405060;
  testsupport::MenuResponder Menus;
  TPopupMenu* Menu = MakeMenu(u"Hide");
  std::vector<int> Tags;

  FixedDropDownGrid() {
    Grid->ControlLook()->SetFixedDropDownButton(true);
    Grid->SetHoverFixedCells(hfAll);
    for (TFixedGradientPart part : {fgDownFrom, fgDownTo}) Grid->SetFixedGradientColor(part, Down);
    for (TFixedGradientPart part : {fgHoverFrom, fgHoverTo}) Grid->SetFixedGradientColor(part, Hover);
    Grid->SetFixedDropDownMenu(Menu);
  }
  TPopupMenu* MakeMenu(const String& Caption) {
    auto* menu = new TPopupMenu(Form.get());
    auto* item = new TMenuItem(Form.get());
    item->SetCaption(Caption);
    item->OnClick = [this, menu](TObject*) { Tags.push_back(menu->Tag()); };
    menu->Items()->Add(item);
    return menu;
  }
  // Dx pixels left of the header cell's right edge.
  TPoint FromRight(int ACol, int Dx) const {
    const TRect r = Grid->CellRect(ACol, 0);
    return Point(r.Right - Dx, r.Top + 6);
  }
  // Whether the header is painted in the colour, on the button strip or left of it.
  bool Painted(int ACol, TColor Colour, bool Strip) {
    for (const TCanvasRecord& r : paint_test::PaintCell(*Grid, ACol, 0)) {
      if ((r.Op == u"FillRect" || r.Op == u"Rectangle") && r.BrushColor == Colour &&
          (r.Rect.Left == kCell.Right - 16) == Strip) {
        return true;
      }
    }
    return false;
  }
};

TEST_F(FixedDropDownGrid, TheButtonPopsTheMenuUpUnderTheCellWithTheStorageColumn) {
  Grid->HideColumn(1);
  Grid->SortSettings()->SetShow(true);
  bool stripDownWhileOpen = false;
  Menu->OnPopup = [&](TObject*) { stripDownWhileOpen = Painted(2, Down, true) && Painted(2, Hover, false); };
  Menus.Choose(u"Hide");
  Input.Click(*Grid, FromRight(2, 8));
  ASSERT_EQ(1u, Menus.Menus().size());
  const TRect r = Grid->CellRect(2, 0);
  EXPECT_EQ(Grid->ClientToScreen(Point(r.Right - 16, r.Bottom)), Menus.Menus()[0].At);
  EXPECT_EQ((std::vector<int>{3}), Tags) << "storage column of the third shown column";
  EXPECT_TRUE(stripDownWhileOpen);
  EXPECT_FALSE(Painted(2, Hover, false)) << "the highlight goes with the menu";
  EXPECT_EQ(-1, Grid->SortSettings()->Column()) << "the button does not sort";
}

TEST_F(FixedDropDownGrid, AFreedMenuIsForgotten) {
  delete Menu;
  EXPECT_EQ(nullptr, Grid->FixedDropDownMenu());
  Input.Click(*Grid, FromRight(2, 8));
  EXPECT_TRUE(Menus.Menus().empty());
}

// A menu takes the release of the press that opened it.
TEST_F(FixedDropDownGrid, AHeaderPressedAsAButtonRisesWhenTheMenuCloses) {
  Grid->SetFixedAsButtons(true);
  Menus.Choose(u"Hide");
  Input.MouseDown(*Grid, FromRight(2, 8));
  ASSERT_EQ(1u, Menus.Menus().size());
  EXPECT_EQ(clBtnHighlight, EdgeTop(2, 0));
  Input.MouseUp(*Grid, FromRight(2, 8));
}

TEST_F(FixedDropDownGrid, NoMenuOffTheButtonOrWhereTheColumnShowsNone) {
  Grid->SetOptions(Grid->Options() + TGridOptions{goColSizing});
  Grid->OnCanShowFixedDropDown = [](TObject*, int ACol, bool& Allow) { Allow = ACol != 3; };
  struct Case {
    const char* Name;
    std::function<void()> Act;
  };
  const Case cases[] = {
      {"left of the button", [&] { Input.Click(*Grid, FromRight(2, 20)); }},
      {"on the column's sizing border", [&] { Input.Click(*Grid, FromRight(2, 1)); }},
      {"a column without the button", [&] { Input.Click(*Grid, FromRight(3, 8)); }},
      {"headers not hovered",
       [&] {
         Grid->SetHoverFixedCells(hfFixedColumns);
         Input.Click(*Grid, FromRight(2, 8));
       }},
      {"a look that draws no button",
       [&] {
         Grid->SetHoverFixedCells(hfAll);
         Grid->SetLook(glClassic);
         Input.Click(*Grid, FromRight(2, 8));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    c.Act();
    EXPECT_TRUE(Menus.Menus().empty());
  }
}

TEST_F(FixedDropDownGrid, TheEventMayReplaceTheMenuDropItOrKeepTheHighlight) {
  TPopupMenu* other = MakeMenu(u"Other");
  std::vector<int> columns;
  TPopupMenu* replacement = other;
  bool keep = true;
  Grid->OnFixedDropDownClick = [&](TObject*, int ACol, int ARow, TPopupMenu*& AMenu, bool& Keep) {
    EXPECT_EQ(0, ARow);
    EXPECT_EQ(Menu, AMenu);
    columns.push_back(ACol);
    AMenu = replacement;
    Keep = keep;
  };
  Menus.Choose(u"Other");
  Input.Click(*Grid, FromRight(3, 8));
  ASSERT_EQ(1u, Menus.Menus().size());
  EXPECT_EQ(other, Menus.Menus()[0].Menu);
  EXPECT_EQ((std::vector<int>{3}), Tags);
  EXPECT_TRUE(Painted(3, Hover, false)) << "kept lit";
  replacement = nullptr;
  Input.Click(*Grid, FromRight(2, 8));
  EXPECT_EQ(1u, Menus.Menus().size()) << "no menu";
  EXPECT_EQ((std::vector<int>{3, 2}), columns);
}

}  // namespace
