#include "grid/base/EditButtonLayout.h"

#include <algorithm>

#include "platform/gui/Bitmap.h"
#include "platform/gui/StdCtrls.h"
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

TEditButtonGeometry NativeEditGeometry(const TControl& Edit, int PartWidth, int UnitSize) {
  const int edge = GetSystemMetrics(SM_CXEDGE);
  TEditButtonGeometry g;
  g.Width = Edit.Width();
  g.Height = Edit.Height();
  g.ClientWidth = Edit.Width() - 2 * edge;
  g.ClientHeight = Edit.Height() - 2 * edge;
  g.PartWidth = PartWidth;
  g.UnitSize = UnitSize;
  return g;
}

void LayoutEditButton(TCustomEdit& Edit, TControl& Part, const TEditButtonConstants& K, int MinHeight,
                      int UnitSize) {
  if (Edit.Height() < MinHeight) return Edit.SetHeight(MinHeight);
  const int edge = GetSystemMetrics(SM_CXEDGE);
  const TEditButtonGeometry g = NativeEditGeometry(Edit, Part.Width(), UnitSize);
  const TRect r = EditButtonPartBounds(g);
  Part.SetBounds(r.Left + edge, r.Top + edge, r.Width(), r.Height());
  SetEditButtonRect(Edit, K, g);
}

void SetEditButtonRect(TCustomEdit& Edit, const TEditButtonConstants& K, const TEditButtonGeometry& G) {
  TRect r = EditFormatRect(K, G);
  Edit.Perform(EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&r));
}
