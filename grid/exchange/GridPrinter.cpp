#include "grid/exchange/GridPrinter.h"

#include "grid/model/AdvGridError.h"
#include "grid/base/PrintSettings.h"
#include "grid/model/AdvStringGrid.h"

TGridPrinter::TGridPrinter(TAdvStringGrid& Grid) : G(Grid) {}

void TGridPrinter::Begin(TCanvas& Canvas, bool Previewing) {
  if (FCanvas) End();
  FCanvas = &Canvas;
  FPreviewing = Previewing;
  FKeptMapMode = Canvas.MapMode();
  ResFactor = static_cast<double>(Canvas.PixelsPerInch()) / DefaultPixelsPerInch;
  PixelFactor = 254.0 / DefaultPixelsPerInch;
  Canvas.SetMapMode(mmLoMetric);
  SetFontscalefactor(1.0);
  PrintRect = TRect{0, 0, G.ColCount() - 1, G.RowCount() - 1};
  Drawing = true;
  Canvas.Font()->Assign(*G.PrintSettings()->Font());
  Canvas.Font()->SetHeight(MapFontHeight(G.PrintSettings()->Font()->Size()));
  T8 = Canvas.TextHeight(u"gh") / 8;
  Spacing = G.PrintSettings()->UseFixedWidth() ? 0 : G.PrintSettings()->ColumnSpacing() + 20;
}

void TGridPrinter::End() {
  SetFontscalefactor(1.0);
  if (!FCanvas) return;
  FCanvas->SetMapMode(FKeptMapMode);
  FCanvas = nullptr;
}

void TGridPrinter::SetFontscalefactor(double Value) {
  FScale = Value > 0 ? Value : 1.0;
  FLastRow = -1;  // heights follow the scale
}

namespace {
size_t Checked(int ACol, size_t Size) {
  if (ACol < 0 || static_cast<size_t>(ACol) >= Size) throw EAdvGridError(AdvGridErrors::ColumnsOutOfRange);
  return static_cast<size_t>(ACol);
}
}  // namespace

int TGridPrinter::MaxWidth(int ACol) const { return FMaxWidths[Checked(ACol, FMaxWidths.size())]; }
void TGridPrinter::SetMaxWidth(int ACol, int Value) { FMaxWidths[Checked(ACol, FMaxWidths.size())] = Value; }
int TGridPrinter::Indent(int ACol) const { return FIndents[Checked(ACol, FIndents.size())]; }
void TGridPrinter::SetIndent(int ACol, int Value) { FIndents[Checked(ACol, FIndents.size())] = Value; }

// ---- the grid's side

void TAdvStringGrid::TGridPrinterDeleter::operator()(TGridPrinter* Printer) const { delete Printer; }

TGridPrinter& TAdvStringGrid::GridPrinter() {
  if (!FGridPrinter) FGridPrinter.reset(new TGridPrinter(*this));
  return *FGridPrinter;
}

int TAdvStringGrid::PrintColWidth(int ACol) const {
  if (ACol < 0 || ACol >= PrintColumnCount) throw EAdvGridError(AdvGridErrors::ColumnsOutOfRange);
  return FGridPrinter ? FGridPrinter->MaxWidth(ACol) : 0;
}

int TAdvStringGrid::PrintColOffset(int ACol) const {
  if (ACol < 0 || ACol >= PrintColumnCount) throw EAdvGridError(AdvGridErrors::ColumnsOutOfRange);
  return FGridPrinter ? FGridPrinter->Indent(ACol) : 0;
}

void TAdvStringGrid::SetPrintColumn(int ACol, int Width, int Offset) {
  if (ACol < 0 || ACol >= PrintColumnCount) throw EAdvGridError(AdvGridErrors::ColumnsOutOfRange);
  GridPrinter().SetMaxWidth(ACol, Width);
  GridPrinter().SetIndent(ACol, Offset);
}

double TAdvStringGrid::Fontscalefactor() { return GridPrinter().Fontscalefactor(); }
void TAdvStringGrid::SetFontscalefactor(double Value) { GridPrinter().SetFontscalefactor(Value); }

int TAdvStringGrid::MapFontHeight(int PointSize) { return GridPrinter().MapFontHeight(PointSize); }
int TAdvStringGrid::MapFontSize(int Height) { return TGridPrinter::MapFontSize(Height); }

namespace {
// Runs Routine inside the print in progress, or else inside one opened on
// the grid's measuring canvas for the call.
template <class F>
auto InPrint(TGridPrinter& Printer, TCanvas& Fallback, F Routine) {
  if (Printer.Active()) return Routine();
  TPrintScope scope(Printer, Fallback, true);
  return Routine();
}
}  // namespace

TPoint TAdvStringGrid::MeasurePrintCell(int ACol, int ARow) {
  TGridPrinter& p = GridPrinter();
  return InPrint(p, *MeasureCanvas(), [&] { return p.MeasureCell(ACol, ARow); });
}

int TAdvStringGrid::PrintRowHeight(int ARow) {
  TGridPrinter& p = GridPrinter();
  return InPrint(p, *MeasureCanvas(), [&] { return p.RowHeight(ARow); });
}

int TAdvStringGrid::PrintRow(int Y, int FromCol, int ToCol, int ARow) {
  TGridPrinter& p = GridPrinter();
  return InPrint(p, *MeasureCanvas(), [&] { return p.PrintRow(Y, FromCol, ToCol, ARow); });
}
