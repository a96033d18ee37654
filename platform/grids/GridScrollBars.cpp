// The grid's scroll bars, painted by the grid itself along its right and
// bottom edges (the platform's windows have no bars of their own). A press
// on a bar becomes WM_HSCROLL/WM_VSCROLL to the grid, so a subclass's
// scroll handlers see it as they would see the system's bars. The thumb runs
// 0..127, as the model's ScrollThumb.
#include <algorithm>

#include "platform/grids/CustomGrid.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

namespace {
constexpr int kBar = 17;  // thickness, and the length of each arrow button
constexpr int kThumbMax = 127;

// A bar's geometry along its own axis: the track between the arrows.
struct TBarTrack {
  int Start;   // first pixel of the track
  int Length;  // pixels of the track
  int ThumbAt(int Thumb) const { return Start + (Length - kBar) * Thumb / kThumbMax; }
  int ThumbFor(int Pixel) const {
    if (Length <= kBar) return 0;
    return std::clamp((Pixel - Start) * kThumbMax / (Length - kBar), 0, kThumbMax);
  }
};

TBarTrack Track(int Extent) { return TBarTrack{kBar, std::max(Extent - 2 * kBar, 0)}; }
}  // namespace

int TCustomGrid::ScrollBarThickness() { return kBar; }

bool TCustomGrid::ScrollBarShown(bool Vertical) const {
  return Vertical ? ClientWidth() - ViewWidth() >= kBar : ClientHeight() - ViewHeight() >= kBar;
}

// A vertical bar may make a horizontal one needed, and the other way round.
void TCustomGrid::UpdateViewport() {
  int w = ClientWidth(), h = ClientHeight();
  bool wantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  bool wantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  bool v = wantV && !AllRowsFit(h);
  bool hb = wantH && !AllColsFit(v ? w - kBar : w);
  if (!v && hb) v = wantV && !AllRowsFit(h - kBar);
  SetViewSize(v ? w - kBar : w, hb ? h - kBar : h);
}

void TCustomGrid::PaintScrollBars(TCanvas& Canvas) {
  auto paintBar = [&](bool vertical) {
    if (!ScrollBarShown(vertical)) return;
    int extent = vertical ? ViewHeight() : ViewWidth();
    TBarTrack track = Track(extent);
    auto box = [&](int from, int to) {  // a span along the bar, full thickness
      return vertical ? TRect{ViewWidth(), from, ViewWidth() + kBar, to} : TRect{from, ViewHeight(), to, ViewHeight() + kBar};
    };
    Canvas.Brush()->SetColor(clScrollBar);
    Canvas.FillRect(box(0, extent));
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.Pen()->SetColor(clBtnShadow);
    Canvas.Rectangle(box(0, kBar));
    Canvas.Rectangle(box(extent - kBar, extent));
    int thumb = track.ThumbAt(ScrollThumb(vertical));
    if (track.Length >= kBar) Canvas.Rectangle(box(thumb, thumb + kBar));
  };
  paintBar(true);
  paintBar(false);
  if (ScrollBarShown(true) && ScrollBarShown(false)) {
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(TRect{ViewWidth(), ViewHeight(), ClientWidth(), ClientHeight()});
  }
}

bool TCustomGrid::ScrollBarMouseDown(int X, int Y) {
  bool vertical = ScrollBarShown(true) && X >= ViewWidth() && Y < ViewHeight();
  bool horizontal = ScrollBarShown(false) && Y >= ViewHeight() && X < ViewWidth();
  if (!vertical && !horizontal) return X >= ViewWidth() || Y >= ViewHeight();  // the corner box
  int pixel = vertical ? Y : X, extent = vertical ? ViewHeight() : ViewWidth();
  TBarTrack track = Track(extent);
  int thumb = track.ThumbAt(ScrollThumb(vertical));
  int code;
  if (pixel < kBar) code = SB_LINEUP;
  else if (pixel >= extent - kBar) code = SB_LINEDOWN;
  else if (pixel < thumb) code = SB_PAGEUP;
  else if (pixel >= thumb + kBar) code = SB_PAGEDOWN;
  else {
    FThumbDrag = vertical ? 2 : 1;
    FThumbGrab = pixel - thumb;
    return true;
  }
  Perform(vertical ? WM_VSCROLL : WM_HSCROLL, static_cast<WPARAM>(code));
  Perform(vertical ? WM_VSCROLL : WM_HSCROLL, static_cast<WPARAM>(SB_ENDSCROLL));
  return true;
}

// The dragged thumb: tracking on every move, the position on release.
bool TCustomGrid::ThumbDragMouse(int X, int Y, bool Release) {
  if (FThumbDrag == 0) return false;
  bool vertical = FThumbDrag == 2;
  TBarTrack track = Track(vertical ? ViewHeight() : ViewWidth());
  int pos = track.ThumbFor((vertical ? Y : X) - FThumbGrab);
  UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
  Perform(msg, static_cast<WPARAM>(MakeLParam(Release ? SB_THUMBPOSITION : SB_THUMBTRACK, pos)));
  if (Release) {
    FThumbDrag = 0;
    Perform(msg, static_cast<WPARAM>(SB_ENDSCROLL));
  }
  Invalidate();
  return true;
}
