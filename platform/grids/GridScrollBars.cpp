// The grid's scroll bars, painted by the grid itself in its non-client area
// along the right and bottom edges of the client area. Each bar keeps its
// scroll info; the grid keeps the positions in step with the top-left cell.
// A press on a bar becomes WM_HSCROLL/WM_VSCROLL to the grid, so a
// subclass's scroll handlers see it as they would see the system's bars.
#include <algorithm>
#include <array>

#include "platform/grids/CustomGrid.h"
#include "platform/grids/GridView.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/Messages.h"

namespace {
constexpr int kBar = TGridScrollBar::Thickness;

// A small triangle in Box pointing along the bar: backwards (up, left) or forwards.
void PaintArrow(TCanvas& Canvas, const TRect& Box, bool Vertical, bool Forward, bool Enabled) {
  const int cx = (Box.Left + Box.Right) / 2, cy = (Box.Top + Box.Bottom) / 2, d = Forward ? 1 : -1;
  const std::array<TPoint, 3> v =
      Vertical ? std::array<TPoint, 3>{{{cx - 4, cy - 2 * d}, {cx + 4, cy - 2 * d}, {cx, cy + 2 * d}}}
               : std::array<TPoint, 3>{{{cx - 2 * d, cy - 4}, {cx - 2 * d, cy + 4}, {cx + 2 * d, cy}}};
  const TColor color = Enabled ? clBtnText : clGrayText;
  Canvas.Pen()->SetColor(color);
  Canvas.Brush()->SetColor(color);
  Canvas.Polygon(v);
}
}  // namespace

int TCustomGrid::ScrollBarThickness() { return kBar; }

bool TCustomGrid::ScrollBarShown(bool Vertical) const {
  (void)ViewWidth();  // the bars are decided with the view
  return ScrollBar(Vertical ? SB_VERT : SB_HORZ).Shown();
}

// A vertical bar may make a horizontal one needed, and the other way round.
void TCustomGrid::UpdateViewport() {
  const int frame = BorderWidth();
  const int w = std::max(Width() - 2 * frame, 0), h = std::max(Height() - 2 * frame, 0);
  const bool wantH = FScrollBars == ssHorizontal || FScrollBars == ssBoth;
  const bool wantV = FScrollBars == ssVertical || FScrollBars == ssBoth;
  bool v = wantV && !AllRowsFit(h);
  const bool hb = wantH && !AllColsFit(v ? w - kBar : w);
  if (!v && hb) v = wantV && !AllRowsFit(h - kBar);
  TGridScrollBar& horz = ScrollBar(SB_HORZ);
  TGridScrollBar& vert = ScrollBar(SB_VERT);
  if (horz.SetNeeded(hb)) horz.SetShown(hb);
  if (vert.SetNeeded(v)) vert.SetShown(v);
  SetViewSize(vert.Shown() ? w - kBar : w, horz.Shown() ? h - kBar : h);
  if (FFramedView) FFramedView->SetClientArea(ClientRectInWindow());
  SyncScrollBars();
  InvalidateNonClient();
}

void TCustomGrid::SyncScrollBars() {
  bool moved = false;
  for (bool vertical : {false, true}) {
    TGridScrollBar& bar = ScrollBar(vertical ? SB_VERT : SB_HORZ);
    const int pos = ScrollThumb(vertical, bar.Info().nMin, bar.MaxPos());
    moved = moved || pos != bar.Info().nPos;
    bar.SetPos(pos);
  }
  if (moved) InvalidateNonClient();
}

bool TCustomGrid::GetScrollInfo(int Bar, TScrollInfo& Info) const {
  (void)ViewWidth();
  const TScrollInfo& kept = ScrollBar(Bar).Info();
  if (Info.fMask & SIF_RANGE) Info.nMin = kept.nMin, Info.nMax = kept.nMax;
  if (Info.fMask & SIF_PAGE) Info.nPage = kept.nPage;
  if (Info.fMask & SIF_POS) Info.nPos = kept.nPos;
  if (Info.fMask & SIF_TRACKPOS) Info.nTrackPos = kept.nTrackPos;
  return (Info.fMask & SIF_ALL) != 0;
}

int TCustomGrid::GetScrollPos(int Bar) const {
  TScrollInfo info;
  info.fMask = SIF_POS;
  GetScrollInfo(Bar, info);
  return info.nPos;
}

// A new range without a position keeps the top-left cell where it is.
int TCustomGrid::SetScrollInfo(int Bar, const TScrollInfo& Info, bool Redraw) {
  TGridScrollBar& bar = ScrollBar(Bar);
  bar.SetInfo(Info);
  if (!(Info.fMask & SIF_POS)) bar.SetPos(ScrollThumb(Bar == SB_VERT, bar.Info().nMin, bar.MaxPos()));
  if (Redraw) InvalidateNonClient();
  return bar.Info().nPos;
}

void TCustomGrid::ShowScrollBar(int Bar, bool Show) {
  (void)ViewWidth();
  if (ScrollBar(Bar).Shown() == Show) return;
  ScrollBar(Bar).SetShown(Show);
  UpdateViewport();
  UpdateEdit();
  RequestRepaint();
}

void TCustomGrid::EnableScrollBar(int Bar, UINT Arrows) {
  ScrollBar(Bar).SetDisabledArrows(Arrows);
  InvalidateNonClient();
}

int TCustomGrid::ScrollThumbSize(int Bar) const {
  return ScrollBar(Bar).ThumbSize(Bar == SB_VERT ? ClientHeight() : ClientWidth());
}

void TCustomGrid::PaintScrollBars(TCanvas& Canvas) {
  const TRect client = ClientRectInWindow();
  auto paintBar = [&](bool vertical) {
    const TGridScrollBar& bar = ScrollBar(vertical ? SB_VERT : SB_HORZ);
    if (!bar.Shown()) return;
    const int length = vertical ? client.Height() : client.Width();
    auto box = [&](int from, int to) {  // a span along the bar, full thickness
      return vertical ? TRect{client.Right, client.Top + from, client.Right + kBar, client.Top + to}
                      : TRect{client.Left + from, client.Bottom, client.Left + to, client.Bottom + kBar};
    };
    Canvas.Brush()->SetColor(clScrollBar);
    Canvas.FillRect(box(0, length));
    const TRect back = box(0, kBar), forward = box(length - kBar, length);
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.Pen()->SetColor(clBtnShadow);
    Canvas.Rectangle(back);
    Canvas.Rectangle(forward);
    const UINT disabled = bar.DisabledArrows();
    PaintArrow(Canvas, back, vertical, false, !(disabled & ESB_DISABLE_LTUP));
    PaintArrow(Canvas, forward, vertical, true, !(disabled & ESB_DISABLE_RTDN));
    const int thumb = bar.ThumbStart(length, FThumbDrag == (vertical ? 2 : 1));
    if (bar.Active() && bar.ThumbSize(length) > 0) {
      Canvas.Brush()->SetColor(clBtnFace);
      Canvas.Rectangle(box(thumb, thumb + bar.ThumbSize(length)));
    }
  };
  paintBar(true);
  paintBar(false);
  if (ScrollBar(SB_VERT).Shown() && ScrollBar(SB_HORZ).Shown()) {
    Canvas.Brush()->SetColor(clBtnFace);
    Canvas.FillRect(TRect{client.Right, client.Bottom, client.Right + kBar, client.Bottom + kBar});
  }
}

bool TCustomGrid::ScrollBarMouseDown(int X, int Y) {
  const int cw = ClientWidth(), ch = ClientHeight();
  if (X >= 0 && Y >= 0 && X < cw && Y < ch) return false;
  const bool vertical = ScrollBarShown(true) && X >= cw && X < cw + kBar && Y >= 0 && Y < ch;
  const bool horizontal = ScrollBarShown(false) && Y >= ch && Y < ch + kBar && X >= 0 && X < cw;
  if (!vertical && !horizontal) return true;  // the frame or the corner box
  TGridScrollBar& bar = ScrollBar(vertical ? SB_VERT : SB_HORZ);
  const int pixel = vertical ? Y : X, length = vertical ? ch : cw;
  if (bar.OnThumb(length, pixel)) {
    // The dragged thumb is painted at the track position: it starts where
    // the thumb stands now, not where the last drag left it.
    bar.SetTrackPos(bar.Info().nPos);
    FThumbDrag = vertical ? 2 : 1;
    FThumbGrab = pixel - bar.ThumbStart(length);
    return true;
  }
  const int code = bar.HitCode(length, pixel);
  if (code < 0) return true;
  Perform(vertical ? WM_VSCROLL : WM_HSCROLL, static_cast<WPARAM>(code));
  Perform(vertical ? WM_VSCROLL : WM_HSCROLL, static_cast<WPARAM>(SB_ENDSCROLL));
  return true;
}

// The dragged thumb: tracking on every move, the position on release.
bool TCustomGrid::ThumbDragMouse(int X, int Y, bool Release) {
  if (FThumbDrag == 0) return false;
  const bool vertical = FThumbDrag == 2;
  TGridScrollBar& bar = ScrollBar(vertical ? SB_VERT : SB_HORZ);
  const int pos = bar.PosAt(vertical ? ClientHeight() : ClientWidth(), (vertical ? Y : X) - FThumbGrab);
  bar.SetTrackPos(pos);
  const UINT msg = vertical ? WM_VSCROLL : WM_HSCROLL;
  Perform(msg, static_cast<WPARAM>(MakeLParam(Release ? SB_THUMBPOSITION : SB_THUMBTRACK, pos)));
  if (Release) {
    FThumbDrag = 0;
    Perform(msg, static_cast<WPARAM>(SB_ENDSCROLL));
  }
  InvalidateNonClient();
  return true;
}
