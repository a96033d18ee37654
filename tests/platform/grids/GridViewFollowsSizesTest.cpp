// The grid window works its view out again only when it is next read after
// size changes: every reader must still see the view the changes made.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/grids/Grids.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/TempDir.h"

namespace {

// One size change: a row height, or a column width.
struct TSizeStep {
  bool Row;
  int Index;
  int Size;
};
using TSizeSteps = std::vector<TSizeStep>;

class TCountingGrid : public TStringGrid {
 public:
  using TStringGrid::TStringGrid;
  void Invalidate() override {
    ++Repaints;
    TStringGrid::Invalidate();
  }
  int Repaints = 0;
};

// A shown form; each grid on it has 6 x 20 cells of 64 x 24 px with 1 px
// lines, both bars, and is scrolled to its last row and column.
class GridViewFollowsSizes : public ::testing::Test {
 protected:
  void SetUp() override {
    Form->SetBounds(0, 0, 700, 300);
    Form->Show();
  }
  void TearDown() override { delete Form; }

  template <class Grid = TStringGrid>
  Grid& NewGrid() {
    auto* g = new Grid(Form);
    g->SetParent(Form);
    g->SetBounds(10, 10, 300, 200);
    g->SetColCount(6);
    g->SetRowCount(20);
    g->Perform(WM_VSCROLL, SB_BOTTOM);
    g->Perform(WM_HSCROLL, SB_BOTTOM);
    return *g;
  }

  TForm* Form = new TForm(nullptr);
};

// Each step on the grid; Read after each when given.
void Apply(TStringGrid& g, const TSizeSteps& steps, const std::function<void()>& Read = nullptr) {
  for (const TSizeStep& s : steps) {
    if (s.Row)
      g.SetRowHeights(s.Index, s.Size);
    else
      g.SetColWidths(s.Index, s.Size);
    if (Read) Read();
  }
}

TSizeSteps Steps(bool Row, int From, int To, int Size) {
  TSizeSteps steps;
  for (int i = From; i < To; ++i) steps.push_back(TSizeStep{Row, i, Size});
  return steps;
}

TEST_F(GridViewFollowsSizes, EachReaderRightAfterManyChangesAnswersAsIfTheViewFollowedEachOne) {
  TSizeSteps grown{{true, 0, 90}};
  for (int r = 10; r < 20; ++r) grown.push_back(TSizeStep{true, r, 30 + r});
  const std::pair<const char*, TSizeSteps> changes[] = {
      {"rows hidden until all fit", Steps(true, 1, 18, -1)},
      {"columns hidden until all fit", Steps(false, 1, 5, -1)},
      {"columns narrowed until all fit", Steps(false, 1, 5, 10)},
      {"the fixed row and the last rows grown", grown},
  };
  const std::pair<const char*, std::function<int(const TStringGrid&)>> readers[] = {
      {"TopRow", [](const TStringGrid& g) { return g.TopRow(); }},
      {"LeftCol", [](const TStringGrid& g) { return g.LeftCol(); }},
      {"ViewWidth", [](const TStringGrid& g) { return g.ViewWidth(); }},
      {"ViewHeight", [](const TStringGrid& g) { return g.ViewHeight(); }},
      {"vertical bar", [](const TStringGrid& g) { return int{g.ScrollBarShown(true)}; }},
      {"horizontal bar", [](const TStringGrid& g) { return int{g.ScrollBarShown(false)}; }},
      {"VisibleRowCount", [](const TStringGrid& g) { return g.VisibleRowCount(); }},
      {"LastVisibleCol", [](const TStringGrid& g) { return g.LastVisibleCol(); }},
      {"MaxTopRow", [](const TStringGrid& g) { return g.MaxTopRow(); }},
      {"vertical thumb", [](const TStringGrid& g) { return g.ScrollThumb(true); }},
      {"vertical bar's position", [](const TStringGrid& g) { return g.GetScrollPos(SB_VERT); }},
      {"ClientWidth", [](const TStringGrid& g) { return g.ClientWidth(); }},
      {"CellRect", [](const TStringGrid& g) { TRect r = g.CellRect(5, 19); return r.Top * 1000 + r.Left; }},
      {"MouseCoord", [](const TStringGrid& g) { TGridCoord c = g.MouseCoord(100, 195); return c.Y * 100 + c.X; }},
  };
  for (const auto& [change, steps] : changes) {
    TStringGrid& reference = NewGrid();
    Apply(reference, steps, [&] { (void)reference.TopRow(); });
    for (const auto& [name, read] : readers) {
      TStringGrid& g = NewGrid();
      Apply(g, steps);
      EXPECT_EQ(read(reference), read(g)) << change << ": " << name;
    }
  }
}

// Many changes ask for one repaint; the picture then shows them all, and the
// first change after it asks again.
TEST_F(GridViewFollowsSizes, ManyChangesAskForOneRepaintThatShowsThemAll) {
  testsupport::TempDir dir;
  auto& g = NewGrid<TCountingGrid>();
  const int before = g.Repaints;
  Apply(g, Steps(true, 1, 18, -1));
  EXPECT_EQ(before + 1, g.Repaints);
  const auto file = dir / "grid.png";
  ASSERT_TRUE(platform::RenderToPng(g, Utf8ToString(file.string())));
  TPngImage png;
  png.LoadFromFile(Utf8ToString(file.string()));
  const int barX = g.ClientWidth() - 8, barY = g.ClientHeight() / 2;
  EXPECT_FALSE(g.ScrollBarShown(true));
  EXPECT_NE(ColorToRGB(clScrollBar), png.Bitmap().Pixels().Pixel(barX, barY)) << "the vertical bar is gone";
  const int painted = g.Repaints;
  g.SetRowHeights(1, 24);
  EXPECT_EQ(painted + 1, g.Repaints) << "a change after the paint asks again";
}

// The editor is a window of its own: it must not wait for the grid's view to be read.
TEST_F(GridViewFollowsSizes, AShownEditorFollowsItsCellAtOnce) {
  auto& g = NewGrid();
  g.SetOptions(g.Options() + TGridOptions{goEditing, goAlwaysShowEditor});
  g.FocusCell(5, 10, true);  // row 10 scrolls to the top
  ASSERT_TRUE(g.InplaceEditor() && g.InplaceEditor()->Visible());
  g.SetRowHeights(10, 40);
  const TRect editor = g.InplaceEditor()->BoundsRect();
  EXPECT_EQ(g.CellRect(5, 10), editor);
  EXPECT_EQ(40, editor.Height());
}

}  // namespace
