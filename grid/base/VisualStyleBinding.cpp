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
