// The bulk cell reader answers what Cells answers: through merged areas and
// the display hooks when the grid has them, the stored text itself when not.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "grid/base/CellText.h"
#include "tests/grid/base/BaseGridSupport.h"

namespace {

// A grid whose own hook changes what its cells read.
class TUpperingGrid : public TTestGrid {
 protected:
  void DoGetDisplText(int, int, String& Value) override { Value = u"[" + Value + u"]"; }
  bool HasDisplTextHooks() const override { return true; }
};

struct TReadCase {
  const char* Name;
  std::function<void(TTestGrid&)> Setup;
  String Expected;  // what cell (2, 2) reads
};

void Texts(TTestGrid& g) {
  g.SetNormalRowCount(g.RowCount());
  for (int r = 0; r < g.RowCount(); ++r)
    for (int c = 0; c < g.ColCount(); ++c) g.SetGridCell(c, r, S(std::to_string(c) + "," + std::to_string(r)));
}

}  // namespace

TEST(CellView, ReadsThroughMergesAndDisplayHooksAsCellsDoes) {
  const TReadCase cases[] = {
      {"plain", [](TTestGrid&) {}, u"2,2"},
      {"merged area", [](TTestGrid& g) { g.MergeCells(1, 1, 2, 2); }, u"1,1"},
      {"text hook", [](TTestGrid& g) { g.OnGetDisplText = [](TObject*, int, int, String& v) { v += u"!"; }; }, u"2,2!"},
      {"wide text hook",
       [](TTestGrid& g) { g.OnGetDisplWideText = [](TObject*, int, int, String& v) { v = u"w" + v; }; },
       PackWideCellText(u"w2,2")},
      {"merge and hook",
       [](TTestGrid& g) {
         g.MergeCells(2, 1, 1, 2);
         g.OnGetDisplText = [](TObject*, int c, int r, String& v) { v += S("@" + std::to_string(c) + std::to_string(r)); };
       },
       u"2,1@21"},
      {"merged record taken from another grid",
       [](TTestGrid& g) {
         TTestGrid other;
         other.MergeCells(1, 1, 2, 2);
         auto props = std::make_unique<TCellProperties>(&g, 2, 2);
         props->Assign(*other.GetCellProperties(2, 2));
         g.SetCellProperties(2, 2, std::move(props));
       },
       u"1,1"},
  };
  for (const auto& c : cases) {
    TTestGrid grid;
    Texts(grid);
    c.Setup(grid);
    EXPECT_EQ(grid.Cells(2, 2), c.Expected) << c.Name;
    EXPECT_EQ(grid.CellView(2, 2), c.Expected) << c.Name;
    for (int r = 0; r < grid.RowCount(); ++r)
      for (int col = 0; col < grid.ColCount(); ++col) EXPECT_EQ(grid.CellView(col, r), grid.Cells(col, r)) << c.Name;
  }
}

TEST(CellView, ASubclassHookIsReadThrough) {
  TUpperingGrid grid;
  Texts(grid);
  EXPECT_EQ(grid.CellView(3, 1), u"[3,1]");
}

TEST(CellView, APlainGridHandsOutTheStoredTextAndAfterASplitAgain) {
  TTestGrid grid;
  Texts(grid);
  EXPECT_EQ(grid.CellView(4, 3).data(), grid.GridCells(4, 3).data()) << "no copy";
  grid.MergeCells(3, 3, 2, 1);
  EXPECT_EQ(grid.CellView(4, 3), u"3,3");
  grid.SplitCells(3, 3);
  EXPECT_EQ(grid.CellView(4, 3).data(), grid.GridCells(4, 3).data());
  EXPECT_THROW(grid.CellView(0, grid.RowCount()), EInvalidGridOperation);
}
