// The drop-down button at the right of a hovered header cell: a press on it
// pops up the fixed drop-down menu under the cell, which stays lit while
// the menu is open.
#include "grid/base/ControlLook.h"
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Menus.h"

namespace {
constexpr int DropDownButtonWidth = 16;
// The cell's last pixels belong to sizing its column.
constexpr int SizingSlack = 2;
}  // namespace

TPopupMenu* TAdvStringGrid::FixedDropDownMenu() const { return FState->FixedDropDownMenu; }

void TAdvStringGrid::SetFixedDropDownMenu(TPopupMenu* Value) {
  if (FState->FixedDropDownMenu) RemoveFreeNotification(FState->FixedDropDownMenu);
  FState->FixedDropDownMenu = Value;
  if (Value) FreeNotification(Value);
}

// The press on the button belongs to it: no selection, move or sort follows.
bool TGridMouse::FixedDropDownPress(TGridCoord Cell, int X) {
  // Only where the button is painted: the gradient looks draw it.
  if (Cell.X < 0 || Cell.Y < 0 || !G.ControlLook()->FixedDropDownButton() ||
      !HasGradientFixedFace(G.Look()))
    return false;
  const int rcol = G.RealColIndex(Cell.X);
  if (!G.IsHoverFixedCell(Cell.X, Cell.Y) || !G.DoCanShowFixedDropDown(rcol)) return false;
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  const int right = r.Right - (G.Options().Contains(goColSizing) ? SizingSlack : 0);
  if (X < r.Right - DropDownButtonWidth || X >= right) return false;
  TPopupMenu* menu = G.FixedDropDownMenu();
  if (!menu && !G.OnFixedDropDownClick) return false;
  if (menu) menu->SetTag(rcol);
  bool keep = false;
  if (G.OnFixedDropDownClick) G.OnFixedDropDownClick(&G, rcol, Cell.Y, menu, keep);
  if (menu) PopUpFixedMenu(Cell, *menu, keep);
  return true;
}

void TGridMouse::PopUpFixedMenu(TGridCoord Cell, TPopupMenu& Menu, bool KeepHighlight) {
  TAdvGridPaintValues& paint = G.PaintState();
  paint.HoverFixedCell = TPoint{Cell.X, Cell.Y};
  paint.HoverFixedPressed = true;
  paint.FixedDropDownOpen = true;
  G.RepaintCell(Cell.X, Cell.Y);
  const TRect r = G.CellRect(Cell.X, Cell.Y);
  const TRect button = G.ClientOfView(TRect{r.Right - DropDownButtonWidth, r.Top, r.Right, r.Bottom});
  const TPoint at = G.ClientToScreen(Point(button.Left, button.Bottom));
  Menu.SetTag(G.RealColIndex(Cell.X));
  Menu.SetPopupComponent(&G);
  Menu.Popup(at.X, at.Y);
  paint.HoverFixedPressed = false;
  paint.FixedDropDownOpen = false;
  if (!KeepHighlight) paint.HoverFixedCell = TPoint{-1, -1};
  G.RepaintCell(Cell.X, Cell.Y);
  // The menu took the button's release.
  RaiseFixedCell();
}
