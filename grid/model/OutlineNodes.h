#pragma once
// The outline: node rows heading blocks of the rows below them, contracted
// into the hidden-row store and expanded back. Parked node rows are level-0
// items, so filter levels added and taken back never touch them. Rows given
// here are real rows.
#include <utility>
#include <vector>

class TAdvStringGrid;
class TCellGraphic;

class TOutlineNodes {
 public:
  explicit TOutlineNodes(TAdvStringGrid& Grid) : G(Grid) {}

  void AddNode(int ARow, int Span);
  void RemoveNode(int ARow);
  void ContractNode(int ARow);
  void ExpandNode(int ARow);
  void ContractAll();
  void ExpandAll();
  int NumNodes() const { return FNumNodes; }
  // Rows of a filter level about to come back that lie inside contracted
  // blocks stay parked with the outline.
  void KeepClosedBlocksParked(int Level);

 private:
  // The displayed index of a shown real row, else -1.
  int ShownRow(int ARow) const;
  TCellGraphic* ClosedNodeAt(int ARealRow) const;
  // The real rows a displayed node row heads, itself excluded.
  std::pair<int, int> BlockOf(int ADisplRow) const;
  // Shown contracted nodes are flagged expanded and their blocks come back
  // in one pass; answers whether any did.
  bool ExpandShown(bool OnlyThis, int ARealRow);
  void ContractOthers(int ARealRow);
  void Finish();

  TAdvStringGrid& G;
  int FNumNodes = 0;
};
