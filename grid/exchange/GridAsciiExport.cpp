// The ASCII export: every column as wide as its longest saved line, texts
// aligned as their cells are, further lines of multi-line cells on
// continuation lines under their column.
#include <algorithm>

#include "grid/exchange/GridTextFile.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Forms.h"
#include "platform/sys/Files.h"
#include "platform/sys/TextFile.h"

namespace {

// The busy cursor for the export's run, the one before it back on every way out.
class TBusyCursor {
 public:
  TBusyCursor() : FOld(Screen ? Screen->Cursor() : crDefault) {
    if (Screen) Screen->SetCursor(crHourGlass);
  }
  ~TBusyCursor() {
    if (Screen) Screen->SetCursor(FOld);
  }
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  TCursor FOld;
};

// The cell's lines: all of them with MultiLine, else the first.
std::vector<String> TextLines(const String& Text, bool MultiLine) {
  std::vector<String> lines;
  size_t from = 0;
  for (size_t at = Text.find(u"\r\n"); at != String::npos && MultiLine; at = Text.find(u"\r\n", from)) {
    lines.push_back(Text.substr(from, at - from));
    from = at + 2;
  }
  lines.push_back(MultiLine ? Text.substr(from) : Text.substr(0, Text.find(u"\r\n")));
  return lines;
}

String Aligned(String Text, size_t Width, TAlignment Align) {
  if (Align == taRightJustify && Text.size() < Width) return String(Width - Text.size(), u' ') + Text;
  if (Align == taCenter) {
    while (Text.size() < Width) Text = u" " + Text + u" ";
  }
  return Text;
}

}  // namespace

void TGridTextFile::WriteASCII(const String& FileName, bool Append, bool Unicode) {
  const TBusyCursor busy;
  std::vector<String> out;
  if (Append && FileExists(FileName)) out = SplitLines(ReadTextFile(FileName));
  const bool allCols = G.SaveFixedCells() || G.SaveFixedCols();
  const bool allRows = G.SaveFixedCells() || G.SaveFixedRows();
  const std::vector<int> cols = ExportColumns(allCols ? 0 : G.FixedCols(), G.ColCount() - 1, G.SaveHiddenCells());
  std::vector<size_t> widths;
  for (int c : cols) widths.push_back(static_cast<size_t>(G.MaxColumnTextLength(c)));
  const int firstRow = allRows ? 0 : G.FixedRows();
  G.ExportNotification(esExportStart, firstRow);
  for (int r = firstRow; r < G.RowCount(); ++r) {
    G.ExportNotification(esExportRowWritten, r);
    String main;
    std::vector<String> more;
    for (size_t i = 0; i < cols.size(); ++i) {
      String text;
      G.GetSaveCellText(cols[i], r, text);
      TAlignment align = taLeftJustify;
      TVAlignment valign = vtaTop;
      G.GetCellAlignment(cols[i], r, align, valign);
      const std::vector<String> lines = TextLines(text, G.Multilinecells());
      const size_t start = main.size();
      for (size_t k = 1; k < lines.size(); ++k) {
        if (more.size() < k) more.emplace_back();
        String& line = more[k - 1];
        if (line.size() < start) line.resize(start, u' ');
        line += Aligned(lines[k], widths[i], align);
      }
      // A centred text may come out one wider than its column; padding to
      // the column and its blank keeps the next column in place.
      main += Aligned(lines[0], widths[i], align);
      if (main.size() < start + widths[i] + 1) main.resize(start + widths[i] + 1, u' ');
    }
    out.push_back(main);
    out.insert(out.end(), more.begin(), more.end());
  }
  G.ExportNotification(esExportDone, -1);
  String text;
  for (const String& line : out) text += line + u"\r\n";
  WriteTextFile(FileName, text, Unicode ? teUtf16LE : teAnsi);
}
