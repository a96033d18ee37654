#pragma once
// The grid's cell-graphic family: finding a cell's own graphic (in the grid
// or in a parked row), attaching and removing graphics, the shared row check
// box of HotmailRowSelect, the image list and the repaint of multi-image cells.
// A shared graphic never sits in a cell's slot, so removing one frees nothing.
#include <memory>

#include "grid/base/CellGraphic.h"

class TAdvStringGrid;
class TImageList;

class TCellGraphics {
 public:
  explicit TCellGraphics(TAdvStringGrid& Grid) : G(Grid) {}

  // The cell's own graphic; nil without one or for a graphic of another class.
  TCellGraphic* Own(int ACol, int ARow) const;
  TCellGraphic* OwnOfType(int ACol, int ARow, TCellType Type) const;
  // The own graphic of the merged area's base cell.
  TCellGraphic* AtBase(int ACol, int ARow) const;
  TCellGraphic* AtBaseOfType(int ACol, int ARow, TCellType Type) const;
  // The graphic of storage column ACol in real row ARealRow, shown or parked.
  TCellGraphic* AtRealRow(int ACol, int ARealRow) const;

  // A fresh graphic in the cell's own slot (the one it held is freed).
  TCellGraphic& Attach(int ACol, int ARow);
  bool Remove(int ACol, int ARow);
  // The shared graphic, filled for column 0 of ARow.
  TCellGraphic& RowCheckBox(int ARow);

  TImageList* Images() const { return FImages; }
  void SetImages(TImageList* Value) { FImages = Value; }
  // The index list of (ACol, ARow) changed.
  void CellImagesChanged(TObject* Sender, int ACol, int ARow);
  // An auto-range scroll bar follows the cell's row height and text height.
  void UpdateAutoRange(int ACol, int ARow);

 private:
  TAdvStringGrid& G;
  TCellGraphic FCellGraphic;
  // Takes what is attached while the grid is being destroyed.
  std::unique_ptr<TCellGraphic> FDiscard;
  TImageList* FImages = nullptr;
};
