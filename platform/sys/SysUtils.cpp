#include "platform/sys/SysUtils.h"

#include <locale.h>
#include <wctype.h>

#include <algorithm>
#include <limits>

#include "platform/sys/Exceptions.h"

namespace {

int ToInt(size_t n) { return static_cast<int>(std::min<size_t>(n, std::numeric_limits<int>::max())); }

bool IsBlank(Char c) { return c <= 32; }

Char AsciiUpper(Char c) { return c >= u'a' && c <= u'z' ? static_cast<Char>(c - 32) : c; }
Char AsciiLower(Char c) { return c >= u'A' && c <= u'Z' ? static_cast<Char>(c + 32) : c; }

// Case mapping needs Unicode tables; the built-in C.UTF-8 locale has them
// whatever the user's locale is, so results are the same on every machine.
locale_t UnicodeLocale() {
  static const locale_t loc = newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  return loc;
}

bool IsSurrogate(Char c) { return c >= 0xD800 && c <= 0xDFFF; }

template <typename Map>
String MapChars(StringView s, Map map) {
  String out(s);
  for (Char& c : out) c = map(c);
  return out;
}

Char UnicodeUpper(Char c) {
  if (c < 0x80 || IsSurrogate(c) || !UnicodeLocale()) return AsciiUpper(c);
  const wint_t u = towupper_l(c, UnicodeLocale());
  return u <= 0xFFFF ? static_cast<Char>(u) : c;
}

Char UnicodeLower(Char c) {
  if (c < 0x80 || IsSurrogate(c) || !UnicodeLocale()) return AsciiLower(c);
  const wint_t l = towlower_l(c, UnicodeLocale());
  return l <= 0xFFFF ? static_cast<Char>(l) : c;
}

int Sign(int v) { return (v > 0) - (v < 0); }

template <typename T>
bool TryParseInteger(StringView s, T& value) {
  size_t i = 0;
  const bool negative = !s.empty() && s[0] == u'-';
  if (!s.empty() && (s[0] == u'-' || s[0] == u'+')) i = 1;
  if (i == s.size()) return false;
  // Accumulate negatively so that the minimum value fits.
  T acc = 0;
  for (; i < s.size(); ++i) {
    if (s[i] < u'0' || s[i] > u'9') return false;
    const T digit = static_cast<T>(s[i] - u'0');
    if (acc < (std::numeric_limits<T>::min() + digit) / 10) return false;
    acc = static_cast<T>(acc * 10 - digit);
  }
  if (!negative) {
    if (acc == std::numeric_limits<T>::min()) return false;
    acc = static_cast<T>(-acc);
  }
  value = acc;
  return true;
}

[[noreturn]] void RaiseNotInteger(StringView s) {
  throw EConvertError(u"'" + String(s) + u"' is not a valid integer value");
}

}  // namespace

int Pos(StringView SubStr, StringView S) { return PosEx(SubStr, S, 1); }

int PosEx(StringView SubStr, StringView S, int Offset) {
  if (SubStr.empty() || Offset < 1 || static_cast<size_t>(Offset) > S.size()) return 0;
  const size_t at = S.find(SubStr, static_cast<size_t>(Offset - 1));
  return at == StringView::npos ? 0 : ToInt(at + 1);
}

String Copy(StringView S, int Index, int Count) {
  if (Index < 1) Index = 1;
  if (Count <= 0 || static_cast<size_t>(Index) > S.size()) return {};
  return String(S.substr(static_cast<size_t>(Index - 1), static_cast<size_t>(Count)));
}

String Copy(StringView S, int Index) { return Copy(S, Index, std::numeric_limits<int>::max()); }

void Delete(String& S, int Index, int Count) {
  if (Index < 1 || Count <= 0 || static_cast<size_t>(Index) > S.size()) return;
  S.erase(static_cast<size_t>(Index - 1), static_cast<size_t>(Count));
}

void Insert(StringView Source, String& S, int Index) {
  const size_t at = Index < 1 ? 0 : std::min(S.size(), static_cast<size_t>(Index - 1));
  S.insert(at, Source);
}

String TrimLeft(StringView S) {
  size_t b = 0;
  while (b < S.size() && IsBlank(S[b])) ++b;
  return String(S.substr(b));
}

String TrimRight(StringView S) {
  size_t e = S.size();
  while (e > 0 && IsBlank(S[e - 1])) --e;
  return String(S.substr(0, e));
}

String Trim(StringView S) { return TrimLeft(TrimRight(S)); }

Char UpCase(Char C) { return AsciiUpper(C); }
String UpperCase(StringView S) { return MapChars(S, AsciiUpper); }
String LowerCase(StringView S) { return MapChars(S, AsciiLower); }
String AnsiUpperCase(StringView S) { return MapChars(S, UnicodeUpper); }
String AnsiLowerCase(StringView S) { return MapChars(S, UnicodeLower); }

int CompareStr(StringView S1, StringView S2) { return Sign(S1.compare(S2)); }

int CompareText(StringView S1, StringView S2) { return CompareStr(UpperCase(S1), UpperCase(S2)); }

bool SameText(StringView S1, StringView S2) { return CompareText(S1, S2) == 0; }

int AnsiCompareText(StringView S1, StringView S2) { return CompareStr(AnsiLowerCase(S1), AnsiLowerCase(S2)); }

int AnsiCompareStr(StringView S1, StringView S2) {
  if (const int folded = AnsiCompareText(S1, S2); folded != 0) return folded;
  const auto diff = std::mismatch(S1.begin(), S1.end(), S2.begin(), S2.end());
  if (diff.first == S1.end()) return 0;  // equal: same length when folded equal
  return UnicodeLower(*diff.first) == *diff.first ? -1 : 1;
}

bool AnsiSameText(StringView S1, StringView S2) { return AnsiCompareText(S1, S2) == 0; }

bool ContainsText(StringView AText, StringView ASubText) {
  return AnsiUpperCase(AText).find(AnsiUpperCase(ASubText)) != String::npos;
}

bool StartsText(StringView ASubText, StringView AText) {
  return ASubText.size() <= AText.size() && AnsiSameText(ASubText, AText.substr(0, ASubText.size()));
}

bool EndsText(StringView ASubText, StringView AText) {
  return ASubText.size() <= AText.size() && AnsiSameText(ASubText, AText.substr(AText.size() - ASubText.size()));
}

String StringReplace(StringView S, StringView OldPattern, StringView NewPattern, TReplaceFlags Flags) {
  if (OldPattern.empty()) return String(S);
  const bool ignoreCase = (Flags & rfIgnoreCase) != 0;
  // Case mapping keeps lengths, so positions in the mapped text hold in S.
  const String text = ignoreCase ? AnsiUpperCase(S) : String(S);
  const String pattern = ignoreCase ? AnsiUpperCase(OldPattern) : String(OldPattern);
  String out;
  size_t from = 0;
  for (size_t at = text.find(pattern); at != String::npos; at = text.find(pattern, from)) {
    out.append(S.substr(from, at - from)).append(NewPattern);
    from = at + pattern.size();
    if ((Flags & rfReplaceAll) == 0) break;
  }
  return out.append(S.substr(from));
}

String AnsiQuotedStr(StringView S, Char Quote) {
  String out(1, Quote);
  for (Char c : S) {
    out += c;
    if (c == Quote) out += c;
  }
  return out += Quote;
}

String QuotedStr(StringView S) { return AnsiQuotedStr(S, u'\''); }

String AnsiDequotedStr(StringView S, Char Quote) {
  if (S.empty() || S[0] != Quote) return String(S);
  String out;
  for (size_t i = 1; i < S.size(); ++i) {
    if (S[i] != Quote) {
      out += S[i];
    } else if (i + 1 < S.size() && S[i + 1] == Quote) {
      out += Quote;
      ++i;
    } else {
      break;  // the closing quote; what follows it is not part of the text
    }
  }
  return out;
}

bool IsDelimiter(StringView Delimiters, StringView S, int Index) {
  if (Index < 1 || static_cast<size_t>(Index) > S.size()) return false;
  return Delimiters.find(S[static_cast<size_t>(Index - 1)]) != StringView::npos;
}

int LastDelimiter(StringView Delimiters, StringView S) {
  const size_t at = S.find_last_of(Delimiters);
  return at == StringView::npos ? 0 : ToInt(at + 1);
}

String StringOfChar(Char C, int Count) { return Count > 0 ? String(static_cast<size_t>(Count), C) : String(); }

String DupeString(StringView S, int Count) {
  String out;
  for (int i = 0; i < Count; ++i) out += S;
  return out;
}

String IntToStr(std::int64_t Value) {
  // Digits of the magnitude, computed negatively so that INT64_MIN works.
  String out;
  std::int64_t v = Value;
  do {
    out += static_cast<Char>(u'0' - v % 10 * (v < 0 ? 1 : -1));
    v /= 10;
  } while (v != 0);
  if (Value < 0) out += u'-';
  return String(out.rbegin(), out.rend());
}

String UIntToHex(std::uint64_t Value, int Digits) {
  static constexpr char16_t kHex[] = u"0123456789ABCDEF";
  String out;
  do {
    out += kHex[Value & 0xF];
    Value >>= 4;
  } while (Value != 0);
  while (static_cast<int>(out.size()) < Digits) out += u'0';
  return String(out.rbegin(), out.rend());
}

bool TryStrToInt(StringView S, int& Value) { return TryParseInteger(S, Value); }

int StrToIntDef(StringView S, int Default) {
  int v = 0;
  return TryStrToInt(S, v) ? v : Default;
}

int StrToInt(StringView S) {
  int v = 0;
  if (!TryStrToInt(S, v)) RaiseNotInteger(S);
  return v;
}

bool TryStrToInt64(StringView S, std::int64_t& Value) { return TryParseInteger(S, Value); }

std::int64_t StrToInt64Def(StringView S, std::int64_t Default) {
  std::int64_t v = 0;
  return TryStrToInt64(S, v) ? v : Default;
}

std::int64_t StrToInt64(StringView S) {
  std::int64_t v = 0;
  if (!TryStrToInt64(S, v)) RaiseNotInteger(S);
  return v;
}
