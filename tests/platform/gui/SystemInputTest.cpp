// Native controls driven as a user drives them: clicks on their inner
// widgets and into their pop-ups go through the toolkit's own delivery.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using testsupport::SystemInputDriver;

TPoint Middle(const TRect& r) { return Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); }

struct NativeControls {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TListBox* List = new TListBox(Form.get());
  TComboBox* Choice = new TComboBox(Form.get());
  TComboBox* Typed = new TComboBox(Form.get());
  TPageControl* Pages = new TPageControl(Form.get());
  TCheckBox* Check = new TCheckBox(Form.get());
  SystemInputDriver Input;
  int Selected = 0;

  NativeControls() {
    Form->SetBounds(40, 40, 520, 420);
    for (TWinControl* c : std::initializer_list<TWinControl*>{List, Choice, Typed, Pages, Check})
      c->SetParent(Form.get());
    List->SetBounds(10, 10, 150, 120);
    List->Items().Assign({u"alpha", u"beta", u"gamma"});
    Choice->SetBounds(180, 10, 150, 24);
    Choice->SetStyle(csDropDownList);
    Choice->Items().Assign({u"None", u"Auth", u"Auth Priv"});
    Choice->SetItemIndex(0);
    Choice->OnSelect = [this](TObject*) { ++Selected; };
    Typed->SetBounds(180, 50, 150, 24);
    Typed->Items().Assign({u"one", u"two"});
    Check->SetBounds(180, 90, 150, 17);
    Check->SetCaption(u"3");
    Pages->SetBounds(10, 150, 400, 200);
    for (const char16_t* caption : {u"General", u"Connection Options"}) {
      auto* s = new TTabSheet(Form.get());
      s->SetCaption(caption);
      s->SetPageControl(Pages);
    }
    Form->Show();
    Input.Pump();
  }
};

TEST(SystemInput, AClickOnAListEntrySelectsIt) {
  NativeControls f;
  int clicks = 0;
  f.List->OnClick = [&](TObject*) { ++clicks; };
  f.Input.Click(*f.List, Point(20, 6));
  EXPECT_EQ(f.List->ItemIndex(), 0);
  EXPECT_EQ(clicks, 1);
  f.Input.DoubleClick(*f.List, Point(20, 6));
  f.Input.Wheel(*f.List, -120);
  EXPECT_EQ(f.List->ItemIndex(), 0);
}

TEST(SystemInput, ADropDownListOpensItsPopupAndTakesTheItemClickedThere) {
  NativeControls f;
  f.Input.Click(*f.Choice);
  TRect popup;
  ASSERT_TRUE(f.Input.PopupRect(popup)) << "the click opens the list";
  // The last entry sits at the bottom of the pop-up.
  f.Input.ClickAt(Point(Middle(popup).X, popup.Bottom - 6));
  EXPECT_FALSE(f.Input.PopupRect(popup));
  EXPECT_EQ(f.Choice->ItemIndex(), 2);
  EXPECT_EQ(f.Selected, 1);
  // The next click elsewhere is the other control's, not a new drop-down.
  f.Input.Click(*f.Check);
  EXPECT_FALSE(f.Input.PopupRect(popup));
  EXPECT_TRUE(f.Check->Checked());
}

TEST(SystemInput, AClickOutsideAnOpenDropDownClosesItWithoutAChoice) {
  NativeControls f;
  f.Input.Click(*f.Choice);
  TRect popup;
  ASSERT_TRUE(f.Input.PopupRect(popup));
  f.Input.Click(*f.List, Point(20, 100));
  EXPECT_FALSE(f.Input.PopupRect(popup));
  EXPECT_EQ(f.Choice->ItemIndex(), 0);
  EXPECT_EQ(f.Selected, 0);
}

TEST(SystemInput, TheTextOfAnEditComboTakesClicksAndTyping) {
  NativeControls f;
  f.Input.Click(*f.Typed, Point(20, 12));
  EXPECT_TRUE(f.Typed->Focused());
  f.Input.Type(u"abc");
  EXPECT_EQ(f.Typed->Text(), u"abc");
}

TEST(SystemInput, ACheckBoxTogglesOnAClickAnywhereInItsBounds) {
  NativeControls f;
  f.Input.Click(*f.Check, Point(140, 8));
  EXPECT_TRUE(f.Check->Checked());
}

TEST(SystemInput, AClickOnATabShowsItsPage) {
  NativeControls f;
  f.Input.Click(*f.Pages, Middle(f.Pages->TabRect(1)));
  EXPECT_EQ(f.Pages->ActivePageIndex(), 1);
}
}  // namespace

namespace {
// What the edit's window procedure saw of each key message.
struct KeyData {
  UINT Msg;
  WPARAM Key;
  bool Keypad;
};

TEST(SystemInput, KeyDataTellsTheKeypadsKeysFromTheMainKeyboards) {
  NativeControls f;
  TEdit* edit = new TEdit(f.Form.get());
  edit->SetParent(f.Form.get());
  edit->SetBounds(180, 120, 150, 24);
  std::vector<KeyData> seen;
  edit->WindowProc = [&seen, old = edit->WindowProc](TMessage& m) {
    if (m.Msg == WM_KEYDOWN || m.Msg == WM_KEYUP)
      seen.push_back({m.Msg, m.WParam, (m.LParam & KF_NUMPAD) != 0});
    old(m);
  };
  f.Input.Pump();
  edit->SetFocus();
  f.Input.KeypadKey(VK_OEM_PERIOD);
  f.Input.Key(VK_OEM_PERIOD);
  ASSERT_EQ(seen.size(), 4u);
  for (size_t i = 0; i < seen.size(); ++i) {
    EXPECT_EQ(seen[i].Msg, UINT(i % 2 ? WM_KEYUP : WM_KEYDOWN)) << i;
    EXPECT_EQ(seen[i].Key, WPARAM(VK_OEM_PERIOD)) << i;
    EXPECT_EQ(seen[i].Keypad, i < 2) << i;
  }
}

TEST(SystemInput, AsyncKeyStateFollowsTheMouseButtonsAndShiftKeys) {
  NativeControls f;
  std::vector<bool> leftDown;
  f.List->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) {
    leftDown.push_back(GetAsyncKeyState(VK_LBUTTON) < 0);
  };
  f.Input.MouseDown(*f.List, Point(20, 6));
  EXPECT_LT(GetAsyncKeyState(VK_LBUTTON), 0);
  EXPECT_GE(GetAsyncKeyState(VK_RBUTTON), 0);
  f.Input.MouseUp(*f.List, Point(20, 6));
  EXPECT_GE(GetAsyncKeyState(VK_LBUTTON), 0);
  EXPECT_EQ(leftDown, std::vector<bool>{true});

  f.List->SetFocus();
  f.Input.KeyDown(VK_SHIFT, TShiftState(ssShift));
  EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0);
  EXPECT_GE(GetAsyncKeyState(VK_CONTROL), 0);
  f.Input.KeyUp(VK_SHIFT);
  EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
}
}  // namespace
