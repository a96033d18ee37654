#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "tests/support/GuiTest.h"

namespace {
struct PagesForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPageControl* Pages = new TPageControl(Form.get());
  std::vector<TTabSheet*> Sheets;
  testsupport::InputDriver Input;
  PagesForm() {
    Pages->SetParent(Form.get());
    for (const char16_t* caption : {u"One", u"Two", u"Three"}) {
      auto* s = new TTabSheet(Form.get());
      s->SetCaption(caption);
      s->SetPageControl(Pages);
      Sheets.push_back(s);
    }
    Form->Show();
  }
};

TEST(PageControl, OnlyTheActivePageShowsAndAHiddenTabKeepsItsPage) {
  PagesForm f;
  EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[0]);
  EXPECT_TRUE(f.Sheets[0]->Visible());
  EXPECT_FALSE(f.Sheets[1]->Visible());
  EXPECT_EQ(f.Sheets[1]->BoundsRect(), f.Pages->DisplayRect());
  EXPECT_GT(f.Sheets[1]->Top(), f.Pages->TabHeight());

  f.Sheets[1]->SetTabVisible(false);
  EXPECT_EQ(f.Sheets[1]->TabIndex(), -1);
  EXPECT_EQ(f.Sheets[2]->TabIndex(), 1);
  EXPECT_EQ(f.Sheets[2]->PageIndex(), 2);
  f.Pages->SetActivePageIndex(1);
  EXPECT_TRUE(f.Sheets[1]->Visible()) << "code may still show a page whose tab is hidden";
  EXPECT_FALSE(f.Sheets[0]->Visible());
}

TEST(PageControl, ClickingATabChangesThePageAndFiresOnChange) {
  PagesForm f;
  f.Sheets[1]->SetTabVisible(false);
  int changes = 0;
  f.Pages->OnChange = [&](TObject*) { ++changes; };
  f.Pages->SetActivePage(f.Sheets[0]);
  EXPECT_EQ(changes, 0) << "a change in code is no user's choice";
  const TRect tab = f.Pages->TabRect(1);
  f.Input.Click(*f.Pages, Point((tab.Left + tab.Right) / 2, (tab.Top + tab.Bottom) / 2));
  EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[2]);
  EXPECT_EQ(changes, 1);

  f.Pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
  const TRect first = f.Pages->TabRect(0);
  f.Input.Click(*f.Pages, Point(first.Left + 3, first.Top + 3));
  EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[2]) << "OnChanging refused";
  EXPECT_EQ(changes, 1);
}

TEST(PageControl, AFreedSheetLeavesItsPageControl) {
  PagesForm f;
  delete f.Sheets[0];
  EXPECT_EQ(f.Pages->PageCount(), 2);
  EXPECT_EQ(f.Pages->ActivePage(), f.Sheets[1]);
}

TEST(TrackBar, PositionStaysInRangeAndEveryChangeIsReported) {
  PagesForm f;
  auto* bar = new TTrackBar(f.Form.get());
  bar->SetParent(f.Form.get());
  std::vector<int> seen;
  bar->OnChange = [&](TObject*) { seen.push_back(bar->Position()); };
  bar->SetMax(20);
  bar->SetPosition(25);
  bar->SetPosition(20);
  f.Input.Key(*bar, VK_LEFT);
  bar->SetMin(30);
  EXPECT_EQ(seen, (std::vector<int>{20, 19, 30}));
  EXPECT_EQ(bar->Max(), 30);
}

TEST(DateTimePicker, DateAndTimeAreTheTwoPartsOfDateTime) {
  PagesForm f;
  auto* picker = new TDateTimePicker(f.Form.get());
  picker->SetParent(f.Form.get());
  int changes = 0;
  picker->OnChange = [&](TObject*) { ++changes; };
  picker->SetDateTime(45000.75);  // 2023-03-15 18:00
  EXPECT_DOUBLE_EQ(picker->Date(), 45000.0);
  EXPECT_DOUBLE_EQ(picker->Time(), 0.75);
  picker->SetTime(0.5);
  EXPECT_DOUBLE_EQ(picker->DateTime(), 45000.5);
  picker->SetDate(45001.9);
  EXPECT_DOUBLE_EQ(picker->DateTime(), 45001.5);
  EXPECT_EQ(changes, 0) << "changes made in code";
  picker->SetKind(dtkTime);
  EXPECT_DOUBLE_EQ(picker->DateTime(), 45001.5);
}
}  // namespace
