// Hiding and showing columns: a hidden column keeps its cells at its storage
// index and only leaves the displayed columns, its width remembered.
#include <algorithm>

#include "grid/model/AdvStringGridPrivate.h"

bool TAdvStringGrid::IsHiddenColumn(int ColIndex) const {
  if (ColIndex < 0 || ColIndex >= TVisibleColumns::MaxHideable) return false;
  return !FVisibleCols.GetVisibleCol(ColIndex);
}

void TAdvStringGrid::HideColumns(int FromCol, int ToCol) {
  if (EditorMode()) HideEditor();
  ToCol = std::min(ToCol, TVisibleColumns::MaxHideable - 1);
  for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (IsHiddenColumn(c) || c >= AllColCount() || ColCount() <= 1) continue;
    const int d = DisplColIndex(c);
    const int width = ColWidths(d);
    for (int i = d; i < ColCount() - 1; ++i) SetColWidths(i, ColWidths(i + 1));
    FVisibleCols.SetVisibleCol(c, false);
    if (static_cast<int>(FState->AllColWidths.size()) <= c) FState->AllColWidths.resize(static_cast<size_t>(c) + 1, DefaultColWidth());
    FState->AllColWidths[static_cast<size_t>(c)] = width;
    if (Col() == ColCount() - 1 && Col() > FixedCols()) MoveCurrent(Col() - 1, Row(), true, false);
    SetColCount(ColCount() - 1);
  }
  Invalidate();
}

void TAdvStringGrid::UnHideColumns(int FromCol, int ToCol) {
  if (EditorMode()) HideEditor();
  ToCol = std::min(ToCol, TVisibleColumns::MaxHideable - 1);
  for (int c = std::max(FromCol, 0); c <= ToCol; ++c) {
    if (!IsHiddenColumn(c)) continue;
    FVisibleCols.SetVisibleCol(c, true);
    AddDisplayedColumn(c);
  }
  Invalidate();
}

// Storage column ACol, shown already, gets its displayed place and its width.
void TAdvStringGrid::AddDisplayedColumn(int ACol) {
  SetColCount(ColCount() + 1);
  const int d = DisplColIndex(ACol);
  for (int i = ColCount() - 1; i > d; --i) SetColWidths(i, ColWidths(i - 1));
  const bool known = ACol < static_cast<int>(FState->AllColWidths.size());
  SetColWidths(d, known ? FState->AllColWidths[static_cast<size_t>(ACol)] : DefaultColWidth());
}

// A lowered column count leaves the hidden columns past the new last storage
// column outside the grid: they are hidden no more (their cells stay, as any
// column's past the count do), so that showing all columns again still works.
void TAdvStringGrid::ShowHiddenColumnsPastEnd() {
  for (int c = TVisibleColumns::MaxHideable - 1; c >= 0 && !FVisibleCols.AllVisible(); --c) {
    if (c < AllColCount()) return;
    if (IsHiddenColumn(c)) FVisibleCols.SetVisibleCol(c, true);
  }
}
