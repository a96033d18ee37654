#pragma once
// A second string grid that follows this one: which of its scrolling,
// selection and moves it follows.
#include "platform/sys/Component.h"

class TStringGrid;

class TSyncGrid : public TPersistent {
 public:
  explicit TSyncGrid(TStringGrid* AOwner) : FOwner(AOwner) {}
  String ClassName() const override { return u"TSyncGrid"; }
  // Copies from another TSyncGrid only (Grid through its setter); other
  // sources are ignored.
  void Assign(const TPersistent& Source) override;

  TStringGrid* Grid() const { return FGrid; }
  void SetGrid(TStringGrid* Value);  // the owning grid itself is refused
  bool ScrollVertical() const { return FScrollVertical; }
  void SetScrollVertical(bool Value) { FScrollVertical = Value; }
  bool ScrollHorizontal() const { return FScrollHorizontal; }
  void SetScrollHorizontal(bool Value) { FScrollHorizontal = Value; }
  bool SelectionColumn() const { return FSelectionColumn; }
  void SetSelectionColumn(bool Value) { FSelectionColumn = Value; }
  bool SelectionRow() const { return FSelectionRow; }
  void SetSelectionRow(bool Value) { FSelectionRow = Value; }
  bool MoveColumn() const { return FMoveColumn; }
  void SetMoveColumn(bool Value) { FMoveColumn = Value; }
  bool MoveRow() const { return FMoveRow; }
  void SetMoveRow(bool Value) { FMoveRow = Value; }

 private:
  TStringGrid* FOwner;
  TStringGrid* FGrid = nullptr;
  bool FScrollVertical = false;
  bool FScrollHorizontal = false;
  bool FSelectionColumn = false;
  bool FSelectionRow = false;
  bool FMoveColumn = false;
  bool FMoveRow = false;
};
