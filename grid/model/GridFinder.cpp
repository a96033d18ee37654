#include "grid/model/GridFinder.h"

#include "grid/base/FilterMatch.h"
#include "grid/base/HTMLText.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/SysUtils.h"

namespace {
// A search for exactly this finds the empty cells.
constexpr StringView EmptyCellSearch = u"\"\"";
}  // namespace

bool TGridFinder::MatchCell(int ACol, int ARow, bool Wide) {
  const int col = Has(fnIncludeHiddenColumns) ? ACol : G.RealColIndex(ACol);
  // A preset row or column, or a selection, may lie outside the grid.
  const int rows = Has(fnIncludeHiddenRows) ? G.AllRowCount() : G.RowCount();
  if (col < 0 || col >= G.AllColCount() || ARow < 0 || ARow >= rows) return false;
  String owned;
  StringView text;
  if (Has(fnIncludeHiddenRows)) {
    owned = G.AllCells(col, ARow);
    text = owned;
  } else {
    text = G.CellView(col, ARow);
  }
  if (!Wide && Has(fnIgnoreHTMLTags)) {
    owned = HTMLToPlainText(text);
    text = owned;
  }
  if (!Has(fnMatchCase)) {
    owned = AnsiUpperCase(text);
    text = owned;
  }
  if (Cache == EmptyCellSearch) return text.empty();
  if (Has(fnMatchRegular)) return MatchFilter(Cache, text, Has(fnMatchCase));
  const size_t p = Cache.empty() ? StringView::npos : text.find(Cache);
  const bool found = Has(fnMatchStart) ? p == 0 : p != StringView::npos;
  return found && (!Has(fnMatchFull) || text == StringView(Cache));
}

TGridFinder::TBounds TGridFinder::Bounds() const {
  TBounds b{G.FixedCols(), G.ColCount() - G.FixedRightCols() - 1, G.FixedRows(),
            G.RowCount() - G.FixedFooters() - 1};
  if (Has(fnIncludeFixed)) b = {0, G.ColCount() - 1, 0, G.RowCount() - 1};
  if (Has(fnSelectedCells)) {
    const TGridRect s = G.Selection();
    b = {s.Left, s.Right, s.Top, s.Bottom};
  }
  if (Has(fnIncludeHiddenColumns)) b.C1 += G.NumHiddenColumns();
  if (Has(fnIncludeHiddenRows)) b.R1 += G.NumHiddenRows();
  const auto pin = [](int& Lo, int& Hi, int At) { Lo = Hi = At; };
  if (Has(fnFindInCurrentRow)) pin(b.R0, b.R1, G.Row());
  if (Has(fnFindInPresetRow)) pin(b.R0, b.R1, FindRow);
  if (Has(fnFindInCurrentCol)) pin(b.C0, b.C1, G.Col());
  if (Has(fnFindInPresetCol)) pin(b.C0, b.C1, FindCol);
  return b;
}

// One step on from Start inside the bounds; past the end the scan wraps.
TPoint TGridFinder::FirstCell(TPoint Start, const TBounds& B) {
  const bool back = Has(fnBackward), rows = Has(fnDirectionLeftRight);
  FWrapped = false;
  if (Start.X == -1 && Start.Y == -1) return back ? Point(B.C1, B.R1) : Point(B.C0, B.R0);
  // Inner runs along a row (row by row) or a column (column by column).
  int inner = rows ? Start.X : Start.Y, outer = rows ? Start.Y : Start.X;
  const int i0 = rows ? B.C0 : B.R0, i1 = rows ? B.C1 : B.R1, o0 = rows ? B.R0 : B.C0, o1 = rows ? B.R1 : B.C1;
  const int d = back ? -1 : 1;
  if (inner + d >= i0 && inner + d <= i1) {
    inner += d;
  } else if (outer + d >= o0 && outer + d <= o1) {
    outer += d;
    inner = back ? i1 : i0;
  } else {
    FWrapped = true;
    inner = back ? i1 : i0;
    outer = back ? o1 : o0;
  }
  return rows ? Point(inner, outer) : Point(outer, inner);
}

bool TGridFinder::Scan(TPoint From, const TBounds& B, bool Wide, TPoint& Hit) {
  const bool back = Has(fnBackward), rows = Has(fnDirectionLeftRight);
  const int d = back ? -1 : 1;
  const int i0 = rows ? B.C0 : B.R0, i1 = rows ? B.C1 : B.R1, o0 = rows ? B.R0 : B.C0, o1 = rows ? B.R1 : B.C1;
  // Pinned to the current or preset row or column, both bounds are that one.
  const int restart = back ? i1 : i0;
  int inner = rows ? From.X : From.Y;
  for (int outer = rows ? From.Y : From.X; outer >= o0 && outer <= o1; outer += d) {
    for (; inner >= i0 && inner <= i1; inner += d) {
      const int x = rows ? inner : outer, y = rows ? outer : inner;
      if (rows && G.IsIgnoredColumn(x)) continue;
      G.ExportNotification(esExportNewRow, y);
      if (MatchCell(x, y, Wide)) {
        Hit = Point(x, y);
        return true;
      }
    }
    inner = restart;
  }
  return false;
}

TPoint TGridFinder::DoFind(TPoint StartCell, const String& s, TFindParams FindParams, bool Wide) {
  Params = FindParams;
  Busy = true;
  Cache = Has(fnMatchCase) ? s : AnsiUpperCase(s);
  FWrapped = false;
  if (G.ColCount() <= G.FixedCols() || G.AllRowCount() <= G.FixedRows()) return Point(-1, -1);
  const TBounds b = Bounds();
  TPoint hit{-1, -1};
  if (!Scan(FirstCell(StartCell, b), b, Wide, hit)) {
    Busy = false;
    return hit;
  }
  SearchCell = hit;
  if (Has(fnAutoGoto)) GotoHit(hit);
  return hit;
}

void TGridFinder::GotoHit(TPoint Hit) {
  int row = Hit.Y, col = Hit.X;
  if (Has(fnIncludeHiddenRows)) {
    if (G.IsHiddenRow(row)) ExpandAround(row);
    // Parked by a filter or HideRows: the hit stands, the current cell stays.
    if (G.IsHiddenRow(row)) return;
    row = G.DisplRowIndex(row);
  }
  if (Has(fnIncludeHiddenColumns)) {
    if (G.IsHiddenColumn(col)) return;
    col = G.DisplColIndex(col);
  }
  if (G.MouseActions()->DisjunctRowSelect()) {
    G.ClearRowSelect();
    G.SetRowSelect(row, true);
    G.SetRow(row);
    return;
  }
  G.SetRow(row);
  G.SetCol(col);
}

void TGridFinder::ExpandAround(int ARealRow) {
  for (int guard = G.NumNodes(); guard >= 0 && G.IsHiddenRow(ARealRow); --guard) {
    int d = G.RealToDisplRow(ARealRow) - 1;
    while (d >= 0 && !G.IsNode(d)) --d;
    if (d < 0 || !G.GetNodeState(d)) return;
    const int span = G.GetNodeSpan(d), node = G.RealRowIndex(d);
    if (span > 0 && ARealRow > node + span - 1) return;
    G.ExpandNode(node);
  }
}
