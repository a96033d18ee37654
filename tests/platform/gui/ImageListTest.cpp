#include <gtest/gtest.h>

#include "platform/gui/ImageList.h"

namespace {

// A strip of two 2 x 1 cells: red/magenta, blue/magenta.
std::unique_ptr<TBitmap> Strip() {
  auto b = std::make_unique<TBitmap>(4, 1);
  b->SetPixelFormat(pf24bit);
  const TColor px[] = {clRed, clFuchsia, clBlue, clFuchsia};
  for (int x = 0; x < 4; ++x) b->Canvas()->SetPixels(x, 0, px[x]);
  return b;
}

TEST(ImageList, AddMaskedCutsCellsAndDrawsWithoutTheMaskColour) {
  TImageList list(2, 1);
  EXPECT_EQ(list.AddMasked(*Strip(), clFuchsia), 0);
  EXPECT_EQ(list.Count(), 2);

  TBitmap target(2, 1);
  target.Canvas()->Brush()->SetColor(clGreen);
  target.Canvas()->FillRect(Rect(0, 0, 2, 1));
  list.Draw(*target.Canvas(), 0, 0, 1);
  EXPECT_EQ(target.Canvas()->Pixels(0, 0), clBlue);
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clGreen);

  list.Draw(*target.Canvas(), 0, 0, 0, false);
  const TColor grey = target.Canvas()->Pixels(0, 0);
  EXPECT_EQ(GetRValue(grey), GetGValue(grey));
  EXPECT_EQ(GetGValue(grey), GetBValue(grey));
  EXPECT_EQ(target.Canvas()->Pixels(1, 0), clGreen);
}

TEST(ImageList, AddWithAMaskBitmap) {
  TImageList list(4, 1);
  TBitmap mask(4, 1);
  mask.Canvas()->Brush()->SetColor(clBlack);
  mask.Canvas()->FillRect(Rect(0, 0, 2, 1));  // left half opaque, right half white
  list.Add(*Strip(), &mask);
  EXPECT_EQ(list.Image(0).Pixels().Row(0)[3], 255);
  EXPECT_EQ(list.Image(0).Pixels().Row(0)[2 * 4 + 3], 0);
  EXPECT_THROW(list.Image(1), EInvalidGraphic);
  list.Delete(0);
  EXPECT_EQ(list.Count(), 0);
}

}  // namespace
