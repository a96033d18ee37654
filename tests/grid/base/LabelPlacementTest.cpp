#include "grid/base/LabelPlacement.h"

#include <gtest/gtest.h>

namespace {
// A combo at (100, 50), 150 x 21; a label lower and narrower (40 x 13) and
// one taller and wider (200 x 25).
TLabelPlacement Beside(int LabelWidth, int LabelHeight) {
  TLabelPlacement p;
  p.Control = Rect(100, 50, 250, 71);
  p.TextWidth = LabelWidth;
  p.LabelWidth = LabelWidth;
  p.LabelHeight = LabelHeight;
  p.Margin = 4;
  return p;
}

TEST(LabelPlacement, EveryPositionForSmallAndLargeLabels) {
  const struct {
    TLabelPosition Position;
    TPoint Small, Large;
  } cases[] = {
      {lpLeftTop, {56, 50}, {-104, 50}},       {lpLeftCenter, {56, 54}, {-104, 48}},
      {lpLeftBottom, {56, 58}, {-104, 46}},    {lpTopLeft, {100, 33}, {100, 21}},
      {lpBottomLeft, {100, 75}, {100, 75}},    {lpLeftTopLeft, {96, 50}, {96, 50}},
      {lpLeftCenterLeft, {96, 54}, {96, 48}},  {lpLeftBottomLeft, {96, 58}, {96, 46}},
      {lpTopCenter, {155, 33}, {75, 21}},      {lpBottomCenter, {155, 75}, {75, 75}},
      {lpRightTop, {254, 50}, {254, 50}},      {lpRightCenter, {254, 54}, {254, 48}},
      {lpRighBottom, {254, 58}, {254, 46}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(PlaceLabel(c.Position, Beside(40, 13)), c.Small) << c.Position;
    EXPECT_EQ(PlaceLabel(c.Position, Beside(200, 25)), c.Large) << c.Position;
  }
}

TEST(LabelPlacement, CentringDividesTowardZero) {
  const struct {
    int Width, Height;
    TPoint At;
  } cases[] = {
      {40, 20, {56, 50}},    // 1 pixel lower: 1 div 2 is 0
      {40, 25, {56, 48}},    // 4 pixels taller: 2 above
      {40, 22, {56, 50}},    // 1 pixel taller: -1 div 2 is 0, not -1
      {40, 24, {56, 49}},    // 3 pixels taller: 1 above, not 2
  };
  for (const auto& c : cases) EXPECT_EQ(PlaceLabel(lpLeftCenter, Beside(c.Width, c.Height)), c.At) << c.Height;
  EXPECT_EQ(PlaceLabel(lpTopCenter, Beside(151, 13)).X, 100) << "1 pixel wider: -1 div 2 is 0";
  EXPECT_EQ(PlaceLabel(lpTopCenter, Beside(153, 13)).X, 99);
  EXPECT_EQ(PlaceLabel(lpTopCenter, Beside(147, 13)).X, 101);
}
}  // namespace
