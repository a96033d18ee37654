// The grid's own cell painter on the recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "grid/base/GradientFill.h"
#include "tests/grid/base/DrawingRecords.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/grid/base/BaseGridPaintSupport.h"

namespace {

// Grid of 5 x 6 cells of 50 x 20 pixels, one fixed row and column: cell
// (c, r) lies at (50c, 20r).
TRect Cell(int C, int R) { return Rect(50 * C, 20 * R, 50 * C + 50, 20 * R + 20); }

std::vector<TCanvasRecord> Ops(const TRecordingCanvas& c, const String& Op) { return c.RecordsOf(Op); }

// Which ends of a rounded selection face were drawn: the outer corner
// pixels sit at the face's left column and at its right column - 1.
int FaceKind(const TRecordingCanvas& c, const TRect& R, TColor Background) {
  bool left = false, right = false;
  for (const auto& p : Ops(c, u"SetPixels")) {
    if (p.Color != Background) continue;
    left = left || p.Points[0].X == R.Left;
    right = right || p.Points[0].X == R.Right - 2;
  }
  return left && right ? 0 : left ? 1 : right ? 2 : 3;
}

bool HasLineIn(const std::vector<TCanvasRecord>& Records, TColor Pen) {
  for (const auto& l : Records)
    if (l.Op == u"LineTo" && l.PenColor == Pen) return true;
  return false;
}

TGridDrawState State(std::initializer_list<TGridDrawStateItem> S) {
  TGridDrawState st;
  for (auto s : S) st.Include(s);
  return st;
}

struct PaintCase {
  const char* what;
  std::function<void(TShownPaintGrid&)> setup;
  std::function<void(TPaintGrid&, TRecordingCanvas&)> paint;
  std::function<void(TPaintGrid&, const TRecordingCanvas&)> check;
};

void PaintOne(TPaintGrid& G, TRecordingCanvas& C, int Col, int Row, TGridDrawState S = {}) {
  G.PaintCell(C, Col, Row, G.CellRect(Col, Row), S);
}

const std::vector<PaintCase>& Cases() {
  static const std::vector<PaintCase> cases = {
      {"the footer row is a plain rectangle in the grid colour without content",
       [](TShownPaintGrid& s) {
         s.Grid->SetHideLastRow(true);
         s.Grid->SetCells(2, 5, u"sum");
       },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 2, 5); },
       [](TPaintGrid& g, const TRecordingCanvas& c) {
         ASSERT_EQ(c.Records().size(), 1u) << StringToUtf8(c.Dump());
         const auto& r = c.Records()[0];
         EXPECT_EQ(r.Op, u"Rectangle");
         EXPECT_EQ(r.Rect, Cell(2, 5));
         EXPECT_EQ(r.BrushColor, g.Color());
         EXPECT_EQ(r.PenColor, g.Color());
       }},
      {"a merged area asked first for a covered cell paints once, whole, from its base",
       [](TShownPaintGrid& s) {
         s.Grid->MergeCells(1, 1, 2, 2);
         s.Grid->SetCells(1, 1, u"area");
       },
       [](TPaintGrid& g, TRecordingCanvas& c) {
         PaintOne(g, c, 2, 2);
         const size_t first = c.Records().size();
         PaintOne(g, c, 1, 2);  // same pass: nothing
         EXPECT_EQ(c.Records().size(), first);
         TRecordingCanvas pass(400, 300);
         g.PaintPass(pass);  // the pass ends: the next one paints the area again
         c.Clear();
         PaintOne(g, c, 2, 1);
         // A whole pass paints the area once, however many of its cells it asks for.
         int areaTexts = 0;
         for (const auto& t : Ops(pass, u"DrawText")) areaTexts += t.Text == u"area";
         EXPECT_EQ(areaTexts, 1);
       },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         const auto texts = Ops(c, u"DrawText");
         ASSERT_EQ(texts.size(), 1u);
         EXPECT_EQ(texts[0].Text, u"area");
         EXPECT_EQ(Ops(c, u"Rectangle")[0].Rect, Rect(50, 20, 150, 60));
       }},
      {"a fixed cell has 1-pixel lines in the fixed line colour and a content box 1 and 2 smaller",
       [](TShownPaintGrid& s) { s.Grid->SetGridLineWidth(3); },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 0, 2, State({gdFixed})); },
       [](TPaintGrid& g, const TRecordingCanvas& c) {
         const auto lines = Ops(c, u"LineTo");
         ASSERT_EQ(lines.size(), 2u);
         EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{0, 59}, {50, 59}}));
         EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{{49, 59}, {49, 39}}));
         for (const auto& l : lines) {
           EXPECT_EQ(l.PenWidth, 1);
           EXPECT_EQ(l.PenColor, g.GridFixedLineColor());
         }
         EXPECT_EQ(Ops(c, u"DrawText")[0].Rect, Rect(0, 40, 49, 58));
       }},
      {"grid line width 3: lines 2 pixels inside, content 3 pixels smaller on every side",
       [](TShownPaintGrid& s) { s.Grid->SetGridLineWidth(3); },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 2, 2); },
       [](TPaintGrid& g, const TRecordingCanvas& c) {
         const auto lines = Ops(c, u"LineTo");
         ASSERT_EQ(lines.size(), 2u);
         EXPECT_EQ(lines[0].Points, (std::vector<TPoint>{{99, 58}, {149, 58}}));
         EXPECT_EQ(lines[1].Points, (std::vector<TPoint>{{148, 58}, {148, 38}}));
         EXPECT_EQ(lines[0].PenWidth, 3);
         EXPECT_EQ(lines[0].PenColor, g.GridLineColor());
         EXPECT_EQ(Ops(c, u"DrawText")[0].Rect, Rect(103, 43, 147, 57));
       }},
      {"right-to-left: the right line lies on the cell's right edge",
       [](TShownPaintGrid& s) { s.Grid->RightToLeft = true; },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 2, 2); },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         EXPECT_EQ(Ops(c, u"LineTo")[1].Points, (std::vector<TPoint>{{150, 59}, {150, 39}}));
       }},
      {"column 0 of a grid with nodes has no bottom line",
       [](TShownPaintGrid& s) {
         s.Grid->Nodes = true;
         s.Grid->SetFixedCols(0);
       },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 0, 2); },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         const auto lines = Ops(c, u"LineTo");
         ASSERT_EQ(lines.size(), 1u);
         EXPECT_EQ(lines[0].Points[0].X, lines[0].Points[1].X);  // the right line only
       }},
      {"the base content is the cell's text centred on one line",
       [](TShownPaintGrid& s) { s.Grid->SetCells(3, 3, u"text"); },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 3, 3); },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         const auto t = Ops(c, u"DrawText");
         ASSERT_EQ(t.size(), 1u);
         EXPECT_EQ(t[0].Text, u"text");
         EXPECT_EQ(t[0].Format, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
         EXPECT_EQ(t[0].Rect, Rect(151, 61, 199, 79));
       }},
      {"the hover row takes selected and fixed cells only as HoverRowCells says",
       [](TShownPaintGrid& s) {
         s.Grid->SetHoverRow(true);
         s.Grid->SetHoverRowIdx(2);
         s.Grid->SetHoverRowColor(clYellow);
       },
       [](TPaintGrid& g, TRecordingCanvas&) {
         auto brush = [&g](int Col, TGridDrawState S) {
           TRecordingCanvas c(400, 300);
           PaintOne(g, c, Col, 2, S);
           return Ops(c, u"Rectangle").at(0).BrushColor;
         };
         EXPECT_EQ(brush(2, {}), clYellow);
         EXPECT_EQ(brush(2, State({gdSelected})), clYellow);
         EXPECT_NE(brush(0, State({gdFixed})), clYellow);
         g.SetHoverRowCells(THoverRowCells{hcNormal, hcFixed});
         EXPECT_NE(brush(2, State({gdSelected})), clYellow);
         EXPECT_EQ(brush(0, State({gdFixed})), clYellow);
         g.SetHoverRowIdx(3);
         EXPECT_NE(brush(2, {}), clYellow);
       },
       [](TPaintGrid&, const TRecordingCanvas&) {}},
      {"the active row colours every scrollable cell of the current row but the current one",
       [](TShownPaintGrid& s) {
         s.Grid->SetActiveRowShow(true);
         s.Grid->SetActiveRowColor(clLime);
         s.Grid->SetCol(1);
         s.Grid->SetRow(2);
       },
       [](TPaintGrid& g, TRecordingCanvas&) {
         auto brush = [&g](int Col, int Row) {
           TRecordingCanvas c(400, 300);
           PaintOne(g, c, Col, Row);
           return Ops(c, u"Rectangle").at(0).BrushColor;
         };
         EXPECT_EQ(brush(2, 2), clLime);
         EXPECT_NE(brush(1, 2), clLime);  // the current cell shows the selection
         EXPECT_NE(brush(0, 2), clLime);  // fixed column
         EXPECT_NE(brush(2, 3), clLime);
         g.SetShowSel(false);
         EXPECT_EQ(brush(1, 2), clLime);
       },
       [](TPaintGrid&, const TRecordingCanvas&) {}},
      {"a gradient background is the drawing utilities' gradient, horizontal by the look",
       [](TShownPaintGrid& s) {
         s.Grid->Look = [](TBrush& B, TColor& To, TColor&, TColor&, TCellGradientDirection& GD) {
           B.SetColor(clRed);
           To = clBlue;
           GD = GradientHorizontal;
         };
       },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 2, 2); },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         TRecordingCanvas expected(400, 300);
         DrawGradientRect(expected, clRed, clBlue, 64, Cell(2, 2), true);
         EXPECT_GT(Ops(expected, u"Rectangle").size(), 2u);
         EXPECT_EQ(testdraw::RectsOf(c, u"Rectangle"), testdraw::RectsOf(expected, u"Rectangle"));
         EXPECT_EQ(testdraw::BrushesOf(c, u"Rectangle"), testdraw::BrushesOf(expected, u"Rectangle"));
       }},
      {"a mirrored background is the drawing utilities' two halves, top and bottom",
       [](TShownPaintGrid& s) {
         s.Grid->Look = [](TBrush& B, TColor& To, TColor& M, TColor& MTo, TCellGradientDirection&) {
           B.SetColor(clRed);
           To = clBlue;
           M = clGreen;
           MTo = clWhite;
         };
       },
       [](TPaintGrid& g, TRecordingCanvas& c) { PaintOne(g, c, 2, 2); },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         TRecordingCanvas expected(400, 300);
         TCellBackground look;
         look.Color = clRed;
         look.ColorTo = clBlue;
         look.MirrorColor = clGreen;
         look.MirrorColorTo = clWhite;
         look.Vertical = true;
         DrawCellBackground(expected, Cell(2, 2), look);
         EXPECT_EQ(testdraw::RectsOf(c, u"Rectangle"), testdraw::RectsOf(expected, u"Rectangle"));
         EXPECT_EQ(testdraw::BrushesOf(c, u"Rectangle"), testdraw::BrushesOf(expected, u"Rectangle"));
       }},
      {"the fixed-area clip holds only for a cell reaching under the fixed cells, and goes",
       [](TShownPaintGrid& s) {
         s.Grid->SetColCount(12);
         s.Grid->MergeCells(1, 2, 2, 1);
         s.Grid->SetLeftCol(2);
       },
       [](TPaintGrid& g, TRecordingCanvas& c) {
         PaintOne(g, c, 2, 2);  // paints the area from column 1, scrolled under column 0
         for (const auto& r : c.Records()) {
           if (r.Op == u"TextOut") continue;  // DrawText clips its lines itself
           EXPECT_TRUE(r.Clipped) << StringToUtf8(r.ToString());
           EXPECT_EQ(r.Clip, Rect(50, 20, g.ClientWidth(), g.ClientHeight()));
         }
         c.Clear();
         PaintOne(g, c, 3, 3);
         c.Rectangle(0, 0, 1, 1);
       },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         ASSERT_FALSE(c.Records().empty());
         for (const auto& r : c.Records()) {
           if (r.Op == u"TextOut") continue;
           EXPECT_FALSE(r.Clipped) << StringToUtf8(r.ToString());
         }
       }},
      {"PaintCellExt on a selected cell: active-row colours in the rectangle given, no text",
       [](TShownPaintGrid& s) {
         s.Grid->SetActiveRowColor(clLime);
         s.Grid->MergeCells(1, 1, 2, 2);
         s.Grid->SetCells(1, 1, u"area");
       },
       [](TPaintGrid& g, TRecordingCanvas& c) { g.PaintCellExt(c, 1, 1, Cell(1, 1), State({gdSelected})); },
       [](TPaintGrid&, const TRecordingCanvas& c) {
         EXPECT_TRUE(Ops(c, u"DrawText").empty());
         const auto r = Ops(c, u"Rectangle");
         ASSERT_EQ(r.size(), 1u);
         EXPECT_EQ(r[0].Rect, Cell(1, 1));
         EXPECT_EQ(r[0].BrushColor, clLime);
       }},
  };
  return cases;
}

TEST(BaseGridPaint, CellsPaintAsTheirCaseSays) {
  for (const PaintCase& k : Cases()) {
    SCOPED_TRACE(k.what);
    TShownPaintGrid shown;
    TPaintGrid& g = *shown.Grid;
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    k.setup(shown);
    TRecordingCanvas canvas(400, 300);
    k.paint(g, canvas);
    k.check(g, canvas);
  }
}

// The rounded looks by Kind across a selection of columns 1..3 (and one
// column), focused or grey; goDrawFocusSelected keeps the focused set.
TEST(BaseGridPaint, SelectionLooksByKindAndFocus) {
  struct Case {
    TGridSelectionStyle style;
    bool focus;
    bool drawFocusSelected;
    TColor border;
  };
  const Case cases[] = {
      {ssVista, true, false, 0xFDDE99},      {ssWin7, true, false, 0xCEA27D},
      {ssOffice2007, true, false, 0x8DD7D3}, {ssVista, false, false, 0xD9D9D9},
      {ssWin7, false, false, 0xD9D9D9},      {ssOffice2007, false, false, 0xD9D9D9},
      {ssWin7, false, true, 0xCEA27D},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(testing::Message() << StringToUtf8(EnumName(k.style)) << " focus " << k.focus);
    TShownPaintGrid shown;
    TPaintGrid& g = *shown.Grid;
    g.SetFixedCols(1);
    g.SetFixedRows(1);
    g.SetSelectionStyle(k.style);
    if (k.drawFocusSelected) {
      TGridOptions options = g.Options();
      options.Include(goDrawFocusSelected);
      g.SetOptions(options);
    }
    if (k.focus)
      g.SetFocus();
    else
      shown.Other->SetFocus();
    ASSERT_EQ(g.Focused(), k.focus);
    g.SetColor(0x123456);
    auto kinds = [&g, &k](int From, int To) {
      std::vector<int> out;
      g.SetSelection(TGridRect{From, 2, To, 2});
      for (int c = std::min(From, To); c <= std::max(From, To); ++c) {
        TRecordingCanvas canvas(400, 300);
        PaintOne(g, canvas, c, 2, State({gdSelected}));
        EXPECT_TRUE(HasLineIn(canvas.Records(), k.border));
        out.push_back(FaceKind(canvas, Cell(c, 2), g.Color()));
      }
      return out;
    };
    EXPECT_EQ(kinds(1, 3), (std::vector<int>{1, 3, 2}));
    EXPECT_EQ(kinds(3, 1), (std::vector<int>{1, 3, 2}));  // a reversed selection alike
    EXPECT_EQ(kinds(2, 2), (std::vector<int>{0}));
  }
}

// ssDefault leaves a selected cell to the ordinary background.
TEST(BaseGridPaint, DefaultSelectionStyleTakesTheOrdinaryBackground) {
  TShownPaintGrid shown;
  TPaintGrid& g = *shown.Grid;
  g.Look = [](TBrush& B, TColor&, TColor&, TColor&, TCellGradientDirection&) { B.SetColor(clRed); };
  g.SetSelection(TGridRect{1, 2, 3, 2});
  TRecordingCanvas canvas(400, 300);
  PaintOne(g, canvas, 2, 2, State({gdSelected}));
  EXPECT_TRUE(Ops(canvas, u"SetPixels").empty());
  EXPECT_EQ(Ops(canvas, u"Rectangle").at(0).BrushColor, clRed);
}

// SelectionStyle and the ActiveRow colours invalidate only on a change, the
// line colours always; the platform grid's own lines and default drawing stay off.
TEST(BaseGridPaint, SettersInvalidateAsTheirKindSays) {
  struct Case {
    const char* what;
    std::function<void(TPaintGrid&)> set;
    bool onlyOnChange;
  };
  const Case cases[] = {
      {"SelectionStyle", [](TPaintGrid& g) { g.SetSelectionStyle(ssWin7); }, true},
      {"ActiveRowShow", [](TPaintGrid& g) { g.SetActiveRowShow(true); }, true},
      {"ActiveRowColor", [](TPaintGrid& g) { g.SetActiveRowColor(clRed); }, true},
      {"ActiveRowColorTo", [](TPaintGrid& g) { g.SetActiveRowColorTo(clRed); }, true},
      {"ActiveRowMirrorColor", [](TPaintGrid& g) { g.SetActiveRowMirrorColor(clRed); }, true},
      {"ActiveRowMirrorColorTo", [](TPaintGrid& g) { g.SetActiveRowMirrorColorTo(clRed); }, true},
      {"GridLineColor", [](TPaintGrid& g) { g.SetGridLineColor(clRed); }, false},
      {"GridFixedLineColor", [](TPaintGrid& g) { g.SetGridFixedLineColor(clRed); }, false},
      {"GridLineWidth", [](TPaintGrid& g) { g.SetGridLineWidth(2); }, false},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    TPaintGrid g;
    const int before = g.Invalidations;
    k.set(g);
    EXPECT_EQ(g.Invalidations - before, 1);
    k.set(g);
    EXPECT_EQ(g.Invalidations - before, k.onlyOnChange ? 1 : 2);
  }
  TPaintGrid g;
  g.SetGridLineWidth(3);
  EXPECT_EQ(g.GridLineWidth(), 3);
  EXPECT_EQ(g.TGridModel::GridLineWidth(), 0);
  g.SetDefaultDrawing(true);
  EXPECT_TRUE(g.DefaultDrawing());
  EXPECT_FALSE(g.TCustomGrid::DefaultDrawing());
}

}  // namespace
