#include "grid/model/GridColumnItem.h"

#include "grid/model/AdvColumnGrid.h"
#include "grid/model/GridColumnCollection.h"
#include "platform/sys/SysUtils.h"

TGridColumnItem::TGridColumnItem(TGridColumnCollection* Owner)
    : TCollectionItem(nullptr),
      FFont(std::make_unique<TFont>()),
      FComboItems(std::make_unique<TStringList>()),
      FPrintFont(std::make_unique<TFont>()),
      FBorderPen(std::make_unique<TPen>()),
      FPrintBorderPen(std::make_unique<TPen>()),
      FFilter(std::make_unique<TStringList>()),
      FHeaderFont(std::make_unique<TFont>()),
      FOwner(Owner) {
  FBorderPen->SetColor(0xC0C0C0);
  FPrintBorderPen->SetColor(clBlack);
  TAdvColumnGrid* grid = Owner ? Owner->Grid() : nullptr;
  if (!grid) return;  // the scratch item binds nothing
  FFont->Assign(*grid->Font());
  FPrintFont->Assign(*grid->Font());
  FHeaderFont->Assign(*grid->Font());
  FColor = grid->Color();
  FFont->OnChange = [this](TPersistent*) { LooksChanged(); };
  FHeaderFont->OnChange = [this](TPersistent*) { LooksChanged(); };
  FBorderPen->OnChange = [this](TPersistent*) { LooksChanged(); };
  FFilter->OnChange = [this](TObject*) { Repaint(); };
}

TGridColumnItem::~TGridColumnItem() {
  // Leave while still whole: the collection's update reads the other items.
  SetCollection(nullptr);
}

TGridColumnCollection* TGridColumnItem::Owner() const {
  return Collection() ? static_cast<TGridColumnCollection*>(Collection()) : nullptr;
}

TAdvColumnGrid* TGridColumnItem::Grid() const { return Owner() ? Owner()->Grid() : nullptr; }

void TGridColumnItem::Repaint() const {
  if (TAdvColumnGrid* grid = Grid()) grid->Invalidate();
}

String TGridColumnItem::DisplayName() const {
  if (FName.empty()) return u"Column " + IntToStr(Index());
  return u"Col " + IntToStr(Index()) + u": " + FName;
}

// ---- copying

// Everything Assign and AssignVisuals share.
void TGridColumnItem::CopyCommon(const TGridColumnItem& Source) {
  FValues = Source.FValues;
  FWidth = Source.Width();
  FBorderPen->Assign(*Source.FBorderPen);
  FPrintBorderPen->Assign(*Source.FPrintBorderPen);
  FPrintFont->Assign(*Source.FPrintFont);
  FFilter->Assign(*Source.FFilter);
}

void TGridColumnItem::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TGridColumnItem*>(&Source);
  if (!src || src == this) return;
  CopyCommon(*src);
  FColor = src->FColor;
  FComboItems->Assign(*src->FComboItems);
  FDropDownCount = src->FDropDownCount;
  FFont->Assign(*src->FFont);
  FHeaderFont->Assign(*src->FHeaderFont);
  FHeader = src->FHeader;
  FName = src->FName;
  FTag = src->FTag;
  FDefIdx = src->FDefIdx;
}

// The original position stays the item's own: it is not a visual setting.
void TGridColumnItem::AssignVisuals(const TGridColumnItem& Source) {
  if (&Source == this) return;
  CopyCommon(Source);
  if (TAdvColumnGrid* grid = Grid()) {
    FColor = grid->Color();
    FFont->Assign(*grid->Font());
  }
}

// ---- setters with side effects

// An item past the grid's columns (a scratch copy, a stream record's
// item) has only its stored width.
int TGridColumnItem::Width() const {
  TAdvColumnGrid* grid = Grid();
  if (!grid) return 0;
  return Index() < grid->AllColCount() ? grid->AllColWidths(Index()) : FWidth;
}

void TGridColumnItem::SetWidth(int Value) {
  FWidth = Value;
  TAdvColumnGrid* grid = Grid();
  if (grid && Index() < grid->AllColCount()) grid->SetAllColWidths(Index(), Value);
}

void TGridColumnItem::SetAlignment(TAlignment Value) {
  FValues.Alignment = Value;
  Repaint();
}

void TGridColumnItem::SetHeader(const String& Value) {
  FHeader = Value;
  TAdvColumnGrid* grid = Grid();
  if (!grid) return;
  if (grid->FixedRows() > 0 && !grid->ColMoving()) {
    grid->SetCells(Index(), 0, Value);
    LooksChanged();
  }
  grid->RebuildColumnHeaders();
}

void TGridColumnItem::SetColor(TColor Value) {
  FColor = Value;
  LooksChanged();
}

void TGridColumnItem::SetEditor(TEditorType Value) {
  const bool checkBoxes = (FValues.Editor == edDataCheckBox) != (Value == edDataCheckBox);
  FValues.Editor = Value;
  if (checkBoxes) Repaint();
}

void TGridColumnItem::SetFixed(bool Value) {
  FValues.Fixed = Value;
  LooksChanged();
}

void TGridColumnItem::SetPassword(bool Value) {
  FValues.Password = Value;
  LooksChanged();
}

void TGridColumnItem::SetBorders(TCellBorders Value) {
  FValues.Borders = Value;
  LooksChanged();
}

void TGridColumnItem::SetShowBands(bool Value) {
  FValues.ShowBands = Value;
  LooksChanged();
}

void TGridColumnItem::SetFloatFormat(const String& Value) {
  FValues.FloatFormat = Value;
  Repaint();
}

void TGridColumnItem::SetHeaderAlignment(TAlignment Value) {
  FValues.HeaderAlignment = Value;
  Repaint();
}

String TGridColumnItem::Rows(int ARow) const {
  TAdvColumnGrid* grid = Grid();
  return grid ? grid->Cells(Index(), ARow) : String();
}

void TGridColumnItem::SetRows(int ARow, const String& Value) {
  if (TAdvColumnGrid* grid = Grid()) grid->SetCells(Index(), ARow, Value);
}

namespace {

template <class T>
T GridValue(TAdvColumnGrid* Grid, T (TAdvStringGrid::*Get)(int, int), int ACol, int ARow) {
  return Grid ? (Grid->*Get)(ACol, ARow) : T{};
}

template <class T>
void SetGridValue(TAdvColumnGrid* Grid, void (TAdvStringGrid::*Set)(int, int, T), int ACol,
                  int ARow, T Value) {
  if (Grid) (Grid->*Set)(ACol, ARow, Value);
}

}  // namespace

int TGridColumnItem::Ints(int ARow) const { return GridValue(Grid(), &TAdvStringGrid::Ints, Index(), ARow); }
void TGridColumnItem::SetInts(int ARow, int Value) {
  SetGridValue(Grid(), &TAdvStringGrid::SetInts, Index(), ARow, Value);
}
double TGridColumnItem::Floats(int ARow) const {
  return GridValue(Grid(), &TAdvStringGrid::Floats, Index(), ARow);
}
void TGridColumnItem::SetFloats(int ARow, double Value) {
  SetGridValue(Grid(), &TAdvStringGrid::SetFloats, Index(), ARow, Value);
}
TDateTime TGridColumnItem::Dates(int ARow) const {
  return GridValue(Grid(), &TAdvStringGrid::Dates, Index(), ARow);
}
void TGridColumnItem::SetDates(int ARow, TDateTime Value) {
  SetGridValue(Grid(), &TAdvStringGrid::SetDates, Index(), ARow, Value);
}
TDateTime TGridColumnItem::Times(int ARow) const {
  return GridValue(Grid(), &TAdvStringGrid::Times, Index(), ARow);
}
void TGridColumnItem::SetTimes(int ARow, TDateTime Value) {
  SetGridValue(Grid(), &TAdvStringGrid::SetTimes, Index(), ARow, Value);
}
