// The search footer's highlighting of hits in the cells, as a user types in
// its edit and presses its highlight button.
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SearchPanel.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct HighlightingFooter {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvStringGrid* Grid = new TAdvStringGrid(Form.get());
  testsupport::SystemInputDriver Input;

  HighlightingFooter() {
    Form->SetBounds(40, 40, 600, 360);
    Grid->SetParent(Form.get());
    Grid->SetBounds(10, 10, 560, 300);
    Grid->SetColCount(3);
    Grid->SetRowCount(4);
    Grid->SetCells(1, 1, u"Banana & co");
    Grid->SetCells(2, 1, u"1 &lt; 2");
    Grid->SetCells(1, 2, u"cherry");
    Grid->SetCells(2, 3, u"an <b>");
    Grid->SetCells(1, 0, u"banana");
    Grid->SearchFooter()->SetVisible(true);
    Form->Show();
    Input.Pump();
    Input.Click(*Grid->SearchPanel()->HiliteButton());
    Input.Click(*Grid->SearchPanel()->Edit());
  }
  String Texts() {
    String out;
    for (int r = 0; r < 4; ++r)
      for (int c = 1; c < 3; ++c) out += Grid->Cells(c, r) + u"|";
    return out;
  }
};

TEST(SearchFooterHighlight, TypingHighlightsTheHitsAndTheButtonTakesThemOff) {
  HighlightingFooter f;
  const String original = f.Texts();
  ASSERT_TRUE(f.Grid->SearchPanel()->HiliteButton()->Down());
  f.Input.Type(u"an");
  EXPECT_EQ(f.Grid->Cells(1, 1), u"B<hi>an</hi><hi>an</hi>a &amp; co");
  EXPECT_EQ(f.Grid->Cells(2, 3), u"<hi>an</hi> &lt;b&gt;");
  EXPECT_EQ(f.Grid->Cells(1, 0), u"banana") << "fixed cells are not searched";
  EXPECT_EQ(f.Grid->Cells(2, 1), u"1 &lt; 2");
  f.Input.Type(u"a");
  EXPECT_EQ(f.Grid->Cells(1, 1), u"B<hi>ana</hi>na &amp; co") << "the former hits come off first";
  EXPECT_EQ(f.Grid->Cells(2, 3), u"an <b>");
  f.Input.Click(*f.Grid->SearchPanel()->HiliteButton());
  EXPECT_FALSE(f.Grid->SearchPanel()->HiliteButton()->Down());
  EXPECT_EQ(f.Texts(), original);
}

TEST(SearchFooterHighlight, ASearchColumnLimitsTheHighlights) {
  HighlightingFooter f;
  f.Grid->SearchFooter()->SetSearchColumn(2);
  const String original = f.Texts();
  f.Input.Type(u"an");
  EXPECT_EQ(f.Grid->Cells(1, 1), u"Banana & co");
  EXPECT_EQ(f.Grid->Cells(2, 3), u"<hi>an</hi> &lt;b&gt;");
  f.Input.Key(VK_BACK);
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Texts(), original) << "an empty search text takes the highlights off";
}

}  // namespace
