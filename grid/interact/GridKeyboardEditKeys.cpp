// Keys that start editing on a grid whose goEditing is off: Enter and F2
// with EditOnDblClickOnly or RangeSelectAndEdit, and a character typed
// under RangeSelectAndEdit, which opens the editor by a press on the cell.
#include "grid/base/MouseActions.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Input.h"
#include "platform/sys/FormatSettings.h"

// IsEditable answers false for every cell while goEditing is off, unless
// RangeSelectAndEdit is on.
bool TGridKeyboard::EditableAsRangeEdit() {
  TMouseActions& ma = *G.MouseActions();
  const bool was = ma.RangeSelectAndEdit();
  ma.SetRangeSelectAndEdit(true);
  const bool editable = G.IsEditable(G.RealCol(), G.Row());
  ma.SetRangeSelectAndEdit(was);
  return editable;
}

// True when the key ends here.
bool TGridKeyboard::EditKey(WORD Key, TShiftState Shift) {
  if ((Key != VK_RETURN && Key != VK_F2) || G.Options().Contains(goEditing)) return false;
  const TMouseActions& ma = *G.MouseActions();
  if (ma.EditOnDblClickOnly() && EditableAsRangeEdit()) G.SetOptions(G.Options() + TGridOptions{goEditing});
  if (!ma.RangeSelectAndEdit() || G.Options().Contains(goEditing)) return false;
  if (!G.IsEditable(G.RealCol(), G.Row())) {
    if (G.OnKeyDown) G.OnKeyDown(&G, Key, Shift);
    return true;
  }
  G.SetOptions(G.Options() + TGridOptions{goEditing});
  G.ShowInplaceEdit();
  return false;
}

// A press 2 px inside the cell's top-left corner, made where the cell is
// shown: a cell out of view has no rectangle to press in.
void TGridKeyboard::PressCell(int ACol, int ARow, bool Release) {
  G.TGridModel::ScrollInView(ACol, ARow);
  const TRect r = G.CellRect(ACol, ARow);
  if (r.Right <= r.Left || r.Bottom <= r.Top) return;
  G.MouseDown(mbLeft, {}, r.Left + 2, r.Top + 2);
  if (Release) G.MouseUp(mbLeft, {}, r.Left + 2, r.Top + 2);
}

// True when the character was handled here (the platform's character
// handling included).
bool TGridKeyboard::RangeEditChar(Char Key, TShiftState Shift) {
  if (!G.MouseActions()->RangeSelectAndEdit() || Key == 9 || Key == 27 || Shift.Contains(ssCtrl)) return false;
  const int rcol = G.RealCol(), row = G.Row();
  if (!G.IsEditable(rcol, row) || G.HasClickableGraphic(rcol, row)) return false;
  Char copy = Key;
  if (G.OnKeyPress) G.OnKeyPress(&G, copy);
  G.EditCycle().StartEditChar = Key;
  G.SetOptions(G.Options() + TGridOptions{goEditing});
  PressCell(G.Col(), G.Row(), false);
  return true;
}

Char TGridKeyboard::CharStep(TMessage& Message) {
  if (G.MouseActions()->EditOnDblClickOnly()) {
    bool canEdit = true;
    G.CanEditCell(G.RealCol(), G.Row(), canEdit);
    if (canEdit) G.SetOptions(G.Options() + TGridOptions{goEditing});
  }
  const bool keypadDot = Message.WParam == u'.' && (Message.LParam & KF_NUMPAD);
  if (keypadDot && G.ExcelStyleDecimalSeparator()) Message.WParam = FormatSettings.DecimalSeparator;
  return static_cast<Char>(Message.WParam);
}
