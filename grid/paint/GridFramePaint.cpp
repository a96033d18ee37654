// What the grid paints around its cells: the frame of the edited cell, the
// background picture or gradient where no cell is, the outer border in the
// look's colour and the resize feedback lines.
#include <algorithm>

#include "grid/base/BackGround.h"
#include "grid/base/GradientFill.h"
#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "grid/model/FloatingFooter.h"
#include "grid/model/FooterPanel.h"
#include "platform/gui/Region.h"

namespace {

constexpr int SearchFooterHeight = 32;
constexpr int BackgroundBands = 127;  // and one more: 128 bands

// Restores the canvas's clip and origins however the drawing ends.
struct TSavedCanvas {
  TCanvas& Canvas;
  int Saved = Canvas.SaveDC();
  ~TSavedCanvas() { Canvas.RestoreDC(Saved); }
};

// The first tile's corner at or before Limit, in steps of Size from Origin.
int FirstTile(int Origin, int Size, int Limit) {
  if (Origin <= Limit) return Origin + (Limit - Origin) / Size * Size;
  return Origin - ((Origin - Limit + Size - 1) / Size) * Size;
}

void TilePicture(TCanvas& Canvas, const TBitmap& Picture, TPoint Origin, const TRect& Area) {
  const int w = Picture.Width(), h = Picture.Height();
  for (int y = FirstTile(Origin.Y, h, Area.Top); y < Area.Bottom; y += h)
    for (int x = FirstTile(Origin.X, w, Area.Left); x < Area.Right; x += w) Canvas.Draw(x, y, Picture);
}

// The outline (a, b) -> (a, a) -> (W - c, a) -> (W - c, H - c) -> (a, H - c).
void Outline(TCanvas& Canvas, int W, int H, int A, int B, int C) {
  Canvas.MoveTo(A, B);
  Canvas.LineTo(A, A);
  Canvas.LineTo(W - C, A);
  Canvas.LineTo(W - C, H - C);
  Canvas.LineTo(A, H - C);
}

bool LookHasBorder(TGridLook Look) {
  return Look == glSoft || (Look >= glZEV && Look <= glOffice2007);
}

}  // namespace

// A paint that still comes while locked draws nothing: the lock's end
// repaints the whole grid.
void TAdvStringGrid::Paint() {
  if (FUpdateCount > 0) return;
  TCanvas* canvas = Canvas();
  if (canvas) {
    canvas->Pen()->SetStyle(psSolid);
    canvas->Brush()->SetStyle(bsSolid);
  }
  TBaseGrid::Paint();
  if (!canvas) return;
  if (Editing()) {
    const bool lines = GridLineWidth() >= 1 &&
                       (Options().Contains(goHorzLine) || Options().Contains(goVertLine));
    canvas->Pen()->SetColor(lines ? GridLineColor() : Color());
    canvas->Brush()->SetStyle(bsClear);
    canvas->Rectangle(ClientOfView(CellRect(Col(), Row())));
    canvas->Brush()->SetStyle(bsSolid);
  }
  canvas->Pen()->SetColor(clBlack);
  if (!FBackGround->Bitmap()->Empty() || FBackGround->ColorTo() != clNone) PaintGridBackground();
  PaintSizeLines(*canvas);
  if (OnPainted) OnPainted(this);
}

void TAdvStringGrid::PaintGridBackground() {
  TCanvas* canvas = Canvas();
  if (!canvas) return;
  const TBackGround& bg = *FBackGround;
  const bool lastColShown = LeftCol() + VisibleColCount() >= ColCount();
  const bool lastRowShown = TopRow() + VisibleRowCount() >= RowCount();
  if (!lastColShown && !lastRowShown) return;
  if (bg.IsGradient() && bg.ColorTo() == clNone) return;
  const int line = GridLineWidth();
  const TRect client = ClientRect();
  TRegion empty;
  if (lastColShown) {
    const int right = CellRect(ColCount() - 1, FixedRows() > 0 ? 0 : TopRow()).Right + line;
    if (right < client.Right) empty = empty.Combined(TRegion::FromRect({right, 0, client.Right, client.Bottom}), RGN_OR);
  }
  if (lastRowShown) {
    const int bottom = CellRect(FixedCols() > 0 ? 0 : LeftCol(), RowCount() - 1).Bottom + line;
    if (bottom < client.Bottom) empty = empty.Combined(TRegion::FromRect({0, bottom, client.Right, client.Bottom}), RGN_OR);
  }
  if (empty.Empty()) return;
  TRect area = client;
  if (FSearchFooter->Visible()) area.Bottom -= SearchFooterHeight;
  if (FFloatingFooter->Visible() && FFooterPanel) area.Bottom -= FFooterPanel->Height();
  const TSavedCanvas saved{*canvas};
  canvas->IntersectClipRegion(empty);
  const TBitmap& picture = *bg.Bitmap();
  if (picture.Empty()) {
    if (bg.IsGradient())
      DrawGradientRect(*canvas, bg.Color(), bg.ColorTo(), BackgroundBands, area, bg.Display() == bdGradientHorz);
    return;
  }
  if (bg.Display() != bdTile) return canvas->Draw(bg.Left(), bg.Top(), picture);
  if (bg.Cells() == bcFixed) return;
  TPoint origin = Point(area.Left, area.Top);
  if (bg.Cells() == bcNormal) {
    const TRect first = CellRect(LeftCol(), TopRow());
    origin = Point(first.Left + XYOffset().X, first.Top + XYOffset().Y);
  }
  TilePicture(*canvas, picture, origin, area);
}

void TAdvStringGrid::PaintLookBorder(TCanvas& Canvas) {
  if (!LookHasBorder(Look()) || BorderStyle() != bsSingle || FBorderColor == clNone || Flat()) return;
  const int w = Width(), h = Height();
  Canvas.Pen()->SetStyle(psSolid);
  Canvas.Pen()->SetWidth(1);
  Canvas.Pen()->SetColor(FBorderColor);
  if (!FitCellsInGrid()) return Outline(Canvas, w, h, 0, h - 1, 1);
  Outline(Canvas, w, h, 1, h, 2);
  if (!Parent()) return;
  Canvas.Pen()->SetColor(Parent()->Color());
  Outline(Canvas, w, h, 0, h, 1);
}

// Drawn at the end of each paint until drawn again: the same line twice
// leaves the pixels as they were.
void TAdvStringGrid::DrawColSizeLine(int X) {
  const int bottom = std::max(Height(), CellRect(0, RowCount() - 1).Bottom);
  DrawSizeLine(Point(X, 0), Point(X, bottom));
}

void TAdvStringGrid::DrawRowSizeLine(int Y) {
  const int right = std::max(Width(), CellRect(ColCount() - 1, 0).Right);
  DrawSizeLine(Point(0, Y), Point(right, Y));
}

void TAdvStringGrid::DrawSizeLine(TPoint From, TPoint To) {
  auto& lines = FState->Window.SizeLines;
  const auto line = std::make_pair(From, To);
  if (const auto at = std::find(lines.begin(), lines.end(), line); at != lines.end())
    lines.erase(at);
  else
    lines.push_back(line);
  InvalidateRect(Rect(From.X, From.Y, std::max(From.X, To.X) + 1, std::max(From.Y, To.Y) + 1));
}

// A dotted XOR line in white: the dots invert what is beneath. (A black XOR
// pen shows only through the opaque gaps of a dotted pen, which this canvas
// leaves unpainted.)
void TAdvStringGrid::PaintSizeLines(TCanvas& Canvas) {
  if (FState->Window.SizeLines.empty()) return;
  const TPenMode mode = Canvas.Pen()->Mode();
  const TPenStyle style = Canvas.Pen()->Style();
  const TColor color = Canvas.Pen()->Color();
  const int width = Canvas.Pen()->Width();
  Canvas.Pen()->SetColor(clWhite);
  Canvas.Pen()->SetStyle(psDot);
  Canvas.Pen()->SetMode(pmXor);
  Canvas.Pen()->SetWidth(1);
  for (const auto& [from, to] : FState->Window.SizeLines) {
    Canvas.MoveTo(from.X, from.Y);
    Canvas.LineTo(to.X, to.Y);
  }
  Canvas.Pen()->SetMode(mode);
  Canvas.Pen()->SetStyle(style);
  Canvas.Pen()->SetColor(color);
  Canvas.Pen()->SetWidth(width);
}

// Only the fixed and active-cell fonts: the rest scale with the control.
void TAdvStringGrid::ChangeScale(int M, int D) {
  TBaseGrid::ChangeScale(M, D);
  if (M == D || D == 0 || (ComponentState() & csDesigning)) return;
  FFixedFont->SetSize(MulDiv(FFixedFont->Size(), M, D));
  FActiveCellFont->SetSize(MulDiv(FActiveCellFont->Size(), M, D));
}
