// Printed cells: the size a cell needs on paper, the printed row height and
// the drawing of one row's cells, in 0.1 mm with y upward (a cell's bottom
// lies below its top, so Bottom < Top). Graphics and mini-HTML are drawn in
// the device's pixels, where the shared painters' y runs down.
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <vector>

#include "grid/base/CellNode.h"
#include "grid/base/CellProgressBar.h"
#include "grid/base/CellText.h"
#include "grid/base/ControlLook.h"
#include "grid/base/FilePicture.h"
#include "grid/base/GradientFill.h"
#include "grid/base/GridStrings.h"
#include "grid/base/HTMLRender.h"
#include "grid/base/PrintSettings.h"
#include "grid/base/ProgressIndicators.h"
#include "grid/base/RichTextPlain.h"
#include "grid/exchange/GridPrinter.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/Picture.h"
#include "platform/gui/Printers.h"
#include "platform/sys/SysUtils.h"

struct TGridPrinter::TCellLooks {
  TBrush Brush;
  TColor ColorTo = clNone;
  TFont Font;
  TAlignment HA = taLeftJustify;
  TVAlignment VA = vtaTop;
  bool WW = false;
  TCellGradientDirection GD = GradientVertical;
};

struct TGridPrinter::TCellBox {
  int Col = 0;   // displayed
  int RCol = 0;  // stored
  int Row = 0;
  int Consumed = 0;  // the row's printed height
  TRect R;           // Bottom < Top
  TCellBorders Borders;
  TPen Pen;
};

namespace {

constexpr int kUnbounded = 65535;

int TruncInt(double v) { return static_cast<int>(std::trunc(v)); }

TRect Inset(TRect R, int X) {
  R.Left += X;
  R.Right -= X;
  return R;
}

// The canvas in device pixels for a scope, its font height converted too;
// Rect is the given rectangle on the device, y down.
class TDeviceUnits {
 public:
  TDeviceUnits(TCanvas& Canvas, const TRect& Logical) : C(Canvas), FHeight(Canvas.Font()->Height()) {
    const TPoint a = C.LPtoDP(TPoint{Logical.Left, Logical.Top});
    const TPoint b = C.LPtoDP(TPoint{Logical.Right, Logical.Bottom});
    Rect = TRect{std::min(a.X, b.X), std::min(a.Y, b.Y), std::max(a.X, b.X), std::max(a.Y, b.Y)};
    const int height = C.LPtoDP(TPoint{0, FHeight}).Y - C.LPtoDP(TPoint{0, 0}).Y;
    C.SetMapMode(mmText);
    C.Font()->SetHeight(height == 0 ? -1 : height);
  }
  ~TDeviceUnits() {
    C.SetMapMode(mmLoMetric);
    C.Font()->SetHeight(FHeight);
  }
  TDeviceUnits(const TDeviceUnits&) = delete;
  TDeviceUnits& operator=(const TDeviceUnits&) = delete;
  // Device pixels as 0.1 mm.
  int Units(int Pixels) const { return MulDiv(Pixels, 254, C.PixelsPerInch()); }

  TRect Rect;

 private:
  TCanvas& C;
  int FHeight;
};

// The lines a text prints in: every line when the grid shows them, else the first.
std::vector<String> PrintLines(String Text, bool MultiLine, bool StripProtocol) {
  std::vector<String> lines;
  String line;
  do {
    ExtractFirstLine(Text, MultiLine, line);
    if (StripProtocol && IsURLText(line)) StripURLProtocol(line);
    lines.push_back(line);
  } while (MultiLine && !Text.empty());
  return lines;
}

unsigned HorzFlag(TAlignment HA) { return HA == taRightJustify ? DT_RIGHT : HA == taCenter ? DT_CENTER : DT_LEFT; }

bool IsBoxType(TCellType Type) {
  switch (Type) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRadioButton: return true;
    default: return false;
  }
}

// Graphics that show the cell's value themselves, as on the screen.
bool HidesText(TCellType Type) { return Type == ctRadio || Type == ctProgress || Type == ctProgressPie; }

int CellInteger(TAdvStringGrid& G, int ACol, int ARow) {
  int value = 0;
  return TryStrToInt(Trim(G.StrippedCells(ACol, ARow)), value) ? value : 0;
}

// Draw paints at Size on a bitmap filled with Background, which is then
// stretched into Place.
void StretchOnBackground(TCanvas& Target, const TRect& Place, TPoint Size, TColor Background,
                         const std::function<void(TCanvas&, const TRect&)>& Draw) {
  const TRect r{0, 0, std::max(1, Size.X), std::max(1, Size.Y)};
  TBitmap bitmap(r.Right, r.Bottom);
  bitmap.Canvas()->Brush()->SetColor(Background);
  bitmap.Canvas()->FillRect(r);
  Draw(*bitmap.Canvas(), r);
  Target.StretchDraw(Place, bitmap);
}

const TGraphic* GraphicOf(TPersistent* Object) {
  if (const auto* picture = dynamic_cast<const TPicture*>(Object)) return picture->Graphic();
  return dynamic_cast<const TGraphic*>(Object);
}

}  // namespace

int TGridPrinter::MapFontHeight(int PointSize) const { return -TruncInt(PointSize * 254.0 / 72.0 * FScale); }

int TGridPrinter::MapFontSize(int Height) { return TruncInt(Height * 72.0 / 254.0); }

// ---- measuring

String TGridPrinter::CellText(int RCol, int ARow, int& Kind) {
  Kind = ctkPlain;
  if (TAdvStringGrid::CellTypeHasDataValue(G, RCol, ARow)) return {};
  String text = G.GetFormattedCell(RCol, ARow);
  Kind = CellTextKind(text, G.EnableHTML());
  if (Kind == ctkFormula) {
    G.GetNormalCellText(RCol, ARow, text);
    Kind = CellTextKind(text, G.EnableHTML());
  }
  if (Kind == ctkRichText) {
    text = RichTextToPlainText(text);
    Kind = ctkPlain;
  }
  return text;
}

void TGridPrinter::ApplyLooks(int ACol, int ARow, TCellLooks& L) {
  TGridDrawState state;
  TColor mirror = clNone, mirrorTo = clNone;
  L.WW = G.WordWrap();
  G.GetVisualProperties(ACol, ARow, state, true, false, true, L.Brush, L.ColorTo, mirror, mirrorTo, L.Font, L.HA, L.VA,
                        L.WW, L.GD);
  G.DoGetWordWrap(G.RealColIndex(ACol), ARow, L.WW);
  TCanvas& C = Canvas();
  C.Font()->Assign(L.Font);
  C.Font()->SetHeight(MapFontHeight(L.Font.Size()));
}

TPoint TGridPrinter::GraphicSize(int RCol, int ARow) {
  if (!G.PrintSettings()->PrintGraphics()) return {0, 0};
  const TPoint p = G.CalcPrintGraphicSize(RCol, ARow, 0, 0, ResFactor);
  const double f = PixelFactor * FScale;
  return {TruncInt(p.X * f), TruncInt(p.Y * f)};
}

THTMLRenderInputs TGridPrinter::HTMLInputs() const {
  THTMLRenderInputs in;
  in.Print = true;
  in.ResFactor = ResFactor;
  in.Images = G.GetCellImageList();
  in.PictureCache = G.ImageCache();
  in.PictureContainer = G.Container();
  return in;
}

// Measured in device pixels at the print font's size; the row's own
// spacing (2 x T8) is left out of the height.
TPoint TGridPrinter::MeasureHTML(const String& Text, int ACol, int PointSize) {
  TCanvas& C = Canvas();
  const int box = G.PrintSettings()->NoAutoSize() ? TruncInt((G.ColWidths(ACol) + 12) * PixelFactor) : kUnbounded;
  TDeviceUnits device(C, TRect{0, 0, box, -kUnbounded});
  C.Font()->SetHeight(-MulDiv(TruncInt(PointSize * FScale * 100), C.PixelsPerInch(), 7200));
  THTMLRenderInputs in = HTMLInputs();
  in.CheckHeight = true;
  THTMLRenderResults out;
  RenderMiniHTML(C, Text, device.Rect, in, out);
  return {device.Units(out.XSize), std::max(0, device.Units(out.YSize) - T8)};
}

TPoint TGridPrinter::MeasureText(String Text, int ACol, int ARow, const TCellLooks& L) {
  TCanvas& C = Canvas();
  const int RCol = G.RealColIndex(ACol);
  int angle = 0;
  const bool rotated = G.IsRotated(RCol, ARow, angle);
  if (Text.empty()) Text = u"gh";
  if (L.WW && G.PrintSettings()->NoAutoSize() && !rotated) {
    const int width = G.IsXMergedCell(ACol, ARow) ? kUnbounded : TruncInt(G.ColWidths(ACol) * PixelFactor);
    TRect r{0, 0, width, 0};
    C.DrawText(Text, r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL);
    return {width, std::abs(r.Top - r.Bottom)};
  }
  const std::vector<String> lines = PrintLines(Text, G.Multilinecells(), G.URLShow() && !G.URLFull());
  int widest = 0;
  for (const String& line : lines) widest = std::max(widest, C.TextWidth(line));
  const int width = widest + GraphicSize(RCol, ARow).X;
  const int height = C.TextHeight(u"gh") * static_cast<int>(lines.size());
  if (!rotated) return {width, height};
  const double a = angle * std::numbers::pi / 180.0;
  const auto part = [](double v) { return std::abs(static_cast<int>(std::lround(v))); };
  return {part(std::cos(a) * width) + part(std::sin(a) * height),
          part(std::sin(a) * widest) + part(std::cos(a) * height)};
}

TPoint TGridPrinter::MeasureCell(int ACol, int ARow) {
  const int RCol = G.RealColIndex(ACol);
  TCellLooks looks;
  ApplyLooks(ACol, ARow, looks);
  int kind = ctkPlain;
  const String text = CellText(RCol, ARow, kind);
  TPoint size = kind == ctkHTML ? MeasureHTML(text, ACol, looks.Font.Size()) : MeasureText(text, ACol, ARow, looks);
  const TPoint graphic = GraphicSize(RCol, ARow);
  size.X = std::max(size.X, graphic.X);
  size.Y = std::max(size.Y, graphic.Y);
  if (G.OnCustomCellSize) G.OnCustomCellSize(&G, &Canvas(), RCol, ARow, size, true);
  return size;
}

int TGridPrinter::RowHeight(int ARow) {
  if (ARow == FLastRow) return FLastHeight;
  const TPrintSettings& settings = *G.PrintSettings();
  int height = 0;
  if (settings.NoAutoSizeRow()) {
    height = TruncInt(G.RowHeights(ARow) * PixelFactor) - 4;
  } else if (settings.UseFixedHeight()) {
    height = settings.FixedHeight();
  } else {
    const int last = std::min(PrintRect.Right, G.ColCount() - 1);
    for (int c = std::max(PrintRect.Left, 0); c <= last; ++c) {
      if (!G.IsYMergedCell(c, ARow)) height = std::max(height, MeasureCell(c, ARow).Y);
    }
    height += height / 8;
  }
  if (G.OnPrintSetRowHeight) G.OnPrintSetRowHeight(&G, ARow, height);
  FLastRow = ARow;
  FLastHeight = height;
  return height;
}

// ---- drawing

int TGridPrinter::ConsumedHeight(int ARow) { return 2 * T8 + RowHeight(ARow) + G.PrintSettings()->RowSpacing(); }

// A row of a merged area below its first one, by its screen height.
int TGridPrinter::FurtherRowHeight(int ARow) {
  const int h = TruncInt((G.RowHeights(ARow) - 4) * PixelFactor);
  return h + h / 8 + 2 * T8 + G.PrintSettings()->RowSpacing();
}

TCellBorders TGridPrinter::BorderBits() const {
  switch (G.PrintSettings()->Borders()) {
    case pbSingle:
    case pbDouble: return TCellBorders{cbTop, cbLeft, cbRight, cbBottom};
    case pbHorizontal:
    case pbAroundHorizontal: return TCellBorders{cbTop, cbBottom};
    case pbVertical:
    case pbAroundVertical: return TCellBorders{cbLeft, cbRight};
    default: return {};
  }
}

int TGridPrinter::PrintRow(int Y, int FromCol, int ToCol, int ARow) {
  const int consumed = ConsumedHeight(ARow);
  if (!Drawing) return consumed;
  for (int c = FromCol; c <= ToCol; ++c) {
    TCellBox box;
    box.Col = c;
    box.RCol = G.RealColIndex(c);
    box.Row = ARow;
    box.Consumed = consumed;
    const TPoint ext = G.CellExt(c, ARow);
    int width = 0;
    for (int x = c; x <= c + ext.X && x < ColumnCount; ++x) width += FMaxWidths[static_cast<size_t>(x)] + Spacing;
    int height = G.PrintSettings()->NoAutoSizeRow() && ext.Y > 0 ? FurtherRowHeight(ARow) : consumed;
    for (int y = ARow + 1; y <= ARow + ext.Y; ++y) height += FurtherRowHeight(y);
    const int left = Indent(c);
    box.R = TRect{left, Y, left + width, Y - height};
    box.Borders = BorderBits();
    box.Pen.SetWidth(1);
    box.Pen.SetColor(G.PrintSettings()->BorderColor());
    G.DoGetCellPrintBorder(box.RCol, ARow, box.Borders, &box.Pen);
    if (!G.IsMergedNonBaseCell(c, ARow)) DrawContent(box);
    DrawLines(box, Y, FromCol, ToCol, consumed);
  }
  return consumed;
}

void TGridPrinter::DrawBackground(const TCellBox& Box, const TCellLooks& L) {
  TRect r = Box.R;
  const int inset = 2 * Box.Pen.Width();
  if (!Box.Borders.Contains(cbLeft)) r.Left += inset;
  if (!Box.Borders.Contains(cbTop)) r.Top -= inset;
  TCanvas& C = Canvas();
  TDeviceUnits device(C, r);
  DrawGradientRect(C, L.Brush.Color(), L.ColorTo, 64, device.Rect, L.GD == GradientHorizontal);
}

// Where the graphic goes; TextArea loses the room it takes beside the text.
TRect TGridPrinter::PlaceGraphic(const TCellBox& Box, TPoint Size, bool HasText, TAlignment HA, TRect& TextArea) {
  const TCellGraphic& g = *G.GetCellGraphic(Box.RCol, Box.Row);
  const TRect& R = Box.R;
  const int margin = static_cast<int>(std::lround(PixelFactor));
  TCellHAlign horz = g.CellHAlign();
  if (IsBoxType(g.CellType()) && !HasText) {
    if (HA == taRightJustify) horz = haRight;
    if (HA == taCenter) horz = haCenter;
  }
  int x = R.Left + margin, w = Size.X;
  switch (horz) {
    case haRight:
    case haAfterText:
      x = R.Right - Size.X;
      TextArea.Right = x;
      break;
    case haCenter: x = R.Left + (R.Width() - Size.X) / 2; break;
    case haFull:
      x = R.Left;
      w = R.Width();
      break;
    default: TextArea.Left = x + Size.X; break;
  }
  const int cellHeight = R.Top - R.Bottom;
  int y = R.Top, h = Size.Y;
  switch (g.CellVAlign()) {
    case vaBottom: y = R.Bottom + Size.Y; break;
    case vaCenter: y = R.Top - (cellHeight - Size.Y) / 2; break;
    case vaUnderText:
      y = R.Bottom + Size.Y;
      TextArea.Bottom = y;
      break;
    case vaAboveText: TextArea.Top = R.Top - Size.Y; break;
    case vaFull: h = cellHeight; break;
    default: break;
  }
  return TRect{x, y, x + w, y - h};
}

void TGridPrinter::DrawContent(const TCellBox& Box) {
  TCanvas& C = Canvas();
  TBrush keptBrush;
  keptBrush.Assign(*C.Brush());
  TCellLooks looks;
  ApplyLooks(Box.Col, Box.Row, looks);
  C.Font()->SetColor(looks.Font.Color());
  DrawBackground(Box, looks);
  G.GetCellAlignment(Box.RCol, Box.Row, looks.HA, looks.VA);
  int kind = ctkPlain;
  const String text = CellText(Box.RCol, Box.Row, kind);
  TRect textArea = Box.R;
  TRect place;
  const TCellGraphic* g = G.PrintSettings()->PrintGraphics() ? G.GetCellGraphic(Box.RCol, Box.Row) : nullptr;
  if (g) place = PlaceGraphic(Box, GraphicSize(Box.RCol, Box.Row), !text.empty(), looks.HA, textArea);
  if (!g || !HidesText(g->CellType())) DrawText(Box, looks, textArea);
  if (g) DrawGraphic(Box, place, looks.Brush.Color());
  C.Brush()->Assign(keptBrush);
  if (G.OnCustomCellDraw) {
    TDeviceUnits device(C, Box.R);
    C.Font()->SetSize(looks.Font.Size());
    G.OnCustomCellDraw(&G, &C, Box.RCol, Box.Row, TGridDrawState(), device.Rect, true);
  }
}

int TGridPrinter::RotationFactor() const {
  if (!FPreviewing && G.PrinterDriverFix()) return Printer().LandscapeRotation() == 270 ? 1 : -1;
  return 1;
}

void TGridPrinter::DrawText(const TCellBox& Box, const TCellLooks& L, TRect T) {
  TCanvas& C = Canvas();
  int kind = ctkPlain;
  const String text = CellText(Box.RCol, Box.Row, kind);
  if (text.empty()) return;
  const TBrushStyle keptStyle = C.Brush()->Style();
  C.Brush()->SetStyle(bsClear);
  const int pad = TruncInt(G.XYOffset().X * PixelFactor);
  const int twoP = TruncInt(2 * PixelFactor);
  int angle = 0;
  const bool rotated = G.IsRotated(Box.RCol, Box.Row, angle);
  const bool wrapped = L.WW && G.PrintSettings()->NoAutoSize() && !rotated;
  const std::vector<String> lines = PrintLines(text, G.Multilinecells(), G.URLShow() && !G.URLFull());
  if (kind == ctkHTML) {
    T.Right -= pad + twoP;
    T.Bottom += T8;
    TDeviceUnits device(C, T);
    THTMLRenderResults out;
    RenderMiniHTML(C, text, device.Rect, HTMLInputs(), out);
  } else if (rotated) {
    const int orientation = C.Font()->Orientation();
    C.Font()->SetOrientation(angle * 10 * RotationFactor());
    const int w = C.TextWidth(lines[0]), h = C.TextHeight(lines[0]);
    const double a = angle * std::numbers::pi / 180.0;
    const auto part = [](double v) { return std::abs(static_cast<int>(std::trunc(v))); };
    // Placed as on the screen, in a frame whose y runs down the page.
    TRect down{T.Left, -T.Top, T.Right, -T.Bottom};
    AlignRotatedTextRect(down, L.HA, L.VA, angle, part(std::cos(a) * w), part(std::sin(a) * h), part(std::sin(a) * w),
                         part(std::cos(a) * h));
    C.TextRect(T, down.Left, -down.Top, lines[0]);
    C.Font()->SetOrientation(orientation);
  } else if (wrapped) {
    TRect r = Inset(T, pad + twoP);
    String shown = text;
    if (G.URLShow() && !G.URLFull() && IsURLText(shown)) StripURLProtocol(shown);
    C.DrawText(shown, r, DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS | DT_EDITCONTROL | HorzFlag(L.HA));
  } else if (lines.size() == 1) {
    unsigned flags = DT_SINGLELINE | DT_NOPREFIX | HorzFlag(L.HA);
    TRect r = Inset(T, pad);
    if (G.EnhTextSize() && G.PrintSettings()->NoAutoSize()) {
      flags |= DT_END_ELLIPSIS;
      r.Left += TruncInt(G.XYOffset().X * PixelFactor);
      r.Top -= TruncInt(G.XYOffset().Y * PixelFactor);
    } else {
      flags |= L.VA == vtaCenter ? DT_VCENTER : L.VA == vtaBottom ? DT_BOTTOM : DT_TOP;
    }
    C.DrawText(lines[0], r, flags);
  } else {
    int m = C.TextHeight(u"gh") + G.PrintSettings()->RowSpacing();
    m += m / 8;
    const int step = m - G.PrintSettings()->RowSpacing();
    const int free = Box.Consumed - static_cast<int>(lines.size()) * step;
    int y = T.Top;
    if (!G.IsMergedCell(Box.Col, Box.Row)) {
      if (L.VA == vtaCenter) y -= free / 2;
      if (L.VA == vtaBottom) y -= free;
    }
    for (const String& line : lines) {
      const int w = C.TextWidth(line);
      const int x = L.HA == taRightJustify ? T.Right - pad - w
                    : L.HA == taCenter     ? T.Left + (T.Width() - w) / 2
                                           : T.Left + pad;
      C.TextOut(x, y, line);
      y -= step;
    }
  }
  C.Brush()->SetStyle(keptStyle);
}

// Check boxes and radio buttons as the screen draws them, on a bitmap of
// their screen size stretched onto the paper.
void TGridPrinter::DrawBoxGlyph(const TCellBox& Box, const TRect& Place, TColor Background) {
  const TCellGraphic& g = *G.GetCellGraphic(Box.RCol, Box.Row);
  const TControlLook& look = *G.ControlLook();
  const TControlStyle style = look.ControlStyle() == csFlat ? csFlat : csClassic;
  const TPoint size = G.CalcPrintGraphicSize(Box.RCol, Box.Row, 0, 0, ResFactor);
  StretchOnBackground(Canvas(), Place, size, Background, [&](TCanvas& C, const TRect& r) {
    switch (g.CellType()) {
      case ctCheckBox:
      case ctRowCheckBox:
        G.DrawCellCheckBox(C, r, g.CellBoolean(), cbUnchecked, false, style,
                           g.CellType() == ctRowCheckBox && g.CellAngle() > 0, true);
        break;
      case ctDataCheckBox:
      case ctVirtCheckBox: {
        String checkTrue;
        G.DoGetCheckTrue(Box.RCol, Box.Row, checkTrue);
        G.DrawCellCheckBox(C, r, G.Cells(Box.RCol, Box.Row) == checkTrue, cbUnchecked, false, style, false, true);
        break;
      }
      case ctTriStateCheckBox: G.DrawCellCheckBox(C, r, false, g.CellCheckBoxState(), true, style, false, true); break;
      default:
        G.DrawRadioButtons(C, r, false, 1.0, look.ControlStyle(), Box.Row, Box.RCol, false, nullptr, false, false,
                           g.CellBoolean() ? 0 : -1, 1);
        break;
    }
  });
}

void TGridPrinter::DrawGraphic(const TCellBox& Box, const TRect& Place, TColor Background) {
  TCanvas& C = Canvas();
  const TCellGraphic& g = *G.GetCellGraphic(Box.RCol, Box.Row);
  const TControlLook& look = *G.ControlLook();
  const double scale = ResFactor * FScale;
  switch (g.CellType()) {
    case ctBitmap:
    case ctIcon:
    case ctPicture:
      if (const TGraphic* graphic = GraphicOf(g.CellType() == ctIcon ? g.CellIcon() : g.CellBitmap()))
        C.StretchDraw(Place, *graphic);
      return;
    case ctImageList:
    case ctDataImage: {
      const TImageList* images = G.GetCellImageList();
      const int index = g.CellIndex() + (g.CellType() == ctDataImage ? CellInteger(G, Box.RCol, Box.Row) : 0);
      if (!images || index < 0 || index >= images->Count()) return;
      StretchOnBackground(C, Place, TPoint{images->Width(), images->Height()}, Background,
                          [&](TCanvas& On, const TRect&) { images->Draw(On, 0, 0, index); });
      return;
    }
    case ctCheckBox:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctTriStateCheckBox:
    case ctRadioButton: DrawBoxGlyph(Box, Place, Background); return;
    default: break;
  }
  TDeviceUnits device(C, Place);
  const TRect& r = device.Rect;
  switch (g.CellType()) {
    case ctRadio: {
      const auto* items = dynamic_cast<const TStrings*>(g.CellBitmap());
      G.DrawRadioButtons(C, r, false, scale, look.ControlStyle(), Box.Row, Box.RCol, false, items, false,
                         g.CellBoolean(), g.CellIndex(), items ? items->Count() : 0);
      break;
    }
    case ctNode: {
      const TColor color = G.CellNode()->NodeColor();
      C.Brush()->SetColor(color);
      C.Pen()->SetColor(clBlack);
      C.Pen()->SetWidth(1);
      C.Rectangle(r);
      C.Pen()->SetColor(ColorToRGB(color) ^ 0xFFFFFF);  // the bars show on any node colour
      const int midY = (r.Top + r.Bottom) / 2, midX = (r.Left + r.Right) / 2, inset = r.Width() / 5;
      C.MoveTo(r.Left + inset, midY);
      C.LineTo(r.Right - inset, midY);
      if (g.CellBoolean()) {
        C.MoveTo(midX, r.Top + inset);
        C.LineTo(midX, r.Bottom - inset);
      }
      break;
    }
    case ctProgress: {
      const int unit = MulDiv(1, C.PixelsPerInch(), DefaultPixelsPerInch);
      TProgressBarValues bar = CellProgressBar(g, look, TRect{r.Left, r.Top + 2 * unit, r.Right, r.Bottom - 4 * unit},
                                               CellInteger(G, Box.RCol, Box.Row));
      bar.Printing = true;
      DrawProgressBar(C, bar);
      break;
    }
    case ctProgressPie: DrawProgressPie(C, r, g.BitmapSlot().Color(), g.CellAngle(), true); break;
    case ctFilePicture:
      if (const auto* file = dynamic_cast<const TFilePicture*>(g.CellBitmap())) file->DrawPicture(C, r);
      break;
    default: break;
  }
}

// Lines inside a merged area are left out; a row at the page's bottom
// limit is cut to its own height and left open below.
void TGridPrinter::DrawLines(const TCellBox& Box, int Y, int FromCol, int ToCol, int Consumed) {
  TCellBorders bits = Box.Borders;
  if (G.IsMergedNonBaseCell(Box.Col, Box.Row)) {
    const TRect area = G.FullCell(Box.Col, Box.Row);
    if (Box.Col < area.Right) bits = bits - TCellBorders{cbLeft, cbRight};
    if (Box.Row < area.Bottom) bits = bits - TCellBorders{cbTop, cbBottom};
    if (area.Bottom > area.Top && Box.Row == area.Bottom) bits = bits - TCellBorders{cbTop};
    if (area.Right > area.Left && Box.Col == area.Right) bits = bits - TCellBorders{cbLeft};
  }
  TRect r = Box.R;
  if (r.Bottom < PageBottomLimit) {
    r.Bottom = Y - Consumed;
    bits = bits - TCellBorders{cbBottom};
  }
  if (ToCol + 1 <= ColumnCount && Indent(ToCol + 1) > Indent(FromCol)) r.Right = std::min(r.Right, Indent(ToCol + 1));
  TCanvas& C = Canvas();
  const int width = FPreviewing ? Box.Pen.Width() : TruncInt(Box.Pen.Width() * PixelFactor);
  C.Pen()->Assign(Box.Pen);
  C.Pen()->SetWidth(width);
  const auto line = [&C](int x1, int y1, int x2, int y2) {
    C.MoveTo(x1, y1);
    C.LineTo(x2, y2);
  };
  const int left = Box.Col == FromCol ? r.Left : r.Left - width;
  if (bits.Contains(cbLeft)) line(left, r.Top, left, r.Bottom);
  if (bits.Contains(cbRight)) line(r.Right, r.Top, r.Right, r.Bottom);
  if (bits.Contains(cbTop)) line(r.Left, r.Top, r.Right, r.Top);
  if (bits.Contains(cbBottom)) line(r.Left, r.Bottom, r.Right, r.Bottom);
}
