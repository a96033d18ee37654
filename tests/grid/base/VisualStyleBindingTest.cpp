#include "grid/base/VisualStyleBinding.h"

#include <gtest/gtest.h>

#include "grid/base/ButtonFaces.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/Snapshot.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/TempDir.h"
#include "tests/support/VisualStylesFake.h"

namespace {

using testsupport::InstalledLibrary;
using testsupport::VisualStylesFake;
using TFace = void (*)(TCanvas&, HWND, const TRect&, int, int, const TColorTones&);

class VisualStyleBinding : public testing::Test {
 protected:
  VisualStyleBinding() { FreeThemeAPI(); }
  ~VisualStyleBinding() override { FreeThemeAPI(); }
};

TEST_F(VisualStyleBinding, WithoutTheLibraryNothingIsBoundAndNoThemeCallIsMade) {
  LoadThemeAPI();
  EXPECT_FALSE(ThemeAPIBound());
  EXPECT_EQ(ThemeAPI(), nullptr);
  TRecordingCanvas canvas;
  EXPECT_FALSE(DrawThemedPart(canvas, 0, u"button", 1, 1, Rect(0, 0, 10, 10)));
  EXPECT_TRUE(canvas.Records().empty());
}

TEST_F(VisualStyleBinding, BindingTwiceKeepsTheFirstBinding) {
  VisualStylesFake first, second;
  InstalledLibrary installed(olVisualStyles, &first);
  LoadThemeAPI();
  EXPECT_TRUE(ThemeAPIBound());
  InstalledLibrary replaced(olVisualStyles, &second);
  LoadThemeAPI();
  EXPECT_EQ(ThemeAPI(), &first);
  FreeThemeAPI();
  EXPECT_EQ(ThemeAPI(), &second) << "bound again on the next use";
}

TEST_F(VisualStyleBinding, ActiveStylesDrawTheThemedFacesThroughTheLibrary) {
  VisualStylesFake styles;
  InstalledLibrary installed(olVisualStyles, &styles);
  const TRect r = Rect(10, 10, 60, 30);
  const struct {
    TFace Face;
    int State;
    std::vector<String> Calls;
  } cases[] = {
      {DrawComboButton, bstHot,
       {u"IsThemeActive", u"OpenThemeData combobox", u"DrawThemeBackground 1 1 (41,11,58,29)", u"CloseThemeData"}},
      {DrawComboButton, bstDisabled,
       {u"IsThemeActive", u"OpenThemeData combobox", u"DrawThemeBackground 1 4 (41,11,58,29)", u"CloseThemeData"}},
      {DrawPushButtonFace, bstPressed,
       {u"IsThemeActive", u"OpenThemeData button", u"DrawThemeBackground 1 3 (10,10,60,30)", u"CloseThemeData"}},
      {DrawPushButtonFace, bstNormal,
       {u"IsThemeActive", u"OpenThemeData button", u"DrawThemeBackground 1 1 (10,10,60,30)", u"CloseThemeData"}},
      {DrawSpinButtons, bstDisabled,
       {u"IsThemeActive", u"OpenThemeData spin", u"DrawThemeBackground 1 4 (44,9,59,19)", u"CloseThemeData",
        u"IsThemeActive", u"OpenThemeData spin", u"DrawThemeBackground 2 4 (44,20,59,29)", u"CloseThemeData"}},
  };
  for (const auto& c : cases) {
    styles.Calls.clear();
    TRecordingCanvas canvas;
    c.Face(canvas, 0, r, blThemed, c.State, TColorTones{});
    EXPECT_EQ(styles.Calls, c.Calls);
    EXPECT_TRUE(canvas.Records().empty()) << "the library drew it";
  }
}

TEST_F(VisualStyleBinding, InactiveStylesOrOtherLooksTakeTheClassicPath) {
  VisualStylesFake inactive(false);
  InstalledLibrary installed(olVisualStyles, &inactive);
  for (TFace face : {TFace(DrawComboButton), TFace(DrawPushButtonFace), TFace(DrawSpinButtons)}) {
    for (int look = blThemed; look <= blCustom; ++look) {
      inactive.Calls.clear();
      TRecordingCanvas canvas;
      face(canvas, 0, Rect(0, 0, 60, 24), look, bstNormal, TColorTones{});
      EXPECT_FALSE(canvas.Records().empty()) << look;
      for (const String& call : inactive.Calls) EXPECT_EQ(call, u"IsThemeActive") << look;
      EXPECT_EQ(inactive.Calls.empty(), look != blThemed) << look;
    }
  }
}

// The alpha a person sees at (X, Y) of Window.
int SeenAlpha(TControl& Window, int X, int Y) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "seen.png").string());
  EXPECT_TRUE(platform::RenderToPng(Window, file));
  TPngImage png;
  png.LoadFromFile(file);
  const TPixelBuffer px = png.Bitmap().Pixels();
  return px.BytesPerPixel == 4 ? px.Row(Y)[static_cast<size_t>(X) * 4 + 3] : 255;
}

TEST(LayeredWindowCalls, FadeAndPlaceThroughThePlatform) {
  TForm glow(nullptr);
  glow.SetBorderStyle(bsNone);
  glow.SetBounds(10, 10, 20, 20);
  glow.SetColor(clRed);
  ASSERT_TRUE(CallSetLayeredWindowAttributes(glow.Handle(), clNone, 128, LWA_ALPHA));
  EXPECT_NEAR(SeenAlpha(glow, 10, 10), 128, 1);
  EXPECT_FALSE(CallSetLayeredWindowAttributes(glow.Handle(), clFuchsia, 0, LWA_COLORKEY));

  TBitmap picture(30, 10);
  picture.SetPixelFormat(pf32bit);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 30; ++x) {
      std::uint8_t* p = picture.ScanLine(y) + x * 4;
      p[0] = p[3] = 255, p[1] = p[2] = 0;
    }
  }
  const TPoint to{100, 120}, from{0, 0};
  const TSize size{30, 10};
  BLENDFUNCTION blend;
  blend.SourceConstantAlpha = 230;
  blend.AlphaFormat = AC_SRC_ALPHA;
  ASSERT_TRUE(CallUpdateLayeredWindow(glow.Handle(), &to, &size, &picture, &from, clNone, &blend, ULW_ALPHA));
  EXPECT_EQ(glow.BoundsRect(), Rect(100, 120, 130, 130));
  EXPECT_NEAR(SeenAlpha(glow, 5, 5), 230, 1);
  EXPECT_FALSE(CallUpdateLayeredWindow(0, &to, &size, &picture, &from, clNone, &blend, ULW_ALPHA));
}

}  // namespace
