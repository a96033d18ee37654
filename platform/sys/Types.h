#pragma once
// Small value types shared by every layer: colours, points and rectangles.
#include <cstdint>

// 0x00BBGGRR; system colours are 0xFF000000 + index; clNone means "no colour".
using TColor = std::int32_t;

constexpr TColor RGB(int r, int g, int b) {
  return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) { return c & 0xFF; }
constexpr int GetGValue(TColor c) { return (c >> 8) & 0xFF; }
constexpr int GetBValue(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clSystemColor = static_cast<TColor>(0xFF000000u);
constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clDefault = 0x20000000;

constexpr TColor clBlack = 0x000000, clMaroon = 0x000080, clGreen = 0x008000, clOlive = 0x008080,
                 clNavy = 0x800000, clPurple = 0x800080, clTeal = 0x808000, clGray = 0x808080,
                 clSilver = 0xC0C0C0, clRed = 0x0000FF, clLime = 0x00FF00, clYellow = 0x00FFFF,
                 clBlue = 0xFF0000, clFuchsia = 0xFF00FF, clAqua = 0xFFFF00, clWhite = 0xFFFFFF,
                 clMoneyGreen = 0xC0DCC0, clSkyBlue = 0xF0CAA6, clCream = 0xF0FBFF,
                 clMedGray = 0xA4A0A0;

// System colours by their Windows index.
constexpr TColor SysColor(int index) { return static_cast<TColor>(0xFF000000u | static_cast<unsigned>(index)); }
constexpr TColor clScrollBar = SysColor(0), clBackground = SysColor(1), clActiveCaption = SysColor(2),
                 clInactiveCaption = SysColor(3), clMenu = SysColor(4), clWindow = SysColor(5),
                 clWindowFrame = SysColor(6), clMenuText = SysColor(7), clWindowText = SysColor(8),
                 clCaptionText = SysColor(9), clActiveBorder = SysColor(10), clInactiveBorder = SysColor(11),
                 clAppWorkSpace = SysColor(12), clHighlight = SysColor(13), clHighlightText = SysColor(14),
                 clBtnFace = SysColor(15), clBtnShadow = SysColor(16), clGrayText = SysColor(17),
                 clBtnText = SysColor(18), clInactiveCaptionText = SysColor(19), clBtnHighlight = SysColor(20),
                 cl3DDkShadow = SysColor(21), cl3DLight = SysColor(22), clInfoText = SysColor(23),
                 clInfoBk = SysColor(24), clHotLight = SysColor(26), clGradientActiveCaption = SysColor(27),
                 clGradientInactiveCaption = SysColor(28), clMenuHighlight = SysColor(29), clMenuBar = SysColor(30);

// Resolves a system colour from the fixed palette; other values pass through
// (clNone and clDefault included).
TColor ColorToRGB(TColor Color);

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;
  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  bool Contains(TPoint p) const { return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int l, int t, int r, int b) { return TRect{l, t, r, b}; }
inline TPoint Point(int x, int y) { return TPoint{x, y}; }
TRect IntersectRect(const TRect& a, const TRect& b);  // empty (all 0) when disjoint
TRect UnionRect(const TRect& a, const TRect& b);
void InflateRect(TRect& r, int dx, int dy);
void OffsetRect(TRect& r, int dx, int dy);
