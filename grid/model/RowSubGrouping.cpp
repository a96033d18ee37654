// Sub-groups inside the groups: a child header row opens before each run of
// equal values of a column, all in one pass, and the values move into the
// headers; taking them out again is one pass too.
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/Grouping.h"
#include "grid/model/ParkedRowsShown.h"
#include "grid/model/RowGrouping.h"

void TRowGrouping::SubGroup(int ColIndex) {
  if (G.FGroupColumn <= 0 || !G.IsGroupableColumn(ColIndex)) return;
  if (FSub.Column >= 0) G.SubUnGroup(FSub.Column);
  // Contracted groups would keep their rows out of the sub-groups.
  G.ExpandAll();
  G.BeginUpdate();
  try {
    FSub = Take(ColIndex, true);
    const std::vector<TRun> runs = SubGroupRuns(ColIndex);
    std::vector<int> before;
    for (const TRun& run : runs) before.push_back(run.First);
    G.FRows->OpenRowsBefore(before);
    for (size_t j = 0; j < runs.size(); ++j) MakeSubGroup(ColIndex, runs[j].First + static_cast<int>(j), runs[j].Count, runs[j].Parent);
    G.SetRow(G.FixedRows());
  } catch (...) {
    G.EndUpdate();
    throw;
  }
  G.EndUpdate();
}

// Node and summary rows end a run; a group's node row will have moved down
// by the headers opened above it.
std::vector<TRowGrouping::TRun> TRowGrouping::SubGroupRuns(int ColIndex) {
  std::vector<TRun> runs;
  const String* previous = nullptr;
  int parent = -1;
  for (int r = G.FixedRows(); r < DataEnd(); ++r) {
    if (G.IsNode(r) || G.IsSummary(r)) {
      parent = G.IsNode(r) ? r + static_cast<int>(runs.size()) : -1;
      previous = nullptr;
      continue;
    }
    const String& text = G.GridCells(ColIndex, r);
    if (!previous || text != *previous) runs.push_back({r, 0, parent});
    ++runs.back().Count;
    previous = &text;
  }
  return runs;
}

// The header at H takes the run's value and heads its Count rows, one level
// below the group's node row, which grows by the header.
void TRowGrouping::MakeSubGroup(int ColIndex, int H, int Count, int Parent) {
  G.SetGridCells(ColIndex + 1, H, String(G.GridCells(ColIndex, H + 1)));
  for (int r = H + 1; r <= H + Count; ++r) G.SetGridCells(ColIndex, r, String());
  if (G.Grouping()->MergeHeader())
    MergeRowWithLook(ColIndex + 1, H, HeaderLook());
  else
    SetRowLook(H, HeaderLook());
  if (Parent >= 0) {
    G.UpdateNodeSpan(Parent, 1);
    G.UpdateSubNodeCount(Parent, 1);
    G.PropsForWrite(0, H).SetNodeLevel(G.GetNodeLevel(Parent));
  }
  G.AddNode(G.RealRowIndex(H), Count + 1);
  G.GetCellGraphic(0, H)->SetCellVar(ColIndex);
}

void TRowGrouping::SubUnGroup(int ColIndex) {
  G.ExpandAll();
  G.BeginUpdate();
  TParkedRowsShown parked(G, *G.FRows);
  auto finish = [&] {
    parked.ParkAgain();
    G.EndUpdate();
  };
  try {
    RemoveRows(SubUnGroupRows(ColIndex, parked), parked);
    if (ColIndex == FSub.Column) FSub = TTakenColumn();
  } catch (...) {
    finish();
    throw;
  }
  finish();
}

// Each data row gets its sub-group's value back and the sub-headers are
// listed for removal. The sub-groups emptied the cells of the rows shown
// then: a parked row whose cell holds a text was not among them and keeps it.
std::vector<int> TRowGrouping::SubUnGroupRows(int ColIndex, const TParkedRowsShown& Parked) {
  std::vector<int> gone;
  String value;
  int group = -1;
  for (int r = G.FixedRows(); r < DataEnd(); ++r) {
    if (G.IsSummary(r)) continue;
    if (!G.IsNode(r)) {
      if (!Parked.Held(r) || G.GridCells(ColIndex, r).empty()) G.SetGridCells(ColIndex, r, value);
      continue;
    }
    if (G.GetCellGraphic(0, r)->CellVar() != ColIndex) {
      group = r;
      value.clear();
      continue;
    }
    value = G.GridCells(ColIndex + 1, r);
    if (group >= 0 && G.GetNodeSpan(group) > 1) {
      G.UpdateNodeSpan(group, -1);
      G.UpdateSubNodeCount(group, -1);
    }
    G.RemoveNode(G.RealRowIndex(r));
    gone.push_back(r);
  }
  return gone;
}
