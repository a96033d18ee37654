// The grid's own window messages: its timer, the mouse buttons and the end
// of an edit; the others go through WindowMessage.
#include "grid/base/MouseActions.h"
#include "grid/base/SyncGrid.h"
#include "grid/interact/GridKeyboard.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Messages.h"

// A move of the current row by any message reaches a grid that follows rows.
void TAdvStringGrid::Dispatch(TMessage& Message) {
  if (Destroying()) return TBaseGrid::Dispatch(Message);
  const int row = Row();
  const TFreeWatch watch(*this);
  DispatchOwn(Message);
  if (!watch.Freed() && Row() != row && FSyncGrid->Grid() && FSyncGrid->SelectionRow()) SetRow(Row());
}

void TAdvStringGrid::DispatchOwn(TMessage& Message) {
  switch (Message.Msg) {
    case WM_TIMER:
      if (Message.WParam != GridTimerID) break;
      return GridTimer();
    case WM_LBUTTONDOWN: return WMLButtonDown(Message);
    case WM_LBUTTONUP: {
      const TFreeWatch watch(*this);  // a click handler may free the grid
      WMLButtonUp(Message);
      if (!watch.Freed()) UpdateScrollProportional();
      return;
    }
    case WM_LBUTTONDBLCLK: return WMLButtonDblClk(Message);
    case WM_RBUTTONDOWN: return WMRButtonDown(Message);
    case WM_RBUTTONUP: return WMRButtonUp(Message);
    case WM_KEYDOWN: return Keyboard().WMKeyDown(Message);
    case WM_CHAR: return Keyboard().WMChar(Message);
    case WM_GETDLGCODE: return Keyboard().DialogCode(Message);
    default: break;
  }
  if (GridEditDoneMessage != 0 && Message.Msg == GridEditDoneMessage) {
    EditCellDone(static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    return;
  }
  if (WindowMessage(Message)) return;
  TBaseGrid::Dispatch(Message);
}

void TAdvStringGrid::EditCellDone(int ACol, int ARow) {
  if (OnEditCellDone) OnEditCellDone(this, ACol, ARow);
  if (!FMouseActions->EditOnDblClickOnly()) return;
  HideEditor();
  SetEditorMode(false);
  SetOptions(Options() - TGridOptions{goEditing});
}

// Posted, so that OnEditCellDone runs once the editor's own handler returned.
void TAdvStringGrid::EditingDoneNotify(int ACol, int ARow) {
  HideFocusWindow();
  if (OnEditingDone) OnEditingDone(this);
  SetEditorMode(false);
  if (HandleAllocated())
    PostMessage(Handle(), GridEditDoneMessage, static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}
