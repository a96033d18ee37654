#pragma once
// The hidden-row store: one TGridItem per hidden row with the row's real
// index, height, the filter level that hid it and its cells (one entry per
// storage column: the text and the cell's property record). A record left in
// an item belongs to the item and goes with it; showing a row takes the
// records back out (SetObjects(i, nullptr)) before the item is deleted.
#include <memory>

#include "platform/sys/Lists.h"
#include "platform/sys/Strings.h"

class TGridItem : public TCollectionItem {
 public:
  explicit TGridItem(TCollection* Collection);
  ~TGridItem() override;
  String ClassName() const override { return u"TGridItem"; }

  int Idx() const { return FIdx; }
  void SetIdx(int Value) { FIdx = Value; }
  int Height() const { return FHeight; }
  void SetHeight(int Value) { FHeight = Value; }
  int Level() const { return FLevel; }
  void SetLevel(int Value) { FLevel = Value; }
  TStringList& Items() { return *FItems; }
  const TStringList& Items() const { return *FItems; }

 private:
  int FIdx = 0;
  int FHeight = 0;
  int FLevel = 0;
  std::unique_ptr<TStringList> FItems;
};

class TGridItems : public TCollection {
 public:
  explicit TGridItems(TPersistent* AOwner);

  TGridItem* Item(int Index) const { return static_cast<TGridItem*>(Items(Index)); }
  TGridItem* AddItem() { return static_cast<TGridItem*>(Add()); }
  // The item of a hidden real row; nil when the row is shown.
  TGridItem* FindRealRow(int ARow) const;
  bool IsHiddenRow(int ARow) const { return FindRealRow(ARow) != nullptr; }

  // Displayed row -> real row; the identity while nothing is hidden.
  int DisplToRealRow(int ARow) const;
  // Real row -> displayed row: ARow less the hidden rows before it.
  int RealToDisplRow(int ARow) const;
};
