#pragma once
// The grid's text search: the scan over a range of cells in the order the
// parameters ask, the cell test, and what the last scan left for the next
// one (parameters, search text, hit).
#include "grid/model/AdvGridEvents.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;

class TGridFinder {
 public:
  explicit TGridFinder(TAdvStringGrid& Grid) : G(Grid) {}

  // The next hit after StartCell ((-1, -1): from the first cell); (-1, -1) when none.
  TPoint DoFind(TPoint StartCell, const String& s, TFindParams Params, bool Wide);
  bool MatchCell(int ACol, int ARow, bool Wide);
  // The last scan began by wrapping past the end of its range.
  bool Wrapped() const { return FWrapped; }

  TFindParams Params;
  String Cache;
  TPoint SearchCell{-1, -1};
  bool Busy = false;
  int FindCol = 0;
  int FindRow = 0;

 private:
  struct TBounds {
    int C0, C1, R0, R1;
  };
  TBounds Bounds() const;
  TPoint FirstCell(TPoint Start, const TBounds& B);
  bool Scan(TPoint From, const TBounds& B, bool Wide, TPoint& Hit);
  void GotoHit(TPoint Hit);
  // Expands the contracted nodes around a parked real row.
  void ExpandAround(int ARealRow);
  bool Has(TFindParameters P) const { return Params.Contains(P); }

  TAdvStringGrid& G;
  bool FWrapped = false;
};
