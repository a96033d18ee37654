// The grid's own cell painter over an 800 x 600 viewport of a 1,000,000 x 8
// grid, at the top and at the bottom, with merged areas in view against the
// same viewport without merges, in the same run. The merged areas' rectangles
// are measured from the view, so the bottom should cost what the top does.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/GuiBenchMain.h"
#include "grid/base/BaseGrid.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Messages.h"

namespace {

constexpr int kRows = 1000000;
constexpr int kCols = 8;

struct Viewport {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  TBaseGrid* Grid = new TBaseGrid(nullptr);
  TBitmap Surface;

  Viewport(bool Bottom, bool Merged) {
    Form->SetBounds(0, 0, 820, 640);
    Grid->SetParent(Form.get());
    Form->InsertComponent(Grid);
    Grid->SetBounds(0, 0, 800, 600);
    Grid->SetColCount(kCols);
    Grid->SetRowCount(kRows);
    Grid->SetFixedCols(1);
    Grid->SetFixedRows(1);
    Grid->SetDefaultColWidth(100);
    Grid->SetDefaultRowHeight(20);
    Form->Show();
    const int first = Bottom ? kRows - 40 : 1;
    for (int r = first; r < first + 39; ++r)
      for (int c = 0; c < kCols; ++c) Grid->SetCells(c, r, u"cell");
    // Areas of 3 x 2 cells on every fourth row, reaching under the fixed column too.
    if (Merged)
      for (int r = first; r + 1 < first + 39; r += 4) {
        Grid->MergeCells(1, r, 3, 2);
        Grid->MergeCells(5, r + 2, 2, 2);
      }
    Grid->SetTopRow(Bottom ? kRows - 30 : 1);
    Surface.SetSize(800, 600);
  }

  void PaintPass() { Grid->Perform(WM_PAINT, reinterpret_cast<WPARAM>(Surface.Canvas()), 0); }
};

void PaintViewport(benchmark::State& st) {
  Viewport v(st.range(0) != 0, st.range(1) != 0);
  for (auto _ : st) v.PaintPass();
}

}  // namespace

// Args: (bottom, merged).
BENCHMARK(PaintViewport)->Args({0, 0})->Args({0, 1})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) { return RunBenchmarksWithGui(argc, argv); }
