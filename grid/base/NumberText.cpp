#include "grid/base/NumberText.h"

#include "grid/base/LocaleFormat.h"
#include "platform/sys/SysUtils.h"

namespace {

bool IsExponentChar(Char c) { return c == u'e' || c == u'E'; }

// What the walk over a text has seen so far.
struct NumberScan {
  bool integer = true;
  bool separated = true;
  bool scientific = true;
  bool digits = false;
  int exponents = 0;
  int decimals = 0;
  int minuses = 0;
  int lastThousand = 0;  // 1-based, 0 = none yet
};

void ScanChar(NumberScan& s, Char c, int i, int length, Char dec, Char thou) {
  const bool digit = IsDigitChar(c);
  s.digits = s.digits || digit;
  if (c == u'-') {
    ++s.minuses;
    if (i > 1) s.integer = s.separated = false;
  } else if (!digit) {
    s.integer = false;
    if (c != dec && c != thou) s.separated = false;
  }
  if (c == thou) {
    if (s.lastThousand > 0 && i - s.lastThousand <= 3) s.separated = false;
    s.lastThousand = i;
  }
  if (c == dec) ++s.decimals;
  if (IsExponentChar(c)) {
    ++s.exponents;
    if (i == 1 || s.exponents > 1) s.scientific = false;
  }
  if (i == length && (c == u'+' || c == u'-' || IsExponentChar(c))) s.scientific = false;
  if (c == thou || !(digit || c == dec || IsExponentChar(c) || c == u'+' || c == u'-')) s.scientific = false;
}

}  // namespace

int ClassifyNumberText(StringView Text) {
  NumberScan s;
  const int length = static_cast<int>(Text.size());
  const Char dec = GetDecimalSeparator(), thou = GetThousandSeparator();
  for (int i = 1; i <= length; ++i) ScanChar(s, Text[static_cast<size_t>(i - 1)], i, length, dec, thou);
  // Without a single digit ("-", ".") there is no number at all.
  if (!s.digits) return ntOther;
  int kind = s.integer ? ntInteger : (s.separated && s.exponents == 0 ? ntSeparated : ntOther);
  if (!s.integer && s.scientific && s.exponents > 0) {
    kind = ntScientific;
    if (s.minuses == 2) s.minuses = 1;  // "-1e-5"
  }
  if (s.minuses > 1 || s.decimals > 1) return ntOther;
  return kind;
}

String NormalizeNumberText(StringView Text) {
  String s = Trim(Text);
  if (s.empty()) return s;
  const Char dec = GetDecimalSeparator(), thou = GetThousandSeparator();
  bool negative = s.front() == u'(' && s.back() == u')';
  size_t i = 0;
  while (s.size() - i >= 2) {
    const Char c = s[i];
    if (IsDigitChar(c) || c == thou || c == dec || IsExponentChar(c)) break;
    negative = negative || c == u'-';
    ++i;
  }
  String r;
  for (; i < s.size(); ++i) {
    const Char c = s[i];
    if (c == thou) continue;
    if (c == dec) {
      r += u'.';
    } else if (IsDigitChar(c) || c == u'-' || c == u'.' || c == u',' || IsExponentChar(c) || c == u'+') {
      r += c;
    } else {
      break;
    }
  }
  return negative ? u"-" + r : r;
}
