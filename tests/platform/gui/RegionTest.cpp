// Regions: their pixels, combining them, clipping a canvas by one, and a
// window shaped by one, in what it paints and where it takes the pointer.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <vector>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Region.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/Views.h"
#include "platform/gui/WindowStyles.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/TempDir.h"

namespace {
// The arrow the grid shows over a moved column (winding fill).
const std::vector<TPoint> ArrowUp = {{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}};
// A five-pointed star drawn in one stroke: its centre is inside by winding only.
const std::vector<TPoint> Star = {{10, 0}, {16, 19}, {0, 7}, {20, 7}, {4, 19}};

struct Probe {
  const char* Shape;
  TRegion Region;
  TPoint At;
  bool Inside;
};

TEST(Region, ShapesHoldTheirPixels) {
  const TRegion rect = TRegion::FromRect(Rect(2, 3, 6, 8));
  const TRegion round = TRegion::RoundRect(Rect(0, 0, 20, 20), 10, 10);
  const std::vector<Probe> probes = {
      {"rect left-top", rect, {2, 3}, true},
      {"rect right edge", rect, {6, 4}, false},
      {"rect bottom edge", rect, {3, 8}, false},
      {"rect last pixel", rect, {5, 7}, true},
      {"round corner", round, {0, 0}, false},
      {"round corner near", round, {1, 0}, false},
      {"round corner on the arc", round, {1, 1}, true},
      {"round edge middle", round, {0, 10}, true},
      {"round inside corner", round, {3, 3}, true},
      {"round far corner", round, {19, 19}, false},
      {"arrow tip", TRegion::Polygon(ArrowUp, WINDING), {5, 0}, false},
      {"arrow tip left of centre", TRegion::Polygon(ArrowUp, WINDING), {4, 0}, true},
      {"arrow below tip", TRegion::Polygon(ArrowUp, WINDING), {5, 2}, true},
      {"arrow beside shaft", TRegion::Polygon(ArrowUp, WINDING), {1, 7}, false},
      {"arrow shaft", TRegion::Polygon(ArrowUp, WINDING), {4, 8}, true},
      {"arrow wing", TRegion::Polygon(ArrowUp, WINDING), {1, 4}, true},
      {"star centre winding", TRegion::Polygon(Star, WINDING), {10, 10}, true},
      {"star centre alternate", TRegion::Polygon(Star, ALTERNATE), {10, 10}, false},
      {"star point alternate", TRegion::Polygon(Star, ALTERNATE), {10, 3}, true},
  };
  for (const Probe& p : probes) EXPECT_EQ(p.Region.Contains(p.At), p.Inside) << p.Shape;
  EXPECT_EQ(rect.Bounds(), Rect(2, 3, 6, 8));
  EXPECT_EQ(TRegion::Polygon(ArrowUp, WINDING).Bounds(), Rect(0, 0, 9, 9));
}

TEST(Region, RectanglesCoverItExactly) {
  const TRegion star = TRegion::Polygon(Star, WINDING);
  TRegion rebuilt;
  for (const TRect& r : star.Rects()) rebuilt = rebuilt.Combined(TRegion::FromRect(r), RGN_OR);
  EXPECT_EQ(rebuilt, star);
  int fromRects = 0, fromPixels = 0;
  for (const TRect& r : star.Rects()) fromRects += r.Width() * r.Height();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) fromPixels += star.Contains(Point(x, y)) ? 1 : 0;
  EXPECT_EQ(fromRects, fromPixels);
  // A plain rectangle stays one rectangle.
  EXPECT_EQ(TRegion::FromRect(Rect(0, 0, 30, 40)).Rects().size(), 1u);
}

TEST(Region, HandlesCombineAndAnswerTheKindOfTheResult) {
  // The focus glow: the whole window less the cell in its middle.
  const HRGN frame = CreateRectRgn(0, 0, 29, 29);
  const HRGN cell = CreateRectRgn(4, 4, 24, 24);
  EXPECT_EQ(CombineRgn(frame, frame, cell, RGN_DIFF), COMPLEXREGION);
  EXPECT_TRUE(PtInRegion(frame, 2, 10));
  EXPECT_FALSE(PtInRegion(frame, 10, 10));
  TRect box;
  EXPECT_EQ(GetRgnBox(frame, box), COMPLEXREGION);
  EXPECT_EQ(box, Rect(0, 0, 29, 29));
  EXPECT_EQ(CombineRgn(cell, cell, frame, RGN_AND), NULLREGION);
  EXPECT_EQ(CombineRgn(cell, frame, 0, RGN_COPY), COMPLEXREGION);
  EXPECT_EQ(CombineRgn(cell, frame, 12345, RGN_OR), RGN_ERROR);
  EXPECT_TRUE(DeleteObject(frame));
  EXPECT_FALSE(DeleteObject(frame));
  EXPECT_FALSE(PtInRegion(frame, 2, 10));
  EXPECT_TRUE(DeleteObject(cell));
}

TEST(Region, ACanvasClipIntersectedWithARegionPaintsOnlyInsideBoth) {
  TBitmap bmp(20, 20);
  TCanvas& c = *bmp.Canvas();
  c.Brush()->SetColor(clWhite);
  c.FillRect(Rect(0, 0, 20, 20));
  const int saved = c.SaveDC();
  c.IntersectClipRect(Rect(0, 0, 20, 12));
  c.IntersectClipRegion(TRegion::Polygon(Star, WINDING));
  c.Brush()->SetColor(clRed);
  c.FillRect(Rect(0, 0, 20, 20));
  c.SetPixels(10, 16, clBlue);  // inside the star, below the clip rectangle
  c.RestoreDC(saved);
  const TRegion star = TRegion::Polygon(Star, WINDING);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x)
      EXPECT_EQ(c.Pixels(x, y), star.Contains(Point(x, y)) && y < 12 ? clRed : clWhite) << x << "," << y;
  // Restored: the whole surface paints again.
  c.FillRect(Rect(0, 0, 20, 20));
  EXPECT_EQ(c.Pixels(0, 19), clRed);
}

// A red square on the form whose window is shaped like the arrow, grown ten times.
class TShaped : public TCustomControl {
 public:
  explicit TShaped(TComponent* AOwner) : TCustomControl(AOwner) { SetView(platform::CreatePaintView(*this)); }
  int Presses = 0;

 protected:
  void Paint() override {
    Canvas()->Brush()->SetColor(clRed);
    Canvas()->FillRect(ClientRect());
  }
  void MouseDown(TMouseButton, TShiftState, int, int) override { ++Presses; }
};

std::vector<TPoint> Scaled(const std::vector<TPoint>& Points, int By) {
  std::vector<TPoint> out;
  for (const TPoint& p : Points) out.push_back(Point(p.X * By, p.Y * By));
  return out;
}

struct ShapedWindow {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TShaped* Shaped = new TShaped(Form.get());
  int FormPresses = 0;
  const std::vector<TPoint> Arrow = Scaled(ArrowUp, 10);

  ShapedWindow() {
    Form->SetBounds(50, 50, 300, 250);
    Form->SetColor(clWhite);
    Form->OnMouseDown = [this](TObject*, TMouseButton, TShiftState, int, int) { ++FormPresses; };
    Shaped->SetParent(Form.get());
    Shaped->SetBounds(20, 20, 100, 100);
    EXPECT_EQ(SetWindowRgn(Shaped->Handle(), CreatePolygonRgn(Arrow.data(), 7, WINDING), true), 1);
    Form->Show();
  }
};

TEST(WindowRegion, PaintingKeepsInsideTheShape) {
  ShapedWindow w;
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "shaped.png").string());
  ASSERT_TRUE(platform::RenderToPng(*w.Form, file));
  TPngImage png;
  png.LoadFromFile(file);
  const TPixelBuffer& px = png.Bitmap().Pixels();
  const TPoint at = w.Shaped->ClientToScreen(Point(0, 0));
  const TPoint o = w.Form->ScreenToClient(at);
  EXPECT_EQ(px.Pixel(o.X + 50, o.Y + 30), clRed);   // below the tip
  EXPECT_EQ(px.Pixel(o.X + 45, o.Y + 80), clRed);   // the shaft
  EXPECT_EQ(px.Pixel(o.X + 10, o.Y + 10), clWhite); // beside the tip: the form shows
  EXPECT_EQ(px.Pixel(o.X + 10, o.Y + 80), clWhite); // beside the shaft
}

TEST(WindowRegion, ThePointerOutsideTheShapeReachesTheWindowBelow) {
  ShapedWindow w;
  testsupport::SystemInputDriver input;
  input.Pump();
  input.Click(*w.Shaped, Point(10, 80));
  EXPECT_EQ(w.Shaped->Presses, 0);
  EXPECT_EQ(w.FormPresses, 1);
  input.Click(*w.Shaped, Point(45, 80));
  EXPECT_EQ(w.Shaped->Presses, 1);
  EXPECT_EQ(w.Form->ControlAtPos(Point(30, 100)), nullptr);
  EXPECT_EQ(w.Form->ControlAtPos(Point(65, 100)), w.Shaped);
  // Without its shape the window takes the whole rectangle again.
  EXPECT_EQ(SetWindowRgn(w.Shaped->Handle(), 0, true), 1);
  EXPECT_EQ(w.Form->ControlAtPos(Point(30, 100)), w.Shaped);
  input.Click(*w.Shaped, Point(10, 80));
  EXPECT_EQ(w.Shaped->Presses, 2);
}

// A topmost pop-up, so that the form behind does not come over it when clicked.
class TTopmost : public TForm {
 public:
  using TForm::TForm;

 protected:
  void CreateParams(TCreateParams& Params) override {
    Params.Style |= WS_POPUP;
    Params.ExStyle |= WS_EX_TOPMOST;
  }
};

TEST(WindowRegion, AShapedTopLevelWindowLetsThePointerThroughOutsideIt) {
  ShapedWindow w;
  TTopmost top(nullptr);
  top.SetBorderStyle(bsNone);
  top.SetBounds(100, 100, 100, 100);
  int topPresses = 0;
  top.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++topPresses; };
  top.Show();
  const HRGN round = CreateRoundRectRgn(0, 0, 100, 100, 60, 60);
  EXPECT_EQ(SetWindowRgn(top.Handle(), round, true), 1);
  EXPECT_FALSE(DeleteObject(round));  // the window owns it now
  testsupport::SystemInputDriver input;
  input.Pump();
  input.ClickAt(Point(102, 102));  // the cut corner: the form behind
  EXPECT_EQ(topPresses, 0);
  EXPECT_EQ(w.FormPresses, 1);
  input.ClickAt(Point(150, 150));
  EXPECT_EQ(topPresses, 1);
  const HRGN copy = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(top.Handle(), copy), COMPLEXREGION);
  EXPECT_FALSE(PtInRegion(copy, 1, 1));
  DeleteObject(copy);
}
}  // namespace
