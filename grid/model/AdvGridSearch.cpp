// Finding cells by text and replacing in them (family TGridFinder).
#include "grid/base/ShowModified.h"
#include "grid/base/SortIndexList.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/SortSettings.h"
#include "platform/sys/SysUtils.h"

TPoint TAdvStringGrid::Find(TPoint StartCell, const String& s, TFindParams FindParams) {
  ExportNotification(esExportStart, -1);
  const TPoint hit = FFinder->DoFind(StartCell, s, FindParams, false);
  ExportNotification(hit.X < 0 ? esExportDone : esExportFail, -1);
  if (FindParams.Contains(fnAutoGoto)) {
    const int a = FFloatingFooter->Visible() ? 2 : 0;
    if (Row() > TopRow() + VisibleRowCount() - a - 2 && VisibleRowCount() + FixedRows() + a < RowCount())
      SetTopRow(TopRow() + a + 1);
  }
  return hit;
}

TPoint TAdvStringGrid::FindWide(TPoint StartCell, const String& s, TFindParams FindParams) {
  ExportNotification(esExportStart, -1);
  const TPoint hit = FFinder->DoFind(StartCell, s, FindParams, true);
  ExportNotification(hit.X < 0 ? esExportDone : esExportFail, -1);
  return hit;
}

TPoint TAdvStringGrid::FindFirst(const String& s, TFindParams FindParams) {
  FFinder->SearchCell = Find(Point(-1, -1), s, FindParams);
  return FFinder->SearchCell;
}

TPoint TAdvStringGrid::FindNext() {
  FFinder->SearchCell = Find(FFinder->SearchCell, FFinder->Cache, FFinder->Params);
  return FFinder->SearchCell;
}

int TAdvStringGrid::Replace(const String& OrigStr, const String& NewStr, TFindParams FindParams) {
  const bool hiddenCols = FindParams.Contains(fnIncludeHiddenColumns);
  const bool hiddenRows = FindParams.Contains(fnIncludeHiddenRows);
  int changed = 0;
  TPoint at{-1, -1};
  // A scan that wraps has been over every cell once: the texts replaced
  // there may match again.
  while ((at = Find(at, OrigStr, FindParams)).X >= 0 && !FFinder->Wrapped()) {
    const int col = hiddenCols ? at.X : RealColIndex(at.X);
    const String text = hiddenRows ? AllCells(col, at.Y) : Cells(col, at.Y);
    const String replaced = StringReplace(text, OrigStr, NewStr, rfReplaceAll | rfIgnoreCase);
    if (hiddenRows) SetAllCells(col, at.Y, replaced);
    else SetCells(col, at.Y, replaced);
    const int row = hiddenRows ? (IsHiddenRow(at.Y) ? -1 : DisplRowIndex(at.Y)) : at.Y;
    if (FShowModified->Enabled() && row >= 0) SetRowModified(row, true);
    ++changed;
  }
  return changed;
}

int TAdvStringGrid::Search(const String& s) {
  if (RowCount() < 2) return -1;
  int col = FSortSettings->Column();
  if (!FSortSettings->Show()) col = FixedCols();
  else if (FSortSettings->IndexShow()) col = FSortIndexes->Count() > 0 ? FSortIndexes->SortColumns(0) : FixedCols();
  if (col == -1) return -1;
  for (int r = FixedRows(); r < RowCount(); ++r) {
    if (AnsiUpperCase(StrippedCells(col, r).substr(0, s.size())) == s) return r;
  }
  return -1;
}

bool TAdvStringGrid::FindBusy() const { return FFinder->Busy; }
int TAdvStringGrid::FindCol() const { return FFinder->FindCol; }
void TAdvStringGrid::SetFindCol(int Value) { FFinder->FindCol = Value; }
int TAdvStringGrid::FindRow() const { return FFinder->FindRow; }
void TAdvStringGrid::SetFindRow(int Value) { FFinder->FindRow = Value; }
TPoint TAdvStringGrid::SearchCell() const { return FFinder->SearchCell; }
void TAdvStringGrid::SetSearchCell(TPoint Value) { FFinder->SearchCell = Value; }
const String& TAdvStringGrid::SearchCache() const { return FFinder->Cache; }
