// The text grid file and stream, the ASCII export and the cell text hooks:
// golden bytes, round trips, damaged input that must leave the grid as it
// was, and exports that fail half way.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "grid/exchange/GridTextFile.h"
#include "grid/model/AdvGridError.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/grids/GridTypes.h"
#include "platform/gui/Forms.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"
#include "platform/sys/SysUtils.h"
#include "tests/grid/base/Locale.h"
#include "tests/grid/exchange/BinStreamSupport.h"
#include "tests/support/TempDir.h"

using namespace binstream;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

String Name(const std::filesystem::path& P) { return Utf8ToString(P.string()); }

// 16-bit little-endian units, as the stream holds them.
std::string Units(std::u16string_view Text) {
  std::string s;
  for (char16_t c : Text) {
    s += static_cast<char>(c & 0xFF);
    s += static_cast<char>(c >> 8);
  }
  return s;
}

// The script without its "save MODE" line, and the mode.
std::string SplitMode(const std::string& Script, std::string& Mode) {
  std::istringstream in(Script);
  std::string rest;
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("save ", 0) == 0) Mode = line.substr(5);
    else rest += line + "\n";
  }
  return rest;
}

std::string SavedAs(TAdvStringGrid& G, const std::string& Mode, const TempDir& Dir) {
  if (Mode == "stream") {
    TMemoryStream st;
    G.SaveToStream(st);
    st.SetPosition(0);
    return st.ReadRest();
  }
  const auto file = Dir / "saved.grd";
  G.SaveToFile(Name(file), Mode == "file16");
  return ReadFile(file);
}

void LoadStream(TAdvStringGrid& G, std::string_view Bytes) {
  TStringStream st{Bytes};
  G.LoadFromStream(st);
}

}  // namespace

// ---- golden bytes: tests/data/gridfile/<case>/setup.txt and expected.bin

TEST(GridTextFile, GoldenCasesWriteTheirExpectedBytes) {
  const std::filesystem::path root = std::filesystem::path(GX_TEST_DATA) / "gridfile";
  int cases = 0;
  for (const auto& dir : std::filesystem::directory_iterator(root)) {
    const std::string name = dir.path().filename().string();
    SCOPED_TRACE(name);
    std::string mode;
    TTestGrid src;
    RunScript(src.G, SplitMode(ReadDataFile("gridfile/" + name + "/setup.txt"), mode));
    TempDir tmp;
    const std::string bytes = SavedAs(src.G, mode, tmp);
    const std::filesystem::path expected = dir.path() / "expected.bin";
    if (!std::filesystem::exists(expected)) {  // a new case: written once, to be checked by eye
      std::ofstream(expected, std::ios::binary) << bytes;
      ADD_FAILURE() << "wrote " << expected;
    }
    EXPECT_EQ(bytes, ReadDataFile("gridfile/" + name + "/expected.bin"));
    ++cases;
  }
  EXPECT_GE(cases, 6);
}

// ---- round trips

struct TRoundTrip {
  bool Stream;
  bool MultiLine;
};

class GridTextRoundTrip : public ::testing::TestWithParam<TRoundTrip> {};

TEST_P(GridTextRoundTrip, CellsComeBackWithAllLinesOnlyWithMultilinecells) {
  const TRoundTrip p = GetParam();
  TAdvStringGrid src(nullptr), dst(nullptr);
  src.SetColCount(3);
  src.SetRowCount(3);
  src.SetCells(0, 0, u"a\r\nb");
  src.SetCells(1, 0, u"a\nb");  // LF alone: written encoded, not as a line break
  src.SetCells(2, 1, u"   ");
  src.SetCells(0, 2, u"x,y,z");
  src.SetCells(1, 2, String(u"nul") + Char(0) + u"\r\n");
  src.SetColWidths(1, 99);
  dst.SetMultilinecells(p.MultiLine);
  TempDir tmp;
  if (p.Stream) {
    TMemoryStream st;
    src.SaveToStream(st);
    st.SetPosition(0);
    dst.LoadFromStream(st);
    EXPECT_EQ(st.Position(), st.Size());
  } else {
    src.SaveToFile(Name(tmp / "g.grd"), true);
    dst.LoadFromFile(Name(tmp / "g.grd"));
  }
  EXPECT_EQ(dst.ColCount(), 3);
  EXPECT_EQ(dst.RowCount(), 3);
  EXPECT_EQ(dst.ColWidths(1), 99);
  EXPECT_EQ(dst.Cells(0, 0), p.MultiLine ? u"a\r\nb" : u"a");
  EXPECT_EQ(dst.Cells(1, 0), u"a\nb");
  EXPECT_EQ(dst.Cells(2, 1), u"   ");
  EXPECT_EQ(dst.Cells(0, 2), u"x,y,z");
  EXPECT_EQ(dst.Cells(1, 2), String(u"nul") + Char(0) + (p.MultiLine ? u"\r\n" : u""));
}

INSTANTIATE_TEST_SUITE_P(FileAndStream, GridTextRoundTrip,
                         ::testing::Values(TRoundTrip{false, true}, TRoundTrip{false, false},
                                           TRoundTrip{true, true}, TRoundTrip{true, false}));

TEST(GridTextFile, FixedCellsLeftOutLoadIntoTheFixedOffsets) {
  TAdvStringGrid src(nullptr), dst(nullptr);
  for (TAdvStringGrid* g : {&src, &dst}) {
    g->SetColCount(4);
    g->SetRowCount(4);
    g->SetFixedCols(1);
    g->SetFixedRows(1);
    g->SetSaveFixedCells(false);
  }
  src.SetRowCount(6);
  src.SetCells(0, 1, u"fixed");
  src.SetCells(3, 5, u"last");
  TempDir tmp;
  src.SaveToFile(Name(tmp / "g.grd"));
  dst.LoadFromFile(Name(tmp / "g.grd"));
  EXPECT_EQ(dst.RowCount(), 6);
  EXPECT_EQ(dst.Cells(3, 5), u"last");
  EXPECT_EQ(dst.Cells(0, 1), u"");
}

TEST(GridTextStream, StopsAtForeignDataAndLeavesTheStreamAtIt) {
  TAdvStringGrid a(nullptr), b(nullptr);
  a.SetColCount(2);
  a.SetRowCount(2);
  a.SetCells(1, 1, u"first");
  b.SetColCount(3);
  b.SetRowCount(1);
  b.SetCells(2, 0, u"second");
  TMemoryStream st;
  a.SaveToStream(st);
  const std::int64_t second = st.Position();
  b.SaveToStream(st);
  st.WriteBytes("trailing");

  st.SetPosition(0);
  TAdvStringGrid r1(nullptr), r2(nullptr);
  r1.LoadFromStream(st);
  EXPECT_EQ(st.Position(), second);
  EXPECT_EQ(r1.Cells(1, 1), u"first");
  EXPECT_EQ(r1.ColCount(), 2);
  r2.LoadFromStream(st);
  EXPECT_EQ(r2.ColCount(), 3);
  EXPECT_EQ(r2.Cells(2, 0), u"second");
}

// ---- damaged input leaves the grid as it was

class DamagedGridFile : public ::testing::TestWithParam<const char*> {};

TEST_P(DamagedGridFile, RaisesNamingTheFileAndChangesNothing) {
  TTestGrid g;
  RunScript(g.G, "grid 4 3 1 1\ntext 1 1 keep\nwidth 2 70\n");
  const std::string before = GridDump(g.G);
  TempDir tmp;
  const auto file = tmp / "bad.grd";
  WriteFile(file, std::string(GetParam()) + "\r\ncw 1,5\r\n1,1,lost\r\n");
  try {
    g.G.LoadFromFile(Name(file));
    ADD_FAILURE() << "no error";
  } catch (const EAdvGridError& e) {
    EXPECT_EQ(e.Message(), u"File contains no data or corrupt file " + Name(file));
  }
  EXPECT_EQ(GridDump(g.G), before);
}

INSTANTIATE_TEST_SUITE_P(FirstLines, DamagedGridFile,
                         ::testing::Values("abc", "0,5", "5", "5,0", ",7", "99999999,99999999"));

TEST(GridTextFile, AnEmptyFirstLineKeepsTheCountsAndLoadsTheCells) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(3);
  g.SetRowCount(3);
  TempDir tmp;
  WriteFile(tmp / "g.grd", "\r\ncw 1,44\r\n2,2,here\r\n9,9,outside\r\n");
  g.LoadFromFile(Name(tmp / "g.grd"));
  EXPECT_EQ(g.ColCount(), 3);
  EXPECT_EQ(g.ColWidths(1), 44);
  EXPECT_EQ(g.Cells(2, 2), u"here");
}

TEST(GridTextFile, AnEmptyFileHoldsNoData) {
  TAdvStringGrid g(nullptr);
  TempDir tmp;
  WriteFile(tmp / "g.grd", "");
  EXPECT_THROW(g.LoadFromFile(Name(tmp / "g.grd")), EAdvGridError);
  EXPECT_EQ(g.ColCount(), 5);
}

TEST(GridTextFile, NumbersAreReadByTheirLeadingDigits) {
  TAdvStringGrid g(nullptr);
  TempDir tmp;
  WriteFile(tmp / "g.grd", "2x,3 rows\r\n1,2junk,text\r\n,1,no column\r\n");
  g.LoadFromFile(Name(tmp / "g.grd"));
  EXPECT_EQ(g.ColCount(), 2);  // fixed cells are saved: no offsets
  EXPECT_EQ(g.RowCount(), 3);
  EXPECT_EQ(g.Cells(1, 2), u"text");
  EXPECT_EQ(g.Cells(0, 1), u"");
}

TEST(GridTextFile, AMissingFileRaisesTheFileErrorNamingIt) {
  TAdvStringGrid g(nullptr);
  TempDir tmp;
  const String name = Name(tmp / "none.grd");
  try {
    g.LoadFromFile(name);
    ADD_FAILURE() << "no error";
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(name), String::npos) << StringToUtf8(e.Message());
  }
}

TEST(GridTextStream, BadNumbersAndIndexesRaiseAndChangeNothing) {
  struct TCase {
    std::u16string_view Bytes;
    const char* Error;
  };
  const TCase cases[] = {
      {u"x,2\r\n", "is not a valid integer value"},
      {u"2,2\r\ncw 1,wide\r\n", "is not a valid integer value"},
      {u"2,2\r\ncw 7,10\r\n", "Grid index out of range"},
      {u"2,2\r\n5,0,outside\r\n", "Grid index out of range"},
      {u"99999999,99999999\r\n", "Grid index out of range"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(StringToUtf8(String(c.Bytes)));
    TTestGrid g;
    RunScript(g.G, "grid 4 3 1 1\ntext 1 1 keep\n");
    const std::string before = GridDump(g.G);
    try {
      LoadStream(g.G, Units(c.Bytes));
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_NE(StringToUtf8(e.Message()).find(c.Error), std::string::npos) << StringToUtf8(e.Message());
    }
    EXPECT_EQ(GridDump(g.G), before);
  }
}

// ---- the hooks

TEST(GridCellText, SaveTextFollowsTheSaveSettingsAndOnSaveCell) {
  struct TCase {
    const char* What;
    std::function<void(TAdvStringGrid&)> Setup;
    std::u16string_view Expected;
  };
  const String rtf = u"{\\rtf1 bold\\par\r\nnext}";
  const TCase cases[] = {
      {"formatted with SaveVirtCells",
       [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"2.5");
         g.OnGetFloatFormat = [](TObject*, int, int, bool& IsFloat, String& F) { IsFloat = true, F = u"%.3f"; };
       },
       u"2.500"},
      {"stored without SaveVirtCells",
       [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"2.5");
         g.OnGetFloatFormat = [](TObject*, int, int, bool& IsFloat, String& F) { IsFloat = true, F = u"%.3f"; };
         g.SetSaveVirtCells(false);
       },
       u"2.5"},
      {"checked box", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, true, false); }, u"Y"},
      {"unchecked box", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, false, false); }, u"N"},
      {"tri-state checked", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, cbChecked); }, u"Y"},
      {"tri-state grayed", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, cbGrayed); }, u"N"},
      {"box with a text", [](TAdvStringGrid& g) { g.AddCheckBox(1, 1, true, false), g.SetCells(1, 1, u"own"); },
       u"own"},
      {"HTML kept with SaveWithHTML (the default)", [](TAdvStringGrid& g) { g.SetCells(1, 1, u"<B>bold</B>"); },
       u"<B>bold</B>"},
      {"HTML as plain text without SaveWithHTML",
       [](TAdvStringGrid& g) { g.SetCells(1, 1, u"<B>bold</B><BR>x"), g.SetSaveWithHTML(false); }, u"bold\r\nx"},
      {"rich text as plain text", [&](TAdvStringGrid& g) { g.SetCells(1, 1, rtf); }, u"bold\r\nnext"},
      {"rich text markup with SaveWithRTF", [&](TAdvStringGrid& g) { g.SetCells(1, 1, rtf), g.SetSaveWithRTF(true); },
       u"{\\rtf1 bold\\parnext}"},
      {"OnSaveCell last",
       [](TAdvStringGrid& g) {
         g.SetCells(1, 1, u"<B>a</B>");
         g.SetSaveWithHTML(false);
         g.OnSaveCell = [](TObject*, int c, int r, String& v) { v = v + u"@" + IntToStr(c) + IntToStr(r); };
       },
       u"a@11"},
  };
  for (const TCase& c : cases) {
    SCOPED_TRACE(c.What);
    TAdvStringGrid g(nullptr);
    g.SetColCount(3);
    g.SetRowCount(3);
    c.Setup(g);
    String text;
    g.GetSaveCellText(1, 1, text);
    EXPECT_EQ(text, c.Expected);
  }
}

TEST(GridCellText, ACheckBoxIsReadInItsRealRow) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(4);
  g.AddCheckBox(1, 3, true, false);
  g.HideRow(2);  // real row 3 is shown as row 2
  String text;
  g.GetSaveCellText(1, 2, text);
  EXPECT_EQ(text, u"Y");
}

namespace {

class CountingGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  int Bulk = 0;
  void AfterBulkCellChange() override { ++Bulk; }
};

}  // namespace

TEST(GridCellText, LoadsGoThroughOnLoadCellAndTellTheChangeOnce) {
  for (bool stream : {false, true}) {
    SCOPED_TRACE(stream);
    CountingGrid g(nullptr);
    int changed = 0;
    g.OnCellsChanged = [&](TObject*, const TRect& R) {
      ++changed;
      EXPECT_EQ(R.Right, 2);
    };
    g.OnLoadCell = [](TObject*, int c, int r, String& v) { v = u"<" + v + u">"; };
    const std::u16string_view lines = u"3,2\r\n0,0,a\r\n2,1,b\r\n";
    TempDir tmp;
    if (stream) {
      LoadStream(g, Units(lines));
    } else {
      WriteFile(tmp / "g.grd", StringToUtf8(String(lines)));
      g.SetSaveFixedCells(true);
      g.LoadFromFile(Name(tmp / "g.grd"));
    }
    EXPECT_EQ(g.Cells(0, 0), u"<a>");
    EXPECT_EQ(g.Cells(2, 1), u"<b>");
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(g.Bulk, 1);
  }
}

TEST(GridCellText, CellToRealReadsTheLocalesNumbers) {
  ScopedLocale locale(CommaDecimalDMY);
  TAdvStringGrid g(nullptr);
  g.SetCells(1, 1, u"1.234,50");
  g.SetCells(1, 2, u"(12)");
  g.SetCells(1, 3, u"12x3");  // read up to the first character that is no number
  g.SetCells(1, 4, u"1,2,3");
  EXPECT_DOUBLE_EQ(g.CellToReal(1, 1), 1234.5);
  EXPECT_DOUBLE_EQ(g.CellToReal(1, 2), -12);
  EXPECT_DOUBLE_EQ(g.CellToReal(2, 2), 0);
  EXPECT_DOUBLE_EQ(g.CellToReal(1, 3), 12);
  try {
    g.CellToReal(1, 4);
    ADD_FAILURE() << "no error";
  } catch (const EAdvGridError& e) {
    EXPECT_EQ(e.Message(), u"Error at position: 4 in Cell [1, 4].");
  }
}

// ---- progress and notifications

namespace {

class NotifiedGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  std::vector<std::pair<int, int>> Calls;
  void ExportNotification(TGridExportState AState, int ARow) override { Calls.emplace_back(AState, ARow); }
};

}  // namespace

TEST(GridTextFile, ASaveReportsEachRowAndItsProgress) {
  NotifiedGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(4);
  g.SetFixedRows(1);
  g.SetSaveFixedCells(false);
  std::vector<short> progress;
  g.OnFileProgress = [&](TObject*, short p) { progress.push_back(p); };
  TempDir tmp;
  g.SaveToFile(Name(tmp / "g.grd"));
  EXPECT_EQ(g.Calls, (std::vector<std::pair<int, int>>{{0, 1}, {5, 1}, {5, 2}, {5, 3}, {2, -1}}));
  EXPECT_EQ(progress, (std::vector<short>{0, 50, 100}));
}

// ---- the ASCII export

namespace {

struct TCellText {
  int Col, Row;
  const char16_t* Text;
};

void WithoutFixedCells(TAdvStringGrid& G, int Cols, int Rows, std::initializer_list<TCellText> Cells = {}) {
  G.SetColCount(Cols);
  G.SetRowCount(Rows);
  G.SetFixedCols(0);
  G.SetFixedRows(0);
  for (const TCellText& c : Cells) G.SetCells(c.Col, c.Row, c.Text);
}

std::string Ascii(TAdvStringGrid& G, const TempDir& Dir) {
  const auto file = Dir / "g.txt";
  G.SaveToASCII(Name(file));
  return ReadFile(file);
}

}  // namespace

TEST(GridAsciiExport, ColumnsAreAsWideAsTheirLongestLineAndAligned) {
  TAdvStringGrid g(nullptr);
  WithoutFixedCells(g, 3, 2, {{0, 0, u"7"}, {0, 1, u"123"}, {1, 0, u"a"}, {1, 1, u"abcd"}, {2, 0, u"left"}});
  g.OnGetAlignment = [](TObject*, int, int ACol, TAlignment& H, TVAlignment&) {
    H = ACol == 0 ? taRightJustify : ACol == 1 ? taCenter : taLeftJustify;
  };
  TempDir tmp;
  EXPECT_EQ(Ascii(g, tmp), "  7   a  left \r\n123 abcd      \r\n");
}

TEST(GridAsciiExport, FurtherLinesOfACellGoUnderItsColumn) {
  TAdvStringGrid g(nullptr);
  WithoutFixedCells(g, 3, 1, {{0, 0, u"ab"}, {1, 0, u"x\r\nyy\r\nz"}, {2, 0, u"p\r\nq"}});
  TempDir tmp;
  EXPECT_EQ(Ascii(g, tmp), "ab x p \r\n");  // only first lines count
  g.SetMultilinecells(true);
  EXPECT_EQ(Ascii(g, tmp), "ab x  p \r\n   yy q\r\n   z\r\n");
}

TEST(GridAsciiExport, ManyColumnsAndLongLinesStayAligned) {
  TAdvStringGrid g(nullptr);
  WithoutFixedCells(g, 600, 2);
  g.SetCells(0, 0, String(300, u'w'));
  g.SetCells(599, 0, u"end");
  g.SetCells(599, 1, u"e");
  TempDir tmp;
  const std::string text = Ascii(g, tmp);
  const size_t eol = text.find("\r\n");
  // 300 + 1, 598 empty columns of one blank, 3 + 1
  EXPECT_EQ(eol, 301u + 598u + 4u);
  EXPECT_EQ(text.substr(eol - 4, 4), "end ");
  EXPECT_EQ(text.substr(eol + 2 + 301 + 598, 4), "e   ");
}

TEST(GridAsciiExport, AppendKeepsTheLinesBefore) {
  TAdvStringGrid g(nullptr);
  WithoutFixedCells(g, 1, 1);
  g.SetCells(0, 0, u"new");
  TempDir tmp;
  WriteFile(tmp / "g.txt", "old 1\r\nold 2\r\n");
  g.AppendToASCII(Name(tmp / "g.txt"));
  EXPECT_EQ(ReadFile(tmp / "g.txt"), "old 1\r\nold 2\r\nnew \r\n");
  g.AppendToASCII(Name(tmp / "g16.txt"), true);
  EXPECT_EQ(ReadFile(tmp / "g16.txt"), "\xFF\xFE" + Units(u"new \r\n"));
}

TEST(GridAsciiExport, AnErrorHalfWayLeavesTheOldFile) {
  TAdvStringGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(4);
  g.SetCells(1, 3, u"late");
  TempDir tmp;
  WriteFile(tmp / "g.txt", "precious\r\n");
  int calls = 0;
  TCursor during = crDefault;
  g.OnSaveCell = [&](TObject*, int, int ARow, String&) {
    during = Screen->Cursor();
    if (ARow == 2 && ++calls > 2) throw Exception(u"stop");
  };
  Screen->SetCursor(crCross);
  for (bool append : {false, true}) {
    calls = 0;
    EXPECT_THROW(append ? g.AppendToASCII(Name(tmp / "g.txt")) : g.SaveToASCII(Name(tmp / "g.txt")), Exception);
    EXPECT_EQ(ReadFile(tmp / "g.txt"), "precious\r\n");
    EXPECT_EQ(during, crHourGlass);
    EXPECT_EQ(Screen->Cursor(), crCross);
  }
  Screen->SetCursor(crDefault);
}
