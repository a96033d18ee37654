#pragma once
// The grid's combo editor for editable and list combo cells: one instance,
// reused for every combo cell, whose keys validate and leave the cell, whose
// wheel steps the item, and which completes typed text from its items.
#include "grid/base/AsgCombo.h"

class TAdvStringGrid;

class TGridCombo : public TAsgComboBox {
 public:
  explicit TGridCombo(TAdvStringGrid* AGrid);

  // The open list fits the widest item (a scroll bar's room included when
  // there are more items than the list shows).
  void SizeDropDownWidth();
  bool IsList() const { return Style() == csDropDownList; }

  bool Forced = false;
  bool WorkMode = true;
  int ItemIdx = 0;
  bool ItemChange = false;
  TNotifyEvent OnReturnKey;

 protected:
  void Dispatch(TMessage& Message) override;
  void DoExit() override;
  void Change() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;

 private:
  void Wheel(int Delta);
  // A left press that opened the combo puts the caret under it.
  void CaretToPress();
  void FireComboChange();
  // Lookup completion from the items, then from the grid's lookup list.
  void DoChange();
  bool GridHandles(WORD Key, TShiftState Shift) const;
  // Up or Down in a closed combo without ComboGetUpDown: the grid moves.
  void LeaveVertically(WORD& Key, TShiftState Shift);
  void Escape();
  // Writes the text and validates it; on a failure the corrected text stays.
  bool ValidateText(bool SelectAllOnFailure);
  void Revalidated();
  bool TabKey(TShiftState Shift);
  void CloseAndPass(WORD& Key, TShiftState Shift);
  // Left at the text's start or Right at its end leaves the cell sideways;
  // answers whether it did.
  bool WalkOut(WORD& Key, TShiftState Shift);

  TAdvStringGrid* FGrid;
  bool FAtStartOnKeyDown = false;  // caret at 0, nothing selected
  bool FAtEndOnKeyDown = false;    // caret at the text's end, nothing selected
};
