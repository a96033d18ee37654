#pragma once
// The grid's in-place editor: an edit that lies over the current cell, loads
// its text through the grid's GetEditText, hands the grid the keys that move
// or close it, and writes every change back through SetEditText.
// It is a masked edit, so the grid's GetEditMask applies while editing.
#include "platform/gui/Mask.h"

class TCustomGrid;

class TInplaceEdit : public TMaskEdit {
 public:
  explicit TInplaceEdit(TComponent* AOwner);

  TCustomGrid* Grid() const { return FGrid; }
  void SetGrid(TCustomGrid* Value) { FGrid = Value; }

  // Loads text, mask and limit of the grid's current cell.
  virtual void UpdateContents();
  // Places the editor on Loc and shows it (hides it for an empty Loc); every
  // placement comes through here. Move also gives it the focus when the grid has it.
  virtual void UpdateLoc(const TRect& Loc);
  void Move(const TRect& Loc);
  // Hides the editor; the grid takes the focus back when the editor had it.
  void Hide();
  // Caret to the end, nothing selected.
  void Deselect();
  // A double click on the editor is one on the grid.
  void DblClick() override;

 protected:
  void KeyDown(WORD& Key, TShiftState Shift) override;
  void KeyPress(Char& Key) override;
  void Change() override;
  LRESULT DialogCode() const override;

 private:
  bool CaretAtStart() const;
  bool CaretAtEnd() const;

  TCustomGrid* FGrid = nullptr;
};
