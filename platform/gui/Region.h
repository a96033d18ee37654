#pragma once
// Regions: sets of pixels made of rectangles, rounded rectangles and
// polygons, combined with and/or/difference/xor, as a window's shape
// (SetWindowRgn: painting and the pointer keep inside it) or a clip. The
// value type TRegion does the work; HRGN handles give it the Windows calls.
#include <map>
#include <span>
#include <utility>
#include <vector>

#include "platform/gui/Messages.h"
#include "platform/sys/Types.h"

enum TPolyFillMode { pfmAlternate = 1, pfmWinding = 2 };
constexpr int ALTERNATE = 1, WINDING = 2;
constexpr int RGN_AND = 1, RGN_OR = 2, RGN_XOR = 3, RGN_DIFF = 4, RGN_COPY = 5;
// CombineRgn's answers.
constexpr int RGN_ERROR = 0, NULLREGION = 1, SIMPLEREGION = 2, COMPLEXREGION = 3;

class TRegion {
 public:
  TRegion() = default;
  // Right and bottom edges are outside, as everywhere in the drawing calls.
  static TRegion FromRect(const TRect& R);
  // Corners cut by ellipses of EllipseW x EllipseH.
  static TRegion RoundRect(const TRect& R, int EllipseW, int EllipseH);
  // A pixel is inside when its centre is, by the fill mode.
  static TRegion Polygon(std::span<const TPoint> Points, int FillMode);

  bool Empty() const { return FRows.empty(); }
  bool Contains(TPoint P) const;
  TRect Bounds() const;
  // Rectangles that cover it exactly, without overlap, top to bottom.
  std::vector<TRect> Rects() const;
  TRegion Combined(const TRegion& Other, int Mode) const;
  void Offset(int DX, int DY);
  bool operator==(const TRegion&) const = default;

 private:
  using TSpans = std::vector<std::pair<int, int>>;  // sorted, disjoint [left, right)
  void AddSpan(int Y, int Left, int Right);
  std::map<int, TSpans> FRows;
};

using HRGN = std::uintptr_t;
HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom);
HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int EllipseW, int EllipseH);
HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode);
// Dest := A combined with B (B unused for RGN_COPY); answers the kind of the result.
int CombineRgn(HRGN Dest, HRGN A, HRGN B, int Mode);
bool PtInRegion(HRGN Region, int X, int Y);
int GetRgnBox(HRGN Region, TRect& Box);
bool DeleteObject(HRGN Region);
// The region behind a handle (null for an unknown one).
const TRegion* RegionOf(HRGN Region);

// The window's shape, in its own coordinates (a form's include its frame).
// The window takes the handle over: it is gone after the call. 0 removes the shape.
int SetWindowRgn(HWND Wnd, HRGN Region, bool Redraw);
// A copy of the window's shape into Region; RGN_ERROR for a window without one.
int GetWindowRgn(HWND Wnd, HRGN Region);
// A window that goes lets go of its shape.
void ForgetWindowRgn(HWND Wnd);
// Whether the window takes a point of its client area (inside its shape, if any).
bool WindowRegionContains(HWND Wnd, TPoint ClientPos);
