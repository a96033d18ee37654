#pragma once
// Grouping the grid's rows on the values of a column: header rows made
// outline nodes over the runs of equal values, optional summary rows, the
// grouped column taken out, and a second level of sub-groups inside. Every
// change of the layout opens or removes all its rows in one pass.
#include <vector>

#include "platform/sys/String.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;
class TParkedRowsShown;

class TRowGrouping {
 public:
  explicit TRowGrouping(TAdvStringGrid& Grid) : G(Grid) {}

  void Group(int ColIndex);
  void UnGroup();
  void SubGroup(int ColIndex);
  void SubUnGroup(int ColIndex);
  bool IsGrouping() const { return FIsGrouping; }
  int SubGroupColumn() const { return FSub.Column; }

 private:
  // What a grouped column showed, for ungrouping.
  struct TTakenColumn {
    int Column = -1;
    int Width = 0;
    String Caption;
    String Footer;
  };
  struct TLook {
    TColor Color, ColorTo, TextColor;
  };
  // A run of equal values inside a group, before its header opens.
  struct TRun {
    int First;   // its first data row
    int Count;   // its data rows
    int Parent;  // the group's node row once the headers are open; -1: none
  };
  TTakenColumn Take(int ColIndex, bool Display);
  // The first displayed row of each run of equal texts in the column among
  // the data rows.
  std::vector<int> RunStarts(int ColIndex) const;
  void BuildGroups(int ColIndex, const std::vector<int>& Starts);
  void EndGroup();
  std::vector<TRun> SubGroupRuns(int ColIndex);
  void MakeSubGroup(int ColIndex, int H, int Count, int Parent);
  std::vector<int> UnGroupRows(int ColIndex);
  std::vector<int> SubUnGroupRows(int ColIndex, const TParkedRowsShown& Parked);
  // Removes the displayed rows (ascending) from the grid and from the parked rows.
  void RemoveRows(const std::vector<int>& Rows, TParkedRowsShown& Parked);
  void EndUnGroup(bool ExpandOne, TParkedRowsShown& Parked);
  TLook HeaderLook() const;
  TLook SummaryLook() const;
  void SetRowLook(int ARow, const TLook& Look);
  void SetCellLook(int ACol, int ARow, const TLook& Look);
  void MergeRowWithLook(int FromCol, int ARow, const TLook& Look);
  int DataEnd() const;

  TAdvStringGrid& G;
  TTakenColumn FMain;
  TTakenColumn FSub;
  bool FIsGrouping = false;
};
