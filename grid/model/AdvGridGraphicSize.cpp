// How much room a cell's graphic takes beside or above its text, on
// screen and on paper.
#include <algorithm>
#include <cmath>

#include "grid/base/CellGraphic.h"
#include "grid/base/ControlLook.h"
#include "grid/base/IntList.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/SortSettings.h"
#include "platform/gui/ImageList.h"

namespace {

bool Beside(const TCellGraphic& g) { return g.CellHAlign() == haBeforeText || g.CellHAlign() == haAfterText; }
bool Above(const TCellGraphic& g) { return g.CellVAlign() == vaUnderText || g.CellVAlign() == vaAboveText; }

TPoint GraphicSize(TPersistent* Object) {
  const auto* graphic = dynamic_cast<const TGraphic*>(Object);
  return graphic ? TPoint{graphic->Width(), graphic->Height()} : TPoint{0, 0};
}

bool IsCheckBox(TCellType Type) {
  return Type == ctCheckBox || Type == ctDataCheckBox || Type == ctVirtCheckBox || Type == ctRowCheckBox ||
         Type == ctTriStateCheckBox;
}

TPoint PackedButtonSize(const TCellGraphic& g) {
  const auto packed = static_cast<unsigned>(g.CellIndex());
  return {static_cast<int>(packed & 0xFFFF), static_cast<int>(packed >> 16)};
}

// Images of a multi-image cell side by side (or one above the other).
TPoint MultiImageSize(const TCellGraphic& g, TPoint Image) {
  const auto* list = dynamic_cast<const TIntList*>(g.CellBitmap());
  const int count = list ? list->Count() : 0;
  return g.CellBoolean() ? TPoint{count * Image.X, Image.Y} : TPoint{Image.X, count * Image.Y};
}

}  // namespace

TPoint TAdvStringGrid::GetCellGraphicSize(int ACol, int ARow) { return CalcCellGraphicSize(ACol, ARow, 0); }

TPoint TAdvStringGrid::CellImageSize() {
  const TImageList* images = GetCellImageList();
  return images ? TPoint{images->Width(), images->Height()} : TPoint{0, 0};
}

TPoint TAdvStringGrid::RadioGroupSize(const TCellGraphic& g, bool Print) {
  TCanvas& canvas = *MeasureCanvas();
  canvas.Font()->Assign(*Font());
  const auto* options = dynamic_cast<const TStrings*>(g.CellBitmap());
  const int count = options ? options->Count() : 0;
  const int gh = canvas.TextHeight(u"gh");
  int sum = 0, widest = 0;
  for (int i = 0; i < count; ++i) {
    const int w = canvas.TextWidth(options->Strings(i));
    sum += w + 12;
    widest = std::max(widest, w);
  }
  if (g.CellBoolean()) return {sum, gh};
  return {std::max(widest + 12, 12), (Print ? gh : std::max(16, gh)) * count};
}

TPoint TAdvStringGrid::ButtonGraphicSize(const TCellGraphic& g, bool HasText) {
  const TPoint packed = PackedButtonSize(g);
  TCanvas& canvas = *MeasureCanvas();
  canvas.Font()->Assign(*Font());
  const int caption = canvas.TextWidth(g.CellText()) + 4;
  if (!HasText) return {g.CellHAlign() == haFull ? caption : packed.X, packed.Y};
  const int w = g.CellHAlign() == haCenter || Above(g) ? 0 : g.CellHAlign() == haFull ? caption : packed.X;
  return {w, Above(g) ? packed.Y : 0};
}

TPoint TAdvStringGrid::CalcCellGraphicSize(int ACol, int ARow, int GraphicTextHeight) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return {0, 0};
  const bool hasText = !Cells(ACol, ARow).empty();
  const bool wide = Beside(*g) || !hasText, tall = Above(*g) || !hasText;
  const TPoint cell{ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
  TPoint s{0, 0};
  switch (g->CellType()) {
    case ctIcon: {
      const TPoint icon = GraphicSize(g->CellIcon());
      s = {wide ? icon.X : 0, icon.Y};
      break;
    }
    case ctBitmap: {
      const TPoint bitmap = GraphicSize(g->CellBitmap());
      s = {wide ? bitmap.X : 0, tall ? bitmap.Y : 0};
      break;
    }
    case ctImageList:
    case ctDataImage: {
      const TPoint image = CellImageSize();
      s = {wide ? image.X : 0, tall ? image.Y : 0};
      break;
    }
    case ctPicture:
    case ctFilePicture:
      // A small cell leaves a negative area: nothing to fit a picture into.
      s = g->GetPictureSize(std::max(0, cell.X - GetHorzPadding() - 1),
                            std::max(0, cell.Y - GetVertPadding() - GraphicTextHeight - 1), hasText);
      break;
    case ctButton:
    case ctBitButton: s = ButtonGraphicSize(*g, hasText); break;
    case ctProgressPie: s = {20, 20}; break;
    case ctRadioButton: s = {ControlLook()->RadioSize(), ControlLook()->RadioSize()}; break;
    case ctRadio: s = RadioGroupSize(*g, false); break;
    case ctRating: s = {g->CellAngle() * 18, 16}; break;
    case ctImages: s = MultiImageSize(*g, CellImageSize()); break;
    default:
      if (IsCheckBox(g->CellType())) s = {ControlLook()->CheckSize(), ControlLook()->CheckSize()};
      break;
  }
  if (g->CellVAlign() == vaFull) s.Y = cell.Y;
  const bool captionButton = (g->CellType() == ctButton || g->CellType() == ctBitButton) && !hasText &&
                             !g->CellText().empty();
  if (g->CellHAlign() == haFull && g->CellType() != ctRating && !captionButton) s.X = cell.X;
  return s;
}

TPoint TAdvStringGrid::CalcPrintGraphicSize(int ACol, int ARow, int W, int H, double ResFactor) {
  const TCellGraphic* g = GetCellGraphic(ACol, ARow);
  if (!g) return {0, 0};
  const bool hasText = !Cells(ACol, ARow).empty();
  const TPoint image = CellImageSize();
  switch (g->CellType()) {
    case ctBitmap: return GraphicSize(g->CellBitmap());
    case ctIcon: return GraphicSize(g->CellIcon());
    case ctImageList: return {Beside(*g) || !hasText ? image.X : 0, image.Y};
    case ctDataImage: return image;
    case ctRadioButton: return {ControlLook()->RadioSize(), ControlLook()->RadioSize()};
    case ctNode:
    case ctProgressPie: return {20, 20};
    case ctRadio: return RadioGroupSize(*g, true);
    case ctImages: return MultiImageSize(*g, image);
    case ctPicture:
    case ctFilePicture: {
      const TPoint p = g->GetPictureSize(W, H, hasText);
      if (ResFactor <= 0) return p;
      return {static_cast<int>(std::lround(p.X / ResFactor)), static_cast<int>(std::lround(p.Y / ResFactor))};
    }
    case ctProgress:
    case ctXPProgress: return {ColWidths(DisplColIndex(ACol)), RowHeights(ARow)};
    case ctButton:
    case ctBitButton: return PackedButtonSize(*g);
    case ctShape: {
      const int side = RowHeights(ARow) - 2 * XYOffset().Y;
      return {side, side};
    }
    default:
      if (IsCheckBox(g->CellType())) return {ControlLook()->CheckSize(), ControlLook()->CheckSize()};
      return {0, 0};
  }
}

bool TAdvStringGrid::IsSortIndicatorRow(int ACol, int ARow) {
  const int row = IsMergedCell(ACol, ARow) ? FullCell(ACol, ARow).Bottom : ARow;
  return row == SortSettings()->Row() && SortSettings()->Show() && RowCount() > FixedRows() + 1;
}
