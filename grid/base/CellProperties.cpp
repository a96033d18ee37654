#include "grid/base/CellProperties.h"

#include "grid/base/BaseGrid.h"

TCellProperties::TCellProperties(TBaseGrid* AOwner, int ACol, int ARow)
    : FOwnerGrid(AOwner), FOwnerCol(ACol), FOwnerRow(ARow), FWordWrap(AOwner->WordWrap()) {
  AOwner->FHasCellProps = true;
}

TCellProperties::~TCellProperties() = default;

TPoint TCellProperties::GetBaseCell(int ACol, int ARow) const {
  if (!FIsBaseCell && FCellSpanX != -1 && FCellSpanY != -1)
    return Point(ACol - FCellSpanX, ARow - FCellSpanY);
  return Point(ACol, ARow);
}

void TCellProperties::SetGraphicObject(std::unique_ptr<TCellGraphicBase> Value) {
  FGraphicObject = std::move(Value);
}

void TCellProperties::RepaintOwnerCell() { FOwnerGrid->RepaintCell(FOwnerCol, FOwnerRow); }

void TCellProperties::SetBrushColor(TColor Value) {
  FBrushColor = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetBrushColorTo(TColor Value) {
  FBrushColorTo = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetVAlignment(TVAlignment Value) {
  FVAlignment = Value;
  RepaintOwnerCell();
}

void TCellProperties::SetWordWrap(bool Value) {
  FWordWrap = Value;
  RepaintOwnerCell();
}

void TCellProperties::Assign(const TPersistent& Source) {
  const auto* src = dynamic_cast<const TCellProperties*>(&Source);
  if (!src) {
    TPersistent::Assign(Source);
    return;
  }
  FIsBaseCell = src->FIsBaseCell;
  FCellSpanX = src->FCellSpanX;
  FCellSpanY = src->FCellSpanY;
  FOwnerRow = src->FOwnerRow;
  FOwnerCol = src->FOwnerCol;
  FObject = src->FObject;
  FAlignment = src->FAlignment;
  FBorderColor = src->FBorderColor;
  FBorderWidth = src->FBorderWidth;
  FBrushColor = src->FBrushColor;
  FBrushStyle = src->FBrushStyle;
  FFontColor = src->FFontColor;
  FFontStyle = src->FFontStyle;
  FFontName = src->FFontName;
  FFontSize = src->FFontSize;
  FReadOnly = src->FReadOnly;
  FEditor = src->FEditor;
  FVAlignment = src->FVAlignment;
  FWordWrap = src->FWordWrap;
  FNodeLevel = src->FNodeLevel;
  FControl = src->FControl;
  FOwnerGrid->CountTakenMerge(*this);
}
