#include "grid/base/ButtonFaces.h"

#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/FrameControls.h"

namespace {

const TColorTone& ToneOf(const TColorTones& Tones, int State) {
  switch (State) {
    case bstHot: return Tones.Hover;
    case bstPressed: return Tones.Selected;
    case bstDisabled: return Tones.Disabled;
    default: return Tones.Background;
  }
}

void Tools(TCanvas& c, TColor PenColor, TColor BrushColor) {
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetWidth(1);
  c.Pen()->SetColor(PenColor);
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(BrushColor);
}

void Triangle(TCanvas& c, TColor Color, TPoint a, TPoint b, TPoint t) {
  Tools(c, Color, Color);
  const TPoint points[] = {a, b, t};
  c.Polygon(points);
}

// The frame-control flags of a classic or flat look.
unsigned FrameFlags(int Look, int State, unsigned Kind) {
  unsigned flags = Kind;
  if (State == bstDisabled) flags |= DFCS_INACTIVE;
  if (Look == blFlat) flags |= DFCS_FLAT;
  return flags;
}

bool Classic(int Look) { return Look == blThemed || Look == blClassic || Look == blFlat; }

// The visual-style state of a combo or spin part: only disabled differs.
int EnabledOrDisabled(int State) { return State == bstDisabled ? 4 : 1; }

int PushButtonThemeState(int State) {
  switch (State) {
    case bstHot: return 2;
    case bstPressed: return 3;
    case bstDisabled: return 4;
    default: return 1;
  }
}

}  // namespace

void DrawComboButton(TCanvas& Canvas, HWND Window, const TRect& Rect, int Look, int State,
                     const TColorTones& Tones) {
  TRect r{Rect.Right - 19, Rect.Top + 1, Rect.Right - 2, Rect.Bottom - 1};
  if (Look == blThemed && DrawThemedPart(Canvas, Window, u"combobox", 1, EnabledOrDisabled(State), r)) return;
  if (Classic(Look)) {
    DrawFrameControl(Canvas, r, DFC_SCROLL, FrameFlags(Look, State, DFCS_SCROLLCOMBOBOX));
    return;
  }
  if (Look != blCustom) return;
  r.Left += 3;
  const TColor face = ToneOf(Tones, State).BrushColor;
  Tools(Canvas, face, face);
  Canvas.Rectangle(r);
  Canvas.Pen()->SetColor(Tones.Background.BorderColor);
  Canvas.MoveTo(r.Left + 1, r.Top);
  Canvas.LineTo(r.Left + 1, r.Bottom);
  Triangle(Canvas, Tones.Background.TextColor, Point(r.Left + 5, r.Top + 8),
           Point(r.Left + 11, r.Top + 8), Point(r.Left + 8, r.Top + 11));
}

void DrawPushButtonFace(TCanvas& Canvas, HWND Window, const TRect& Rect, int Look, int State,
                        const TColorTones& Tones) {
  if (Look == blThemed && DrawThemedPart(Canvas, Window, u"button", 1, PushButtonThemeState(State), Rect)) return;
  if (Classic(Look)) {
    unsigned kind = DFCS_BUTTONPUSH;
    if (State == bstHot) kind |= DFCS_HOT;
    if (State == bstPressed) kind |= DFCS_PUSHED;
    DrawFrameControl(Canvas, Rect, DFC_BUTTON, FrameFlags(Look, State, kind));
    return;
  }
  if (Look != blCustom) return;
  const TColorTone& tone = ToneOf(Tones, State);
  Tools(Canvas, tone.BorderColor, tone.BrushColor);
  Canvas.Rectangle(Rect);
}

void DrawSpinButtons(TCanvas& Canvas, HWND Window, const TRect& Rect, int Look, int State,
                     const TColorTones& Tones) {
  const TRect r{Rect.Right - 16, Rect.Top - 1, Rect.Right - 1, Rect.Bottom - 1};
  const int mid = r.Top + r.Height() / 2;
  const TRect up{r.Left, r.Top, r.Right, mid}, down{r.Left, mid + 1, r.Right, r.Bottom};
  if (Look == blThemed && DrawThemedPart(Canvas, Window, u"spin", 1, EnabledOrDisabled(State), up)) {
    DrawThemedPart(Canvas, Window, u"spin", 2, EnabledOrDisabled(State), down);
    return;
  }
  if (Classic(Look)) {
    DrawFrameControl(Canvas, up, DFC_SCROLL, FrameFlags(Look, State, DFCS_SCROLLUP));
    DrawFrameControl(Canvas, down, DFC_SCROLL, FrameFlags(Look, State, DFCS_SCROLLDOWN));
    return;
  }
  if (Look != blCustom) return;
  const TColor face = ToneOf(Tones, State).BrushColor;
  Tools(Canvas, face, face);
  Canvas.Rectangle(up);
  Canvas.Rectangle(down);
  Triangle(Canvas, clBlack, Point(up.Left + 5, up.Top + 5), Point(up.Left + 9, up.Top + 5),
           Point(up.Left + 7, up.Top + 3));
  Triangle(Canvas, clBlack, Point(down.Left + 5, down.Top + 1), Point(down.Left + 9, down.Top + 1),
           Point(down.Left + 7, down.Top + 3));
}
