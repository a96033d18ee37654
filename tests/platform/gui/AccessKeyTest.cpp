#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Buttons.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
// A form with an access key on each kind of control that takes one.
struct AccessForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* First = new TEdit(Form.get());
  TLabel* NameLabel = new TLabel(Form.get());
  TEdit* Name = new TEdit(Form.get());
  TCheckBox* Check = new TCheckBox(Form.get());
  TGroupBox* Group = new TGroupBox(Form.get());
  TRadioButton* Read = new TRadioButton(Form.get());
  TRadioButton* Write = new TRadioButton(Form.get());
  TRadioButton* Both = new TRadioButton(Form.get());
  TButton* Save = new TButton(Form.get());
  TSpeedButton* Tool = new TSpeedButton(Form.get());
  int Saves = 0, Tools = 0;
  testsupport::InputDriver Input;

  AccessForm() {
    int top = 0;
    for (TControl* c : std::initializer_list<TControl*>{First, NameLabel, Name, Check, Group, Save, Tool}) {
      c->SetParent(Form.get());
      c->SetTop(top);
      top += 30;
    }
    NameLabel->SetCaption(u"&Name:");
    NameLabel->SetFocusControl(Name);
    Check->SetCaption(u"&Enabled");
    Group->SetCaption(u"&Mode");
    for (auto [r, caption] : {std::pair{Read, u"&Read"}, std::pair{Write, u"&Write"}, std::pair{Both, u"B&oth"}}) {
      r->SetParent(Group);
      r->SetCaption(caption);
    }
    Read->SetChecked(true);
    Save->SetCaption(u"&Save");
    Save->OnClick = [this](TObject*) { ++Saves; };
    Tool->SetCaption(u"&Tool");
    Tool->OnClick = [this](TObject*) { ++Tools; };
    Form->Show();
    First->SetFocus();
  }
};

TEST(AccessKeys, IsAccelFindsTheCharacterAfterTheAmpersand) {
  const struct {
    Char Ch;
    const char16_t* Caption;
    bool Expected;
  } cases[] = {
      {u'a', u"&Apply", true}, {u'A', u"&apply", true}, {u'p', u"&Apply", false},
      {u'p', u"A&&pply", false}, {u'b', u"&&a&b", true}, {u'x', u"Save&", false},
      {u'x', u"", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsAccel(c.Ch, c.Caption), c.Expected) << StringToUtf8(c.Caption);
}

TEST(AccessKeys, AltAndTheKeyReachEachKindOfControl) {
  AccessForm f;
  f.Input.Key('N', ssAlt);
  EXPECT_TRUE(f.Name->Focused());
  f.Input.Key('S', ssAlt);
  EXPECT_EQ(f.Saves, 1);
  f.Input.Key('T', ssAlt);
  EXPECT_EQ(f.Tools, 1);
  f.Input.Key('E', ssAlt);
  EXPECT_TRUE(f.Check->Focused());
  EXPECT_TRUE(f.Check->Checked());
  f.Input.Key('W', ssAlt);
  EXPECT_TRUE(f.Write->Focused());
  EXPECT_TRUE(f.Write->Checked());
  EXPECT_FALSE(f.Read->Checked());
  // The group box hands the focus to its first control in tab order (the checked radio).
  f.First->SetFocus();
  f.Input.Key('M', ssAlt);
  EXPECT_TRUE(f.Write->Focused());
  // Nothing was typed anywhere on the way.
  EXPECT_EQ(f.First->Text(), u"");
  EXPECT_EQ(f.Name->Text(), u"");
}

TEST(AccessKeys, APlainLetterIsAnAccessKeyOnlyWhereTheControlDoesNotWantCharacters) {
  AccessForm f;
  f.Input.Key('S');
  EXPECT_EQ(f.First->Text(), u"s");
  EXPECT_EQ(f.Saves, 0);
  f.Check->SetFocus();
  f.Input.Key('S');
  EXPECT_EQ(f.Saves, 1);
}

TEST(AccessKeys, DisabledOrHiddenTargetsAndUnknownKeysDoNothing) {
  AccessForm f;
  f.Save->SetEnabled(false);
  f.Name->SetVisible(false);
  f.Tool->SetEnabled(false);
  for (WORD key : {WORD('S'), WORD('N'), WORD('T'), WORD('Q')}) f.Input.Key(key, ssAlt);
  EXPECT_EQ(f.Saves, 0);
  EXPECT_EQ(f.Tools, 0);
  EXPECT_TRUE(f.First->Focused());
}

TEST(AccessKeys, ALabelForgetsAFreedFocusControl) {
  AccessForm f;
  delete f.Name;
  EXPECT_EQ(f.NameLabel->FocusControl(), nullptr);
  f.Input.Key('N', ssAlt);
  EXPECT_TRUE(f.First->Focused());
}

TEST(RadioGroup, ArrowsMoveAndCheckWithinTheGroupAndTabLeavesIt) {
  AccessForm f;
  f.Read->SetFocus();
  f.Input.Key(VK_DOWN);
  EXPECT_TRUE(f.Write->Focused());
  EXPECT_TRUE(f.Write->Checked());
  EXPECT_FALSE(f.Read->Checked());
  f.Input.Key(VK_RIGHT);
  EXPECT_TRUE(f.Both->Checked());
  f.Input.Key(VK_DOWN);  // wraps inside the group
  EXPECT_TRUE(f.Read->Focused());
  EXPECT_TRUE(f.Read->Checked());
  f.Input.Key(VK_UP);
  EXPECT_TRUE(f.Both->Focused());
  EXPECT_FALSE(f.Read->Checked());
  // Only the checked radio is a tab stop: Tab leaves the group.
  f.Input.Key(VK_TAB);
  EXPECT_TRUE(f.Save->Focused());
  f.Input.Key(VK_TAB, ssShift);
  EXPECT_TRUE(f.Both->Focused());
}
}  // namespace
