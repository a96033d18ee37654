// Cells by real row and storage column, reaching into the hidden-row store,
// and the per-cell look properties.
#include "grid/base/GridStrings.h"
#include "grid/base/HTMLText.h"
#include "grid/model/AdvStringGridPrivate.h"

// ---- hidden-row entries: a missing entry reads as empty text and no object

namespace {

String EntryText(const TGridItem& Item, int ACol) {
  return ACol < Item.Items().Count() ? Item.Items().Strings(ACol) : String();
}

TObject* EntryObject(const TGridItem& Item, int ACol) {
  return ACol < Item.Items().Count() ? Item.Items().Objects(ACol) : nullptr;
}

void ExtendTo(TGridItem& Item, int ACol) {
  while (Item.Items().Count() <= ACol) Item.Items().Add(String());
}

}  // namespace

String TAdvStringGrid::AllCells(int ACol, int ARow) {
  if (ACol < 0 || ARow < 0) return String();
  if (const TGridItem* item = HiddenItem(ARow)) {
    String value = EntryText(*item, ACol);
    DoGetDisplText(ACol, ARow, value);
    return value;
  }
  return Cells(ACol, DisplRowIndex(ARow));
}

void TAdvStringGrid::SetAllCells(int ACol, int ARow, const String& Value) {
  if (TGridItem* item = HiddenItem(ARow)) {
    ExtendTo(*item, ACol);
    item->Items().SetStrings(ACol, Value);
    return;
  }
  const int row = DisplRowIndex(ARow);
  SetCells(ACol, row, Value);
  if (DisplColIndex(ACol) != ACol) RepaintDisplCell(ACol, row);
}

String TAdvStringGrid::AllGridCells(int ACol, int ARow) {
  if (const TGridItem* item = HiddenItem(ARow)) return EntryText(*item, ACol);
  return GridCells(ACol, DisplRowIndex(ARow));
}

void TAdvStringGrid::SetAllGridCells(int ACol, int ARow, const String& Value) {
  if (TGridItem* item = HiddenItem(ARow)) {
    ExtendTo(*item, ACol);
    item->Items().SetStrings(ACol, Value);
    return;
  }
  const int row = DisplRowIndex(ARow);
  SetGridCells(ACol, row, Value);
  if (DisplColIndex(ACol) != ACol) RepaintDisplCell(ACol, row);
}

TObject* TAdvStringGrid::AllObjects(int ACol, int ARow) {
  if (const TGridItem* item = HiddenItem(ARow)) {
    TObject* stored = EntryObject(*item, ACol);
    if (auto* props = dynamic_cast<TCellProperties*>(stored)) return props->CellObject();
    return stored;
  }
  return Objects(ACol, DisplRowIndex(ARow));
}

// A hidden row's entry owns its record; a user object goes into a record so
// that the entry never owns (and frees) the user's object.
void TAdvStringGrid::SetAllObjects(int ACol, int ARow, TObject* Value) {
  TGridItem* item = HiddenItem(ARow);
  if (!item) {
    SetObjects(ACol, DisplRowIndex(ARow), Value);
    return;
  }
  ExtendTo(*item, ACol);
  auto* props = dynamic_cast<TCellProperties*>(item->Items().Objects(ACol));
  if (!props) {
    props = new TCellProperties(this, ACol, ARow);
    item->Items().SetObjects(ACol, props);  // the entry owns it from here
  }
  props->SetCellObject(Value);
}

TObject* TAdvStringGrid::GetGridObjectEx(int ACol, int ARow) {
  if (const TGridItem* item = HiddenItem(ARow)) return EntryObject(*item, ACol);
  return GridObjects(ACol, DisplRowIndex(ARow));
}

int TAdvStringGrid::AllColWidths(int ACol) const {
  if (!FVisibleCols.GetVisibleCol(ACol)) {
    return ACol < static_cast<int>(FState->AllColWidths.size()) ? FState->AllColWidths[ACol] : DefaultColWidth();
  }
  return ColWidths(DisplColIndex(ACol));
}

void TAdvStringGrid::SetAllColWidths(int ACol, int Value) {
  if (ACol < 0) return;
  if (ACol >= static_cast<int>(FState->AllColWidths.size())) {
    FState->AllColWidths.resize(ACol + 1, DefaultColWidth());
  }
  FState->AllColWidths[ACol] = Value;
  if (FVisibleCols.GetVisibleCol(ACol)) SetColWidths(DisplColIndex(ACol), Value);
}

int TAdvStringGrid::LinesInCell(int ACol, int ARow) {
  return LineCount(Cells(ACol, ARow), true);
}

namespace {
int OriginalColumn(int Position, int ACol) { return Position < 0 ? ACol : Position; }
}  // namespace

String TAdvStringGrid::OriginalCells(int ACol, int ARow) {
  return Cells(OriginalColumn(ColumnPosition(ACol), ACol), ARow);
}

void TAdvStringGrid::SetOriginalCells(int ACol, int ARow, const String& Value) {
  SetCells(OriginalColumn(ColumnPosition(ACol), ACol), ARow, Value);
}

// ---- the editor's text

// Without EditWithTags the editor holds the visible text only, so handing
// that same text back must not cost the cell its tags.
String TAdvStringGrid::GetEditText(int ACol, int ARow) {
  FNoEditChange = true;
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  const String text = TBaseGrid::GetEditText(base.X, base.Y);
  return EditWithTags() ? text : HTMLToPlainText(text);
}

void TAdvStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
  const TPoint base = BaseCell(RealColIndex(ACol), ARow);
  const String stored = Cells(base.X, base.Y);
  const bool sameVisible = !EditWithTags() && Value == HTMLToPlainText(stored);
  TBaseGrid::SetEditText(base.X, base.Y, sameVisible ? stored : Value);
}

// ---- row order of the sort

namespace {

// The position whose cross-reference entry is ARow; -1 when none is.
int PositionOf(const TIntList& XRef, int ARow) {
  for (int k = 0; k < XRef.Count(); ++k) {
    if (XRef.Items(k) == ARow) return k;
  }
  return -1;
}

}  // namespace

String TAdvStringGrid::UnSortedCells(int ACol, int ARow) {
  const int k = PositionOf(*FSortRowXRef, ARow);
  return Cells(ACol, k < 0 ? ARow : k);
}

void TAdvStringGrid::SetUnSortedCells(int ACol, int ARow, const String& Value) {
  const int k = PositionOf(*FSortRowXRef, ARow);
  SetCells(ACol, k < 0 ? ARow : k, Value);
}

int TAdvStringGrid::SortedRowIndex(int ARow) const {
  if (ARow >= 0 && ARow < FSortRowXRef->Count()) return RealRowIndex(FSortRowXRef->Items(ARow));
  return RealRowIndex(ARow);
}

int TAdvStringGrid::UnSortedRowIndex(int ARow) const {
  if (FSortRowXRef->Count() == 0) return ARow;
  const int k = PositionOf(*FSortRowXRef, ARow);
  return k < 0 ? FSortRowXRef->Count() : k;
}
