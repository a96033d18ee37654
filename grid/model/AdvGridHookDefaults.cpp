// Hooks whose default only tells the application, and the current cell.
#include "grid/base/Navigation.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/SysUtils.h"

void TAdvStringGrid::DoClickSort(int ACol) {
  if (OnClickSort) OnClickSort(this, ACol);
}

void TAdvStringGrid::PasteCellText(int ACol, int ARow, const String& Value) {
  SetCells(ACol, ARow, Value);
}

void TAdvStringGrid::DoCheckBoxClick(int ACol, int ARow, bool State) {
  if (OnCheckBoxClick) OnCheckBoxClick(this, ACol, ARow, State);
}

void TAdvStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State) {
  if (OnCheckBoxChange) OnCheckBoxChange(this, ACol, ARow, State);
}

void TAdvStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom) {
  if (OnSelectionChanged) OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
}

bool TAdvStringGrid::DoCanAddRow() {
  bool canAdd = true;
  if (OnCanAddRow) OnCanAddRow(this, canAdd);
  return canAdd;
}

bool TAdvStringGrid::DoCanInsertRow(int ARow) {
  bool canInsert = true;
  if (OnCanInsertRow) OnCanInsertRow(this, ARow, canInsert);
  return canInsert;
}

bool TAdvStringGrid::UseFormattedClipboard() { return FNavigation->AllowFmtClipboard(); }

bool TAdvStringGrid::DoRatingChange(int ACol, int ARow, double& NewRate) {
  bool allow = true;
  if (OnRatingChange) OnRatingChange(this, ACol, ARow, NewRate, allow);
  return allow;
}

bool TAdvStringGrid::DoCanShowFixedDropDown(int ACol) {
  bool allow = true;
  if (OnCanShowFixedDropDown) OnCanShowFixedDropDown(this, ACol, allow);
  return allow;
}

void TAdvStringGrid::DoScrollCell(int ACol, int ARow, int ScrollPosition, int ScrollMin,
                                  int ScrollMax) {
  if (OnScrollCell) OnScrollCell(this, ACol, ARow, ScrollPosition, ScrollMin, ScrollMax);
}

void TAdvStringGrid::DoStartBlockFocus() {
  if (OnStartBlockFocus) OnStartBlockFocus(this);
}

void TAdvStringGrid::DoEndBlockFocus() {
  if (OnEndBlockFocus) OnEndBlockFocus(this);
}

String TAdvStringGrid::GetVersionString() { return VersionText(GetVersionNr()) + u" Sep, 2012"; }

// ---- the current cell, through its merged area's base cell

String TAdvStringGrid::GetCurrentCell() {
  const TPoint base = BaseCell(RealCol(), Row());
  return GridCells(base.X, base.Y);
}

void TAdvStringGrid::SetCurrentCell(const String& Value) {
  const TPoint base = BaseCell(RealCol(), Row());
  SetCells(base.X, base.Y, Value);
}

String TAdvStringGrid::GetCurrentCellText() {
  const TPoint base = BaseCell(RealCol(), Row());
  return Cells(base.X, base.Y);
}

void TAdvStringGrid::SetCurrentCellText(const String& Value) {
  const TPoint base = BaseCell(RealCol(), Row());
  SetEditText(DisplColIndex(base.X), base.Y, Value);
}
