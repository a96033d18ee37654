#include "platform/gui/LayeredWindow.h"

#include <algorithm>
#include <cstring>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"

namespace {
// Size pixels of Src from At, as B, G, R, A; opaque unless the A bytes count.
TPixelBuffer PictureOf(const TBitmap& Src, TPoint At, TSize Size, bool PerPixel) {
  TPixelBuffer out;
  out.Resize(Size.cx, Size.cy, 4);
  const int bpp = Src.Pixels().BytesPerPixel;
  for (int y = 0; y < Size.cy; ++y) {
    const std::uint8_t* from = Src.ScanLine(At.Y + y) + static_cast<size_t>(At.X) * bpp;
    std::uint8_t* to = out.Row(y);
    for (int x = 0; x < Size.cx; ++x, from += bpp, to += 4) {
      std::memcpy(to, from, 3);
      to[3] = PerPixel ? from[3] : 255;
    }
  }
  return out;
}
}  // namespace

bool SetLayeredWindowAttributes(HWND Wnd, TColor, std::uint8_t Alpha, unsigned Flags) {
  TWinControl* w = FindControl(Wnd);
  if (!w || (Flags & LWA_COLORKEY)) return false;
  TLayeredPicture picture;
  picture.Alpha = (Flags & LWA_ALPHA) ? Alpha : 255;
  if (w->View()) w->View()->SetLayered(&picture);
  w->Invalidate();
  return true;
}

bool UpdateLayeredWindow(HWND Wnd, const TPoint* DstPos, const TSize* Size, const TBitmap* Src, const TPoint* SrcPos,
                         TColor, const BLENDFUNCTION* Blend, unsigned Flags) {
  TWinControl* w = FindControl(Wnd);
  if (!w || !Src || (Flags & ULW_COLORKEY)) return false;
  const TSize size = Size ? *Size : TSize{w->Width(), w->Height()};
  const TPoint from = SrcPos ? *SrcPos : TPoint{};
  const bool perPixel = (Flags & ULW_ALPHA) && Blend && (Blend->AlphaFormat & AC_SRC_ALPHA);
  if (perPixel && Src->PixelFormat() != pf32bit) return false;
  if (size.cx <= 0 || size.cy <= 0 || from.X < 0 || from.Y < 0 || from.X + size.cx > Src->Width() ||
      from.Y + size.cy > Src->Height())
    return false;
  TLayeredPicture picture;
  picture.Pixels = PictureOf(*Src, from, size, perPixel);
  picture.Alpha = (Flags & ULW_ALPHA) && Blend ? Blend->SourceConstantAlpha : 255;
  const TPoint at = DstPos ? *DstPos : TPoint{w->Left(), w->Top()};
  w->SetBounds(at.X, at.Y, size.cx, size.cy);
  if (w->View()) w->View()->SetLayered(&picture);
  w->Invalidate();
  return true;
}
