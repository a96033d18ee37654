#include <gtest/gtest.h>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Toolkit.h"
#include "tests/support/GuiTest.h"

namespace {
// A dialog with an edit, a memo that wants Escape, and OK (default) and Cancel buttons.
struct Dialog {
  TForm* Form = new TForm(nullptr);
  TEdit* Edit = new TEdit(Form);
  TMemo* Memo = new TMemo(Form);
  TButton* Ok = new TButton(Form);
  TButton* Cancel = new TButton(Form);
  int OkClicks = 0;
  testsupport::InputDriver Input;

  Dialog() {
    for (TControl* c : std::initializer_list<TControl*>{Edit, Memo, Ok, Cancel}) c->SetParent(Form);
    Memo->SetTop(30);
    Memo->OnKeyDown = [](TObject*, WORD& k, TShiftState) {
      if (k == VK_ESCAPE) k = 0;
    };
    Ok->SetTop(150);
    Ok->SetDefault(true);
    Ok->SetModalResult(mrOk);
    Ok->OnClick = [this](TObject*) { ++OkClicks; };
    Cancel->SetTop(180);
    Cancel->SetCancel(true);
    Cancel->SetModalResult(mrCancel);
  }
  ~Dialog() { delete Form; }
};

// The memo wants Escape through its dialog code.
class EscapeMemo : public TMemo {
 public:
  using TMemo::TMemo;
};

TEST(ModalForm, AModalFormAnswersTheModalResultOfTheButtonPressed) {
  Dialog d;
  d.Input.WhenModal([&] { d.Input.Click(*d.Ok); });
  EXPECT_EQ(d.Form->ShowModal(), mrOk);
  EXPECT_EQ(d.OkClicks, 1);
  EXPECT_FALSE(d.Form->Visible());
  d.Input.WhenModal([&] { d.Input.Click(*d.Cancel); });
  EXPECT_EQ(d.Form->ShowModal(), mrCancel);
}

TEST(ModalForm, EnterPressesTheDefaultButton) {
  Dialog d;
  d.Form->SetActiveControl(d.Edit);
  d.Input.WhenModal([&] { d.Input.Key(VK_RETURN); });
  EXPECT_EQ(d.Form->ShowModal(), mrOk);
  EXPECT_EQ(d.OkClicks, 1);
}

TEST(ModalForm, EscapeInAControlThatWantsItDoesNotCloseTheForm) {
  Dialog d;
  d.Form->SetActiveControl(d.Memo);
  bool stillOpen = false;
  d.Input.WhenModal([&] {
    d.Input.Key(VK_ESCAPE);
    d.Input.Key(VK_RETURN);  // a memo wants Enter too: a new line, not OK
  });
  d.Input.WhenModal([&] {
    stillOpen = d.Form->Visible() && d.Form->ModalResult() == mrNone;
    d.Input.Key(*d.Edit, VK_ESCAPE);
  });
  EXPECT_EQ(d.Form->ShowModal(), mrCancel);
  EXPECT_TRUE(stillOpen);
  EXPECT_EQ(d.OkClicks, 0);
}

TEST(ModalForm, EscapeElsewhereCancels) {
  Dialog d;
  d.Form->SetActiveControl(d.Edit);
  d.Input.WhenModal([&] { d.Input.Key(VK_ESCAPE); });
  EXPECT_EQ(d.Form->ShowModal(), mrCancel);
}

TEST(ModalForm, CloseQueryCanKeepTheFormOpenAndOnCloseSeesTheResult) {
  Dialog d;
  int asked = 0;
  d.Form->OnCloseQuery = [&](TObject*, bool& can) { can = ++asked > 1; };
  TModalResult seen = mrNone;
  d.Form->OnClose = [&](TObject* s, TCloseAction&) { seen = static_cast<TForm*>(s)->ModalResult(); };
  d.Input.WhenModal([&] { d.Input.Click(*d.Ok); });
  d.Input.WhenModal([&] { d.Input.Click(*d.Ok); });
  EXPECT_EQ(d.Form->ShowModal(), mrOk);
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(seen, mrOk);
}

TEST(ModalForm, OnShowAndActiveControlAreThereWhenTheLoopRuns) {
  Dialog d;
  bool shown = false;
  d.Form->OnShow = [&](TObject*) { shown = true; };
  d.Form->SetActiveControl(d.Memo);
  d.Input.WhenModal([&] {
    EXPECT_TRUE(shown);
    EXPECT_TRUE(d.Memo->Focused());
    d.Form->Close();
  });
  EXPECT_EQ(d.Form->ShowModal(), mrCancel);
}

TEST(ModalForm, PositionScreenCenterAndClientSize) {
  Dialog d;
  d.Form->SetBorderStyle(bsDialog);
  d.Form->SetClientWidth(400);
  d.Form->SetClientHeight(300);
  d.Form->SetPosition(poScreenCenter);
  d.Input.WhenModal([&] { d.Form->Close(); });
  d.Form->ShowModal();
  EXPECT_EQ(d.Form->ClientWidth(), 400);
  EXPECT_EQ(d.Form->ClientHeight(), 300);
  EXPECT_EQ(d.Form->Left(), (Screen->Width() - d.Form->Width()) / 2);
  EXPECT_EQ(d.Form->Top(), (Screen->Height() - d.Form->Height()) / 2);
}

// A tall window centred on a laptop's display keeps its bottom buttons on it.
TEST(ModalForm, CentringFollowsTheDisplaysSize) {
  int Width = 0, Height = 0;
  Screen->PinSize(0, 0);
  if (platform::PrimaryScreenSize(Width, Height)) {
    EXPECT_EQ(Screen->Width(), Width);
    EXPECT_EQ(Screen->Height(), Height);
  }
  Screen->PinSize(1366, 768);
  Dialog d;
  d.Form->SetClientHeight(640);
  d.Form->SetPosition(poScreenCenter);
  d.Input.WhenModal([&] { d.Form->Close(); });
  d.Form->ShowModal();
  Screen->PinSize(1920, 1080);
  EXPECT_LE(d.Form->Top() + d.Form->Height(), 768);
}
}  // namespace

namespace {
TEST(ModalForm, AFormOpenedFromAButtonClickGetsTheMouse) {
  Dialog d;
  TForm opener(nullptr);
  auto* open = new TButton(&opener);
  open->SetParent(&opener);
  opener.Show();
  open->OnClick = [&](TObject*) { d.Form->ShowModal(); };
  d.Input.WhenModal([&] { d.Input.Click(*d.Ok); });
  d.Input.Click(*open);
  EXPECT_EQ(d.OkClicks, 1);
  EXPECT_EQ(GetCaptureControl(), nullptr);
}

// As a disabled window: the form behind a modal one takes no click, key or
// close request until the modal loop ends, so it cannot start a second step.
TEST(ModalForm, TheWindowBehindAModalFormTakesNoInputUntilItCloses) {
  Dialog d;
  TForm behind(nullptr);
  auto* step = new TButton(&behind);
  step->SetParent(&behind);
  int Steps = 0;
  step->OnClick = [&](TObject*) { ++Steps; };
  behind.Show();
  d.Input.WhenModal([&] {
    d.Input.Click(*step);
    d.Input.Key(*step, VK_SPACE);
    behind.Perform(WM_CLOSE, 0, 0);
    d.Input.Click(*d.Ok);
  });
  EXPECT_EQ(d.Form->ShowModal(), mrOk);
  EXPECT_EQ(Steps, 0);
  EXPECT_TRUE(behind.Visible());
  d.Input.Click(*step);
  EXPECT_EQ(Steps, 1);
}
}  // namespace
