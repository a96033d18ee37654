// Rows inserted into and removed from the outline. The grid's own row
// insertion and removal renumber the parked rows; the nodes only keep their
// spans, sub-node counts and levels.
#include "grid/model/AdvStringGridPrivate.h"

std::vector<int> TOutlineNodes::NodeChain(int ADisplRow) {
  std::vector<int> chain;
  int p = G.IsNode(ADisplRow) ? ADisplRow : G.GetParentRow(ADisplRow);
  while (p >= 0) {
    chain.push_back(G.RealRowIndex(p));
    const int level = G.GetNodeLevel(p);
    if (level <= 1) break;
    const int q = G.GetParentRow(p);
    if (q < 0 || q == p || G.GetNodeLevel(q) >= level) break;
    p = q;
  }
  return chain;
}

void TOutlineNodes::GrowNode(int ARealRow, int Delta) {
  TCellGraphic* g = G.GetCellGraphic(0, G.DisplRowIndex(ARealRow));
  if (Delta < 0 && g->CellIndex() <= 1) return;
  g->SetCellIndex(g->CellIndex() + Delta);
  g->SetCellErrFrom(g->CellErrFrom() + Delta);
}

// At the real row count the row is added at the end.
void TOutlineNodes::InsertNormalRow(int ARow) {
  const int d = ARow == G.AllRowCount() ? G.RowCount() : ShownRow(ARow);
  if (d >= 0) G.InsertRows(d, 1, true);
}

void TOutlineNodes::InsertChildRow(int ARow, int InsertAt) {
  const int d = ShownRow(ARow);
  if (d < 0 || InsertAt < 0 || d + InsertAt > G.RowCount()) return;
  const std::vector<int> chain = NodeChain(d);
  for (int r : chain) {
    GrowNode(r, 1);
    ExpandShown(true, r);
  }
  const bool onNode = InsertAt == 0 && G.IsNode(d);
  const int at = onNode ? d + 1 : d + InsertAt;
  G.InsertRows(at, 1, true);
  if (onNode) MoveNodeRowCells(d, at);
  if (!chain.empty()) {
    const int level = G.PropsOrNil(0, G.DisplRowIndex(chain.front()))->NodeLevel();
    G.PropsForWrite(0, at).SetNodeLevel(level);
  }
}

// The node stays behind in column 0 with the row's own properties.
void TOutlineNodes::MoveNodeRowCells(int ANodeRow, int ToRow) {
  for (int c = 0; c < G.ColCount(); ++c) {
    const int a = G.RealColIndex(c);
    G.SetGridCell(a, ToRow, G.GridCells(a, ANodeRow));
    G.SetGridCell(a, ANodeRow, String());
    if (c == 0) continue;
    G.SetGridObject(a, ToRow, G.GridObjects(a, ANodeRow));
    G.SetGridObject(a, ANodeRow, nullptr);
  }
  G.CellsChanged(TRect{0, ANodeRow, G.ColCount() - 1, ToRow});
}

void TOutlineNodes::RemoveChildRow(int ARow) {
  const int d = ShownRow(ARow);
  if (d < 0) return;
  for (int r : NodeChain(d)) {
    GrowNode(r, -1);
    ExpandShown(true, r);
  }
  G.DeleteRows(G.DisplRowIndex(ARow), 1);
}
