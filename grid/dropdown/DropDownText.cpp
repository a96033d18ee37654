#include "grid/dropdown/DropDownText.h"

#include <string>

#include "platform/sys/FormatSettings.h"
#include "platform/sys/SysUtils.h"

namespace {

bool IsDigit(Char c) { return c >= u'0' && c <= u'9'; }

}  // namespace

Char GetThousandSeparator() { return FormatSettings.ThousandSeparator; }

Char GetDecimalSeparator() { return FormatSettings.DecimalSeparator; }

int ClassifyValueText(const String& Text) {
  const Char thousand = GetThousandSeparator(), decimal = GetDecimalSeparator();
  bool isInt = !Text.empty(), isFloat = isInt, isHex = isInt;
  int minus = 0, decimals = 0, lastThousand = -1;
  for (int p = 1; p <= static_cast<int>(Text.size()); ++p) {
    const Char c = Text[p - 1];
    if (c != u'-' && !IsDigit(c)) isInt = false;
    if (c != u',' && c != u'-' && c != u'.' && !IsDigit(c)) isFloat = false;
    if (c != u'-' && !IsDigit(c) && HexDigitValue(c) == 0) isHex = false;
    if (c == thousand) {
      if (p - lastThousand < 3) isFloat = false;
      lastThousand = p;
    }
    if (c == decimal) ++decimals;
    if (c == u'-') ++minus;
  }
  int kind = vkOther;
  if (isHex && !isInt) {
    kind = vkHex;
  } else if (isInt) {
    kind = vkInteger;
  } else if (isFloat) {
    kind = vkFloat;
  }
  return minus > 1 || decimals > 1 ? vkOther : kind;
}

String StripThousandSeparators(const String& Text) {
  String out = Text;
  std::erase(out, GetThousandSeparator());
  return out;
}

int HexDigitValue(Char Ch) {
  if (IsDigit(Ch)) return Ch - u'0';
  if (Ch >= u'A' && Ch <= u'F') return Ch - u'A' + 10;
  if (Ch >= u'a' && Ch <= u'f') return Ch - u'a' + 10;
  return 0;
}

std::int32_t HexToInt(const String& Text) {
  std::uint32_t value = 0;
  for (Char c : Text) value = value * 16u + static_cast<std::uint32_t>(HexDigitValue(c));
  return static_cast<std::int32_t>(value);
}

bool IsRangeSeparator(Char Ch) { return Ch == u',' || Ch == u'-' || Ch == u';'; }

void MatchCaseText(const String& Text, bool CaseSensitive, String& Result) {
  Result = CaseSensitive ? Text : AnsiUpperCase(Text);
}
