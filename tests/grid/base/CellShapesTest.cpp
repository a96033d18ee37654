#include "grid/base/CellShapes.h"

#include <gtest/gtest.h>

#include "platform/gui/RecordingCanvas.h"

namespace {

using P = std::vector<TPoint>;

TEST(DrawCellShape, EachShapeInItsBox) {
  // A 20 x 10 box at (10, 20).
  const struct {
    TCellShape Shape;
    String Op;
    TRect Rect;
    P Points;
  } cases[] = {
      {csRectangle, u"Rectangle", Rect(11, 21, 29, 29), {}},
      {csCircle, u"Ellipse", Rect(10, 20, 20, 30), {}},
      {csTriangleLeft, u"Polygon", {}, {Point(30, 20), Point(30, 30), Point(10, 25)}},
      {csTriangleRight, u"Polygon", {}, {Point(10, 20), Point(10, 30), Point(30, 25)}},
      {csTriangleUp, u"Polygon", {}, {Point(10, 30), Point(30, 30), Point(20, 20)}},
      {csTriangleDown, u"Polygon", {}, {Point(10, 20), Point(30, 20), Point(20, 30)}},
      {csDiamond, u"Polygon", {}, {Point(10, 25), Point(20, 20), Point(30, 25), Point(20, 30)}},
      {csLineVert, u"Rectangle", Rect(20, 20, 21, 30), {}},
      {csLineHorz, u"Rectangle", Rect(10, 25, 30, 26), {}},
      {csRoundRect, u"RoundRect", Rect(10, 20, 30, 30), {}},
      {csEllips, u"Ellipse", Rect(10, 20, 30, 30), {}},
      {csSquare, u"Rectangle", Rect(11, 21, 19, 29), {}},
      {csRoundSquare, u"RoundRect", Rect(10, 20, 20, 30), {}},
      {csStar, u"Polygon", {},
       {Point(20, 20), Point(22, 24), Point(30, 23), Point(23, 26), Point(26, 29), Point(20, 27),
        Point(14, 29), Point(17, 26), Point(10, 23), Point(18, 24)}},
      {csArrowUp, u"Polygon", {},
       {Point(10, 25), Point(20, 20), Point(30, 25), Point(25, 25), Point(25, 30), Point(15, 30), Point(15, 25)}},
      {csArrowDown, u"Polygon", {},
       {Point(10, 25), Point(20, 30), Point(30, 25), Point(25, 25), Point(25, 20), Point(15, 20), Point(15, 25)}},
      {csArrowLeft, u"Polygon", {},
       {Point(10, 25), Point(20, 20), Point(20, 22), Point(30, 22), Point(30, 26), Point(20, 26), Point(20, 30)}},
      {csArrowRight, u"Polygon", {},
       {Point(30, 25), Point(20, 20), Point(20, 22), Point(10, 22), Point(10, 26), Point(20, 26), Point(20, 30)}},
      {csHalfStar, u"Polygon", {},
       {Point(20, 20), Point(20, 27), Point(14, 29), Point(17, 26), Point(10, 23), Point(18, 24)}},
  };
  ASSERT_EQ(std::size(cases), static_cast<size_t>(EnumCount<TCellShape>()));
  for (const auto& c : cases) {
    TRecordingCanvas canvas;
    DrawCellShape(canvas, 10, 20, 20, 10, c.Shape, clYellow, clNavy);
    ASSERT_EQ(canvas.Records().size(), 1u) << StringToUtf8(EnumName(c.Shape));
    const TCanvasRecord& r = canvas.Records()[0];
    EXPECT_EQ(r.Op, c.Op) << StringToUtf8(EnumName(c.Shape));
    if (c.Points.empty())
      EXPECT_EQ(r.Rect, c.Rect) << StringToUtf8(EnumName(c.Shape));
    else
      EXPECT_EQ(r.Points, c.Points) << StringToUtf8(EnumName(c.Shape));
    EXPECT_EQ(r.BrushColor, clYellow);
    EXPECT_EQ(r.PenColor, clNavy);
  }
}

TEST(DrawCellShape, AValueOutsideTheEnumerationDrawsNothing) {
  for (int value : {-1, EnumCount<TCellShape>(), 1000}) {
    TRecordingCanvas canvas;
    DrawCellShape(canvas, 0, 0, 20, 20, static_cast<TCellShape>(value), clRed, clBlack);
    EXPECT_TRUE(canvas.Records().empty()) << value;
  }
}

}  // namespace
