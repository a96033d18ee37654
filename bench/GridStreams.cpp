// The grid's binary stream: SaveToBinStream and LoadFromBinStream of 12,500
// and 125,000 rows x 8 columns (100,000 and 1,000,000 cells) of texts of 8
// to 20 characters, against floors in the same run: the same bytes written
// by a plain loop over a vector of texts, and walked by a plain loop that
// takes the texts out. Goals at 1,000,000 cells: save within 3x and load
// within 4x of its floor; 1,000,000 cells within 12x of 100,000.
#include <benchmark/benchmark.h>

#include <random>
#include <string>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/sys/Streams.h"

namespace {

constexpr int kCols = 8;

std::vector<String> Texts(int Rows) {
  std::mt19937 rnd(11);
  std::uniform_int_distribution<int> len(8, 20), letter(0, 25);
  std::vector<String> texts(static_cast<size_t>(Rows) * kCols);
  for (String& t : texts) {
    t.resize(static_cast<size_t>(len(rnd)));
    for (Char& c : t) c = static_cast<Char>(u'a' + letter(rnd));
  }
  return texts;
}

struct Grid {
  TAdvStringGrid G{nullptr};
  std::vector<String> Cells;
  explicit Grid(int Rows) : Cells(Texts(Rows)) {
    G.SetColCount(kCols);
    G.SetRowCount(Rows);
    G.SetFixedRows(0);
    G.SetFixedCols(0);
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < kCols; ++c) G.SetCells(c, r, Cells[static_cast<size_t>(r) * kCols + c]);
  }
  std::string Saved() {
    TMemoryStream st;
    G.SaveToBinStream(st);
    return std::string(st.Bytes());
  }
};

// ---- the floor: the same bytes by hand

void ShortString(std::string& Out, std::string_view S) {
  Out += static_cast<char>(S.size());
  Out += S;
}

void Integer(std::string& Out, int V) {
  if (V >= -128 && V <= 127) {
    Out += '\x02';
    Out += static_cast<char>(V);
  } else if (V >= -32768 && V <= 32767) {
    Out += '\x03';
    Out += static_cast<char>(V);
    Out += static_cast<char>(V >> 8);
  } else {
    Out += '\x04';
    for (int i = 0; i < 4; ++i) Out += static_cast<char>(V >> (8 * i));
  }
}

std::string FloorWrite(const std::string& Header, const std::vector<String>& Cells, int Rows) {
  std::string out = Header;
  for (int r = 0; r < Rows; ++r) {
    for (int c = 0; c < kCols; ++c) {
      out += "TPF0";
      ShortString(out, "TGridCellIO");
      out += '\0';
      ShortString(out, "Col");
      Integer(out, c);
      ShortString(out, "Row");
      Integer(out, r);
      const String& t = Cells[static_cast<size_t>(r) * kCols + c];
      ShortString(out, "Cell");
      out += '\x06';
      out += static_cast<char>(t.size());
      for (Char ch : t) out += static_cast<char>(ch);
      ShortString(out, "HasProp");
      out += '\x08';
      out += std::string(2, '\0');
    }
  }
  return out;
}

// Walks the cell records after the header and takes the texts out.
std::vector<String> FloorRead(std::string_view Bytes, size_t HeaderSize) {
  std::vector<String> texts;
  size_t p = HeaderSize;
  while (p + 1 < Bytes.size()) {
    p += 4;
    p += 1 + static_cast<std::uint8_t>(Bytes[p]);  // class
    p += 1;                                        // name
    while (Bytes[p] != 0) {
      const size_t n = static_cast<std::uint8_t>(Bytes[p]);
      const std::string_view name = Bytes.substr(p + 1, n);
      p += 1 + n;
      const auto tag = static_cast<std::uint8_t>(Bytes[p++]);
      if (tag == 2) p += 1;
      else if (tag == 3) p += 2;
      else if (tag == 4) p += 4;
      else if (tag == 6) {
        const size_t len = static_cast<std::uint8_t>(Bytes[p++]);
        if (name == "Cell") {
          String& t = texts.emplace_back(len, u'\0');
          for (size_t i = 0; i < len; ++i) t[i] = static_cast<Char>(static_cast<std::uint8_t>(Bytes[p + i]));
        }
        p += len;
      }
    }
    p += 2;
  }
  return texts;
}

size_t HeaderSize(const std::string& Bytes) { return Bytes.find("TPF0", 4); }

void BM_SaveToBinStream(benchmark::State& st) {
  Grid g(static_cast<int>(st.range(0)));
  for (auto _ : st) {
    TMemoryStream out;
    g.G.SaveToBinStream(out);
    benchmark::DoNotOptimize(out.Size());
  }
}

void BM_SaveFloor(benchmark::State& st) {
  const int rows = static_cast<int>(st.range(0));
  Grid g(rows);
  const std::string saved = g.Saved();
  const std::string header = saved.substr(0, HeaderSize(saved));
  if (FloorWrite(header, g.Cells, rows) != saved) st.SkipWithError("the floor writes other bytes");
  for (auto _ : st) benchmark::DoNotOptimize(FloorWrite(header, g.Cells, rows).size());
}

void BM_LoadFromBinStream(benchmark::State& st) {
  const int rows = static_cast<int>(st.range(0));
  const std::string saved = Grid(rows).Saved();
  TAdvStringGrid target(nullptr);
  for (auto _ : st) {
    TStringStream in(saved);
    target.LoadFromBinStream(in);
    benchmark::DoNotOptimize(target.RowCount());
  }
}

void BM_LoadFloor(benchmark::State& st) {
  const int rows = static_cast<int>(st.range(0));
  Grid g(rows);
  const std::string saved = g.Saved();
  if (FloorRead(saved, HeaderSize(saved)) != g.Cells) st.SkipWithError("the floor reads other texts");
  for (auto _ : st) benchmark::DoNotOptimize(FloorRead(saved, HeaderSize(saved)).size());
}

}  // namespace

BENCHMARK(BM_SaveToBinStream)->Arg(12500)->Arg(125000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveFloor)->Arg(12500)->Arg(125000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFromBinStream)->Arg(12500)->Arg(125000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadFloor)->Arg(12500)->Arg(125000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
