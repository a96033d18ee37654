// The memo drop-down as a user meets it: the lines are edited in the
// pop-up's memo with real keys; the edit shows them whole or shortened.
#include "grid/dropdown/AdvMemoDropDown.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"
#include "platform/sys/Strings.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct MemoFixture {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TAdvMemoDropDown* Drop = new TAdvMemoDropDown(Form.get());
  testsupport::SystemInputDriver Input;
  testsupport::InputDriver Clock;
  int MemoChanges = 0;

  explicit MemoFixture(bool EditorEnabled = false) {
    Screen->PinSize(1366, 768);
    Form->SetBounds(40, 40, 400, 260);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 10, 100, 24);
    Other->SetTabStop(true);
    Drop->SetParent(Form.get());
    Drop->SetBounds(10, 50, 150, 24);
    Drop->SetTabStop(true);
    Drop->SetEditorEnabled(EditorEnabled);
    Drop->OnMemoChange = [this](TObject*) { ++MemoChanges; };
    SetLines(u"abc\r\ndef\r\n");
    Form->Show();
    Other->SetFocus();
    Input.Pump();
    Clock.Advance(1000);
  }
  ~MemoFixture() { Screen->PinSize(0, 0); }
  void SetLines(const String& Text) {
    TStringList lines;
    lines.SetText(Text);
    Drop->SetMemoText(lines);
  }
  bool Open() const { return Drop->DropDownForm()->Visible(); }
  TMemo& Memo() const { return *Drop->Memo(); }
  void OpenByKeys() {
    Drop->SetFocus();
    Input.Pump();
    Input.Key(VK_DOWN, {ssAlt});
    ASSERT_TRUE(Open());
  }
};

TEST(MemoDropDownRealInput, OpeningShowsTheLinesEnterAddsALine) {
  MemoFixture f;
  f.OpenByKeys();
  EXPECT_EQ(f.Memo().Text(), u"abc\r\ndef\r\n");
  EXPECT_TRUE(f.Memo().Focused());
  EXPECT_GE(f.MemoChanges, 1) << "the copy at opening is a change of the memo";
  f.Input.Key(VK_END, {ssCtrl});
  f.Input.Type(u"ghi");
  f.Input.Key(VK_RETURN);
  f.Input.Type(u"jkl");
  EXPECT_TRUE(f.Open()) << "Enter stays in the memo";
  EXPECT_EQ(f.Memo().Text(), u"abc\r\ndef\r\nghi\r\njkl");
  const TPixelBuffer shot = testsupport::RenderSnapshot(*f.Drop->DropDownForm(), "memo-dropdown-popup.png");
  EXPECT_GT(shot.Height, 90);
}

TEST(MemoDropDownRealInput, F4AndAClickOutsideKeepTheEditsEscapeDropsThem) {
  for (const WORD key : {WORD(VK_F4), WORD(0), WORD(VK_ESCAPE)}) {
    MemoFixture f;
    f.OpenByKeys();
    f.Input.Key(VK_END, {ssCtrl});
    f.Input.Type(u"x");
    if (key) f.Input.Key(key);
    else f.Input.Click(*f.Other);
    EXPECT_FALSE(f.Open()) << key;
    const String lines = key == VK_ESCAPE ? u"abc\r\ndef\r\n" : u"abc\r\ndef\r\nx\r\n";
    EXPECT_EQ(f.Drop->MemoText()->Text(), lines) << key;
    EXPECT_EQ(f.Drop->Text(), u"abc...") << key;
  }
}

TEST(MemoDropDownRealInput, CtrlASelectsTheWholeMemo) {
  MemoFixture f;
  f.OpenByKeys();
  f.Input.Key('A', {ssCtrl});
  EXPECT_EQ(f.Memo().SelStart(), 0);
  EXPECT_GE(f.Memo().SelLength(), 7) << "both lines";
  f.Input.Type(u"new");
  f.Input.Key(VK_F4);
  EXPECT_EQ(f.Drop->MemoText()->Text(), u"new\r\n");
  EXPECT_EQ(f.Drop->Text(), u"new");
}

TEST(MemoDropDownRealInput, TheEditShowsTheFirstLineOrTheWholeText) {
  MemoFixture f;
  EXPECT_EQ(f.Drop->Text(), u"abc...");
  f.SetLines(u"abc");
  EXPECT_EQ(f.Drop->Text(), u"abc") << "a single line";
  f.SetLines(u"a rather long first line that the edit cannot show whole\r\nsecond");
  const String shown = f.Drop->Text();
  ASSERT_GT(shown.size(), 3u);
  EXPECT_TRUE(shown.ends_with(u"...")) << std::string(shown.begin(), shown.end());
  EXPECT_TRUE(String(u"a rather long first line that").starts_with(shown.substr(0, shown.size() - 3)));
  TBitmap measure(1, 1);
  measure.Canvas()->SetFont(*f.Drop->Font());
  EXPECT_LT(measure.Canvas()->TextWidth(shown), f.Drop->Width() - f.Drop->DropDownButtonWidth());
  f.Drop->SetEditorEnabled(true);
  f.SetLines(u"abc\r\ndef");
  EXPECT_EQ(f.Drop->Text(), u"abc\r\ndef\r\n") << "the whole text, line breaks kept";
  TStringList back;
  back.SetText(f.Drop->Text());
  EXPECT_EQ(back.Count(), 2);
  EXPECT_EQ(back.Strings(1), u"def");
}

TEST(MemoDropDownRealInput, AutoDropOpensOnceWhenTabbedInto) {
  MemoFixture f;
  f.Drop->SetAutoDrop(true);
  int opened = 0;
  f.Drop->OnBeforeDropDown = [&](TObject*) { ++opened; };
  f.Input.Key(VK_TAB);
  EXPECT_TRUE(f.Open());
  EXPECT_EQ(opened, 1);
  f.Input.Key(VK_F4);
  f.Input.Pump();
  EXPECT_FALSE(f.Open());
  EXPECT_TRUE(f.Drop->Focused());
  EXPECT_EQ(opened, 1) << "closing does not reopen";
  EXPECT_TRUE(f.Drop->AutoDrop());
}

TEST(MemoDropDownRealInput, TypingInTheEnabledEditSetsTheLinesWithoutARebuild) {
  MemoFixture f(true);
  int changes = 0;
  f.Drop->OnChange = [&](TObject*) { ++changes; };
  f.Drop->SetFocus();
  f.Input.Pump();
  f.Drop->SelectAll();
  f.Input.Type(u"xy");
  EXPECT_EQ(f.Drop->Text(), u"xy") << "not rebuilt to \"xy\\r\\n\" while typing";
  EXPECT_EQ(f.Drop->MemoText()->Text(), u"xy\r\n");
  EXPECT_EQ(changes, 2);
  f.Input.Key(VK_DOWN, {ssAlt});
  ASSERT_TRUE(f.Open());
  EXPECT_EQ(f.Memo().Text(), u"xy\r\n");
}

TEST(MemoDropDownRealInput, TheMemoTakesItsSettingsAtOpening) {
  MemoFixture f;
  f.Drop->SetMaxLength(20);
  f.Drop->SetMemoScrollBars(ssVertical);
  f.Drop->SetMemoReadOnly(true);
  f.OpenByKeys();
  EXPECT_EQ(f.Memo().MaxLength(), 20);
  EXPECT_EQ(f.Memo().ScrollBars(), ssVertical);
  EXPECT_TRUE(f.Memo().ReadOnly());
  f.Input.Type(u"zz");
  EXPECT_EQ(f.Memo().Text(), u"abc\r\ndef\r\n");
  f.Drop->SetMemoReadOnly(false);
  EXPECT_FALSE(f.Memo().ReadOnly()) << "at once while open";
}

}  // namespace
