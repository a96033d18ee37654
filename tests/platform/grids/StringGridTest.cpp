// The string grid as a window, driven through the input driver as a user would.
#include <gtest/gtest.h>

#include "platform/grids/Grids.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/Snapshot.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TempDir.h"

namespace {

// A shown form with a 6 x 20 string grid (one fixed row and column, 64 x 24
// cells with 1 px lines) and an edit after it in the tab order.
class StringGridWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    Form->SetBounds(0, 0, 500, 400);
    Grid->SetParent(Form);
    Grid->SetBounds(10, 10, 300, 200);
    Grid->SetColCount(6);
    Grid->SetRowCount(20);
    Other->SetParent(Form);
    Other->SetBounds(10, 250, 100, 22);
    Grid->OnClick = [this](TObject*) { ++Clicks; };
    Form->Show();
    Grid->SetFocus();
  }
  void TearDown() override { delete Form; }

  TPoint Centre(int ACol, int ARow) const {
    TRect r = Grid->CellRect(ACol, ARow);
    return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
  }
  TGridCoord Current() const { return TGridCoord{Grid->Col(), Grid->Row()}; }
  void AddOption(TGridOption o) { Grid->SetOptions(Grid->Options() + TGridOptions{o}); }
  bool EditorShown() const { return Grid->InplaceEditor() && Grid->InplaceEditor()->Visible(); }

  TForm* Form = new TForm(nullptr);
  TStringGrid* Grid = new TStringGrid(Form);
  TEdit* Other = new TEdit(Form);
  testsupport::InputDriver Input;
  int Clicks = 0;
};

TEST_F(StringGridWindow, AClickSelectsTheCellAndClicksOnce) {
  Input.Click(*Grid, Centre(3, 2));
  EXPECT_EQ((TGridCoord{3, 2}), Current());
  EXPECT_EQ((TGridRect{3, 2, 3, 2}), Grid->Selection());
  EXPECT_EQ(1, Clicks);
  Input.Click(*Grid, Centre(0, 2));  // a fixed cell selects nothing
  EXPECT_EQ((TGridCoord{3, 2}), Current());
  EXPECT_EQ(1, Clicks);
}

TEST_F(StringGridWindow, ADragSelectsARangeAndClicksOnRelease) {
  Input.MouseDown(*Grid, Centre(1, 1));
  Input.MouseMove(*Grid, Centre(3, 4));
  EXPECT_EQ(0, Clicks);
  Input.MouseUp(*Grid, Centre(3, 4));
  EXPECT_EQ((TGridRect{1, 1, 3, 4}), Grid->Selection());
  EXPECT_EQ(1, Clicks);
  EXPECT_FALSE(Grid->MouseCapture());
}

TEST_F(StringGridWindow, DraggingPastTheBottomScrollsOnTheClockUntilRelease) {
  Input.MouseDown(*Grid, Centre(1, 2));
  Input.MouseMove(*Grid, Point(100, Grid->ViewHeight() + 5));  // below the cells, on the bar
  int row = Grid->Row();
  Input.Advance(60);
  EXPECT_EQ(row + 1, Grid->Row());
  Input.Advance(60 * 30);
  EXPECT_EQ(19, Grid->Row());
  EXPECT_EQ(Grid->MaxTopRow(), Grid->TopRow());
  Input.MouseUp(*Grid, Point(100, Grid->ViewHeight() + 5));
  Grid->SetRow(5);
  Input.Advance(600);
  EXPECT_EQ(5, Grid->Row());  // the timer stopped with the release
  EXPECT_EQ(0, testsupport::Clock().ActiveTimers());
}

TEST_F(StringGridWindow, DraggingAColumnBorderSizesTheColumnAndShowsTheLine) {
  AddOption(goColSizing);
  int border = Grid->CellRect(1, 0).Right;
  Input.MouseDown(*Grid, Point(border, 10));
  Input.MouseMove(*Grid, Point(border + 30, 12));
  TRecordingCanvas canvas;
  Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  bool line = false;
  for (const auto& r : canvas.RecordsOf(u"FillRect"))
    line |= r.Rect == TRect{border + 30, 0, border + 31, Grid->ViewHeight()} && r.BrushColor == clBlack;
  EXPECT_TRUE(line);
  Input.MouseUp(*Grid, Point(border + 30, 12));
  EXPECT_EQ(94, Grid->ColWidths(1));
  EXPECT_EQ(gsNormal, Grid->GridState());
}

TEST_F(StringGridWindow, F2OpensTheEditorOnTheCellAndEnterWritesBack) {
  AddOption(goEditing);
  Grid->SetCells(2, 3, u"ab");
  Grid->FocusCell(2, 3, true);
  Input.Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(Grid->EditorMode());
  EXPECT_EQ(Grid->CellRect(2, 3), Grid->InplaceEditor()->BoundsRect());
  EXPECT_TRUE(Grid->InplaceEditor()->Focused());
  Input.Type(u"xy");  // F2 leaves the caret at the end
  Input.Key(VK_RETURN);
  EXPECT_FALSE(EditorShown());
  EXPECT_FALSE(Grid->EditorMode());
  EXPECT_EQ(u"abxy", Grid->Cells(2, 3));
  EXPECT_TRUE(Grid->Focused());
  EXPECT_EQ(Grid, Form->ActiveControl());
}

TEST_F(StringGridWindow, ATypedCharacterOpensTheEditorWithIt) {
  AddOption(goEditing);
  Grid->SetCells(1, 1, u"old");
  Input.Type(u"n");
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(u"n", Grid->InplaceEditor()->Text());
  Input.Type(u"ew");
  EXPECT_EQ(u"new", Grid->Cells(1, 1));  // the cell follows every change
  Input.Key(VK_DOWN);  // leaving the cell closes the editor
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ((TGridCoord{1, 2}), Current());
  EXPECT_EQ(u"new", Grid->Cells(1, 1));
}

TEST_F(StringGridWindow, TheEditorTakesTheCellsEditMask) {
  AddOption(goEditing);
  Grid->OnGetEditMask = [](TObject*, int ACol, int, String& Value) {
    if (ACol == 2) Value = u"00;0;_";
  };
  Grid->FocusCell(2, 1, true);
  Input.Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_TRUE(Grid->InplaceEditor()->IsMasked());
  Input.Key(VK_HOME);  // F2 leaves the caret after the last position
  Input.Type(u"a42");  // the letter does not fit the digit positions
  Input.Key(VK_RETURN);
  EXPECT_EQ(u"42", Grid->Cells(2, 1));
  Grid->FocusCell(3, 1, true);  // no mask in the next column
  Input.Key(VK_F2);
  EXPECT_FALSE(Grid->InplaceEditor()->IsMasked());
}

TEST_F(StringGridWindow, EscapeCancelsTheEditAndLeavesTheWindowOpen) {
  AddOption(goEditing);
  auto* cancel = new TButton(Form);
  cancel->SetParent(Form);
  cancel->SetCancel(true);
  int cancelled = 0;
  cancel->OnClick = [&](TObject*) { ++cancelled; };
  Grid->SetCells(1, 1, u"keep");
  Input.Type(u"gone");
  EXPECT_EQ(u"gone", Grid->Cells(1, 1));
  Input.Key(VK_ESCAPE);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(u"keep", Grid->Cells(1, 1));
  EXPECT_EQ(0, cancelled);
  Input.Key(VK_ESCAPE);  // without an editor the form's cancel button has it
  EXPECT_EQ(1, cancelled);
}

TEST_F(StringGridWindow, EditingNeedsGoEditingAndNoRowSelect) {
  Input.Key(VK_F2);
  EXPECT_FALSE(EditorShown());
  AddOption(goEditing);
  AddOption(goRowSelect);
  Input.Type(u"x");
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ(u"", Grid->Cells(1, 1));
}

TEST_F(StringGridWindow, AClickOnTheCurrentCellOpensTheEditor) {
  AddOption(goEditing);
  Input.Click(*Grid, Centre(2, 2));
  EXPECT_FALSE(EditorShown());
  Input.Click(*Grid, Centre(2, 2));
  EXPECT_TRUE(EditorShown());
  Input.Click(*Grid, Centre(3, 3));  // another cell closes it
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ((TGridCoord{3, 3}), Current());
}

TEST_F(StringGridWindow, AnAlwaysShownEditorFollowsTheCurrentCell) {
  AddOption(goEditing);
  Other->SetFocus();
  AddOption(goAlwaysShowEditor);
  EXPECT_TRUE(EditorShown());  // also while another control has the focus
  EXPECT_TRUE(Other->Focused());
  Grid->SetCells(1, 2, u"below");
  Input.Key(*Other, VK_TAB, ssShift);  // back into the grid, and into its editor
  EXPECT_TRUE(Grid->InplaceEditor()->Focused());
  Input.Key(VK_DOWN);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Grid->CellRect(1, 2), Grid->InplaceEditor()->BoundsRect());
  EXPECT_EQ(u"below", Grid->InplaceEditor()->Text());
  Input.Key(VK_RETURN);  // Enter does not close an always-shown editor
  EXPECT_TRUE(EditorShown());
}

TEST_F(StringGridWindow, TheEditorFollowsScrollingAndCellWrites) {
  AddOption(goEditing);
  Input.Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  Grid->Perform(WM_VSCROLL, SB_PAGEDOWN);  // the cell leaves the view
  EXPECT_FALSE(EditorShown());
  EXPECT_TRUE(Grid->EditorMode());
  Grid->Perform(WM_VSCROLL, SB_TOP);
  EXPECT_TRUE(EditorShown());
  EXPECT_EQ(Grid->CellRect(1, 1), Grid->InplaceEditor()->BoundsRect());
  Grid->SetCells(1, 1, u"from code");  // a write into the edited cell reloads the editor
  EXPECT_EQ(u"from code", Grid->InplaceEditor()->Text());
}

TEST_F(StringGridWindow, ADoubleClickReachesTheGridAlsoFromItsEditor) {
  int doubles = 0;
  Grid->OnDblClick = [&](TObject*) { ++doubles; };
  Input.DoubleClick(*Grid, Centre(2, 2));
  EXPECT_EQ(1, doubles);
  AddOption(goEditing);
  Input.Key(VK_F2);
  Input.DoubleClick(*Grid->InplaceEditor(), Point(5, 5));
  EXPECT_EQ(2, doubles);
}

TEST_F(StringGridWindow, DraggingAHeaderMovesTheColumnWithItsTexts) {
  AddOption(goColMoving);
  Grid->SetCells(1, 3, u"moved");
  Input.MouseDown(*Grid, Centre(1, 0));
  Input.MouseMove(*Grid, Centre(3, 0));
  EXPECT_EQ(gsColMoving, Grid->GridState());
  Input.MouseUp(*Grid, Centre(3, 0));
  EXPECT_EQ(u"moved", Grid->Cells(3, 3));
  EXPECT_EQ(u"", Grid->Cells(1, 3));
}

// The grid answers the form's dialog-code question: Tab is the grid's own
// only with goTabs, also while its editor is open.
TEST_F(StringGridWindow, TabWalksTheCellsOnlyWithGoTabs) {
  Input.Key(VK_TAB);
  EXPECT_TRUE(Other->Focused());
  Grid->SetFocus();
  AddOption(goTabs);
  Input.Key(VK_TAB);
  EXPECT_TRUE(Grid->Focused());
  EXPECT_EQ((TGridCoord{2, 1}), Current());
  AddOption(goEditing);
  Input.Key(VK_F2);
  Input.Key(VK_TAB);
  EXPECT_FALSE(EditorShown());
  EXPECT_EQ((TGridCoord{3, 1}), Current());
}

TEST_F(StringGridWindow, TheWheelMovesTheCurrentRowAndScrolls) {
  for (int i = 0; i < 10; ++i) Input.Wheel(*Grid, -WHEEL_DELTA);
  EXPECT_EQ(11, Grid->Row());
  EXPECT_GT(Grid->TopRow(), 1);
  Input.Wheel(*Grid, WHEEL_DELTA * 3);
  EXPECT_EQ(8, Grid->Row());
  bool handled = true;
  Grid->OnMouseWheelDown = [&](TObject*, TShiftState, TPoint, bool& h) { h = handled; };
  Input.Wheel(*Grid, -WHEEL_DELTA);
  EXPECT_EQ(8, Grid->Row());
}

TEST_F(StringGridWindow, ScrollBarsShowWhenNeededAndScrollOnAPress) {
  EXPECT_TRUE(Grid->ScrollBarShown(true));
  EXPECT_TRUE(Grid->ScrollBarShown(false));
  EXPECT_EQ(Grid->Width() - 17, Grid->ViewWidth());
  Input.Click(*Grid, Point(Grid->ViewWidth() + 8, Grid->ViewHeight() - 30));  // the track below the thumb
  EXPECT_EQ(1 + Grid->VisibleRowCount(), Grid->TopRow());
  EXPECT_EQ((TGridCoord{1, 1}), Current());  // scrolling leaves the current cell
  Grid->Perform(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(1, Grid->TopRow());
  Grid->SetColCount(4);  // the columns fit now: no horizontal bar
  EXPECT_FALSE(Grid->ScrollBarShown(false));
  EXPECT_EQ(Grid->Height(), Grid->ViewHeight());
  Grid->SetScrollBars(ssNone);
  EXPECT_FALSE(Grid->ScrollBarShown(true));
  EXPECT_EQ(Grid->Width(), Grid->ViewWidth());
}

TEST_F(StringGridWindow, DefaultDrawingWritesTheTextsAndMarksTheSelection) {
  Grid->SetCells(1, 1, u"one");
  Grid->SetCells(2, 0, u"head");
  TRecordingCanvas canvas;
  Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  auto textAt = [&](const String& text) {
    for (const auto& r : canvas.RecordsOf(u"TextOut"))
      if (r.Text == text) return r.Points.at(0);
    return Point(-1, -1);
  };
  TRect one = Grid->CellRect(1, 1), head = Grid->CellRect(2, 0);
  EXPECT_EQ(Point(one.Left + 2, one.Top + 2), textAt(u"one"));
  EXPECT_EQ(Point(head.Left + 2, head.Top + 2), textAt(u"head"));
  auto filled = [&](const TRect& r, TColor c) {
    for (const auto& rec : canvas.RecordsOf(u"FillRect"))
      if (rec.Rect == r && rec.BrushColor == c) return true;
    return false;
  };
  EXPECT_TRUE(filled(head, clBtnFace));
  EXPECT_TRUE(filled(Grid->CellRect(2, 2), clWindow));
  EXPECT_TRUE(canvas.RecordsOf(u"DrawFocusRect").size() == 1u);
  Grid->SetDefaultDrawing(false);
  canvas.Clear();
  Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  EXPECT_TRUE(canvas.RecordsOf(u"TextOut").empty());
  EXPECT_TRUE(canvas.RecordsOf(u"DrawFocusRect").empty());
}

}  // namespace

namespace {

// What a person sees: headers on the button face, the range in the highlight
// colour, the plain cells in the window colour, and the bar along the right.
TEST(StringGridSnapshot, ASmallGridRendersAsItPaints) {
  testsupport::TempDir dir;
  TForm form(nullptr);
  form.SetBorderStyle(bsDialog);
  form.SetClientWidth(300);
  form.SetClientHeight(160);
  auto* grid = new TStringGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 300, 160);
  grid->SetRowCount(12);
  grid->SetColCount(4);
  for (int c = 1; c < 4; ++c) grid->SetCells(c, 0, u"Column " + IntToStr(c));
  for (int r = 1; r < 12; ++r) grid->SetCells(0, r, IntToStr(r));
  grid->SetCells(1, 1, u"Gateway");
  grid->SetSelection(TGridRect{1, 2, 2, 3});
  form.Show();
  const auto file = dir / "grid.png";
  ASSERT_TRUE(platform::RenderToPng(form, Utf8ToString(file.string())));
  TPngImage png;
  png.LoadFromFile(Utf8ToString(file.string()));
  const TPixelBuffer& px = png.Bitmap().Pixels();
  auto at = [&](int c, int r, int dx, int dy) {
    TRect rect = grid->CellRect(c, r);
    return px.Pixel(rect.Left + dx, rect.Top + dy);
  };
  EXPECT_EQ(ColorToRGB(clBtnFace), at(2, 0, 60, 20));
  EXPECT_EQ(ColorToRGB(clHighlight), at(1, 2, 60, 20));
  EXPECT_EQ(ColorToRGB(clWindow), at(3, 4, 60, 20));
  EXPECT_EQ(ColorToRGB(clScrollBar), px.Pixel(grid->ViewWidth() + 8, grid->ViewHeight() - 30));
}

}  // namespace

namespace {

// The draw grid hands drawing, selecting and the edit texts to its events.
TEST(DrawGridEvents, CellsAreDrawnSelectedAndEditedThroughTheEvents) {
  TForm form(nullptr);
  auto* grid = new TDrawGrid(&form);
  grid->SetParent(&form);
  grid->SetBounds(0, 0, 200, 100);
  grid->SetOptions(grid->Options() + TGridOptions{goEditing});
  int drawn = 0;
  grid->OnDrawCell = [&](TObject*, int, int, const TRect&, TGridDrawState) { ++drawn; };
  grid->OnSelectCell = [](TObject*, int ACol, int ARow, bool& CanSelect) { CanSelect = !(ACol == 2 && ARow == 2); };
  String stored = u"abc";
  grid->OnGetEditText = [&](TObject*, int, int, String& Value) { Value = stored; };
  grid->OnSetEditText = [&](TObject*, int, int, const String& Value) { stored = Value; };
  form.Show();
  grid->SetFocus();
  testsupport::InputDriver input;

  TRecordingCanvas canvas;
  grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  EXPECT_EQ((grid->LastVisibleCol() + 1) * (grid->LastVisibleRow() + 1), drawn);
  TRect refused = grid->CellRect(2, 2);
  input.Click(*grid, Point(refused.Left + 5, refused.Top + 5));
  EXPECT_EQ((TGridCoord{1, 1}), (TGridCoord{grid->Col(), grid->Row()}));
  input.Key(VK_F2);
  ASSERT_NE(nullptr, grid->InplaceEditor());
  EXPECT_EQ(u"abc", grid->InplaceEditor()->Text());
  input.Type(u"d");
  input.Key(VK_RETURN);
  EXPECT_EQ(u"abcd", stored);
}

}  // namespace

namespace {

// A grid that draws its own mark while a column is dragged switches the
// platform's line off.
class TMoveMarkGrid : public TStringGrid {
 public:
  TMoveMarkGrid(TComponent* AOwner, bool OwnMark) : TStringGrid(AOwner) { SetMoveFeedback(!OwnMark); }
  void Invalidate() override {
    ++Repaints;
    TStringGrid::Invalidate();
  }
  int Repaints = 0;
};

TEST(GridMoveFeedback, AGridWithItsOwnMoveMarkGetsNoLineAndNoRepaintFromThePlatform) {
  for (bool own : {false, true}) {
    SCOPED_TRACE(own ? "own mark" : "platform's line");
    TForm form(nullptr);
    auto* grid = new TMoveMarkGrid(&form, own);
    grid->SetParent(&form);
    grid->SetBounds(0, 0, 300, 200);
    grid->SetColCount(6);
    grid->SetOptions(grid->Options() + TGridOptions{goColMoving});
    grid->SetCells(1, 2, u"moved");
    form.Show();
    testsupport::InputDriver input;
    auto centre = [&](int c) {
      const TRect r = grid->CellRect(c, 0);
      return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    };
    input.MouseDown(*grid, centre(1));
    input.MouseMove(*grid, centre(2));
    ASSERT_EQ(gsColMoving, grid->GridState());
    const int before = grid->Repaints;
    input.MouseMove(*grid, centre(3));
    EXPECT_EQ(!own, grid->Repaints > before);
    TRecordingCanvas canvas;
    grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
    bool line = false;
    for (const auto& r : canvas.RecordsOf(u"FillRect"))
      line = line || (r.BrushColor == clBlack && r.Rect.Width() == 3 && r.Rect.Height() == grid->ViewHeight());
    EXPECT_EQ(!own, line);
    input.MouseUp(*grid, centre(3));
    EXPECT_EQ(u"moved", grid->Cells(3, 2));
  }
}

// A right-to-left grid shows column 0 at the right edge: clicks, the
// painted cells and the editor all agree on where a cell is.
TEST_F(StringGridWindow, ARightToLeftGridRunsItsColumnsFromTheRightEdge) {
  AddOption(goEditing);
  Grid->SetFixedCols(0);
  Grid->SetLeftCol(0);
  Grid->SetCells(1, 2, u"x");
  Input.Click(*Grid, Centre(1, 2));
  Input.Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  const TRect ltrEditor = Grid->InplaceEditor()->BoundsRect();
  Grid->HideEditor();
  Grid->SetBiDiMode(bdRightToLeft);
  const int w = Grid->ClientWidth();
  auto mirrored = [w](const TRect& r) { return TRect{w - r.Right, r.Top, w - r.Left, r.Bottom}; };
  auto mirroredCentre = [&](int ACol, int ARow) {
    const TPoint p = Centre(ACol, ARow);
    return Point(w - 1 - p.X, p.Y);
  };
  Input.Click(*Grid, Point(w - 2, Centre(0, 3).Y));
  EXPECT_EQ((TGridCoord{0, 3}), Current()) << "the rightmost pixels are column 0's";
  Input.Click(*Grid, mirroredCentre(1, 2));
  EXPECT_EQ((TGridCoord{1, 2}), Current());

  TRecordingCanvas canvas(Grid->Width(), Grid->Height());
  Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  const TRect cell = mirrored(Grid->CellRect(1, 2));
  bool filled = false, text = false;
  for (const auto& r : canvas.RecordsOf(u"FillRect")) filled |= r.Rect == cell;
  for (const auto& r : canvas.RecordsOf(u"TextOut"))
    text |= r.Text == u"x" && r.Points[0].X >= cell.Left && r.Points[0].X < cell.Right;
  EXPECT_TRUE(filled) << "the cell painted at its mirrored place";
  EXPECT_TRUE(text) << "its text inside it";

  Input.Key(VK_F2);
  ASSERT_TRUE(EditorShown());
  EXPECT_EQ(Grid->InplaceEditor()->BoundsRect(), mirrored(ltrEditor)) << "the editor over the mirrored cell";
  Grid->HideEditor();
  Input.Click(*Grid, Point(1, Centre(0, 2).Y));
  EXPECT_EQ((TGridCoord{4, 2}), Current()) << "the leftmost pixels: column 4, partly shown";
  EXPECT_GT(Grid->LeftCol(), 0) << "scrolled into view";
}

}  // namespace
