#pragma once
// A small grid on a shown form for the key tests: keys go through the
// window system's path (SystemInputDriver).
#include <functional>
#include <vector>

#include "tests/grid/interact/MouseGridSupport.h"

namespace keytest {

using TPrepare = std::function<void(TAdvStringGrid&)>;

// Six columns and eight rows, one fixed of each: data cells (1..5, 1..7);
// column 1 holds "r1".."r7".
struct TKeyGrid : mousetest::TGridOnForm<TAdvStringGrid> {
  explicit TKeyGrid(const TPrepare& Prepare = {}) {
    Grid->SetColCount(6);
    Grid->SetRowCount(8);
    for (int r = 1; r < 8; ++r) Grid->SetCells(1, r, u"r" + IntToStr(r));
    if (Prepare) Prepare(*Grid);
    Show();
  }
  void At(int ACol, int ARow) {
    Grid->SetRow(ARow);
    Grid->SetCol(ACol);
    Input.Pump();
  }
  TPoint Cell() const { return Point(Grid->Col(), Grid->Row()); }
  std::vector<String> Column1() {
    std::vector<String> t;
    for (int r = 1; r < Grid->RowCount(); ++r) t.push_back(Grid->Cells(1, r));
    return t;
  }
};

}  // namespace keytest
