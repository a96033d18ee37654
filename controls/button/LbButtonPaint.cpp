// The button's Paint: the face is drawn off screen and reaches the window in
// one copy; the see-through styles key out magenta so the parent shows at
// the rounded corners.
#include "controls/button/LbButton.h"

namespace {
bool SeeThrough(TLbButtonStyle s) { return s == bsModern || s == bsShape || s == bsQuicken; }
}  // namespace

TLbButtonFace TLbButton::Face(int W, int H, bool Hot) const {
  TLbButtonFace f;
  f.Width = W;
  f.Height = H;
  f.Alignment = FAlignment;
  f.Caption = Caption();
  f.Layout = FLayout;
  f.ShadowColor = FShadowColor;
  f.LightColor = FLightColor;
  f.HotTrackColor = FHotTrackColor;
  f.ColorWhenDown = FColorWhenDown;
  f.Color = Color();
  f.Style = FStyle;
  f.HasPopup = PopupMenu() != nullptr;
  f.WordWrap = FWordWrap;
  f.Flat = FFlat;
  f.Enabled = Enabled();
  f.Hot = Hot;
  f.Down = bDown;
  f.Glyph = FGlyph.get();
  f.NumGlyphs = FNumGlyphs;
  f.HotTrackStep = FHotTrackStep;
  return f;
}

// The old style shows the focus by a black frame around a face one pixel smaller.
void TLbButton::PaintOld(TCanvas& Target, const TLbButtonFace& Face) {
  const int W = Face.Width, H = Face.Height;
  TLbButtonFace inner = Face;
  inner.Width = W - 2;
  inner.Height = H - 2;
  inner.Hot = true;
  if (bDown) inner.LightColor = inner.ShadowColor;
  TBitmap face(W, H);
  DrawButton(*face.Canvas(), inner);
  Target.Draw(1, 1, face);
  Target.Brush()->SetStyle(bsClear);
  Target.Pen()->SetColor(clBlack);
  Target.Rectangle(0, 0, W, H);
}

void TLbButton::Paint() {
  if (Loading() || Destroying() || !Visible()) return;
  const int W = Width(), H = Height();
  const bool hot = bCursorOnButton || Focused();
  TFont font;
  font.Assign(hot && FUseHTFont ? *FHTFont : *Font());
  TBitmap bitmap(W, H);
  TCanvas& c = *bitmap.Canvas();
  if (SeeThrough(FStyle)) {
    c.Brush()->SetColor(LbTransparentKey);
    c.FillRect(Rect(0, 0, W, H));
    bitmap.SetTransparentColor(LbTransparentKey);
    bitmap.SetTransparent(true);
  }
  TLbButtonFace face = Face(W, H, hot);
  face.Font = &font;
  if (FStyle == bsOld && Focused()) PaintOld(c, face);
  else DrawButton(c, face);
  Canvas()->Draw(0, 0, bitmap);
  if (Focused() && Enabled() && FStyle != bsShape) Canvas()->DrawFocusRect(Rect(4, 4, W - 4, H - 4));
}
