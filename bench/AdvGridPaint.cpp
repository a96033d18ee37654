// The string grid's cell painter over the visible cells of an 800 x 600
// viewport of 1,000, 100,000 and 1,000,000 rows x 8 columns of plain texts,
// scrolled to the bottom, on a bitmap canvas; against a baseline in the same
// run that draws the same texts with the bare canvas (TextRect per cell
// rectangle, no grid). The painter should stay within 1.5x of the baseline
// and cost the same at every row count.
#include <benchmark/benchmark.h>

#include <memory>
#include <utility>
#include <vector>

#include "bench/GuiBenchMain.h"
#include "grid/model/AdvStringGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Messages.h"

namespace {

constexpr int kCols = 8;
constexpr int kColWidth = 100;
constexpr int kRowHeight = 20;

String CellText(int ACol, int ARow) { return u"r" + IntToStr(ARow) + u"c" + IntToStr(ACol); }

struct Viewport {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  TAdvStringGrid* Grid = new TAdvStringGrid(nullptr);
  TBitmap Surface;

  explicit Viewport(int Rows) {
    Form->SetBounds(0, 0, 820, 640);
    Grid->SetParent(Form.get());
    Form->InsertComponent(Grid);
    Grid->SetBounds(0, 0, 800, 600);
    Grid->SetColCount(kCols);
    Grid->SetRowCount(Rows);
    Grid->SetDefaultColWidth(kColWidth);
    Grid->SetDefaultRowHeight(kRowHeight);
    Grid->SetWordWrap(false);
    Form->Show();
    Grid->BeginUpdate();
    for (int r = 0; r < Rows; ++r)
      for (int c = 0; c < kCols; ++c) Grid->SetCells(c, r, CellText(c, r));
    Grid->EndUpdate();
    Grid->SetTopRow(Rows - 29);
    Surface.SetSize(800, 600);
  }

  void PaintPass() { Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Surface.Canvas()), 0); }
};

void GridPainter(benchmark::State& st) {
  Viewport v(static_cast<int>(st.range(0)));
  for (auto _ : st) v.PaintPass();
}

// The same cells' rectangles and texts, drawn with nothing but the canvas.
void BareCanvas(benchmark::State& st) {
  TBitmap surface;
  surface.SetSize(800, 600);
  TCanvas& canvas = *surface.Canvas();
  std::vector<std::pair<TRect, String>> cells;
  for (int r = 0; r * (kRowHeight + 1) < 600; ++r) {
    for (int c = 0; c < kCols; ++c) {
      const int x = c * (kColWidth + 1), y = r * (kRowHeight + 1);
      cells.emplace_back(TRect{x, y, x + kColWidth, y + kRowHeight}, CellText(c, 999000 + r));
    }
  }
  for (auto _ : st) {
    for (const auto& [rect, text] : cells) canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, text);
  }
}

}  // namespace

BENCHMARK(BareCanvas)->Unit(benchmark::kMicrosecond);
BENCHMARK(GridPainter)->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
