// The text grid file (8-bit or UTF-16 with its mark) and the text grid
// stream (16-bit units, no mark): a count line, "cw" width lines, and one
// "column,row,text" line per non-empty cell.
#include "grid/exchange/GridTextFile.h"

#include <algorithm>
#include <cstdint>

#include "grid/base/CellText.h"
#include "grid/exchange/ImportLimit.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/GridTypes.h"
#include "platform/sys/FloatText.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"
#include "platform/sys/TextFile.h"

namespace {

const String CrLf = u"\r\n";

// The whole number at the start of Text: its leading digits, 0 without any;
// capped far above any count the grid takes, so it cannot overflow.
std::int64_t LeadingNumber(StringView Text) {
  std::int64_t n = 0;
  for (Char c : Text) {
    if (c < u'0' || c > u'9') break;
    n = std::min<std::int64_t>(n * 10 + (c - u'0'), std::int64_t{1} << 40);
  }
  return n;
}

bool StartsWithDigit(StringView Text) { return !Text.empty() && Text[0] >= u'0' && Text[0] <= u'9'; }

// Splits "a,b,rest" at its first two commas; false without two.
bool SplitCellLine(StringView Line, StringView& Col, StringView& Row, StringView& Rest) {
  const size_t a = Line.find(u',');
  if (a == StringView::npos) return false;
  const size_t b = Line.find(u',', a + 1);
  if (b == StringView::npos) return false;
  Col = Line.substr(0, a);
  Row = Line.substr(a + 1, b - a - 1);
  Rest = Line.substr(b + 1);
  return true;
}

bool IsWidthLine(StringView Line) { return Line.size() >= 2 && Line[0] == u'c' && Line[1] == u'w'; }

String CountLine(int Cols, int Rows) { return IntToStr(Cols) + u"," + IntToStr(Rows); }

String WidthLine(int Index, int Width) { return u"cw " + IntToStr(Index) + u"," + IntToStr(Width); }

void WriteUnits(TStream& Stream, StringView Text) {
  std::string bytes;
  bytes.reserve(Text.size() * 2);
  for (Char c : Text) {
    bytes.push_back(static_cast<char>(c & 0xFF));
    bytes.push_back(static_cast<char>(c >> 8));
  }
  Stream.WriteBytes(bytes);
}

// One line of 16-bit units up to a CR (dropped) and the unit after it;
// false at the end of the stream. An odd last byte is no unit.
bool ReadUnitLine(TStream& Stream, String& Line) {
  Line.clear();
  std::uint8_t unit[2];
  bool any = false;
  while (Stream.Read(unit, 2) == 2) {
    any = true;
    const Char c = static_cast<Char>(unit[0] | (unit[1] << 8));
    if (c == u'\r') {
      Stream.Read(unit, 2);
      return true;
    }
    Line += c;
  }
  return any;
}

int StrictInt(StringView Text) { return StrToInt(Text); }

}  // namespace

String EncodeCellTextLine(StringView Text) {
  if (Text.find_first_of(u"\r\n") == StringView::npos) return String(Text);
  String r(Text);
  for (Char& c : r) {
    if (c == u'\r') c = 9;
    else if (c == u'\n') c = 8;
    else if (c == 0) c = 1;
  }
  return r;
}

std::vector<int> TGridTextFile::ExportColumns(int FirstCol, int LastCol, bool WithHidden) const {
  std::vector<int> cols;
  for (int d = FirstCol; d <= LastCol; ++d) cols.push_back(G.RealColIndex(d));
  if (!WithHidden || G.NumHiddenColumns() == 0) return cols;
  for (int c = 0; c < G.AllColCount(); ++c) {
    if (G.IsHiddenColumn(c)) cols.push_back(c);
  }
  return cols;
}

String TGridTextFile::CellLine(int FileCol, int FileRow, const String& Text) const {
  return IntToStr(FileCol) + u"," + IntToStr(FileRow) + u"," + EncodeCellTextLine(Text);
}

void TGridTextFile::FireProgress(int Done, int Count, int& Last) {
  if (!G.OnFileProgress) return;
  const int progress = static_cast<int>(Round(static_cast<double>(Done) / std::max(1, Count - 1) * 100));
  if (progress == Last) return;
  Last = progress;
  G.OnFileProgress(&G, static_cast<short>(progress));
}

// ---- the file

void TGridTextFile::SaveToFile(const String& FileName, bool Unicode) {
  const std::vector<int> cols = ExportColumns(G.SaveStartCol(), G.SaveEndCol(), G.SaveHiddenCells());
  const int start = G.SaveStartCol();
  String text = CountLine(static_cast<int>(cols.size()), G.SaveRowCount()) + CrLf;
  for (size_t i = 0; i < cols.size(); ++i) text += WidthLine(start + static_cast<int>(i), G.AllColWidths(cols[i])) + CrLf;
  G.ExportNotification(esExportStart, G.SaveStartRow());
  int last = -1;
  for (int r = G.SaveStartRow(); r <= G.SaveEndRow(); ++r) {
    G.ExportNotification(esExportRowWritten, r);
    for (size_t i = 0; i < cols.size(); ++i) {
      String t;
      G.GetSaveCellText(cols[i], r, t);
      if (!t.empty()) text += CellLine(start + static_cast<int>(i), r, t) + CrLf;
    }
    FireProgress(r - G.SaveStartRow(), G.SaveRowCount(), last);
  }
  G.ExportNotification(esExportDone, -1);
  WriteTextFile(FileName, text, Unicode ? teUtf16LE : teAnsi);
}

void TGridTextFile::LoadFromFile(const String& FileName) {
  const std::vector<String> lines = SplitLines(ReadTextFile(FileName));
  const int colOffset = G.SaveFixedCells() || G.SaveFixedCols() ? 0 : G.FixedCols();
  const int rowOffset = G.SaveFixedCells() || G.SaveFixedRows() ? 0 : G.FixedRows();
  // The counts are checked before the grid changes: a damaged first line
  // must not cut the grid down.
  if (lines.empty()) throw EAdvGridError(u"File contains no data or corrupt file " + FileName);
  if (!lines[0].empty()) {
    const size_t comma = lines[0].find(u',');
    const std::int64_t cols = LeadingNumber(StringView(lines[0]).substr(0, comma));
    const std::int64_t rows = comma == String::npos ? 0 : LeadingNumber(StringView(lines[0]).substr(comma + 1));
    if (cols == 0 || rows == 0 || !WithinImportLimit(cols + colOffset, rows + rowOffset))
      throw EAdvGridError(u"File contains no data or corrupt file " + FileName);
    G.SetColCount(static_cast<int>(cols) + colOffset);
    G.SetRowCount(static_cast<int>(rows) + rowOffset);
  }
  int last = -1;
  for (size_t i = 1; i < lines.size(); ++i) {
    const StringView line = lines[i];
    StringView col, row, rest;
    if (IsWidthLine(line)) {
      const size_t comma = line.find(u',');
      if (comma == StringView::npos || line.size() < 3) continue;
      const std::int64_t index = LeadingNumber(line.substr(3, comma - 3));
      if (index < G.ColCount()) G.SetColWidths(static_cast<int>(index), ImportedSize(LeadingNumber(line.substr(comma + 1, 255))));
    } else if (SplitCellLine(line, col, row, rest) && StartsWithDigit(col) && StartsWithDigit(row)) {
      const std::int64_t c = LeadingNumber(col), r = LeadingNumber(row);
      if (c >= G.ColCount() || r >= G.RowCount()) continue;
      G.LoadCellText(static_cast<int>(c), static_cast<int>(r), DecodeLineBreaksFromLoad(rest, G.Multilinecells()));
      FireProgress(static_cast<int>(r), G.RowCount(), last);
    }
  }
  G.CellsChanged(Rect(0, 0, G.ColCount() - 1, G.RowCount() - 1));
  G.AfterBulkCellChange();
}

// ---- the stream

void TGridTextFile::SaveToStream(TStream& Stream) {
  const std::vector<int> cols = ExportColumns(G.SaveStartCol(), G.SaveEndCol(), false);
  String text = CountLine(G.SaveColCount(), G.SaveRowCount()) + CrLf;
  // Fixed right columns are no columns of the grid this stream makes: their
  // widths would be outside it.
  for (int c = 0; c <= G.SaveEndCol(); ++c) text += WidthLine(c, G.ColWidths(c)) + CrLf;
  G.ExportNotification(esExportStart, G.SaveStartRow());
  for (int r = G.SaveStartRow(); r <= G.SaveEndRow(); ++r) {
    G.ExportNotification(esExportRowWritten, r);
    for (size_t i = 0; i < cols.size(); ++i) {
      String t;
      G.GetSaveCellText(cols[i], r, t);
      if (!t.empty()) text += CellLine(static_cast<int>(i), r - G.SaveStartRow(), t) + CrLf;
    }
  }
  G.ExportNotification(esExportDone, -1);
  WriteUnits(Stream, text);
}

namespace {

struct TStreamCell {
  int Col, Row;
  String Text;
};

}  // namespace

void TGridTextFile::LoadFromStream(TStream& Stream) {
  // Read and check every line first; the grid changes only after that.
  const int startCol = G.SaveStartCol(), startRow = G.SaveStartRow();
  int cols = G.ColCount(), rows = G.RowCount();
  std::vector<std::pair<int, int>> widths;
  std::vector<TStreamCell> cells;
  String line;
  if (ReadUnitLine(Stream, line) && !line.empty()) {
    const size_t comma = line.find(u',');
    const std::int64_t c = std::int64_t{startCol} + StrictInt(StringView(line).substr(0, comma));
    const std::int64_t r = std::int64_t{startRow} + StrictInt(comma == String::npos ? StringView() : StringView(line).substr(comma + 1));
    if (c < 1 || r < 1 || !WithinImportLimit(c, r)) RaiseGridIndexError();
    cols = static_cast<int>(c);
    rows = static_cast<int>(r);
  }
  for (std::int64_t at = Stream.Position(); ReadUnitLine(Stream, line); at = Stream.Position()) {
    StringView col, row, rest;
    if (IsWidthLine(line)) {
      const StringView fields = StringView(line).substr(std::min<size_t>(3, line.size()));
      const size_t comma = fields.find(u',');
      const int index = StrictInt(fields.substr(0, comma));
      const int width = StrictInt(comma == StringView::npos ? StringView() : fields.substr(comma + 1));
      if (index < 0 || index >= cols) RaiseGridIndexError();
      widths.emplace_back(index, ImportedSize(width));
    } else if (SplitCellLine(line, col, row, rest) && !col.empty() && !row.empty()) {
      const std::int64_t c = std::int64_t{startCol} + StrictInt(col), r = std::int64_t{startRow} + StrictInt(row);
      if (c < 0 || r < 0 || c >= cols || r >= rows) RaiseGridIndexError();
      cells.push_back({static_cast<int>(c), static_cast<int>(r), String(rest)});
    } else {
      // Data of another kind may follow the grid in the same stream.
      Stream.SetPosition(at);
      break;
    }
  }
  G.SetColCount(cols);
  G.SetRowCount(rows);
  for (const auto& [index, width] : widths) G.SetColWidths(index, width);
  for (const TStreamCell& c : cells) G.LoadCellText(c.Col, c.Row, DecodeLineBreaksFromLoad(c.Text, G.Multilinecells()));
  G.CellsChanged(Rect(0, 0, G.ColCount() - 1, G.RowCount() - 1));
  G.AfterBulkCellChange();
}
