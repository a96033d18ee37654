#include "platform/gui/Buttons.h"

#include <algorithm>

#include "platform/gui/Canvas.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/Menus.h"
#include "platform/gui/Views.h"

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clBtnFace);
  SetBounds(0, 0, 23, 22);
  SetControlStyle(ControlStyle() & ~static_cast<unsigned>(csDoubleClicks));
  FGlyph.OnChange = [this](TPersistent*) { Invalidate(); };
}

void TSpeedButton::SetNumGlyphs(int v) {
  FNumGlyphs = std::clamp(v, 1, 4);
  Invalidate();
}

void TSpeedButton::SetFlat(bool v) {
  FFlat = v;
  Invalidate();
}

void TSpeedButton::SetDown(bool v) {
  if (FGroupIndex == 0) v = false;
  if (v == FDown) return;
  if (!v && !FAllowAllUp) return;
  FDown = v;
  FState = v ? bsExclusive : bsUp;
  if (v) ReleaseOthers();
  Invalidate();
}

void TSpeedButton::ReleaseOthers() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i) {
    auto* b = dynamic_cast<TSpeedButton*>(Parent()->Controls(i));
    if (!b || b == this || b->FGroupIndex != FGroupIndex || !b->FDown) continue;
    b->FDown = false;
    b->FState = bsUp;
    b->Invalidate();
  }
}

void TSpeedButton::Click() {
  if (FGroupIndex != 0) {
    if (FDown && FAllowAllUp) SetDown(false);
    else SetDown(true);
  }
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && Enabled()) {
    FState = bsDown;
    FDragging = true;
    Invalidate();
  }
  TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  TGraphicControl::MouseMove(Shift, X, Y);
  if (!FDragging || !MouseCapture()) return;
  const TButtonState shown = ClientRect().Contains(Point(X, Y)) ? bsDown : FDown ? bsExclusive : bsUp;
  if (shown == FState) return;
  FState = shown;
  Invalidate();
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  // Click (run before this) has set Down for a grouped button.
  if (Button == mbLeft) {
    FDragging = false;
    FState = FDown ? bsExclusive : bsUp;
    Invalidate();
  }
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::MouseEnter() {
  if (FFlat) Invalidate();
  TGraphicControl::MouseEnter();
}

void TSpeedButton::MouseLeave() {
  if (FFlat) Invalidate();
  TGraphicControl::MouseLeave();
}

void TSpeedButton::PaintFrame(TCanvas& C, TRect R) {
  const bool pressed = FState == bsDown || FState == bsExclusive;
  if (FFlat && !pressed && !MouseInClient()) return;
  DrawBevel(C, R, pressed ? clBtnShadow : clBtnHighlight, pressed ? clBtnHighlight : clBtnShadow);
}

void TSpeedButton::Paint() {
  TCanvas& c = *Canvas();
  const TRect r = ClientRect();
  PaintFrame(c, r);
  const int shift = (FState == bsDown || FState == bsExclusive) ? 1 : 0;
  int textLeft = r.Left;
  if (!FGlyph.Empty()) {
    // The glyph's images lie side by side; the disabled one when there is one.
    const int w = FGlyph.Width() / FNumGlyphs, h = FGlyph.Height();
    const int index = !Enabled() && FNumGlyphs > 1 ? 1 : (shift && FNumGlyphs > 2 ? 2 : 0);
    TBitmap image(w, h);
    image.Canvas()->Draw(-index * w, 0, FGlyph);
    image.SetTransparent(true);
    const int x = Caption().empty() ? (r.Width() - w) / 2 : 4;
    c.Draw(x + shift, (r.Height() - h) / 2 + shift, image);
    textLeft = x + w + 4;
  }
  if (Caption().empty()) return;
  c.Brush()->SetStyle(bsClear);
  if (!Enabled()) c.Font()->SetColor(clGrayText);
  TRect tr = Rect(textLeft + shift, r.Top + shift, r.Right + shift, r.Bottom + shift);
  c.DrawText(Caption(), tr, (FGlyph.Empty() ? DT_CENTER : DT_LEFT) | DT_VCENTER | DT_SINGLELINE);
}

void TSpeedButton::Dispatch(TMessage& Message) {
  if (Message.Msg == CM_DIALOGCHAR && IsAccel(static_cast<Char>(Message.WParam), Caption()) && Enabled() &&
      Visible() && Parent() && Parent()->Showing()) {
    Click();
    Message.Result = 1;
    return;
  }
  TGraphicControl::Dispatch(Message);
}
