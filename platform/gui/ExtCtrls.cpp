#include "platform/gui/ExtCtrls.h"

#include <algorithm>

#include "platform/gui/Canvas.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/Views.h"

TPanel::TPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TPanel::FrameChanged() {
  Realign();
  Invalidate();
}

void TPanel::SetBevelOuter(TBevelCut v) { FBevelOuter = v; FrameChanged(); }
void TPanel::SetBevelInner(TBevelCut v) { FBevelInner = v; FrameChanged(); }
void TPanel::SetBevelWidth(int v) { FBevelWidth = std::max(v, 1); FrameChanged(); }
void TPanel::SetBorderWidth(int v) { FBorderWidth = std::max(v, 0); FrameChanged(); }

void TPanel::SetAlignment(TAlignment v) {
  FAlignment = v;
  Invalidate();
}

void TPanel::AdjustClientRect(TRect& Rect) const {
  const int inset = FBorderWidth + (FBevelOuter != bvNone ? FBevelWidth : 0) + (FBevelInner != bvNone ? FBevelWidth : 0);
  InflateRect(Rect, -inset, -inset);
}

namespace {
// A bevel of Width one-pixel rings from the edge of R inwards; R shrinks by it.
void PaintBevel(TCanvas& C, TRect& R, TBevelCut Cut, int Width) {
  if (Cut == bvNone) return;
  for (int i = 0; i < Width; ++i) {
    if (Cut == bvRaised) DrawBevel(C, R, clBtnHighlight, clBtnShadow);
    if (Cut == bvLowered) DrawBevel(C, R, clBtnShadow, clBtnHighlight);
    InflateRect(R, -1, -1);
  }
}
}  // namespace

void TPanel::Paint() {
  TCanvas& c = *Canvas();
  TRect r = ClientRect();
  PaintBevel(c, r, FBevelOuter, FBevelWidth);
  InflateRect(r, -FBorderWidth, -FBorderWidth);
  PaintBevel(c, r, FBevelInner, FBevelWidth);
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

TImage::TImage(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetColor(clNone);
  SetBounds(0, 0, 105, 105);
  FPicture.OnChange = [this](TPersistent*) { Invalidate(); };
}

void TImage::SetTransparent(bool v) {
  FTransparent = v;
  Invalidate();
}

TRect TImage::DestRect() const {
  const int w = FPicture.Width(), h = FPicture.Height();
  if (FStretch) return ClientRect();
  if (!FCenter) return Rect(0, 0, w, h);
  const int x = (ClientWidth() - w) / 2, y = (ClientHeight() - h) / 2;
  return Rect(x, y, x + w, y + h);
}

void TImage::Paint() {
  TGraphic* g = FPicture.Graphic();
  if (!g || g->Empty()) return;
  g->SetTransparent(FTransparent);
  Canvas()->StretchDraw(DestRect(), *g);
}

TLinkLabel::TLinkLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetView(platform::CreatePaintView(*this));
  SetParentColor(true);
  SetCursor(crHandPoint);
  SetBounds(0, 0, 53, 17);
}

std::vector<TLinkLabel::TPart> TLinkLabel::Parse(const String& Caption) {
  std::vector<TPart> parts;
  size_t at = 0;
  while (at < Caption.size()) {
    const size_t open = Caption.find(u"<a", at);
    const size_t tagEnd = open == String::npos ? open : Caption.find(u'>', open);
    const size_t close = tagEnd == String::npos ? tagEnd : Caption.find(u"</a>", tagEnd);
    if (close == String::npos) {
      parts.push_back({Caption.substr(at), String(), false});
      break;
    }
    if (open > at) parts.push_back({Caption.substr(at, open - at), String(), false});
    const String tag = Caption.substr(open, tagEnd - open);
    TPart link{Caption.substr(tagEnd + 1, close - tagEnd - 1), String(), true};
    const size_t q1 = tag.find(u'"');
    const size_t q2 = q1 == String::npos ? q1 : tag.find(u'"', q1 + 1);
    link.Link = q2 == String::npos ? link.Text : tag.substr(q1 + 1, q2 - q1 - 1);
    parts.push_back(std::move(link));
    at = close + 4;
  }
  return parts;
}

void TLinkLabel::Paint() {
  TCanvas& c = *Canvas();
  c.Brush()->SetStyle(bsClear);
  FSpans.clear();
  int x = 0;
  for (const TPart& p : Parse(Caption())) {
    c.SetFont(*Font());
    if (p.IsLink) {
      c.Font()->SetColor(clHotLight);
      c.Font()->SetStyle(Font()->Style() + TFontStyles{fsUnderline});
    }
    const int w = c.TextWidth(p.Text);
    c.TextOut(x, 0, p.Text);
    FSpans.emplace_back(x, x + w);
    x += w;
  }
}

int TLinkLabel::LinkAt(int X) const {
  const std::vector<TPart> parts = Parse(Caption());
  for (size_t i = 0; i < parts.size() && i < FSpans.size(); ++i)
    if (parts[i].IsLink && X >= FSpans[i].first && X < FSpans[i].second) return static_cast<int>(i);
  return -1;
}

void TLinkLabel::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  FClickX = X;
  TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TLinkLabel::Click() {
  const int i = LinkAt(FClickX);
  if (i < 0 || !OnLinkClick) return TGraphicControl::Click();
  OnLinkClick(this, Parse(Caption())[static_cast<size_t>(i)].Link, sltURL);
}
