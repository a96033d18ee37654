#include "platform/gui/ExtCtrls.h"

#include <algorithm>

#include "platform/gui/Canvas.h"
#include "platform/gui/Views.h"

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::SetBevelOuter(TBevelCut v) {
  FBevelOuter = v;
  Invalidate();
}

void TPanel::SetAlignment(TAlignment v) {
  FAlignment = v;
  Invalidate();
}

void TPanel::Paint() {
  TCanvas& c = *Canvas();
  TRect r = ClientRect();
  if (FBevelOuter == bvRaised || FBevelOuter == bvLowered) {
    const bool raised = FBevelOuter == bvRaised;
    c.Pen()->SetColor(raised ? clBtnHighlight : clBtnShadow);
    c.MoveTo(r.Left, r.Bottom - 1);
    c.LineTo(r.Left, r.Top);
    c.LineTo(r.Right - 1, r.Top);
    c.Pen()->SetColor(raised ? clBtnShadow : clBtnHighlight);
    c.LineTo(r.Right - 1, r.Bottom - 1);
    c.LineTo(r.Left, r.Bottom - 1);
    InflateRect(r, -1, -1);
  }
  c.Brush()->SetStyle(bsClear);
  const unsigned h = FAlignment == taCenter ? DT_CENTER : FAlignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  c.DrawText(Caption(), r, h | DT_VCENTER | DT_SINGLELINE);
}

TShape::TShape(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clNone);
  SetBounds(0, 0, 65, 65);
}

void TShape::SetShape(TShapeType v) {
  FShape = v;
  Invalidate();
}

void TShape::Paint() {
  TCanvas& c = *Canvas();
  c.SetPen(FPen);
  c.SetBrush(FBrush);
  const int pw = FPen.Width();
  TRect r = Rect(pw / 2, pw / 2, Width() - pw / 2, Height() - pw / 2);
  if (FShape == stSquare || FShape == stRoundSquare || FShape == stCircle) {
    const int side = std::min(r.Width(), r.Height());
    r = Rect(r.Left + (r.Width() - side) / 2, r.Top + (r.Height() - side) / 2, 0, 0);
    r.Right = r.Left + side;
    r.Bottom = r.Top + side;
  }
  switch (FShape) {
    case stRectangle: case stSquare: c.Rectangle(r); break;
    case stRoundRect: case stRoundSquare:
      c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, std::min(r.Width(), r.Height()) / 4,
                  std::min(r.Width(), r.Height()) / 4);
      break;
    case stEllipse: case stCircle: c.Ellipse(r); break;
  }
}
