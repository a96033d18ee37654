// The grid's own steps for Escape and Enter and the incremental search
// before the platform's key press; and a click stores the clicked cell as
// the one edited next.
#include "grid/base/MouseActions.h"
#include "grid/base/Navigation.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::KeyPress(Char& Key) {
  if (Key == 27 && Options().Contains(goEditing) && Editing()) RestoreCachedCell();
  const TEnterStep step = Key == 13 ? EnterPress() : TEnterStep::Platform;
  if (step == TEnterStep::Platform) {
    const bool search = Key != 27 && !Options().Contains(goEditing) && FNavigation->AutoGotoWhenSorted();
    if (search) Keyboard().IncrementalSearch(Key);
    return TBaseGrid::KeyPress(Key);
  }
  if (OnKeyPress) OnKeyPress(this, Key);
  Key = 0;
  if (step == TEnterStep::DropAndEdit) ShowInplaceEdit();
}

// What is left of Enter once the grid advanced (or refused to).
TAdvStringGrid::TEnterStep TAdvStringGrid::EnterPress() {
  const bool advance = FNavigation->AdvanceOnEnter();
  if (!advance && !IsEditable(RealCol(), Row())) return TEnterStep::Drop;
  if (Focused() && !HasClickableGraphic(RealCol(), Row())) return TEnterStep::Platform;
  AdvanceToNextCell(Col(), Row(), EditorMode(), false, true, false, false);
  if (!FNavigation->AdvanceAutoEdit()) return TEnterStep::Drop;
  if (!HasClickableGraphic(RealCol(), Row())) return TEnterStep::Platform;
  return advance ? TEnterStep::DropAndEdit : TEnterStep::Drop;
}

void TAdvStringGrid::Click() {
  TBaseGrid::Click();
  FState->Entered = false;
  StoreOldCellValue(Col(), Row());
}
