#pragma once
// The two lists of a column's filter drop-down, children of the grid. The
// plain list hands over its choice on Enter or a mouse release and closes;
// the check list stays open and hands over -1 at every toggle of a check
// box. Both close without a choice on a press elsewhere, and the grid then
// knows no open drop-down.
#include <functional>

#include "platform/gui/CheckLst.h"

class TAdvStringGrid;

using TDropListSelectEvent = std::function<void(TObject* Sender, int ItemIndex)>;

class TDropList : public TListBox {
 public:
  explicit TDropList(TAdvStringGrid* AGrid);
  String ClassName() const override { return u"TDropList"; }
  TDropListSelectEvent OnSelect;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) override;
  void Dispatch(TMessage& Message) override;

 private:
  void Choose();
  TAdvStringGrid* FGrid;
};

class TDropCheckList : public TCheckListBox {
 public:
  explicit TDropCheckList(TAdvStringGrid* AGrid);
  String ClassName() const override { return u"TDropCheckList"; }
  TDropListSelectEvent OnSelect;

 protected:
  void ClickCheck() override;
  void Dispatch(TMessage& Message) override;

 private:
  TAdvStringGrid* FGrid;
};
