// The drop-down edit's open and close cycle as a user meets it: keys and
// clicks go through the window system's path (SystemInputDriver), the
// pop-up is a real top-level window, the clock is virtual.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using Log = std::vector<std::string>;

// A drop-down that logs its steps and events.
class TLoggedDropDown : public TAdvCustomDropDown {
 public:
  TLoggedDropDown(TComponent* AOwner, Log& L) : TAdvCustomDropDown(AOwner), FLog(L) {
    OnBeforeDropDown = [this](TObject*) { FLog.push_back("OnBeforeDropDown"); };
    OnDropDown = [this](TObject*, bool& Accept) {
      FLog.push_back("OnDropDown");
      Accept = AcceptDrop;
    };
    OnBeforeDropUp = [this](TObject*) { FLog.push_back("OnBeforeDropUp"); };
    OnDropUp = [this](TObject*, bool Cancelled) { FLog.push_back(Cancelled ? "OnDropUp cancelled" : "OnDropUp"); };
  }
  bool AcceptDrop = true;
  int Sizings = 0;

 protected:
  void DoAfterDropUp() override {
    FLog.push_back("DoAfterDropUp");
    TAdvCustomDropDown::DoAfterDropUp();
  }
  void DoDropDownSizing() override { ++Sizings; }

 private:
  Log& FLog;
};

// A form that logs the keys that reach it.
class TKeyForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<WPARAM> KeysDown;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_KEYDOWN) KeysDown.push_back(Message.WParam);
    TForm::WndProc(Message);
  }
};

struct DropDownFixture {
  Log Events;
  std::unique_ptr<TKeyForm> Form = std::make_unique<TKeyForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TLoggedDropDown* Drop = new TLoggedDropDown(Form.get(), Events);
  TEdit* Inner = new TEdit(Drop);  // the editor's content, focused in the pop-up
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;

  DropDownFixture() {
    Screen->PinSize(1366, 768);
    Form->SetBounds(40, 40, 400, 200);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 10, 100, 24);
    Other->SetTabStop(true);
    Drop->SetParent(Form.get());
    Drop->SetBounds(10, 50, 200, 24);
    Drop->SetTabStop(true);
    Inner->SetBounds(0, 0, 150, 60);
    Inner->SetTabStop(true);
    Drop->SetControl(Inner);
    Drop->SetFocusControl(Inner);
    // The pop-up alone: the strips have tests of their own.
    Drop->DropDownHeader()->SetVisible(false);
    Drop->DropDownFooter()->SetVisible(false);
    Drop->SetText(u"old");
    Form->Show();
    Other->SetFocus();
    Input.Pump();
    // Far from any earlier deactivation of another test's pop-up.
    Clock.Advance(1000);
  }
  ~DropDownFixture() { Screen->PinSize(0, 0); }
  TDropDownForm& Popup() const { return *Drop->DropDownForm(); }
  bool Open() const { return Drop->DropDownForm() && Popup().Visible(); }
  TControl& DropButton() const { return *Drop->Button()->Button(); }
  void FocusDrop() {
    Drop->SetFocus();
    Input.Pump();
    ASSERT_TRUE(Drop->Focused());
  }
  // Opens by the button; the editor then shows a value of its own.
  void OpenWithNewValue() {
    Input.Click(DropButton());
    ASSERT_TRUE(Open());
    Drop->SetPlainText(u"new");
    Events.clear();
  }
};

// No pop-up of any drop-down is left on the screen.
bool NoPopupShown() {
  for (int i = 0; i < Screen->FormCount(); ++i)
    if (dynamic_cast<TDropDownForm*>(Screen->Forms(i)) && Screen->Forms(i)->Visible()) return false;
  return true;
}

TEST(DropDownRealInput, TheButtonOpensATopLevelPopupOverTheEditsLastPixel) {
  DropDownFixture f;
  f.Input.Click(f.DropButton());
  ASSERT_TRUE(f.Open());
  EXPECT_TRUE(f.Drop->DroppedDown());
  const TPoint edit = f.Form->ClientToScreen(Point(f.Drop->Left(), f.Drop->Top()));
  EXPECT_EQ(f.Popup().Left(), edit.X);
  EXPECT_EQ(f.Popup().Top(), edit.Y + f.Drop->Height() - 1);
  EXPECT_EQ(f.Popup().Width(), 150) << "the content's width";
  EXPECT_EQ(f.Popup().Height(), 62) << "the content and the border";
  EXPECT_EQ(f.Popup().Parent(), nullptr);
  EXPECT_EQ(GetParent(f.Popup().Handle()), f.Form->Handle()) << "owned by the edit's form";
  EXPECT_EQ(Screen->ActiveForm(), &f.Popup());
  EXPECT_TRUE(f.Inner->Focused());
  EXPECT_TRUE(f.Form->CaptionActive()) << "the owner's caption stays active";
  EXPECT_EQ(f.Events, (Log{"OnBeforeDropDown", "OnDropDown"}));
}

TEST(DropDownRealInput, KeysAndAClickOnAnEditThatTakesNoTypingOpen) {
  const struct {
    std::string Name;
    WORD Key;
    TShiftState Shift;
    bool EditorEnabled;
  } cases[] = {
      {"Alt+Down", VK_DOWN, {ssAlt}, true},
      {"Alt+Up", VK_UP, {ssAlt}, true},
      {"F4", VK_F4, {}, true},
      {"F4 with the editor disabled", VK_F4, {}, false},
      {"a click with the editor disabled", 0, {}, false},
  };
  for (const auto& c : cases) {
    DropDownFixture f;
    f.Drop->SetEditorEnabled(c.EditorEnabled);
    if (c.Key) {
      f.FocusDrop();
      f.Input.Key(c.Key, c.Shift);
    } else {
      f.Input.Click(*f.Drop, Point(20, 10));
    }
    EXPECT_TRUE(f.Open()) << c.Name;
    EXPECT_TRUE(f.Inner->Focused()) << c.Name;
    EXPECT_EQ(f.Events, (Log{"OnBeforeDropDown", "OnDropDown"})) << c.Name << ": opened once";
  }
}

TEST(DropDownRealInput, ReturnF4AndAltDownKeepTheValueEscapeRestoresIt) {
  const struct {
    std::string Name;
    WORD Key;
    TShiftState Shift;
    String Value;
    Log Events;
  } cases[] = {
      {"Return", VK_RETURN, {}, u"new", {"OnBeforeDropUp", "DoAfterDropUp", "OnDropUp"}},
      {"F4", VK_F4, {}, u"new", {"OnBeforeDropUp", "DoAfterDropUp", "OnDropUp"}},
      {"Alt+Down", VK_DOWN, {ssAlt}, u"new", {"OnBeforeDropUp", "DoAfterDropUp", "OnDropUp"}},
      {"Escape", VK_ESCAPE, {}, u"old", {"OnBeforeDropUp", "DoAfterDropUp", "OnDropUp cancelled"}},
  };
  for (const auto& c : cases) {
    DropDownFixture f;
    f.OpenWithNewValue();
    f.Input.Key(c.Key, c.Shift);
    EXPECT_FALSE(f.Open()) << c.Name;
    EXPECT_FALSE(f.Drop->DroppedDown()) << c.Name;
    EXPECT_EQ(f.Drop->Text(), c.Value) << c.Name;
    EXPECT_EQ(f.Events, c.Events) << c.Name;
    EXPECT_TRUE(f.Drop->Focused()) << c.Name << ": the edit has the focus back";
    EXPECT_EQ(Screen->ActiveForm(), f.Form.get()) << c.Name;
  }
}

TEST(DropDownRealInput, AClickElsewhereCancelsUnlessTheEditorCommitsOnDeactivation) {
  for (const bool cancel : {true, false}) {
    DropDownFixture f;
    f.Popup().CancelOnDeActivate = cancel;
    f.OpenWithNewValue();
    f.Input.Click(*f.Other);
    EXPECT_FALSE(f.Open());
    EXPECT_EQ(f.Drop->Text(), cancel ? u"old" : u"new");
    EXPECT_EQ(Screen->ActiveForm(), f.Form.get());
  }
  DropDownFixture f;
  f.OpenWithNewValue();
  TForm another(nullptr);
  another.SetBounds(600, 300, 200, 120);
  another.Show();
  f.Input.Pump();
  EXPECT_FALSE(f.Open()) << "another form took the activation";
  EXPECT_EQ(f.Drop->Text(), u"old");
}

TEST(DropDownRealInput, AClickInsideThePopupLeavesItOpen) {
  DropDownFixture f;
  f.OpenWithNewValue();
  f.Input.Click(*f.Inner);
  f.Input.Click(f.Popup(), Point(f.Popup().Width() - 2, f.Popup().Height() - 2));
  EXPECT_TRUE(f.Open());
  EXPECT_TRUE(f.Events.empty());
}

TEST(DropDownRealInput, TheButtonClosesAnOpenPopupAndOpensItAgainOnlyAfter250Ms) {
  DropDownFixture f;
  f.OpenWithNewValue();
  f.Input.Click(f.DropButton());
  EXPECT_FALSE(f.Open()) << "the deactivation closed it and the same click did not reopen it";
  EXPECT_EQ(f.Drop->Text(), u"old");
  EXPECT_EQ(f.Events, (Log{"OnBeforeDropUp", "DoAfterDropUp", "OnDropUp cancelled"}));
  f.Clock.Advance(250);
  f.Input.Click(f.DropButton());
  EXPECT_FALSE(f.Open());
  f.Clock.Advance(1);
  f.Input.Click(f.DropButton());
  EXPECT_TRUE(f.Open());
}

TEST(DropDownRealInput, OnDropDownRefusesAfterThePopupWasSizedAndPlaced) {
  DropDownFixture f;
  f.Drop->AcceptDrop = false;
  f.Input.Click(f.DropButton());
  EXPECT_FALSE(f.Open());
  EXPECT_FALSE(f.Drop->DroppedDown());
  EXPECT_EQ(f.Events, (Log{"OnBeforeDropDown", "OnDropDown"}));
  EXPECT_EQ(f.Popup().Width(), 150);
  EXPECT_EQ(f.Popup().Top(), f.Form->ClientToScreen(Point(0, f.Drop->Top())).Y + f.Drop->Height() - 1);
}

TEST(DropDownRealInput, NoPopupIsLeftBehind) {
  const struct {
    std::string Name;
    void (*Act)(DropDownFixture&);
  } cases[] = {
      {"the edit hidden", [](DropDownFixture& f) { f.Drop->Hide(); }},
      {"the edit disabled", [](DropDownFixture& f) { f.Drop->SetEnabled(false); }},
      {"the edit made read-only", [](DropDownFixture& f) { f.Drop->SetReadOnly(true); }},
      {"the edit taken from its form", [](DropDownFixture& f) { f.Drop->SetParent(nullptr); }},
      {"its form closed", [](DropDownFixture& f) { f.Form->Close(); }},
  };
  for (const auto& c : cases) {
    DropDownFixture f;
    f.OpenWithNewValue();
    c.Act(f);
    f.Input.Pump();
    EXPECT_TRUE(NoPopupShown()) << c.Name;
    EXPECT_FALSE(f.Drop->DroppedDown()) << c.Name;
    EXPECT_EQ(f.Drop->Text(), u"old") << c.Name << ": closed as a deactivation closes it";
    ASSERT_FALSE(f.Events.empty()) << c.Name;
    EXPECT_EQ(f.Events.back(), "OnDropUp cancelled") << c.Name;
  }
}

TEST(DropDownRealInput, DestroyedWhileOpenItClosesWithoutAWord) {
  DropDownFixture f;
  f.OpenWithNewValue();
  delete f.Drop;
  f.Input.Pump();
  EXPECT_TRUE(NoPopupShown());
  EXPECT_TRUE(f.Events.empty());
  EXPECT_EQ(Screen->ActiveForm(), f.Form.get());
}

TEST(DropDownRealInput, AHandlerMayFreeTheDropDownWhileItCloses) {
  DropDownFixture f;
  f.OpenWithNewValue();
  f.Drop->OnBeforeDropUp = [&](TObject*) { delete f.Drop; };
  f.Input.Key(VK_ESCAPE);
  f.Input.Pump();
  EXPECT_TRUE(NoPopupShown());
}

TEST(DropDownRealInput, ClosedEscapeGoesToTheParentOpenTheEditClaimsIt) {
  DropDownFixture f;
  f.FocusDrop();
  f.Input.Key(VK_ESCAPE);
  f.Input.Pump();
  EXPECT_EQ(f.Form->KeysDown, std::vector<WPARAM>{VK_ESCAPE}) << "DefaultHandling passes it on";
  EXPECT_EQ(f.Drop->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 0);
  f.Input.Click(f.DropButton());
  ASSERT_TRUE(f.Drop->DroppedDown());
  EXPECT_EQ(f.Drop->Perform(CM_WANTSPECIALKEY, VK_ESCAPE), 1) << "the form's cancel key does not take it";
}

TEST(DropDownRealInput, ReturnGoesToTheParentWithoutDefaultHandling) {
  DropDownFixture f;
  f.Drop->SetDefaultHandling(false);
  f.FocusDrop();
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_EQ(f.Form->KeysDown, std::vector<WPARAM>{VK_RETURN});
  EXPECT_FALSE(f.Open());
}

TEST(DropDownRealInput, ADisabledEditorSwallowsTypingAReadOnlyEditNeverOpens) {
  DropDownFixture f;
  f.Drop->SetEditorEnabled(false);
  f.Input.Key(VK_TAB);
  ASSERT_TRUE(f.Drop->Focused());
  f.Input.Type(u"abc");
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Drop->Text(), u"old");
  EXPECT_FALSE(f.Open());

  f.Drop->SetEditorEnabled(true);
  f.Drop->SetReadOnly(true);
  f.Input.Key(VK_F4);
  f.Input.Key(VK_DOWN, {ssAlt});
  f.Input.Click(f.DropButton());
  EXPECT_FALSE(f.Open());
  EXPECT_TRUE(f.Events.empty());
}

TEST(DropDownRealInput, ReturnIsTabMovesOn) {
  DropDownFixture f;
  f.Drop->SetReturnIsTab(true);
  f.FocusDrop();
  f.Input.Key(VK_RETURN);
  f.Input.Pump();
  EXPECT_TRUE(f.Other->Focused());
  EXPECT_FALSE(f.Open());
}

TEST(DropDownRealInput, TheCornerSizesThePopupNeverBelow80By50AndTheSizeIsKept) {
  DropDownFixture f;
  f.Popup().Sizeable = true;
  f.Input.Click(f.DropButton());
  ASSERT_TRUE(f.Open());
  TDropDownForm& p = f.Popup();
  const TRect start = p.BoundsRect();
  // The content covers the rest of the corner; the border's last pixel is the form's own.
  const TPoint grip = Point(start.Width() - 1, start.Height() - 1);
  f.Input.MouseDown(p, grip);
  f.Input.MouseMove(p, Point(grip.X + 40, grip.Y + 30));
  EXPECT_EQ(p.BoundsRect(), Rect(start.Left, start.Top, start.Right + 40, start.Bottom + 30));
  f.Input.MouseMove(p, Point(grip.X - 140, grip.Y - 40));
  EXPECT_EQ(p.Width(), 80);
  EXPECT_EQ(p.Height(), 50);
  f.Input.MouseUp(p, Point(grip.X - 140, grip.Y - 40));
  EXPECT_GT(f.Drop->Sizings, 0);
  f.Input.Key(VK_RETURN);
  ASSERT_FALSE(f.Open());
  EXPECT_EQ(f.Drop->UserDropDownSize(), (TSize{80, 50}));
  f.Clock.Advance(300);
  f.Input.Click(f.DropButton());
  EXPECT_EQ(p.Width(), 80) << "the user's size again";
  f.Input.Key(VK_ESCAPE);
  f.Drop->SetDropDownHeight(120);
  f.Clock.Advance(300);
  f.Input.Click(f.DropButton());
  EXPECT_EQ(p.Height(), 120) << "a new DropDownHeight forgets the user's height";
  EXPECT_EQ(p.Width(), 80) << "but not the width";
}

TEST(DropDownRealInput, AtTheRightEdgeOfThePinnedScreenThePopupMovesLeft) {
  DropDownFixture f;
  f.Form->SetBounds(1366 - 260, 100, 250, 150);
  f.Drop->SetDropDownWidth(300);
  f.Input.Pump();
  f.Input.Click(f.DropButton());
  ASSERT_TRUE(f.Open());
  EXPECT_EQ(f.Popup().BoundsRect().Right, 1366);
  EXPECT_EQ(f.Popup().Width(), 300);
}

TEST(DropDownRealInput, SeveralDropDownsOneOpenAsAPicture) {
  DropDownFixture f;
  TAdvCustomDropDown* flat = new TAdvCustomDropDown(f.Form.get());
  flat->SetParent(f.Form.get());
  flat->SetBounds(230, 50, 150, 24);
  flat->SetFlat(true);
  flat->SetText(u"flat");
  TAdvCustomDropDown* coloured = new TAdvCustomDropDown(f.Form.get());
  coloured->SetParent(f.Form.get());
  coloured->SetBounds(230, 90, 150, 24);
  coloured->SetBorderColor(clNavy);
  coloured->Button()->Colors() = {.Color = 0xF5D8CA, .ColorHot = 0xF9BDA0, .ColorDown = 0xE0A080,
                                  .BorderColor = clNavy, .TextColor = clNavy};
  coloured->SetText(u"coloured");
  f.Drop->SetDropDownColorTo(0xF5D8CA);
  f.Drop->SetDropDownGradient(gdVertical);
  f.Drop->SetDropDownBorderColor(clNavy);
  f.Input.Pump();
  f.Drop->ShowDropDown();
  ASSERT_TRUE(f.Open());
  f.Inner->SetText(u"content");
  const TPixelBuffer form = testsupport::RenderSnapshot(*f.Form, "dropdown-form.png");
  const TPixelBuffer popup = testsupport::RenderSnapshot(f.Popup(), "dropdown-popup.png");
  EXPECT_GT(form.Width, 0);
  ASSERT_GT(popup.Width, 0);
  EXPECT_EQ(popup.Width, 150);
}

}  // namespace
