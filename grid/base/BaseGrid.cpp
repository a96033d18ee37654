#include "grid/base/BaseGrid.h"

#include <algorithm>
#include <limits>

#include "grid/base/AdvGridUndoRedo.h"
#include "grid/base/CellText.h"

TBaseGrid::TBaseGrid(TComponent* AOwner) : TStringGrid(AOwner) {
  // The grid draws its own lines (FGridLineWidth) and its own cells; the
  // platform grid's lines stay 0 wide and its default drawing off.
  TGridModel::SetGridLineWidth(0);
  TStringGrid::SetDefaultDrawing(false);
}

TBaseGrid::~TBaseGrid() {
  Destroying_();
  FreeAllCellProps();
}

// ---- texts

String TBaseGrid::GetCellEx(int ACol, int ARow) {
  if (PlainTexts()) return GetGridCell(ACol, ARow);
  const TPoint base = BaseCell(ACol, ARow);
  String value = GetGridCell(base.X, base.Y);
  if (base.Y < FNormalRowCount) {
    DoGetDisplText(base.X, base.Y, value);
    if (OnGetDisplWideText) {
      // The result stays in the packed form, whatever the hook made of it.
      String wide = UnpackWideCellText(value);
      DoGetDisplWideText(base.X, base.Y, wide);
      value = PackWideCellText(wide);
    }
  }
  return value;
}

StringView TBaseGrid::ComputedCellView(int ACol, int ARow) {
  FCellViewText = GetCellEx(ACol, ARow);
  return FCellViewText;
}

void TBaseGrid::SetCellEx(int ACol, int ARow, const String& Value) {
  if (HasCellProps(ACol, ARow)) {
    const TPoint base = BaseCell(ACol, ARow);
    SetGridCell(base.X, base.Y, Value);
    CellTextChanged(base.X, base.Y);
    if (Parent()) RepaintCell(ACol, ARow);
  } else {
    SetGridCell(ACol, ARow, Value);
  }
  if (FHideLastRow && ARow == RowCount() - 1) LastRowChanged();
}

void TBaseGrid::SetGridCell(int ACol, int ARow, const String& Value) {
  TGridModel::SetCells(ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplText(int ACol, int ARow, String& Value) {
  if (OnGetDisplText) OnGetDisplText(this, ACol, ARow, Value);
}

void TBaseGrid::DoGetDisplWideText(int ACol, int ARow, String& Value) {
  if (OnGetDisplWideText) OnGetDisplWideText(this, ACol, ARow, Value);
}

// ---- objects and graphics

TObject* TBaseGrid::GetObjectEx(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  return props ? props->CellObject() : nullptr;
}

void TBaseGrid::SetObjectEx(int ACol, int ARow, TObject* Value) {
  GetCellProperties(ACol, ARow)->SetCellObject(Value);
}

TCellGraphicBase* TBaseGrid::GetGraphicObjectEx(int ACol, int ARow) const {
  const TCellProperties* props = Props(ACol, ARow);
  return props ? props->GraphicObject() : nullptr;
}

void TBaseGrid::SetGraphicObjectEx(int ACol, int ARow, std::unique_ptr<TCellGraphicBase> Value) {
  if (Destroying()) return;
  GetCellProperties(ACol, ARow)->SetGraphicObject(std::move(Value));
}

// ---- records

TCellProperties* TBaseGrid::Props(int ACol, int ARow) const {
  return HasCellProps(ACol, ARow) ? GridObjects(ACol, ARow) : nullptr;
}

bool TBaseGrid::HasCellProps(int ACol, int ARow) const {
  // A grid that never made a record answers before the column count is asked.
  return FHasCellProps && ACol >= 0 && ACol < TotalColCount() && ARow >= 0 && ARow < RowCount() &&
         Store().Object(ACol, ARow) != nullptr;
}

TCellProperties* TBaseGrid::GridObjects(int ACol, int ARow) const {
  // The slot holds nothing but records: SetGridObject is its only writer here.
  return static_cast<TCellProperties*>(TGridModel::Objects(ACol, ARow));
}

void TBaseGrid::SetGridObject(int ACol, int ARow, TCellProperties* Value) {
  if (Value) FHasCellProps = true;  // a record made for another grid may come in
  TGridModel::SetObjects(ACol, ARow, Value);
}

std::unique_ptr<TCellProperties> TBaseGrid::NewCellProperties(int ACol, int ARow) {
  auto props = std::make_unique<TCellProperties>(this, ACol, ARow);
  TFont font;
  TBrush brush;
  TColor colorTo = clNone, mirrorColor = clNone, mirrorColorTo = clNone;
  TAlignment ha = taLeftJustify;
  TVAlignment va = vtaTop;
  bool ww = FWordWrap;
  TCellGradientDirection gd = GradientVertical;
  GetDefaultProps(ACol, ARow, font, brush, colorTo, mirrorColor, mirrorColorTo, ha, va, ww, gd);
  TCellProperties& p = *props;
  p.SetCalcType(acNONE);
  p.SetAlignment(ha);
  p.SetVAlignment(va);
  p.SetWordWrap(ww);
  p.SetFontName(font.Name());
  p.SetFontSize(font.Size());
  p.SetFontStyle(font.Style());
  p.SetFontColor(font.Color());
  p.SetBrushColor(brush.Color());
  p.SetBrushColorTo(colorTo);
  p.SetGradientDirection(gd);
  return props;
}

void TBaseGrid::GetDefaultProps(int ACol, int ARow, TFont& AFont, TBrush& ABrush,
                                TColor& AColorTo, TColor& AMirrorColor, TColor& AMirrorColorTo,
                                TAlignment& HA, TVAlignment& VA, bool& WW,
                                TCellGradientDirection& GD) {
  AFont.Assign(*Font());
  ABrush.SetColor(Color());
  AColorTo = AMirrorColor = AMirrorColorTo = clNone;
  HA = taLeftJustify;
  VA = vtaTop;
  WW = FWordWrap;
  GD = GradientVertical;
}

TCellProperties* TBaseGrid::GetCellProperties(int ACol, int ARow) {
  if (TCellProperties* props = GridObjects(ACol, ARow)) return props;
  auto props = NewCellProperties(ACol, ARow);
  SetGridObject(ACol, ARow, props.get());
  return props.release();  // the slot owns it now
}

void TBaseGrid::SetCellProperties(int ACol, int ARow, std::unique_ptr<TCellProperties> Value) {
  if (Value) CountTakenMerge(*Value);
  delete GridObjects(ACol, ARow);
  SetGridObject(ACol, ARow, Value.release());
}

void TBaseGrid::CountTakenMerge(const TCellProperties& Props) {
  if (Props.CellSpanX() > 0 || Props.CellSpanY() > 0 || !Props.IsBaseCell()) ++FMergeCount;
}

// ---- freeing

void TBaseGrid::ForEachStoredProps(int FromRow, int ToRow, int FromCol, int ToCol,
                                   const std::function<void(int, int)>& Action) {
  if (!FHasCellProps) return;
  const int lastRow = std::min(ToRow, RowCount() - 1);
  for (int r = std::max(FromRow, 0); r <= lastRow; ++r) {
    const int lastCol = std::min(ToCol, Store().StoredCols(r) - 1);
    for (int c = std::max(FromCol, 0); c <= lastCol; ++c)
      if (Store().Object(c, r)) Action(c, r);
  }
}

void TBaseGrid::FreeCellPropsRange(int FromCol, int FromRow, int ToCol, int ToRow) {
  // An area reaching into the range is split first: its cells outside would
  // otherwise point to a base that is gone, or reach past the grid.
  if (!Destroying())
    ForEachStoredProps(FromRow, ToRow, FromCol, ToCol, [this](int c, int r) {
      if (IsMergedCell(c, r)) SplitCells(c, r);
    });
  ForEachStoredProps(FromRow, ToRow, FromCol, ToCol, [this](int c, int r) { FreeCellProps(c, r); });
}

void TBaseGrid::FreeCellPropsOfRows(const std::vector<int>& Rows) {
  if (!FHasCellProps) return;  // no record was ever made: nothing to walk
  for (int r : Rows) FreeCellPropsRange(0, r, std::numeric_limits<int>::max(), r);
}

void TBaseGrid::FreeCellProps(int ACol, int ARow) {
  delete GridObjects(ACol, ARow);  // the record frees its graphic
  SetGridObject(ACol, ARow, nullptr);
}

void TBaseGrid::FreeAllCellProps() {
  // Hidden columns lie beyond ColCount: every stored column is freed.
  FreeCellPropsRange(0, 0, std::numeric_limits<int>::max(), RowCount() - 1);
}

void TBaseGrid::SetRowCount(int Value) {
  if (Value < RowCount()) FreeCellPropsRange(0, std::max(Value, 1), std::numeric_limits<int>::max(), RowCount() - 1);
  TStringGrid::SetRowCount(Value);
}

void TBaseGrid::DeleteRowSpan(int ARow, int Count) {
  if (ARow >= 0 && Count > 0 && ARow + Count <= RowCount())
    FreeCellPropsRange(0, ARow, std::numeric_limits<int>::max(), ARow + Count - 1);
  TStringGrid::DeleteRowSpan(ARow, Count);
}

void TBaseGrid::DeleteColumn(int ACol) {
  if (ACol >= 0 && ACol < ColCount()) FreeCellPropsRange(ACol, 0, ACol, RowCount() - 1);
  TStringGrid::DeleteColumn(ACol);
}

void TBaseGrid::ResetColumn(int ACol) {
  for (int r = 0; r < RowCount(); ++r) {
    SetGridObject(ACol, r, nullptr);
    SetCellEx(ACol, r, String());
  }
}

void TBaseGrid::ResetRow(int ARow) {
  for (int c = 0; c < ColCount(); ++c) {
    SetGridObject(c, ARow, nullptr);
    SetCellEx(c, ARow, String());
  }
}

void TBaseGrid::ResetCell(int ACol, int ARow) {
  SetCellEx(ACol, ARow, String());
  SetGridObject(ACol, ARow, nullptr);
}

// ---- undo link

void TBaseGrid::SetUndoRedo(TAdvGridUndoRedo* Value) {
  if (FUndoRedo) RemoveFreeNotification(FUndoRedo);
  FUndoRedo = Value;
  if (!Value) return;
  FreeNotification(Value);
  Value->SetGrid(this);
}

void TBaseGrid::Notification(TComponent* AComponent, TOperation Operation) {
  TStringGrid::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FUndoRedo) FUndoRedo = nullptr;
}
