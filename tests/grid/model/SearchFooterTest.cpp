// The search footer's actions as a user drives them: typing in the search
// panel's edit, stepping to the next and previous hit, highlighting and
// closing. The highlighting in the cells is SearchFooterHighlightTest's;
// here only that the grid asks for it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/base/SearchFooter.h"
#include "grid/model/AdvStringGrid.h"
#include "grid/model/SearchPanel.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/SystemInputDriver.h"

namespace {

class THiliteGrid : public TAdvStringGrid {
 public:
  using TAdvStringGrid::TAdvStringGrid;
  std::vector<std::string> Calls;
  void HilightInGrid(bool, bool DoCase, const String& HiText) override {
    Calls.push_back("grid " + StringToUtf8(HiText) + (DoCase ? " case" : ""));
  }
  void HilightInCol(bool, bool, int Col, const String& HiText) override {
    Calls.push_back("col" + std::to_string(Col) + " " + StringToUtf8(HiText));
  }
  void UnHilightInGrid(bool) override { Calls.push_back("ungrid"); }
  void UnHilightInCol(bool, int Col) override { Calls.push_back("uncol" + std::to_string(Col)); }
};

struct FooterOnAForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  THiliteGrid* Grid = new THiliteGrid(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Actions;

  FooterOnAForm() {
    Form->SetBounds(40, 40, 600, 360);
    Grid->SetParent(Form.get());
    Grid->SetBounds(10, 10, 560, 300);
    Grid->SetColCount(3);
    Grid->SetRowCount(5);
    const char16_t* texts[] = {u"apple", u"banana", u"cherry", u"apple pie"};
    for (int r = 1; r < 5; ++r) Grid->SetCells(1, r, texts[r - 1]);
    Grid->SearchFooter()->SetVisible(true);
    Grid->OnSearchFooterAction = [this](TObject*, const String& V, int C, int R, TSearchAction A) {
      Actions.push_back(std::to_string(A) + StringToUtf8(V) + "@" + std::to_string(C) + "," + std::to_string(R));
    };
    Form->Show();
    Input.Pump();
    Input.Click(Edit());
  }
  TEdit& Edit() { return *Grid->SearchPanel()->Edit(); }
};

TEST(SearchFooter, TypingSearchesAndColoursTheEdit) {
  FooterOnAForm f;
  ASSERT_TRUE(f.Grid->SearchPanel()->Visible());
  ASSERT_TRUE(f.Edit().Focused());
  f.Input.Type(u"zz");
  EXPECT_EQ(f.Edit().Color(), TColor(0x0000FF));
  EXPECT_EQ(f.Grid->SearchCell(), Point(-1, -1));
  f.Input.Key(VK_BACK);
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Edit().Color(), clWindow) << "an empty text";
  f.Input.Type(u"an");
  EXPECT_EQ(f.Edit().Color(), clWindow);
  EXPECT_EQ(f.Grid->SearchCell(), Point(1, 2));
  EXPECT_EQ(f.Grid->Row(), 2);
  EXPECT_EQ(f.Actions.back(), "0an@1,2");
  EXPECT_TRUE(f.Grid->Calls.empty()) << "no highlighting while the button is up";
}

TEST(SearchFooter, NextAndPreviousContinueFromTheLastHit) {
  FooterOnAForm f;
  f.Input.Type(u"ap");
  EXPECT_EQ(f.Grid->SearchCell(), Point(1, 1));
  f.Grid->SearchFooterFindNext();
  EXPECT_EQ(f.Grid->SearchCell(), Point(1, 4));
  EXPECT_EQ(f.Grid->Row(), 4);
  f.Grid->SearchFooterFindPrevious();
  EXPECT_EQ(f.Grid->SearchCell(), Point(1, 1));
  EXPECT_EQ(f.Grid->Row(), 1);
  EXPECT_EQ(f.Actions, (std::vector<std::string>{"0a@1,1", "0ap@1,1", "2ap@1,4", "1ap@1,1"}));
}

TEST(SearchFooter, TheHighlightButtonAsksForHighlights) {
  FooterOnAForm f;
  f.Grid->SearchPanel()->HiliteButton()->SetDown(true);
  f.Input.Type(u"b");
  EXPECT_EQ(f.Grid->Calls, (std::vector<std::string>{"ungrid", "grid b"}));
  f.Grid->Calls.clear();
  f.Grid->SearchPanel()->MatchCase()->SetChecked(true);
  f.Grid->SearchFooter()->SetSearchColumn(1);
  f.Input.Type(u"a");
  EXPECT_EQ(f.Grid->Calls, (std::vector<std::string>{"uncol1", "col1 ba"}));
  f.Grid->Calls.clear();
  f.Grid->SearchPanel()->HiliteButton()->SetDown(false);
  f.Grid->SearchFooterHighlight();
  EXPECT_EQ(f.Grid->Calls, (std::vector<std::string>{"uncol1"}));
}

TEST(SearchFooter, CloseFiresItsEventAndHidesTheFooter) {
  FooterOnAForm f;
  int closed = 0;
  f.Grid->OnSearchFooterClose = [&](TObject*) { ++closed; };
  f.Grid->SearchFooterClose();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(f.Grid->SearchFooter()->Visible());
  EXPECT_FALSE(f.Grid->SearchPanel()->Visible());
}

}  // namespace
