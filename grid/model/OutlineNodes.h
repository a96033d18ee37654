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
  // Every shown node is opened and taken away in one pass.
  void RemoveAllNodes();
  void ContractNode(int ARow);
  void ExpandNode(int ARow);
  void ContractAll();
  void ExpandAll();
  // The node rows that exist: counted again after rows or cells were freed.
  int NumNodes() const;
  void NodesMayBeGone() {
    if (FNumNodes > 0) FCountStale = true;
  }
  // Rows of a filter level about to come back that lie inside contracted
  // blocks stay parked with the outline.
  void KeepClosedBlocksParked(int Level);

  void InsertNormalRow(int ARow);
  void InsertChildRow(int ARow, int InsertAt);
  void RemoveChildRow(int ARow);

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
  // Takes the node off a displayed row and lowers the levels of its block.
  void DropNode(int ADisplRow);
  int CountNodes() const;
  // The real rows of the node row holding the displayed row and of its
  // ancestors, innermost first; a node row holds itself.
  std::vector<int> NodeChain(int ADisplRow);
  // The node row's span and sub-node count change by Delta (spans stay
  // above 0 when lowered).
  void GrowNode(int ARealRow, int Delta);
  void MoveNodeRowCells(int ANodeRow, int ToRow);

  TAdvStringGrid& G;
  mutable int FNumNodes = 0;
  mutable bool FCountStale = false;
};
