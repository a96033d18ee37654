// In-text controls of a mini-HTML line: layout, hit test and their
// classic looks.
#include <algorithm>

#include "grid/base/HTMLControls.h"
#include "grid/base/HTMLLayout.h"
#include "platform/gui/FrameControls.h"

namespace {

constexpr TColor kClassicFrame = 0x808080;

int BoundedSize(const String& Text, int Default) {
  int v = 0;
  if (!TryStrToInt(Text, v)) return Default;
  return std::clamp(v, 0, MaxHTMLPictureSize);
}

bool IsBox(const String& Type) { return Type == u"CHECK" || Type == u"RADIO"; }

struct TControlPaint {
  int X = 0, B = 0, S = 0, W = 0, H = 0;
  bool Hot = false;
  bool Down = false;
};

void DrawValue(TCanvas& Canvas, const String& Value, TRect R, unsigned Flags) {
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.DrawText(Value, R, Flags | DT_SINGLELINE | DT_VCENTER);
}

void DrawControl(TCanvas& Canvas, const THTMLControlTag& C, const TControlPaint& P) {
  const int x = P.X, b = P.B, s = P.S, w = P.W;
  const TColor brush = SavedBrush(Canvas);
  if (C.Type == u"EDIT" || C.Type == u"PASSWORD" || C.Type == u"MASK" || C.Type == u"COMBO") {
    Canvas.Pen()->SetColor(kClassicFrame);
    Canvas.Brush()->SetColor(clWhite);
    Canvas.Rectangle(x, b - s + 4, x + w, b + 2);
    const bool combo = C.Type == u"COMBO";
    const String value = C.Type == u"PASSWORD" ? MaskWithStars(C.Value) : C.Value;
    DrawValue(Canvas, value, combo ? TRect{x + 4, b - s + 4, x + w - 18, b} : TRect{x + 2, b - s + 4, x + w, b}, 0);
    if (combo) DrawFrameControl(Canvas, TRect{x + w - 18, b - s + 5, x + w - 1, b + 1}, DFC_SCROLL, DFCS_SCROLLCOMBOBOX);
  } else if (IsBox(C.Type)) {
    const bool check = C.Type == u"CHECK";
    unsigned state = (check ? DFCS_BUTTONCHECK : DFCS_BUTTONRADIO) | DFCS_FLAT;
    if (UpperCase(C.Value) == u"TRUE") state |= DFCS_CHECKED;
    if (P.Hot && P.Down) state |= DFCS_PUSHED;
    DrawFrameControl(Canvas, check ? TRect{x + 2, b - 15, x + 15, b} : TRect{x + 2, b - 14, x + 14, b}, DFC_BUTTON,
                     state);
  } else if (C.Type == u"BUTTON") {
    const TRect face{x + 2, b - P.H, x + w - 2, b};
    DrawFrameControl(Canvas, face, DFC_BUTTON, DFCS_BUTTONPUSH | (P.Hot && P.Down ? DFCS_PUSHED : 0));
    DrawValue(Canvas, C.Value, TRect{face.Left + 2, face.Top + 2, face.Right - 2, face.Bottom - 2}, DT_CENTER);
  }
  RestoreBrush(Canvas, brush);
}

}  // namespace

bool THTMLLayout::ProcessControl(const THTMLTag& Tag, TPass& Pass, THTMLLine& Line) {
  const THTMLControlTag c = ParseControlTag(Tag.Text);
  const int w = BoundedSize(c.Width, -1);
  if (w < 0) return true;
  const int h = BoundedSize(c.Height, 25);
  const bool box = IsBox(c.Type);
  const int lineHeight = h > 25 ? h - 2 : box ? 16 : 23;
  int lw = w, lh = GHHeight() + 10;
  if (box) lw = lh = 16;
  if (c.Type == u"BUTTON" || c.Type == u"COMBO") lh = 25;
  if (!FitsItem(lw, Pass, Line)) return false;
  ++FState.Images;
  Line.Height = std::max(Line.Height, lineHeight);
  const int before = Line.Width;
  const int rel = In.XPos - Pass.Line.Left;
  const bool under = rel > before && rel < before + lw && In.YPos > Pass.Line.Top && In.YPos < Pass.Line.Top + lh;
  if (under || (In.CheckHotSpot && !c.ID.empty() && c.ID == FIncomingControlID)) {
    Out.AnchorVal = u"ctrl";
    FHoverPicture = FState.Images;
    Out.ControlRect = TRect{Pass.Line.Left + before, Pass.Line.Top, Pass.Line.Left + before + lw, Pass.Line.Top + lh};
    Out.ControlValue = c.Value;
    Out.ControlID = c.ID;
    Out.ControlType = c.Type;
    Line.ItemHit = true;
  }
  if (Pass.Paint) {
    TControlPaint p{Pass.X, TextBottom(Pass), Pass.Measured->Height, w, h, false, In.Down};
    const int hotH = c.Type == u"BUTTON" ? 24 : lh;
    p.Hot = Pass.X - 2 < In.XPos && In.XPos < Pass.X - 2 + lw && p.B - hotH - 2 < In.YPos && In.YPos < p.B - 2;
    DrawControl(FCanvas, c, p);
  }
  AdvanceItem(lw, Pass, Line);
  return true;
}
