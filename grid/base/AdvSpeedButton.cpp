#include "grid/base/AdvSpeedButton.h"

#include "grid/base/VisualStyleBinding.h"
#include "platform/gui/FrameControls.h"

TAdvSpeedButton::TAdvSpeedButton(TComponent* AOwner) : TSpeedButton(AOwner) {}

void TAdvSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  const bool over = X >= 0 && Y >= 0 && X < Width() && Y < Height();
  TSpeedButton::MouseUp(Button, Shift, X, Y);
  if (Button == mbLeft && over && OnReleased) OnReleased();
}

void TAdvSpeedButton::MouseEnter() {
  FHot = true;
  Invalidate();
  TSpeedButton::MouseEnter();
}

void TAdvSpeedButton::MouseLeave() {
  FHot = false;
  Invalidate();
  TSpeedButton::MouseLeave();
}

TRect TAdvSpeedButton::PaintFace(TCanvas& C) {
  TRect r = ClientRect();
  const bool down = IsDown();
  if (FColors && FColors->Color != clNone) {
    FFlat = true;
    C.Brush()->SetStyle(bsSolid);
    C.Brush()->SetColor(down ? FColors->ColorDown : FHot ? FColors->ColorHot : FColors->Color);
    C.FillRect(r);
    return r;
  }
  if (FIsWinXP && Parent()) {
    const int state = down ? 3 : FHot ? 2 : 1;
    if (DrawThemedPart(C, Parent()->Handle(), u"button", 1, state, r)) return r;
  }
  if (!FFlat) {
    DrawFrameControl(C, r, DFC_BUTTON, DFCS_BUTTONPUSH | (down ? DFCS_PUSHED : 0));
    return Rect(r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2);
  }
  C.Brush()->SetStyle(bsSolid);
  C.Brush()->SetColor(clBtnFace);
  C.FillRect(r);
  DrawBevel(C, r, down ? clBtnShadow : clBtnHighlight, down ? clBtnHighlight : clBtnShadow);
  return Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
}

void TAdvSpeedButton::PaintContent(TCanvas& C, const TRect& R) {
  const int shift = IsDown() ? 1 : 0;
  if (!Glyph()->Empty()) {
    TBitmap image;
    image.Assign(*Glyph());
    image.SetTransparent(true);
    const int x = image.Width() < Width() ? (Width() - image.Width()) / 2 : 0;
    const int y = image.Height() < Height() ? (Height() - image.Height()) / 2 : 0;
    C.Draw(x + shift, y + shift, image);
  }
  if (Caption().empty()) return;
  TRect text = Rect(R.Left + shift, R.Top + shift, R.Right + shift, R.Bottom + shift);
  C.Brush()->SetStyle(bsClear);
  C.Font()->SetColor(clBlack);
  C.DrawText(Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void TAdvSpeedButton::Paint() {
  TCanvas& c = *Canvas();
  PaintContent(c, PaintFace(c));
}
