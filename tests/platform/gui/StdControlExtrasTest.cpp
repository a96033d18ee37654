// List boxes drawn and measured by their owner, check list boxes, panel
// frames, track bar steps and the scroll box, driven where a user meets
// them: through the window system's input.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Bitmap.h"
#include "platform/gui/CheckLst.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ScrollBox.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/SystemMetrics.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/TempDir.h"

namespace {

struct ShownForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  testsupport::SystemInputDriver Input;
  ShownForm() { Form->SetBounds(40, 40, 400, 300); }
  template <class C>
  C* Add(int Left, int Top, int Width, int Height) {
    auto* c = new C(Form.get());
    c->SetParent(Form.get());
    c->SetBounds(Left, Top, Width, Height);
    return c;
  }
  void Show() {
    Form->Show();
    Input.Pump();
  }
};

TEST(OwnerDrawList, EntriesHaveTheItemHeightAndAreDrawnByTheirOwner) {
  ShownForm f;
  auto* list = f.Add<TListBox>(10, 10, 150, 200);
  list->Items().Assign({u"alpha", u"beta", u"gamma"});
  list->SetStyle(lbOwnerDrawFixed);
  list->SetItemHeight(30);
  std::vector<std::string> drawn;
  list->OnDrawItem = [&](TWinControl*, int Index, const TRect& R, TOwnerDrawState State) {
    drawn.push_back(std::to_string(Index) + (State & odSelected ? "s" : "") + " h" + std::to_string(R.Height()));
    list->Canvas()->FillRect(R);
  };
  f.Show();
  EXPECT_EQ(list->ItemRect(1).Height(), 30);
  EXPECT_EQ(list->ItemRect(1).Top - list->ItemRect(0).Top, 30);
  const TRect second = list->ItemRect(1);
  f.Input.Click(*list, Point(second.Left + 20, second.Top + 15));
  EXPECT_EQ(list->ItemIndex(), 1);
  drawn.clear();
  testsupport::TempDir dir;
  ASSERT_TRUE(platform::RenderToPng(*list, Utf8ToString((dir / "list.png").string())));
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "1s h30"), drawn.end()) << ::testing::PrintToString(drawn);
  EXPECT_NE(std::find(drawn.begin(), drawn.end(), "0 h30"), drawn.end());
}

TEST(OwnerDrawList, VariableHeightsComeFromOnMeasureItem) {
  ShownForm f;
  auto* list = f.Add<TListBox>(10, 10, 150, 200);
  list->OnMeasureItem = [](TWinControl*, int Index, int& Height) { Height += Index * 10; };
  list->SetItemHeight(20);
  list->SetStyle(lbOwnerDrawVariable);
  list->Items().Assign({u"a", u"b", u"c"});
  f.Show();
  EXPECT_EQ(list->ItemRect(0).Height(), 20);
  EXPECT_EQ(list->ItemRect(2).Height(), 40);
  EXPECT_EQ(list->ItemAtPos(Point(20, list->ItemRect(2).Top + 35), true), 2);
  EXPECT_EQ(list->ItemAtPos(Point(20, 190), true), -1);
  EXPECT_EQ(list->ItemAtPos(Point(20, 190), false), 3);
}

TEST(ListBoxItems, TheEntryUnderAMouseReleaseIsFound) {
  ShownForm f;
  auto* list = f.Add<TListBox>(10, 10, 150, 200);
  list->Items().Assign({u"one", u"two", u"three"});
  std::vector<std::string> log;
  list->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int X, int Y) {
    log.push_back("up " + std::to_string(list->ItemAtPos(Point(X, Y), true)));
  };
  list->OnClick = [&](TObject*) { log.push_back("click " + std::to_string(list->ItemIndex())); };
  f.Show();
  const TRect third = list->ItemRect(2);
  const TPoint at = Point(third.Left + 10, (third.Top + third.Bottom) / 2);
  f.Input.Click(*list, at);
  EXPECT_EQ(log, (std::vector<std::string>{"click 2", "up 2"}));
  log.clear();
  f.Input.Click(*list, Point(20, list->ItemRect(2).Bottom + 20));  // below the last entry
  EXPECT_EQ(log, (std::vector<std::string>{"up -1"}));
}

TEST(CheckListBox, AClickOnTheBoxTogglesItAndTheMarksMoveWithTheirEntries) {
  ShownForm f;
  auto* list = f.Add<TCheckListBox>(10, 10, 150, 200);
  list->Items().Assign({u"a", u"b", u"c"});
  list->SetChecked(2, true);
  int clicks = 0;
  list->OnClickCheck = [&](TObject*) { ++clicks; };
  f.Show();
  EXPECT_EQ(clicks, 0);
  const TRect second = list->ItemRect(1);
  f.Input.Click(*list, Point(second.Left + 10, (second.Top + second.Bottom) / 2));
  EXPECT_TRUE(list->Checked(1));
  EXPECT_EQ(clicks, 1);
  f.Input.Click(*list, Point(second.Left + 10, (second.Top + second.Bottom) / 2));
  EXPECT_FALSE(list->Checked(1));
  EXPECT_EQ(clicks, 2);

  list->Items().Insert(0, u"new");
  EXPECT_FALSE(list->Checked(0));
  EXPECT_TRUE(list->Checked(3));
  list->Items().Delete(1);
  EXPECT_TRUE(list->Checked(2));
  list->Items().Clear();
  list->Items().Add(u"x");
  EXPECT_FALSE(list->Checked(0));
  EXPECT_EQ(clicks, 2);
}

TEST(PanelFrame, BevelsAndBorderWidthFromTheEdgeInwardsAndChildrenInside) {
  ShownForm f;
  auto* panel = f.Add<TPanel>(0, 0, 40, 30);
  panel->SetBevelOuter(bvRaised);
  panel->SetBevelWidth(2);
  panel->SetBorderWidth(3);
  panel->SetBevelInner(bvLowered);
  panel->SetColor(clYellow);
  auto* child = new TPanel(panel);
  child->SetParent(panel);
  child->SetAlign(alClient);
  EXPECT_EQ(child->BoundsRect(), Rect(7, 7, 33, 23));

  TBitmap bmp(40, 30);
  panel->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(bmp.Canvas()), 0);
  panel->Perform(WM_PAINT, reinterpret_cast<WPARAM>(bmp.Canvas()), 0);
  const TColor hi = ColorToRGB(clBtnHighlight), sh = ColorToRGB(clBtnShadow);
  const std::vector<TColor> row = {hi, hi, clYellow, clYellow, clYellow, sh, sh, clYellow};
  for (int x = 0; x < static_cast<int>(row.size()); ++x) EXPECT_EQ(bmp.Canvas()->Pixels(x, 15), row[x]) << x;
  EXPECT_EQ(bmp.Canvas()->Pixels(39, 15), sh);
  EXPECT_EQ(bmp.Canvas()->Pixels(34, 15), hi);  // the inner bevel's lit edge, right
}

TEST(TrackBarSteps, PageKeysMoveByPageSizeAndTicksFollowFrequency) {
  ShownForm f;
  auto* bar = f.Add<TTrackBar>(10, 10, 200, 40);
  bar->SetMax(20);
  bar->SetFrequency(5);
  bar->SetPageSize(4);
  bar->SetPosition(10);
  EXPECT_EQ(bar->Frequency(), 5);
  f.Show();
  bar->SetFocus();
  f.Input.Pump();
  f.Input.Key(VK_NEXT);
  EXPECT_EQ(bar->Position(), 14);
  f.Input.Key(VK_PRIOR);
  f.Input.Key(VK_PRIOR);
  EXPECT_EQ(bar->Position(), 6);
  f.Input.Key(VK_RIGHT);
  EXPECT_EQ(bar->Position(), 7);
}

TEST(ScrollBoxBars, ContentLargerThanTheBoxScrollsByItsOwnBar) {
  ShownForm f;
  auto* box = f.Add<TScrollBox>(10, 10, 200, 100);
  auto* content = new TPanel(box);
  content->SetParent(box);
  content->SetBounds(0, 0, 150, 400);
  box->Realign();
  f.Show();
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_TRUE(box->VertScrollBar().IsScrollBarVisible());
  EXPECT_FALSE(box->HorzScrollBar().IsScrollBarVisible());
  EXPECT_EQ(box->VertScrollBar().Range(), 400);
  EXPECT_EQ(box->ClientWidth(), 200 - bar);

  box->VertScrollBar().SetIncrement(10);
  // The bar's lower arrow, as the user clicks it.
  f.Input.Click(*box, Point(200 - bar / 2, 100 - 4));
  EXPECT_EQ(box->VertScrollBar().Position(), 10);
  EXPECT_EQ(content->Top(), -10);

  box->VertScrollBar().SetPosition(1000);
  EXPECT_EQ(box->VertScrollBar().Position(), 300);
  EXPECT_EQ(content->Top(), -300);
  box->SetBounds(10, 10, 200, 500);  // room for all: the bar goes and the content returns
  EXPECT_FALSE(box->VertScrollBar().IsScrollBarVisible());
  EXPECT_EQ(content->Top(), 0);
  EXPECT_EQ(box->ClientWidth(), 200);
}

}  // namespace
