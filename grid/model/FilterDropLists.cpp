#include "grid/model/FilterDropLists.h"

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Messages.h"

namespace {

// The platform's press-elsewhere notice names the control pressed.
bool PressedElsewhere(const TMessage& Message, const TControl& List) {
  return Message.Msg == CM_CANCELMODE && reinterpret_cast<TControl*>(Message.LParam) != &List;
}

void CloseUnchosen(TAdvStringGrid* Grid, TControl& List) {
  if (Grid) Grid->SetFilterCol(-1);
  List.SetVisible(false);
}

}  // namespace

TDropList::TDropList(TAdvStringGrid* AGrid) : TListBox(AGrid), FGrid(AGrid) {}

void TDropList::Choose() {
  SetVisible(false);
  if (OnSelect) OnSelect(this, ItemIndex());
}

void TDropList::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_RETURN) return Choose();
  TListBox::KeyDown(Key, Shift);
}

void TDropList::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  TListBox::MouseUp(Button, Shift, X, Y);
  Choose();
}

void TDropList::Dispatch(TMessage& Message) {
  if (PressedElsewhere(Message, *this)) CloseUnchosen(FGrid, *this);
  TListBox::Dispatch(Message);
}

TDropCheckList::TDropCheckList(TAdvStringGrid* AGrid) : TCheckListBox(AGrid), FGrid(AGrid) {}

void TDropCheckList::ClickCheck() {
  TCheckListBox::ClickCheck();
  if (OnSelect) OnSelect(this, -1);
}

void TDropCheckList::Dispatch(TMessage& Message) {
  if (PressedElsewhere(Message, *this)) CloseUnchosen(FGrid, *this);
  TCheckListBox::Dispatch(Message);
}
