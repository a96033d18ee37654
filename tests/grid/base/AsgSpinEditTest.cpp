// The spin edit met as a user meets it: typing filtered by kind, steps by
// keys and arrows (a date or time by the part under the caret), clamping,
// leaving the edit, the loading bracket and the layout.
#include "grid/base/AsgSpinEdit.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/sys/DateTime.h"
#include "tests/grid/base/Locale.h"
#include "tests/support/BeepRecorder.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct SpinEditForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAsgSpinEdit* Edit = new TAsgSpinEdit(Form.get());
  TEdit* Next = new TEdit(Form.get());
  testsupport::SystemInputDriver Input;
  testsupport::BeepRecorder Beeps;

  SpinEditForm() {
    Form->SetBounds(40, 40, 400, 200);
    for (TWinControl* c : {static_cast<TWinControl*>(Edit), static_cast<TWinControl*>(Next)}) {
      c->SetParent(Form.get());
      c->SetTabStop(true);
    }
    Edit->SetBounds(10, 10, 160, 24);
    Next->SetBounds(10, 60, 100, 24);
    Form->Show();
    Edit->SetFocus();
    Input.Pump();
  }
  // The text, with the caret at Caret and Length characters selected.
  void Put(const String& Text, int Caret, int Length = 0) {
    Edit->SetText(Text);
    Edit->SetSelStart(Caret);
    Edit->SetSelLength(Length);
  }
  void Press(WORD Vk, int Times = 1) {
    for (int i = 0; i < Times; ++i) Input.Key(Vk);
  }
};

// Day-first with a "," decimal separator, month-first and year-first, with
// a 24-hour long time.
struct SpinLocale : ScopedLocale {
  explicit SpinLocale(const TestLocale& L) : ScopedLocale(L) { FormatSettings.LongTimeFormat = u"h:nn:ss"; }
};

TEST(AsgSpinEdit, IntegersStepWithinTheirBounds) {
  SpinEditForm f;
  std::vector<WORD> keys;
  f.Edit->OnKeyDown = [&](TObject*, WORD& Key, TShiftState) { keys.push_back(Key); };
  EXPECT_EQ(f.Edit->Text(), u"0");
  f.Press(VK_UP);
  EXPECT_EQ(f.Edit->Text(), u"1");
  f.Press(VK_UP, 100);
  EXPECT_EQ(f.Edit->Text(), u"100");
  f.Press(VK_PRIOR);
  EXPECT_EQ(f.Edit->Value(), 100) << "Page Up steps integers by Increment too";
  f.Edit->SetIncrement(30);
  f.Press(VK_NEXT, 4);
  EXPECT_EQ(f.Edit->Value(), 0);
  f.Edit->SetMaxValue(0);
  f.Press(VK_DOWN);
  EXPECT_EQ(f.Edit->Text(), u"-30") << "with MinValue = MaxValue there is no range";
  f.Edit->SetValue(2147483647);
  f.Edit->SetIncrement(1);
  f.Press(VK_UP);
  EXPECT_EQ(f.Edit->Value(), 2147483647) << "the largest integer stays";
  EXPECT_EQ(f.Beeps.Count(), 0);
  EXPECT_TRUE(keys.empty()) << "the step keys never reach OnKeyDown";
  f.Input.Key(VK_LEFT);
  EXPECT_EQ(keys, std::vector<WORD>{VK_LEFT});
}

TEST(AsgSpinEdit, FloatsStepByIncrementFloatAndPageByIncrementFloatPage) {
  SpinLocale locale(CommaDecimalDMY);
  SpinEditForm f;
  f.Edit->SetSpinType(sptFloat);
  f.Press(VK_PRIOR);
  EXPECT_EQ(f.Edit->Text(), u"1");
  f.Press(VK_UP);
  EXPECT_EQ(f.Edit->Text(), u"1,1");
  f.Edit->SetPrecision(2);
  EXPECT_EQ(f.Edit->Text(), u"1,10");
  f.Press(VK_NEXT, 3);
  EXPECT_EQ(f.Edit->Text(), u"0,00") << "held at MinFloatValue";
}

// Each row types Key into Text with the caret at Caret and Length
// characters selected: accepted, the text changes and nothing beeps.
struct CharCase {
  TAsgSpinType Kind;
  const char16_t* Text;
  int Caret, Length;
  Char Key;
  bool Accepted;
  int Precision = 0;
};

void TypeCases(const TestLocale& L, std::initializer_list<CharCase> Cases) {
  SpinLocale locale(L);
  SpinEditForm f;
  for (const CharCase& c : Cases) {
    f.Edit->SetSpinType(c.Kind);
    f.Edit->SetPrecision(c.Precision);
    f.Put(c.Text, c.Caret, c.Length);
    f.Beeps.Take();
    if (c.Key < 32) f.Input.Key(static_cast<WORD>(u'A' + c.Key - 1), {ssCtrl});
    else f.Input.Type(String(1, c.Key));
    const String was = c.Text;
    const String typed = was.substr(0, c.Caret) + c.Key + was.substr(static_cast<size_t>(c.Caret + c.Length));
    const auto what = testing::Message() << "kind " << c.Kind << " key " << int(c.Key) << " at " << c.Caret;
    if (c.Key >= 32) {
      EXPECT_EQ(f.Edit->Text(), c.Accepted ? typed : was) << what;
    }
    EXPECT_EQ(f.Beeps.Take(), c.Accepted ? 0 : 1) << what;
  }
}

TEST(AsgSpinEdit, IntegersTakeDigitsAndALeadingMinusOnly) {
  for (const TestLocale& l : {PointDecimalMDY, CommaDecimalDMY})
    TypeCases(l, {
        {sptNormal, u"12", 2, 0, u'3', true},
        {sptNormal, u"12", 0, 0, u'-', true},
        {sptNormal, u"12", 1, 0, u'-', false},
        {sptNormal, u"-12", 0, 0, u'-', false},
        {sptNormal, u"-12", 0, 1, u'-', true},
        {sptNormal, u"12", 2, 0, u'.', false},
        {sptNormal, u"12", 2, 0, u',', false},
        {sptNormal, u"12", 2, 0, u'a', false},
        {sptNormal, u"12", 2, 0, 3, false},  // Ctrl+C
    });
}

TEST(AsgSpinEdit, FloatsTakeOneDecimalSeparatorAndNoMoreDecimalsThanPrecision) {
  TypeCases(PointDecimalMDY, {
      {sptFloat, u"1.25", 4, 0, u'7', false, 2},
      {sptFloat, u"1.25", 1, 0, u'7', true, 2},
      {sptFloat, u"1.25", 4, 0, u'7', true, 0},
      {sptFloat, u"1.2", 3, 0, u'7', true, 2},
      {sptFloat, u"1.2", 3, 0, u'.', false},
      {sptFloat, u"1.2", 1, 1, u'.', true},
      {sptFloat, u"12", 2, 0, u',', false},  // the thousand separator
      {sptFloat, u"12", 2, 0, u'/', false},  // the date separator
      {sptFloat, u"12", 2, 0, u'-', false},
  });
  TypeCases(CommaDecimalDMY, {
      {sptFloat, u"1,25", 4, 0, u'7', false, 2},
      {sptFloat, u"1,25", 1, 0, u'7', true, 2},
      {sptFloat, u"12", 2, 0, u',', true},
      {sptFloat, u"1,2", 3, 0, u',', false},
      {sptFloat, u"12", 2, 0, u'.', false},  // thousand and date separator
  });
}

TEST(AsgSpinEdit, DatesAndTimesTakeTheirOwnSeparators) {
  TypeCases(CommaDecimalDMY, {
      {sptDate, u"01.02", 5, 0, u'.', true},
      {sptDate, u"01", 2, 0, u':', false},
      {sptTime, u"12:30", 5, 0, u':', true},
      {sptTime, u"12:30:00", 8, 0, u':', false},
      {sptTime, u"12", 2, 0, u'.', false},
      {sptNormal, u"12", 2, 0, u':', false},
  });
  TypeCases(PointDecimalMDY, {
      {sptDate, u"1/2", 3, 0, u'/', true},
      {sptTime, u"12", 2, 0, u'/', false},
  });
}

TEST(AsgSpinEdit, WithTheEditorOffOnlyTheStepsChangeTheText) {
  SpinEditForm f;
  f.Edit->SetEditorEnabled(false);
  f.Next->SetFocus();
  f.Input.Pump();
  f.Input.Key(VK_TAB, {ssShift});
  ASSERT_TRUE(f.Edit->Focused());
  EXPECT_EQ(f.Edit->SelLength(), 1) << "entering selects the text";
  f.Input.Type(u"5");
  f.Input.Key(VK_BACK);
  f.Input.Key(VK_DELETE);
  f.Input.Key('V', {ssCtrl});
  f.Input.Key(VK_INSERT, {ssShift});
  f.Input.Key('X', {ssCtrl});
  EXPECT_EQ(f.Edit->Text(), u"0");
  f.Press(VK_UP);
  EXPECT_EQ(f.Edit->Text(), u"1");
  EXPECT_EQ(f.Edit->SelLength(), 1) << "a written value is selected";
}

TEST(AsgSpinEdit, DatesStepThePartUnderTheCaretInEveryFieldOrder) {
  const struct {
    TestLocale Locale;
    const char16_t* Text;
    int Caret;
    WORD Key;
    const char16_t* Stepped;
  } cases[] = {
      {CommaDecimalDMY, u"31.01.2021", 0, VK_UP, u"01.02.2021"},
      {CommaDecimalDMY, u"31.01.2021", 3, VK_UP, u"28.02.2021"},
      {CommaDecimalDMY, u"31.01.2020", 4, VK_UP, u"29.02.2020"},
      {CommaDecimalDMY, u"29.02.2020", 7, VK_UP, u"28.02.2021"},
      {CommaDecimalDMY, u"01.03.2021", 1, VK_DOWN, u"28.02.2021"},
      {PointDecimalMDY, u"1/31/2021", 0, VK_UP, u"2/28/2021"},
      {PointDecimalMDY, u"1/31/2021", 2, VK_DOWN, u"1/30/2021"},
      {PointDecimalMDY, u"2/29/2020", 6, VK_DOWN, u"2/28/2019"},
      {CommaDecimalYMD, u"2020-02-29", 0, VK_UP, u"2021-02-28"},
      {CommaDecimalYMD, u"2020-01-31", 5, VK_UP, u"2020-02-29"},
      {CommaDecimalYMD, u"2020-01-31", 9, VK_UP, u"2020-02-01"},
  };
  for (const auto& c : cases) {
    SpinLocale locale(c.Locale);
    SpinEditForm f;
    testsupport::MessageBoxResponder boxes;
    f.Edit->SetSpinType(sptDate);
    f.Put(c.Text, c.Caret);
    f.Press(c.Key);
    EXPECT_EQ(f.Edit->Text(), c.Stepped) << testing::PrintToString(String(c.Text)) << " at " << c.Caret;
    EXPECT_EQ(f.Edit->SelStart(), c.Caret) << "the caret stays in its part";
    EXPECT_TRUE(boxes.Boxes().empty());
  }
}

TEST(AsgSpinEdit, TimesStepRoundTheClockByThePartUnderTheCaret) {
  const struct {
    const char16_t* Text;
    int Caret;
    WORD Key;
    int Hours, Minutes;
    bool Seconds;
    const char16_t* Stepped;
  } cases[] = {
      {u"23:30:00", 0, VK_UP, 1, 1, true, u"0:30:00"},
      {u"0:10:00", 3, VK_DOWN, 1, 15, true, u"23:55:00"},
      {u"0:00:00", 1, VK_DOWN, 1, 1, true, u"23:00:00"},
      {u"12:30:00", 6, VK_UP, 1, 1, true, u"12:30:01"},
      {u"12:30", 4, VK_UP, 1, 1, true, u"12:30:01"},  // no second separator: the seconds
      {u"12:30", 4, VK_UP, 1, 1, false, u"12:31"},
      {u"23:00:00", 3, VK_UP, 1, 90, true, u"0:30:00"},
      {u"10:00:00", 0, VK_UP, 24, 1, true, u"10:00:00"},
      {u"10:00:00", 0, VK_UP, 25, 1, true, u"11:00:00"},
      {u"10:00:00", 0, VK_UP, -2, 1, true, u"8:00:00"},
      {u"10:00:00", 3, VK_DOWN, 1, 60, true, u"9:00:00"},
  };
  SpinLocale locale(CommaDecimalDMY);
  SpinEditForm f;
  testsupport::MessageBoxResponder boxes;
  f.Edit->SetSpinType(sptTime);
  for (const auto& c : cases) {
    f.Edit->SetIncrementHours(c.Hours);
    f.Edit->SetIncrementMinutes(c.Minutes);
    f.Edit->SetShowSeconds(c.Seconds);
    f.Put(c.Text, c.Caret);
    f.Press(c.Key);
    EXPECT_EQ(f.Edit->Text(), c.Stepped) << testing::PrintToString(String(c.Text)) << " at " << c.Caret;
  }
  EXPECT_TRUE(boxes.Boxes().empty()) << "no step raises";
}

TEST(AsgSpinEdit, LeavingWritesBackAClampedValueAndLeavesUnreadableTextAlone) {
  SpinLocale locale(CommaDecimalDMY);
  SpinEditForm f;
  f.Put(u"150", 3);
  f.Input.Key(VK_TAB);
  EXPECT_TRUE(f.Next->Focused());
  EXPECT_EQ(f.Edit->Text(), u"100");
  f.Edit->SetText(u"abc");
  f.Edit->SetFocus();
  f.Input.Key(VK_TAB);
  EXPECT_EQ(f.Edit->Text(), u"abc");
  EXPECT_EQ(f.Edit->Value(), 0) << "MinValue";

  f.Edit->SetSpinType(sptFloat);
  f.Edit->SetMinFloatValue(1.5);
  f.Edit->SetText(u"-3,25");
  f.Edit->SetFocus();
  f.Input.Key(VK_TAB);
  EXPECT_EQ(f.Edit->Text(), u"1,5");
}

TEST(AsgSpinEdit, EmptyTextReadsAsEachKindsFallback) {
  SpinLocale locale(CommaDecimalDMY);
  const TFixedNow now(EncodeDate(2021, 6, 15) + 0.5);
  TAsgSpinEdit edit(nullptr);
  edit.SetMinValue(5);
  edit.SetMinFloatValue(2.5);
  edit.SetMinDateValue(EncodeDate(2000, 1, 1));
  edit.SetText(u"");
  EXPECT_EQ(edit.Value(), 0);
  EXPECT_EQ(edit.FloatValue(), 2.5);
  EXPECT_EQ(edit.DateValue(), EncodeDate(2021, 6, 15) + 0.5);
  EXPECT_EQ(edit.TimeValue(), 0);
  edit.SetText(u"x");
  EXPECT_EQ(edit.Value(), 5);
  EXPECT_EQ(edit.DateValue(), EncodeDate(2000, 1, 1));
  edit.SetText(u"0");
  EXPECT_EQ(edit.DateValue(), EncodeDate(2021, 6, 15) + 0.5) << "\"0\" reads now as well";
}

TEST(AsgSpinEdit, TheKeypadDecimalKeyTypesTheLocaleSeparator) {
  SpinLocale locale(CommaDecimalDMY);
  SpinEditForm f;
  f.Edit->SetSpinType(sptFloat);
  f.Edit->SetExcelStyleDecimalSeparator(true);
  f.Put(u"1", 1);
  f.Input.Key(VK_OEM_PERIOD);
  EXPECT_EQ(f.Edit->Text(), u"1") << "the main key types \".\", refused here";
  EXPECT_EQ(f.Beeps.Take(), 1);
  f.Input.KeypadKey(VK_OEM_PERIOD);
  EXPECT_EQ(f.Edit->Text(), u"1,");
  f.Edit->SetExcelStyleDecimalSeparator(false);
  f.Put(u"1", 1);
  f.Input.KeypadKey(VK_OEM_PERIOD);
  EXPECT_EQ(f.Edit->Text(), u"1");
}

TEST(AsgSpinEdit, EnterMovesOnWithReturnIsTab) {
  SpinEditForm f;
  f.Input.Key(VK_RETURN);
  EXPECT_TRUE(f.Edit->Focused());
  f.Edit->SetReturnIsTab(true);
  f.Input.Key(VK_RETURN);
  EXPECT_TRUE(f.Next->Focused());
}

TEST(AsgSpinEdit, AStepOnAReadOnlyEditOnlyBeeps) {
  SpinEditForm f;
  f.Edit->SetReadOnly(true);
  f.Press(VK_UP);
  f.Input.Click(*f.Edit->Button()->UpButton());
  EXPECT_EQ(f.Edit->Text(), u"0");
  EXPECT_EQ(f.Beeps.Count(), 2);
}

TEST(AsgSpinEdit, AValueSetWhileLoadingIsWrittenByLoaded) {
  SpinLocale locale(CommaDecimalDMY);
  TAsgSpinEdit date(nullptr), time(nullptr);
  date.BeginLoading();
  date.SetSpinType(sptDate);
  date.SetDateValue(EncodeDate(2021, 3, 4));
  time.BeginLoading();
  time.SetSpinType(sptTime);
  time.SetTimeValue(EncodeTime(7, 5, 9, 0));
  time.SetShowSeconds(false);
  EXPECT_EQ(date.Text(), u"0");
  date.EndLoading();
  time.EndLoading();
  EXPECT_EQ(date.Text(), u"04.03.2021");
  EXPECT_EQ(time.Text(), u"7:05");
}

TEST(AsgSpinEdit, ThePairSitsInsideTheRightEdgeAndTheTextLeftOfIt) {
  SpinEditForm f;
  TAsgSpinButton& pair = *f.Edit->Button();
  EXPECT_EQ(pair.BoundsRect(), Rect(160 - 20 + 2, 2, 160 - 5 + 2, 24 - 5 + 2));
  TRect text;
  f.Edit->Perform(EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text));
  EXPECT_EQ(text.Right, 156 - 15 - 2);
  EXPECT_LE(text.Right + 2, pair.Left());
  f.Edit->SetDirection(spHorizontal);
  EXPECT_EQ(pair.Width(), 20);
  EXPECT_EQ(pair.Left(), 160 - 25 + 2) << "the layout is redone";
  f.Edit->SetHeight(4);
  EXPECT_EQ(f.Edit->Height(), f.Edit->GetMinHeight());
}

TEST(AsgSpinEdit, FreedWithItsFormOrAlone) {
  auto form = std::make_unique<TForm>(nullptr);
  auto* edit = new TAsgSpinEdit(form.get());
  edit->SetParent(form.get());
  form->Show();
  delete edit;
  new TAsgSpinEdit(form.get());
  form.reset();
}
}  // namespace
