// Region handles and window shapes: GDI-style calls over TRegion values.
#include <unordered_map>

#include "platform/gui/Controls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Region.h"

namespace {
std::unordered_map<HRGN, TRegion>& Regions() {
  static std::unordered_map<HRGN, TRegion> regions;
  return regions;
}

std::unordered_map<HWND, TRegion>& WindowShapes() {
  static std::unordered_map<HWND, TRegion> shapes;
  return shapes;
}

HRGN Keep(TRegion Region) {
  static HRGN next = 0;
  Regions().emplace(++next, std::move(Region));
  return next;
}

int KindOf(const TRegion& R) {
  if (R.Empty()) return NULLREGION;
  return R.Rects().size() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

// Window coordinates to the view's: a form's view shows its client area only.
TPoint ViewOffset(TWinControl& W) {
  if (!dynamic_cast<TCustomForm*>(&W)) return {};
  const TPoint o = W.ClientOrigin();
  return Point(o.X - W.Left(), o.Y - W.Top());
}
}  // namespace

HRGN CreateRectRgn(int Left, int Top, int Right, int Bottom) {
  return Keep(TRegion::FromRect(Rect(Left, Top, Right, Bottom)));
}

HRGN CreateRoundRectRgn(int Left, int Top, int Right, int Bottom, int EllipseW, int EllipseH) {
  return Keep(TRegion::RoundRect(Rect(Left, Top, Right, Bottom), EllipseW, EllipseH));
}

HRGN CreatePolygonRgn(const TPoint* Points, int Count, int FillMode) {
  if (!Points || Count < 0) return 0;
  return Keep(TRegion::Polygon(std::span<const TPoint>(Points, static_cast<size_t>(Count)), FillMode));
}

const TRegion* RegionOf(HRGN Region) {
  const auto it = Regions().find(Region);
  return it == Regions().end() ? nullptr : &it->second;
}

int CombineRgn(HRGN Dest, HRGN A, HRGN B, int Mode) {
  const TRegion* a = RegionOf(A);
  const TRegion* b = Mode == RGN_COPY ? a : RegionOf(B);
  if (!RegionOf(Dest) || !a || !b || Mode < RGN_AND || Mode > RGN_COPY) return RGN_ERROR;
  TRegion result = Mode == RGN_COPY ? *a : a->Combined(*b, Mode);
  Regions()[Dest] = std::move(result);
  return KindOf(Regions()[Dest]);
}

bool PtInRegion(HRGN Region, int X, int Y) {
  const TRegion* r = RegionOf(Region);
  return r && r->Contains(Point(X, Y));
}

int GetRgnBox(HRGN Region, TRect& Box) {
  const TRegion* r = RegionOf(Region);
  if (!r) return RGN_ERROR;
  Box = r->Bounds();
  return KindOf(*r);
}

bool DeleteObject(HRGN Region) { return Regions().erase(Region) > 0; }

int SetWindowRgn(HWND Wnd, HRGN Region, bool Redraw) {
  TWinControl* w = FindControl(Wnd);
  const TRegion* r = RegionOf(Region);
  if (!w || (Region && !r)) return 0;
  if (r) WindowShapes()[Wnd] = *r;
  else WindowShapes().erase(Wnd);
  // The window owns the region now.
  DeleteObject(Region);
  if (TControlView* view = w->View()) {
    const auto it = WindowShapes().find(Wnd);
    if (it == WindowShapes().end()) {
      view->SetRegion(nullptr);
    } else {
      TRegion shown = it->second;
      const TPoint o = ViewOffset(*w);
      shown.Offset(-o.X, -o.Y);
      view->SetRegion(&shown);
    }
    if (Redraw) w->Invalidate();
  }
  return 1;
}

int GetWindowRgn(HWND Wnd, HRGN Region) {
  const auto it = WindowShapes().find(Wnd);
  if (it == WindowShapes().end() || !RegionOf(Region)) return RGN_ERROR;
  Regions()[Region] = it->second;
  return KindOf(it->second);
}

bool WindowRegionContains(HWND Wnd, TPoint ClientPos) {
  const auto it = WindowShapes().find(Wnd);
  if (it == WindowShapes().end()) return true;
  TWinControl* w = FindControl(Wnd);
  const TPoint o = w ? ViewOffset(*w) : TPoint{};
  return it->second.Contains(Point(ClientPos.X + o.X, ClientPos.Y + o.Y));
}

void ForgetWindowRgn(HWND Wnd) { WindowShapes().erase(Wnd); }
