// The date/time picker as a user meets it: the calendar dropping down, the
// arrows, typing into fields and moving between them, the check box; and
// what the parent hears of it.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/ComCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/sys/FormatSettings.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct PickerForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TDateTimePicker* Picker = new TDateTimePicker(Form.get());
  testsupport::SystemInputDriver Input;
  std::vector<std::string> Log;

  PickerForm() {
    Form->SetBounds(40, 40, 400, 300);
    Form->WindowProc = [this, old = Form->WindowProc](TMessage& m) {
      if (m.Msg == WM_NOTIFY) Log.push_back(NotifyName(*reinterpret_cast<const NMHDR*>(m.LParam)));
      old(m);
    };
    Picker->SetParent(Form.get());
    Picker->SetBounds(10, 10, 160, 24);
    Picker->SetFormat(u"dd.MM.yyyy");
    Picker->SetDate(EncodeDate(2024, 5, 17));
    Picker->OnChange = [this](TObject*) { Log.push_back("OnChange"); };
    Picker->OnDropDown = [this](TObject*) { Log.push_back("OnDropDown"); };
    Picker->OnCloseUp = [this](TObject*) { Log.push_back("OnCloseUp"); };
    Form->Show();
    Input.Pump();
  }
  static std::string NotifyName(const NMHDR& h) {
    if (h.code == DTN_DROPDOWN) return "DTN_DROPDOWN";
    if (h.code == DTN_CLOSEUP) return "DTN_CLOSEUP";
    if (h.code != DTN_DATETIMECHANGE) return "other";
    const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(h);
    return change.dwFlags == GDT_NONE ? "DTN_DATETIMECHANGE none" : "DTN_DATETIMECHANGE";
  }
  TPoint Button(int dy = 0) const { return Point(Picker->Width() - 8, Picker->Height() / 2 + dy); }
  String Shown() const { return FormatDateTime(u"dd.mm.yyyy", Picker->Date()); }
};

TEST(DateTimePicker, DigitsFillTheFieldAndRightArrowsAdvance) {
  PickerForm f;
  f.Picker->SetFocus();
  f.Input.Type(u"1");
  EXPECT_EQ(f.Shown(), u"01.05.2024");
  EXPECT_EQ(f.Log, (std::vector<std::string>{"DTN_DATETIMECHANGE", "OnChange"}));
  f.Input.Type(u"2");
  EXPECT_EQ(f.Shown(), u"12.05.2024");
  f.Input.Type(u"3");
  EXPECT_EQ(f.Shown(), u"03.05.2024") << "a full field starts again; the caret stays";
  f.Input.Key(VK_RIGHT);
  f.Input.Type(u"3");
  EXPECT_EQ(f.Shown(), u"03.03.2024");
  // What a picker does to advance by itself: a key-down posted to its own window.
  PostMessage(f.Picker->Handle(), WM_KEYDOWN, VK_RIGHT, 0);
  f.Input.Pump();
  f.Input.Type(u"202");
  EXPECT_EQ(f.Shown(), u"03.03.2024") << "a year changes when it is complete";
  f.Input.Type(u"5");
  EXPECT_EQ(f.Shown(), u"03.03.2025");
  f.Input.Key(VK_RIGHT);
  f.Input.Type(u"9");
  EXPECT_EQ(f.Shown(), u"09.03.2025") << "from the last field Right goes round to the first";
  f.Input.Key(VK_LEFT);
  f.Input.Type(u"1999");
  EXPECT_EQ(f.Shown(), u"09.03.1999");
}

TEST(DateTimePicker, TimeFieldsWithAmPm) {
  PickerForm f;
  f.Picker->SetKind(dtkTime);
  f.Picker->SetFormat(u"hh:mm tt");
  f.Picker->SetTime(EncodeTime(15, 30, 0, 0));
  f.Picker->SetFocus();
  f.Input.Type(u"4");
  EXPECT_EQ(FormatDateTime(u"hh:nn", f.Picker->Time()), u"16:30") << "the afternoon is kept";
  f.Input.Key(VK_RIGHT);
  f.Input.Type(u"05");
  EXPECT_EQ(FormatDateTime(u"hh:nn", f.Picker->Time()), u"16:05");
  EXPECT_FALSE(f.Picker->DroppedDown());
}

TEST(DateTimePicker, TheCalendarDropsDownAndClosesOnEscape) {
  PickerForm f;
  f.Input.Click(*f.Picker, f.Button());
  EXPECT_TRUE(f.Picker->DroppedDown());
  TRect popup;
  EXPECT_TRUE(f.Input.PopupRect(popup)) << "the calendar is open";
  f.Input.Key(VK_ESCAPE);
  EXPECT_FALSE(f.Picker->DroppedDown());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"DTN_DROPDOWN", "OnDropDown", "DTN_CLOSEUP", "OnCloseUp"}));
  EXPECT_EQ(f.Shown(), u"17.05.2024");
}

TEST(DateTimePicker, UpDownArrowsStepTheFieldAndDropNothing) {
  PickerForm f;
  f.Picker->SetDateMode(dmUpDown);
  f.Picker->SetFocus();
  f.Input.Click(*f.Picker, f.Button(-5));
  EXPECT_FALSE(f.Picker->DroppedDown());
  EXPECT_EQ(f.Shown(), u"18.05.2024");
  EXPECT_EQ(f.Log, (std::vector<std::string>{"DTN_DATETIMECHANGE", "OnChange"}));
}

TEST(DateTimePicker, TheCheckBoxSaysWhetherADateIsSet) {
  PickerForm f;
  f.Picker->SetShowCheckbox(true);
  EXPECT_TRUE(f.Picker->Checked());
  f.Input.Click(*f.Picker, Point(9, f.Picker->Height() / 2));
  EXPECT_FALSE(f.Picker->Checked());
  SYSTEMTIME st;
  EXPECT_EQ(f.Picker->Perform(DTM_GETSYSTEMTIME, 0, reinterpret_cast<LPARAM>(&st)), GDT_NONE);
  EXPECT_EQ(st.wYear, 2024) << "the value stays";
  f.Input.Click(*f.Picker, Point(9, f.Picker->Height() / 2));
  EXPECT_TRUE(f.Picker->Checked());
  EXPECT_EQ(f.Log, (std::vector<std::string>{"DTN_DATETIMECHANGE none", "OnChange", "DTN_DATETIMECHANGE", "OnChange"}));

  f.Log.clear();
  EXPECT_EQ(f.Picker->Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0), 1);
  EXPECT_FALSE(f.Picker->Checked());
  st.wMonth = 13;
  EXPECT_EQ(f.Picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)), 0);
  EXPECT_FALSE(f.Picker->Checked()) << "a date that does not exist is refused";
  st.wMonth = 2;
  EXPECT_EQ(f.Picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st)), 1);
  EXPECT_TRUE(f.Picker->Checked());
  EXPECT_EQ(f.Shown(), u"17.02.2024");
  EXPECT_TRUE(f.Log.empty()) << "changes made in code";
}

TEST(DateTimePicker, WithoutACheckBoxNoDateCannotBeSet) {
  PickerForm f;
  EXPECT_EQ(f.Picker->Perform(DTM_SETSYSTEMTIME, GDT_NONE, 0), 0);
  EXPECT_TRUE(f.Picker->Checked());
}
TEST(DateTimePicker, WithoutAFormatTheLocalesShortDateOrderIsTyped) {
  const struct {
    const char16_t* ShortDate;
    Char Separator;
    const char16_t* Native;
    const char16_t* Fields[3];  // typed field by field, left to right
  } cases[] = {
      {u"dd/mm/yyyy", u'.', u"dd.MM.yyyy", {u"03", u"04", u"2025"}},
      {u"M/d/yyyy", u'/', u"M/d/yyyy", {u"4", u"3", u"2025"}},
      {u"yyyy-MM-dd", u'-', u"yyyy-MM-dd", {u"2025", u"04", u"03"}},
  };
  for (const auto& c : cases) {
    TFormatSettingsGuard guard;
    FormatSettings.ShortDateFormat = c.ShortDate;
    FormatSettings.DateSeparator = c.Separator;
    EXPECT_EQ(PickerShortDateFormat(), c.Native);
    PickerForm f;
    f.Picker->SetFormat(u"");
    f.Picker->SetFocus();
    for (const char16_t* field : c.Fields) {
      f.Input.Type(field);
      f.Input.Key(VK_RIGHT);
    }
    EXPECT_EQ(f.Shown(), u"03.04.2025") << StringToUtf8(c.Native);
  }
}

// Records every value written in code.
struct WritingPicker : TDateTimePicker {
  using TDateTimePicker::TDateTimePicker;
  std::vector<std::pair<TDateTime, bool>> Written;
  void WriteValue(TDateTime Value, bool IsChecked) override {
    TDateTimePicker::WriteValue(Value, IsChecked);
    Written.emplace_back(Value, IsChecked);
  }
};

TEST(DateTimePicker, ValuesAndTheCheckBoxSetInCodeAreWrittenThroughOneOperation) {
  TForm form(nullptr);
  auto* picker = new WritingPicker(&form);
  picker->SetParent(&form);
  picker->SetShowCheckbox(true);
  const TDateTime day = EncodeDate(2024, 5, 17);
  picker->SetDateTime(day);
  picker->SetChecked(false);
  SYSTEMTIME st = DateTimeToSystemTime(day + 1);
  picker->Perform(DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
  using W = std::pair<TDateTime, bool>;
  EXPECT_EQ(picker->Written, (std::vector<W>{{day, true}, {day, false}, {day + 1, true}}));
  EXPECT_TRUE(picker->Checked());
}
}  // namespace
