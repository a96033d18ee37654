// The grid's own window messages: its timer and the end of an edit.
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Messages.h"

void TAdvStringGrid::Dispatch(TMessage& Message) {
  if (Message.Msg == WM_TIMER && Message.WParam == GridTimerID) {
    GridTimer();
    return;
  }
  if (GridEditDoneMessage != 0 && Message.Msg == GridEditDoneMessage && !Destroying()) {
    EditCellDone(static_cast<int>(Message.WParam), static_cast<int>(Message.LParam));
    return;
  }
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
  if (OnEditingDone) OnEditingDone(this);
  SetEditorMode(false);
  if (HandleAllocated())
    PostMessage(Handle(), GridEditDoneMessage, static_cast<WPARAM>(ACol), static_cast<LPARAM>(ARow));
}
