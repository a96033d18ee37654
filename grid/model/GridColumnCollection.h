#pragma once
// The column grid's items, one per storage column, kept in step with the
// grid: a change of the collection sets the grid's column count and headers.
#include "grid/model/GridColumnItem.h"
#include "platform/sys/Lists.h"

class TAdvColumnGrid;

class TGridColumnCollection : public TCollection {
 public:
  // Grid may be nil (a collection of a stream record before it is copied).
  explicit TGridColumnCollection(TAdvColumnGrid* Grid);
  String ClassName() const override { return u"TGridColumnCollection"; }

  TAdvColumnGrid* Grid() const { return FGrid; }
  TGridColumnItem* Items(int Index) const {
    return static_cast<TGridColumnItem*>(TCollection::Items(Index));
  }
  void SetItems(int Index, const TGridColumnItem& Value) { Items(Index)->Assign(Value); }
  // A new last item with the visual settings of the one before it.
  TGridColumnItem* Add();
  // A new item with the defaults at Index.
  TGridColumnItem* Insert(int Index);

  bool NoRecursiveUpdate() const { return FNoRecursiveUpdate; }
  void SetNoRecursiveUpdate(bool Value) { FNoRecursiveUpdate = Value; }

  // Numbers the items' original positions: DefIdx := index.
  void SetOrganization();
  // Moves every column back to its DefIdx position. Refused (false, nothing
  // moved) when the DefIdx values are not a permutation of the positions.
  bool ResetOrganization();
  // Whether the DefIdx values are 0 .. Count-1, each once.
  bool DefIdxIsPermutation() const;
  // The smallest DefIdx not used yet: new items get it, so no two items
  // share an original position.
  int NextDefIdx() const;

 protected:
  void Update(TCollectionItem* Item) override;

 private:
  TAdvColumnGrid* FGrid;
  bool FNoRecursiveUpdate = false;
};
