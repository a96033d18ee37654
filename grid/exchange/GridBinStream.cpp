#include "grid/exchange/GridBinStream.h"

#include <algorithm>

#include "grid/base/IntList.h"
#include "grid/exchange/ImportLimit.h"
#include "grid/model/AdvStringGridPrivate.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"

namespace {

constexpr int MaxCellSize = 32767;

[[noreturn]] void TooLarge() { throw EReadError(u"Error reading TGridPropIO: Invalid property value"); }

// The integers of "64,64,80"; the index or number error of the first
// missing or bad one of the first Count.
std::vector<int> SizeList(const String& Text, int Count) {
  std::vector<String> parts;
  if (!Text.empty()) {
    size_t start = 0;
    for (size_t comma = Text.find(u','); ; comma = Text.find(u',', start)) {
      parts.push_back(Text.substr(start, comma == String::npos ? String::npos : comma - start));
      if (comma == String::npos) break;
      start = comma + 1;
    }
  }
  std::vector<int> sizes;
  for (int i = 0; i < Count; ++i) {
    if (i >= static_cast<int>(parts.size())) RaiseListIndexError(i);
    sizes.push_back(StrToInt(parts[i]));
    // Sizes beyond a screen's worth would overflow the grid's pixel sums.
    if (sizes.back() < 0 || sizes.back() > MaxCellSize) TooLarge();
  }
  return sizes;
}

String JoinSizes(int From, int To, int (*Size)(const TAdvStringGrid&, int), const TAdvStringGrid& G) {
  String s;
  for (int i = From; i <= To; ++i) {
    if (i > From) s += u',';
    s += IntToStr(Size(G, i));
  }
  return s;
}

void CheckHeader(const TGridBinHeader& H) {
  if (!WithinImportLimit(H.ColCount, H.RowCount)) TooLarge();
}

}  // namespace

TGridBinHeader ReadGridBinHeader(TStream& Stream) {
  TComponentReader r(Stream);
  TGridPropIO io;
  io.Read(r);
  CheckHeader(io.Header);
  return io.Header;
}

// ---- writing

TGridBinHeader TGridBinWriter::Header(const TRect& R) {
  TGridBinHeader h;
  h.ColCount = R.Right - R.Left + 1;
  h.RowCount = R.Bottom - R.Top + 1;
  const bool fixed = G.SaveFixedCells();
  h.FullGrid = fixed ? h.RowCount == G.RowCount() && h.ColCount == G.ColCount()
                     : h.RowCount == G.RowCount() - G.FixedRows() && h.ColCount == G.ColCount() - G.FixedCols();
  h.ID = static_cast<int>(G.Handle());
  // Storage columns past the shown ones have no width of their own.
  h.ColWidths = JoinSizes(R.Left, R.Right, [](const TAdvStringGrid& g, int c) {
    return c < g.ColCount() ? g.ColWidths(c) : g.DefaultColWidth();
  }, G);
  h.RowHeights = JoinSizes(R.Top, R.Bottom, [](const TAdvStringGrid& g, int r) { return g.RowHeights(r); }, G);
  return h;
}

void TGridBinWriter::WriteCell(TComponentWriter& W, int ACol, int ARow) {
  TGridCellIO cell;
  cell.Col = ACol;
  cell.Row = ARow;
  cell.Cell = G.GetCellEx(ACol, ARow);
  const TCellProperties* props = G.GridObjects(ACol, ARow);
  cell.HasProp = props != nullptr;
  cell.Write(W);
  if (!props) return;
  const auto* graphic = dynamic_cast<const TCellGraphic*>(props->GraphicObject());
  // A payload the grid does not own is the application's: it stays behind.
  const bool hasGraphic = graphic && graphic->CellType() != ctEmpty &&
                          (!HasPayloadRecord(graphic->CellType()) || graphic->CellCreated());
  TGridCellPropIO::Write(W, *props, hasGraphic);
  if (!hasGraphic) return;
  TGridGraphicIO::Write(W, *graphic);
  WritePayload(W, *graphic);
}

void TGridBinWriter::SaveRect(const TRect& R) {
  if (R.Left < 0 || R.Top < 0 || R.Right < R.Left - 1 || R.Bottom < R.Top - 1 ||
      R.Right >= G.TotalColCount() || R.Bottom >= G.RowCount())
    RaiseGridIndexError();
  TComponentWriter w(FStream);
  TGridPropIO header;
  header.Header = Header(R);
  header.Write(w);
  G.ExportNotification(esExportStart, R.Top);
  int last = -1;
  for (int r = R.Top; r <= R.Bottom; ++r) {
    G.ExportNotification(esExportRowWritten, r);
    for (int c = R.Left; c <= R.Right; ++c) WriteCell(w, c, r);
    if (!G.OnFileProgress) continue;
    const auto p = static_cast<int>(Round(static_cast<double>(r - R.Top) / std::max(1, R.Bottom - R.Top) * 100));
    if (p != last) G.OnFileProgress(&G, static_cast<short>(p));
    last = p;
  }
  G.ExportNotification(esExportDone, -1);
}

// ---- reading

struct TGridBinReader::TCellRecord {
  int Col = 0;
  int Row = 0;
  String Text;
  std::unique_ptr<TGridCellPropIO> Props;
  std::unique_ptr<TCellGraphic> Graphic;
  std::unique_ptr<TPersistent> Payload;
};

TGridBinReader::TGridBinReader(TAdvStringGrid& Grid, TStream& Stream) : G(Grid), FStream(Stream) {}
TGridBinReader::~TGridBinReader() = default;

void TGridBinReader::ReadAll() {
  TComponentReader r(FStream);
  TGridPropIO header;
  header.Read(r);
  FHeader = header.Header;
  CheckHeader(FHeader);
  if (FHeader.FullGrid) CheckFullGrid();
  TGridCellIO cell;
  // A single stray byte after the last record is no record.
  while (FStream.Position() < FStream.Size() - 1) {
    if (static_cast<std::int64_t>(FCells.size()) >= MaxImportCells) TooLarge();
    cell.Read(r);
    TCellRecord& rec = FCells.emplace_back();
    rec.Col = cell.Col;
    rec.Row = cell.Row;
    rec.Text = std::move(cell.Cell);
    if (!cell.HasProp) continue;
    rec.Props = std::make_unique<TGridCellPropIO>(G);
    rec.Props->Read(r);
    if (!rec.Props->HasGraphic) continue;
    TGridGraphicIO graphic;
    graphic.Read(r);
    rec.Graphic = std::move(graphic.CellGraphic);
    if (HasPayloadRecord(rec.Graphic->CellType())) rec.Payload = ReadPayload(r, rec.Graphic->CellType());
  }
}

void TGridBinReader::CheckFullGrid() const {
  SizeList(FHeader.ColWidths, FHeader.ColCount);
  SizeList(FHeader.RowHeights, FHeader.RowCount);
}

void TGridBinReader::Progress(int ARow) {
  if (!G.OnFileProgress) return;
  const auto p = static_cast<int>(Round(static_cast<double>(ARow) / std::max(1, G.RowCount()) * 100));
  if (p != FLastProgress) G.OnFileProgress(&G, static_cast<short>(p));
  FLastProgress = p;
}

void TGridBinReader::ApplyExtras(TCellRecord& Cell, int ACol, int ARow) {
  Cell.Props->ApplyTo(*G.GetCellProperties(ACol, ARow), ACol, ARow, G.TotalColCount(), G.RowCount());
  if (!Cell.Graphic) return;
  TCellGraphic& g = *G.CreateCellGraphic(ACol, ARow);
  g.Assign(*Cell.Graphic);
  if (!Cell.Payload) return;
  if (g.CellType() == ctIcon) return g.OwnCellIcon(std::move(Cell.Payload));
  if (const auto* read = dynamic_cast<const TIntList*>(Cell.Payload.get())) {
    // The list belongs to its new cell: its changes repaint that cell.
    auto list = std::make_unique<TIntList>(ACol, ARow);
    for (int i = 0; i < read->Count(); ++i) list->Insert(i, read->Items(i));
    TAdvStringGrid* grid = &G;
    list->OnChange = [grid](TObject* Sender, int c, int r) { grid->FGraphics->CellImagesChanged(Sender, c, r); };
    return g.OwnCellBitmap(std::move(list));
  }
  g.OwnCellBitmap(std::move(Cell.Payload));
}

void TGridBinReader::Apply(TPoint Point) {
  TPoint origin{};
  if (FHeader.FullGrid) {
    // Without fixed cells the first cell sits past them: the counts grow by
    // its place, so the fixed rows and columns come back and no row is lost.
    const TPoint first = FCells.empty() ? TPoint{} : TPoint{FCells[0].Col, FCells[0].Row};
    const std::vector<int> widths = SizeList(FHeader.ColWidths, FHeader.ColCount);
    const std::vector<int> heights = SizeList(FHeader.RowHeights, FHeader.RowCount);
    G.Clear();
    G.SetRowCount(FHeader.RowCount + std::max(0, first.Y));
    G.SetColCount(FHeader.ColCount + std::max(0, first.X));
    for (int i = 0; i < FHeader.ColCount && i + first.X < G.ColCount(); ++i) G.SetColWidths(i + first.X, widths[i]);
    for (int i = 0; i < FHeader.RowCount && i + first.Y < G.RowCount(); ++i) G.SetRowHeights(i + first.Y, heights[i]);
  } else if (!FCells.empty()) {
    origin = {FCells[0].Col, FCells[0].Row};
  }
  int lastRow = -1;
  for (TCellRecord& cell : FCells) {
    const std::int64_t c = std::int64_t{Point.X} + cell.Col - origin.X;
    const std::int64_t r = std::int64_t{Point.Y} + cell.Row - origin.Y;
    // Cells that fall outside the grid are left out, as a paste at its edge.
    if (c < 0 || r < 0 || c >= G.TotalColCount() || r >= G.RowCount()) continue;
    const int col = static_cast<int>(c);
    const int row = static_cast<int>(r);
    G.SetCellEx(col, row, cell.Text);
    if (row != lastRow) Progress(row);
    lastRow = row;
    if (cell.Props) ApplyExtras(cell, col, row);
  }
}

void TGridBinReader::LoadAtPoint(TPoint Point) {
  ReadAll();
  Apply(Point);
}
