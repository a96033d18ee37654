#pragma once
// The focus glow's picture: a 32-bit bitmap of premultiplied colours whose
// alpha comes from a grey mask, and the mask's shape, a white rounded
// rectangle on black.
#include <cstdint>

#include "platform/gui/Bitmap.h"

class TGridAlphaMask : public TBitmap {
 public:
  TGridAlphaMask();
  String ClassName() const override { return u"TGridAlphaMask"; }
  // From another mask its opacity and pixels, in the source's size; then
  // the format is 32 bits again.
  void Assign(const TPersistent& Source) override;
  std::uint8_t Opacity() const { return FOpacity; }
  void SetOpacity(std::uint8_t Value) { FOpacity = Value; }
  // Bitmap's pixels (24-bit, else nothing happens) premultiplied by the
  // mask's red byte, which becomes the alpha. A mask that is not 24-bit or
  // smaller than Bitmap leaves this mask as it is. Color has no effect.
  void MergeMask(const TBitmap& Mask, const TBitmap& Bitmap, TColor Color);

 private:
  std::uint8_t FOpacity = 255;
};

// Bitmap becomes a 24-bit AWidth x AHeight picture: black with a white
// rounded rectangle 2 pixels (plus half the pen) in from the edges, filled
// when APenWidth < 1, else outlined; blurred by ABlur when that is above 0.
void DrawRoundRectMask(TBitmap& Bitmap, int AWidth, int AHeight, int APenWidth, int ARadius,
                       double ABlur);
