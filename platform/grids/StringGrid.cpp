#include "platform/grids/StringGrid.h"

#include "platform/gui/Canvas.h"

void TStringGrid::DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) {
  if (DefaultDrawing() && Canvas()) Canvas()->TextRect(ARect, ARect.Left + 2, ARect.Top + 2, Cells(ACol, ARow));
  TDrawGrid::DrawCell(ACol, ARow, ARect, AState);
}

String TStringGrid::GetEditText(int ACol, int ARow) {
  String text = Cells(ACol, ARow);
  if (OnGetEditText) OnGetEditText(this, ACol, ARow, text);
  return text;
}

void TStringGrid::SetEditText(int ACol, int ARow, const String& Value) {
  ++FEditUpdate;
  try {
    if (Value != Cells(ACol, ARow)) SetCells(ACol, ARow, Value);
  } catch (...) {
    --FEditUpdate;
    throw;
  }
  --FEditUpdate;
  TDrawGrid::SetEditText(ACol, ARow, Value);
}

void TStringGrid::InvalidateCell(int ACol, int ARow) {
  TDrawGrid::InvalidateCell(ACol, ARow);
  if (FEditUpdate == 0 && EditorMode() && ACol == Col() && ARow == Row()) InvalidateEditor();
}
