#include "grid/dropdown/DropDownDrawing.h"

#include "grid/base/CanvasMarks.h"
#include "grid/base/GradientFill.h"
#include "grid/base/HTMLRender.h"
#include "platform/gui/ImageList.h"
#include "platform/sys/FloatText.h"

namespace {

constexpr int ButtonSteps = 80;

int Channel(TColor Color, int Shift) { return static_cast<int>((Color >> Shift) & 0xFF); }

// The fixed colours of a selection style's rounded face.
struct TSelectionLines {
  TColor MirrorColor, MirrorColorTo, InnerTop, InnerBottom, Border, InnerCorner;
};

bool SelectionLines(TSelectionColorStyle Style, TSelectionLines& Lines) {
  switch (Style) {
    case scOffice2007: Lines = {0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF}; return true;
    case scWindowsVista: Lines = {clNone, clNone, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB}; return true;
    case scWindows7: Lines = {clNone, clNone, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE}; return true;
    default: return false;
  }
}

}  // namespace

void DrawGradient(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  bool Horizontal) {
  TRect r = R;
  (Horizontal ? r.Right : r.Bottom) -= 1;
  if (Steps == 0) Steps = 1;
  const TColor from = ColorToRGB(FromColor), to = ColorToRGB(ToColor);
  auto delta = [&](int Shift) { return (Channel(to, Shift) - Channel(from, Shift)) / static_cast<double>(Steps); };
  const double dr = delta(0), dg = delta(8), db = delta(16);
  const double d = (Horizontal ? r.Width() : r.Height()) / static_cast<double>(Steps);
  const int size = static_cast<int>(Round(d)) + 1;
  for (int i = 0; i < Steps; ++i) {
    auto step = [&](int Shift, double dc) { return Channel(from, Shift) + static_cast<int>(Round(i * dc)); };
    const TColor c = RGB(step(0, dr), step(8, dg), step(16, db));
    Canvas.Pen()->SetColor(c);
    Canvas.Brush()->SetColor(c);
    const int o = static_cast<int>(Round(i * d));
    Canvas.Rectangle(Horizontal ? TRect{r.Left + o, r.Top, r.Left + o + size, r.Bottom}
                                : TRect{r.Left, r.Top + o, r.Right, r.Top + o + size});
  }
}

void GradientFill(TCanvas& Canvas, TColor FromColor, TColor ToColor, int Steps, const TRect& R,
                  TGradientDirection Direction) {
  DrawGradient(Canvas, FromColor, ToColor, Steps, R, Direction == gdHorizontal);
}

void DrawButtonBackground(TCanvas& Canvas, const TRect& R, TColor Color, TColor ColorTo,
                          TColor BorderColor, int BorderWidth, TGradientDirection Direction) {
  if (ColorTo != clNone) {
    GradientFill(Canvas, Color, ColorTo, ButtonSteps, R, Direction);
  } else if (Color != clNone) {
    Canvas.Brush()->SetColor(Color);
    Canvas.FillRect(R);
  }
  if (BorderColor == clNone || BorderWidth <= 0) return;
  Canvas.Brush()->SetStyle(bsClear);
  Canvas.Pen()->SetWidth(BorderWidth);
  Canvas.Pen()->SetColor(BorderColor);
  Canvas.Rectangle(R);
}

void DrawImageAndText(TCanvas& Canvas, TRect R, const String& Caption, int ImageIndex,
                      const TImageList* Images) {
  const bool image = ImageIndex >= 0 && Images;
  if (image) {
    Images->Draw(Canvas, R.Left + 4, R.Top + (R.Height() - Images->Height()) / 2, ImageIndex);
    R.Left += Images->Width() + 8;
  }
  if (Caption.empty()) return;
  Canvas.DrawText(Caption, R, DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | (image ? DT_LEFT : DT_CENTER));
}

void DrawTransparentGlyph(TCanvas& Canvas, const TBitmap& Glyph, TColor BackColor, const TRect& R) {
  if (Glyph.Empty()) return;
  TBitmap copy(Glyph.Width(), Glyph.Height());
  TCanvas& c = *copy.Canvas();
  c.Brush()->SetColor(BackColor);
  c.FillRect(TRect{0, 0, Glyph.Width(), Glyph.Height()});
  DrawBitmapOnColor(c, Glyph, BackColor, TRect{0, 0, R.Width(), R.Height()});
  Canvas.CopyRect(R, c, TRect{0, 0, R.Width(), R.Height()});
}

void DrawHTMLText(TCanvas& Canvas, const String& Text, const TRect& R, TPoint& Size, HWND Wnd, bool Paint,
                  const TImageList* Images) {
  Size = {};
  if (Text.empty()) return;
  THTMLRenderInputs in;
  in.Images = Images;
  in.CheckHeight = !Paint;
  in.URLColor = 0xFF0000;
  in.HoverColor = clNone;
  in.HoverFontColor = clNone;
  in.ShadowColor = 0x808080;
  in.Wnd = Wnd;
  THTMLRenderResults out;
  RenderMiniHTML(Canvas, Text, R, in, out);
  Size = {out.XSize, out.YSize};
}

TSize GetTextSize(TCanvas& Canvas, const String& Text) {
  if (Text.empty()) return {};
  TRect r{0, 0, 1000, 500};
  Canvas.DrawText(Text, r, DT_CALCRECT | DT_SINGLELINE);
  return {r.Right, r.Bottom};
}

void TruncateText(TCanvas& Canvas, const String& Text, int MaxWidth, String& Result, bool Ellipsis) {
  Result = Text;
  if (GetTextSize(Canvas, Text).cx <= MaxWidth) return;
  for (size_t n = Text.size(); n-- > 0;) {
    const String candidate = Text.substr(0, n) + (Ellipsis ? u"..." : u"");
    if (GetTextSize(Canvas, candidate).cx < MaxWidth) {
      Result = candidate;
      return;
    }
  }
}

void DrawSelection(TCanvas& Canvas, const TRect& R, TColor BackColor, int Position,
                   TSelectionColorStyle Style, TColor SelectionColor, TColor SelectionColorTo) {
  if (Style == scCustom) {
    Canvas.Pen()->SetColor(SelectionColor);
    Canvas.Brush()->SetColor(SelectionColor);
    Canvas.FillRect(R);
    return;
  }
  TSelectionLines l;
  if (!SelectionLines(Style, l)) return;
  const TRoundedFaceColors face{SelectionColor, SelectionColorTo, l.MirrorColor, l.MirrorColorTo, l.InnerTop,
                                l.InnerBottom,  l.Border,         l.InnerCorner,  BackColor};
  DrawRoundedGradientFace(Canvas, face, R, Position);
}
