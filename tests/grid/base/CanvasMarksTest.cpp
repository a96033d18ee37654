#include "grid/base/CanvasMarks.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/gui/Resources.h"
#include "tests/grid/base/DrawingRecords.h"

namespace {

// 3 x 2: red in the top-left corner and at (2, 1), blue elsewhere.
std::unique_ptr<TBitmap> Glyph() {
  auto b = std::make_unique<TBitmap>(3, 2);
  b->SetPixelFormat(pf24bit);
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) b->Canvas()->SetPixels(x, y, (x + y) % 3 == 0 ? clRed : clBlue);
  return b;
}

std::unique_ptr<TBitmap> WhiteTarget() {
  auto t = std::make_unique<TBitmap>(10, 10);
  t->SetPixelFormat(pf24bit);
  t->Canvas()->Brush()->SetColor(clWhite);
  t->Canvas()->FillRect(Rect(0, 0, 10, 10));
  return t;
}

TEST(DrawBitmapOnColor, TheCornerColourBecomesTheBackground) {
  auto target = WhiteTarget();
  DrawBitmapOnColor(*target->Canvas(), *Glyph(), clBtnFace, Rect(2, 3, 9, 9));
  TCanvas& c = *target->Canvas();
  EXPECT_EQ(c.Pixels(2, 3), ColorToRGB(clBtnFace));
  EXPECT_EQ(c.Pixels(4, 4), ColorToRGB(clBtnFace));
  EXPECT_EQ(c.Pixels(3, 3), clBlue);
  EXPECT_EQ(c.Pixels(2, 4), clBlue);
  EXPECT_EQ(c.Pixels(5, 3), clWhite) << "drawn in its own size";
  EXPECT_EQ(c.Pixels(2, 5), clWhite);

  TRecordingCanvas nothing;
  DrawBitmapOnColor(nothing, TBitmap(), clRed, Rect(0, 0, 5, 5));
  EXPECT_TRUE(nothing.Records().empty());
}

TEST(DrawResourceBitmapOnColor, DrawsTheNamedBitmapAndNothingForAnUnknownName) {
  static const std::string bytes = [] {
    const TBytes b = Glyph()->SaveToBytes();
    return std::string(b.begin(), b.end());
  }();
  platform::RegisterResource(u"TEST_MARK_GLYPH", bytes);
  static const std::string junk = "not a picture";
  platform::RegisterResource(u"TEST_MARK_JUNK", junk);

  auto target = WhiteTarget();
  DrawResourceBitmapOnColor(*target->Canvas(), clLime, Rect(1, 1, 9, 9), u"test_mark_glyph");
  EXPECT_EQ(target->Canvas()->Pixels(1, 1), clLime);
  EXPECT_EQ(target->Canvas()->Pixels(2, 1), clBlue);

  for (const char16_t* name : {u"TEST_MARK_MISSING", u"TEST_MARK_JUNK"}) {
    TRecordingCanvas canvas;
    DrawResourceBitmapOnColor(canvas, clLime, Rect(1, 1, 9, 9), name);
    EXPECT_TRUE(canvas.Records().empty()) << StringToUtf8(name);
  }
}

TEST(DrawDownTriangle, SixWideThreeHigh) {
  TRecordingCanvas canvas;
  DrawDownTriangle(canvas, 20, 5, clGreen);
  const auto p = canvas.RecordsOf(u"Polygon");
  ASSERT_EQ(p.size(), 1u);
  EXPECT_EQ(p[0].Points, (std::vector<TPoint>{Point(17, 5), Point(23, 5), Point(20, 8)}));
  EXPECT_EQ(p[0].PenColor, clGreen);
  EXPECT_EQ(p[0].BrushColor, clGreen);
}

TEST(DrawErrorUnderline, ZigzagsUnderTheCharactersOrJustPastTheText) {
  TRecordingCanvas canvas;
  const int w = canvas.CharWidth();
  const String text = u"abcd";
  const struct {
    const char* What;
    int From, Length;
    int StartX, LastX;
  } cases[] = {
      {"inside", 1, 2, 10 + w, 10 + 2 * w},
      {"last character and beyond", 3, 5, 10 + 3 * w, 10 + 4 * w + 4},
      {"at the end", 4, 2, 10 + 4 * w + 4, 10 + 4 * w + 4},
      {"beyond the end", 9, 1, 10 + 4 * w + 4, 10 + 4 * w + 4},
  };
  for (const auto& c : cases) {
    canvas.Clear();
    DrawErrorUnderline(canvas, text, Rect(10, 20, 200, 40), 13, c.From, c.Length);
    const auto lines = canvas.RecordsOf(u"LineTo");
    ASSERT_FALSE(lines.empty()) << c.What;
    EXPECT_EQ(lines.front().Points[0], Point(c.StartX, 36)) << c.What;
    for (size_t i = 0; i < lines.size(); ++i) {
      EXPECT_EQ(lines[i].Points[1].X, c.StartX + 3 * static_cast<int>(i + 1)) << c.What;
      EXPECT_EQ(lines[i].Points[1].Y, i % 2 ? 36 : 33) << c.What;
      EXPECT_EQ(lines[i].PenColor, clRed);
      EXPECT_EQ(lines[i].PenWidth, 2);
    }
    // It reaches the end, then draws one segment more.
    const int lastX = lines.back().Points[1].X;
    EXPECT_GE(lastX - 3, c.LastX) << c.What;
    EXPECT_LT(lastX - 6, c.LastX) << c.What;
  }
}

}  // namespace
