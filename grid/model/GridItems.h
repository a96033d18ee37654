#pragma once
// The hidden-row store: one TGridItem per hidden row with the row's real
// index, its height, the filter level that hid it (0 for HideRows and
// contracted nodes, filter levels count from 1) and the row itself: the cell
// store's row object, parked and put back by pointer. A record left in a
// parked row belongs to the item and goes with it.
//
// Every item holds a real row index, whoever hid it, and the items stay in
// ascending order of Idx over all levels, so lookups and the row mapping are
// binary searches.
#include <functional>
#include <memory>
#include <vector>

#include "platform/grids/CellStore.h"
#include "platform/sys/Component.h"
#include "platform/sys/GapVector.h"

// The cells of a parked row, one entry per storage column (text and object),
// in the shape of a string list. Reads past the last entry answer "" and nil.
class THiddenRowCells {
 public:
  THiddenRowCells() = default;
  ~THiddenRowCells() { FreeObjects(); }
  THiddenRowCells(const THiddenRowCells&) = delete;
  THiddenRowCells& operator=(const THiddenRowCells&) = delete;

  int Count() const;
  const String& Strings(int Index) const;
  void SetStrings(int Index, const String& Value);  // extends to Index
  TObject* Objects(int Index) const;
  // Takes no ownership of what it replaces; the object set is the row's.
  void SetObjects(int Index, TObject* Value);
  void Add(const String& S) { SetStrings(Count(), S); }
  void AddObject(const String& S, TObject* AObject);
  // Frees every object left in the row and empties the texts.
  void Clear();
  // Storage columns opened or removed in every row; removed objects are freed.
  void InsertCols(int Index, int Count);
  void DeleteCols(int Index, int Count);

  TCellStore::TRowPtr TakeRow() { return std::move(FRow); }
  void PutRow(TCellStore::TRowPtr Row);

 private:
  void FreeObjects();
  TCellStore::TRow& Row();
  TCellStore::TRowPtr FRow;  // null: an empty row
};

class TGridItem : public TPersistent {
 public:
  TGridItem() = default;
  String ClassName() const override { return u"TGridItem"; }

  int Idx() const { return FIdx; }
  void SetIdx(int Value) { FIdx = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }
  THiddenRowCells& Items() { return FItems; }
  const THiddenRowCells& Items() const { return FItems; }

 private:
  int FIdx = 0;
  int FHeight = 0;
  int FLevel = 0;
  THiddenRowCells FItems;
};

using TGridItemPtr = std::unique_ptr<TGridItem>;

class TGridItems {
 public:
  explicit TGridItems(TPersistent* AOwner) : FOwner(AOwner) {}
  TPersistent* Owner() const { return FOwner; }

  int Count() const { return static_cast<int>(FItems.Size()); }
  TGridItem* Item(int Index) const { return FItems[static_cast<size_t>(Index)].get(); }
  // Appends: the caller keeps Idx ascending.
  TGridItem* AddItem();
  // Merges items of ascending Idx (none of them hidden yet) into the store.
  void MergeIn(std::vector<TGridItemPtr> Items);
  // Takes out the items Pred selects, in ascending order of Idx.
  std::vector<TGridItemPtr> Extract(const std::function<bool(const TGridItem&)>& Pred);
  void Clear() { FItems.Clear(); }

  // Number of items with Idx below ARow.
  int CountBelow(int ARow) const;
  // The item of a hidden real row; nil when the row is shown.
  TGridItem* FindRealRow(int ARow) const;
  bool IsHiddenRow(int ARow) const { return FindRealRow(ARow) != nullptr; }
  // Displayed row -> real row; the identity while nothing is hidden.
  int DisplToRealRow(int ARow) const;
  // Number of items with at most ARow shown rows before them.
  int CountUpToDispl(int ARow) const;
  // Real row -> displayed row: ARow less the hidden rows before it.
  int RealToDisplRow(int ARow) const { return ARow - CountBelow(ARow); }

  // Renumbering after the shown rows changed: Count rows opened at real row
  // ARow raise every item at or after it; Count displayed rows removed from
  // ARow lower every item after them by the removed rows that lay before it.
  void RowsInserted(int ARealRow, int Count);
  void RowsRemoved(int ADisplRow, int Count);
  // The highest filter level in the store; 0 when none.
  int TopLevel() const;

 private:
  // Number of items before the first one Past selects; Past holds from there on.
  template <class P>
  int PartitionPoint(P Past) const;

  TPersistent* FOwner;
  // Ascending Idx; a gap buffer, so rows hidden one by one up or down the
  // grid open their items next to the one before.
  TGapVector<TGridItemPtr> FItems;
};
