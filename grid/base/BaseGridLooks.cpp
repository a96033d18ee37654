// The settings of the grid's own painting.
#include "grid/base/BaseGrid.h"

template <class T>
void TBaseGrid::SetLook(T& Field, T Value) {
  if (Field == Value) return;
  Field = Value;
  Invalidate();
}

void TBaseGrid::SetGridLineWidth(int Value) {
  FGridLineWidth = Value;
  TGridModel::SetGridLineWidth(0);
  Invalidate();
}

void TBaseGrid::SetGridLineColor(TColor Value) {
  FGridLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetGridFixedLineColor(TColor Value) {
  FGridFixedLineColor = Value;
  Invalidate();
}

void TBaseGrid::SetDefaultDrawing(bool Value) {
  FDefaultDrawing = Value;
  TStringGrid::SetDefaultDrawing(false);
}

void TBaseGrid::SetSelectionStyle(TGridSelectionStyle Value) { SetLook(FSelectionStyle, Value); }
void TBaseGrid::SetActiveRowShow(bool Value) { SetLook(FActiveRowShow, Value); }
void TBaseGrid::SetActiveRowColor(TColor Value) { SetLook(FActiveRowColor, Value); }
void TBaseGrid::SetActiveRowColorTo(TColor Value) { SetLook(FActiveRowColorTo, Value); }
void TBaseGrid::SetActiveRowMirrorColor(TColor Value) { SetLook(FActiveRowMirrorColor, Value); }
void TBaseGrid::SetActiveRowMirrorColorTo(TColor Value) { SetLook(FActiveRowMirrorColorTo, Value); }
