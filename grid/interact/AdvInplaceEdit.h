#pragma once
// The grid's text editor: the platform's in-place edit with a character
// filter per editor kind, a length limit, clipboard filtering, validation on
// the keys that leave the cell, completion from the lookup list and rows
// that grow while typing.
#include "platform/grids/InplaceEdit.h"

class TAdvStringGrid;

class TAdvInplaceEdit : public TInplaceEdit {
 public:
  explicit TAdvInplaceEdit(TAdvStringGrid* AGrid);

  // Below 1: no limit.
  int LengthLimit() const { return FLengthLimit; }
  void SetLengthLimit(int Value) { FLengthLimit = Value; }
  // Right-aligned text; setting makes the window again.
  bool VAlign() const { return FValign; }
  void SetVAlign(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

  void UpdateContents() override;
  void UpdateLoc(const TRect& Loc) override;
  void DblClick() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Dispatch(TMessage& Message) override;
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyUp(WORD& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void Change() override;
  LRESULT DialogCode() const override;

 private:
  // Lookup completion of the text before the caret.
  void DoChange();
  void TextChanged();
  void CharMessage(TMessage& Message);
  bool FilterChar(Char& Key, LPARAM KeyData);
  void AdvanceWhenFull();
  // Answers whether the key is used up.
  bool EditKeyDown(WORD Key, TShiftState Shift);
  bool TabKey(TShiftState Shift, const String& T);
  bool ValidateOrRestore(const String& T);
  void RestoreAfterFailure(int CaretAt);
  void FocusGained();
  // A left press that opened the editor puts the caret under it.
  void CaretToPress();
  void FocusLost(TMessage& Message);
  void Paste();
  void CopyOrCut(bool Cut);
  void SizeWhileTyping();
  // Left at the text's start or Right at its end walks to the next cell.
  void WalkOut(WORD& Key, bool Right);
  bool CaretOnFirstLine();
  bool CaretOnLastLine();
  bool WrapsOrMultiline() const;
  bool MultiLineCell() const;

  TAdvStringGrid* FGrid;
  int FSelKeyDown = 0;
  bool FAtStartOnKeyDown = false;  // caret at 0, nothing selected
  bool FAtEndOnKeyDown = false;    // caret at the text's end, nothing selected
  int FOldSelStart = 0;
  int FLengthLimit = 0;
  bool FValign = false;
  bool FWordWrap = false;
  bool GotKey = false;
  bool FGotFocus = false;
  bool Workmode = true;
  int FColE = -1, FRowE = -1;
  bool FAltBack = false;
  // Enter's key-down validated already; its character need not again.
  bool FEnterValidated = false;
  // Enter's key-down was refused: its character must not close the editor.
  bool FEnterRefused = false;
};
