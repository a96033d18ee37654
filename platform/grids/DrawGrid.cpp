#include "platform/grids/DrawGrid.h"

void TDrawGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (OnDrawCell) OnDrawCell(this, ACol, ARow, ARect, AState);
}

bool TDrawGrid::SelectCell(int ACol, int ARow) {
  bool can = TCustomGrid::SelectCell(ACol, ARow);
  if (OnSelectCell) OnSelectCell(this, ACol, ARow, can);
  return can;
}

String TDrawGrid::GetEditMask(int ACol, int ARow) {
  String mask;
  if (OnGetEditMask) OnGetEditMask(this, ACol, ARow, mask);
  return mask;
}

String TDrawGrid::GetEditText(int ACol, int ARow) {
  String text;
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TDrawGrid::SetEditText(int ACol, int ARow, const String& Value) {
  if (OnSetEditText) OnSetEditText(this, ACol, ARow, Value);
}

void TDrawGrid::ColumnMoved(int FromIndex, int ToIndex) {
  TCustomGrid::ColumnMoved(FromIndex, ToIndex);
  if (OnColumnMoved) OnColumnMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::RowMoved(int FromIndex, int ToIndex) {
  TCustomGrid::RowMoved(FromIndex, ToIndex);
  if (OnRowMoved) OnRowMoved(this, FromIndex, ToIndex);
}

void TDrawGrid::TopLeftChanged() {
  TCustomGrid::TopLeftChanged();
  if (OnTopLeftChanged) OnTopLeftChanged(this);
}
