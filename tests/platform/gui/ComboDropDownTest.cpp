// The combo's real drop-down: opened by the program or the user, closed by
// Escape or a choice, with its notifications and events in order.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct ComboForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TComboBox* Combo = new TComboBox(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Log;

  ComboForm() {
    Form->SetBounds(40, 40, 400, 300);
    Form->WindowProc = [this, old = Form->WindowProc](TMessage& m) {
      if (m.Msg == WM_COMMAND) Log.push_back("WM_COMMAND " + std::to_string(HiWord(m.WParam)));
      old(m);
    };
    Combo->SetParent(Form.get());
    Combo->SetBounds(10, 10, 150, 24);
    Combo->SetStyle(csDropDownList);
    for (int i = 0; i < 12; ++i) Combo->Items().Add(u"item " + String(1, static_cast<char16_t>(u'a' + i)));
    Combo->SetItemIndex(0);
    Combo->OnDropDown = [this](TObject*) { Log.push_back("OnDropDown"); };
    Combo->OnCloseUp = [this](TObject*) { Log.push_back("OnCloseUp"); };
    Combo->OnSelect = [this](TObject*) { Log.push_back("OnSelect"); };
    Form->Show();
    Input.Pump();
  }
  TRect Popup() const {
    TRect r;
    EXPECT_TRUE(Input.PopupRect(r));
    return r;
  }
};

TEST(ComboDropDown, OpenedByTheProgramItReportsItAndClosesOnEscape) {
  ComboForm f;
  f.Combo->SetFocus();
  f.Combo->SetDroppedDown(true);
  EXPECT_TRUE(f.Combo->DroppedDown());
  TRect r;
  EXPECT_TRUE(f.Input.PopupRect(r)) << "the native list is open";
  f.Input.Key(VK_ESCAPE);
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_FALSE(f.Input.PopupRect(r));
  EXPECT_EQ(f.Combo->ItemIndex(), 0);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"WM_COMMAND 7", "OnDropDown", "WM_COMMAND 8", "OnCloseUp"}));
}

TEST(ComboDropDown, AUserChoiceClosesTheListThenSelects) {
  ComboForm f;
  f.Input.Click(*f.Combo);
  EXPECT_TRUE(f.Combo->DroppedDown());
  const TRect popup = f.Popup();
  f.Input.ClickAt(Point((popup.Left + popup.Right) / 2, popup.Bottom - 6));
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_GT(f.Combo->ItemIndex(), 0);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"WM_COMMAND 7", "OnDropDown", "WM_COMMAND 8", "OnCloseUp",
                                             "WM_COMMAND 1", "OnSelect"}));
}

TEST(ComboDropDown, CountAndWidthShapeTheOpenList) {
  ComboForm f;
  f.Combo->SetDropDownCount(12);
  f.Combo->SetDroppedDown(true);
  const TRect all = f.Popup();
  f.Combo->SetDroppedDown(false);
  f.Combo->SetDropDownCount(4);
  f.Combo->SetDroppedWidth(300);
  f.Combo->SetDroppedDown(true);
  const TRect few = f.Popup();
  f.Combo->SetDroppedDown(false);
  EXPECT_LT(few.Height() * 2, all.Height()) << "4 of 12 items";
  EXPECT_GE(few.Width(), 300);
}
TEST(ComboDropDown, ItemHeightsShapeTheListAndTheSelectionField) {
  ComboForm f;
  f.Combo->SetDropDownCount(4);
  f.Combo->SetItemHeight(15);
  f.Combo->SetDroppedDown(true);
  const TRect low = f.Popup();
  f.Combo->SetDroppedDown(false);
  EXPECT_EQ(f.Combo->Perform(CB_SETITEMHEIGHT, 0, 30), 0);
  EXPECT_EQ(f.Combo->ItemHeight(), 30);
  EXPECT_EQ(f.Combo->Perform(CB_GETITEMHEIGHT, 0, 0), 30);
  f.Combo->SetDroppedDown(true);
  const TRect high = f.Popup();
  f.Combo->SetDroppedDown(false);
  EXPECT_GE(high.Height() - low.Height(), 4 * 15 - 2) << "4 entries, each 15 pixels higher";

  EXPECT_EQ(f.Combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 24 - 6);
  EXPECT_EQ(f.Combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 20), 0);
  EXPECT_EQ(f.Combo->Height(), 26);
  f.Combo->SetBounds(10, 10, 150, 30 * 5 + 26);  // the height a drop-down editor asks for
  EXPECT_EQ(f.Combo->Height(), 26) << "the selection field decides";
  EXPECT_EQ(f.Combo->Perform(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1), 0), 20);
  EXPECT_EQ(f.Combo->Perform(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), 0), CB_ERR);
  EXPECT_EQ(f.Combo->Height(), 26);
}
}  // namespace
