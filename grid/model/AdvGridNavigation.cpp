// Fills, targeted repainting, moving to cells and the recorded column order.
#include <random>

#include "grid/model/AdvStringGrid.h"
#include "platform/sys/Format.h"
#include "platform/sys/SysUtils.h"

// ---- fills

void TAdvStringGrid::FillCells(bool DoFixed, const std::function<void(int, int)>& Fill) {
  const int r0 = DoFixed ? 0 : FixedRows();
  const int r1 = DoFixed ? RowCount() - 1 : RowCount() - FixedFooters() - 1;
  const int c0 = DoFixed ? 0 : FixedCols();
  const int c1 = DoFixed ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
  for (int r = r0; r <= r1; ++r) {
    for (int c = c0; c <= c1; ++c) Fill(c, r);
  }
  AfterBulkCellChange();
}

void TAdvStringGrid::TextFill(bool DoFixed, const String& Txt) {
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, Txt); });
}

void TAdvStringGrid::FormatFill(bool DoFixed, const String& Fmt) {
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, Format(Fmt, {c, r})); });
}

void TAdvStringGrid::RandomFill(bool DoFixed, int Rnd) {
  std::minstd_rand gen(std::random_device{}());
  std::uniform_int_distribution<int> dist(0, std::max(Rnd - 1, 0));
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, IntToStr(dist(gen))); });
}

void TAdvStringGrid::LinearFill(bool DoFixed) {
  FillCells(DoFixed, [&](int c, int r) { SetCells(c, r, IntToStr(c) + u":" + IntToStr(r)); });
}

// ---- repainting

void TAdvStringGrid::RepaintRect(const TRect& r) {
  if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0) return;
  const TRect a = CellRect(r.Left, r.Top);
  const TRect b = CellRect(std::min(VisibleColCount() + FixedCols(), r.Right), r.Bottom);
  if (a.IsEmpty() || b.IsEmpty()) {
    InvalidateGrid();
    return;
  }
  for (int c = r.Left; c <= r.Right; ++c) {
    for (int row = r.Top; row <= r.Bottom; ++row) InvalidateCell(c, row);
  }
}

void TAdvStringGrid::RepaintRow(int ARow) { InvalidateRow(ARow); }

void TAdvStringGrid::RepaintCol(int ACol) { InvalidateCol(ACol); }

void TAdvStringGrid::RepaintHeaderCells(int ACol1, int ARow1, int ACol2, int ARow2) {
  for (const TGridCoord cell : {TGridCoord{ACol1, ARow1}, TGridCoord{ACol2, ARow2}}) {
    if (FixedRows() > 0) RepaintCell(cell.X, FixedRows() - 1);
    if (FixedCols() > 0) RepaintCell(FixedCols() - 1, cell.Y);
  }
}

// ---- moving to cells

void TAdvStringGrid::GotoCell(int ACol, int ARow) {
  SetRow(ARow);
  SetCol(ACol);
}

void TAdvStringGrid::EditCell(int ACol, int ARow) {
  SetFocus();
  GotoCell(ACol, ARow);
  ShowEditor();
}

void TAdvStringGrid::FocusCell(int ACol, int ARow) { SetSelection({ACol, ARow, ACol, ARow}); }

void TAdvStringGrid::MoveCurrentCell(int ACol, int ARow) { MoveCurrent(ACol, ARow, true, true); }

void TAdvStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell) {
  const String text = GridCells(FromCell.X, FromCell.Y);
  TCellProperties* props = GridObjects(FromCell.X, FromCell.Y);
  SetGridObject(FromCell.X, FromCell.Y, GridObjects(ToCell.X, ToCell.Y));
  TGridModel::SetCells(FromCell.X, FromCell.Y, GridCells(ToCell.X, ToCell.Y));
  SetGridObject(ToCell.X, ToCell.Y, props);
  TGridModel::SetCells(ToCell.X, ToCell.Y, text);
}

// ---- recorded column order

void TAdvStringGrid::SetColumnOrder() {
  FColumnOrder.Clear();
  for (int c = 0; c < ColCount(); ++c) FColumnOrder.Add(c);
}

int TAdvStringGrid::ColumnAtPosition(int APos) {
  if (FColumnOrder.Count() == 0) SetColumnOrder();
  if (FColumnOrder.Count() == 0 || APos < 0 || APos >= FColumnOrder.Count()) return APos;
  const int col = FColumnOrder.Items(APos);
  return FGroupColumn != -1 && col >= FGroupColumn ? col + 1 : col;
}

int TAdvStringGrid::ColumnPosition(int ACol) const {
  if (FColumnOrder.Count() == 0) return ACol;
  int pos = ACol;
  const int n = std::min(FColumnOrder.Count(), AllColCount());
  for (int i = 0; i < n; ++i) {
    if (FColumnOrder.Items(i) == ACol) {
      pos = i;
      break;
    }
  }
  return FGroupColumn != -1 && ACol >= FGroupColumn ? pos - 1 : pos;
}

// Every pass puts at least the leftmost misplaced column where it belongs;
// ColCount passes bound a recorded order that is no permutation.
void TAdvStringGrid::ResetColumnOrder() {
  UnHideColumnsAll();
  if (FColumnOrder.Count() == 0) {
    SetColumnOrder();
    return;
  }
  for (int pass = 0; pass <= ColCount(); ++pass) {
    bool moved = false;
    for (int i = 0; i < ColCount() && i < FColumnOrder.Count(); ++i) {
      const int recorded = FColumnOrder.Items(i);
      if (recorded < i && recorded >= 0) {
        MoveColumn(i, recorded);
        moved = true;
      }
    }
    if (!moved) return;
  }
}

int TAdvStringGrid::ColumnByHeader(const String& AValue) {
  for (int c = 0; c < AllColCount(); ++c) {
    if (AllCells(c, 0) == AValue) return c;
  }
  return -1;
}
