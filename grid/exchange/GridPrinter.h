#pragma once
// The grid's print family: the state a print or preview keeps while it runs
// (the canvas in 0.1 mm, the cells and pages to print, the column table, the
// scales) and the printed cells measured and drawn with it (PrintCells.cpp).
// The grid holds one and forwards its print methods to it.
#include <array>
#include <climits>

#include "grid/base/GridTypes.h"
#include "platform/gui/Canvas.h"
#include "platform/gui/StdCtrls.h"

class TAdvStringGrid;
struct THTMLRenderInputs;

class TGridPrinter {
 public:
  static constexpr int ColumnCount = 512;

  explicit TGridPrinter(TAdvStringGrid& Grid);

  // Opens a print (Previewing false) or a preview on Canvas: the canvas goes
  // to 0.1 mm, the scale to 1.0, PrintRect to the whole grid, and the
  // factors and the body text height are taken from the canvas and the
  // screen. The scale set afterwards holds until End.
  void Begin(TCanvas& Canvas, bool Previewing);
  // The scale back to 1.0 and the canvas's mapping as it was.
  void End();
  bool Active() const { return FCanvas != nullptr; }
  TCanvas& Canvas() const { return *FCanvas; }
  bool Previewing() const { return FPreviewing; }

  // ---- state of the print
  TRect PrintRect;          // the cells printed
  int PageFrom = 1;         // pages outside the range are laid out, not drawn
  int PageTo = INT_MAX;
  bool Drawing = true;      // false while pages are counted or skipped
  int PageBottomLimit = INT_MIN;  // y of the page bottom plus the footer
  double ResFactor = 1.0;   // printer pixels per inch / screen pixels per inch
  double PixelFactor = 254.0 / 96;  // 0.1 mm of one screen pixel
  int Spacing = 20;         // column spacing S
  int T8 = 0;               // body text height div 8
  double Fontscalefactor() const { return FScale; }
  void SetFontscalefactor(double Value);
  // Widths and left edges by displayed column; Indents has one more entry.
  int MaxWidth(int ACol) const;
  void SetMaxWidth(int ACol, int Value);
  int Indent(int ACol) const;
  void SetIndent(int ACol, int Value);

  // ---- printed cells (PrintCells.cpp); columns are displayed ones
  // A point size as a font height in 0.1 mm, by the print scale.
  int MapFontHeight(int PointSize) const;
  static int MapFontSize(int Height);
  TPoint MeasureCell(int ACol, int ARow);
  int RowHeight(int ARow);
  // Draws the row's cells of FromCol..ToCol below Y; the height it takes.
  int PrintRow(int Y, int FromCol, int ToCol, int ARow);

 private:
  struct TCellLooks;
  struct TCellBox;
  String CellText(int RCol, int ARow, int& Kind);
  void ApplyLooks(int ACol, int ARow, TCellLooks& Looks);
  TPoint GraphicSize(int RCol, int ARow);
  THTMLRenderInputs HTMLInputs() const;
  TPoint MeasureHTML(const String& Text, int ACol, int PointSize);
  TPoint MeasureText(String Text, int ACol, int ARow, const TCellLooks& Looks);
  int ConsumedHeight(int ARow);
  int FurtherRowHeight(int ARow);
  TCellBorders BorderBits() const;
  void PrintCell(const TCellBox& Box);
  void DrawContent(const TCellBox& Box);
  void DrawBackground(const TCellBox& Box, const TCellLooks& Looks);
  TRect PlaceGraphic(const TCellBox& Box, TPoint Size, bool HasText, TAlignment HA, TRect& TextArea);
  void DrawText(const TCellBox& Box, const TCellLooks& Looks, TRect Area);
  void DrawLines(const TCellBox& Box, int Y, int FromCol, int ToCol, int Consumed);
  void DrawGraphic(const TCellBox& Box, const TRect& Place, TColor Background);
  void DrawBoxGlyph(const TCellBox& Box, const TRect& Place, TColor Background);
  int RotationFactor() const;

  TAdvStringGrid& G;
  TCanvas* FCanvas = nullptr;
  bool FPreviewing = false;
  TMapMode FKeptMapMode = mmText;
  double FScale = 1.0;
  int FLastRow = -1;
  int FLastHeight = 0;
  std::array<int, ColumnCount> FMaxWidths{};
  std::array<int, ColumnCount + 1> FIndents{};
};

// A print open for a scope; End runs also when the print raises.
class TPrintScope {
 public:
  TPrintScope(TGridPrinter& Printer, TCanvas& Canvas, bool Previewing) : FPrinter(Printer) {
    Printer.Begin(Canvas, Previewing);
  }
  ~TPrintScope() { FPrinter.End(); }
  TPrintScope(const TPrintScope&) = delete;
  TPrintScope& operator=(const TPrintScope&) = delete;

 private:
  TGridPrinter& FPrinter;
};
