#include "grid/base/GridAlphaMask.h"

#include <algorithm>

#include "grid/base/GlowBlur.h"
#include "platform/sys/FloatText.h"

TGridAlphaMask::TGridAlphaMask() { SetPixelFormat(pf32bit); }

void TGridAlphaMask::Assign(const TPersistent& Source) {
  if (const auto* mask = dynamic_cast<const TGridAlphaMask*>(&Source)) {
    FOpacity = mask->FOpacity;
    SetPixelFormat(pf32bit);
    SetSize(mask->Width(), mask->Height());
    for (int y = 0; y < Height(); ++y)
      std::copy_n(mask->ScanLine(y), static_cast<size_t>(Width()) * 4, ScanLine(y));
  } else {
    TBitmap::Assign(Source);
  }
  SetPixelFormat(pf32bit);
}

void TGridAlphaMask::MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor Color) {
  (void)Color;
  if (Bitmap.PixelFormat() != pf24bit) return;
  // The mask is read at Bitmap's size: a smaller one would be read past its end.
  if (Mask.PixelFormat() != pf24bit || Mask.Width() < Bitmap.Width() || Mask.Height() < Bitmap.Height())
    return;
  SetSize(Bitmap.Width(), Bitmap.Height());
  for (int y = 0; y < Height(); ++y) {
    const std::uint8_t* m = Mask.ScanLine(y);
    const std::uint8_t* s = Bitmap.ScanLine(y);
    std::uint8_t* d = ScanLine(y);
    for (int x = 0; x < Width(); ++x, m += 3, s += 3, d += 4) {
      const int a = m[2];
      for (int ch = 0; ch < 3; ++ch) d[ch] = static_cast<std::uint8_t>(Round(s[ch] * a / 255.0));
      d[3] = static_cast<std::uint8_t>(a);
    }
  }
}

void DrawRoundRectMask(TBitmap& Bitmap, int AWidth, int AHeight, int APenWidth, int ARadius,
                       double ABlur) {
  Bitmap.SetPixelFormat(pf24bit);
  Bitmap.SetSize(AWidth, AHeight);
  TCanvas& c = *Bitmap.Canvas();
  c.Brush()->SetStyle(bsSolid);
  c.Brush()->SetColor(clBlack);
  c.FillRect(Rect(0, 0, AWidth, AHeight));
  TPen pen;
  pen.Assign(*c.Pen());
  TBrush brush;
  brush.Assign(*c.Brush());
  c.Pen()->SetStyle(psSolid);
  c.Pen()->SetColor(clWhite);
  c.Pen()->SetWidth(APenWidth < 1 ? 1 : APenWidth);
  c.Brush()->SetColor(APenWidth < 1 ? clWhite : clBlack);
  const int inset = APenWidth / 2 + 2;
  c.RoundRect(inset, inset, AWidth - inset, AHeight - inset, ARadius, ARadius);
  c.SetPen(pen);
  c.SetBrush(brush);
  if (ABlur > 0) BlurBitmap(Bitmap, ABlur);
}
