#include "controls/button/LbButtonDraw.h"

#include <algorithm>
#include <cmath>

#include "controls/button/LbGlyphs.h"
#include "platform/sys/FloatText.h"

namespace {
constexpr TColor kDisabledText = RGB(128, 128, 128);

// What DrawButton works out before it draws.
struct Work {
  int W, H, o;
  TColor FaceColor;
  bool Down;
  int gw, gh;
};

int Channel(TColor c, int shift) { return static_cast<int>((c >> shift) & 0xFF); }

void Border(TCanvas& c, const TLbButtonFace& f, const Work& w) {
  const int W = w.W, H = w.H;
  switch (f.Style) {
    case bsNormal: case bsEncarta: case bsOld: {
      if (f.Flat && !(f.Enabled && (f.Hot || w.Down))) return;
      TColor light = f.LightColor, shadow = f.ShadowColor;
      if (f.Style == bsOld) {
        c.Pen()->SetColor(f.ShadowColor);
        if (w.Down) {
          c.MoveTo(1, H - 3); c.LineTo(1, 1); c.LineTo(W - 2, 1);
        } else {
          c.MoveTo(W - 2, 0); c.LineTo(W - 2, H - 2); c.LineTo(0, H - 2);
        }
        shadow = cl3DDkShadow;
      }
      c.Pen()->SetColor(w.Down ? shadow : light);
      c.MoveTo(0, H - 1); c.LineTo(0, 0); c.LineTo(W - 1, 0);
      c.Pen()->SetColor(w.Down ? light : shadow);
      c.LineTo(W - 1, H - 1);
      c.LineTo(f.Style == bsOld ? -1 : 0, H - 1);
      return;
    }
    case bsModern:
      c.Pen()->SetColor(w.Down ? f.ShadowColor : w.FaceColor);
      c.Rectangle(1, 1, W - 1, H - 1);
      c.Pen()->SetColor(f.ShadowColor);
      c.RoundRect(0, 0, W, H, 6, 6);
      return;
    case bsQuicken:
      c.Pen()->SetStyle(psClear);
      c.Brush()->SetColor(w.FaceColor);
      c.RoundRect(0, 1, W, H, 4, 4);
      c.Brush()->SetStyle(bsClear);
      c.Pen()->SetStyle(psSolid);
      c.Pen()->SetColor(f.ShadowColor);
      c.MoveTo(4, 0); c.LineTo(W - 5, 0);
      c.MoveTo(4, H - 1); c.LineTo(W - 5, H - 1);
      return;
    case bsShape: return;
  }
}

void Background(TCanvas& c, const TLbButtonFace& f, const Work& w) {
  if (f.Style == bsShape) {
    c.Brush()->SetColor(LbTransparentKey);
    c.Rectangle(-1, -1, w.W + 1, w.H + 1);
    return;
  }
  if (f.NoFill || f.Style == bsQuicken) return;
  c.Brush()->SetColor(w.FaceColor);
  if (f.Style == bsModern) {
    const int mid = w.H / 4 + w.o;
    DrawGradient(c, f.LightColor, w.FaceColor, 2, 2, w.W - 2, mid);
    DrawGradient(c, w.FaceColor, f.LightColor, 2, mid, w.W - 2, w.H - 1);
  } else {
    c.Rectangle(-1, -1, w.W + 1, w.H + 1);
  }
}

// Offset of the cell in the strip: 1 normal, 2 disabled, 3 pressed, 4 hot.
int GlyphCellOffset(const TLbButtonFace& f, const Work& w) {
  if (!f.Enabled) return w.gw;
  int offset = 0;
  if (f.Hot && f.NumGlyphs > 3) offset = 3 * w.gw;
  if (w.Down && f.NumGlyphs > 2) offset = 2 * w.gw;
  return offset;
}

// The cell on its own, drawn with its bottom-left pixel's colour left out.
void DrawGlyphCell(TCanvas& c, const TBitmap& strip, int srcX, int gw, int gh, int x, int y) {
  if (gw <= 0 || gh <= 0 || srcX + gw > strip.Width()) return;
  TBitmap cell;
  cell.SetPixelFormat(strip.PixelFormat());
  cell.SetSize(gw, gh);
  const int bpp = strip.Pixels().BytesPerPixel;
  for (int row = 0; row < gh; ++row)
    std::copy_n(strip.ScanLine(row) + srcX * bpp, gw * bpp, cell.ScanLine(row));
  cell.SetTransparentMode(tmAuto);
  cell.SetTransparent(true);
  c.Draw(x, y, cell);
}

// Cuts the caption from its end until it fits maxw (unless it wraps).
String FitCaption(TCanvas& c, String caption, int maxw, bool wordWrap) {
  if (wordWrap) return caption;
  while (!caption.empty() && c.TextWidth(caption) > maxw) caption.pop_back();
  return caption;
}

struct Placed {
  int textLeft, textTop, glyphLeft, glyphTop, maxw;
};

Placed PlaceSideways(const TLbButtonFace& f, const Work& w, int tw, int th) {
  const int o = w.o, W = w.W, gw = w.gw;
  Placed p{o + 4, (w.H - th) / 2 + o, 0, (w.H - w.gh) / 2 + o, 0};
  const int tspace = f.Caption.empty() ? 0 : tw + 4;
  if (f.Layout == blGlyphLeft) {
    if (gw > 0) p.textLeft += gw + 4;
    p.glyphLeft = o + 4;
    if (!f.WordWrap) {
      switch (f.Alignment) {
        case taLeftJustify: p.glyphLeft = o + 4; break;
        case taRightJustify: p.glyphLeft = W - 4 - gw - tspace + o; break;
        case taCenter: p.glyphLeft = (W - gw) / 2 + o - tspace / 2; break;
      }
    }
  } else {
    p.glyphLeft = p.textLeft + tspace;
    if (!f.WordWrap) {
      switch (f.Alignment) {
        case taLeftJustify: p.glyphLeft = p.textLeft + tspace; break;
        case taRightJustify: p.glyphLeft = W - 4 + o - gw; break;
        case taCenter: p.glyphLeft = (W - gw) / 2 + o + tspace / 2; break;
      }
    }
  }
  return p;
}

Placed PlaceStacked(const TLbButtonFace& f, const Work& w, int th) {
  const int o = w.o, gh = w.gh;
  const int total = th + (gh > 0 ? gh + 4 : 0);
  Placed p{o + 4, 0, 0, 0, 0};
  if (f.Layout == blGlyphTop) {
    p.glyphTop = (w.H - total) / 2 + o;
    p.textTop = p.glyphTop + gh;
  } else {
    p.textTop = (w.H - total) / 2 + o;
    p.glyphTop = p.textTop + th;
  }
  switch (f.Alignment) {
    case taLeftJustify: p.glyphLeft = o + 4; break;
    case taRightJustify: p.glyphLeft = w.W - w.gw - 4 + o; break;
    case taCenter: p.glyphLeft = (w.W - w.gw) / 2 + o; break;
  }
  return p;
}

int CaptionBoxWidth(const TLbButtonFace& f, const Work& w) {
  int maxw = w.W - 8;
  if (f.Style != bsShape && (f.Layout == blGlyphLeft || f.Layout == blGlyphRight) && w.gw > 0)
    maxw -= w.gw + 4;
  return std::max(0, maxw);
}

unsigned TextFormat(TAlignment a) {
  const unsigned h = a == taLeftJustify ? DT_LEFT : a == taRightJustify ? DT_RIGHT : DT_CENTER;
  return DT_WORDBREAK | h;
}

void CaptionAndGlyph(TCanvas& c, const TLbButtonFace& f, const Work& w) {
  const int maxw = CaptionBoxWidth(f, w);
  const String caption = FitCaption(c, f.Caption, maxw, f.WordWrap);
  const unsigned format = TextFormat(f.Alignment);
  TRect measure = Rect(0, 0, maxw, 0);
  const int th = c.DrawText(caption, measure, format | DT_CALCRECT);
  const int tw = measure.Width();
  const int srcX = GlyphCellOffset(f, w);
  if (f.Style == bsShape) {
    if (f.Glyph) DrawGlyphCell(c, *f.Glyph, srcX, w.gw, w.gh, (w.W - w.gw) / 2, (w.H - w.gh) / 2);
    TRect box = Rect(w.o, (w.H - th) / 2 + w.o, w.W, w.H);
    c.DrawText(caption, box, DT_WORDBREAK | DT_CENTER);
    return;
  }
  TLbButtonFace sized = f;
  sized.Caption = caption;
  const bool sideways = f.Layout == blGlyphLeft || f.Layout == blGlyphRight;
  const Placed p = sideways ? PlaceSideways(sized, w, tw, th) : PlaceStacked(sized, w, th);
  if (!f.Enabled) c.Font()->SetColor(kDisabledText);
  TRect box = Rect(p.textLeft, p.textTop, p.textLeft + maxw, p.textTop + th);
  c.DrawText(caption, box, format);
  if (f.Glyph) DrawGlyphCell(c, *f.Glyph, srcX, w.gw, w.gh, p.glyphLeft, p.glyphTop);
}

void PopupArrow(TCanvas& c, const Work& w) {
  const std::unique_ptr<TBitmap> arrow = LoadLbBitmap(u"LBARROW");
  arrow->SetTransparent(true);
  c.Draw(w.W - 11, w.H / 2 - 1, *arrow);
}

Work Prepare(const TLbButtonFace& f) {
  Work w{f.Width, f.Height, 0, ColorToRGB(f.Color), f.Down && f.Enabled, 0, 0};
  w.o = w.Down && f.Style != bsEncarta ? 1 : 0;
  if (f.Enabled && f.HotTrackColor != clNone) w.FaceColor = FadeColor(f.Color, f.HotTrackColor, f.HotTrackStep);
  if (w.Down && f.ColorWhenDown != clNone) w.FaceColor = ColorToRGB(f.ColorWhenDown);
  if (f.Glyph && !f.Glyph->Empty()) {
    w.gh = f.Glyph->Height();
    w.gw = f.NumGlyphs > 0 ? f.Glyph->Width() / f.NumGlyphs : 0;
  }
  return w;
}
}  // namespace

TColor FadeColor(TColor Face, TColor HotTrack, int Step) {
  const double c = static_cast<double>(Step) / LbHotTrackSteps;
  const TColor a = ColorToRGB(Face), b = ColorToRGB(HotTrack);
  auto mix = [&](int shift) {
    return static_cast<int>(Round(Channel(a, shift) * (1 - c) + Channel(b, shift) * c));
  };
  return RGB(mix(0), mix(8), mix(16));
}

void DrawGradient(TCanvas& Canvas, TColor From, TColor To, int Left, int Top, int Right, int Bottom) {
  const TColor a = ColorToRGB(From), b = ColorToRGB(To);
  const int span = Bottom - Top;
  const int band = span / 31 + 1;
  const TPenStyle pen = Canvas.Pen()->Style();
  Canvas.Pen()->SetStyle(psClear);
  for (int i = 0; i <= 31; ++i) {
    auto step = [&](int shift) {
      const double from = Channel(a, shift);
      return static_cast<int>(Round(from + i * (Channel(b, shift) - from) / 31.0));
    };
    Canvas.Brush()->SetColor(RGB(step(0), step(8), step(16)));
    const int top = Top + i * span / 31;
    Canvas.FillRect(Rect(Left, top, Right, std::min(top + band, Bottom)));
  }
  Canvas.Pen()->SetStyle(pen);
}

void DrawButton(TCanvas& Canvas, const TLbButtonFace& Face) {
  const Work w = Prepare(Face);
  Background(Canvas, Face, w);
  Canvas.Brush()->SetStyle(bsClear);
  Border(Canvas, Face, w);
  if (Face.Font) Canvas.SetFont(*Face.Font);
  if (Face.Style == bsEncarta && w.Down) Canvas.Font()->SetStyle(Canvas.Font()->Style() + TFontStyles{fsBold});
  CaptionAndGlyph(Canvas, Face, w);
  if (Face.HasPopup) PopupArrow(Canvas, w);
}
