#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
// A form with two edits; the first logs its key messages.
struct KeyForm {
  TForm* Form = new TForm(nullptr);
  TEdit* First = new TEdit(Form);
  TEdit* Second = new TEdit(Form);
  std::vector<std::string> Log;
  testsupport::InputDriver Input;

  KeyForm() {
    First->SetParent(Form);
    Second->SetParent(Form);
    Second->SetTop(30);
    First->OnKeyDown = [this](TObject*, WORD& k, TShiftState) { Log.push_back("down " + std::to_string(k)); };
    First->OnKeyPress = [this](TObject*, Char& c) { Log.push_back("char " + std::to_string(c)); };
    First->OnKeyUp = [this](TObject*, WORD& k, TShiftState) { Log.push_back("up " + std::to_string(k)); };
    Form->Show();
    First->SetFocus();
  }
  ~KeyForm() { delete Form; }
};

TEST(Keyboard, AKeyPressIsKeyDownThenCharThenKeyUp) {
  KeyForm f;
  f.Input.Key('A');
  EXPECT_EQ(f.Log, (std::vector<std::string>{"down 65", "char 97", "up 65"}));
  EXPECT_EQ(f.First->Text(), u"a");
}

TEST(Keyboard, TheCharComesAlsoWhenKeyDownClearedTheKey) {
  KeyForm f;
  f.First->OnKeyDown = [&](TObject*, WORD& k, TShiftState) {
    f.Log.push_back("down " + std::to_string(k));
    k = 0;
  };
  f.Input.Key('B', ssShift);
  EXPECT_EQ(f.Log, (std::vector<std::string>{"down 66", "char 66", "up 66"}));
}

TEST(Keyboard, AClearedCharIsNotTyped) {
  KeyForm f;
  f.First->OnKeyPress = [](TObject*, Char& c) {
    if (c == u'x') c = 0;
  };
  f.Input.Type(u"axb");
  EXPECT_EQ(f.First->Text(), u"ab");
}

TEST(Keyboard, KeyPreviewGivesTheFormTheKeyFirst) {
  KeyForm f;
  f.Form->SetKeyPreview(true);
  f.Form->OnKeyDown = [&](TObject*, WORD& k, TShiftState) {
    f.Log.push_back("form " + std::to_string(k));
    if (k == 'Q') k = 0;
  };
  f.Input.Key('Q');
  f.Input.Key('W');
  EXPECT_EQ(f.Log, (std::vector<std::string>{"form 81", "char 113", "up 81", "form 87", "down 87", "char 119", "up 87"}));
}

TEST(Keyboard, TabMovesTheFocusUnlessTheControlWantsIt) {
  KeyForm f;
  f.Input.Key(VK_TAB);
  EXPECT_TRUE(f.Second->Focused());
  EXPECT_TRUE(f.Log.empty());  // the form used the key
  f.Input.Key(VK_TAB, ssShift);
  EXPECT_TRUE(f.First->Focused());

  auto* memo = new TMemo(f.Form);
  memo->SetParent(f.Form);
  memo->SetWantTabs(true);
  memo->SetFocus();
  f.Input.Key(VK_TAB);
  EXPECT_TRUE(memo->Focused());
}

TEST(Keyboard, AQueuedTabMovesTheFocusAsATypedOneDoes) {
  KeyForm f;
  PostMessage(f.First->Handle(), WM_KEYDOWN, VK_TAB, 0);
  EXPECT_TRUE(f.First->Focused());
  f.Input.Pump();
  EXPECT_TRUE(f.Second->Focused());
  EXPECT_TRUE(f.Log.empty()) << "the form used the key";
  PostMessage(f.Second->Handle(), WM_KEYDOWN, 'A', 0);
  f.First->SetFocus();
  PostMessage(f.First->Handle(), WM_KEYDOWN, 'A', 0);
  f.Input.Pump();
  EXPECT_EQ(f.Log, std::vector<std::string>{"down 65"}) << "other keys reach the control";
}

TEST(Keyboard, TabFollowsTheTabOrderAndSkipsWhatCannotTakeTheFocus) {
  KeyForm f;
  auto* panel = new TPanel(f.Form);
  panel->SetParent(f.Form);
  panel->SetTabStop(false);
  auto* inner = new TEdit(f.Form);
  inner->SetParent(panel);
  auto* noStop = new TEdit(f.Form);
  noStop->SetParent(f.Form);
  noStop->SetTabStop(false);
  auto* disabled = new TEdit(f.Form);
  disabled->SetParent(f.Form);
  disabled->SetEnabled(false);
  f.Second->SetTabOrder(0);
  EXPECT_EQ(f.Second->TabOrder(), 0);
  EXPECT_EQ(f.First->TabOrder(), 1);
  // Second, First, the panel's edit; the rest is skipped and the cycle wraps.
  const TWinControl* expected[] = {inner, f.Second, f.First, inner};
  for (const TWinControl* next : expected) {
    f.Input.Key(VK_TAB);
    EXPECT_TRUE(next->Focused()) << StringToUtf8(f.Form->ActiveControl()->ClassName());
  }
  f.Input.Key(VK_TAB, ssShift);
  EXPECT_TRUE(f.First->Focused());
}

TEST(Keyboard, TypedTextReachesTheFocusedEditThroughItsEvents) {
  KeyForm f;
  int changes = 0;
  f.Second->OnChange = [&](TObject*) { ++changes; };
  f.Input.Key(*f.Second, VK_END);
  f.Input.Type(u"Hi 42");
  f.Input.Key(VK_BACK);
  EXPECT_EQ(f.Second->Text(), u"Hi 4");
  EXPECT_EQ(changes, 6);
  EXPECT_EQ(f.First->Text(), u"");
}

// The length limit holds the user back, not the program: text set in code is
// kept whole, whichever of the two comes first, and cannot be added to.
TEST(Keyboard, MaxLengthLimitsTypingButNotTextSetInCode) {
  for (const bool LimitFirst : {true, false}) {
    KeyForm f;
    if (LimitFirst) f.First->SetMaxLength(5);
    f.First->SetText(u"0123456789");
    if (!LimitFirst) f.First->SetMaxLength(5);
    EXPECT_EQ(f.First->Text(), u"0123456789") << LimitFirst;
    f.Input.Key(VK_END);
    f.Input.Type(u"x");
    f.Input.Key(VK_BACK);
    f.Input.Key(VK_HOME);
    f.Input.Type(u"y");
    EXPECT_EQ(f.First->Text(), u"012345678") << LimitFirst;
    f.First->Clear();
    f.Input.Type(u"abcdefg");
    EXPECT_EQ(f.First->Text(), u"abcde") << LimitFirst;
  }
}
}  // namespace
