// The grid button's face, glyph and caption.
#include <algorithm>
#include <utility>

#include "grid/base/AdvGridButton.h"
#include "platform/gui/FrameControls.h"
#include "platform/sys/FloatText.h"

namespace {

constexpr int kSteps = 16;
constexpr int kDropDownWidth = 12;

int Channel(int A, int B, int I, int Steps) {
  return A + static_cast<int>(Round(I * (B - A) / static_cast<double>(Steps)));
}

void Frame(TCanvas& C, const TRect& R, TColor Color, bool Round) {
  if (Color == clNone) return;
  C.Brush()->SetStyle(bsClear);
  C.Pen()->SetStyle(psSolid);
  C.Pen()->SetWidth(1);
  C.Pen()->SetColor(Color);
  if (Round)
    C.RoundRect(R.Left, R.Top, R.Right, R.Bottom, 8, 8);
  else
    C.Rectangle(R);
  C.Brush()->SetStyle(bsSolid);
}

TRect Shrunk(TRect R, int By) {
  InflateRect(R, -By, -By);
  return R;
}

void DrawTransparent(TCanvas& C, int X, int Y, const TBitmap& Glyph) {
  TBitmap image;
  image.Assign(Glyph);
  image.SetTransparent(true);
  C.Draw(X, Y, image);
}

}  // namespace

void FillGridButtonFace(TCanvas& C, TColor A, TColor B, int Steps, const TRect& R, TColor FrameColor) {
  C.Pen()->SetStyle(psSolid);
  C.Brush()->SetStyle(bsSolid);
  if (B == clNone) {
    C.Brush()->SetColor(A);
    C.FillRect(R);
  } else {
    Steps = std::max(Steps, 1);
    const TColor a = ColorToRGB(A), b = ColorToRGB(B);
    const int h = R.Height();
    const int band = static_cast<int>(Round(h / static_cast<double>(Steps))) + 1;
    for (int i = 0; i < Steps; ++i) {
      C.Brush()->SetColor(RGB(Channel(GetRValue(a), GetRValue(b), i, Steps),
                              Channel(GetGValue(a), GetGValue(b), i, Steps),
                              Channel(GetBValue(a), GetBValue(b), i, Steps)));
      const int top = R.Top + static_cast<int>(Round(i * h / static_cast<double>(Steps)));
      C.FillRect(Rect(R.Left, top, R.Right, std::min(top + band, R.Bottom)));
    }
  }
  Frame(C, R, FrameColor, false);
}

TGridButtonLayout LayoutGridButton(TPoint Client, TPoint GlyphSize, TPoint TextSize,
                                   TButtonLayout Layout, int Margin, int Spacing,
                                   bool RightToLeft) {
  if (RightToLeft && Layout == blGlyphLeft)
    Layout = blGlyphRight;
  else if (RightToLeft && Layout == blGlyphRight)
    Layout = blGlyphLeft;
  if (GlyphSize.X == 0 || TextSize.X == 0) Spacing = 0;
  const bool across = Layout == blGlyphLeft || Layout == blGlyphRight;
  // The axis the layout runs along, and the other one, centred.
  auto along = [across](TPoint P) -> int { return across ? P.X : P.Y; };
  auto other = [across](TPoint P) -> int { return across ? P.Y : P.X; };
  const int c = along(Client), g = along(GlyphSize), t = along(TextSize);
  if (Margin == -1) {
    if (Spacing == -1)
      Margin = Spacing = (c - g - t) / 3;
    else
      Margin = (c - (Spacing + g + t) + 1) / 2;
  } else if (Spacing == -1) {
    Spacing = ((c - (Margin + g)) - t) / 2;
  }
  int glyph, text;
  if (Layout == blGlyphLeft || Layout == blGlyphTop) {
    glyph = Margin;
    text = glyph + g + Spacing;
  } else {
    glyph = c - Margin - g;
    text = glyph - Spacing - t;
  }
  const int glyphOther = (other(Client) - other(GlyphSize) + 1) / 2;
  const int textOther = (other(Client) - other(TextSize) + 1) / 2;
  TGridButtonLayout out;
  out.GlyphPos = across ? Point(glyph, glyphOther) : Point(glyphOther, glyph);
  const TPoint textPos = across ? Point(text, textOther) : Point(textOther, text);
  out.TextBounds = Rect(textPos.X, textPos.Y, textPos.X + TextSize.X, textPos.Y + TextSize.Y);
  return out;
}

void TAdvGridButton::Paint() {
  StateAtPaint();
  TCanvas& c = *Canvas();
  const TRect client = ClientRect();
  const bool hot = FMouseInControl && Enabled();
  const bool pressed = FState == bsDown || FState == bsExclusive;
  TRect r = client;
  if (FFlat) {
    PaintFlatFace(c, client, hot);
    r = Shrunk(client, 1);
  } else {
    DrawFrameControl(c, r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
    r = Shrunk(client, 2);
  }
  if (FState == bsExclusive && (!hot || !FFlat))
    FillGridButtonFace(c, FColorChecked, FColorCheckedTo, kSteps, r, FDown ? FBorderDownColor : FBorderColor);
  PaintContent(c, r, hot);
}

void TAdvGridButton::PaintFlatFace(TCanvas& C, const TRect& Client, bool Hot) {
  const TRect r = FBorderDownColor == clNone || FRounded ? Shrunk(Client, 1) : Client;
  const bool checked = FStyle == tasCheck && FDown;
  if (!Hot) {
    if (checked) {
      const TColor frame = FBorderDownColor == clNone ? FColorChecked : FBorderDownColor;
      FillGridButtonFace(C, FColorChecked, FColorCheckedTo, kSteps, r, frame);
      return;
    }
    const TColor gradientFrame = FRounded ? clNone : FState == bsDown ? FBorderDownColor : FBorderColor;
    FillGridButtonFace(C, Color(), FColorTo, kSteps, r, FColorTo == clNone ? clNone : gradientFrame);
    Frame(C, FRounded ? Client : r, FBorderColor, FRounded);
    return;
  }
  TColor from = FColorHot, to = FColorHotTo, frame = FBorderHotColor;
  if (checked && !FDragging) {
    from = FColorChecked, to = FColorCheckedTo, frame = FBorderDownColor;
  } else if (FState == bsDown) {
    from = FColorDown, to = FColorDownTo, frame = FBorderDownColor;
  }
  FillGridButtonFace(C, from, to, kSteps, r, FRounded ? clNone : frame);
  if (FRounded) Frame(C, Client, frame, true);
  if (FDropDownButton && frame != clNone) {
    C.Pen()->SetColor(frame);
    C.MoveTo(Client.Right - kDropDownWidth, Client.Top);
    C.LineTo(Client.Right - kDropDownWidth, Client.Bottom);
  }
}

const TBitmap& TAdvGridButton::GlyphToDraw(bool Hot, bool Pressed) const {
  if (!Enabled()) return FGlyphDisabled.Empty() ? FGlyph : FGlyphDisabled;
  if (Pressed) return FGlyphDown.Empty() ? FGlyph : FGlyphDown;
  if (Hot) return FGlyphHot.Empty() ? FGlyph : FGlyphHot;
  return FGlyph;
}

void TAdvGridButton::PaintContent(TCanvas& C, TRect R, bool Hot) {
  const bool pressed = FState == bsDown || (FDown && FGroupIndex != 0);
  const bool lifted = FFlat && Hot && Enabled() && FShaded && !pressed;
  TPoint offset;
  if (!FFlat && (FState == bsDown || FState == bsExclusive)) offset = Point(1, 1);
  if (lifted) offset = Point(-1, -1);
  if (FDropDownButton) {
    const int mid = (R.Top + R.Bottom) / 2;
    const TPoint arrow[] = {Point(R.Right - 8, mid), Point(R.Right - 4, mid), Point(R.Right - 6, mid + 2)};
    C.Brush()->SetColor(Font()->Color());
    C.Pen()->SetColor(Font()->Color());
    C.Polygon(arrow);
    R.Right -= kDropDownWidth;
  }
  const TBitmap& glyph = GlyphToDraw(Hot, pressed);
  const String caption = FShowCaption ? Caption() : String();
  C.SetFont(*Font());
  TRect measure = Rect(0, 0, R.Width(), 0);
  if (!caption.empty()) C.DrawText(caption, measure, DT_CALCRECT | DT_CENTER | DT_SINGLELINE);
  const TPoint textSize = caption.empty() ? Point(0, 0) : Point(measure.Width(), measure.Height());
  const TGridButtonLayout layout =
      LayoutGridButton(Point(R.Width(), R.Height()), Point(glyph.Width(), glyph.Height()), textSize,
                       FLayout, FMargin, FSpacing, false);
  const TPoint origin = Point(R.Left + offset.X, R.Top + offset.Y);
  if (!glyph.Empty()) {
    const TPoint at = caption.empty() ? Point(0, 0)
                                      : Point(origin.X + layout.GlyphPos.X, origin.Y + layout.GlyphPos.Y);
    if (lifted && !FGlyphShade.Empty()) DrawTransparent(C, at.X + 2, at.Y + 2, FGlyphShade);
    DrawTransparent(C, at.X, at.Y, glyph);
  }
  if (caption.empty()) return;
  TRect text = layout.TextBounds;
  OffsetRect(text, origin.X + (lifted ? 1 : 0), origin.Y + (lifted ? 1 : 0));
  C.Brush()->SetStyle(bsClear);
  const unsigned format = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
  if (!Enabled()) {
    TRect light = text;
    OffsetRect(light, 1, 1);
    C.Font()->SetColor(clBtnHighlight);
    C.DrawText(caption, light, format);
    C.Font()->SetColor(clBtnShadow);
  }
  C.DrawText(caption, text, format);
  C.Brush()->SetStyle(bsSolid);
}

void MakeDisabledGlyph(const TBitmap& Glyph, TBitmap& Out) {
  Out.Assign(Glyph);
  Out.SetPixelFormat(pf24bit);
  for (int y = 0; y < Out.Height(); ++y) {
    std::uint8_t* p = Out.ScanLine(y);
    for (int x = 0; x < Out.Width(); ++x, p += 3) {
      const int level = static_cast<int>(Round((p[0] + p[1] + p[2]) / 3.0)) / 2 + 96;
      p[0] = p[1] = p[2] = static_cast<std::uint8_t>(level);
    }
  }
}

void MakeGlyphShade(const TBitmap& Glyph, TBitmap& Out) {
  TBitmap source;
  source.Assign(Glyph);
  source.SetPixelFormat(pf24bit);
  const int w = source.Width(), h = source.Height();
  Out.SetPixelFormat(pf24bit);
  Out.SetSize(w, h);
  const std::uint8_t* corner = source.ScanLine(h - 1);  // the transparent colour
  for (int y = 0; y < h; ++y) {
    const std::uint8_t* s = source.ScanLine(y);
    std::uint8_t* d = Out.ScanLine(y);
    for (int x = 0; x < w; ++x, s += 3, d += 3) {
      const bool clear = s[0] == corner[0] && s[1] == corner[1] && s[2] == corner[2];
      for (int k = 0; k < 3; ++k) d[k] = clear ? corner[k] : 0x80;
    }
  }
}
