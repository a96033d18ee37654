// Typing into the drop-down edit as a user does: keys go through the
// input path into the native edit, the clipboard is the desktop's.
// States are written as the whole edit text with "|" for the caret and
// "[...]" for a selection.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "grid/dropdown/AdvCustomDropDown.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/Forms.h"
#include "platform/sys/FormatSettings.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"

namespace {
using Prepare = std::function<void(TAdvCustomDropDown&)>;

std::string Narrow(const String& s) { return std::string(s.begin(), s.end()); }

// "1.5" written for the locale: "." decimal and "," thousands, or the reverse.
String Localized(String s, bool Reversed) {
  if (!Reversed) return s;
  for (Char& c : s) c = c == u'.' ? u',' : c == u',' ? u'.' : c;
  return s;
}

struct TypedEdit {
  TFormatSettingsGuard Locale;
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Other = new TEdit(Form.get());
  TAdvCustomDropDown* Drop = new TAdvCustomDropDown(Form.get());
  testsupport::InputDriver Input;
  int Changes = 0;

  explicit TypedEdit(bool Reversed = false) {
    FormatSettings.ThousandSeparator = Reversed ? u'.' : u',';
    FormatSettings.DecimalSeparator = Reversed ? u',' : u'.';
    Form->SetBounds(40, 40, 400, 200);
    Other->SetParent(Form.get());
    Other->SetBounds(10, 10, 100, 24);
    Drop->SetParent(Form.get());
    Drop->SetBounds(10, 50, 200, 24);
    Drop->SetAutoSelect(false);
    Drop->OnChange = [this](TObject*) { ++Changes; };
    Form->Show();
    Drop->SetFocus();
    Input.Pump();
  }
  // The edit shows State ("|" and "[...]" marks taken out), caret and selection placed.
  void Start(const String& State) {
    String text;
    int start = -1, end = -1;
    for (Char c : State) {
      if (c == u'|' || c == u'[') start = static_cast<int>(text.size());
      if (c == u'|' || c == u']') end = static_cast<int>(text.size());
      if (c != u'|' && c != u'[' && c != u']') text += c;
    }
    Drop->SetPlainText(text);
    Drop->Perform(EM_SETSEL, static_cast<WPARAM>(start), end);
    Changes = 0;
  }
  String State() const {
    String s = Drop->TMaskEdit::Text();
    const auto start = static_cast<size_t>(Drop->SelStart()), length = static_cast<size_t>(Drop->SelLength());
    if (length == 0) return s.insert(start, u"|");
    s.insert(start + length, u"]");
    return s.insert(start, u"[");
  }
};

// ---- the character filter

struct CharCase {
  std::string Name;
  TDropDownEditType Kind;
  Prepare Set;
  String From;
  String Typed;
  String To;
  bool Localize = true;  // "." and "," swap with the locale
};

const std::vector<CharCase>& CharCases() {
  const Prepare none = [](TAdvCustomDropDown&) {};
  const Prepare sign = [](TAdvCustomDropDown& d) { d.SetSigned(true); };
  const Prepare two = [](TAdvCustomDropDown& d) { d.SetPrecision(2); };
  const Prepare signTwo = [](TAdvCustomDropDown& d) {
    d.SetSigned(true);
    d.SetPrecision(2);
  };
  static const std::vector<CharCase> cases = {
      {"numeric: digits only", etNumeric, none, u"1|", u"2a.x3", u"123|"},
      {"numeric: minus toggles at the end", etNumeric, sign, u"12|3", u"-", u"-12|3"},
      {"numeric: minus toggles back", etNumeric, sign, u"-12|3", u"-", u"12|3"},
      {"numeric: minus at the start", etNumeric, sign, u"|123", u"--", u"|123"},
      {"numeric: minus over the whole value", etNumeric, sign, u"[123]", u"-", u"-|"},
      {"numeric: unsigned refuses minus", etNumeric, none, u"12|", u"-", u"12|"},
      {"float: a digit after the second decimal overwrites", etFloat, two, u"1.|25", u"7", u"1.7|5"},
      {"float: a digit at the end is refused", etFloat, two, u"1.25|", u"7", u"1.25|"},
      {"float: a second separator jumps behind the first", etFloat, two, u"1|.25", u".", u"1.|25"},
      {"float: a separator into nothing gives 0.", etFloat, two, u"|", u".5", u"0.5|"},
      {"float: decimals before the separator", etFloat, two, u"1|.25", u"9", u"19|.25"},
      {"float: a separator three digits after the thousands", etFloat, two, u"1,234|", u".5", u"1,234.5|"},
      {"float: no separator next to the thousands", etFloat, two, u"1,23|4", u".", u"1,23|4"},
      {"float: without precision no separator", etFloat, none, u"12|", u".", u"12|"},
      {"float: minus toggles", etFloat, signTwo, u"1.2|5", u"-", u"-1.2|5"},
      {"float: unsigned refuses minus", etFloat, two, u"1.2|5", u"-", u"1.2|5"},
      {"money: 1234 grouped, the caret after the 4", etMoney, none, u"|", u"1234", u"1,234|"},
      {"money: grouping follows", etMoney, none, u"1,234|", u"56", u"123,456|"},
      {"money: regrouped before the caret", etMoney, none, u"|1,234", u"9", u"9|1,234"},
      {"money: the separator once, the caret jumps", etMoney, two, u"1|.5", u".", u"1.|5"},
      {"money: letters refused", etMoney, none, u"12|", u"a,", u"12|"},
      {"range: lists and ranges", etRange, none, u"|", u"1-5,7;9", u"1-5,7;9|", false},
      {"range: no separator after a separator", etRange, none, u"1,|", u",;-", u"1,|", false},
      {"range: no separator before a separator", etRange, none, u"1|,2", u"-", u"1|,2", false},
      {"range: no leading separator", etRange, none, u"|", u",-", u"|", false},
      {"hex", etHex, none, u"|", u"1aG-F.z", u"1a-F|"},
      {"alphanumeric", etAlphaNumeric, none, u"|", u"a1-Z_.9", u"a1Z9|"},
      {"valid characters", etValidChars, [](TAdvCustomDropDown& d) { d.SetValidChars(u"xy."); }, u"|",
       u"xaz.y", u"x.y|", false},
      {"upper case", etUppercase, none, u"a|", u"bC", u"aBC|"},
      {"lower case", etLowerCase, none, u"A|", u"Bc", u"Abc|"},
      {"mixed case", etMixedCase, none, u"|", u"ab cd", u"Ab Cd|"},
      {"mixed case keeps the caret", etMixedCase, none, u"ab| d", u"x", u"Abx| D"},
      {"password", etPassword, none, u"|", u"a-1", u"a-1|"},
      {"length limit", etNumeric, [](TAdvCustomDropDown& d) { d.SetLengthLimit(3); }, u"12|", u"345", u"123|"},
      {"length limit: the sign does not count", etNumeric,
       [](TAdvCustomDropDown& d) {
         d.SetSigned(true);
         d.SetLengthLimit(2);
       },
       u"-1|", u"23", u"-12|"},
      {"length limit: decimals go on", etFloat,
       [](TAdvCustomDropDown& d) {
         d.SetPrecision(2);
         d.SetLengthLimit(2);
       },
       u"12|", u"3.45", u"12.45|"},
  };
  return cases;
}

void TypeCase(const CharCase& c, bool Reversed, bool System) {
  SCOPED_TRACE(c.Name + (Reversed ? " (1.234,5)" : " (1,234.5)") + (System ? " by the system's input" : ""));
  TypedEdit f(Reversed);
  f.Drop->SetEditType(c.Kind);
  c.Set(*f.Drop);
  const bool swap = Reversed && c.Localize;
  f.Start(Localized(c.From, swap));
  if (System) {
    testsupport::SystemInputDriver input;
    input.Type(Localized(c.Typed, swap));
  } else {
    f.Input.Type(Localized(c.Typed, swap));
  }
  EXPECT_EQ(Narrow(f.State()), Narrow(Localized(c.To, swap)));
}

TEST(DropDownTypedEntry, EachKindTakesItsCharactersWithBothSeparatorOrders) {
  for (const bool reversed : {false, true})
    for (const CharCase& c : CharCases()) TypeCase(c, reversed, false);
}

TEST(DropDownTypedEntry, RowsTypedThroughTheWindowSystem) {
  for (const CharCase& c : CharCases())
    if (c.Kind == etFloat || c.Kind == etMoney || c.Name.starts_with("numeric: minus toggles at")) TypeCase(c, true, true);
}

TEST(DropDownTypedEntry, MoneyGroupingSwallowsItsOwnChangeOnly) {
  TypedEdit f;
  f.Drop->SetEditType(etMoney);
  f.Start(u"|");
  f.Input.Type(u"1234");
  EXPECT_EQ(Narrow(f.State()), "1,234|");
  EXPECT_EQ(f.Changes, 4) << "one per key: the grouping's own change is swallowed";
  f.Input.Type(u"5");
  EXPECT_EQ(Narrow(f.State()), "12,345|");
  EXPECT_EQ(f.Changes, 5);
}

TEST(DropDownTypedEntry, TypingOverTheWholeValueReportsOneChange) {
  for (const WORD key : {WORD('7'), WORD(VK_BACK)}) {
    TypedEdit f;
    f.Start(u"[abc]");
    f.Input.Key(key);
    EXPECT_EQ(f.Changes, 1) << key;
    EXPECT_EQ(f.Drop->Text(), key == VK_BACK ? u"" : u"7");
  }
}

TEST(DropDownTypedEntry, TheKeypadDecimalKeyTypesTheLocaleSeparator) {
  for (const bool excel : {false, true}) {
    TypedEdit f(true);
    f.Drop->SetEditType(etFloat);
    f.Drop->SetPrecision(2);
    f.Drop->SetExcelStyleDecimalSeparator(excel);
    f.Start(u"12|");
    testsupport::SystemInputDriver input;
    input.KeypadKey(VK_OEM_PERIOD);
    EXPECT_EQ(Narrow(f.State()), excel ? "12,|" : "12.|") << "without the switch the keypad types its own '.'";
  }
}

TEST(DropDownTypedEntry, NothingIsTypedWithTheEditorDisabledOrAPasswordUndone) {
  TypedEdit f;
  f.Drop->SetEditorEnabled(false);
  f.Start(u"ab|");
  f.Input.Type(u"cd");
  EXPECT_EQ(f.Drop->Text(), u"ab");
  f.Drop->SetEditorEnabled(true);
  EXPECT_TRUE(f.Drop->CanUndo());
  f.Drop->SetEditType(etPassword);
  EXPECT_FALSE(f.Drop->CanUndo());
  EXPECT_EQ(f.Drop->PasswordChar(), u'*');
  f.Drop->SetEditType(etString);
  EXPECT_EQ(f.Drop->PasswordChar(), 0);
}

// ---- the caret between prefix and suffix

TEST(DropDownTypedEntry, TheCaretStaysBetweenPrefixAndSuffix) {
  const struct {
    std::string Name;
    WORD Key;
    TShiftState Shift;
    String From;
    String To;
  } cases[] = {
      {"Home", VK_HOME, {}, u"$ ab|c %", u"$ |abc %"},
      {"Shift+Home selects the value", VK_HOME, {ssShift}, u"$ ab|c %", u"$ [abc] %"},
      {"End stops before the suffix", VK_END, {}, u"$ |abc %", u"$ abc| %"},
      {"Shift+End", VK_END, {ssShift}, u"$ a|bc %", u"$ a[bc] %"},
      {"Left at the value's start", VK_LEFT, {}, u"$ |abc %", u"$ |abc %"},
      {"Left inside", VK_LEFT, {}, u"$ a|bc %", u"$ |abc %"},
      {"Right at the value's end", VK_RIGHT, {}, u"$ abc| %", u"$ abc| %"},
      {"Right inside", VK_RIGHT, {}, u"$ ab|c %", u"$ abc| %"},
      {"Backspace at the value's start", VK_BACK, {}, u"$ |abc %", u"$ |abc %"},
      {"Backspace after the first character", VK_BACK, {}, u"$ a|bc %", u"$ |bc %"},
      {"Delete at the value's end", VK_DELETE, {}, u"$ abc| %", u"$ abc| %"},
      {"Delete inside", VK_DELETE, {}, u"$ ab|c %", u"$ ab| %"},
      {"Delete of a selection reaching the end", VK_DELETE, {}, u"$ a[bc] %", u"$ a| %"},
  };
  for (const auto& c : cases) {
    TypedEdit f;
    f.Drop->SetPrefix(u"$ ");
    f.Drop->SetSuffix(u" %");
    f.Start(c.From);
    f.Input.Key(c.Key, c.Shift);
    EXPECT_EQ(Narrow(f.State()), Narrow(c.To)) << c.Name;
  }
}

TEST(DropDownTypedEntry, AClickKeepsTheSelectionOffPrefixAndSuffix) {
  TypedEdit f;
  f.Drop->SetPrefix(u"$ ");
  f.Drop->SetSuffix(u" %");
  f.Drop->SetText(u"abc");
  testsupport::SystemInputDriver input;
  auto at = [&](int Char) {
    const LRESULT p = f.Drop->Perform(EM_POSFROMCHAR, static_cast<WPARAM>(Char), 0);
    return Point(GetXLParam(p) + 1, f.Drop->ClientHeight() / 2);
  };
  input.Click(*f.Drop, at(0));
  EXPECT_EQ(Narrow(f.State()), "$ [abc] %") << "a click into the prefix selects the value";
  f.Start(u"$ a|bc %");
  input.Click(*f.Drop, at(6));
  EXPECT_EQ(Narrow(f.State()), "$ abc| %") << "a click into the suffix stops before it";
  f.Start(u"$ a|bc %");
  input.Click(*f.Drop, at(6), {ssShift});
  EXPECT_EQ(Narrow(f.State()), "$ a[bc] %") << "a selection into the suffix ends before it";
}

TEST(DropDownTypedEntry, DeleteKeepsLengthLimitAndRegroupsMoney) {
  TypedEdit f;
  f.Drop->SetEditType(etMoney);
  f.Start(u"1,|234");
  f.Input.Key(VK_DELETE);
  EXPECT_EQ(Narrow(f.State()), "1|34");
  f.Drop->SetEditType(etFloat);
  f.Drop->SetLengthLimit(3);
  f.Start(u"12|.345");
  f.Input.Key(VK_DELETE);
  EXPECT_EQ(Narrow(f.State()), "12|.345") << "the decimals would join the integer part";
}

// ---- the clipboard, the desktop's own

struct DesktopClipboard {
  TClipboardService* Test = &ClipboardService();
  DesktopClipboard() { SetClipboardService(nullptr); }
  ~DesktopClipboard() {
    ClipboardClear();
    SetClipboardService(Test);
  }
};

TEST(DropDownTypedEntry, PastedTextIsCheckedByKind) {
  const struct {
    std::string Name;
    TDropDownEditType Kind;
    Prepare Set;
    String From;
    String Clip;
    String To;
  } cases[] = {
      {"string", etString, {}, u"a|b", u"xy", u"axy|b"},
      {"string over a selection selects it", etString, {}, u"[ab]c", u"xy", u"[xy]c"},
      {"upper case", etUppercase, {}, u"A|", u"bc", u"ABC|"},
      {"mixed case", etMixedCase, {}, u"|", u"ab cd", u"Ab Cd|"},
      {"hex pastes nothing", etHex, {}, u"1|", u"F", u"1|"},
      {"range pastes nothing", etRange, {}, u"1|", u",2", u"1|"},
      {"numeric", etNumeric, {}, u"1|", u"23", u"123|"},
      {"numeric: unsigned refuses a minus", etNumeric, {}, u"|1", u"-", u"|1"},
      {"numeric: signed takes it", etNumeric, [](TAdvCustomDropDown& d) { d.SetSigned(true); }, u"|1", u"-",
       u"-|1"},
      {"numeric: a minus inside is no number", etNumeric, [](TAdvCustomDropDown& d) { d.SetSigned(true); },
       u"1|", u"-2", u"1|"},
      {"numeric: no decimals", etNumeric, {}, u"1|", u".5", u"1|"},
      {"float without precision: no decimals", etFloat, {}, u"1|", u".5", u"1|"},
      {"float with precision: formatted", etFloat, [](TAdvCustomDropDown& d) { d.SetPrecision(2); }, u"|",
       u"3.5", u"3.5|0"},
      {"float: letters refused", etFloat, [](TAdvCustomDropDown& d) { d.SetPrecision(2); }, u"1|.00", u"x",
       u"1|.00"},
      {"alphanumeric", etAlphaNumeric, {}, u"a|", u"b-1", u"a|"},
      {"valid characters", etValidChars, [](TAdvCustomDropDown& d) { d.SetValidChars(u"xy"); }, u"x|", u"yx",
       u"xyx|"},
  };
  DesktopClipboard clipboard;
  for (const auto& c : cases) {
    TypedEdit f;
    f.Drop->SetEditType(c.Kind);
    if (c.Set) c.Set(*f.Drop);
    f.Start(c.From);
    ClipboardSetAsText(c.Clip);
    f.Input.Key('V', {ssCtrl});
    EXPECT_EQ(Narrow(f.State()), Narrow(c.To)) << c.Name;
  }
}

TEST(DropDownTypedEntry, PasteLimitsVetoAndAnEditorThatTakesNoTyping) {
  DesktopClipboard clipboard;
  TypedEdit f;
  ClipboardSetAsText(u"cd");
  f.Drop->SetMaxLength(3);
  f.Start(u"ab|");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Drop->Text(), u"ab") << "too long";
  f.Start(u"[a]b");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Drop->Text(), u"cdb") << "the selection makes room";

  f.Drop->SetMaxLength(0);
  String offered;
  f.Drop->OnClipboardPaste = [&](TObject*, const String& V, bool& Allow) {
    offered = V;
    Allow = false;
  };
  f.Start(u"x|y");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(offered, u"xcdy");
  EXPECT_EQ(f.Drop->Text(), u"xy");

  f.Drop->OnClipboardPaste = nullptr;
  f.Drop->SetEditorEnabled(false);
  f.Start(u"x|");
  f.Input.Type(u"z");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Drop->Text(), u"xcd") << "pasting, not typing";
  f.Drop->SetReadOnly(true);
  f.Start(u"x|");
  f.Input.Key('V', {ssCtrl});
  EXPECT_EQ(f.Drop->Text(), u"x");
}

TEST(DropDownTypedEntry, CutAndCopyHandTheSelectedValueToTheirEvents) {
  DesktopClipboard clipboard;
  TypedEdit f;
  f.Drop->SetPrefix(u"$ ");
  String copied, cut;
  bool allow = true;
  f.Drop->OnClipboardCopy = [&](TObject*, const String& V, bool& Allow) {
    copied = V;
    Allow = allow;
  };
  f.Drop->OnClipboardCut = [&](TObject*, const String& V, bool& Allow) {
    cut = V;
    Allow = allow;
  };
  f.Start(u"$ a[bc]d");
  f.Input.Key('C', {ssCtrl});
  EXPECT_EQ(copied, u"bc");
  EXPECT_EQ(ClipboardAsText(), u"bc");
  copied.clear();
  f.Input.Key('X', {ssCtrl});
  EXPECT_EQ(cut, u"bc");
  EXPECT_EQ(Narrow(f.State()), "$ a|d");
  EXPECT_EQ(copied, u"") << "a cut is no copy";

  allow = false;
  ClipboardSetAsText(u"kept");
  f.Start(u"$ [ad]");
  f.Input.Key('C', {ssCtrl});
  f.Input.Key('X', {ssCtrl});
  EXPECT_EQ(ClipboardAsText(), u"kept");
  EXPECT_EQ(f.Drop->Text(), u"ad");

  allow = true;
  f.Drop->SetEditType(etPassword);
  f.Start(u"$ [ad]");
  f.Input.Key('C', {ssCtrl});
  EXPECT_EQ(ClipboardAsText(), u"kept") << "a password is never copied";
}

// ---- numbers: formatting and setters

TEST(DropDownTypedEntry, LeavingTheEditFormatsTheNumber) {
  const struct {
    std::string Name;
    TDropDownEditType Kind;
    int Precision;
    bool AllowNull;
    String Typed;
    String Left;
  } cases[] = {
      {"float", etFloat, 2, false, u"3.5", u"3.50"},
      {"float emptied", etFloat, 2, false, u"", u"0.00"},
      {"float emptied, null allowed", etFloat, 2, true, u"", u""},
      {"money", etMoney, 2, false, u"1234.5", u"1,234.50"},
      {"numeric emptied", etNumeric, 0, false, u"", u"0"},
      {"numeric emptied, null allowed", etNumeric, 0, true, u"", u""},
      {"float without precision emptied", etFloat, 0, false, u"", u"0"},
  };
  for (const auto& c : cases) {
    TypedEdit f;
    f.Drop->SetEditType(c.Kind);
    f.Drop->SetPrecision(c.Precision);
    f.Drop->SetAllowNumericNullValue(c.AllowNull);
    f.Drop->SelectAll();
    f.Input.Key(VK_BACK);
    f.Input.Type(c.Typed);
    const bool modified = f.Drop->Modified();
    f.Input.Key(VK_TAB);
    ASSERT_TRUE(f.Other->Focused()) << c.Name;
    EXPECT_EQ(f.Drop->Text(), c.Left) << c.Name;
    if (c.Precision > 0 && !c.AllowNull) {
      EXPECT_EQ(f.Drop->Modified(), modified) << c.Name;
    }
  }
}

TEST(DropDownTypedEntry, SetEditTypeAndSetPrecisionReformat) {
  TypedEdit f;
  f.Drop->SetText(u"abc");
  f.Drop->SetEditType(etNumeric);
  EXPECT_EQ(f.Drop->Text(), u"0");
  f.Drop->SetText(u"12");
  f.Drop->SetEditType(etFloat);
  EXPECT_EQ(f.Drop->Text(), u"12") << "a number is kept";
  f.Drop->SetPrecision(3);
  EXPECT_EQ(f.Drop->Text(), u"12.000");
  f.Drop->SetEditType(etMoney);
  f.Drop->SetText(u"1234.5");
  EXPECT_EQ(f.Drop->Text(), u"1,234.500");
  f.Drop->SetPrecision(1);
  EXPECT_EQ(f.Drop->Text(), u"1,234.5");
  f.Drop->SetEditType(etHex);
  EXPECT_EQ(f.Drop->Text(), u"0") << "grouped money is no hex number";
  f.Drop->SetText(u"ff");
  EXPECT_EQ(f.Drop->Text(), u"FF");
  f.Drop->SetPrecision(4);
  EXPECT_EQ(f.Drop->Precision(), 1) << "a hex field keeps its precision";
  f.Drop->SetEditType(etNumeric);
  EXPECT_EQ(f.Drop->Text(), u"0");
  f.Drop->SetText(u"");
  EXPECT_EQ(f.Drop->Text(), u"0") << "an empty number is zero";
}

TEST(DropDownTypedEntry, NumericAccessorsPerKind) {
  const struct {
    TDropDownEditType Kind;
    int Precision;
    double Float;
    String FloatText;
    int Int;
    String IntText;
    String Read;  // read back with GetFloatValue
    double Value;
  } cases[] = {
      {etString, 2, 3.14159, u"3.14", 7, u"3.14", u"2.5", 2.5},
      {etString, -1, 1e20, u"1E020", 7, u"1E020", u"x", 0},
      {etNumeric, 0, 1234.4, u"1,234", 42, u"42", u"-7", -7},
      {etNumeric, 0, -2.6, u"-3", -3, u"-3", u"-", 0},
      {etFloat, 2, 1234.567, u"1234.57", 5, u"5.00", u"Error", 0},
      {etFloat, 0, 2.5, u"3", 5, u"5", u"", 0},
      {etMoney, 2, 1234567.891, u"1,234,567.89", 1234, u"1,234.00", u"1,234.", 1234},
      {etMoney, 0, 99999, u"99,999", 1000, u"1,000", u"-", 0},
      {etHex, 0, 255.9, u"FF", 4096, u"1000", u"1f", 31},
      {etHex, 0, -1, u"FFFFFFFF", -2, u"FFFFFFFE", u"FFFFFFFF", -1},
      {etRange, 0, 5, u"1-2", 5, u"1-2", u"1-2", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.Kind) + " precision " + std::to_string(c.Precision));
    TypedEdit f;
    f.Drop->SetEditType(c.Kind);
    f.Drop->SetPrecision(c.Precision);
    if (c.Kind == etRange) f.Drop->SetText(u"1-2");
    f.Drop->SetFloatValue(c.Float);
    EXPECT_EQ(Narrow(f.Drop->Text()), Narrow(c.FloatText));
    EXPECT_EQ(f.Drop->Modified(), c.Kind != etRange);
    if (c.Kind != etString) {
      f.Drop->SetIntValue(c.Int);
      EXPECT_EQ(Narrow(f.Drop->Text()), Narrow(c.IntText));
    }
    f.Drop->SetPlainText(c.Read);
    EXPECT_DOUBLE_EQ(f.Drop->GetFloatValue(), c.Value);
  }
}

TEST(DropDownTypedEntry, AccessorsReadTheReversedLocale) {
  TypedEdit f(true);
  f.Drop->SetEditType(etMoney);
  f.Drop->SetPrecision(2);
  f.Drop->SetFloatValue(1234.5);
  EXPECT_EQ(f.Drop->Text(), u"1.234,50");
  EXPECT_DOUBLE_EQ(f.Drop->GetFloatValue(), 1234.5);
  f.Drop->SetEditType(etString);
  f.Drop->SetPlainText(u"1.5");
  EXPECT_DOUBLE_EQ(f.Drop->GetFloatValue(), 1.5) << "a string reads a point";
  f.Drop->SetPlainText(u"1,5");
  EXPECT_DOUBLE_EQ(f.Drop->GetFloatValue(), 0);
}

}  // namespace
