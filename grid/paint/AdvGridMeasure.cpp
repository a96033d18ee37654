// Measuring cell texts on a canvas in the cell's font and the zoom, and
// placing rotated text.
#include <cmath>
#include <numbers>

#include "grid/base/CellText.h"
#include "grid/base/HTMLRender.h"
#include "grid/base/RichTextPlain.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/grids/InplaceEdit.h"
#include "platform/gui/BitmapCanvas.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/PixelBuffer.h"

namespace {

constexpr int kUnboundedWidth = 1 << 24;

TPoint MeasureHTMLText(TCanvas& Canvas, const String& Text, int Width, THTMLRenderInputs in) {
  in.CheckHeight = true;
  THTMLRenderResults out;
  RenderMiniHTML(Canvas, Text, TRect{0, 0, Width, 0}, in, out);
  return TPoint{out.XSize, out.YSize};
}

}  // namespace

TCanvas* TAdvStringGrid::MeasureCanvas() {
  if (Canvas()) return Canvas();
  if (!FState->MeasureCanvas) {
    FState->MeasureBuffer = std::make_unique<TPixelBuffer>();
    FState->MeasureBuffer->Resize(1, 1, 4);
    FState->MeasureCanvas = MakeBufferCanvas(*FState->MeasureBuffer);
  }
  return FState->MeasureCanvas.get();
}

void TAdvStringGrid::SetMeasureCanvas(std::unique_ptr<TCanvas> Value) {
  FState->MeasureCanvas = std::move(Value);
}

// Rich text is measured as the plain text the painter draws of it.
TPoint TAdvStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB) {
  TCanvas& canvas = *MeasureCanvas();
  const int displCol = DisplColIndex(ACol);
  const bool fixed = ARow < FixedRows() || displCol < FixedCols();
  canvas.Font()->Assign(fixed ? *FFixedFont : *Font());
  TBrush brush;
  DoGetCellColor(ACol, ARow, canvas.Font(), &brush, TGridDrawState());
  canvas.Font()->SetSize(canvas.Font()->Size() + FValues.ZoomFactor);
  // While typing, the cell is as large as what the editor holds.
  const TInplaceEdit* editor = InplaceEditor();
  const bool edited = EditorMode() && editor && editor->Visible() && ACol == RealCol() && ARow == Row();
  String text = edited ? editor->Text() : GetFormattedCell(ACol, ARow);
  if (text.empty()) return TPoint{0, 0};
  const int wrapWidth = std::max(ColWidths(displCol) - GetHorzPadding(), 1);
  const int kind = CellTextKind(text, true);
  if (kind == ctkRichText) text = RichTextToPlainText(text);
  if (kind == ctkHTML) {
    THTMLRenderInputs in;
    in.PictureCache = ImageCache();
    in.PictureContainer = Container();
    return MeasureHTMLText(canvas, text, SB ? wrapWidth : kUnboundedWidth, in);
  }
  unsigned format = DT_CALCRECT | DT_NOPREFIX | DT_LEFT | DT_TOP;
  TRect r{0, 0, 0, 0};
  if (SB) {
    format |= DT_WORDBREAK;
    r.Right = wrapWidth;
  }
  (void)VS;  // vertical text is measured as horizontal text
  canvas.DrawText(text, r, format);
  return TPoint{r.Right - r.Left, r.Bottom - r.Top};
}

void TAdvStringGrid::CalcRotatedTextRect(TRect& R, int Angle, const String& Text, TAlignment HAlign,
                                         TVAlignment VAlign) {
  TCanvas& canvas = *MeasureCanvas();
  const double cx = canvas.TextWidth(Text), cy = canvas.TextHeight(Text);
  R = TRect{R.Left + 2, R.Top + 2, R.Right - 2, R.Bottom - 2};
  const double theta = Angle * std::numbers::pi / 180.0;
  const auto extent = [](double v) { return std::abs(static_cast<int>(std::trunc(v))); };
  AlignRotatedTextRect(R, HAlign, VAlign, Angle, extent(std::cos(theta) * cx), extent(std::sin(theta) * cy),
                       extent(std::sin(theta) * cx), extent(std::cos(theta) * cy));
}

// One row per quadrant (angles up to 90, 180, 270, 360); integer halves
// truncate toward zero, as the formulas were made for.
void AlignRotatedTextRect(TRect& R, TAlignment HAlign, TVAlignment VAlign, int Angle, int W1, int H1,
                          int W2, int H2) {
  const int q = Angle <= 90 ? 0 : Angle <= 180 ? 1 : Angle <= 270 ? 2 : 3;
  const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
  const int lefts[4][3] = {
      {l, r - W1 - H1, l + (r - l - W1 - H1) / 2},
      {l + W1, r - H1, r - (H1 + r - l - W1) / 2},
      {l + H1 + W1, r, r - (r - l - H1 - W1) / 2},
      {l + H1, r - W1, l + (H1 + r - l - W1) / 2},
  };
  const int v = W2 + t + H2 - b;
  const int tops[4][3] = {
      {t + W2, t + W2 - v / 2, b - H2},
      {t + H2 + W2, t + H2 + W2 - v / 2, b},
      {t + H2, t + H2 - v / 2, b - W2},
      {t, t - v / 2, b - H2 - W2},
  };
  const int h = HAlign == taLeftJustify ? 0 : HAlign == taRightJustify ? 1 : HAlign == taCenter ? 2 : -1;
  const int vv = VAlign == vtaTop ? 0 : VAlign == vtaCenter ? 1 : VAlign == vtaBottom ? 2 : -1;
  if (h >= 0) R.Left = lefts[q][h];
  if (vv >= 0) R.Top = tops[q][vv];
}
