// Ctrl+A: the whole data area becomes the selection, its bottom-right cell
// the current one, as a click there would make it.
#include "grid/base/MouseActions.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGrid.h"

void TGridKeyboard::SelectAllKey() {
  if (!G.Options().Contains(goRowSelect) && !G.Options().Contains(goRangeSelect)) return;
  TGridRect area{FirstNavigableCol(), G.FixedRows(), G.ColCount() - G.FixedRightCols() - 1, LastDataRow()};
  if (G.MouseActions()->DisjunctRowSelect())
    for (int r = area.Top; r <= area.Bottom; ++r) G.SetRowSelect(r, true);
  G.SelectAllByKey(area);
  const bool editing = G.EditorMode();
  G.SetSelection(area);
  PressCell(area.Right, area.Bottom, true);
  // The press lands on the cell just made current, which with goEditing
  // would open its editor: the key selects, it does not edit.
  if (!editing && G.EditorMode()) {
    G.HideInplaceEdit();
    G.HideEditor();
  }
  G.SetSelection(area);
}
