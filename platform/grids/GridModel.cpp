#include "platform/grids/GridModel.h"

#include <algorithm>

TGridModel::TGridModel() {
  FCols.SetDefaultSize(64);
  FRows.SetDefaultSize(24);
  FCols.SetCount(5);
  FRows.SetCount(5);
  FStore.SetRowCount(5);
  FStore.SetColHint(5);
  FCols.SetFixed(1);
  FRows.SetFixed(1);
  FCurrent = FAnchor = FViewport.TopLeft = TGridCoord{1, 1};
  FOptions = {goFixedVertLine, goFixedHorzLine, goVertLine, goHorzLine, goRangeSelect};
}

TGridModel::~TGridModel() = default;

void TGridModel::CheckRow(int ARow) const {
  if (ARow < 0 || ARow >= RowCount()) RaiseGridIndexError();
}

void TGridModel::CheckCell(int ACol, int ARow) const {
  if (ACol < 0 || ACol >= ColCount()) RaiseGridIndexError();
  CheckRow(ARow);
}

// ---- counts

void TGridModel::SetColCount(int Value) {
  Value = std::max(Value, 1);
  if (Value <= FixedCols()) FCols.SetFixed(Value - 1);
  ChangeSize(Value, RowCount());
}

void TGridModel::SetRowCount(int Value) {
  Value = std::max(Value, 1);
  if (Value <= FixedRows()) FRows.SetFixed(Value - 1);
  ChangeSize(ColCount(), Value);
}

void TGridModel::ChangeSize(int NewColCount, int NewRowCount) {
  int oldCols = ColCount(), oldRows = RowCount();
  if (oldCols == NewColCount && oldRows == NewRowCount) return;
  FCols.SetCount(NewColCount);
  FRows.SetCount(NewRowCount);
  FStore.SetRowCount(NewRowCount);
  FStore.SetColHint(NewColCount);
  KeepInside();
  SizeChanged(oldCols, oldRows);
  InvalidateGrid();
}

void TGridModel::SetFixedCols(int Value) {
  if (Value < 0) RaiseGridIndexError();
  if (Value >= ColCount()) throw EInvalidGridOperation(u"Fixed column count must be less than column count");
  FCols.SetFixed(Value);
  KeepInside();
  InvalidateGrid();
}

void TGridModel::SetFixedRows(int Value) {
  if (Value < 0) RaiseGridIndexError();
  if (Value >= RowCount()) throw EInvalidGridOperation(u"Fixed row count must be less than row count");
  FRows.SetFixed(Value);
  KeepInside();
  InvalidateGrid();
}

// The current cell, the anchor and the top-left cell back inside the grid and
// out of the fixed area, after the counts or the view changed.
void TGridModel::KeepInside() {
  auto inside = [](TGridCoord c, const TGridAxis& x, const TGridAxis& y) {
    return TGridCoord{std::clamp(c.X, x.Fixed(), x.Count() - 1), std::clamp(c.Y, y.Fixed(), y.Count() - 1)};
  };
  FCurrent = inside(FCurrent, FCols, FRows);
  FAnchor = inside(FAnchor, FCols, FRows);
  // A top-left cell at the fixed cells stays there whatever the view: a
  // stale view is not worked out for it.
  if (FViewportStale && FViewport.TopLeft == TGridCoord{FixedCols(), FixedRows()}) return;
  MoveTopLeft(std::clamp(LeftCol(), FixedCols(), MaxLeftCol()), std::clamp(TopRow(), FixedRows(), MaxTopRow()));
}

// ---- sizes

void TGridModel::SetDefaultColWidth(int Value) {
  FCols.SetDefaultSize(Value);
  ColWidthsChanged();
  InvalidateGrid();
}

void TGridModel::SetDefaultRowHeight(int Value) {
  FRows.SetDefaultSize(Value);
  RowHeightsChanged();
  InvalidateGrid();
}

int TGridModel::ColWidths(int Index) const {
  if (Index < 0 || Index >= ColCount()) RaiseGridIndexError();
  return FCols.Size(Index);
}

int TGridModel::RowHeights(int Index) const {
  CheckRow(Index);
  return FRows.Size(Index);
}

void TGridModel::SetColWidths(int Index, int Value) {
  if (Index < 0 || Index >= ColCount()) RaiseGridIndexError();
  if (FCols.Size(Index) == Value) return;
  FCols.SetSize(Index, Value);
  ColWidthsChanged();
  InvalidateGrid();
}

void TGridModel::SetRowHeights(int Index, int Value) {
  CheckRow(Index);
  if (FRows.Size(Index) == Value) return;
  FRows.SetSize(Index, Value);
  RowHeightsChanged();
  InvalidateGrid();
}

void TGridModel::SetGridLineWidth(int Value) {
  FGridLineWidth = std::max(Value, 0);
  InvalidateGrid();
}

void TGridModel::SetOptions(TGridOptions Value) {
  if (FOptions == Value) return;
  FOptions = Value;
  if (!FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  OptionsChanged();
  InvalidateGrid();
}

// ---- cells

void TGridModel::SetCells(int ACol, int ARow, const String& Value) {
  if (ACol < 0) RaiseGridIndexError();
  CheckRow(ARow);
  FStore.SetText(ACol, ARow, Value);
  InvalidateCell(ACol, ARow);
}

TObject* TGridModel::Objects(int ACol, int ARow) const {
  if (ACol < 0) RaiseGridIndexError();
  CheckRow(ARow);
  return FStore.Object(ACol, ARow);
}

void TGridModel::SetObjects(int ACol, int ARow, TObject* Value) {
  if (ACol < 0) RaiseGridIndexError();
  CheckRow(ARow);
  FStore.SetObject(ACol, ARow, Value);
}

// ---- current cell and selection

bool TGridModel::SelectCell(int ACol, int ARow) { return true; }

void TGridModel::SetCol(int Value) {
  if (Value != Col()) FocusCell(Value, Row(), true);
}

void TGridModel::SetRow(int Value) {
  if (Value != Row()) FocusCell(Col(), Value, true);
}

void TGridModel::FocusCell(int ACol, int ARow, bool MoveAnchor) {
  if (MoveCurrent(ACol, ARow, MoveAnchor, true)) Click();
}

bool TGridModel::MoveCurrent(int ACol, int ARow, bool MoveAnchor, bool Show) {
  CheckCell(ACol, ARow);
  if (!SelectCell(ACol, ARow)) return false;
  TGridRect old = Selection();
  FCurrent = TGridCoord{ACol, ARow};
  if (MoveAnchor || !FOptions.Contains(goRangeSelect)) FAnchor = FCurrent;
  if (Show) ScrollInView(ACol, ARow);
  SelectionMoved(old);
  return true;
}

TGridRect TGridModel::Selection() const {
  TGridRect r = GridRect(FCurrent, FAnchor);
  if (FOptions.Contains(goRowSelect)) {
    r.Left = FixedCols();
    r.Right = ColCount() - 1;
  }
  return r;
}

void TGridModel::SetSelection(const TGridRect& Value) {
  auto inside = [this](int c, int r) {
    return TGridCoord{std::clamp(c, 0, ColCount() - 1), std::clamp(r, 0, RowCount() - 1)};
  };
  TGridRect old = Selection();
  FAnchor = inside(Value.Left, Value.Top);
  FCurrent = inside(Value.Right, Value.Bottom);
  SelectionMoved(old);
}

// ---- top-left cell

// The grid is never const itself: a view read through a const query may
// still be brought up to date.
void TGridModel::RefreshViewport() const {
  FViewportStale = false;
  const_cast<TGridModel*>(this)->UpdateViewport();
}

int TGridModel::MaxLeftCol() const { return FCols.MaxFirst(ViewWidth(), EffectiveColLine()); }
int TGridModel::MaxTopRow() const {
  return FRows.MaxFirst(std::max(0, ViewHeight() - BottomReserve()), EffectiveRowLine());
}

void TGridModel::SetLeftCol(int Value) { MoveTopLeft(std::clamp(Value, FixedCols(), MaxLeftCol()), TopRow()); }
void TGridModel::SetTopRow(int Value) { MoveTopLeft(LeftCol(), std::clamp(Value, FixedRows(), MaxTopRow())); }

void TGridModel::MoveTopLeft(int ALeft, int ATop) {
  if (ALeft == LeftCol() && ATop == TopRow()) return;
  FViewport.TopLeft = TGridCoord{ALeft, ATop};
  TopLeftChanged();
  InvalidateGrid();
}
