// The grid's side of the in-place editing cycle; the state and the steps
// are TGridEditCycle's.
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridEditCycle.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Messages.h"

void TAdvStringGrid::TEditCycleDeleter::operator()(TGridEditCycle* Cycle) const { delete Cycle; }

TGridEditCycle& TAdvStringGrid::EditCycle() {
  if (!FEditCycle) FEditCycle.reset(new TGridEditCycle(*this));
  return *FEditCycle;
}

TEditorType TAdvStringGrid::EditControl() { return EditCycle().EditControl; }
bool TAdvStringGrid::EditMode() { return EditCycle().EditMode; }

bool TAdvStringGrid::CanEditShow() { return EditCycle().CanEditShow(TBaseGrid::CanEditShow()); }

void TAdvStringGrid::ShowEditControl(int ACol, int ARow) { EditCycle().ShowEditControl(ACol, ARow); }

void TAdvStringGrid::HideEditControl(int ACol, int ARow) { EditCycle().HideEditControl(ACol, ARow); }

void TAdvStringGrid::ShowCellEdit() { SendMessage(Handle(), WM_KEYDOWN, VK_F2, 0); }

// The edit-text setter keeps a cell's tags when the visible text came back
// unchanged; the real cell is written again only when it is not the base
// cell that setter wrote, so those tags survive.
void TAdvStringGrid::StoreEditorValue(int ACol, int ARow, const String& Value) {
  SetEditText(DisplColIndex(ACol), ARow, Value);
  if (BaseCell(ACol, ARow) != Point(ACol, ARow)) SetCellEx(ACol, ARow, Value);
}

void TAdvStringGrid::RestoreCachedCell() { EditCycle().RestoreCachedCell(); }

void TAdvStringGrid::DoGetEditorProp(int ACol, int ARow, TComponent* AEditLink) {
  if (OnGetEditorProp) OnGetEditorProp(this, ACol, ARow, AEditLink);
  if (OnGetEditorPropInt) OnGetEditorPropInt(this, ACol, ARow, AEditLink);
}

// ACol is a storage column.
bool TAdvStringGrid::IsEditable(int ACol, int ARow) {
  if (!Options().Contains(goEditing) && !FMouseActions->RangeSelectAndEdit() && !FEditDisable)
    return false;
  const TPoint base = BaseCell(ACol, ARow);
  bool canEdit = true;
  CanEditCell(base.X, base.Y, canEdit);
  bool fixed = false;
  DoIsFixedCell(base.X, base.Y, fixed);
  return canEdit && !fixed;
}

bool TAdvStringGrid::IsPasswordCell(int ACol, int ARow) {
  bool password = false;
  DoIsPasswordCell(ACol, ARow, password);
  return password;
}

int TAdvStringGrid::GetEditLimit() { return MaxEditLength(); }

void TAdvStringGrid::ShowInplaceEdit() {
  const TPoint base = BaseCell(RealCol(), Row());
  if (HasClickableGraphic(base.X, base.Y)) return;
  if (Row() < TopRow()) SetTopRow(Row());
  if (Col() < LeftCol()) SetLeftCol(Col());
  ShowEditor();
}

void TAdvStringGrid::HideInplaceEdit() {
  TGridEditCycle& cycle = EditCycle();
  if (!cycle.EditMode) return;
  HideFocusWindow();
  HideEditor();
  HideEditControl(Col(), Row());
  cycle.EditMode = false;
  SelectCell(Col(), Row());
}

void TAdvStringGrid::DoneInplaceEdit(WORD Key, TShiftState Shift) {
  TGridEditCycle& cycle = EditCycle();
  const bool alwaysEdit = FNavigation->AlwaysEdit();
  struct Restore {  // also when a step raises
    TGridEditCycle& C;
    TNavigation& N;
    bool AlwaysEdit;
    ~Restore() {
      N.SetAlwaysEdit(AlwaysEdit);
      C.BlockFocus = false;
    }
  } restore{cycle, *FNavigation, alwaysEdit};
  cycle.BlockFocus = true;
  SetEditing(false);
  HideInplaceEdit();
  if (Key == VK_DOWN && FNavigation->AppendOnArrowDown() && IsLastDataRow()) AutoAddRow();
  switch (Key) {
    case VK_TAB: case VK_LEFT: case VK_RIGHT: case VK_UP: case VK_DOWN: {
      WORD key = Key;
      KeyDown(key, Shift);
      break;
    }
    default: break;
  }
  FNavigation->SetAlwaysEdit(false);
  if (CanFocus()) SetFocus();
  if (Key == VK_RETURN) AdvanceToNextCell(Col(), Row(), false, false, true, true, false);
}
