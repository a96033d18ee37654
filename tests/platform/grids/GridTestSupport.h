#pragma once
// Small helpers for the grid model tests.
#include "platform/grids/GridModel.h"

// Distinct object pointers for the object slots; never dereferenced.
inline TObject* Obj(int i) {
  static char pool[64];
  return reinterpret_cast<TObject*>(&pool[i]);
}

// A 64 x 24 px cell grid without grid lines, so pixel sums stay simple.
inline void PlainGeometry(TGridModel& g, int cols, int rows, int width, int height) {
  g.SetGridLineWidth(0);
  g.SetColCount(cols);
  g.SetRowCount(rows);
  g.SetViewSize(width, height);
}

// Writes "c,r" into every cell of columns [0, cols) and every row.
inline void FillCoordinates(TGridModel& g, int cols) {
  for (int r = 0; r < g.RowCount(); ++r)
    for (int c = 0; c < cols; ++c) g.SetCells(c, r, S(std::to_string(c) + "," + std::to_string(r)));
}
