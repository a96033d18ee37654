// Pop-up forms as a drop-down uses them: owned, topmost, closing when the
// activation goes to a window outside them, sized by a corner grip; and
// windows that never take the activation. Input goes through the toolkit.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/WindowStyles.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::SystemInputDriver;

struct Seen {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
};

// A form that records what activation tells it.
class TLoggedForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<Seen> Log;
  bool Saw(UINT Msg, WPARAM W, HWND Other) const {
    return std::ranges::any_of(Log, [&](const Seen& s) {
      return s.Msg == Msg && s.WParam == W && s.LParam == static_cast<LPARAM>(Other);
    });
  }

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_ACTIVATE || Message.Msg == WM_NCACTIVATE)
      Log.push_back({Message.Msg, Message.WParam, Message.LParam});
    TForm::WndProc(Message);
  }
};

// The drop-down's pop-up: keeps its owner's caption active and closes when
// a window outside its owner chain takes the activation.
class TPopup : public TLoggedForm {
 public:
  TPopup(TComponent* AOwner, TCustomForm* Owner) : TLoggedForm(AOwner), FOwner(Owner) { SetBorderStyle(bsNone); }
  bool Sizeable = false;
  std::vector<TRect> Sizing;

 protected:
  void CreateParams(TCreateParams& Params) override {
    Params.Style |= WS_POPUP;
    Params.ExStyle |= WS_EX_TOPMOST;
    Params.WindowClassStyle |= CS_DROPSHADOW;
    Params.WndParent = FOwner ? FOwner->Handle() : 0;
  }
  void WndProc(TMessage& Message) override {
    TLoggedForm::WndProc(Message);
    if (Message.Msg == WM_ACTIVATE) Deactivation(Message);
    if (Message.Msg == WM_NCHITTEST) {
      const TPoint p = ScreenToClient(Point(GetXLParam(Message.LParam), GetYLParam(Message.LParam)));
      const bool corner = p.X >= ClientWidth() - 10 && p.Y >= ClientHeight() - 10;
      Message.Result = Sizeable && corner ? HTBOTTOMRIGHT : HTCLIENT;
    }
    if (Message.Msg == WM_SIZING) {
      auto* r = reinterpret_cast<TRect*>(Message.LParam);
      Sizing.push_back(*r);
      EXPECT_EQ(Message.WParam, WMSZ_BOTTOMRIGHT);
      r->Right = std::clamp<int>(r->Right, r->Left + 80, r->Left + 300);
      r->Bottom = std::max(r->Bottom, r->Top + 50);
    }
  }

 private:
  void Deactivation(const TMessage& Message) {
    if (LoWord(Message.WParam) != WA_INACTIVE) {
      if (FOwner) FOwner->Perform(WM_NCACTIVATE, 1, 0);
      return;
    }
    if (!Visible()) return;
    for (HWND w = static_cast<HWND>(Message.LParam); w; w = GetParent(w))
      if (w == Handle()) return;
    Hide();
  }
  TCustomForm* FOwner;
};

struct PopupFixture {
  std::unique_ptr<TLoggedForm> Main = std::make_unique<TLoggedForm>(nullptr);
  TEdit* Edit = new TEdit(Main.get());
  TButton* Opener = new TButton(Main.get());
  std::unique_ptr<TPopup> Popup = std::make_unique<TPopup>(nullptr, Main.get());
  TButton* Inner = new TButton(Popup.get());
  SystemInputDriver Input;

  PopupFixture() {
    Main->SetBounds(40, 40, 400, 300);
    Edit->SetParent(Main.get());
    Edit->SetBounds(10, 10, 150, 24);
    Opener->SetParent(Main.get());
    Opener->SetBounds(10, 200, 80, 25);
    Popup->SetBounds(60, 100, 200, 150);
    Inner->SetParent(Popup.get());
    Inner->SetBounds(10, 10, 80, 25);
    Main->Show();
    Input.Pump();
  }
  void Open() {
    Main->Log.clear();
    Popup->Show();
    Input.Pump();
  }
};

TEST(PopupForm, OpeningActivatesThePopupWhileItsOwnerKeepsAnActiveCaption) {
  PopupFixture f;
  f.Open();
  EXPECT_EQ(Screen->ActiveForm(), f.Popup.get());
  EXPECT_FALSE(f.Main->Active());
  EXPECT_EQ(GetParent(f.Popup->Handle()), f.Main->Handle());
  EXPECT_EQ(GetActiveWindow(), f.Popup->Handle());
  // The owner is told first that it lost the activation, and to whom.
  ASSERT_GE(f.Main->Log.size(), 3u);
  EXPECT_EQ(f.Main->Log[0].Msg, WM_NCACTIVATE);
  EXPECT_EQ(f.Main->Log[0].WParam, 0u);
  EXPECT_TRUE(f.Main->Saw(WM_ACTIVATE, WA_INACTIVE, f.Popup->Handle()));
  EXPECT_TRUE(f.Popup->Saw(WM_ACTIVATE, WA_ACTIVE, f.Main->Handle()));
  EXPECT_TRUE(f.Main->CaptionActive());
  EXPECT_TRUE(f.Popup->CaptionActive());
}

TEST(PopupForm, ClosesWhenAnotherFormIsActivated) {
  PopupFixture f;
  f.Open();
  TLoggedForm other(nullptr);
  other.SetBounds(500, 40, 200, 100);
  other.Show();
  f.Input.Pump();
  EXPECT_FALSE(f.Popup->Visible());
  EXPECT_TRUE(f.Popup->Saw(WM_ACTIVATE, WA_INACTIVE, other.Handle()));
  EXPECT_EQ(Screen->ActiveForm(), &other);
}

TEST(PopupForm, ClosesWhenTheUserClicksOutsideItAndTheClickActivatesTheOwner) {
  PopupFixture f;
  f.Open();
  int clicks = 0;
  f.Opener->OnClick = [&](TObject*) { ++clicks; };
  f.Input.Click(*f.Opener);
  EXPECT_FALSE(f.Popup->Visible());
  EXPECT_EQ(Screen->ActiveForm(), f.Main.get());
  EXPECT_TRUE(f.Main->Saw(WM_ACTIVATE, WA_CLICKACTIVE, f.Popup->Handle()));
  EXPECT_EQ(clicks, 1);
}

TEST(PopupForm, StaysOpenWhenItsOwnControlsAreClicked) {
  PopupFixture f;
  f.Open();
  int clicks = 0;
  f.Inner->OnClick = [&](TObject*) { ++clicks; };
  f.Input.Click(*f.Inner);
  f.Input.Click(*f.Popup, Point(150, 100));
  EXPECT_TRUE(f.Popup->Visible());
  EXPECT_EQ(Screen->ActiveForm(), f.Popup.get());
  EXPECT_EQ(clicks, 1);
}

TEST(PopupForm, AWindowOwnedByThePopupKeepsItOpenAndClosingGivesTheActivationBack) {
  PopupFixture f;
  f.Open();
  TPopup child(nullptr, f.Popup.get());
  child.SetBounds(300, 100, 100, 80);
  child.Show();
  f.Input.Pump();
  EXPECT_TRUE(f.Popup->Visible());
  EXPECT_EQ(Screen->ActiveForm(), &child);
  child.Hide();
  EXPECT_EQ(Screen->ActiveForm(), f.Popup.get());
  f.Popup->Hide();
  EXPECT_EQ(Screen->ActiveForm(), f.Main.get());
  EXPECT_TRUE(f.Main->Saw(WM_ACTIVATE, WA_ACTIVE, f.Popup->Handle()));
}

TEST(PopupForm, TheCornerGripSizesThroughWmSizingWithinTheHandlersLimits) {
  PopupFixture f;
  f.Popup->Sizeable = true;
  f.Open();
  const TRect start = f.Popup->BoundsRect();
  // The pop-up's top-left stays put, so its client points name the same screen points throughout.
  const TPoint grip = Point(start.Width() - 3, start.Height() - 3);
  const auto moveTo = [&](int dx, int dy) { f.Input.MouseMove(*f.Popup, Point(grip.X + dx, grip.Y + dy)); };
  f.Input.MouseDown(*f.Popup, grip);
  moveTo(40, 30);
  EXPECT_EQ(f.Popup->BoundsRect(), Rect(start.Left, start.Top, start.Right + 40, start.Bottom + 30));
  moveTo(200, 0);  // wider than the handler allows
  EXPECT_EQ(f.Popup->Width(), 300);
  moveTo(-190, -140);  // smaller than the handler allows
  EXPECT_EQ(f.Popup->Width(), 80);
  EXPECT_EQ(f.Popup->Height(), 50);
  ASSERT_EQ(f.Popup->Sizing.size(), 3u);
  EXPECT_EQ(f.Popup->Sizing[1].Right, start.Right + 200);
  f.Input.MouseUp(*f.Popup, Point(grip.X - 190, grip.Y - 140));
  moveTo(10, 10);  // released: the pointer no longer sizes
  EXPECT_EQ(f.Popup->Width(), 80);
  EXPECT_TRUE(f.Popup->Visible());
}

TEST(PopupForm, WithoutTheGripAPressInTheCornerIsAnOrdinaryClick) {
  PopupFixture f;
  f.Open();
  const TRect start = f.Popup->BoundsRect();
  f.Input.MouseDown(*f.Popup, Point(start.Width() - 3, start.Height() - 3));
  f.Input.MouseMove(*f.Popup, Point(start.Width() - 30, start.Height() - 30));
  f.Input.MouseUp(*f.Popup, Point(start.Width() - 30, start.Height() - 30));
  EXPECT_EQ(f.Popup->BoundsRect(), start);
  EXPECT_TRUE(f.Popup->Sizing.empty());
}

// A list that must not take the activation from the form it serves.
class TNoActiveForm : public TLoggedForm {
 public:
  using TLoggedForm::TLoggedForm;

 protected:
  void CreateParams(TCreateParams& Params) override {
    Params.Style = WS_POPUP | WS_BORDER;
    Params.WindowClassStyle |= CS_SAVEBITS;
  }
  void WndProc(TMessage& Message) override {
    TLoggedForm::WndProc(Message);
    if (Message.Msg == WM_MOUSEACTIVATE) Message.Result = MA_NOACTIVATE;
  }
};

TEST(NonActivatingWindow, ShowingAndClickingItLeaveTheActiveFormActive) {
  PopupFixture f;
  f.Edit->SetFocus();
  TNoActiveForm list(nullptr);
  auto* entry = new TButton(&list);
  entry->SetParent(&list);
  entry->SetBounds(5, 5, 100, 25);
  int clicks = 0;
  entry->OnClick = [&](TObject*) { ++clicks; };
  list.SetBounds(500, 300, 150, 120);
  ShowWindow(list.Handle(), SW_SHOWNOACTIVATE);
  f.Input.Pump();
  EXPECT_TRUE(list.Visible());
  EXPECT_EQ(Screen->ActiveForm(), f.Main.get());
  f.Input.Click(*entry);
  EXPECT_EQ(clicks, 1);
  f.Input.Click(list, Point(120, 100));
  EXPECT_EQ(Screen->ActiveForm(), f.Main.get());
  EXPECT_TRUE(f.Main->CaptionActive());
  EXPECT_TRUE(list.Log.empty());
  EXPECT_TRUE(f.Edit->Focused() || f.Main->ActiveControl() == f.Edit);
}

TEST(NonActivatingWindow, AClickElsewhereTellsTheFocusedControlToCancelItsMode) {
  PopupFixture f;
  f.Edit->SetFocus();
  std::vector<LPARAM> cancels;
  const TWndMethod old = f.Edit->WindowProc;
  f.Edit->WindowProc = [&](TMessage& m) {
    if (m.Msg == CM_CANCELMODE) cancels.push_back(m.LParam);
    old(m);
  };
  f.Input.Click(*f.Opener);
  ASSERT_EQ(cancels.size(), 1u);
  EXPECT_EQ(cancels[0], reinterpret_cast<LPARAM>(static_cast<TControl*>(f.Opener)));
  f.Edit->WindowProc = old;
}
}  // namespace

namespace {
// A tool window whose kind and owner its user changes while it is shown.
class TToolWindow : public TForm {
 public:
  using TForm::TForm;
  bool Topmost = false;
  TCustomForm* Owner = nullptr;
  int Presses = 0;

 protected:
  void CreateParams(TCreateParams& Params) override {
    TForm::CreateParams(Params);
    if (Topmost) Params.ExStyle |= WS_EX_TOPMOST;
    Params.WndParent = Owner ? Owner->Handle() : 0;
  }
  void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) override {
    ++Presses;
    TForm::MouseDown(Button, Shift, X, Y);
  }
};

TEST(FormRecreation, AShownFormTakesItsNewTopmostAndOwnerAtOnce) {
  TForm back(nullptr), owner(nullptr);
  back.SetBounds(0, 0, 300, 300);
  owner.SetBounds(400, 0, 200, 200);
  int backPresses = 0;
  back.OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++backPresses; };
  owner.Show();
  back.Show();
  TToolWindow tool(nullptr);
  tool.SetBorderStyle(bsNone);
  tool.SetBounds(100, 100, 100, 100);
  tool.Show();
  SystemInputDriver input;
  input.Pump();
  const TPoint clear = back.ClientToScreen(Point(10, 10)), overlap = tool.ClientToScreen(Point(50, 50));
  input.ClickAt(clear);  // the form behind comes to the front
  input.ClickAt(overlap);
  EXPECT_EQ(backPresses, 2) << "a plain window goes behind";
  tool.Topmost = true;
  tool.Owner = &owner;
  tool.RecreateWnd();
  input.Pump();
  EXPECT_TRUE(tool.Visible());
  EXPECT_EQ(tool.OwnerWindow(), owner.Handle());
  input.ClickAt(clear);
  input.ClickAt(overlap);
  EXPECT_EQ(backPresses, 3);
  EXPECT_EQ(tool.Presses, 1) << "a topmost window stays over the form clicked";
  EXPECT_TRUE(tool.Active());
  tool.Hide();
  EXPECT_TRUE(owner.Active()) << "the owner takes the activation back";
}
}  // namespace
