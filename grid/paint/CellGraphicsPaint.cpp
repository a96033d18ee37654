// A cell's graphic: the room it takes from the text, where it goes and the
// pictures, bars, marks and shapes drawn for it. Values come from the cell
// text, which the user may edit: a text that is no number counts as 0.
#include <algorithm>
#include <cmath>

#include "grid/base/CellProgressBar.h"
#include "grid/base/CellShapes.h"
#include "grid/base/ControlLook.h"
#include "grid/base/FilePicture.h"
#include "grid/base/GridProgressAppearance.h"
#include "grid/base/IntList.h"
#include "grid/base/ProgressIndicators.h"
#include "grid/model/CellFloat.h"
#include "grid/paint/CellGraphicPlacement.h"
#include "grid/paint/CellPainter.h"
#include "grid/paint/TransparentBitmap.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Picture.h"
#include "platform/sys/SysUtils.h"

namespace {

const TCellTypes KeepsOffsets{ctNode, ctProgress, ctRangeIndicator, ctXPProgress};

double CellNumber(TAdvStringGrid& G, int ACol, int ARow) {
  double value = 0;
  return TryCellTextToFloat(G.StrippedCells(ACol, ARow), value) ? value : 0;
}

int CellInteger(TAdvStringGrid& G, int ACol, int ARow) {
  int value = 0;
  return TryStrToInt(Trim(G.StrippedCells(ACol, ARow)), value) ? value : 0;
}

void DrawImage(TCanvas& C, const TImageList* Images, int X, int Y, int Index) {
  if (Images && Index >= 0 && Index < Images->Count()) Images->Draw(C, X, Y, Index);
}

void DrawImages(TCanvas& C, const TCellGraphic& G, const TImageList* Images, TPoint At) {
  const auto* list = dynamic_cast<const TIntList*>(G.CellBitmap());
  if (!list || !Images) return;
  for (int i = 0; i < list->Count(); ++i) {
    DrawImage(C, Images, At.X, At.Y, list->Items(i));
    if (G.CellBoolean()) {
      At.X += Images->Width();
    } else {
      At.Y += Images->Height();
    }
  }
}

void DrawPicture(TCanvas& C, const TCellGraphic& G, const TRect& Place) {
  const auto* picture = dynamic_cast<const TPicture*>(G.CellBitmap());
  if (!picture || !picture->Graphic()) return;
  if (G.CellAngle() != 0) {
    C.StretchDraw(Place, *picture->Graphic());
  } else {
    C.Draw(Place.Left, Place.Top, *picture->Graphic());
  }
}

// Whole and half stars up to the value cut down to half steps.
void DrawRating(TCanvas& C, const TCellGraphic& G, const TRect& Place, double Value) {
  const double value = std::trunc(Value * 2) / 2;
  const auto on = static_cast<TColor>(G.CellIndex()), off = G.BitmapSlot().Color();
  for (int i = 0; i < G.CellAngle(); ++i) {
    const int x = Place.Left + 18 * i;
    const TColor color = i + 1 > value ? off : on;
    DrawCellShape(C, x, Place.Top, 16, 16, csStar, color, color);
    if (i < value && value < i + 1) DrawCellShape(C, x, Place.Top, 16, 16, csHalfStar, on, on);
  }
}

}  // namespace

void TCellPainter::TakeGraphicInfo() {
  Graphic = G.GetCellGraphic(RCol, ARow);
  if (!Graphic) return;
  G.GetCellGraphicInfo(RCol, ARow, GraphicVAlign, GraphicHAlign, GraphicShowsText, GraphicSize.Y,
                       GraphicSize.X);
  if (RCol == 0 && G.IsNode(ARow)) GraphicSize.X = G.GetNodeLevel(ARow) * 12 + 4;
}

bool TCellPainter::MakeGraphicRoom(TRect& T) const {
  if (!Graphic) return true;
  if (!GraphicShowsText) return false;
  if (GraphicHAlign == haBeforeText) T.Left += GraphicSize.X;
  if (GraphicHAlign == haAfterText) T.Right -= GraphicSize.X;
  if (GraphicVAlign == vaAboveText) T.Top += GraphicSize.Y;
  if (GraphicVAlign == vaUnderText) T.Bottom -= GraphicSize.Y;
  return true;
}

void TCellPainter::DrawCellGraphic(TRect Rect) {
  const TCellType type = Graphic->CellType();
  const TRect outer = Rect;
  if (!KeepsOffsets.Contains(type)) {
    const TPoint xy = G.XYOffset();
    InflateRect(Rect, -(xy.X - 1), -(xy.Y - 1));
  }
  TGraphicPlace p;
  p.R = Rect;
  p.Size = GraphicSize;
  p.TextSpan = TextWidth > 0 ? TextWidth + 2 : 0;
  p.TextAlign = HA;
  p.Type = type;
  p.HAlign = GraphicHAlign;
  p.VAlign = GraphicVAlign;
  p.OwnVAlign = VA != G.VAlignment();
  p.CellVAlign = VA;
  const TRect place = PlaceCellGraphic(p);
  if (IsCheckGraphic(type)) {
    DrawCheckGraphic(place);
  } else if (type == ctButton || type == ctBitButton || type == ctExpand) {
    DrawCellButton(type == ctExpand ? TRect{Rect.Right - 13, Rect.Top, Rect.Right, Rect.Top + 13} : place);
  } else {
    DrawPlacedGraphic(place);
    DrawDrawnGraphic(outer, Rect);
  }
}

void TCellPainter::DrawPlacedGraphic(const TRect& Place) {
  const TCellGraphic& g = *Graphic;
  const TImageList* images = G.GetCellImageList();
  switch (g.CellType()) {
    case ctBitmap:
      if (const auto* b = dynamic_cast<const TBitmap*>(g.CellBitmap())) {
        DrawBitmapAt(C, *b, Place.Left, Place.Top, g.CellTransparent());
      }
      break;
    case ctIcon:
      if (const auto* icon = dynamic_cast<const TGraphic*>(g.CellIcon())) C.Draw(Place.Left, Place.Top, *icon);
      break;
    case ctImageList: DrawImage(C, images, Place.Left, Place.Top, g.CellIndex()); break;
    case ctDataImage:
      DrawImage(C, images, Place.Left, Place.Top, CellInteger(G, RCol, ARow) + g.CellIndex());
      break;
    case ctImages: DrawImages(C, g, images, TPoint{Place.Left, Place.Top}); break;
    case ctPicture: DrawPicture(C, g, Place); break;
    case ctFilePicture:
      if (const auto* file = dynamic_cast<const TFilePicture*>(g.CellBitmap())) file->DrawPicture(C, Place);
      break;
    case ctProgressPie:
      DrawProgressPie(C, TRect{Place.Left, Place.Top, Place.Left + 20, Place.Top + 20},
                      g.BitmapSlot().Color(), g.CellAngle(), false);
      break;
    case ctShape:
      DrawCellShape(C, Place.Left, Place.Top, Place.Width() - 1, Place.Height() - 1,
                    static_cast<TCellShape>(g.CellAngle()), static_cast<TColor>(g.CellIndex()),
                    g.BitmapSlot().Color());
      break;
    case ctRating: DrawRating(C, g, Place, CellNumber(G, RCol, ARow)); break;
    default: break;
  }
}

void TCellPainter::DrawDrawnGraphic(const TRect& Outer, const TRect& Rect) {
  const TControlLook& look = *G.ControlLook();
  switch (Graphic->CellType()) {
    case ctNode: DrawNodeGlyph(Rect); break;
    case ctRadio: DrawRadioGroup(Rect); break;
    case ctRotated: DrawRotatedText(Rect); break;
    case ctProgress: DrawProgress(Rect); break;
    case ctXPProgress: DrawXPProgress(Rect); break;
    case ctRangeIndicator: {
      TRect r = Rect;
      InflateRect(r, -look.ProgressMarginX(), -look.ProgressMarginY());
      DrawCenteredValueBar(C, r, CellInteger(G, RCol, ARow), Graphic->CellIndex(), Graphic->CellBoolean(),
                           Graphic->BitmapSlot().Color(), Graphic->IconSlot().Color());
      break;
    }
    case ctComment: DrawComment(Outer); break;
    default: break;
  }
}

void TCellPainter::DrawRotatedText(TRect Rect) {
  const String text = G.Cells(RCol, ARow);
  const int angle = Graphic->CellAngle();
  TRect at = Rect;
  G.CalcRotatedTextRect(at, angle, text, HA, VA);
  const int orientation = C.Font()->Orientation();
  const TBrushStyle style = C.Brush()->Style();
  C.Font()->SetOrientation(angle * 10);
  C.Brush()->SetStyle(bsClear);
  InflateRect(Rect, -2, -2);
  C.TextRect(Rect, at.Left, at.Top, text);
  C.Font()->SetOrientation(orientation);
  C.Brush()->SetStyle(style);
  if (ShowsSortGlyph()) G.DrawSortIndicator(C, RCol, Rect.Top + 8, Rect.Right - 10);
}

// Visual styles are never active here, so the classic bar stands in for the themed one.
void TCellPainter::DrawProgress(TRect Rect) {
  InflateRect(Rect, -2, -2);
  DrawProgressBar(C, CellProgressBar(*Graphic, *G.ControlLook(), Rect, CellNumber(G, RCol, ARow)));
}

namespace {

// The share of the range the value has reached, 0 ... 100; 0 for an empty range.
int RangePercent(int Value, int Min, int Max) {
  if (Max == Min) return 0;
  const double share = (static_cast<double>(Value) - Min) / (static_cast<double>(Max) - Min);
  return static_cast<int>(std::clamp(std::round(share * 100), 0.0, 100.0));
}

TProgressDrawInfo ProgressInfo(const TGridProgressAppearance& A, const TFont* Font, TColor Background) {
  TProgressDrawInfo info;
  info.Level0Color = A.Level0Color();
  info.Level0ColorTo = A.Level0ColorTo();
  info.Level1Color = A.Level1Color();
  info.Level1ColorTo = A.Level1ColorTo();
  info.Level2Color = A.Level2Color();
  info.Level2ColorTo = A.Level2ColorTo();
  info.Level3Color = A.Level3Color();
  info.Level3ColorTo = A.Level3ColorTo();
  info.Level1Perc = A.Level1Perc();
  info.Level2Perc = A.Level2Perc();
  info.ShowBorder = A.ShowBorder();
  info.BorderColor = A.BorderColor();
  info.Stacked = A.Stacked();
  info.ShowPercentage = A.ShowPercentage();
  info.CompletionSmooth = A.CompletionSmooth();
  info.ShowGradient = A.ShowGradient();
  info.Font = Font;
  info.CompleteFontColor = A.CompleteFontColor();
  info.Steps = A.Steps();
  info.UnCompleteColor = A.UnCompleteColor() == clNone ? Background : A.UnCompleteColor();
  return info;
}

}  // namespace

void TCellPainter::DrawXPProgress(TRect Rect) {
  const TControlLook& look = *G.ControlLook();
  const TProgressDrawInfo info = ProgressInfo(*G.ProgressAppearance(), G.Font(), C.Brush()->Color());
  InflateRect(Rect, -look.ProgressMarginX(), -look.ProgressMarginY());
  Rect.Right -= 1;
  Rect.Bottom -= 1;
  const int percent = RangePercent(CellInteger(G, RCol, ARow), Graphic->CellErrFrom(), Graphic->CellErrLen());
  DrawProgressBarEx(C, Rect, percent, info);
}

void TCellPainter::DrawComment(const TRect& Outer) {
  if (G.ControlLook()->CommentColor() == clNone) return;
  const auto color = static_cast<TColor>(Graphic->CellIndex());
  C.Pen()->SetColor(color);
  C.Brush()->SetColor(color);
  const TPoint corner[] = {{Outer.Right - 7, Outer.Top}, {Outer.Right - 2, Outer.Top}, {Outer.Right - 2, Outer.Top + 5}};
  C.Polygon(corner);
  C.Brush()->SetColor(G.Color());
}
