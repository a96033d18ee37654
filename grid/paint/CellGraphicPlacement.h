#pragma once
// Where a cell's graphic goes inside the cell, beside or instead of its
// text. Check boxes and radio buttons follow the text's alignment.
#include "grid/base/CellGraphic.h"
#include "grid/base/GridTypes.h"
#include "platform/gui/StdCtrls.h"

struct TGraphicPlace {
  TRect R;                // the cell less its text offsets
  TPoint Size;            // the graphic's width and height
  int TextSpan = 0;       // room the drawn text takes; 0 without text
  TAlignment TextAlign = taLeftJustify;
  TCellType Type = ctNone;
  TCellHAlign HAlign = haLeft;
  TCellVAlign VAlign = vaTop;
  // A box whose cell aligns its text vertically otherwise than the grid
  // follows the cell.
  bool OwnVAlign = false;
  TVAlignment CellVAlign = vtaTop;
};

bool IsCheckGraphic(TCellType Type);
TRect PlaceCellGraphic(const TGraphicPlace& P);
