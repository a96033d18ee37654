#include "platform/gui/ImageList.h"

#include <algorithm>

TImageList::TImageList(int AWidth, int AHeight) : FWidth(std::max(1, AWidth)), FHeight(std::max(1, AHeight)) {}

TImageList::~TImageList() = default;

void TImageList::SetSize(int AWidth, int AHeight) {
  FWidth = std::max(1, AWidth);
  FHeight = std::max(1, AHeight);
  Clear();
}

template <class IsClear>
int TImageList::AddCells(const TBitmap& Image, IsClear Clear) {
  const int first = Count();
  const TPixelBuffer& src = Image.Pixels();
  const int cells = std::max(1, src.Width / FWidth);
  for (int cell = 0; cell < cells; ++cell) {
    TPixelBuffer px;
    px.Resize(FWidth, FHeight, 4);
    for (int y = 0; y < std::min(FHeight, src.Height); ++y)
      for (int x = 0; x < FWidth && cell * FWidth + x < src.Width; ++x) {
        const int sx = cell * FWidth + x;
        const TColor c = src.Pixel(sx, y);
        std::uint8_t* d = px.Row(y) + x * 4;
        d[0] = static_cast<std::uint8_t>(GetBValue(c));
        d[1] = static_cast<std::uint8_t>(GetGValue(c));
        d[2] = static_cast<std::uint8_t>(GetRValue(c));
        d[3] = Clear(sx, y, c) ? 0 : 255;
      }
    auto bmp = std::make_unique<TBitmap>();
    bmp->SetPixelFormat(pf32bit);
    bmp->SetPixels(std::move(px));
    bmp->SetAlphaFormat(afDefined);
    FImages.push_back(std::move(bmp));
  }
  return first;
}

int TImageList::Add(const TBitmap& Image, const TBitmap* Mask) {
  return AddCells(Image, [Mask](int x, int y, TColor) {
    return Mask && x < Mask->Width() && y < Mask->Height() && Mask->Pixels().Pixel(x, y) == clWhite;
  });
}

int TImageList::AddMasked(const TBitmap& Image, TColor MaskColor) {
  if (Image.Empty()) return -1;
  const TColor key = MaskColor == clDefault ? Image.Pixels().Pixel(0, Image.Height() - 1) : ColorToRGB(MaskColor);
  return AddCells(Image, [key](int, int, TColor c) { return c == key; });
}

void TImageList::Delete(int Index) {
  Image(Index);
  FImages.erase(FImages.begin() + Index);
}

const TBitmap& TImageList::Image(int Index) const {
  if (Index < 0 || Index >= Count()) throw EInvalidGraphic(u"Image list index out of bounds");
  return *FImages[static_cast<size_t>(Index)];
}

// Disabled images are drawn as light grey tones of their brightness.
void TImageList::Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled) const {
  if (Index < 0 || Index >= Count()) return;
  const TBitmap& img = Image(Index);
  if (Enabled) return Canvas.Draw(X, Y, img);
  TPixelBuffer grey = img.Pixels();
  for (int y = 0; y < grey.Height; ++y)
    for (int x = 0; x < grey.Width; ++x) {
      std::uint8_t* p = grey.Row(y) + x * 4;
      const int lum = (p[0] * 11 + p[1] * 59 + p[2] * 30) / 100;
      p[0] = p[1] = p[2] = static_cast<std::uint8_t>(128 + lum / 2);
    }
  TPixelView v = grey.View();
  v.UseAlpha = true;
  Canvas.DrawPixels(TRect{X, Y, X + grey.Width, Y + grey.Height}, v);
}
