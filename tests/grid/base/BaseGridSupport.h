#pragma once
// A bare TBaseGrid with its protected parts in reach, and a cell graphic
// that counts the live ones, so that a leak shows as a count.
#include "grid/base/BaseGrid.h"

class TCountedGraphic : public TCellGraphicBase {
 public:
  TCountedGraphic() { ++Live; }
  ~TCountedGraphic() override { --Live; }
  static inline int Live = 0;
};

// A graphic of a class derived from the counted one.
class TDerivedGraphic : public TCountedGraphic {};

class TTestGrid : public TBaseGrid {
 public:
  explicit TTestGrid(int Cols = 6, int Rows = 6, int TotalCols = 0)
      : TBaseGrid(nullptr), FTotalCols(TotalCols) {
    SetColCount(Cols);
    SetRowCount(Rows);
  }
  int TotalColCount() const override { return FTotalCols ? FTotalCols : ColCount(); }

  using TBaseGrid::FreeAllCellProps;
  using TBaseGrid::FreeCellProps;
  using TBaseGrid::FreeCellPropsRange;
  using TBaseGrid::HasCellProps;
  using TBaseGrid::ResetCell;
  using TBaseGrid::ResetRow;
  using TBaseGrid::ResolveBaseCell;
  void SetNormalRowCount(int Value) { FNormalRowCount = Value; }
  void SetHideLastRow(bool Value) { FHideLastRow = Value; }

  int LastRowChanges = 0;

 protected:
  void LastRowChanged() override { ++LastRowChanges; }

 private:
  int FTotalCols;
};
