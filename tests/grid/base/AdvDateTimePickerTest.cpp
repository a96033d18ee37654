// The date/time picker with a label and a time part, as a user meets it:
// typing with AutoTab in each date order, the check box, keys in the time
// part, clicks on the label; and what its value setters keep.
#include "grid/base/AdvDateTimePicker.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gui/Forms.h"
#include "platform/sys/FormatSettings.h"
#include "tests/grid/base/Locale.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct PickerForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Edit = new TEdit(Form.get());
  TAdvDateTimePicker* Picker;
  testsupport::SystemInputDriver Input;

  PickerForm() {
    Form->SetBounds(40, 40, 420, 200);
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 150, 100, 22);
    Picker = new TAdvDateTimePicker(Form.get());
    Picker->SetParent(Form.get());
    Picker->SetBounds(120, 40, 220, 24);
    Picker->SetDateTime(EncodeDate(2024, 5, 17) + EncodeTime(10, 20, 30, 0));
    Form->Show();
    Input.Pump();
  }
  // One key at a time, as a person types: what each key posts is handled before the next.
  void TypeDigits(const String& Digits) {
    for (Char c : Digits) Input.Type(String(1, c));
  }
  String Shown() const { return FormatDateTime(u"dd.mm.yyyy hh:nn:ss", Picker->DateTime()); }
};

TEST(AdvDateTimePicker, KindCreatesAndFreesTheTimePartAndTimeReadsTheRightOne) {
  PickerForm f;
  TCustomDateTimePicker* part = f.Picker->TimePicker();
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->Parent(), f.Picker);
  EXPECT_TRUE(part->Visible());
  EXPECT_EQ(part->Kind(), dtkTime);
  EXPECT_LE(part->BoundsRect().Right, f.Picker->Width()) << "inside the picker's right part";
  EXPECT_GT(part->Left(), f.Picker->Width() / 3);

  f.Picker->SetKind(dkTime);
  EXPECT_EQ(f.Picker->TimePicker(), nullptr) << "freed at once";
  f.Picker->SetTime(EncodeTime(8, 15, 0, 0));
  EXPECT_EQ(FormatDateTime(u"hh:nn", f.Picker->Time()), u"08:15") << "its own time";
  EXPECT_EQ(f.Picker->TDateTimePicker::Kind(), dtkTime);

  f.Picker->SetKind(dkDateTime);
  ASSERT_NE(f.Picker->TimePicker(), nullptr) << "a new time part";
  f.Picker->TimePicker()->SetTime(EncodeTime(23, 5, 0, 0));
  EXPECT_EQ(FormatDateTime(u"hh:nn", f.Picker->Time()), u"23:05") << "the time part's time";
  EXPECT_EQ(FormatDateTime(u"hh:nn", f.Picker->DateTime()), u"23:05");
}

TEST(AdvDateTimePicker, ValueSettersDropMillisecondsAndKeepTheTimeOfDay) {
  PickerForm f;
  f.Picker->SetDateTime(EncodeDate(2023, 1, 2) + EncodeTime(13, 14, 15, 500));
  EXPECT_EQ(f.Picker->DateTime(), EncodeDate(2023, 1, 2) + EncodeTime(13, 14, 15, 0));
  EXPECT_EQ(FormatDateTime(u"hh:nn:ss.zzz", f.Picker->TimePicker()->Time()), u"13:14:15.000");
  EXPECT_EQ(f.Picker->TimePicker()->Text(), u"13:14:15");
  f.Picker->SetDate(EncodeDate(2030, 12, 31) + 0.75);
  EXPECT_EQ(f.Shown(), u"31.12.2030 13:14:15") << "the date alone changes";
  f.Picker->SetTime(EncodeTime(6, 7, 8, 0));
  EXPECT_EQ(f.Shown(), u"31.12.2030 06:07:08") << "a time set in code reaches the time part";
  EXPECT_EQ(f.Picker->TimePicker()->Text(), u"06:07:08");
}

// Typing a date field by field with AutoTab: where the caret and the focus go.
struct AutoTabCase {
  const char* Name;
  TestLocale Locale;
  const char16_t* Format;
  const char16_t* Fields[3];  // the digits typed, left to right
};

TEST(AdvDateTimePicker, DateAutoTabMovesFieldByFieldThenIntoTheTimePart) {
  const AutoTabCase cases[] = {
      {"format ending in the year", CommaDecimalDMY, u"dd/MM/yyyy", {u"03", u"04", u"2025"}},
      {"format ending in the day", CommaDecimalDMY, u"yyyy/MM/dd", {u"2025", u"04", u"03"}},
      {"day-first locale", CommaDecimalDMY, u"", {u"03", u"04", u"2025"}},
      {"month-first locale", PointDecimalMDY, u"", {u"4", u"3", u"2025"}},
      {"year-first locale", CommaDecimalYMD, u"", {u"2025", u"04", u"03"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Name);
    ScopedLocale locale(c.Locale);
    PickerForm f;
    f.Picker->SetFormat(c.Format);
    f.Picker->SetAutoTab(true);
    f.Picker->SetFocus();
    f.TypeDigits(c.Fields[0]);
    f.TypeDigits(c.Fields[1]);
    EXPECT_TRUE(f.Picker->Focused()) << "still in the date";
    f.TypeDigits(c.Fields[2]);
    EXPECT_EQ(f.Shown(), u"03.04.2025 10:20:30");
    EXPECT_TRUE(f.Picker->TimePicker()->Focused()) << "the last field moved on to the time part";
    f.Input.Type(u"7");
    EXPECT_EQ(f.Shown(), u"03.04.2025 07:20:30");
  }
}

TEST(AdvDateTimePicker, TheCheckBoxCouplesTheTimePart) {
  PickerForm f;
  f.Picker->SetShowCheckbox(true);
  TCustomDateTimePicker* part = f.Picker->TimePicker();
  f.Picker->SetDateTime(EncodeDate(2024, 6, 1));
  const TPoint box = Point(9, f.Picker->Height() / 2);
  f.Input.Click(*f.Picker, box);
  EXPECT_FALSE(f.Picker->Checked());
  EXPECT_FALSE(part->Enabled()) << "a click after a value set in code still counts";
  f.Input.Click(*f.Picker, box);
  EXPECT_TRUE(part->Enabled());
  f.Picker->SetChecked(false);
  EXPECT_FALSE(part->Enabled()) << "a state written in code";
  SYSTEMTIME st = DateTimeToSystemTime(EncodeDate(2024, 6, 2));
  f.Picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  EXPECT_TRUE(part->Enabled());
  f.Picker->Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0);
  EXPECT_FALSE(part->Enabled());
  f.Picker->SetEnabled(false);
  f.Picker->SetChecked(true);
  EXPECT_FALSE(part->Enabled()) << "a disabled picker keeps its time part disabled";
  f.Picker->SetEnabled(true);
  EXPECT_TRUE(part->Enabled());
}

TEST(AdvDateTimePicker, KeysInTheTimePartReachThePickersKeyDownAndItsChangeEvents) {
  PickerForm f;
  std::vector<TObject*> keySenders, changes, timeChanges;
  WORD lastKey = 0;
  f.Picker->OnKeyDown = [&](TObject* Sender, WORD& Key, TShiftState) {
    keySenders.push_back(Sender);
    lastKey = Key;
  };
  f.Picker->OnChange = [&](TObject* Sender) { changes.push_back(Sender); };
  f.Picker->OnTimeChange = [&](TObject* Sender) { timeChanges.push_back(Sender); };
  TCustomDateTimePicker* part = f.Picker->TimePicker();
  f.Input.Click(*part, Point(8, part->Height() / 2));
  ASSERT_TRUE(part->Focused());
  f.Input.Key(VK_UP);
  EXPECT_EQ(keySenders, std::vector<TObject*>{f.Picker});
  EXPECT_EQ(lastKey, VK_UP);
  EXPECT_EQ(f.Shown(), u"17.05.2024 11:20:30");
  EXPECT_EQ(changes, std::vector<TObject*>{f.Picker});
  EXPECT_EQ(timeChanges, std::vector<TObject*>{f.Picker});
}

TEST(AdvDateTimePicker, TheLabelClicksForThePickerAndTurnsBoldWithTheFocus) {
  PickerForm f;
  std::vector<TObject*> clicks, doubleClicks;
  f.Picker->OnLabelClick = [&](TObject* Sender) { clicks.push_back(Sender); };
  f.Picker->OnLabelDblClick = [&](TObject* Sender) { doubleClicks.push_back(Sender); };
  f.Picker->SetFocusLabel(true);
  f.Picker->SetLabelCaption(u"Start");
  TLabel* label = f.Picker->PickerLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), f.Form.get());
  EXPECT_EQ(label->Left() + label->Width() + 4, 120);
  EXPECT_EQ(label->Top(), 40);

  f.Input.Click(*label, Point(2, 2));
  EXPECT_EQ(clicks, std::vector<TObject*>{f.Picker});
  // The toolkit's double click on a label arrives as two clicks: the label is told directly.
  label->Perform(WM_LBUTTONDBLCLK, MK_LBUTTON, MakeLParam(2, 2));
  label->Perform(WM_LBUTTONUP, 0, MakeLParam(2, 2));
  EXPECT_EQ(doubleClicks, std::vector<TObject*>{f.Picker});

  f.Edit->SetFocus();
  f.Input.Pump();
  EXPECT_FALSE(label->Font()->Style().Contains(fsBold));
  f.Picker->SetFocus();
  f.Input.Pump();
  EXPECT_TRUE(label->Font()->Style().Contains(fsBold));
  EXPECT_EQ(label->Left() + label->Width() + 4, 120) << "placed again when bold";
  f.Edit->SetFocus();
  f.Input.Pump();
  EXPECT_FALSE(label->Font()->Style().Contains(fsBold));

  f.Picker->SetBounds(150, 80, 220, 24);
  EXPECT_EQ(label->Top(), 80);
  f.Picker->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  f.Picker->SetLabelAlwaysEnabled(true);
  EXPECT_TRUE(label->Enabled());
  f.Picker->SetVisible(false);
  EXPECT_FALSE(label->Visible());
}

TEST(AdvDateTimePicker, FreedWithItsFormOrAlone) {
  {
    PickerForm f;
    f.Picker->SetLabelCaption(u"End");
  }
  PickerForm f;
  f.Picker->SetLabelCaption(u"End");
  const int controls = f.Form->ControlCount();
  delete f.Picker;
  EXPECT_EQ(f.Form->ControlCount(), controls - 2) << "the label went with it";
  f.Input.Pump();
}

TEST(AdvDateTimePicker, ALoadingBracketDefersTheTimePartsFate) {
  TForm form(nullptr);
  auto* picker = new TAdvDateTimePicker(&form);
  picker->SetParent(&form);
  picker->BeginLoading();
  picker->SetKind(dkDate);
  EXPECT_NE(picker->TimePicker(), nullptr) << "kept while loading";
  picker->SetShowCheckbox(true);
  picker->SetChecked(false);
  picker->SetKind(dkDateTime);
  picker->EndLoading();
  ASSERT_NE(picker->TimePicker(), nullptr);
  EXPECT_FALSE(picker->TimePicker()->Enabled()) << "no date set";
  picker->BeginLoading();
  picker->SetKind(dkDate);
  picker->EndLoading();
  EXPECT_EQ(picker->TimePicker(), nullptr);
}
}  // namespace
