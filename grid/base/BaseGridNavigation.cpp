// The current cell never rests inside a merged area, nor moves into the row
// a floating footer covers.
#include "grid/base/BaseGrid.h"
#include "platform/gui/Messages.h"

bool TBaseGrid::SelectCell(int ACol, int ARow) {
  if (UseRightToLeftAlignment()) {
    const bool result = TStringGrid::SelectCell(ACol, ARow);
    Invalidate();
    return result;
  }
  RepaintCell(Col(), Row());
  const bool result = TStringGrid::SelectCell(ACol, ARow);
  RepaintCell(ACol, ARow);
  return result;
}

void TBaseGrid::KeyDown(WORD& Key, TShiftState Shift) {
  if (Key == VK_NEXT && FHideLastRow && RowCount() > 1 &&
      RowCount() - 1 == VisibleRowCount() + TopRow() - FixedRows())
    SetRow(RowCount() - 2);
  if (HasCellProps(Col(), Row())) {
    // Onto the area's edge, so that the platform's one-cell step leaves it.
    const TPoint base = BaseCell(Col(), Row());
    const TPoint span = CellSpan(base.X, base.Y);
    const int endX = base.X + span.X, endY = base.Y + span.Y;
    switch (Key) {
      case VK_LEFT:
        if (base.X < Col() && Col() > FixedCols() && base.X > 0) SetCol(base.X);
        break;
      case VK_UP:
        if (base.Y < Row() && Row() > FixedRows() && base.Y > 0) SetRow(base.Y);
        break;
      case VK_RIGHT:
        if (endX >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && endX < ColCount())
          SetCol(endX);
        break;
      case VK_DOWN:
        if (endY >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1) SetRow(endY);
        break;
      default:
        break;
    }
  }
  TStringGrid::KeyDown(Key, Shift);
  MoveToBaseCell();
}

bool TBaseGrid::DoMouseWheelDown(TShiftState Shift, TPoint MousePos) {
  const bool result = TStringGrid::DoMouseWheelDown(Shift, MousePos);
  if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1 && FHideLastRow)
    SetTopRow(TopRow() + 1);
  MoveToBaseCell();
  return result;
}

bool TBaseGrid::DoMouseWheelUp(TShiftState Shift, TPoint MousePos) {
  const bool result = TStringGrid::DoMouseWheelUp(Shift, MousePos);
  MoveToBaseCell();
  return result;
}

void TBaseGrid::TopLeftChanged() {
  TStringGrid::TopLeftChanged();
  // Merged areas in the fixed bands scroll only in part: redraw them whole.
  for (int r = TopRow(); r <= TopRow() + VisibleRowCount() && FixedCols() > 0; ++r)
    for (int c = 0; c < FixedCols(); ++c)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
  for (int c = LeftCol(); c <= LeftCol() + VisibleColCount() && FixedRows() > 0; ++c)
    for (int r = 0; r < FixedRows(); ++r)
      if (IsMergedCell(c, r)) RepaintCell(c, r);
}
