#pragma once
// The records of the binary grid stream, one class each: the header, a cell,
// a cell's properties, its graphic and the graphic's payload. Each writes
// its record from the grid's objects and reads one back into objects of its
// own, checking every value; nothing of the grid changes while reading.
#include <cstdint>
#include <memory>

#include "grid/base/CellGraphic.h"
#include "grid/base/CellProperties.h"
#include "platform/sys/ComponentStream.h"

class TBaseGrid;
class TBitmap;
class TIcon;
class TPicture;
class TFilePicture;
class TStrings;

struct TGridBinHeader {
  int ColCount = 0;
  int RowCount = 0;
  String ColWidths;   // "64,64,80"
  String RowHeights;
  bool FullGrid = false;
  int ID = 0;         // the window handle of the writing grid
};

class TGridPropIO {
 public:
  TGridBinHeader Header;
  void Write(TComponentWriter& W) const;
  void Read(TComponentReader& R);
};

class TGridCellIO {
 public:
  int Col = 0;
  int Row = 0;
  String Cell;
  bool HasProp = false;
  void Write(TComponentWriter& W) const;
  void Read(TComponentReader& R);
};

class TGridCellPropIO {
 public:
  explicit TGridCellPropIO(TBaseGrid& Grid);
  // BrushColorTo and GradientDirection go out as a fresh record has them;
  // CellObject, a reference, always as 0.
  static void Write(TComponentWriter& W, const TCellProperties& Source, bool HasGraphic);
  void Read(TComponentReader& R);
  // Target keeps what the record did not carry, its own object and control,
  // BrushColorTo and GradientDirection; it takes everything else. Merge
  // data reaching outside a grid of Cols x Rows makes the cell a plain one.
  void ApplyTo(TCellProperties& Target, int ACol, int ARow, int Cols, int Rows);

  std::unique_ptr<TCellProperties> CellProperties;
  std::uint32_t Present = 0;  // bit i: the i-th property was read
  bool HasGraphic = false;
};

class TGridGraphicIO {
 public:
  // CellCheckBoxState goes out as a fresh graphic has it.
  static void Write(TComponentWriter& W, const TCellGraphic& Source);
  void Read(TComponentReader& R);
  std::unique_ptr<TCellGraphic> CellGraphic = std::make_unique<TCellGraphic>();
};

// The payload record that follows a graphic of this type, if any.
bool HasPayloadRecord(TCellType Type);
// Writes the payload record of Source's type from its bitmap or icon slot.
void WritePayload(TComponentWriter& W, const TCellGraphic& Source);
// A new object read from the payload record of a graphic of this type:
// TBitmap, TIcon, TStringList (radio items), TIntList (image indexes),
// TPicture or TFilePicture.
std::unique_ptr<TPersistent> ReadPayload(TComponentReader& R, TCellType Type);
