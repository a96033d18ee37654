#include "grid/model/OutlineNodes.h"

#include <algorithm>

#include "grid/base/CellNode.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"

namespace {
bool InAny(const std::vector<std::pair<int, int>>& Blocks, int Idx) {
  auto it = std::upper_bound(Blocks.begin(), Blocks.end(), Idx,
                             [](int i, const std::pair<int, int>& b) { return i < b.first; });
  return it != Blocks.begin() && Idx <= std::prev(it)->second;
}
}  // namespace

int TOutlineNodes::ShownRow(int ARow) const {
  if (ARow < 0 || ARow >= G.AllRowCount() || G.IsHiddenRow(ARow)) return -1;
  return G.DisplRowIndex(ARow);
}

TCellGraphic* TOutlineNodes::ClosedNodeAt(int ARealRow) const {
  TCellGraphic* g = G.FGraphics->AtRealRow(0, ARealRow);
  return g && g->CellType() == ctNode && g->CellBoolean() ? g : nullptr;
}

void TOutlineNodes::KeepClosedBlocksParked(int Level) {
  if (NumNodes() == 0) return;
  std::vector<std::pair<int, int>> blocks;
  auto add = [&](int r, const TCellGraphic& g) {
    if (g.CellIndex() > 1) blocks.emplace_back(r + 1, r + g.CellIndex() - 1);
  };
  for (int d = G.FixedRows(); d < G.RowCount(); ++d) {
    if (G.GetNodeState(d)) add(G.RealRowIndex(d), *G.GetCellGraphic(0, d));
  }
  for (int i = 0; i < G.FGridItems.Count(); ++i) {
    const TGridItem& I = *G.FGridItems.Item(i);
    if (I.Level() != Level) continue;
    if (const TCellGraphic* g = ClosedNodeAt(I.Idx())) add(I.Idx(), *g);
  }
  std::sort(blocks.begin(), blocks.end());
  for (int i = 0; i < G.FGridItems.Count(); ++i) {
    TGridItem& I = *G.FGridItems.Item(i);
    if (I.Level() == Level && InAny(blocks, I.Idx())) I.SetLevel(0);
  }
}

std::pair<int, int> TOutlineNodes::BlockOf(int ADisplRow) const {
  const int first = G.RealRowIndex(ADisplRow) + 1;
  const int span = G.GetNodeSpan(ADisplRow);
  if (span > 0) return {first, first + span - 2};
  int next = ADisplRow + 1;
  while (next < G.RowCount() && !G.IsNode(next)) ++next;
  return {first, (next < G.RowCount() ? G.RealRowIndex(next) : G.AllRowCount()) - 1};
}

void TOutlineNodes::AddNode(int ARow, int Span) {
  const int a = ShownRow(ARow);
  if (a < 0 || Span < 0) return;
  TCellGraphic* g = G.CreateCellGraphic(0, a);
  g->SetCellType(ctNode);
  g->SetCellBoolean(false);
  g->SetCellIndex(Span);
  g->SetCellErrFrom(0);
  g->SetCellAngle(a);
  g->SetCellHAlign(haBeforeText);
  g->SetCellVAlign(vaCenter);
  g->SetCellVar(-1);
  for (int r = a; r < std::min(a + Span, G.RowCount()); ++r) {
    TCellProperties& p = G.PropsForWrite(0, r);
    p.SetNodeLevel(p.NodeLevel() + 1);
  }
  if (NumNodes() == 0) G.Invalidate();
  ++FNumNodes;
  if (G.Col() == 0 && G.ColCount() > 1) G.SetCol(1);
}

void TOutlineNodes::RemoveNode(int ARow) {
  const int d = ShownRow(ARow);
  if (!G.IsNode(d)) return;
  ExpandShown(true, ARow);
  DropNode(d);
  G.Invalidate();
}

void TOutlineNodes::DropNode(int ADisplRow) {
  const int left = std::max(NumNodes() - 1, 0);
  const int last = BlockOf(ADisplRow).second;
  for (int r = ADisplRow; r < G.RowCount() && G.RealRowIndex(r) <= last; ++r) {
    if (TCellProperties* p = G.PropsOrNil(0, r)) p->SetNodeLevel(std::max(p->NodeLevel() - 1, 0));
  }
  G.RemoveCellGraphic(0, ADisplRow);
  FNumNodes = left;
}

void TOutlineNodes::RemoveAllNodes() {
  G.BeginUpdate();
  while (ExpandShown(false, -1)) {
  }
  for (int d = 0; d < G.RowCount(); ++d) {
    if (G.IsNode(d)) DropNode(d);
  }
  G.EndUpdate();
  G.Invalidate();
}

int TOutlineNodes::NumNodes() const {
  if (FCountStale) {
    FNumNodes = CountNodes();
    FCountStale = false;
  }
  return FNumNodes;
}

int TOutlineNodes::CountNodes() const {
  auto isNode = [](const TCellGraphic* g) { return g && g->CellType() == ctNode; };
  int n = 0;
  for (int d = 0; d < G.RowCount(); ++d) n += isNode(G.FGraphics->Own(0, d));
  for (int i = 0; i < G.FGridItems.Count(); ++i) n += isNode(G.FGraphics->AtRealRow(0, G.FGridItems.Item(i)->Idx()));
  return n;
}

void TOutlineNodes::ContractNode(int ARow) {
  if (G.EditorMode()) G.HideEditor();
  const int a = ShownRow(ARow);
  if (!G.IsNode(a) || G.GetNodeState(a)) return;
  G.GetCellGraphic(0, a)->SetCellBoolean(true);
  const auto [first, last] = BlockOf(a);
  // Contracted nodes inside, parked by a filter too, come back open with
  // the outer block; their parked rows already lie in its real range.
  for (int r = first; r <= last; ++r) {
    if (TCellGraphic* g = ClosedNodeAt(r)) g->SetCellBoolean(false);
  }
  G.HideRows(first, last);
  G.CalcFooter(-1);
}

void TOutlineNodes::ContractOthers(int ARealRow) {
  for (int r = G.FixedRows(); r < G.RowCount(); ++r) {
    if (!G.IsNode(r) || G.GetNodeState(r)) continue;
    const auto [first, last] = BlockOf(r);
    if (ARealRow < first - 1 || ARealRow > last) ContractNode(G.RealRowIndex(r));
  }
}

// The current and top row stay where they were under row selection.
void TOutlineNodes::ExpandNode(int ARow) {
  if (!G.GetNodeState(ShownRow(ARow))) return;
  if (G.CellNode()->ExpandOne()) ContractOthers(ARow);
  const int oldRow = G.Row(), oldTop = G.TopRow();
  TMouseActions& mouse = *G.MouseActions();
  const bool disjunct = mouse.DisjunctRowSelectDirect();
  mouse.SetDisjunctRowSelectDirect(false);
  const bool rowSelect = G.Options().Contains(goRowSelect);
  if (rowSelect) G.SetOptions(G.Options() - TGridOptions{goRowSelect});
  const bool update = G.FState->ControlList.Count() == 0;
  if (update) G.BeginUpdate();
  ExpandShown(true, ARow);
  if (rowSelect) {
    G.SetOptions(G.Options() + TGridOptions{goRowSelect});
    if (oldRow < G.RowCount()) G.MoveCurrent(G.Col(), oldRow, true, false);
    G.SetTopRow(oldTop);
  }
  mouse.SetDisjunctRowSelectDirect(disjunct);
  if (update) G.EndUpdate();
  G.CalcFooter(-1);
}

bool TOutlineNodes::ExpandShown(bool OnlyThis, int ARealRow) {
  std::vector<std::pair<int, int>> blocks;
  auto open = [&](int r) {
    if (!G.GetNodeState(r)) return;
    G.GetCellGraphic(0, r)->SetCellBoolean(false);
    blocks.push_back(BlockOf(r));
  };
  if (OnlyThis) {
    open(G.DisplRowIndex(ARealRow));
  } else {
    for (int r = G.FixedRows(); r < G.RowCount(); ++r) open(r);
  }
  if (blocks.empty()) return false;
  G.UnHideRowsWhere([&blocks](const TGridItem& I) { return I.Level() == 0 && InAny(blocks, I.Idx()); });
  return true;
}

void TOutlineNodes::ExpandAll() {
  G.BeginUpdate();
  // A block put back may hold nodes still flagged contracted.
  while (ExpandShown(false, -1)) {
  }
  Finish();
}

void TOutlineNodes::ContractAll() {
  G.BeginUpdate();
  while (ExpandShown(false, -1)) {
  }
  std::vector<int> rows;
  for (int r = G.FixedRows(); r < G.RowCount(); ++r) {
    if (!G.IsNode(r)) continue;
    G.GetCellGraphic(0, r)->SetCellBoolean(true);
    const int last = BlockOf(r).second;
    while (r + 1 < G.RowCount() && G.RealRowIndex(r + 1) <= last) rows.push_back(++r);
  }
  if (G.EditorMode()) G.HideEditor();
  G.FRows->ParkRows(std::move(rows), 0);
  Finish();
}

void TOutlineNodes::Finish() {
  G.EndUpdate();
  G.CalcFooter(-1);
}
