#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
// An edit that logs its focus messages with the window on the other side.
class LoggingEdit : public TEdit {
 public:
  LoggingEdit(TComponent* Owner, std::vector<std::string>& Log, std::string Name)
      : TEdit(Owner), FLog(Log), FName(std::move(Name)) {
    OnEnter = [this](TObject*) { FLog.push_back(FName + " enter"); };
    OnExit = [this](TObject*) { FLog.push_back(FName + " exit"); };
  }

 protected:
  void Dispatch(TMessage& m) override {
    if (m.Msg == WM_KILLFOCUS) {
      TWinControl* to = FindControl(m.WParam);
      FLog.push_back(FName + " killfocus to " + (to ? StringToUtf8(to->Name()) : "none"));
    }
    if (m.Msg == WM_SETFOCUS) FLog.push_back(FName + " setfocus");
    TEdit::Dispatch(m);
  }

 private:
  std::vector<std::string>& FLog;
  std::string FName;
};

struct FocusForm {
  std::vector<std::string> Log;
  TForm* Form = new TForm(nullptr);
  TGroupBox* BoxA = new TGroupBox(Form);
  TGroupBox* BoxB = new TGroupBox(Form);
  LoggingEdit* A1 = new LoggingEdit(Form, Log, "a1");
  LoggingEdit* A2 = new LoggingEdit(Form, Log, "a2");
  LoggingEdit* B1 = new LoggingEdit(Form, Log, "b1");

  FocusForm() {
    BoxA->SetParent(Form);
    BoxB->SetParent(Form);
    BoxB->SetLeft(200);
    BoxA->OnExit = [this](TObject*) { Log.push_back("boxA exit"); };
    BoxB->OnEnter = [this](TObject*) { Log.push_back("boxB enter"); };
    A1->SetName(u"a1");
    A2->SetName(u"a2");
    B1->SetName(u"b1");
    A1->SetParent(BoxA);
    A2->SetParent(BoxA);
    A2->SetTop(40);
    B1->SetParent(BoxB);
    Form->SetActiveControl(A1);
    Form->Show();
    Log.clear();
  }
  ~FocusForm() { delete Form; }
};

TEST(Focus, KillFocusThenExitUpToTheCommonParentThenEnterDown) {
  FocusForm f;
  f.B1->SetFocus();
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a1 killfocus to b1", "a1 exit", "boxA exit", "boxB enter", "b1 enter",
                                             "b1 setfocus"}));
}

TEST(Focus, InsideOneContainerOnlyTheTwoControlsExitAndEnter) {
  FocusForm f;
  testsupport::InputDriver().Click(*f.A2);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a1 killfocus to a2", "a1 exit", "a2 enter", "a2 setfocus"}));
  EXPECT_EQ(f.Form->ActiveControl(), f.A2);
}

TEST(Focus, AMessageBoxTakesTheFocusWithoutEnterOrExit) {
  FocusForm f;
  testsupport::MessageBoxResponder boxes;
  MessageDlg(u"Hello", mtInformation, mbOK);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"a1 killfocus to none", "a1 setfocus"}));
  EXPECT_TRUE(f.A1->Focused());
}

TEST(Focus, FocusingAHiddenControlFails) {
  FocusForm f;
  f.B1->Hide();
  EXPECT_THROW(f.B1->SetFocus(), EInvalidOperation);
  EXPECT_TRUE(f.A1->Focused());
}

TEST(Focus, FreeingTheFocusedControlLeavesNoDanglingFocus) {
  FocusForm f;
  delete f.A1;
  f.A1 = nullptr;
  EXPECT_EQ(FocusedControl(), nullptr);
  EXPECT_EQ(f.Form->ActiveControl(), nullptr);
  f.A2->SetFocus();
  EXPECT_TRUE(f.A2->Focused());
}
}  // namespace
