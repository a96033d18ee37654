// The edit with a button and the unit edit met as a user meets them: keys,
// clicks on the button part, the unit menu, and their layout.
#include "grid/base/AsgEditBtn.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "grid/base/AsgUnitEditBtn.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct EditForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TAsgEditBtn* Edit = new TAsgEditBtn(Form.get());
  TAsgUnitEditBtn* Units = new TAsgUnitEditBtn(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<TObject*> Clicks;

  EditForm() {
    Form->SetBounds(40, 40, 400, 200);
    for (TWinControl* c : {static_cast<TWinControl*>(Other), static_cast<TWinControl*>(Edit),
                           static_cast<TWinControl*>(Units)}) {
      c->SetParent(Form.get());
      c->SetTabStop(true);
    }
    Other->SetBounds(10, 10, 100, 24);
    Edit->SetBounds(10, 50, 160, 24);
    Units->SetBounds(10, 90, 160, 24);
    Edit->OnClickBtn = [this](TObject* Sender) { Clicks.push_back(Sender); };
    Units->OnClickBtn = Edit->OnClickBtn;
    Form->Show();
    Other->SetFocus();
    Input.Pump();
  }
  void TabIn() {
    Input.Key(VK_TAB);
    ASSERT_TRUE(Edit->Focused());
  }
  TControl& SpeedButton(TAsgEditBtn& E) { return *E.Button()->Button(); }
};

TEST(AsgEditBtn, F4ClicksWithTheEditAsSenderButNotWithCtrlOrAlt) {
  EditForm f;
  EXPECT_EQ(f.Edit->Text(), u"0");
  f.TabIn();
  f.Input.Key(VK_F4, {ssCtrl});
  f.Input.Key(VK_F4, {ssAlt});
  EXPECT_TRUE(f.Clicks.empty());
  f.Input.Key(VK_F4);
  EXPECT_EQ(f.Clicks, std::vector<TObject*>{f.Edit});
}

TEST(AsgEditBtn, TheButtonClicksWithThePartAsSenderAndTheFocusStaysInTheEdit) {
  EditForm f;
  f.TabIn();
  f.Input.Click(f.SpeedButton(*f.Edit));
  EXPECT_EQ(f.Clicks, std::vector<TObject*>{f.Edit->Button()});
  EXPECT_TRUE(f.Edit->Focused());
}

TEST(AsgEditBtn, APressReleasedOffTheButtonClicksNothing) {
  EditForm f;
  TControl& button = f.SpeedButton(*f.Edit);
  f.Input.MouseDown(button, Point(5, 5));
  f.Input.MouseMove(button, Point(-30, 5));
  f.Input.MouseUp(button, Point(-30, 5));
  EXPECT_TRUE(f.Clicks.empty());
}

TEST(AsgEditBtn, WithTheEditorOffTypingCuttingAndPastingDoNothing) {
  EditForm f;
  f.TabIn();
  EXPECT_EQ(f.Edit->SelLength(), 1) << "entered by keyboard, the text is selected";
  f.Edit->SetEditorEnabled(false);
  f.Input.Type(u"5");
  f.Input.Key(VK_BACK);
  f.Input.Key('V', {ssCtrl});
  f.Input.Key(VK_INSERT, {ssShift});
  f.Input.Key('X', {ssCtrl});
  f.Input.Key(VK_DELETE, {ssShift});
  EXPECT_EQ(f.Edit->Text(), u"0");
  f.Input.Key(VK_F4);
  f.Input.Click(f.SpeedButton(*f.Edit));
  EXPECT_EQ(f.Clicks.size(), 2u) << "F4 and the button still work";

  f.Edit->SetEditorEnabled(true);
  f.Edit->SelectAll();
  f.Input.Type(u"5");
  EXPECT_EQ(f.Edit->Text(), u"5");
  f.Edit->SelectAll();
  f.Input.Key('X', {ssCtrl});
  EXPECT_EQ(f.Edit->Text(), u"") << "cutting works with the editor on";
}

TEST(AsgEditBtn, ALowerHeightIsRaisedToTheMinimum) {
  EditForm f;
  const int least = f.Edit->GetMinHeight();
  EXPECT_GT(least, 10);
  f.Edit->SetHeight(5);
  EXPECT_EQ(f.Edit->Height(), least);
  f.Edit->SetHeight(least + 10);
  EXPECT_EQ(f.Edit->Height(), least + 10);
}

TEST(AsgEditBtn, TheTextRunsLeftOfTheButtonPart) {
  EditForm f;
  f.Edit->SetButtonWidth(24);
  TRect text;
  f.Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  const TRect part = f.Edit->Button()->BoundsRect();
  EXPECT_EQ(part.Width(), 24);
  EXPECT_LE(text.Right, part.Left);
  EXPECT_GE(part.Left, f.Edit->Width() - 24 - 8);
  EXPECT_LE(part.Right, f.Edit->Width());
}

TEST(AsgEditBtn, RightAlignMakesTheWindowAgainAndKeepsTheText) {
  EditForm f;
  f.Edit->SetText(u"42");
  f.Edit->SetRightAlign(true);
  EXPECT_TRUE(f.Edit->RightAlign());
  EXPECT_EQ(f.Edit->Text(), u"42");
  EXPECT_TRUE(f.Units->RightAlign()) << "the unit edit starts right-aligned";
}

TEST(AsgUnitEditBtn, TextAndUnitTakesTheFirstUnitThatEndsTheText) {
  EditForm f;
  const struct {
    std::vector<String> Units;
    String Given, Text, Unit;
  } cases[] = {
      {{u"m", u"mm", u"km"}, u"12mm", u"12", u"mm"},
      {{u"m", u"mm", u"km"}, u"5 km", u"5 k", u"m"},
      {{u"m", u"mm", u"km"}, u"7 ft", u"0", u""},
      {{u"cm", u"m"}, u"3 cm", u"3 ", u"cm"},
  };
  for (const auto& c : cases) {
    TStringList units;
    for (const String& u : c.Units) units.Add(u);
    f.Units->SetUnits(&units);
    f.Units->SetText(u"0");
    f.Units->SetUnitID(String());
    f.Units->SetTextAndUnit(c.Given);
    EXPECT_EQ(f.Units->Text(), c.Text);
    EXPECT_EQ(f.Units->UnitID(), c.Unit);
    EXPECT_EQ(f.Units->TextAndUnit(), c.Text + c.Unit);
  }
  f.Units->SetUnits(nullptr);
  EXPECT_EQ(f.Units->Units().Count(), 2) << "null is ignored";
}

TEST(AsgUnitEditBtn, TheMenuChangesTheUnitOnlyToAnotherOne) {
  EditForm f;
  TStringList units;
  units.Add(u"mm");
  units.Add(u"cm");
  f.Units->SetUnits(&units);
  f.Units->SetUnitID(u"mm");
  std::vector<String> changes;
  f.Units->OnUnitChanged = [&](TObject* Sender, const String& NewUnit) {
    EXPECT_EQ(Sender, f.Units);
    changes.push_back(NewUnit);
  };
  testsupport::MenuResponder menus;
  menus.Choose(u"mm");
  menus.Choose(u"cm");
  f.Input.Click(f.SpeedButton(*f.Units));
  EXPECT_TRUE(changes.empty()) << "the current unit again";
  f.Input.Click(f.SpeedButton(*f.Units));
  EXPECT_EQ(changes, std::vector<String>{u"cm"});
  EXPECT_EQ(f.Units->UnitID(), u"cm");
  ASSERT_EQ(menus.Menus().size(), 2u);
  EXPECT_EQ(menus.Menus()[0].Captions, (std::vector<String>{u"mm", u"cm"}));
  EXPECT_EQ(f.Clicks, (std::vector<TObject*>{f.Units, f.Units})) << "OnClickBtn comes first, from the edit";

  f.Units->Perform(WM_COMMAND, MakeWParam(3, 0), 0);
  f.Units->Perform(WM_COMMAND, MakeWParam(0, 0), 0);
  f.Units->Perform(WM_COMMAND, MakeWParam(1, EN_CHANGE), 0);
  EXPECT_EQ(f.Units->UnitID(), u"cm");
  f.Units->Perform(WM_COMMAND, MakeWParam(1, 0), 0);
  EXPECT_EQ(f.Units->UnitID(), u"mm");
  EXPECT_EQ(changes, (std::vector<String>{u"cm", u"mm"}));
}

TEST(AsgUnitEditBtn, TheUnitIsDrawnRightOfTheTextAndLeftOfTheButton) {
  EditForm f;
  f.Units->SetUnitID(u"km");
  f.Units->SetUnitSpace(24);
  TRect text;
  f.Units->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  const TRect unit = f.Units->UnitRect();
  EXPECT_EQ(unit.Width(), 24);
  EXPECT_LE(text.Right, unit.Left) << "typed text never runs under the unit";
  EXPECT_LE(unit.Right, f.Units->Button()->Left());

  TControl* pane = nullptr;
  for (int i = 0; i < f.Units->ControlCount(); ++i)
    if (f.Units->Controls(i)->BoundsRect() == unit) pane = f.Units->Controls(i);
  ASSERT_NE(pane, nullptr);
  TRecordingCanvas canvas;
  pane->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  const auto texts = canvas.RecordsOf(u"DrawText");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Text, u"km");
  EXPECT_EQ(texts[0].Format, DT_EDITCONTROL);
}

TEST(AsgEditBtn, FreedWithItsForm) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* edit = new TAsgUnitEditBtn(form.get());
  edit->SetParent(form.get());
  form->Show();
  delete edit;
  new TAsgEditBtn(form.get());
  form.reset();
}
}  // namespace
