// Keys that start editing on a grid whose goEditing is off: Enter and F2
// with EditOnDblClickOnly or RangeSelectAndEdit, and a character typed
// under RangeSelectAndEdit, which opens the editor by a press on the cell.
#include "grid/base/CellText.h"
#include "grid/base/HTMLControls.h"
#include "grid/base/MouseActions.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Forms.h"
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
  if (Key != VK_RETURN && Key != VK_F2) return false;
  if (!G.Options().Contains(goEditing) && StartEditByKey(Key, Shift)) return true;
  const bool editing = G.Options().Contains(goEditing);
  if (editing && !G.IsEditable(G.RealCol(), G.Row())) return Consumed(Key, Shift);
  if (HoldsControlTag()) return true;
  // The character Enter types still comes: the table windows' Enter jump needs it.
  if (Key == VK_RETURN && !editing && !FormPreviewsKeys()) return Consumed(Key, Shift);
  return false;
}

bool TGridKeyboard::StartEditByKey(WORD Key, TShiftState Shift) {
  const TMouseActions& ma = *G.MouseActions();
  if (ma.EditOnDblClickOnly() && EditableAsRangeEdit()) G.SetOptions(G.Options() + TGridOptions{goEditing});
  if (!ma.RangeSelectAndEdit() || G.Options().Contains(goEditing)) return false;
  if (!G.IsEditable(G.RealCol(), G.Row())) return Consumed(Key, Shift);
  G.SetOptions(G.Options() + TGridOptions{goEditing});
  G.ShowInplaceEdit();
  return false;
}

// The cell's in-text controls take the keys themselves.
bool TGridKeyboard::HoldsControlTag() {
  const String text = G.Cells(G.Col(), G.Row());
  return CellTextKind(text, G.EnableHTML()) == ctkHTML && HasControlTag(text);
}

bool TGridKeyboard::FormPreviewsKeys() {
  const TCustomForm* form = G.GetParentForm();
  return form && form->KeyPreview();
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
