#include <gtest/gtest.h>

#include "platform/gui/Bitmap.h"
#include "platform/gui/FrameControls.h"

namespace {

TColor PixelAfter(unsigned type, unsigned state, TPoint at) {
  TBitmap b(20, 20);
  DrawFrameControl(*b.Canvas(), Rect(0, 0, 20, 20), type, state);
  return b.Canvas()->Pixels(at.X, at.Y);
}

TEST(FrameControls, StatesChangeTheClassicLook) {
  const TColor face = ColorToRGB(clBtnFace), hi = ColorToRGB(clBtnHighlight);
  const TColor shadow = ColorToRGB(clBtnShadow), dark = ColorToRGB(cl3DDkShadow);
  const TColor text = ColorToRGB(clWindowText), window = ColorToRGB(clWindow);
  struct Case {
    unsigned type, state;
    TPoint at;
    TColor expected;
  } cases[] = {
      {DFC_BUTTON, DFCS_BUTTONPUSH, Point(0, 0), hi},                   // raised
      {DFC_BUTTON, DFCS_BUTTONPUSH, Point(19, 19), dark},
      {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, Point(0, 0), dark},   // sunken
      {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT, Point(0, 0), face},     // flat: no border
      {DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_FLAT | DFCS_HOT, Point(0, 0), hi},
      {DFC_BUTTON, DFCS_BUTTONCHECK, Point(8, 11), window},            // box, no tick
      {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED, Point(8, 11), text},
      {DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, Point(8, 11), shadow},
      {DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_CHECKED, Point(10, 10), text},
      {DFC_BUTTON, DFCS_BUTTONRADIO, Point(10, 10), window},
      {DFC_SCROLL, DFCS_SCROLLDOWN, Point(10, 10), ColorToRGB(clBtnText)},
      {DFC_SCROLL, DFCS_SCROLLDOWN | DFCS_INACTIVE, Point(10, 10), shadow},
  };
  for (const Case& k : cases)
    EXPECT_EQ(PixelAfter(k.type, k.state, k.at), k.expected) << k.type << " " << std::hex << k.state;
}

TEST(FrameControls, UnknownTypeDrawsNothing) {
  TBitmap b(4, 4);
  EXPECT_FALSE(DrawFrameControl(*b.Canvas(), Rect(0, 0, 4, 4), 99, 0));
}

}  // namespace
