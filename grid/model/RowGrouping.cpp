// Grouping and ungrouping: the header and summary rows open in one pass
// between the sorted rows, and go again in one pass.
#include "grid/model/RowGrouping.h"

#include "grid/base/CellNode.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/Grouping.h"
#include "grid/model/ParkedRowsShown.h"
#include "grid/model/SearchPanel.h"
#include "grid/model/SortSettings.h"

namespace {

// The header's text column, counted while the grouped column is still there.
int GroupTextColumn(int GroupColumn) { return GroupColumn == 1 ? 2 : 1; }

}  // namespace

TRowGrouping::TTakenColumn TRowGrouping::Take(int ColIndex, bool Display) {
  TTakenColumn taken;
  taken.Column = ColIndex;
  taken.Width = G.ColWidths(ColIndex);
  auto text = [&](int r) { return Display ? G.Cells(ColIndex, r) : G.GridCells(ColIndex, r); };
  if (G.FixedRows() > 0) taken.Caption = text(0);
  if (G.FixedFooters() > 0) taken.Footer = text(G.RowCount() - 1);
  return taken;
}

int TRowGrouping::DataEnd() const { return G.RowCount() - G.FixedFooters(); }

TRowGrouping::TLook TRowGrouping::HeaderLook() const {
  const TGrouping& s = *G.Grouping();
  return {s.HeaderColor(), s.HeaderColorTo(), s.HeaderTextColor()};
}

TRowGrouping::TLook TRowGrouping::SummaryLook() const {
  const TGrouping& s = *G.Grouping();
  return {s.SummaryColor(), s.SummaryColorTo(), s.SummaryTextColor()};
}

void TRowGrouping::SetRowLook(int ARow, const TLook& Look) {
  if (Look.Color != clNone) G.SetRowColor(ARow, Look.Color);
  if (Look.ColorTo != clNone) G.SetRowColorTo(ARow, Look.ColorTo);
  if (Look.TextColor != clNone) G.SetRowFontColor(ARow, Look.TextColor);
}

void TRowGrouping::SetCellLook(int ACol, int ARow, const TLook& Look) {
  if (Look.Color != clNone) G.SetColors(ACol, ARow, Look.Color);
  if (Look.ColorTo != clNone) G.SetColorsTo(ACol, ARow, Look.ColorTo);
  if (Look.TextColor != clNone) G.SetFontColors(ACol, ARow, Look.TextColor);
}

// Cells FromCol .. the last column become one, with the look on its base cell.
void TRowGrouping::MergeRowWithLook(int FromCol, int ARow, const TLook& Look) {
  if (FromCol >= G.ColCount()) return;
  G.MergeCells(FromCol, ARow, G.ColCount() - FromCol, 1);
  SetCellLook(FromCol, ARow, Look);
}

std::vector<int> TRowGrouping::RunStarts(int ColIndex) const {
  std::vector<int> starts;
  const String* previous = nullptr;
  for (int r = G.FixedRows(); r < DataEnd(); ++r) {
    const String& text = G.GridCells(ColIndex, r);
    if (!previous || text != *previous) starts.push_back(r);
    previous = &text;
  }
  return starts;
}

void TRowGrouping::Group(int ColIndex) {
  if (!G.IsGroupableColumn(ColIndex)) return;
  if (G.FGroupColumn > 0) G.UnGroup();
  if (DataEnd() <= G.FixedRows()) return;
  G.BeginUpdate();
  FIsGrouping = true;
  try {
    G.FGroupColumn = ColIndex;
    FMain = Take(ColIndex, false);
    if (G.SortSettings()->AutoSortForGrouping()) {
      G.SortSettings()->SetColumn(ColIndex);
      G.QSort();
    }
    BuildGroups(ColIndex, RunStarts(ColIndex));
  } catch (...) {
    EndGroup();
    throw;
  }
  EndGroup();
}

// Group g's header opens before its first row, the summary of the group
// before it ahead of that, and the last summary before the footers.
void TRowGrouping::BuildGroups(int ColIndex, const std::vector<int>& Starts) {
  const TGrouping& s = *G.Grouping();
  const bool summary = s.Summary();
  const int end = DataEnd();
  std::vector<int> before;
  for (size_t g = 0; g < Starts.size(); ++g) {
    if (g > 0 && summary) before.push_back(Starts[g]);
    before.push_back(Starts[g]);
  }
  if (summary) before.push_back(end);
  G.FRows->OpenRowsBefore(before);
  const int opened = summary ? 2 : 1;
  std::vector<int> headers, summaries;
  for (size_t g = 0; g < Starts.size(); ++g) {
    const int h = Starts[g] + static_cast<int>(g) * opened;
    const int rows = (g + 1 < Starts.size() ? Starts[g + 1] : end) - Starts[g];
    G.SetGridCells(GroupTextColumn(ColIndex), h, String(G.GridCells(ColIndex, h + 1)));
    if (!s.MergeHeader()) SetRowLook(h, HeaderLook());
    G.AddNode(G.RealRowIndex(h), rows + 1);
    headers.push_back(h);
    if (!summary) continue;
    G.AddSummaryRow(G.RealRowIndex(h + rows + 1));
    if (!s.MergeSummary()) SetRowLook(h + rows + 1, SummaryLook());
    summaries.push_back(h + rows + 1);
  }
  G.RemoveCols(ColIndex, 1);
  // The sort scattered the rows in memory: walks over the groups read in order again.
  G.Store().PackInRowOrder();
  if (s.MergeHeader()) {
    for (int h : headers) MergeRowWithLook(1, h, HeaderLook());
  }
  if (s.MergeSummary()) {
    for (int r : summaries) MergeRowWithLook(1, r, SummaryLook());
  }
  if (G.CellNode()->ExpandOne()) {
    G.ContractAll();
    G.ExpandNode(G.RealRowIndex(headers.front()));
  }
  if (G.Col() >= G.ColCount()) G.SetCol(G.FixedCols());
  G.SetRow(G.FixedRows());
}

void TRowGrouping::EndGroup() {
  FIsGrouping = false;
  G.EndUpdate();
  // The footer lays itself out again on a size change.
  TSearchPanel* panel = G.SearchPanel();
  if (panel && G.SearchFooter()->Visible()) {
    panel->SetWidth(panel->Width() + 1);
    panel->SetWidth(panel->Width() - 1);
  }
}

void TRowGrouping::UnGroup() {
  const int column = G.FGroupColumn;
  if (column <= 0) return;
  if (FSub.Column >= 0) G.SubUnGroup(FSub.Column);
  TCellNode& node = *G.CellNode();
  const bool expandOne = node.ExpandOne();
  node.SetExpandOne(false);
  G.ExpandAll();
  G.BeginUpdate();
  FIsGrouping = true;
  // The headers hold the only copy of the values of parked rows too.
  TParkedRowsShown parked(G, *G.FRows);
  try {
    G.InsertCols(column, 1);
    G.SetColWidths(column, FMain.Width);
    if (G.FixedRows() > 0) G.SetGridCells(column, 0, FMain.Caption);
    if (G.FixedFooters() > 0) G.SetGridCells(column, G.RowCount() - 1, FMain.Footer);
    RemoveRows(UnGroupRows(column), parked);
    G.FGroupColumn = -1;
  } catch (...) {
    EndUnGroup(expandOne, parked);
    throw;
  }
  EndUnGroup(expandOne, parked);
}

void TRowGrouping::RemoveRows(const std::vector<int>& Rows, TParkedRowsShown& Parked) {
  G.FRows->RemoveRowList(Rows, false);
  Parked.Removed(Rows);
}

// Each data row gets its group's value back; the header and summary rows
// are listed for removal. A summary is only taken where one is: the first
// after the group's span, which a row parked when the groups were made may
// have pushed down.
std::vector<int> TRowGrouping::UnGroupRows(int ColIndex) {
  std::vector<int> gone;
  String value;
  int summaryFrom = -1;
  for (int r = G.FixedRows(); r < DataEnd(); ++r) {
    if (G.IsNode(r)) {
      const int span = G.GetNodeSpan(r);
      summaryFrom = span > 0 ? r + span : -1;
      value = G.GridCells(GroupTextColumn(ColIndex), r);
      G.RemoveNode(G.RealRowIndex(r));
      gone.push_back(r);
    } else if (summaryFrom >= 0 && r >= summaryFrom && G.IsSummary(r)) {
      summaryFrom = -1;
      gone.push_back(r);
    } else {
      G.SetGridCells(ColIndex, r, value);
    }
  }
  return gone;
}

void TRowGrouping::EndUnGroup(bool ExpandOne, TParkedRowsShown& Parked) {
  Parked.ParkAgain();
  FIsGrouping = false;
  G.CellNode()->SetExpandOne(ExpandOne);
  G.EndUpdate();
  G.Invalidate();
}
