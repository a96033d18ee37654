// The grid's binary stream: golden bytes, round trips of every kind of cell
// content, placement, and damaged input that must leave the grid as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "grid/exchange/GridBinStream.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/Files.h"
#include "platform/sys/SafeWrite.h"
#include "platform/sys/Streams.h"
#include "tests/grid/exchange/BinStreamSupport.h"
#include "tests/support/TempDir.h"

using namespace binstream;

namespace {

void Load(TAdvStringGrid& G, std::string_view Bytes, TPoint At = {0, 0}) {
  TStringStream st(Bytes);
  G.LoadAtPointFromBinStream(At, st);
}

std::string Hex(std::string_view Bytes) {
  std::string s;
  for (unsigned char c : Bytes) {
    char b[4];
    std::snprintf(b, sizeof b, "%02X ", c);
    s += b;
  }
  return s;
}

// The header's ID is the writing grid's window handle: 0 for comparing.
std::string WithoutId(std::string Bytes) {
  const size_t at = Bytes.find("\x02ID");
  if (at == std::string::npos || at + 3 >= Bytes.size()) return Bytes;
  const size_t size = Bytes[at + 3] == 2 ? 1 : Bytes[at + 3] == 3 ? 2 : 4;
  return Bytes.replace(at + 3, 1 + size, std::string("\x02\x00", 2));
}

// Offsets where a record starts, and the end: a stream cut there is whole.
std::vector<size_t> RecordEnds(const std::string& Bytes) {
  std::vector<size_t> ends;
  for (size_t p = Bytes.find("TPF0", 1); p != std::string::npos; p = Bytes.find("TPF0", p + 1)) ends.push_back(p);
  ends.push_back(Bytes.size());
  return ends;
}

}  // namespace

// ---- golden bytes: tests/data/binstream/<case>/setup.txt and expected.bin

TEST(GridBinStream, GoldenCasesWriteTheirExpectedBytesAndReadBack) {
  const std::filesystem::path root = std::filesystem::path(GX_TEST_DATA) / "binstream";
  int cases = 0;
  for (const auto& dir : std::filesystem::directory_iterator(root)) {
    const std::string name = dir.path().filename().string();
    SCOPED_TRACE(name);
    TTestGrid src;
    const TRect rect = RunScript(src.G, ReadDataFile("binstream/" + name + "/setup.txt"));
    const std::string bytes = WithoutId(Saved(src.G, rect));
    const std::filesystem::path expected = dir.path() / "expected.bin";
    if (!std::filesystem::exists(expected)) {  // a new case: written once, to be checked by eye
      std::ofstream(expected, std::ios::binary) << bytes;
      ADD_FAILURE() << "wrote " << expected;
    }
    EXPECT_EQ(Hex(bytes), Hex(ReadDataFile("binstream/" + name + "/expected.bin")));
    // What was written reads back into a grid of the same size.
    TTestGrid back;
    back.G.SetColCount(src.G.ColCount());
    back.G.SetRowCount(src.G.RowCount());
    Load(back.G, bytes, Point(rect.Left, rect.Top));
    for (int r = rect.Top; r <= rect.Bottom; ++r) {
      for (int c = rect.Left; c <= rect.Right; ++c) EXPECT_EQ(CellDump(back.G, c, r), CellDump(src.G, c, r));
    }
    ++cases;
  }
  EXPECT_GE(cases, 8);
}

// ---- round trips

struct RoundTrip {
  const char* Name;
  const char* Script;  // on a 4 x 4 grid without fixed cells; cell (1, 1) is compared
  const char* Expect;  // a part of the loaded cell's dump
};

class GridBinRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(GridBinRoundTrip, CellComesBackWithEverythingItHolds) {
  TTestGrid src;
  RunScript(src.G, std::string("grid 4 4\ntext 1 1 cell\n") + GetParam().Script);
  TTestGrid dst;
  RunScript(dst.G, "grid 2 2 0 0\n");
  Load(dst.G, Saved(src.G));
  EXPECT_EQ(GridDump(dst.G), GridDump(src.G));
  EXPECT_NE(CellDump(dst.G, 1, 1).find(GetParam().Expect), std::string::npos) << CellDump(dst.G, 1, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, GridBinRoundTrip,
    ::testing::Values(
        RoundTrip{"plain", "text 2 3 x\n", "'cell'"},
        RoundTrip{"every_property",
                  "prop 1 1 BrushColor clRed\nprop 1 1 FontColor 0x123456\nprop 1 1 BorderColor clWindow\n"
                  "prop 1 1 BorderWidth 3\nprop 1 1 FontSize 11\nprop 1 1 NodeLevel 2\nprop 1 1 FontName Arial\n"
                  "prop 1 1 ReadOnly 1\nprop 1 1 WordWrap 1\nprop 1 1 Alignment taCenter\n"
                  "prop 1 1 VAlignment vtaBottom\nprop 1 1 BrushStyle bsCross\nprop 1 1 Editor edSpinEdit\n"
                  "prop 1 1 FontStyle fsBold,fsStrikeOut\n",
                  "align=2 border=-16777211/3 brush=255/536870911/6"},
        RoundTrip{"merged_area", "merge 1 1 2 3\n", "span=1,2"},
        RoundTrip{"check_box", "check 1 1 1\n", "ctCheckBox"},
        RoundTrip{"radio_items", "radio 1 1 one,two,\"three four\"\n", "strings=one,two,\"three four\""},
        RoundTrip{"image_indexes", "images 1 1 3,-1,12\n", "images=3,-1,12"},
        RoundTrip{"owned_bitmap", "bitmap 1 1 3 2\n", "bitmap=3x2 px0=ff"},
        RoundTrip{"icon", "icon 1 1 4 4\n", "icon=4x4"},
        RoundTrip{"picture_bitmap", "picture 1 1 bmp\n", "picture=TBitmap 3x2"},
        RoundTrip{"picture_png", "picture 1 1 png\n", "picture=TPngImage 3x2"},
        RoundTrip{"picture_icon", "picture 1 1 icon\n", "picture=TIcon 3x2"},
        RoundTrip{"picture_jpeg", "picture 1 1 jpeg\n", "picture=TJPEGImage 16x16"},
        RoundTrip{"picture_gif", "picture 1 1 gif\n", "picture=TGIFImage"},
        RoundTrip{"picture_metafile", "picture 1 1 metafile\n", "picture=TMetafile 0x0 kept=3"},
        RoundTrip{"file_picture", "filepicture 1 1 30 40 /nowhere/pic.png\n", "file=/nowhere/pic.png 30x40"},
        RoundTrip{"rating_value", "graphic 1 1 ctRating CellValue 2.75 CellText stars CellAngle 400\n",
                  "value=2.75"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

TEST(GridBinStream, BitmapTheGridDoesNotOwnStaysBehindButThePropertiesTravel) {
  TTestGrid src;
  RunScript(src.G, "grid 3 3\nprop 1 1 BrushColor clLime\n");
  TBitmap lent(2, 2);
  src.G.AddBitmap(1, 1, &lent, false, haLeft, vaTop);
  TTestGrid dst;
  Load(dst.G, Saved(src.G));
  EXPECT_EQ(dst.G.GridObjects(1, 1)->BrushColor(), clLime);
  EXPECT_EQ(dst.G.GridObjects(1, 1)->GraphicObject(), nullptr);
}

TEST(GridBinStream, TheCheckStateAndTwoLooksGoOutAsAFreshRecordHasThem) {
  TTestGrid src;
  RunScript(src.G, "grid 2 2\nprop 1 1 BrushColorTo clRed\nprop 1 1 GradientDirection GradientHorizontal\n"
                   "graphic 1 1 ctTriStateCheckBox CellCheckBoxState cbGrayed\n");
  TTestGrid dst;
  RunScript(dst.G, "grid 2 2\nprop 1 1 BrushColorTo clBlue\n");
  Load(dst.G, Saved(src.G, Rect(1, 1, 1, 1)), Point(1, 1));
  const TCellProperties& p = *dst.G.GridObjects(1, 1);
  EXPECT_EQ(p.BrushColorTo(), clBlue) << "the target keeps its own";
  EXPECT_EQ(p.GradientDirection(), GradientVertical);
  EXPECT_EQ(dynamic_cast<const TCellGraphic*>(p.GraphicObject())->CellCheckBoxState(), cbUnchecked);
}

// A graphic read after one with a value must not take that value.
TEST(GridBinStream, NothingOfOneCellsGraphicLeaksIntoTheNext) {
  TTestGrid src;
  RunScript(src.G, "grid 2 1\ngraphic 0 0 ctRating CellValue 1.5\ngraphic 1 0 ctRating\n");
  TTestGrid dst;
  Load(dst.G, Saved(src.G));
  EXPECT_EQ(dst.G.GetCellGraphic(1, 0)->CellValue(), 0);
}

// ---- placement

TEST(GridBinStream, ARectangleLoadsRelativeToThePointGiven) {
  TTestGrid src;
  RunScript(src.G, "grid 4 4 0 0\ntext 1 1 a\ntext 2 1 b\ntext 1 2 c\ntext 2 2 d\nprop 2 2 BrushColor clRed\n");
  TTestGrid dst;
  RunScript(dst.G, "grid 8 6 0 0\n");
  Load(dst.G, Saved(src.G, Rect(1, 1, 2, 2)), Point(5, 3));
  EXPECT_EQ(dst.G.Cells(5, 3), u"a");
  EXPECT_EQ(dst.G.Cells(6, 3), u"b");
  EXPECT_EQ(dst.G.Cells(5, 4), u"c");
  EXPECT_EQ(dst.G.Cells(6, 4), u"d");
  EXPECT_EQ(dst.G.GridObjects(6, 4)->BrushColor(), clRed);
  EXPECT_EQ(dst.G.GridObjects(6, 4)->OwnerCol(), 6);
  EXPECT_EQ(dst.G.Cells(1, 1), u"");
  // A cell that would land outside the grid is left out.
  Load(dst.G, Saved(src.G, Rect(1, 1, 2, 2)), Point(7, 5));
  EXPECT_EQ(dst.G.Cells(7, 5), u"a");
}

TEST(GridBinStream, AFullGridHeaderAloneClearsAndResizes) {
  TTestGrid src;
  RunScript(src.G, "grid 3 2 0 0\n");
  src.G.SetColWidths(2, 91);
  src.G.SetRowHeights(1, 33);
  TMemoryStream st;
  TComponentWriter w(st);
  TGridPropIO header;
  header.Header = {3, 2, u"64,64,91", u"24,33", true, 0};
  header.Write(w);
  TTestGrid dst;
  RunScript(dst.G, "grid 5 5 0 0\ntext 4 4 old\n");
  Load(dst.G, st.Bytes());
  EXPECT_EQ(dst.G.ColCount(), 3);
  EXPECT_EQ(dst.G.RowCount(), 2);
  EXPECT_EQ(dst.G.ColWidths(2), 91);
  EXPECT_EQ(dst.G.RowHeights(1), 33);
  EXPECT_EQ(dst.G.Cells(2, 1), u"");
}

TEST(GridBinStream, AStrayByteAfterTheLastRecordIsIgnored) {
  TTestGrid src;
  RunScript(src.G, "grid 2 2 0 0\ntext 1 1 last\n");
  TTestGrid dst;
  Load(dst.G, Saved(src.G) + "\x07");
  EXPECT_EQ(dst.G.Cells(1, 1), u"last");
}

TEST(GridBinStream, AFullGridWithoutFixedCellsKeepsEveryRow) {
  TTestGrid src;
  RunScript(src.G, "grid 3 4 1 1\ntext 0 0 head\ntext 1 1 first\ntext 2 3 last\n");
  src.G.SetSaveFixedCells(false);
  TTestGrid dst;
  RunScript(dst.G, "grid 2 2 1 1\n");
  Load(dst.G, Saved(src.G));
  EXPECT_EQ(dst.G.ColCount(), 3);
  EXPECT_EQ(dst.G.RowCount(), 4);
  EXPECT_EQ(dst.G.Cells(1, 1), u"first");
  EXPECT_EQ(dst.G.Cells(2, 3), u"last");
  EXPECT_EQ(dst.G.Cells(0, 0), u"") << "the fixed cells were not saved";
}

TEST(GridBinStream, LoadingCountsTheOutlineNodesAgain) {
  TTestGrid src;
  RunScript(src.G, "grid 2 6 1 1\n");
  src.G.AddNode(1, 2);
  src.G.AddNode(3, 2);
  ASSERT_EQ(src.G.NumNodes(), 2);
  TTestGrid dst;
  RunScript(dst.G, "grid 2 6 1 1\n");
  EXPECT_EQ(dst.G.NumNodes(), 0);
  TStringStream st(Saved(src.G));
  dst.G.LoadFromBinStream(st);
  EXPECT_EQ(dst.G.NumNodes(), 2);
}

// ---- mended faults

// Rows were written in 16 bits: a rectangle crossing row 65,536 came back wrapped.
TEST(GridBinStream, RowsBeyondSixteenBitsKeepTheirPlace) {
  TTestGrid src;
  RunScript(src.G, "grid 1 65541 0 0\n");
  for (int r = 65530; r <= 65540; ++r) src.G.SetCellEx(0, r, IntToStr(r));
  // Not FullGrid: placed relative to the first cell.
  TTestGrid part;
  RunScript(part.G, "grid 1 30 0 0\n");
  Load(part.G, Saved(src.G, Rect(0, 65530, 0, 65540)), Point(0, 10));
  for (int r = 65530; r <= 65540; ++r) EXPECT_EQ(part.G.Cells(0, r - 65520), IntToStr(r));
  // FullGrid: at the saved indexes.
  TTestGrid whole;
  Load(whole.G, Saved(src.G));
  ASSERT_EQ(whole.G.RowCount(), 65541);
  for (int r = 65530; r <= 65540; ++r) EXPECT_EQ(whole.G.Cells(0, r), IntToStr(r));
  EXPECT_EQ(whole.G.Cells(0, 4), u"");
}

// An object reference from a file or another program is no pointer of ours.
TEST(GridBinStream, ACellObjectNumberIsNeverRestored) {
  TTestGrid src;
  RunScript(src.G, "grid 2 2 0 0\nprop 1 1 BrushColor clRed\n");
  std::string bytes = Saved(src.G, Rect(1, 1, 1, 1));
  const std::string field = "\x19" "CellProperties.CellObject";
  const size_t at = bytes.find(field);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(bytes.substr(at + field.size(), 2), std::string("\x02\x00", 2)) << "written as 0";
  bytes.replace(at + field.size(), 2, std::string("\x04\x39\x30\x00\x00", 5));  // 12345
  TTestGrid dst;
  RunScript(dst.G, "grid 2 2 0 0\n");
  Load(dst.G, bytes, Point(1, 1));
  EXPECT_EQ(dst.G.GridObjects(1, 1)->CellObject(), nullptr);
  EXPECT_EQ(dst.G.GridObjects(1, 1)->BrushColor(), clRed);
  TObject own;
  dst.G.SetObjectEx(1, 1, &own);
  Load(dst.G, bytes, Point(1, 1));
  EXPECT_EQ(dst.G.GetObjectEx(1, 1), &own) << "the target keeps its own";
}

// ---- errors: each leaves the grid as it was

struct BadStream {
  const char* Name;
  std::function<std::string(const std::string&)> Damage;  // of a good FullGrid stream
  const char* Message;  // a part of the error's message
};

TEST(GridBinStream, DamagedStreamsFailAndLeaveTheGridAsItWas) {
  TTestGrid src;
  RunScript(src.G, "grid 3 2 0 0\ntext 0 0 a\ntext 2 1 é\nprop 1 1 BrushColor clRed\ncheck 1 1 1\n");
  const std::string good = Saved(src.G);
  auto replace = [](std::string s, const std::string& from, const std::string& to) {
    const size_t at = s.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? s : s.replace(at, from.size(), to);
  };
  const std::vector<BadStream> cases = {
      {"empty", [](const std::string&) { return std::string(); }, "Stream read error"},
      {"no_signature", [](const std::string& s) { return "XPF0" + s.substr(4); }, "Invalid stream format"},
      {"unknown_property",
       [&](const std::string& s) { return replace(s, "\x07HasProp", std::string("\x03" "Foo")); },
       "Error reading TGridCellIO.Foo: Property Foo does not exist"},
      {"wrong_tag", [&](const std::string& s) { return replace(s, "\x03" "Col\x02\x01", "\x03" "Col\x06\x01x"); },
       "Error reading TGridCellIO.Col: Invalid property value"},
      {"unknown_enum",
       [&](const std::string& s) { return replace(s, "\x0A" "ctCheckBox", "\x0A" "ctNoSuchOn"); },
       "Invalid property value"},
      {"bad_col_width", [&](const std::string& s) { return replace(s, "64,64,64", "64,x4,64"); },
       "'x4' is not a valid integer value"},
      {"missing_col_width", [&](const std::string& s) { return replace(s, "\x08" "64,64,64", "\x05" "64,64"); },
       "List index out of bounds (2)"},
      {"huge_header", [&](const std::string& s) { return replace(s, "ColCount\x02\x03", std::string("ColCount\x04\x00\x00\x00\x40", 13)); },
       "Invalid property value"},
  };
  for (const BadStream& c : cases) {
    SCOPED_TRACE(c.Name);
    TTestGrid dst;
    RunScript(dst.G, "grid 4 3 1 1\ntext 1 1 keep\nprop 2 2 FontColor clBlue\nbitmap 3 2 2 2\n");
    const std::string before = GridDump(dst.G);
    try {
      Load(dst.G, c.Damage(good));
      ADD_FAILURE() << "no error";
    } catch (const Exception& e) {
      EXPECT_NE(e.Message().find(Utf8ToString(c.Message)), String::npos) << StringToUtf8(e.Message());
    }
    EXPECT_EQ(GridDump(dst.G), before);
  }
}

TEST(GridBinStream, EveryTruncationFailsOrEndsOnARecordAndLeavesTheGridAlone) {
  TTestGrid src;
  RunScript(src.G, "grid 2 2 0 0\ntext 0 0 a\nprop 1 1 BrushColor clRed\nbitmap 1 1 2 2\n");
  const std::string good = Saved(src.G);
  const std::vector<size_t> ends = RecordEnds(good);
  for (size_t n = 0; n < good.size(); ++n) {
    TTestGrid dst;
    RunScript(dst.G, "grid 3 3 0 0\ntext 2 2 keep\n");
    const std::string before = GridDump(dst.G);
    const bool whole = std::find(ends.begin(), ends.end(), n) != ends.end() ||
                       std::find(ends.begin(), ends.end(), n - 1) != ends.end();
    try {
      Load(dst.G, good.substr(0, n));
      EXPECT_TRUE(whole) << "a stream cut at " << n << " loaded";
    } catch (const EReadError&) {
      EXPECT_EQ(GridDump(dst.G), before) << n;
    }
  }
}

TEST(GridBinStream, ASixteenByteStreamClaimingTwoGigabytesFailsAtOnce) {
  const std::string tiny("TPF0\x01T\x00\x01P\x0C\xFF\xFF\xFF\x7F\x00\x00", 16);
  TTestGrid dst;
  try {
    Load(dst.G, tiny);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), u"Error reading T.P: Stream read error");
  }
}

// ---- notifications, progress and files

namespace {
struct NotifyingGrid : TAdvStringGrid {
  using TAdvStringGrid::TAdvStringGrid;
  std::vector<std::pair<int, int>> Calls;
  void ExportNotification(TGridExportState AState, int ARow) override { Calls.emplace_back(AState, ARow); }
};
}  // namespace

TEST(GridBinStream, ASaveNotifiesEachRowAndReportsProgress) {
  NotifyingGrid g(nullptr);
  g.SetColCount(2);
  g.SetRowCount(3);
  g.SetFixedRows(0);
  std::vector<short> progress;
  g.OnFileProgress = [&](TObject*, short p) { progress.push_back(p); };
  TMemoryStream st;
  g.SaveToBinStream(st);
  EXPECT_EQ(g.Calls, (std::vector<std::pair<int, int>>{
                         {esExportStart, 0}, {esExportRowWritten, 0}, {esExportRowWritten, 1},
                         {esExportRowWritten, 2}, {esExportDone, -1}}));
  EXPECT_EQ(progress, (std::vector<short>{0, 50, 100}));

  std::vector<short> loaded;
  TTestGrid dst;
  dst.G.OnFileProgress = [&](TObject*, short p) { loaded.push_back(p); };
  st.SetPosition(0);
  dst.G.LoadFromBinStream(st);
  EXPECT_EQ(loaded, (std::vector<short>{0, 33, 67}));
}

TEST(GridBinStream, FilesSaveSafelyAndAMissingOneIsNamed) {
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "grid.bin").string());
  TTestGrid src;
  RunScript(src.G, "grid 2 2 0 0\ntext 1 1 saved\n");
  src.G.SaveToBinFile(file);
  TTestGrid dst;
  dst.G.LoadFromBinFile(file);
  EXPECT_EQ(dst.G.Cells(1, 1), u"saved");

  src.G.SetCellEx(1, 1, u"changed");
  SetSafeWriteFaultForTests([](std::string_view step) { return step == "write" ? ENOSPC : 0; });
  EXPECT_THROW(src.G.SaveToBinFile(file), EInOutError);
  SetSafeWriteFaultForTests(nullptr);
  dst.G.LoadFromBinFile(file);
  EXPECT_EQ(dst.G.Cells(1, 1), u"saved") << "the old file is whole";

  const String missing = Utf8ToString((dir / "missing.bin").string());
  try {
    dst.G.LoadFromBinFile(missing);
    FAIL();
  } catch (const Exception& e) {
    EXPECT_NE(e.Message().find(missing), String::npos);
  }
}

TEST(GridBinStream, TheHeaderReadsAloneForAPasteThatGrowsTheGrid) {
  TTestGrid src;
  RunScript(src.G, "grid 5 4 0 0\n");
  TStringStream st(Saved(src.G, Rect(1, 1, 3, 2)));
  const TGridBinHeader h = ReadGridBinHeader(st);
  EXPECT_EQ(h.ColCount, 3);
  EXPECT_EQ(h.RowCount, 2);
  EXPECT_FALSE(h.FullGrid);
  EXPECT_EQ(h.ID, static_cast<int>(src.G.Handle()));
}
