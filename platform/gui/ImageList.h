#pragma once
// Same-sized images kept in one list and drawn by index. Masked parts are
// kept as transparent pixels; a disabled image is drawn greyed.
#include <memory>
#include <vector>

#include "platform/gui/Bitmap.h"

class TImageList : public TPersistent {
 public:
  TImageList(int AWidth = 16, int AHeight = 16);
  ~TImageList() override;
  String ClassName() const override { return u"TImageList"; }

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Changing the size empties the list.
  void SetSize(int AWidth, int AHeight);
  int Count() const { return static_cast<int>(FImages.size()); }
  void Clear() { FImages.clear(); }

  // Adds Image cut into cells of Width() (one image per cell); Mask's white
  // pixels, when given, are transparent. Returns the first new index.
  int Add(const TBitmap& Image, const TBitmap* Mask);
  // As Add, pixels of MaskColor transparent (clDefault: the bottom-left
  // pixel's colour).
  int AddMasked(const TBitmap& Image, TColor MaskColor);
  void Delete(int Index);

  void Draw(TCanvas& Canvas, int X, int Y, int Index, bool Enabled = true) const;
  // The image at Index as 32-bit pixels with alpha (raises when out of range).
  const TBitmap& Image(int Index) const;

 private:
  template <class IsClear>
  int AddCells(const TBitmap& Image, IsClear Clear);

  int FWidth;
  int FHeight;
  std::vector<std::unique_ptr<TBitmap>> FImages;
};
