#include "grid/base/EditButtonLayout.h"

#include <algorithm>

#include "platform/gui/Bitmap.h"
#include "platform/gui/SystemMetrics.h"

int EditMinHeight(const TEditButtonConstants& K, int FontHeight, int SystemFontHeight, bool Border) {
  int h = FontHeight + std::min(FontHeight, SystemFontHeight) / 4 + K.MinHeightExtra;
  if (K.BorderLines && Border) h += 4 * GetSystemMetrics(SM_CYBORDER);
  return h;
}

TRect EditButtonPartBounds(const TEditButtonGeometry& G) {
  if (!G.Ctl3D) return Rect(G.Width - G.PartWidth, 1, G.Width, G.Height - 2);
  const int k = G.Border ? 5 : 1;
  return Rect(G.Width - G.PartWidth - k, 0, G.Width - k, G.Height - k);
}

TRect EditFormatRect(const TEditButtonConstants& K, const TEditButtonGeometry& G) {
  const int m = G.Border ? K.RectMarginBorder : K.RectMarginPlain;
  int right = G.ClientWidth - G.PartWidth - K.RectGap - G.UnitSize;
  if (G.UnitSize > 0) right -= K.UnitGap;
  return Rect(m, m, right, G.ClientHeight + 1);
}

int FontTextHeight(const TFont& Font) {
  TBitmap measure;
  measure.SetSize(1, 1);
  measure.Canvas()->SetFont(Font);
  return measure.Canvas()->TextHeight(u"0");
}

int SystemFontTextHeight() { return FontTextHeight(TFont()); }
