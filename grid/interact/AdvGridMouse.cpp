// The grid's mouse entry points; the rules are the TGridMouse family's.
#include "grid/interact/GridMouse.h"
#include "grid/model/AdvStringGrid.h"

void TAdvStringGrid::TGridMouseDeleter::operator()(TGridMouse* Mouse) const { delete Mouse; }

TGridMouse& TAdvStringGrid::Mouse() {
  if (!FMouse) FMouse.reset(new TGridMouse(*this));
  return *FMouse;
}

void TAdvStringGrid::WMLButtonDown(TMessage& Message) { Mouse().LButtonDown(Message); }
void TAdvStringGrid::WMLButtonUp(TMessage& Message) { Mouse().LButtonUp(Message); }
void TAdvStringGrid::WMLButtonDblClk(TMessage& Message) { Mouse().LButtonDblClk(Message); }
void TAdvStringGrid::WMRButtonDown(TMessage& Message) { Mouse().RButtonDown(Message); }

// A right release while a column or row is dragged would end the move.
void TAdvStringGrid::WMRButtonUp(TMessage& Message) {
  const TGridState state = GridState();
  if (EnhRowColMove() && (state == gsColMoving || state == gsRowMoving)) return;
  InheritedDispatch(Message);
}

void TAdvStringGrid::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Mouse().MouseDown(Button, Shift, X, Y);
}

void TAdvStringGrid::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  Mouse().MouseUp(Button, Shift, X, Y);
}

void TAdvStringGrid::SelectRadioOptionAt(int ACol, int ARow, int Y, int X) {
  Mouse().SelectRadioOptionAt(ACol, ARow, Y, X);
}
