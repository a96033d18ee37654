#pragma once
// The grid's row engine: rows parked in the hidden-row store and put back,
// gaps closed, blocks of rows moved, exchanged and removed. Rows travel as
// row objects with their heights, flags and cell controls, each change in one
// pass however many rows go or come. The grid holds one and forwards to it.
#include <functional>
#include <vector>

#include "grid/model/GridItems.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;

class TGridRowEngine {
 public:
  explicit TGridRowEngine(TAdvStringGrid& Grid) : G(Grid) {}

  // Parks the displayed rows (ascending) as items of Level; rows go out by
  // pointer and the gaps close in one pass.
  void ParkRows(std::vector<int> DisplRows, int Level);
  // Puts parked rows back at their displayed positions (ascending) in one pass.
  void RestoreRows(std::vector<TGridItemPtr> Items, const std::function<int(int Idx)>& PosOf);
  // Opens one empty row of the default height before each displayed row
  // listed (ascending, repeats allowed, RowCount appends) in one pass, ending
  // as InsertRows from the top down would: modified and enabled flags,
  // parked rows and cell controls follow, the current row keeps its index.
  // Cells change once.
  void OpenRowsBefore(const std::vector<int>& Before);
  // Two displayed rows change places as row objects, heights along.
  void ExchangeRows(int ARow1, int ARow2);
  // Count displayed rows at From end up at To; the platform grid moves the
  // cells itself (with the current cell and its row-moved hook) for one row.
  void MoveRowBlock(int From, int Count, int To, bool MoveCells);
  // The platform grid's row move step, without its OnRowMoved.
  void RowMoved(int FromIndex, int ToIndex);
  // The footer strip covers the grid's last row: no row goes under it.
  bool IsFloatingFooterRow(int ARow) const;
  // Frees what is left in the rows, renumbers the store, closes the gap.
  void RemoveRowSpan(int RowIndex, int RCount, bool AllLists, bool ParkWhenOutside,
                     bool Renumber = true);
  // The displayed rows listed (ascending, distinct) go in one pass, ending as
  // one-by-one removals from the bottom up would: records freed, parked rows
  // renumbered, flags, heights, controls, current and top row; AllLists also
  // drops their modified and enabled flags. Cells change once.
  void RemoveRowList(const std::vector<int>& DisplRows, bool AllLists);
  // Controls in the removed rows go; those below move up with their rows.
  void DropControlsOfRows(int RowIndex, int RCount);
  void ShiftControlRows(int FromRealRow, int Delta);
  // After a span change of the platform grid: the count's own bookkeeping.
  void RowCountChanged();

 private:
  void CloseRowGaps(const std::vector<int>& DisplRows);
  void RaiseForOpenedRows(const std::vector<int>& Before);
  void MoveRowCells(int From, int To);
  void ShowControlsOfShownRows();
  void PlaceCurrentRowAfterRemoval(int OldRow, int OldTop, bool ParkWhenOutside);
  void DropControlsOfRowList(const std::vector<int>& DisplRows);
  int CurrentRowAfterRemovals(const std::vector<int>& DisplRows) const;

  TAdvStringGrid& G;
};

// The rectangle of RCount whole rows from RowIndex, as CellsChanged takes it.
TRect RowsRect(const TAdvStringGrid& Grid, int RowIndex, int RCount);
