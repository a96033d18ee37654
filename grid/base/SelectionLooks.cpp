#include "grid/base/SelectionLooks.h"

#include <utility>

TRoundedFaceColors SelectionFaceColors(TGridSelectionStyle Style, bool Focused, TColor Background) {
  TRoundedFaceColors k;
  auto set = [&k](TColor Color, TColor ColorTo, TColor Mirror, TColor MirrorTo, TColor Border,
                  TColor Corner, TColor Light, TColor Shadow) {
    k.Color = Color;
    k.ColorTo = ColorTo;
    k.MirrorColor = Mirror;
    k.MirrorColorTo = MirrorTo;
    k.BorderColor = Border;
    k.CornerColor = Corner;
    k.InnerLightColor = Light;
    k.InnerShadowColor = Shadow;
  };
  if (!Focused)
    set(0xF8F8F8, 0xE5E5E5, clNone, clNone, 0xD9D9D9, 0xEFEFEF, 0xFBFAFA, 0xF0F0F0);
  else if (Style == ssWin7)
    set(0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xCEA27D, 0xE0C5AE, 0xFDF4EB, 0xFDEADB);
  else if (Style == ssOffice2007)
    set(0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0x8DD7D3, 0xC3D9DF, 0xF4FEFF, 0xCAF8FF);
  else
    set(0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDDE99, 0xFCEDCB, 0xFDFBF6, 0xFDF5E7);
  k.OuterCornerColor = Background;
  return k;
}

int SelectionFaceKind(int ACol, int Left, int Right) {
  if (Left > Right) std::swap(Left, Right);
  if (Left == Right) return 0;
  if (ACol == Left) return 1;
  if (ACol == Right) return 2;
  if (ACol > Left && ACol < Right) return 3;
  return 0;
}
