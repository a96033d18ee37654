// What lies behind and in the text of a cell: selection colours, the
// background picture, the selection rectangle, the filter glyph and the text
// in its kinds (plain with URL, password and multi-line handling, mini-HTML,
// rich text) with the sort glyph of a sort header cell.
#include <algorithm>

#include "grid/base/CanvasMarks.h"
#include "grid/base/CellText.h"
#include "grid/base/GridStrings.h"
#include "grid/base/HTMLRender.h"
#include "grid/base/MouseActions.h"
#include "grid/base/RichTextPlain.h"
#include "grid/model/SortSettings.h"
#include "grid/paint/CellPainter.h"

namespace {

unsigned HorzFlag(TAlignment HA) {
  switch (HA) {
    case taRightJustify: return DT_RIGHT;
    case taCenter: return DT_CENTER;
    default: return DT_LEFT;
  }
}

unsigned VertFlag(TVAlignment VA) {
  switch (VA) {
    case vtaCenter: return DT_VCENTER;
    case vtaBottom: return DT_BOTTOM;
    default: return DT_TOP;
  }
}

// Keeps the canvas brush clear while text is drawn over the background.
class TClearBrush {
 public:
  explicit TClearBrush(TCanvas& Canvas) : C(Canvas), FStyle(Canvas.Brush()->Style()) {
    C.Brush()->SetStyle(bsClear);
  }
  ~TClearBrush() { C.Brush()->SetStyle(FStyle); }
  TClearBrush(const TClearBrush&) = delete;
  TClearBrush& operator=(const TClearBrush&) = delete;

 private:
  TCanvas& C;
  TBrushStyle FStyle;
};

}  // namespace

void TCellPainter::ApplyTextSelectionColors() {
  const bool rowSelected = HasOption(goRowSelect) && G.MouseActions()->DisjunctRowSelect() &&
                           ACol >= G.FixedCols() && ACol < G.ColCount() - G.FixedRightCols() &&
                           G.RowSelect(G.SelectionRow(ARow));
  if (!(AState.Contains(gdSelected) || rowSelected) || Fixed) return;
  if (G.ShowSelection()) {
    if (G.SelectionColor() != clNone) C.Brush()->SetColor(G.SelectionColor());
    if (G.SelectionTextColor() != clNone && G.Enabled()) {
      C.Font()->SetColor(G.SelectionTextColor());
      URLColor = G.SelectionTextColor();
    }
  } else if (!G.Focused() || G.HasCheckBox(RCol, ARow)) {
    C.Brush()->SetColor(KeptBrush);
    C.Font()->SetColor(KeptFont);
  }
}

String TCellPainter::DisplayText(int& Kind) {
  String text = G.GetFormattedCell(RCol, ARow);
  Kind = CellTextKind(text, G.EnableHTML());
  if (Kind == ctkFormula) {
    G.GetNormalCellText(RCol, ARow, text);
    Kind = CellTextKind(text, G.EnableHTML());
  }
  bool password = false;
  G.DoIsPasswordCell(RCol, ARow, password);
  if (password) FillWithChar(text, G.PasswordChar());
  return text;
}

// The filter glyph goes on after the background picture, so a picture
// shown in fixed cells does not cover it.
void TCellPainter::PaintCellText() {
  ApplyTextSelectionColors();
  int kind = ctkPlain;
  const String text = DisplayText(kind);
  TRect T = R;
  if (Fixed) {
    T.Left += G.GridLineWidth();
    T.Top += G.GridLineWidth();
  }
  DrawBackgroundPicture(T);
  if (FilterRow) DrawFilterGlyph(T);
  DrawSelectionRectangle();
  const TPoint xy = G.XYOffset();
  T.Left += xy.X;
  T.Top += xy.Y;
  if (!G.XYOffsetTopLeftOnly()) T.Right -= xy.X;
  if (!MakeGraphicRoom(T)) return;
  if (RCol == 0 && G.HasNodes() && !G.IsNode(ARow)) T.Left += G.GetRowIndent(ARow);
  switch (kind) {
    case ctkHTML: DrawHTMLText(text, T); break;
    case ctkRichText: DrawRichText(text, T); break;
    default: DrawPlainText(text, T); break;
  }
}

// Where the mirrored grid shows the text, which is drawn upright there. A
// right-to-left grid on a surface that keeps left to right widens it by
// XYOffset.X on both sides instead.
TRect TCellPainter::TextPlace(const TRect& T) const {
  if (G.DrawsMirrored(C)) {
    const int w = G.ClientWidth();
    return TRect{w - T.Right, T.Top, w - T.Left, T.Bottom};
  }
  if (!G.UseRightToLeftAlignment()) return T;
  const int x = G.XYOffset().X;
  return TRect{T.Left - x, T.Top, T.Right + x, T.Bottom};
}

void TCellPainter::DrawHTMLText(const String& Text, TRect T) {
  if (FilterRow) T.Right -= 18;
  T.Left += 1;
  const bool sortGlyph = ShowsSortGlyph();
  if (sortGlyph) T.Right -= 10;
  THTMLRenderInputs in;
  in.Images = G.GetCellImageList();
  if (G.FPaint.HoverCell == TPoint{ACol, ARow}) in.HoverLink = G.FPaint.HoverAnchor;
  in.URLColor = URLColor;
  in.ShadowColor = clGray;
  in.ShadowOffset = 1;
  // Without blinking, text in BLINK tags stays in its shown phase.
  in.Blink = G.FPaint.GridBlink || !G.EnableBlink();
  in.HoverUnderline = G.URLUnderlineOnHover();
  in.WordWrap = !G.EnhTextSize();
  // A held button control looks pressed only while the pointer is on it.
  in.Down = G.FPaint.CtrlDown && G.FPaint.CtrlCell == TPoint{ACol, ARow};
  in.XPos = G.FPaint.PointerXY.X;
  in.YPos = G.FPaint.PointerXY.Y;
  in.PictureCache = G.ImageCache();
  in.PictureContainer = G.Container();
  THTMLRenderResults out;
  const TRect placed = TextPlace(T);
  {
    TMirrorLayout upright(C, 0);
    RenderMiniHTML(C, Text, placed, in, out);
  }
  if (sortGlyph) DrawSortGlyph(out.XSize, T, true);
}

// The platform's rich edit holds plain text: the cell shows the text of its
// RTF stream, never the stream itself.
void TCellPainter::DrawRichText(const String& Text, TRect T) {
  T = TextPlace(T);
  TMirrorLayout upright(C, 0);
  const bool selected = AState.Contains(gdSelected);
  if (!(selected && !AState.Contains(gdFocused) && G.SelectionColor() == clNone)) C.FillRect(T);
  if (selected && !G.SelectionRTFKeep() && G.SelectionTextColor() != clNone) {
    C.Font()->SetColor(G.SelectionTextColor());
  }
  {
    TClearBrush clear(C);
    C.DrawText(RichTextToPlainText(Text), T, DT_LEFT | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
  }
  C.Font()->SetColor(clBlack);
}

// A header text wrapped onto more lines than its cell shows would be cut
// through its last line: it stays on one line instead, and a line too wide
// for the padded text area may use the padding as well. What is still too
// wide is cut at the cell's edge: a few pixels of the last letter lost read
// better than an ellipsis in place of whole letters. Line breaks of the
// text's own are kept.
void TCellPainter::FitFixedText(const String& Text, TRect& T, unsigned& Flags) {
  if (!Fixed || !(Flags & DT_WORDBREAK) || LineCount(Text, true) > 1) return;
  const int width = C.TextWidth(Text);
  if (width <= T.Width() || 2 * C.TextHeight(Text) <= T.Height()) return;
  Flags = (Flags & ~(DT_WORDBREAK | DT_EDITCONTROL)) | DT_SINGLELINE;
  T.Left = std::min(T.Left, R.Left + G.GridLineWidth() + 1);
  T.Right = std::max(T.Right, R.Right - 1);
}

void TCellPainter::DrawPlainText(String Text, TRect T) {
  const TSortSettings& sort = *G.SortSettings();
  if (HA == taCenter && ARow == sort.Row() && sort.Show() && RCol == sort.Column()) T.Left += 10;
  if (G.URLShow() && IsURLText(Text)) {
    if (!G.URLFull()) StripURLProtocol(Text);
    TFontStyles style = C.Font()->Style();
    style += TFontStyles{fsUnderline};
    C.Font()->SetStyle(style);
    C.Font()->SetColor(URLColor);
  }
  const bool multi = G.Multilinecells();
  unsigned flags = DT_EXPANDTABS | DT_NOPREFIX | HorzFlag(HA) | VertFlag(VA);
  if (!WW && LineCount(Text, multi) == 1) {
    String first;
    ExtractFirstLine(Text, false, first);
    Text = first;
    if (G.EnhTextSize()) flags |= DT_END_ELLIPSIS;
  }
  if (WW && !multi && G.EnhTextSize()) flags |= DT_END_ELLIPSIS;
  flags |= WW || multi ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
  if (G.BiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
  if (FilterRow) T.Right -= 16;
  FitFixedText(Text, T, flags);
  TRect placed = TextPlace(T);
  if (Graphic && !Text.empty()) TextWidth = C.TextWidth(Text) + 2;
  {
    TMirrorLayout upright(C, 0);
    {
      TClearBrush clear(C);
      C.DrawText(Text, placed, flags);
    }
    int errPos = 0, errLen = 0;
    G.GetMarker(RCol, ARow, errPos, errLen);
    if (errLen > 0) DrawErrorUnderline(C, Text, placed, C.TextHeight(u"gh"), errPos, errLen);
  }
  if (ShowsSortGlyph()) DrawSortGlyph(C.TextWidth(Text), T, false);
}
