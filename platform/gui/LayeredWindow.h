#pragma once
// Layered windows: a window shown from a 32-bit picture whose pixels carry
// their own (premultiplied) alpha, and a constant alpha over the whole
// window. The calls keep the Windows names and flags.
#include <cstdint>

#include "platform/gui/Messages.h"
#include "platform/gui/PixelBuffer.h"

class TBitmap;

constexpr unsigned LWA_COLORKEY = 1, LWA_ALPHA = 2;
constexpr unsigned ULW_COLORKEY = 1, ULW_ALPHA = 2, ULW_OPAQUE = 4;
constexpr std::uint8_t AC_SRC_OVER = 0, AC_SRC_ALPHA = 1;

struct BLENDFUNCTION {
  std::uint8_t BlendOp = AC_SRC_OVER;
  std::uint8_t BlendFlags = 0;
  std::uint8_t SourceConstantAlpha = 255;
  std::uint8_t AlphaFormat = 0;  // AC_SRC_ALPHA: the picture's A bytes count
};

// What a layered window shows: its picture (B, G, R, A premultiplied; empty:
// the window paints itself as usual) under a constant alpha.
struct TLayeredPicture {
  TPixelBuffer Pixels;
  std::uint8_t Alpha = 255;
};

// The whole window at Alpha (LWA_ALPHA); the colour key is not supported
// and answers false.
bool SetLayeredWindowAttributes(HWND Wnd, TColor Key, std::uint8_t Alpha, unsigned Flags);
// Moves (DstPos) and sizes (Size) the window and shows Size pixels of Src
// from SrcPos. With ULW_ALPHA and AC_SRC_ALPHA, Src must be pf32bit with
// premultiplied colours. False for an unknown window, a missing or too small
// picture, or a colour key.
bool UpdateLayeredWindow(HWND Wnd, const TPoint* DstPos, const TSize* Size, const TBitmap* Src, const TPoint* SrcPos,
                         TColor Key, const BLENDFUNCTION* Blend, unsigned Flags);
