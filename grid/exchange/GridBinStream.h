#pragma once
// The grid's binary stream: a header record, then per cell of a rectangle,
// row by row, a cell record, its properties and graphic records when it has
// them. The same bytes are the grid file, the clipboard's grid-cells block
// and the grid-cells drag payload. Made on the stack by the grid's
// Save*/Load*BinStream methods.
#include <memory>
#include <vector>

#include "grid/exchange/GridBinRecords.h"
#include "platform/sys/Types.h"

class TAdvStringGrid;
class TStream;

// The header of the stream at its position, checked as the reader checks
// it (counts within the import limit); the position moves past it. For a
// paste that grows the grid before it loads.
TGridBinHeader ReadGridBinHeader(TStream& Stream);

class TGridBinWriter {
 public:
  TGridBinWriter(TAdvStringGrid& Grid, TStream& Stream) : G(Grid), FStream(Stream) {}
  // Rect: inclusive storage columns and rows inside the grid.
  void SaveRect(const TRect& Rect);

 private:
  TGridBinHeader Header(const TRect& Rect);
  void WriteCell(TComponentWriter& W, int ACol, int ARow);

  TAdvStringGrid& G;
  TStream& FStream;
};

class TGridBinReader {
 public:
  TGridBinReader(TAdvStringGrid& Grid, TStream& Stream);
  ~TGridBinReader();
  // Reads the stream to its end and checks it whole; only then the grid
  // changes. On an error nothing has changed.
  void LoadAtPoint(TPoint Point);

 private:
  struct TCellRecord;
  void ReadAll();
  void CheckFullGrid() const;
  void Apply(TPoint Point);
  void ApplyExtras(TCellRecord& Cell, int ACol, int ARow);
  void Progress(int ARow);

  TAdvStringGrid& G;
  TStream& FStream;
  TGridBinHeader FHeader;
  std::vector<TCellRecord> FCells;
  int FLastProgress = -1;
};
