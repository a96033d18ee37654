#pragma once
// Sorting the grid's rows in place: the cell comparison by sort style, the
// guarded partition over displayed rows with the pivot in a scratch row, and
// the sort runs (single column, indexed, inside outline groups, undone).
// Rows move as row objects through the grid's SortSwapRows. During a run each
// compared cell is read once: its text and the facts drawn from it are kept
// per row, and follow the rows through the swaps.
#include <functional>
#include <memory>
#include <vector>

#include "grid/base/IntList.h"
#include "platform/sys/String.h"

class TAdvStringGrid;
class TSortKeyCache;
struct TSortColumn;
class TSortKey;
class TSortFastColumn;

class TGridSorter {
 public:
  explicit TGridSorter(TAdvStringGrid& Grid);
  ~TGridSorter();

  void QSort();
  void QSortIndexed();
  void SortGroupRows(bool Indexed);
  void QUnSort();
  void InitSortXRef();
  void QuickSort(int Col, int Left, int Right);
  void QuickSortIndexed(int Left, int Right);

  bool SortLine(int Col, int ARow1, int ARow2);
  int CompareCells(int ACol, int ARow1, bool Descending, int ARow2);
  int CompareLine(int ACol, int ARow1, int ARow2);
  int CompareLineIndexed(int Index, int ARow1, int ARow2);

  int Compares() const { return FCompares; }
  void SetCompares(int Value) { FCompares = Value; }
  int SortDir() const { return FSortDir; }
  TIntList& UnSortRowXRef() { return FUnSortRowXRef; }
  // Off: every comparison goes through the full cell comparison, the
  // answers the flat keys of a key-decided column must give.
  void SetFastColumns(bool Value) { FFastColumns = Value; }

 private:
  class TFrame;
  friend class TFrame;
  // Ends a run's key cache, keeping its room for the next run.
  void DropKeys();
  // A worker over Left..Right inside raised counts, undone also when it raises.
  void RunScratch(const std::function<void()>& Work);
  void SortRows(int ACol, int Start, int End);
  void SortRowsIndexed(int Start, int End);
  template <class Scan, class Cmp>
  void SortRange(int Start, int End, bool SkipEqual, const Scan& Scans, Cmp&& Compare);
  int CopyPivot(int ARow);
  void FillPivot(int ARow, int Scratch);
  void Touch(int ARow);
  void Swap(int ARow1, int ARow2);
  void SortGroups(bool Indexed, int First, int Last);
  void UnSortRows();

  TSortColumn& Column(int ACol);
  int CompareFirst(int ACol, int ARow1, int ARow2);
  int CompareNotFast(int ACol, int ARow1, int ARow2);
  int CompareAfterFast(int ACol, int ARow1, int ARow2);
  TSortFastColumn* FastColumn(int ACol);
  StringView SortText(int ACol, int ARow);
  TSortKey& Key(TSortColumn& C, int ACol, int ARow, int Which);
  template <class Use>
  void ReadColumn(TSortColumn& C, int ACol, Use&& UseText);
  void PutKey(TSortColumn& C, int ARow, StringView Text);
  void KeysFilled(TSortColumn& C);
  int CompareByStyle(TSortColumn& C, int ACol, int ARow1, int ARow2, TSortKey& k1, TSortKey& k2);
  bool IsCheckBoxCell(TSortKey& K, int ACol, int ARow);
  bool SameRow(int ARow1, int ARow2) const;
  // What CompareLine(ACol, ...) counts for a row and its pivot copy.
  int SameRowCompares(int ACol) const;

  TAdvStringGrid& G;
  TIntList FUnSortRowXRef{-1, -1};
  int FCompares = 0;
  int FSortDir = 1;
  // Only while a run is under way; a lone comparison reads its cells afresh.
  std::unique_ptr<TSortKeyCache> FKeys;
  std::unique_ptr<TSortColumn> FLoose;
  std::unique_ptr<TSortColumn> FSpare;
  // The room of the last run's first column, flat keys and origins, kept:
  // a large fresh block costs more to touch than the comparisons.
  std::unique_ptr<TSortFastColumn> FFast;
  std::vector<int> FOriginRoom;
  bool FFastColumns = true;
  int FPendingPivot = -1;  // the row the scratch pivot row stands for, not yet copied
};
