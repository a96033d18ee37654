// The grid's own cell painter on the recording canvas.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "grid/base/GradientFill.h"
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
         // A whole pass paints the area's text, and once for its covered cells.
         int areaTexts = 0;
         for (const auto& t : Ops(pass, u"DrawText")) areaTexts += t.Text == u"area";
         EXPECT_GE(areaTexts, 1);
         EXPECT_LE(areaTexts, 2);
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

}  // namespace
