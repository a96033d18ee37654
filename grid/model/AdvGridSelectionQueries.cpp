// The selection read in every mode: the disjunct cell list, the row flags,
// the column flags, or the platform grid's rectangle.
#include "grid/base/DragDropSettings.h"
#include "grid/base/GridStrings.h"
#include "grid/base/MouseActions.h"
#include "grid/base/SelectedCellList.h"
#include "grid/base/TextEncodings.h"
#include "grid/model/AdvStringGridPrivate.h"

namespace {

TGridRect Ordered(const TGridRect& R) {
  return {std::min(R.Left, R.Right), std::min(R.Top, R.Bottom), std::max(R.Left, R.Right),
          std::max(R.Top, R.Bottom)};
}

bool Inside(const TGridRect& R, int ACol, int ARow) {
  return ACol >= R.Left && ACol <= R.Right && ARow >= R.Top && ARow <= R.Bottom;
}

}  // namespace

void TAdvStringGrid::SetSelection(const TGridRect& Value) {
  TBaseGrid::SetSelection(Value);
  if (FValues.ActiveCellShow) {
    RepaintRow(0);
    RepaintCol(0);
  }
  if (FActiveRowShow) RepaintRow(Value.Bottom);
}

bool TAdvStringGrid::IsSelected(int ACol, int ARow) {
  if (ARow < FixedRows() || ACol < FixedCols()) return false;
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Has(ACol, ARow);
  if (FMouseActions->DisjunctRowSelect()) return RowSelect(SelectionRow(ARow));
  if (FMouseActions->DisjunctColSelect()) return ColSelect(ACol);
  return Inside(Selection(), ACol, ARow);
}

bool TAdvStringGrid::SelectedCells(int ACol, int ARow) {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Has(ACol, ARow);
  return Inside(Ordered(Selection()), ACol, ARow);
}

void TAdvStringGrid::SetSelectedCells(int ACol, int ARow, bool Value) {
  const bool changed = Value ? FSelectedCells->Add(ACol, ARow) : FSelectedCells->Remove(ACol, ARow);
  if (changed) RepaintCell(ACol, ARow);
}

TGridCoord TAdvStringGrid::SelectedCell(int Index) const { return FSelectedCells->Items(Index); }

int TAdvStringGrid::SelectedCellsCount() {
  if (FMouseActions->DisjunctCellSelect()) return FSelectedCells->Count();
  const TGridRect sel = Selection();
  const bool single = sel.Left == sel.Right && sel.Top == sel.Bottom;
  FSelectedCells->AssignRect(single ? TGridRect{Col(), Row(), Col(), Row()} : sel);
  return FSelectedCells->Count();
}

// A merged cell at the selection's start or end widens the count by its span.
int TAdvStringGrid::SelectedColCount() {
  if (FMouseActions->DisjunctColSelect()) return static_cast<int>(FState->ColSelect.size());
  const TGridRect s = Selection();
  const int width = std::abs(s.Left - s.Right);
  if (IsMergedCell(RealColIndex(s.Left), s.Top)) {
    const int sx = CellSpan(RealColIndex(s.Left), s.Top).X;
    if (s.Right < s.Left + sx) return sx + 1;
  } else if (IsMergedCell(RealColIndex(s.Right), s.Top)) {
    return width + CellSpan(RealColIndex(s.Right), s.Top).X + 1;
  }
  return width + 1;
}

// Footer rows do not count.
int TAdvStringGrid::SelectedRowCount() {
  if (FMouseActions->DisjunctRowSelect()) return FSelectedRows.Count();
  TGridRect s = Selection();
  s.Bottom = std::min(s.Bottom, RowCount() - FFixedFooters - 1);
  const int height = std::abs(s.Top - s.Bottom);
  const int left = RealColIndex(s.Left);
  if (IsMergedCell(left, s.Top)) {
    const int sy = CellSpan(left, s.Top).Y;
    return s.Bottom < s.Top + sy ? sy + 1 : height + 1;
  }
  if (IsMergedCell(left, s.Bottom)) return height + CellSpan(left, s.Bottom).Y + 1;
  return height + 1;
}

int TAdvStringGrid::SelectedRow(int Index) {
  if (Index < 0) return -1;
  if (FMouseActions->DisjunctRowSelect()) {
    return Index < FSelectedRows.Count() ? FSelectedRows.Items(Index) : -1;
  }
  const TGridRect s = Ordered(Selection());
  return s.Top + Index <= s.Bottom ? s.Top + Index : -1;
}

void TAdvStringGrid::ClearSelectedCells() {
  SetSelection({FixedCols(), FixedRows(), FixedCols(), FixedRows()});
  FSelectedCells->Clear();
  Invalidate();
}

void TAdvStringGrid::ClearModifiedRows() {
  FModifiedRows.Clear();
  Invalidate();
}

void TAdvStringGrid::InvalidateGridRect(const TGridRect& R) {
  const TRect a = CellRect(R.Left, R.Top);
  const TRect b = CellRect(R.Right, R.Bottom);
  if (a.IsEmpty() && b.IsEmpty()) return;
  if (a.IsEmpty() || b.IsEmpty()) {
    InvalidateRect(a.IsEmpty() ? b : a);
    return;
  }
  InvalidateRect(TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                       std::max(a.Bottom, b.Bottom)});
}

// ---- the selection as text

// Rich text waits for the platform's rich edit to read it: such a cell
// gives its text as stored.
String TAdvStringGrid::SelectedCellText(int ACol, int ARow) {
  String text = Cells(RealColIndex(ACol), ARow);
  if (FLook.ExcelClipboardFormat && LineCount(text, FValues.Multilinecells) > 1) {
    QuoteMultilineField(text);
  }
  return text;
}

String TAdvStringGrid::SelectedText() {
  TGridRect r = Selection();
  if (Options().Contains(goRowSelect) && FDragDropSettings->OleEntireRows()) {
    r.Left = 0;
    r.Right = ColCount() - 1;
  }
  std::vector<int> rows;
  if (FMouseActions->DisjunctRowSelect()) {
    for (int row = FixedRows(); row < RowCount(); ++row) {
      if (RowSelect(SelectionRow(row))) rows.push_back(row);
    }
  } else {
    for (int row = r.Top; row <= r.Bottom; ++row) rows.push_back(row);
  }
  String text;
  for (size_t i = 0; i < rows.size(); ++i) {
    if (i > 0) text += u"\r\n";
    for (int c = r.Left; c <= r.Right; ++c) {
      if (c > r.Left) text += u'\t';
      text += SelectedCellText(c, rows[i]);
    }
  }
  return text;
}
