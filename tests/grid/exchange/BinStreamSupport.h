#pragma once
// What the binary grid stream tests share: a grid set up from a few lines
// of script, and a dump of everything a cell holds, to compare grids.
#include <string>

#include "grid/model/AdvStringGrid.h"
#include "platform/gui/ImageList.h"

namespace binstream {

// A grid with an image list (multi-image cells need one).
struct TTestGrid {
  TImageList Images;
  TAdvStringGrid G{nullptr};
  TTestGrid() { G.SetGridImages(&Images); }
};

// Runs the script's lines on the grid (see BinStreamSupport.cpp); answers
// the rectangle a "rect" line names, else the whole grid.
TRect RunScript(TAdvStringGrid& G, const std::string& Script);

// Everything of one cell: text, properties, graphic and payload.
std::string CellDump(TAdvStringGrid& G, int ACol, int ARow);
// Counts, sizes and every cell.
std::string GridDump(TAdvStringGrid& G);

std::string Saved(TAdvStringGrid& G, const TRect& Rect);
std::string Saved(TAdvStringGrid& G);

std::string ReadDataFile(const std::string& RelativePath);

}  // namespace binstream
