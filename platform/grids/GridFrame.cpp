// The grid window's frame and client area: the frame, the shown scroll bars
// and the client area inside them, which is the cell area.
#include "platform/grids/CustomGrid.h"
#include "platform/grids/GridView.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/SystemMetrics.h"

void TCustomGrid::SetBorderStyle(TFormBorderStyle Value) {
  if (FBorderStyle == Value) return;
  FBorderStyle = Value;
  UpdateViewport();
  UpdateEdit();
  Invalidate();
}

int TCustomGrid::BorderWidth() const { return FBorderStyle == bsNone ? 0 : GetSystemMetrics(SM_CXEDGE); }

int TCustomGrid::ClientWidth() const { return ViewWidth(); }
int TCustomGrid::ClientHeight() const { return ViewHeight(); }

TPoint TCustomGrid::ClientOrigin() const {
  const TPoint p = TCustomControl::ClientOrigin();
  return Point(p.X + BorderWidth(), p.Y + BorderWidth());
}

TRect TCustomGrid::ClientRectInWindow() const {
  const int frame = BorderWidth();
  return TRect{frame, frame, frame + ClientWidth(), frame + ClientHeight()};
}

void TCustomGrid::InvalidateNonClient() {
  if (FFramedView && !RepaintLocked()) FFramedView->InvalidateNonClient();
}

void TCustomGrid::PaintNonClient(TCanvas& Canvas) {
  PaintFrame(Canvas);
  PaintScrollBars(Canvas);
}

// The sunken edge: shadow outside and dark shadow inside along the top and
// left, highlight outside and light inside along the bottom and right.
void TCustomGrid::PaintFrame(TCanvas& Canvas) {
  if (BorderWidth() == 0) return;
  const int w = Width(), h = Height();
  auto edge = [&](int inset, TColor topLeft, TColor bottomRight) {
    const int l = inset, t = inset, r = w - inset, b = h - inset;
    Canvas.Brush()->SetColor(topLeft);
    Canvas.FillRect(TRect{l, t, r - 1, t + 1});
    Canvas.FillRect(TRect{l, t, l + 1, b - 1});
    Canvas.Brush()->SetColor(bottomRight);
    Canvas.FillRect(TRect{l, b - 1, r, b});
    Canvas.FillRect(TRect{r - 1, t, r, b});
  };
  edge(0, clBtnShadow, clBtnHighlight);
  edge(1, cl3DDkShadow, cl3DLight);
}
