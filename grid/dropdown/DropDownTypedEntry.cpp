// Typing into the drop-down edit: which characters each kind takes and
// what they do, the caret kept between prefix and suffix, and the
// clipboard operations.
#include <algorithm>
#include <cstdlib>
#include <string_view>

#include "grid/base/GridStrings.h"
#include "grid/dropdown/AdvCustomDropDown.h"
#include "grid/dropdown/DropDownText.h"
#include "platform/gui/Clipboard.h"
#include "platform/gui/Input.h"
#include "platform/sys/SysUtils.h"

namespace {
constexpr Char Backspace = 8, Tab = 9, LineFeed = 10, Return = 13;

enum TCharClass : unsigned { ccDigits = 1, ccHexLetters = 2, ccLetters = 4, ccDecimal = 8, ccValidChars = 16 };

// The characters a kind takes; a kind not listed takes them all.
struct TAcceptedChars {
  TDropDownEditType Kind;
  std::u16string_view Chars;
  unsigned Classes;
};
constexpr TAcceptedChars Accepted[] = {
    {etNumeric, u"\b\t\r-", ccDigits},
    {etFloat, u"\b\t\r,-.", ccDigits},
    {etMoney, u"\b\t\r-", ccDigits | ccDecimal},
    {etRange, u"\b\t\r,-;", ccDigits},
    {etHex, u"\b\t\r-", ccDigits | ccHexLetters},
    {etAlphaNumeric, u"\b\t\r", ccDigits | ccLetters},
    {etValidChars, u"\b", ccValidChars},
};

bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }
bool IsLetter(Char c) { return (c >= u'A' && c <= u'Z') || (c >= u'a' && c <= u'z'); }
bool IsNumberKind(TDropDownEditType Kind) { return Kind == etNumeric || Kind == etFloat || Kind == etMoney; }
bool Held(int Vk) { return GetKeyState(Vk) < 0; }

bool InClass(Char c, unsigned Classes, const String& ValidChars) {
  return ((Classes & ccDigits) && IsDigit(c)) || ((Classes & ccHexLetters) && HexDigitValue(c) > 9) ||
         ((Classes & ccLetters) && IsLetter(c)) || ((Classes & ccDecimal) && c == GetDecimalSeparator()) ||
         ((Classes & ccValidChars) && ValidChars.find(c) != String::npos);
}

bool Accepts(TDropDownEditType Kind, Char c, const String& ValidChars) {
  // Control keys type through an integer field (Ctrl+A selects).
  if (Kind == etNumeric && Held(VK_CONTROL)) return true;
  for (const TAcceptedChars& a : Accepted)
    if (a.Kind == Kind) return a.Chars.find(c) != std::u16string_view::npos || InClass(c, a.Classes, ValidChars);
  return true;
}

// Digits before the decimal separator: no thousand separators, and no
// sign when it is one (CountSign false).
int IntegerDigits(const String& Value, bool CountSign) {
  const String whole = Value.substr(0, Value.find(GetDecimalSeparator()));
  return static_cast<int>(std::count_if(whole.begin(), whole.end(), [&](Char c) {
    return c != GetThousandSeparator() && (CountSign || c != u'-');
  }));
}

// A separator typed at Caret (within Value) keeps three digits to the
// nearest thousand separator.
bool ThousandsSpacingBroken(const String& Value, int Caret) {
  const Char thousand = GetThousandSeparator();
  if (Value.find(thousand) == String::npos) return false;
  String s = Value;
  int p = Caret, d = static_cast<int>(s.size());
  for (auto at = s.find(thousand); at != String::npos; at = s.find(thousand)) {
    const int q = static_cast<int>(at) + 1;
    d = std::min(d, std::abs(q - p));
    if (std::abs(q - p) < 3) return true;
    if (p > q) p -= q;
    s.erase(0, static_cast<size_t>(q));
  }
  return d > 3;
}

String SelectionOf(const String& Value, int Start, int Length) {
  const int from = std::clamp(Start, 0, static_cast<int>(Value.size()));
  return Value.substr(static_cast<size_t>(from), static_cast<size_t>(std::max(Length, 0)));
}

// A minus, if any, leads.
bool SignLeads(const String& Value) {
  const auto at = Value.find(u'-');
  return at == String::npos || at == 0;
}
}  // namespace

// ---- characters

void TAdvCustomDropDown::TypedChar(TMessage& Message) {
  auto ch = static_cast<Char>(Message.WParam);
  if (ch == 3 || ch == 22 || ch == 24) {
    Perform(ch == 3 ? WM_COPY : ch == 22 ? WM_PASTE : WM_CUT, 0, 0);
    return;
  }
  if (!FValues.EditorEnabled) return;
  const TDropDownEditType kind = FValues.EditType;
  const Char decimal = GetDecimalSeparator();
  if (FValues.ExcelStyleDecimalSeparator && (ch == u'.' || ch == u',') && (Message.LParam & KF_NUMPAD))
    Message.WParam = ch = decimal;
  const String value = Text();
  const int prefix = static_cast<int>(FValues.Prefix.size());
  const int caret = SelStart() - prefix, selected = SelLength();
  if (ch == Backspace && prefix > 0 && caret <= 0 && selected == 0) return;
  const bool numberSign = FValues.Signed && IsNumberKind(kind);
  if (FValues.LengthLimit > 0 && selected == 0 && IntegerDigits(value, !numberSign) >= FValues.LengthLimit) {
    const auto at = value.find(decimal);
    const bool beforeDecimal = at == String::npos || caret <= static_cast<int>(at);
    if (beforeDecimal && ch != Backspace && ch != decimal && !(ch == u'-' && numberSign)) return;
  }
  if (ch == Backspace) return TMaskEdit::Dispatch(Message);
  if (ch == LineFeed && Held(VK_CONTROL)) return;
  if (ch == u'-' && IsNumberKind(kind) && !FValues.Signed) return;
  if (!Accepts(kind, ch, FValues.ValidChars)) return;
  switch (kind) {
    case etNumeric:
      if (ch == u'-') return ToggleSign();
      break;
    case etFloat: case etMoney: return FloatChar(Message);
    case etUppercase: case etLowerCase:
      Message.WParam = ch = kind == etUppercase ? AnsiUpperCase(String(1, ch))[0] : AnsiLowerCase(String(1, ch))[0];
      break;
    case etRange:
      if (IsRangeSeparator(ch)) {
        const bool before = caret > 0 && IsRangeSeparator(value[static_cast<size_t>(caret - 1)]);
        const bool after = caret < static_cast<int>(value.size()) && IsRangeSeparator(value[static_cast<size_t>(caret)]);
        if (caret <= 0 || before || after) return;
      }
      break;
    default: break;
  }
  TMaskEdit::Dispatch(Message);
  if (kind == etMixedCase && ch >= u' ') {
    WriteValue(ToMixedCase(Text()));
    SetSelStart(prefix + caret + 1);
  }
  if (TMaskEdit::Modified()) SetModified(true);
}

void TAdvCustomDropDown::FloatChar(TMessage& Message) {
  const auto ch = static_cast<Char>(Message.WParam);
  const bool money = FValues.EditType == etMoney;
  const Char decimal = GetDecimalSeparator();
  const String value = Text();
  const int prefix = static_cast<int>(FValues.Prefix.size()), precision = FValues.Precision;
  const int caret = SelStart() - prefix, selected = SelLength();
  const bool hasDecimal = value.find(decimal) != String::npos;
  const bool selectionHasDecimal = SelectionOf(value, caret, selected).find(decimal) != String::npos;
  if (ch == decimal && (hasDecimal || precision == 0) && (money || !selectionHasDecimal)) {
    if (precision <= 0) return;
    if (money && selected > 0 && selected == static_cast<int>(value.size()))
      SetText(String(u"0") + decimal + u"0");
    return SelectAfterDecimal();
  }
  if (!money && ch == u',' && value.find(u',') != String::npos && SelectionOf(value, caret, selected).find(u',') == String::npos &&
      GetThousandSeparator() != u',')
    return;
  if ((ch == decimal || ch == GetThousandSeparator()) && ThousandsSpacingBroken(value, caret)) return;
  const auto at = value.find(decimal);
  if (precision > 0 && at != String::npos && selected == 0) {
    const int s = static_cast<int>(at) + 1, length = static_cast<int>(value.size());
    if (caret >= s && length - s >= precision && length - caret <= precision) {
      if (ch == decimal) return;
      if (IsDigit(ch)) {
        if (caret >= length) return;
        SetSelLength(1);
      }
    }
  }
  if (value.empty() && caret == 0 && ch == decimal) {
    WriteValue(String(u"0") + decimal);
    SetSelStart(prefix + 2);
    return SetModified(true);
  }
  if (ch == u'-' && SelLength() == 0) return ToggleSign();
  TMaskEdit::Dispatch(Message);
  if (TMaskEdit::Modified()) SetModified(true);
  const String typed = Text();
  if (money && !typed.empty() && typed != u"-" && ch != decimal) FormatMoney();
}

void TAdvCustomDropDown::ToggleSign() {
  String value = Text();
  const int prefix = static_cast<int>(FValues.Prefix.size()), p = SelStart();
  int caret = 0;
  if (FValues.EditType == etNumeric && !value.empty() && SelLength() == static_cast<int>(value.size())) {
    value = u"-";
    caret = prefix + 1;
  } else if (const auto at = value.find(u'-'); at != String::npos) {
    value.erase(at, 1);
    caret = p > prefix ? p - 1 : prefix;
  } else {
    value.insert(0, 1, u'-');
    caret = p + 1;
  }
  WriteValue(value);
  SetSelStart(caret);
  SetSelLength(0);
  if (FValues.EditType != etNumeric) SetModified(true);
}

// ---- the caret between prefix and suffix

bool TAdvCustomDropDown::PrefixSuffixKey(TMessage& Message) {
  const WPARAM key = Message.WParam;
  const String value = Text();
  const int prefix = static_cast<int>(FValues.Prefix.size());
  const int end = prefix + static_cast<int>(value.size());
  const int start = SelStart(), selEnd = start + SelLength();
  const bool hasPrefix = prefix > 0, hasSuffix = !FValues.Suffix.empty();
  auto swallow = [&Message] {
    Message.WParam = 0;
    return true;
  };
  switch (key) {
    case VK_RIGHT:
      if (hasSuffix && selEnd >= end) return swallow();
      break;
    case VK_LEFT:
      if (hasPrefix && selEnd <= prefix) return swallow();
      break;
    case VK_END:
      if (!hasSuffix) break;
      Perform(EM_SETSEL, static_cast<WPARAM>(Held(VK_SHIFT) ? start : end), end);
      return swallow();
    case VK_HOME:
      if (!hasPrefix) break;
      Perform(EM_SETSEL, static_cast<WPARAM>(Held(VK_SHIFT) ? end : prefix), prefix);
      return swallow();
    case VK_BACK:
      if (hasPrefix && start <= prefix + 1) return swallow();
      if (hasPrefix) SetModified(true);
      break;
    case VK_DELETE: {
      if (hasSuffix && selEnd >= end && start == selEnd) return swallow();
      if (start < prefix) break;
      String after = value;
      after.erase(static_cast<size_t>(start - prefix), static_cast<size_t>(std::max(selEnd - start, 1)));
      const bool sign = FValues.Signed && IsNumberKind(FValues.EditType);
      if (FValues.LengthLimit > 0 && IntegerDigits(after, !sign) > FValues.LengthLimit) return swallow();
      SetModified(true);
      break;
    }
    default: break;
  }
  return false;
}

void TAdvCustomDropDown::AfterKeyDown(WPARAM Key) {
  if (Key == VK_DELETE && FValues.EditType == etMoney) FormatMoney();
  const int prefix = static_cast<int>(FValues.Prefix.size());
  if (prefix > 0 && SelLength() == 0 && SelStart() < prefix) SetSelStart(prefix);
}

void TAdvCustomDropDown::LimitSelection() {
  const int prefix = static_cast<int>(FValues.Prefix.size());
  const int end = prefix + static_cast<int>(Text().size());
  const int start = SelStart(), selEnd = start + SelLength();
  if (prefix > 0 && start < prefix) return SelectAll();
  if (FValues.Suffix.empty()) return;
  if (selEnd > end) Perform(EM_SETSEL, static_cast<WPARAM>(std::min(start, end)), end);
}

// ---- the clipboard

String TAdvCustomDropDown::SelectedValue() const {
  return SelectionOf(Text(), SelStart() - static_cast<int>(FValues.Prefix.size()), SelLength());
}

void TAdvCustomDropDown::CutMessage(TMessage& Message) {
  if (!FValues.EditorEnabled || ReadOnly()) return;
  bool allow = true;
  if (OnClipboardCut) OnClipboardCut(this, SelectedValue(), allow);
  if (allow) TMaskEdit::Dispatch(Message);
}

void TAdvCustomDropDown::CopyMessage(TMessage& Message) {
  bool allow = true;
  if (OnClipboardCopy) OnClipboardCopy(this, SelectedValue(), allow);
  if (allow) TMaskEdit::Dispatch(Message);
}

void TAdvCustomDropDown::PasteMessage() {
  if (ReadOnly() || !ClipboardHasFormat(CF_UNICODETEXT)) return;
  const String clip = ClipboardAsText();
  const String value = Text();
  const int prefix = static_cast<int>(FValues.Prefix.size());
  const int at = std::clamp(SelStart() - prefix, 0, static_cast<int>(value.size()));
  const int selected = std::min(SelLength(), static_cast<int>(value.size()) - at);
  const String pasted = value.substr(0, static_cast<size_t>(at)) + clip + value.substr(static_cast<size_t>(at + selected));
  bool allow = true;
  if (OnClipboardPaste) OnClipboardPaste(this, pasted, allow);
  if (!allow) return;
  if (MaxLength() > 0 && static_cast<int>(clip.size() + value.size()) - selected > MaxLength()) return;
  const TDropDownEditType kind = FValues.EditType;
  const int shape = ClassifyValueText(pasted);
  const bool signOk = SignLeads(pasted) && (FValues.Signed || pasted.find(u'-') == String::npos);
  switch (kind) {
    case etString: case etPassword: SetText(pasted); break;
    case etNumeric:
      if (shape != vkInteger || !signOk) return;
      SetText(pasted);
      break;
    case etFloat: case etMoney:
      if ((shape != vkInteger && shape != vkFloat) || !signOk) return;
      if (FValues.Precision == 0 && clip.find(GetDecimalSeparator()) != String::npos) return;
      SetText(pasted);
      SetFloatValue(GetFloatValue());
      break;
    case etUppercase: SetText(AnsiUpperCase(pasted)); break;
    case etLowerCase: SetText(AnsiLowerCase(pasted)); break;
    case etMixedCase: SetText(ToMixedCase(pasted)); break;
    case etAlphaNumeric: case etValidChars: {
      const unsigned classes = kind == etAlphaNumeric ? ccDigits | ccLetters : ccValidChars;
      for (Char c : pasted)
        if (!InClass(c, classes, FValues.ValidChars)) return;
      SetText(pasted);
      break;
    }
    default: return;  // a hex number or a range is typed only
  }
  SetModified(true);
  if (kind == etMoney && Text().size() > 3) return SelectAll();
  const int length = static_cast<int>(clip.size());
  SetSelStart(prefix + at + (selected > 0 ? 0 : length));
  SetSelLength(selected > 0 ? length : 0);
}
