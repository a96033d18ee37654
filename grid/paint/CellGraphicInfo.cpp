// The size and alignment the painter gives a cell's graphic and whether the
// cell's text is drawn beside it.
#include "grid/base/CellGraphic.h"
#include "grid/base/ControlLook.h"
#include "grid/base/IntList.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/ImageList.h"

namespace {

TPoint GraphicExtent(const TPersistent* Object) {
  const auto* graphic = dynamic_cast<const TGraphic*>(Object);
  return graphic ? TPoint{graphic->Width(), graphic->Height()} : TPoint{0, 0};
}

TPoint ImageExtent(const TImageList* Images) {
  return Images ? TPoint{Images->Width(), Images->Height()} : TPoint{0, 0};
}

const TCellTypes TextBesideNot{ctDataImage,  ctDataCheckBox,   ctVirtCheckBox, ctRowCheckBox,
                               ctRotated,    ctRadio,          ctProgress,     ctRangeIndicator,
                               ctXPProgress, ctRating};

}  // namespace

void TAdvStringGrid::GetCellGraphicInfo(int ACol, int ARow, TCellVAlign& VAlign, TCellHAlign& HAlign,
                                        bool& ShowText, int& Height, int& Width) {
  VAlign = vaTop;
  HAlign = haLeft;
  ShowText = true;
  Height = 0;
  Width = 0;
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return;
  VAlign = g->CellVAlign();
  HAlign = g->CellHAlign();
  ShowText = !TextBesideNot.Contains(g->CellType());
  const int check = ControlLook()->CheckSize();
  TPoint s{0, 0};
  switch (g->CellType()) {
    case ctBitmap: s = GraphicExtent(g->CellBitmap()); break;
    case ctIcon: s = GraphicExtent(g->CellIcon()); break;
    case ctImageList:
    case ctDataImage: s = ImageExtent(GetCellImageList()); break;
    case ctCheckBox:
    case ctTriStateCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox: s = {check, check}; break;
    case ctImages: {
      const TPoint image = ImageExtent(GetCellImageList());
      const auto* list = dynamic_cast<const TIntList*>(g->CellBitmap());
      const int count = list ? list->Count() : 0;
      s = g->CellBoolean() ? TPoint{count * image.X, image.Y} : TPoint{image.X, count * image.Y};
      break;
    }
    case ctPicture:
    case ctFilePicture:
      s = g->GetPictureSize(ColWidths(DisplColIndex(ACol)), RowHeights(ARow), !Cells(ACol, ARow).empty());
      break;
    case ctButton:
    case ctBitButton: {
      const auto packed = static_cast<unsigned>(g->CellIndex());
      s = {static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)};
      break;
    }
    case ctProgressPie: s = {20, 20}; break;
    case ctRadioButton: s = {ControlLook()->RadioSize() + 4, ControlLook()->RadioSize() + 4}; break;
    case ctShape: {
      const int side = RowHeights(ARow) - 2 * XYOffset().Y;
      s = {side, side};
      break;
    }
    case ctRating: s = {g->CellAngle() * 18, 16}; break;
    default: break;
  }
  Width = s.X;
  Height = s.Y;
}
