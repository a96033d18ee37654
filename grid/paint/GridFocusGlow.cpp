// The focus glow: a translucent rounded frame around the edited cell, shown
// in a window of its own over the grid's form with the cell itself cut out.
#include "grid/base/GridAlphaMask.h"
#include "grid/base/GridFocusWindow.h"
#include "grid/base/VisualStyleBinding.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Region.h"

namespace {

constexpr int GlowMargin = 4;  // left and top of the cell
constexpr int GlowGrowth = 9;  // added to the cell's width and height
constexpr std::uint8_t GlowOpacity = 230;
constexpr TColor GlowColor = 0xFDD397;

// The window the glow lies on: the grid's form, else its top-most parent.
TWinControl* GlowHost(const TControl& Grid) {
  if (TCustomForm* form = Grid.GetParentForm()) return form;
  TWinControl* host = Grid.Parent();
  while (host && host->Parent()) host = host->Parent();
  return host;
}

void MakeGlowPicture(TGridAlphaMask& Picture, int W, int H) {
  TBitmap mask;
  DrawRoundRectMask(mask, W, H, 4, 5, 3.0);
  TBitmap color;
  color.SetPixelFormat(pf24bit);
  color.SetSize(W, H);
  color.Canvas()->Brush()->SetColor(GlowColor);
  color.Canvas()->FillRect(Rect(0, 0, W, H));
  Picture.MergeMask(mask, color, clNone);
  Picture.SetOpacity(GlowOpacity);
}

// The whole window but the cell.
void CutOutCell(HWND Glow, int W, int H, const TRect& Cell) {
  const HRGN shape = CreateRectRgn(0, 0, W, H);
  const HRGN cell = CreateRectRgn(GlowMargin, GlowMargin, GlowMargin + Cell.Width(), GlowMargin + Cell.Height());
  CombineRgn(shape, shape, cell, RGN_DIFF);
  DeleteObject(cell);
  SetWindowRgn(Glow, shape, true);
}

}  // namespace

TControl* TAdvStringGrid::FocusWindow() const { return FState->FocusWindow; }

TRect TAdvStringGrid::GlowCellRect(const TRect& R) const {
  const TRect view = ClientOfView(R);
  const TWinControl* host = FState->FocusWindow ? FState->FocusWindow->Parent() : nullptr;
  const TPoint on = ClientToScreen(Point(view.Left, view.Top));
  const TPoint origin = host ? host->ClientToScreen(Point(0, 0)) : Point(0, 0);
  const int left = on.X - origin.X, top = on.Y - origin.Y;
  return Rect(left, top, left + view.Width(), top + view.Height());
}

void TAdvStringGrid::ShowFocusWindow(const TRect& R) {
  TGridFocusWindow* glow = FState->FocusWindow;
  TWinControl* host = GlowHost(*this);
  if (!glow || !host) return;
  FocusWindowGrid = this;
  glow->SetVisible(false);
  const int w = R.Width() + GlowGrowth, h = R.Height() + GlowGrowth;
  TGridAlphaMask picture;
  MakeGlowPicture(picture, w, h);
  if (glow->Parent() != host) glow->SetParent(host);
  const TRect cell = GlowCellRect(R);
  const TPoint at{cell.Left - GlowMargin, cell.Top - GlowMargin};
  const TSize size{w, h};
  const TPoint from{0, 0};
  BLENDFUNCTION blend;
  blend.SourceConstantAlpha = GlowOpacity;
  blend.AlphaFormat = AC_SRC_ALPHA;
  CallUpdateLayeredWindow(glow->Handle(), &at, &size, &picture, &from, clNone, &blend, ULW_ALPHA);
  CutOutCell(glow->Handle(), w, h, R);
  glow->SetBounds(at.X, at.Y, w, h);
  glow->BringToFront();
  glow->SetVisible(true);
}

void TAdvStringGrid::PlaceFocusWindow() {
  TGridFocusWindow* glow = FState->FocusWindow;
  if (!glow || !glow->Visible()) return;
  // A glow whose grid no longer shows has nothing to frame.
  if (!Showing()) return HideFocusWindow();
  const TRect cell = GlowCellRect(CellRect(Col(), Row()));
  glow->SetBounds(cell.Left - GlowMargin, cell.Top - GlowMargin, cell.Width() + GlowGrowth,
                  cell.Height() + GlowGrowth);
}

void TAdvStringGrid::HideFocusWindow() {
  if (FocusWindowGrid == this) FocusWindowGrid = nullptr;
  if (FState->FocusWindow) FState->FocusWindow->SetVisible(false);
}
