// Measuring cell texts on a canvas in the cell's font and the zoom.
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/BitmapCanvas.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/PixelBuffer.h"


TCanvas* TAdvStringGrid::MeasureCanvas() {
  if (Canvas()) return Canvas();
  if (!FMeasureCanvas) {
    FMeasureBuffer = std::make_unique<TPixelBuffer>();
    FMeasureBuffer->Resize(1, 1, 4);
    FMeasureCanvas = MakeBufferCanvas(*FMeasureBuffer);
  }
  return FMeasureCanvas.get();
}

void TAdvStringGrid::SetMeasureCanvas(std::unique_ptr<TCanvas> Value) {
  FMeasureCanvas = std::move(Value);
}

// Mini-HTML and rich text are measured as their plain text until their
// renderers take part here.
TPoint TAdvStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  TCanvas& canvas = *MeasureCanvas();
  const int displCol = DisplColIndex(ACol);
  const bool fixed = ARow < FixedRows() || displCol < FixedCols();
  canvas.Font()->Assign(fixed ? *FFixedFont : *Font());
  TBrush brush;
  DoGetCellColor(ACol, ARow, canvas.Font(), &brush, TGridDrawState());
  canvas.Font()->SetSize(canvas.Font()->Size() + FZoomFactor);
  const String text = GetFormattedCell(ACol, ARow);
  if (text.empty()) return TPoint{0, 0};
  unsigned format = DT_CALCRECT | DT_NOPREFIX | DT_LEFT | DT_TOP;
  TRect r{0, 0, 0, 0};
  if (SB) {
    format |= DT_WORDBREAK;
    r.Right = std::max(ColWidths(displCol) - GetHorzPadding(), 1);
  }
  (void)VS;  // vertical text is measured as horizontal text
  canvas.DrawText(text, r, format);
  return TPoint{r.Right - r.Left, r.Bottom - r.Top};
}
