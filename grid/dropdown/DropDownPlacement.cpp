#include "grid/dropdown/DropDownPlacement.h"

TRect DropDownSideBounds(const TDropDownPlaceInput& In) {
  const TPoint p = In.EditPos;
  const bool below = In.Position == dpDown || (In.Position == dpAuto && In.ScreenHeight > p.Y + In.Size.cy);
  const int top = below ? p.Y + In.EditHeight - 1 : p.Y - In.Size.cy;
  return Rect(p.X, top, p.X + In.Size.cx, top + In.Size.cy);
}

TRect DropDownFinalBounds(const TRect& Side, const TDropDownPlaceInput& In) {
  TRect r = Side;
  const TRect& work = In.WorkArea;
  if (work.Left >= 0 && r.Right > work.Right && r.Left >= work.Left && r.Left < work.Right) {
    const int shift = r.Right - work.Right;
    r.Left -= shift;
    r.Right -= shift;
  }
  if (In.UserSize.cx != -1) r.Right = r.Left + In.UserSize.cx;
  if (In.UserSize.cy != -1) r.Bottom = r.Top + In.UserSize.cy;
  return r;
}

TRect DropButtonBounds(int Width, int Height, int ButtonWidth, bool Flat) {
  const int d = Flat ? 3 : 4;
  const int left = Width - ButtonWidth - d, top = Flat ? 2 : 0;
  return Rect(left, top, left + ButtonWidth, top + Height - d);
}

TRect DropDownEditRect(int ClientWidth, int ClientHeight, int ButtonWidth) {
  return Rect(1, 1, ClientWidth - ButtonWidth - 3, ClientHeight + 1);
}
