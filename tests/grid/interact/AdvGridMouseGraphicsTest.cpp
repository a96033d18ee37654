#include <gtest/gtest.h>

#include "grid/base/ControlLook.h"
#include "grid/base/MouseActions.h"
#include "grid/model/Grouping.h"
#include "tests/grid/interact/MouseGridSupport.h"
#include "tests/grid/paint/PaintSupport.h"

namespace {

// A small string grid, editable, 5 x 6 cells of 80 x 24 pixels.
struct SmallGrid : ::testing::Test, mousetest::TGridOnForm<TAdvStringGrid> {
  SmallGrid() {
    Grid->SetOptions(Grid->Options() + TGridOptions{goEditing});
    Grid->SetColCount(5);
    Grid->SetRowCount(6);
    Grid->SetDefaultColWidth(80);
    Grid->SetDefaultRowHeight(24);
    Show();
  }
  // The last painted places of cell graphics are what clicks hit.
  void Paint() {
    Grid->Repaint();
    Input.Pump();
  }
  // Where the cell's button caption is drawn now: a pressed face moves it.
  TRect CaptionRect(int ACol, int ARow) {
    TRect r = Grid->CellRect(ACol, ARow);
    InflateRect(r, -1, -1);
    for (const TCanvasRecord& rec : paint_test::Only(paint_test::PaintCell(*Grid, ACol, ARow, {}, r), u"DrawText")) {
      if (!rec.Text.empty()) return rec.Rect;
    }
    ADD_FAILURE() << "no caption";
    return {};
  }
};

TEST_F(SmallGrid, ARadioGroupTakesTheOptionUnderThePoint) {
  TStrings* across = Grid->CreateRadio(1, 1, 1, 0);
  TStrings* down = Grid->CreateRadio(2, 1, 0, 0);
  for (TStrings* options : {across, down}) {
    options->Add(u"A");
    options->Add(u"B");
  }
  Grid->SetRowHeights(1, 60);
  Grid->SetColWidths(1, 120);
  Grid->ControlLook()->SetControlStyle(csWinXP);  // option glyphs 16 px wide
  std::vector<int> picked;
  Grid->OnRadioClick = [&](TObject*, int, int, int AIdx) { picked.push_back(AIdx); };
  Paint();
  const TRect across1 = Grid->CellRect(1, 1);
  const int firstWidth = Grid->MeasureCanvas()->TextWidth(u"A") + 16;
  Input.Click(*Grid, Point(across1.Left + firstWidth + 3, across1.Top + 5));
  int idx = -1;
  ASSERT_TRUE(Grid->GetRadioIdx(1, 1, idx));
  EXPECT_EQ(1, idx) << "horizontal: the second option";
  const TRect down1 = Grid->CellRect(2, 1);
  const int line = std::max(16, Grid->MeasureCanvas()->TextHeight(u"gh"));
  Input.Click(*Grid, Point(down1.Left + 5, down1.Top + line + 2));
  ASSERT_TRUE(Grid->GetRadioIdx(2, 1, idx));
  EXPECT_EQ(1, idx) << "vertical: the second option";
  EXPECT_EQ((std::vector<int>{1, 1}), picked);
  EXPECT_EQ(2, Grid->Col()) << "the group's cell becomes current";
}

TEST_F(SmallGrid, ASingleRadioButtonIsCheckedAndItsColumnMatesCleared) {
  Grid->AddRadioButtonColumn(3);
  std::vector<int> clicked;
  Grid->OnRadioButtonClick = [&](TObject*, int, int ARow) { clicked.push_back(ARow); };
  Click(3, 2);
  Click(3, 4);
  EXPECT_FALSE(Grid->IsRadioButtonChecked(3, 2));
  EXPECT_TRUE(Grid->IsRadioButtonChecked(3, 4));
  EXPECT_EQ((std::vector<int>{2, 4}), clicked);
}

TEST_F(SmallGrid, ACellButtonClicksOnlyWhenReleasedOnIt) {
  Grid->AddButton(2, 2, 40, 18, u"Go", haCenter, vaCenter);
  int clicks = 0;
  Grid->OnButtonClick = [&](TObject*, int ACol, int ARow) {
    EXPECT_EQ(2, ACol);
    EXPECT_EQ(2, ARow);
    ++clicks;
  };
  Paint();
  const TRect button = Grid->GetCellButtonRect(2, 2);
  ASSERT_FALSE(button.IsEmpty());
  const TPoint on = Point((button.Left + button.Right) / 2, (button.Top + button.Bottom) / 2);
  Input.Click(*Grid, on);
  EXPECT_EQ(1, clicks);
  Input.MouseMove(*Grid, on);
  const TRect up = CaptionRect(2, 2);
  Input.MouseDown(*Grid, on);
  EXPECT_EQ(up.Left + 1, CaptionRect(2, 2).Left) << "drawn pressed while held";
  Input.MouseUp(*Grid, Centre(4, 4));
  EXPECT_EQ(1, clicks) << "released elsewhere";
  EXPECT_EQ(up, CaptionRect(2, 2)) << "drawn released";
  EXPECT_EQ(nullptr, GetCaptureControl());
}

TEST_F(SmallGrid, TheExpandButtonTogglesTheRowHeight) {
  Grid->AddExpand(2, 3, 60);
  std::vector<bool> states;
  Grid->OnExpandClick = [&](TObject*, int, int, bool Expanded) { states.push_back(Expanded); };
  Paint();
  const TRect r = Grid->GetExpandButtonRect(2, 3);
  const TPoint on = Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  Input.Click(*Grid, on);
  EXPECT_EQ(60, Grid->RowHeights(3));
  Input.Click(*Grid, on);
  EXPECT_EQ((std::vector<bool>{true, false}), states);
  EXPECT_NE(60, Grid->RowHeights(3));
}

// The down face shows while the button is held on a hovered header.
TEST_F(SmallGrid, AHeldHeaderShowsTheDownFace) {
  constexpr TColor down = 0x708090;
  Grid->SetFixedGradientColor(fgDownFrom, down);
  Grid->SetFixedGradientColor(fgDownTo, down);
  Grid->SetHoverFixedCells(hfAll);
  auto downFace = [&](int ACol) {
    for (const TCanvasRecord& r : paint_test::PaintCell(*Grid, ACol, 0)) {
      if ((r.Op == u"FillRect" || r.Op == u"Rectangle") && r.BrushColor == down) return true;
    }
    return false;
  };
  Input.MouseDown(*Grid, Centre(2, 0));
  EXPECT_TRUE(downFace(2));
  EXPECT_FALSE(downFace(3));
  Input.MouseUp(*Grid, Centre(2, 0));
  EXPECT_FALSE(downFace(2)) << "released";
  Grid->ControlLook()->SetFixedGradientDownTo(clNone);
  Input.MouseDown(*Grid, Centre(2, 0));
  EXPECT_FALSE(downFace(2)) << "no down gradient";
  Input.MouseUp(*Grid, Centre(2, 0));
}

struct NodeGrid : SmallGrid {
  NodeGrid() {
    for (int r = 1; r < 6; ++r) Grid->SetCells(1, r, u"row " + IntToStr(r));
    Grid->AddNode(1, 3);  // rows 1..3
  }
  TPoint Glyph(int ARow) {
    for (int x = 0; x < Grid->ColWidths(0); ++x) {
      if (Grid->IsInNodeGlyph(ARow, x)) return Point(x + 1, Grid->CellRect(0, ARow).Top + 12);
    }
    ADD_FAILURE() << "no glyph";
    return Point(0, 0);
  }
};

TEST_F(NodeGrid, TheGlyphContractsAndExpandsUnlessRefused) {
  std::vector<std::string> log;
  bool allow = true;
  Grid->OnBeforeContractNode = [&](TObject*, int, int, bool& Allow) { Allow = allow; log.push_back("before contract"); };
  Grid->OnContractNode = [&](TObject*, int, int) { log.push_back("contract"); };
  Grid->OnExpandNode = [&](TObject*, int, int) { log.push_back("expand"); };
  allow = false;
  Input.Click(*Grid, Glyph(1));
  EXPECT_FALSE(Grid->GetNodeState(1)) << "refused";
  EXPECT_EQ(6, Grid->RowCount());
  allow = true;
  Input.Click(*Grid, Glyph(1));
  EXPECT_TRUE(Grid->GetNodeState(1));
  EXPECT_EQ(4, Grid->RowCount());
  Input.Click(*Grid, Glyph(1));
  EXPECT_EQ(6, Grid->RowCount());
  EXPECT_EQ((std::vector<std::string>{"before contract", "before contract", "contract", "expand"}), log);
}

TEST_F(NodeGrid, TheHeaderGlyphContractsAndExpandsEveryNode) {
  Grid->AddNode(4, 2);  // rows 4..5
  Grid->MouseActions()->SetNodeAllExpandContract(true);
  Grid->AddNode(0, 1);
  Input.Click(*Grid, Glyph(0));
  EXPECT_EQ(3, Grid->RowCount()) << "header and two contracted nodes";
  Input.Click(*Grid, Glyph(0));
  EXPECT_EQ(6, Grid->RowCount());
}

TEST_F(NodeGrid, ReleasingOnAnOpenGroupHeaderSelectsTheGroup) {
  Input.Click(*Grid, Centre(2, 1));
  EXPECT_EQ((TGridRect{2, 1, 2, 1}), Grid->Selection()) << "without AutoSelectGroup";
  Grid->Grouping()->SetAutoSelectGroup(true);
  Input.Click(*Grid, Centre(2, 1));
  EXPECT_EQ((TGridRect{1, 1, 4, 3}), Grid->Selection());
  Input.Click(*Grid, Centre(2, 4));
  EXPECT_EQ((TGridRect{2, 4, 2, 4}), Grid->Selection()) << "not a header";
  Input.Click(*Grid, Glyph(1));
  Input.Click(*Grid, Centre(2, 1));
  EXPECT_EQ((TGridRect{2, 1, 2, 1}), Grid->Selection()) << "contracted";
}

// A click on the current editable cell opens its editor, so each case
// has a row of its own.
TEST_F(SmallGrid, ARatingTakesHalfSteps) {
  struct Case {
    int Dx;
    double Value;
  };
  const Case Cases[] = {{4, 0.0}, {9, 0.5}, {20, 1.0}, {30, 1.5}};
  for (int r = 1; r <= 4; ++r) Grid->AddRating(2, r, 5, clYellow, clGray);
  for (int i = 0; i < 4; ++i) {
    Input.Click(*Grid, At(2, i + 1, Cases[i].Dx));
    EXPECT_DOUBLE_EQ(Cases[i].Value, Grid->Floats(2, i + 1)) << Cases[i].Dx;
  }
  Grid->OnRatingChange = [&](TObject*, int, int, double&, bool& Allow) { Allow = false; };
  Input.Click(*Grid, At(2, 5, 40));
  EXPECT_TRUE(Grid->Cells(2, 5).empty()) << "refused";
}

}  // namespace
