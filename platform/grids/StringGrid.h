#pragma once
// The grid of texts and objects: Cells, Objects, Rows and Cols come from the
// model; the editor edits the cell texts, and the default drawing writes them.
#include "platform/grids/DrawGrid.h"

class TStringGrid : public TDrawGrid {
 public:
  explicit TStringGrid(TComponent* AOwner) : TDrawGrid(AOwner) {}

  void DrawCell(int ACol, int ARow, const TRect& ARect, TGridDrawState AState) override;
  String GetEditText(int ACol, int ARow) override;
  void SetEditText(int ACol, int ARow, const String& Value) override;
  // A text written into the cell under the open editor reloads the editor.
  void InvalidateCell(int ACol, int ARow) override;

 private:
  int FEditUpdate = 0;  // above 0 while the editor itself writes its cell
};
