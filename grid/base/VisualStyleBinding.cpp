#include "grid/base/VisualStyleBinding.h"

namespace {

TVisualStyleLibrary* Bound = nullptr;

}  // namespace

void LoadThemeAPI() {
  if (!Bound) Bound = FindVisualStyleLibrary();
}

void FreeThemeAPI() { Bound = nullptr; }

bool ThemeAPIBound() { return Bound != nullptr; }

TVisualStyleLibrary* ThemeAPI() {
  LoadThemeAPI();
  return Bound;
}

bool DrawThemedPart(TCanvas& Canvas, HWND Window, const String& ClassName, int PartId, int StateId,
                    const TRect& Rect) {
  TVisualStyleLibrary* styles = ThemeAPI();
  if (!styles || !styles->IsThemeActive()) return false;
  const HTHEME theme = styles->OpenThemeData(Window, ClassName);
  styles->DrawThemeBackground(theme, Canvas, PartId, StateId, Rect, nullptr);
  styles->CloseThemeData(theme);
  return true;
}

bool CallUpdateLayeredWindow(HWND Wnd, const TPoint* DstPos, const TSize* Size, const TBitmap* Src,
                             const TPoint* SrcPos, TColor Key, const BLENDFUNCTION* Blend, unsigned Flags) {
  return UpdateLayeredWindow(Wnd, DstPos, Size, Src, SrcPos, Key, Blend, Flags);
}

bool CallSetLayeredWindowAttributes(HWND Wnd, TColor Key, std::uint8_t Alpha, unsigned Flags) {
  return SetLayeredWindowAttributes(Wnd, Key, Alpha, Flags);
}
