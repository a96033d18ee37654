// Row and column selection flags beside the rectangular selection, and the
// modified and enabled rows.
#include "grid/base/MouseActions.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/SysUtils.h"

namespace {

bool FlagAt(std::vector<bool>& Flags, int Index) {
  if (Index >= static_cast<int>(Flags.size())) Flags.resize(static_cast<size_t>(Index) + 1, false);
  return Flags[static_cast<size_t>(Index)];
}

}  // namespace

int TAdvStringGrid::SelectionRow(int ARow) const {
  return FMouseActions->RowSelectPersistent() ? RealRowIndex(ARow) : ARow;
}

bool TAdvStringGrid::RowSelect(int ARow) {
  if (!FMouseActions->RowSelectPersistent() && (ARow < 0 || ARow >= AllRowCount())) {
    throw EAdvGridError(u"Invalid row " + IntToStr(ARow) + u" accessed");
  }
  if (FMouseActions->DisjunctRowSelect()) return ARow >= 0 && FlagAt(FRowSelect, ARow);
  const TGridRect sel = Selection();
  return ARow >= std::min(sel.Top, sel.Bottom) && ARow <= std::max(sel.Top, sel.Bottom);
}

void TAdvStringGrid::SetRowSelect(int ARow, bool Value) {
  if ((ARow >= AllRowCount() && RowCount() > FixedRows()) || ARow < 0) {
    throw EAdvGridError(u"Invalid row accessed");
  }
  const bool known = ARow < static_cast<int>(FRowSelect.size());
  if (OnRowDisjunctSelect && (!known || FRowSelect[static_cast<size_t>(ARow)] != Value)) {
    bool allow = true;
    OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow) return;
  }
  const bool was = FlagAt(FRowSelect, ARow);
  if (was != Value) RepaintRow(ARow);
  FRowSelect[static_cast<size_t>(ARow)] = Value;
  if (Value && ARow >= FixedRows() && !FSelectedRows.HasValue(ARow)) FSelectedRows.Add(ARow);
  if (!Value) FSelectedRows.DeleteValue(ARow);
  if (OnRowDisjunctSelected) OnRowDisjunctSelected(this, ARow);
}

bool TAdvStringGrid::ColSelect(int ACol) {
  if (ACol < 0 || ACol >= ColCount()) throw EAdvGridError(u"Invalid column accessed");
  return FlagAt(FState->ColSelect, ACol);
}

void TAdvStringGrid::SetColSelect(int ACol, bool Value) {
  if (ACol < 0 || ACol >= ColCount()) throw EAdvGridError(u"Invalid column accessed");
  if (FlagAt(FState->ColSelect, ACol) != Value) RepaintCol(ACol);
  FState->ColSelect[static_cast<size_t>(ACol)] = Value;
}

int TAdvStringGrid::RowSelectCount() const {
  const TGridRect sel = Selection();
  if (!FMouseActions->DisjunctRowSelect()) return std::abs(sel.Bottom - sel.Top) + 1;
  const auto n = std::min<size_t>(static_cast<size_t>(AllRowCount()), FRowSelect.size());
  return static_cast<int>(std::count(FRowSelect.begin(), FRowSelect.begin() + n, true));
}

int TAdvStringGrid::ColSelectCount() const {
  if (!FMouseActions->DisjunctColSelect()) return Selection().Right - Selection().Left + 1;
  return static_cast<int>(std::count(FState->ColSelect.begin(), FState->ColSelect.end(), true));
}

void TAdvStringGrid::SelectRows(int RowIndex, int RCount) {
  RCount = std::min(RCount, RowCount() - RowIndex);
  if (!FMouseActions->DisjunctRowSelect()) {
    SetSelection({FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
  } else {
    for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r) {
      SetRowSelect(SelectionRow(r), true);
    }
  }
  if (!FState->RowIndicator.Empty()) RepaintCol(0);
  FSelChange = false;
}

void TAdvStringGrid::UnSelectRows(int RowIndex, int RCount) {
  if (FMouseActions->DisjunctRowSelect()) {
    for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r) {
      SetRowSelect(SelectionRow(r), false);
    }
  }
  FSelChange = false;
}

void TAdvStringGrid::SelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) {
    SetSelection({ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
    return;
  }
  for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, true);
}

void TAdvStringGrid::UnSelectCols(int ColIndex, int CCount) {
  if (!FMouseActions->DisjunctColSelect()) return;
  for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c) SetColSelect(c, false);
}

void TAdvStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow) {
  SetRow(ToRow);
  SetCol(ToCol);
  SetSelection({FromCol, FromRow, ToCol, ToRow});
}

void TAdvStringGrid::ClearRowSelect() {
  for (size_t r = 0; r < FRowSelect.size(); ++r) {
    if (!FRowSelect[r]) continue;
    FRowSelect[r] = false;
    RepaintRow(static_cast<int>(r));
  }
  FSelectedRows.Clear();
}

void TAdvStringGrid::ClearColSelect() {
  for (size_t c = 0; c < FState->ColSelect.size(); ++c) {
    if (!FState->ColSelect[c]) continue;
    FState->ColSelect[c] = false;
    RepaintCol(static_cast<int>(c));
  }
}

void TAdvStringGrid::SelectionToRowSelect(bool All) {
  TGridRect sel = Selection();
  sel.Bottom = std::min(sel.Bottom, RowCount() - FixedFooters() - 1);
  for (int r = FixedRows(); r < RowCount(); ++r) {
    const bool inside = r >= sel.Top && r <= sel.Bottom;
    if (inside || All) SetRowSelect(r, inside);
  }
  if (NumHiddenRows() > 0) InvalidateGrid();
}

void TAdvStringGrid::SelectionToColSelect(bool All) {
  const TGridRect sel = Selection();
  for (int c = FixedCols(); c < ColCount(); ++c) {
    const bool inside = c >= sel.Left && c <= sel.Right;
    if (inside || All) SetColSelect(c, inside);
  }
}

// ---- modified and enabled rows

namespace {

void GrowTo(TIntList& List, int Index) {
  while (List.Count() <= Index) List.Add(0);
}

}  // namespace

bool TAdvStringGrid::RowModified(int ARow) const {
  return ARow >= 0 && ARow < FModifiedRows.Count() && FModifiedRows.Items(ARow) == 1;
}

void TAdvStringGrid::SetRowModified(int ARow, bool Value) {
  GrowTo(FModifiedRows, ARow);
  FModifiedRows.SetItems(ARow, Value ? 1 : 0);
  RepaintCell(0, ARow);
}

int TAdvStringGrid::ModifiedRowCount() const {
  int n = 0;
  for (int i = 0; i < FModifiedRows.Count(); ++i) n += FModifiedRows.Items(i) == 1 ? 1 : 0;
  return n;
}

bool TAdvStringGrid::RowEnabled(int ARow) const {
  return ARow < 0 || ARow >= FEnabledRows.Count() || FEnabledRows.Items(ARow) == 0;
}

void TAdvStringGrid::SetRowEnabled(int ARow, bool Value) {
  if (ARow == Row()) {
    for (int r = FixedRows(); r < RowCount(); ++r) {
      if (r != ARow && RowEnabled(r)) {
        SetRow(r);
        break;
      }
    }
  }
  FValues.UseEnabledRows = true;
  GrowTo(FEnabledRows, ARow);
  FEnabledRows.SetItems(ARow, Value ? 0 : 1);
  RepaintRow(ARow);
}
