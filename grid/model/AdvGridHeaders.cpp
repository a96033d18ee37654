// Header texts of the fixed row and the fixed column, kept in two lists.
#include "grid/base/TextEncodings.h"
#include "grid/model/AdvStringGrid.h"

// The lists' change events show the new headers.
void TAdvStringGrid::SetColumnHeaders(const TStrings& Value) {
  if (FixedRows() > 0) ClearColumnHeaders();
  FColumnHeaders->Assign(Value);
}

void TAdvStringGrid::SetRowHeaders(const TStrings& Value) { FRowHeaders->Assign(Value); }

void TAdvStringGrid::ShowColumnHeaders() {
  if (FixedRows() == 0) return;
  const int n = std::min(FColumnHeaders->Count(), AllColCount());
  for (int i = 0; i < n; ++i) SetCells(i, 0, EscapedNewlinesToCR(FColumnHeaders->Strings(i)));
}

void TAdvStringGrid::ClearColumnHeaders() {
  for (int c = 0; c < ColCount(); ++c) SetCells(c, 0, String());
}

void TAdvStringGrid::ShowRowHeaders() {
  if (FixedCols() == 0) return;
  const int n = std::min(FRowHeaders->Count(), RowCount());
  for (int i = 0; i < n; ++i) SetCells(0, i, EscapedNewlinesToCR(FRowHeaders->Strings(i)));
}

void TAdvStringGrid::ClearRowHeaders() {
  for (int r = 0; r < RowCount(); ++r) SetCells(0, r, String());
}
