#pragma once
// The grid's filter: a list of conditions, each on one storage column (or
// the whole row), joined left to right by its Operation.
#include "platform/sys/Component.h"
#include "platform/sys/Lists.h"

class TAdvStringGrid;

// Which text of a row a condition tests.
enum TFilterCells { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
// How a condition's result joins the ones before it.
enum TFilterOperation { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod { fmExpression, fmLiteral };

class TFilterData : public TCollectionItem {
 public:
  using TCollectionItem::TCollectionItem;
  String ClassName() const override { return u"TFilterData"; }
  // From another TFilterData: every property.
  void Assign(const TPersistent& Source) override;

  int Column() const { return FColumn; }
  void SetColumn(int Value) { FColumn = Value; }
  // Empty matches every row.
  const String& Condition() const { return FCondition; }
  void SetCondition(const String& Value) { FCondition = Value; }
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool Value) { FCaseSensitive = Value; }
  TFilterCells Data() const { return FData; }
  void SetData(TFilterCells Value) { FData = Value; }
  // Taken off the text before it is matched.
  const String& Prefix() const { return FPrefix; }
  void SetPrefix(const String& Value) { FPrefix = Value; }
  const String& Suffix() const { return FSuffix; }
  void SetSuffix(const String& Value) { FSuffix = Value; }
  TFilterOperation Operation() const { return FOperation; }
  void SetOperation(TFilterOperation Value) { FOperation = Value; }
  TFilterMethod Method() const { return FMethod; }
  void SetMethod(TFilterMethod Value) { FMethod = Value; }

 private:
  int FColumn = 0;
  String FCondition;
  bool FCaseSensitive = true;
  TFilterCells FData = fcVirtual;
  String FPrefix;
  String FSuffix;
  TFilterOperation FOperation = foSHORT;
  TFilterMethod FMethod = fmExpression;
};

class TFilter : public TCollection {
 public:
  // Grid may be nil (a list that is only copied into a grid's own).
  explicit TFilter(TAdvStringGrid* Grid);
  String ClassName() const override { return u"TFilter"; }
  TAdvStringGrid* Grid() const { return FGrid; }

  TFilterData* Items(int Index) const { return static_cast<TFilterData*>(TCollection::Items(Index)); }
  void SetItems(int Index, const TFilterData& Value) { Items(Index)->Assign(Value); }
  // A new last condition that joins the others with foAND (foNONE when it
  // is the only one).
  TFilterData* Add();
  // A new last condition with the defaults, foSHORT among them. Conditions
  // join left to right, so callers' filters rely on the order staying put:
  // Index is not used.
  TFilterData* Insert(int Index);
  // The first condition on the column, added when there is none.
  TFilterData* ColumnFilter(int Col);
  bool HasFilter(int Col) const;
  // Deletes every condition on the column and repaints its header cell.
  void RemoveColumnFilter(int Col);

 private:
  TAdvStringGrid* FGrid;
};

// A drop-down entry is a display name, optionally followed by "=" and the
// condition: the name is the part before the first "=", the condition the
// part after it; an entry without "=" is both.
String FilterEntryName(const String& Entry);
String FilterEntryCondition(const String& Entry);
