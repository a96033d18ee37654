// Printed cells on a recording canvas of 254 pixels per inch, where a
// pixel is 0.1 mm: a point (x, y) of the page is recorded at (x, -y). The
// grid's 8-point font prints 7 units wide and 13 high per character.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "grid/base/CellNode.h"
#include "grid/base/ControlLook.h"
#include "grid/base/PrintSettings.h"
#include "grid/exchange/GridPrinter.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Printers.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/sys/Strings.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/PdfPages.h"
#include "tests/support/TempDir.h"

namespace {

// 0.1 mm of screen pixels.
int P(int Pixels) { return static_cast<int>(Pixels * 254.0 / 96.0); }

class PrintedCells : public testing::Test {
 protected:
  PrintedCells() : canvas(4000, 4000) {
    canvas.SetPixelsPerInch(254);
    g.SetColCount(5);
    g.SetRowCount(50);
    g.SetWordWrap(false);
  }
  // A print open on the canvas with columns 200 wide from x = 100.
  void Open(bool Previewing = false) {
    scope = std::make_unique<TPrintScope>(g.GridPrinter(), canvas, Previewing);
    for (int c = 0; c <= 5; ++c) g.SetPrintColumn(c, 200, 100 + 220 * c);
  }
  std::vector<TCanvasRecord> Row(int Y, int From, int To, int ARow) {
    canvas.Clear();
    consumed = g.PrintRow(Y, From, To, ARow);
    return canvas.Records();
  }
  static std::vector<TCanvasRecord> Of(const std::vector<TCanvasRecord>& All, const String& Op) {
    std::vector<TCanvasRecord> out;
    std::copy_if(All.begin(), All.end(), std::back_inserter(out), [&](const TCanvasRecord& r) { return r.Op == Op; });
    return out;
  }
  static bool HasLine(const std::vector<TCanvasRecord>& All, TPoint From, TPoint To) {
    return std::any_of(All.begin(), All.end(), [&](const TCanvasRecord& r) {
      return r.Op == u"LineTo" && r.Points[0] == From && r.Points[1] == To;
    });
  }
  // The lines of text that reached the surface.
  static std::vector<TCanvasRecord> Texts(const std::vector<TCanvasRecord>& All) {
    std::vector<TCanvasRecord> out;
    std::copy_if(All.begin(), All.end(), std::back_inserter(out),
                 [](const TCanvasRecord& r) { return r.Op == u"TextOut" && !r.Text.empty(); });
    return out;
  }
  // The box around what was drawn in [Left, Right) besides lines and fills.
  static TRect DrawnIn(const std::vector<TCanvasRecord>& All, int Left, int Right) {
    TRect box{Right, 1 << 20, Left, -(1 << 20)};
    for (const TCanvasRecord& r : All) {
      const bool background = r.Op == u"Rectangle" && r.Rect.Width() >= Right - Left - 4;
      if (r.Op == u"LineTo" || background || r.Rect.Left < Left || r.Rect.Right > Right || r.Rect.IsEmpty()) {
        continue;
      }
      box = TRect{std::min(box.Left, r.Rect.Left), std::min(box.Top, r.Rect.Top), std::max(box.Right, r.Rect.Right),
                  std::max(box.Bottom, r.Rect.Bottom)};
    }
    return box;
  }

  TAdvStringGrid g{nullptr};
  TRecordingCanvas canvas;
  std::unique_ptr<TPrintScope> scope;
  int consumed = 0;
};

TEST_F(PrintedCells, FontHeightsMapToTenthsOfAMillimetreByTheScale) {
  EXPECT_EQ(g.MapFontHeight(10), -35);
  EXPECT_EQ(g.MapFontHeight(72), -254);
  EXPECT_EQ(TAdvStringGrid::MapFontSize(254), 72);
  EXPECT_EQ(TAdvStringGrid::MapFontSize(35), 9);
  Open();
  g.SetFontscalefactor(0.5);
  EXPECT_EQ(g.MapFontHeight(10), -17);
}

struct MeasureCase {
  std::string Name;
  std::function<void(TAdvStringGrid&)> Setup;
  TPoint Size;
};

TEST_F(PrintedCells, MeasuresEachKindOfCell) {
  const int box = P(15);  // a check box of 15 screen pixels
  const MeasureCase cases[] = {
      {"plain", [](TAdvStringGrid& g) { g.SetCells(1, 1, u"abc"); }, {21, 13}},
      {"empty as gh", [](TAdvStringGrid&) {}, {14, 13}},
      {"lines", [](TAdvStringGrid& g) {
         g.SetMultilinecells(true);
         g.SetCells(1, 1, u"ab\r\ncdef");
       }, {28, 26}},
      {"first line only", [](TAdvStringGrid& g) { g.SetCells(1, 1, u"ab\r\ncdef"); }, {14, 13}},
      {"wrapped in the column", [](TAdvStringGrid& g) {
         g.SetWordWrap(true);
         g.PrintSettings()->SetNoAutoSize(true);
         g.SetColWidths(1, 40);
         g.SetCells(1, 1, u"aaaa bbbb cccc dddd");
       }, {P(40), 26}},
      {"wrap ignored while sizing", [](TAdvStringGrid& g) {
         g.SetWordWrap(true);
         g.SetCells(1, 1, u"aaaa bbbb");
       }, {63, 13}},
      {"rotated 90", [](TAdvStringGrid& g) { g.AddRotated(1, 1, 90, u"abcd"); }, {13, 28}},
      {"url without protocol", [](TAdvStringGrid& g) {
         g.SetURLShow(true);
         g.SetCells(1, 1, u"http://www.x.com");
       }, {63, 13}},
      {"url in full", [](TAdvStringGrid& g) {
         g.SetURLShow(true);
         g.SetURLFull(true);
         g.SetCells(1, 1, u"http://www.x.com");
       }, {112, 13}},
      {"check box adds its size", [](TAdvStringGrid& g) {
         g.PrintSettings()->SetPrintGraphics(true);
         g.SetCells(1, 1, u"ab");
         g.AddCheckBox(1, 1, false, false);
       }, {14 + box, box}},
      {"check box not printed", [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"ab");
         g.AddCheckBox(1, 1, false, false);
       }, {14, 13}},
      {"custom size", [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"ab");
         g.OnCustomCellSize = [](TObject*, TCanvas*, int, int, TPoint& Size, bool Printing) {
           if (Printing) Size = TPoint{500, Size.Y + 1};
         };
       }, {500, 14}},
  };
  for (const MeasureCase& c : cases) {
    TAdvStringGrid grid(nullptr);
    grid.SetColCount(3);
    grid.SetRowCount(3);
    grid.SetWordWrap(false);
    c.Setup(grid);
    TRecordingCanvas page;
    page.SetPixelsPerInch(254);
    TPrintScope print(grid.GridPrinter(), page, false);
    EXPECT_EQ(grid.MeasurePrintCell(1, 1), c.Size) << c.Name;
  }
}

TEST_F(PrintedCells, APictureAndMiniHTMLMeasureByWhatTheyShow) {
  g.PrintSettings()->SetPrintGraphics(true);
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(20, 10);
  g.SetCells(1, 1, u"ab");
  g.AddBitmap(1, 1, bitmap.get(), false, haLeft, vaTop);
  g.SetEnableHTML(true);
  g.SetCells(2, 1, u"<B>ab</B>cd");
  Open();
  EXPECT_EQ(g.MeasurePrintCell(1, 1), (TPoint{14 + P(20), P(10)}));
  const TPoint html = g.MeasurePrintCell(2, 1);
  EXPECT_GE(html.X, 28);
  EXPECT_LE(html.X, 32);
  EXPECT_EQ(html.Y, 13 - g.GridPrinter().T8);
}

TEST_F(PrintedCells, RowHeights) {
  g.SetMultilinecells(true);
  g.SetCells(1, 1, u"a");
  g.SetCells(2, 1, u"a\r\nb\r\nc");
  g.SetRowHeights(1, 21);
  Open();
  EXPECT_EQ(g.PrintRowHeight(1), 39 + 39 / 8);  // the tallest cell and an eighth
  g.SetCells(2, 1, u"a");
  EXPECT_EQ(g.PrintRowHeight(1), 43) << "the last row asked is remembered";
  EXPECT_EQ(g.PrintRowHeight(2), 14) << "empty cells measure as gh";

  g.SetCells(3, 3, u"a\r\nb\r\nc");
  g.MergeCells(3, 3, 1, 2);
  EXPECT_EQ(g.PrintRowHeight(3), 14) << "vertically merged cells do not count";

  g.PrintSettings()->SetUseFixedHeight(true);
  g.PrintSettings()->SetFixedHeight(123);
  EXPECT_EQ(g.PrintRowHeight(4), 123);
  g.PrintSettings()->SetNoAutoSizeRow(true);
  EXPECT_EQ(g.PrintRowHeight(1), 55 - 4);  // trunc(21 x 254 / 96) - 4

  g.OnPrintSetRowHeight = [](TObject*, int ARow, int& Height) {
    if (ARow == 5) Height = 999;
  };
  EXPECT_EQ(g.PrintRowHeight(5), 999);
}

TEST_F(PrintedCells, ARowTakesItsHeightWithSpacingAndDrawsItsCellsFromTheColumnTable) {
  g.SetCells(1, 1, u"one");
  g.SetCells(2, 1, u"two");
  g.PrintSettings()->SetRowSpacing(5);
  Open();
  const int t8 = g.GridPrinter().T8;
  const auto all = Row(-500, 1, 2, 1);
  EXPECT_EQ(consumed, 2 * t8 + g.PrintRowHeight(1) + 5);
  const auto fills = Of(all, u"Rectangle");  // backgrounds, drawn without a pen
  ASSERT_EQ(fills.size(), 2u);
  EXPECT_EQ(fills[0].Rect, (TRect{320, 500, 540, 500 + consumed}));
  EXPECT_EQ(fills[1].Rect, (TRect{540, 500, 760, 500 + consumed}));
  EXPECT_TRUE(HasLine(all, {320, 500}, {320, 500 + consumed}));  // the strip's first column
  EXPECT_TRUE(HasLine(all, {540 - 2, 500}, {540 - 2, 500 + consumed}));  // pen width to the left
  EXPECT_EQ(Of(all, u"LineTo")[0].PenWidth, 2);  // 1 x 254 / 96 on paper
  const auto texts = Texts(all);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].Text, u"one");
  EXPECT_EQ(texts[1].Text, u"two");
}

TEST_F(PrintedCells, EachBorderSettingDrawsItsLines) {
  struct Case {
    TPrintBorders Borders;
    const char* Lines;  // t l r b
  };
  const Case cases[] = {{pbNoborder, "----"},       {pbSingle, "tlrb"},         {pbDouble, "tlrb"},
                        {pbVertical, "-lr-"},       {pbHorizontal, "t--b"},     {pbAround, "----"},
                        {pbAroundVertical, "-lr-"}, {pbAroundHorizontal, "t--b"}, {pbCustom, "----"}};
  Open(true);
  for (const Case& c : cases) {
    g.PrintSettings()->SetBorders(c.Borders);
    const auto all = Row(-100, 1, 1, 1);
    const int b = 100 + consumed;
    std::string lines = "----";
    if (HasLine(all, {320, 100}, {540, 100})) lines[0] = 't';
    if (HasLine(all, {320, 100}, {320, b})) lines[1] = 'l';
    if (HasLine(all, {540, 100}, {540, b})) lines[2] = 'r';
    if (HasLine(all, {320, b}, {540, b})) lines[3] = 'b';
    EXPECT_EQ(lines, c.Lines) << static_cast<int>(c.Borders);
  }
  g.OnGetCellPrintBorder = [](TObject*, int ARow, int ACol, TPen* Pen, TCellBorders& Borders) {
    if (ACol == 1 && ARow == 1) {
      Borders = TCellBorders{cbTop};
      Pen->SetColor(clRed);
      Pen->SetWidth(3);
    }
  };
  const auto lines = Of(Row(-100, 1, 1, 1), u"LineTo");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].PenColor, clRed);
  EXPECT_EQ(lines[0].PenWidth, 3);  // a preview keeps the width in 0.1 mm
}

TEST_F(PrintedCells, AMergedAreaPrintsOneTextWithoutInnerLines) {
  g.SetCells(1, 1, u"merged");
  g.MergeCells(1, 1, 2, 2);
  Open();
  auto all = Row(-100, 0, 3, 1);
  const int first = consumed;
  const auto second = Row(-100 - first, 0, 3, 2);
  all.insert(all.end(), second.begin(), second.end());
  const auto texts = Texts(all);
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, u"merged");
  for (const TCanvasRecord& r : Of(all, u"LineTo")) {
    const bool vertical = r.Points[0].X == r.Points[1].X;
    if (vertical) {
      EXPECT_FALSE(r.Points[0].X == 540 || r.Points[0].X == 538) << StringToUtf8(r.ToString());
    }
    const bool inArea = r.Points[0].X >= 320 && r.Points[1].X <= 760;
    if (!vertical && inArea) {
      EXPECT_NE(r.Points[0].Y, 100 + first) << StringToUtf8(r.ToString());
    }
  }
  const auto fills = Of(all, u"Rectangle");
  const bool spans = std::any_of(fills.begin(), fills.end(), [](const TCanvasRecord& r) {
    return r.Rect.Left == 320 && r.Rect.Right == 760;
  });
  EXPECT_TRUE(spans);
}

TEST_F(PrintedCells, CheckBoxesAndRadioButtonsPrintTheirGlyphsNotTheirValues) {
  g.PrintSettings()->SetPrintGraphics(true);
  g.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& HA, TVAlignment&) {
    if (ACol == 1) HA = taCenter;
  };
  g.AddCheckBox(1, 1, true, false);
  g.AddCheckBox(2, 1, true, true);
  g.SetCells(2, 1, u"Y");
  g.AddRadioButton(3, 1, true);
  Open(true);
  const auto all = Row(-100, 1, 3, 1);
  EXPECT_TRUE(Texts(all).empty()) << "a data check box's Y stays off paper";
  const TRect centred = DrawnIn(all, 320, 540);
  ASSERT_FALSE(centred.IsEmpty());
  EXPECT_NEAR(centred.Width(), P(15), 2);
  EXPECT_NEAR((centred.Left + centred.Right) / 2, 430, 1) << "in the middle of the column";
  EXPECT_FALSE(DrawnIn(all, 540, 760).IsEmpty()) << "the data check box";
  EXPECT_FALSE(DrawnIn(all, 760, 980).IsEmpty()) << "the radio button";
}

TEST_F(PrintedCells, ARadioGroupPrintsItsButtonsAndNoCellText) {
  g.PrintSettings()->SetPrintGraphics(true);
  TStringList items;
  items.Add(u"A");
  items.Add(u"B");
  g.AddRadio(1, 1, 0, 1, &items);
  g.SetCells(1, 1, u"Zzz");
  Open(true);
  const auto all = Row(-100, 1, 1, 1);
  for (const TCanvasRecord& r : all) EXPECT_EQ(r.Text.find(u"Zzz"), String::npos) << StringToUtf8(r.ToString());
  EXPECT_FALSE(DrawnIn(all, 320, 540).IsEmpty());
}

TEST_F(PrintedCells, NodesProgressBarsPicturesAndGradients) {
  g.PrintSettings()->SetPrintGraphics(true);
  g.AddNode(1, 3);
  g.AddProgress(1, 2, clRed, clWhite);
  g.SetCells(1, 2, u"40");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(20, 10);
  g.AddBitmap(2, 2, bitmap.get(), false, haLeft, vaTop);
  g.OnGetCellGradient = [](TObject*, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor&, TColor&,
                           TCellGradientDirection&) {
    if (ARow == 2 && ACol == 3) {
      Color = clBlue;
      ColorTo = clWhite;
    }
  };
  Open(true);
  const auto node = Row(-100, 0, 0, 1);
  std::vector<TCanvasRecord> squares;
  for (const TCanvasRecord& r : Of(node, u"Rectangle"))
    if (r.Rect.Width() == P(20)) squares.push_back(r);
  ASSERT_EQ(squares.size(), 1u);
  EXPECT_EQ(squares[0].BrushColor, g.CellNode()->NodeColor());
  EXPECT_EQ(squares[0].Rect.Width(), P(20));
  EXPECT_GE(Of(node, u"LineTo").size(), 5u) << "the cell's four lines and the bar";

  const auto row = Row(-100, 1, 3, 2);
  EXPECT_TRUE(std::any_of(row.begin(), row.end(), [](const TCanvasRecord& r) {
    return r.Op != u"LineTo" && r.BrushColor == clRed && r.Rect.Left >= 320 && r.Rect.Right <= 540;
  })) << "the progress bar's done part";
  const auto fills = Of(row, u"Rectangle");
  const auto pictures = Of(row, u"Draw");
  ASSERT_EQ(pictures.size(), 1u);
  EXPECT_EQ(pictures[0].Rect.Width(), P(20));
  EXPECT_EQ(pictures[0].Rect.Height(), P(10));
  const int gradientBands = static_cast<int>(std::count_if(fills.begin(), fills.end(), [](const TCanvasRecord& r) {
    return r.Rect.Left == 760;
  }));
  EXPECT_GT(gradientBands, 32);
}

TEST_F(PrintedCells, TextFollowsTheVerticalAlignment) {
  g.SetMultilinecells(true);
  g.SetCells(1, 1, u"top");
  g.SetCells(2, 1, u"a\r\nb");
  g.SetCells(3, 1, u"x\r\ny\r\nz\r\nw");
  g.OnGetAlignment = [](TObject*, int, int, TAlignment&, TVAlignment& VA) { VA = vtaBottom; };
  Open();
  const auto all = Row(-100, 1, 3, 1);
  const auto single = Of(all, u"DrawText");
  ASSERT_EQ(single.size(), 1u);
  EXPECT_TRUE(single[0].Format & DT_BOTTOM);
  const auto lines = Of(all, u"TextOut");
  const TCanvasRecord a = *std::find_if(lines.begin(), lines.end(), [](auto& r) { return r.Text == u"a"; });
  const TCanvasRecord b = *std::find_if(lines.begin(), lines.end(), [](auto& r) { return r.Text == u"b"; });
  const int step = (13 + 13 / 8);
  EXPECT_EQ(b.Points[0].Y - a.Points[0].Y, step);
  EXPECT_EQ(a.Points[0].Y, 100 + consumed - 4 * step + (4 * step - 2 * step)) << "two lines fewer than the row";
}

TEST_F(PrintedCells, ARowAtThePageLimitIsCutAndLeftOpenBelow) {
  g.SetCells(1, 1, u"tall");
  g.MergeCells(1, 1, 1, 3);
  Open();
  g.GridPrinter().PageBottomLimit = -200;
  const auto all = Row(-100, 1, 1, 1);
  const int bottom = 100 + consumed;
  EXPECT_TRUE(HasLine(all, {320, 100}, {320, bottom})) << "cut to the row's own height";
  for (const TCanvasRecord& r : Of(all, u"LineTo")) {
    EXPECT_FALSE(r.Points[0].Y == r.Points[1].Y && r.Points[0].Y > 100) << StringToUtf8(r.ToString());
  }
}

TEST_F(PrintedCells, RotatedTextTurnsAsOnTheScreenWithOrWithoutTheDriverFix) {
  g.AddRotated(1, 1, 90, u"up");
  for (bool fix : {false, true}) {
    g.SetPrinterDriverFix(fix);
    Open();
    const auto texts = Texts(Row(-100, 1, 1, 1));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].FontOrientation, 900) << fix;
    scope.reset();
  }
}

TEST_F(PrintedCells, TheScaleHoldsForTheWholePrintAndEndsWithIt) {
  g.SetCells(1, 1, u"first");
  g.SetCells(1, 40, u"fortieth");
  Open();
  const int full = Texts(Row(-100, 1, 1, 1)).at(0).FontHeight;
  g.SetFontscalefactor(0.5);
  const int first = Texts(Row(-100, 1, 1, 1)).at(0).FontHeight;
  const int fortieth = Texts(Row(-300, 1, 1, 40)).at(0).FontHeight;
  EXPECT_EQ(first, fortieth);
  EXPECT_EQ(first, full / 2);
  scope.reset();
  EXPECT_EQ(g.Fontscalefactor(), 1.0);

  g.OnPrintSetRowHeight = [](TObject*, int, int&) { throw Exception(u"broken"); };
  try {
    TPrintScope print(g.GridPrinter(), canvas, false);
    g.SetFontscalefactor(0.5);
    g.PrintRow(-100, 1, 1, 1);
  } catch (const Exception&) {
  }
  EXPECT_EQ(g.Fontscalefactor(), 1.0);
  EXPECT_EQ(canvas.MapMode(), mmText);
}

}  // namespace

namespace {

// Every kind of printed cell on one PDF page through the real printer; the
// page is kept as a PNG (in GX_SNAPSHOT_DIR when set) for a person to look at.
TEST(PrintedPage, SampleRowsOfEveryKindReadBackFromThePdf) {
  testsupport::TempDir dir;
  const char* keep = std::getenv("GX_SNAPSHOT_DIR");
  const std::filesystem::path png = (keep ? std::filesystem::path(keep) : dir.Path()) / "printed-cells.png";
  const std::filesystem::path pdf = dir / "cells.pdf";
  TAdvStringGrid g(nullptr);
  g.SetColCount(5);
  g.SetRowCount(7);
  g.SetMultilinecells(true);
  g.SetEnableHTML(true);
  g.SetURLShow(true);
  g.PrintSettings()->SetPrintGraphics(true);
  g.PrintSettings()->SetNoAutoSize(true);
  for (int c = 0; c < 5; ++c) g.SetCells(c, 0, u"Column " + IntToStr(c));
  g.SetCells(0, 1, u"Plain text");
  g.SetCells(1, 1, u"Two\r\nlines");
  g.SetColWidths(2, 90);
  g.SetCells(2, 1, u"Wrapped words in a narrow column");
  g.SetCells(3, 1, u"http://www.example.com");
  g.SetCells(4, 1, u"<B>Bold</B> and <I>italic</I>");
  g.AddCheckBox(0, 2, true, false);
  g.AddCheckBox(1, 2, true, true);
  g.SetCells(1, 2, u"Y");
  g.AddRadioButton(2, 2, true);
  TStringList items;
  items.Add(u"One");
  items.Add(u"Two");
  g.AddRadio(3, 2, 0, 1, &items);
  g.AddProgress(4, 2, clGreen, clWhite);
  g.SetCells(4, 2, u"60");
  auto bitmap = std::make_unique<TBitmap>();
  bitmap->SetSize(24, 16);
  bitmap->Canvas()->Brush()->SetColor(clRed);
  bitmap->Canvas()->FillRect(TRect{0, 0, 24, 16});
  g.AddBitmap(0, 3, bitmap.get(), false, haLeft, vaTop);
  g.AddRotated(1, 3, 90, u"Turned");
  g.SetCells(2, 3, u"Merged 2 x 2");
  g.MergeCells(2, 3, 2, 2);
  g.OnGetCellGradient = [](TObject*, int ARow, int ACol, TColor& Color, TColor& ColorTo, TColor&, TColor&,
                           TCellGradientDirection&) {
    if (ARow == 5 && ACol == 0) {
      Color = clYellow;
      ColorTo = clBlue;
    }
  };
  g.SetCells(0, 5, u"Gradient");
  g.AddNode(6, 1);

  TPrinter printer;
  printer.SetOutputFileName(Utf8ToString(pdf.string()));
  SetPrinter(&printer);
  Printer().BeginDoc();
  {
    TPrintScope print(g.GridPrinter(), *Printer().Canvas(), false);
    for (int c = 0; c <= 5; ++c) g.SetPrintColumn(c, 340, 100 + 360 * c);
    int y = -150;
    for (int r = 0; r < g.RowCount(); ++r) y -= g.PrintRow(y, 0, 4, r);
  }
  Printer().EndDoc();
  SetPrinter(nullptr);

  ASSERT_EQ(testsupport::PdfPageCount(pdf), 1);
  const std::string text = testsupport::PdfPageText(pdf, 1);
  for (const char* shown : {"Plain text", "Two", "lines", "Wrapped", "www.example.com", "Bold", "Merged 2 x 2"})
    EXPECT_NE(text.find(shown), std::string::npos) << shown << "\n" << text;
  EXPECT_EQ(text.find("http://"), std::string::npos);
  EXPECT_EQ(text.find(" Y "), std::string::npos);
  const auto page = testsupport::PdfPageRaster(pdf, 1, 100);
  // The strip's left line at 10 mm, from the first row down.
  const auto left = page.DarkBox(0, 60, 60, 100);
  EXPECT_NEAR(left.Left, 100 * 100 / 254, 2);
  testsupport::PdfPagePng(pdf, 1, 100, png);
  EXPECT_TRUE(std::filesystem::exists(png));
}

}  // namespace
