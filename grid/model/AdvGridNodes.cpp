// The grid's outline node methods: the row work is done by its outline;
// the node fields are read and written here.
#include <algorithm>

#include "grid/base/CellNode.h"
#include "grid/base/MouseActions.h"
#include "grid/model/AdvStringGridPrivate.h"

void TAdvStringGrid::AddNode(int ARow, int Span) { FNodes->AddNode(ARow, Span); }
void TAdvStringGrid::RemoveNode(int ARow) { FNodes->RemoveNode(ARow); }
void TAdvStringGrid::RemoveAllNodes() { FNodes->RemoveAllNodes(); }
void TAdvStringGrid::ContractNode(int ARow) { FNodes->ContractNode(ARow); }
void TAdvStringGrid::ExpandNode(int ARow) { FNodes->ExpandNode(ARow); }
void TAdvStringGrid::ContractAll() { FNodes->ContractAll(); }
void TAdvStringGrid::ExpandAll() { FNodes->ExpandAll(); }
int TAdvStringGrid::NumNodes() const { return FNodes->NumNodes(); }
void TAdvStringGrid::InsertNormalRow(int ARow) { FNodes->InsertNormalRow(ARow); }
void TAdvStringGrid::InsertChildRow(int ARow, int InsertAt) { FNodes->InsertChildRow(ARow, InsertAt); }
void TAdvStringGrid::RemoveChildRow(int ARow) { FNodes->RemoveChildRow(ARow); }

void TAdvStringGrid::AddSummaryRow(int ARow) {
  if (ARow < 0 || ARow >= AllRowCount() || IsHiddenRow(ARow)) return;
  CreateCellGraphic(0, DisplRowIndex(ARow))->SetCellType(ctSummary);
}

void TAdvStringGrid::SetNodeState(int ARow, bool Value) {
  if (!IsNode(ARow) || GetNodeState(ARow) == Value) return;
  if (Value)
    ContractNode(RealRowIndex(ARow));
  else
    ExpandNode(RealRowIndex(ARow));
}

void TAdvStringGrid::SetNodeSpan(int ARow, int Span) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->SetCellIndex(Span);
}

void TAdvStringGrid::UpdateNodeSpan(int ARow, int Delta) {
  if (IsNode(ARow)) SetNodeSpan(ARow, GetNodeSpan(ARow) + Delta);
}

int TAdvStringGrid::GetSubNodeCount(int ARow) {
  return IsNode(ARow) ? GetCellGraphic(0, ARow)->CellErrFrom() : 0;
}

void TAdvStringGrid::UpdateSubNodeCount(int ARow, int Delta) {
  if (IsNode(ARow)) GetCellGraphic(0, ARow)->SetCellErrFrom(GetSubNodeCount(ARow) + Delta);
}

int TAdvStringGrid::GetNodeSpanType(int ARow) {
  if (IsNode(ARow)) return 0;
  const TCellProperties* own = PropsOrNil(0, ARow);
  const int level = own ? own->NodeLevel() : 0;
  if (ARow + 1 < RowCount() - FFixedFooters) {
    const TCellProperties* next = PropsOrNil(0, ARow + 1);
    if (next && next->NodeLevel() >= level) return 2;
  }
  return 1;
}

namespace {

struct TGlyphExtent {
  int Margin, Right;
};

TGlyphExtent NodeGlyphExtent(TCellNode& Node) {
  const int glyph = Node.ExpandGlyph()->Empty() ? 0 : Node.ExpandGlyph()->Width();
  switch (Node.NodeType()) {
    case cnFlat:
    case cnXP:
      return {4, 4};
    case cn3D:
      return {0, 6};
    case cnGlyph:
      return {glyph > 0 ? 2 : 0, glyph / 2};
    case cnLeaf:
      return {2, 8};
  }
  return {0, 0};
}

}  // namespace

bool TAdvStringGrid::IsInNodeGlyph(int ARow, int X) {
  if (!FMouseActions->PreciseNodeClick()) return true;
  const TCellProperties* props = PropsOrNil(0, ARow);
  const int level = props ? props->NodeLevel() : 0;
  const int indent = FCellNode->NodeIndent();
  const TGlyphExtent e = NodeGlyphExtent(*FCellNode);
  if (!UseRightToLeftAlignment()) return e.Margin + (level - 1) * indent < X && X < e.Right + level * indent;
  const bool rowsFit = VisibleRowCount() + FixedRows() >= RowCount();
  const int bar = rowsFit ? 0 : ScrollBarThickness();
  const int w = Width();
  return w - level * indent - e.Right - 2 <= X + bar && X + bar < w - (level - 1) * indent;
}

int TAdvStringGrid::GetRowIndent(int ARow) {
  if (!HasNodes() || ARow < 0) return 0;
  const TCellProperties* props = PropsOrNil(0, ARow);
  return props ? props->NodeLevel() * FCellNode->NodeIndent() : 0;
}
