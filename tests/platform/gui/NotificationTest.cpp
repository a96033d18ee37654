// Child-to-parent notifications: a standard control tells its parent in
// WM_COMMAND (control id, notification code, its handle), the parent
// reflects it back as CN_COMMAND, and only then the control's own event fires.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {
// A form that logs each WM_COMMAND it gets; controls log their events into the same list.
struct NotifyingForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  std::vector<std::string> Log;
  std::function<void(TMessage&)> OnCommand;

  NotifyingForm() {
    Form->SetBounds(40, 40, 400, 200);
    Form->WindowProc = [this, old = Form->WindowProc](TMessage& m) {
      if (m.Msg == WM_COMMAND)
        Log.push_back("WM_COMMAND " + std::to_string(LoWord(m.WParam)) + " " +
                      std::to_string(HiWord(m.WParam)) + (FindControl(static_cast<HWND>(m.LParam)) ? " from" : ""));
      if (m.Msg == WM_COMMAND && OnCommand) OnCommand(m);
      old(m);
    };
  }
  template <class C>
  C* Add(int Id, int Top) {
    auto* c = new C(Form.get());
    c->SetParent(Form.get());
    c->SetControlID(static_cast<WORD>(Id));
    c->SetBounds(10, Top, 150, 24);
    return c;
  }
  void LogEvent(TNotifyEvent& Event, const char* Name) {
    Event = [this, Name](TObject*) { Log.push_back(Name); };
  }
};

TEST(Notification, AComboSelectionReachesTheParentBeforeTheComboEvent) {
  NotifyingForm f;
  auto* combo = f.Add<TComboBox>(7, 10);
  combo->SetStyle(csDropDownList);
  combo->Items().Assign({u"None", u"Auth", u"Auth Priv"});
  combo->SetItemIndex(0);
  f.LogEvent(combo->OnSelect, "OnSelect");
  f.Form->Show();
  testsupport::SystemInputDriver input;
  input.Pump();
  input.Click(*combo);
  TRect popup;
  ASSERT_TRUE(input.PopupRect(popup));
  input.ClickAt(Point((popup.Left + popup.Right) / 2, popup.Bottom - 6));
  EXPECT_EQ(combo->ItemIndex(), 2);
  // The list opens and closes (CBN_DROPDOWN, CBN_CLOSEUP), then the choice.
  EXPECT_EQ(f.Log, (std::vector<std::string>{"WM_COMMAND 7 7 from", "WM_COMMAND 7 8 from", "WM_COMMAND 7 1 from", "OnSelect"}));
}

TEST(Notification, EditsAndCombosNotifyInTheirOrder) {
  NotifyingForm f;
  auto* edit = f.Add<TEdit>(3, 10);
  auto* combo = f.Add<TComboBox>(4, 40);
  combo->Items().Assign({u"one", u"two"});
  f.LogEvent(edit->OnChange, "OnChange");
  f.LogEvent(combo->OnChange, "OnChange");
  f.LogEvent(combo->OnDropDown, "OnDropDown");
  f.LogEvent(combo->OnCloseUp, "OnCloseUp");
  f.Form->Show();
  testsupport::InputDriver input;
  input.Pump();
  input.Key(*edit, u'A');
  EXPECT_EQ(f.Log, (std::vector<std::string>{"WM_COMMAND 3 1024 from", "WM_COMMAND 3 768 from", "OnChange"}));
  EXPECT_TRUE(edit->Modified());
  f.Log.clear();
  combo->SetFocus();
  input.Type(u"x");
  combo->SetDroppedDown(true);
  combo->SetDroppedDown(false);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"WM_COMMAND 4 5 from", "OnChange", "WM_COMMAND 4 7 from", "OnDropDown",
                                             "WM_COMMAND 4 8 from", "OnCloseUp"}));
}

TEST(Notification, AParentThatKeepsTheNotificationOrFreesTheControlStopsTheEvent) {
  NotifyingForm f;
  auto* kept = f.Add<TEdit>(1, 10);
  auto* freed = f.Add<TEdit>(2, 40);
  int changes = 0;
  kept->OnChange = freed->OnChange = [&](TObject*) { ++changes; };
  f.OnCommand = [&](TMessage& m) {
    if (LoWord(m.WParam) == 1) m.Msg = WM_NULL;  // handled here, not passed on
    if (LoWord(m.WParam) == 2 && HiWord(m.WParam) == EN_UPDATE) delete freed;
  };
  kept->SetText(u"a");
  freed->SetText(u"b");
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"WM_COMMAND 1 1024 from", "WM_COMMAND 1 768 from", "WM_COMMAND 2 1024 from"}));
}

TEST(Notification, AControlWithoutParentGetsItsEventAtOnce) {
  TEdit edit(nullptr);
  int changes = 0;
  edit.OnChange = [&](TObject*) { ++changes; };
  edit.SetText(u"a");
  EXPECT_EQ(changes, 1);
}
}  // namespace
