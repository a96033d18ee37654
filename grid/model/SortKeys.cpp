#include "grid/model/SortKeys.h"

#include <algorithm>
#include <charconv>

#include "grid/base/GridDates.h"
#include "grid/base/LocaleFormat.h"
#include "grid/base/NumberText.h"
#include "platform/sys/DateTime.h"
#include "platform/sys/Exceptions.h"

namespace {

void RemoveFirst(String& S, StringView Part) {
  if (Part.empty()) return;
  const size_t at = S.find(Part);
  if (at != String::npos) S.erase(at, Part.size());
}

// "." as the decimal point, an optional sign and exponent; nothing else.
bool ParsePlainFloat(const String& S, double& Value) {
  char buf[64];
  if (S.empty() || S.size() >= sizeof buf) return false;
  size_t n = 0;
  for (Char c : S) {
    if (c > 127) return false;
    buf[n++] = static_cast<char>(c);
  }
  const char* first = buf;
  if (*first == '+') ++first;
  if (first == buf + n || (*first != '-' && *first != '.' && (*first < '0' || *first > '9'))) return false;
  const auto r = std::from_chars(first, buf + n, Value);
  return r.ec == std::errc() && r.ptr == buf + n;
}

bool IsDecimalDigit(Char c) { return c >= u'0' && c <= u'9'; }

// ClassifyNumberText's answer for the usual number texts (ASCII digits, a
// leading minus, one decimal separator) in one plain walk; -1 for the rest.
int PlainNumberClass(StringView T) {
  const Char dec = GetDecimalSeparator();
  const Char thou = GetThousandSeparator();
  if (dec == thou || dec == u'-' || thou == u'-' || IsDecimalDigit(dec)) return -1;
  size_t i = !T.empty() && T[0] == u'-' ? 1 : 0;
  bool digits = false, decimal = false;
  for (; i < T.size(); ++i) {
    const Char c = T[i];
    if (IsDecimalDigit(c)) {
      digits = true;
    } else if (c == dec && !decimal) {
      decimal = true;
    } else {
      return -1;
    }
  }
  if (!digits) return -1;
  return decimal ? ntSeparated : ntInteger;
}

// The separator first at position 2 or 3 (1-based), not last, between digits.
bool LeadingSeparator(StringView T, Char Sep) {
  const size_t at = T.find(Sep);
  if (at != 1 && at != 2) return false;
  return at + 1 < T.size() && IsDecimalDigit(T[at - 1]) && IsDecimalDigit(T[at + 1]);
}

}  // namespace

int CompareNoCase(StringView A, StringView B) {
  const size_t n = std::min(A.size(), B.size());
  for (size_t i = 0; i < n; ++i) {
    const Char a = UpAsciiLetter(A[i]), b = UpAsciiLetter(B[i]);
    if (a != b) return a < b ? -1 : 1;
  }
  return SortSign(A.size(), B.size());
}

std::uint64_t SortTextHead(StringView Text, bool Folded) {
  std::uint64_t head = 0;
  for (size_t i = 0; i < 4; ++i) {
    const Char c = i < Text.size() ? Text[i] : u'\0';
    head = head << 16 | (Folded ? UpAsciiLetter(c) : c);
  }
  return head;
}

bool IsSortNumberClass(int Class) { return Class == ntInteger || Class == ntSeparated || Class == ntScientific; }

int PlaceSortBlanks(int Res, bool Empty1, bool Empty2, bool Descending, bool BlanksFirst) {
  if (Empty1 == Empty2) return Res;
  const int first = BlanksFirst != Descending ? -1 : 1;
  return Empty1 ? first : -first;
}

bool SortTextToFloat(StringView Text, const TSortNumberFormat& Format, double& Value) {
  String s(Text);
  RemoveFirst(s, Format.Suffix);
  RemoveFirst(s, Format.Prefix);
  if (Format.Financial) std::erase(s, GetThousandSeparator());
  const Char dec = GetDecimalSeparator();
  if (dec != u'.') {
    const size_t at = s.find(dec);
    if (at != String::npos) s[at] = u'.';
  }
  return ParsePlainFloat(s, Value);
}

void TSortKey::SetText(StringView Text) {
  FText = Text;
  FHead = SortTextHead(Text, false);
}

int TSortKey::NumberClass() {
  if (!Need(kClass)) return FClass;
  const int plain = PlainNumberClass(FText);
  FClass = static_cast<std::int8_t>(plain >= 0 ? plain : ClassifyNumberText(FText));
  return FClass;
}

double TSortKey::Number(const TSortNumberFormat& Format) {
  if (Need(kNumber) && !SortTextToFloat(FText, Format, FNumber)) FNumber = 0;
  return FNumber;
}

double TSortKey::Date() {
  if (Need(kDate) && (FText.empty() || !TryStrToDateTime(FText, FWhen))) FWhen = 0;
  return FWhen;
}

double TSortKey::ShortDate(bool MonthFirst) {
  if (!Need(kDate)) return FWhen;
  try {
    FWhen = MonthFirst ? ParseDateMDY(FText) : ParseDateDMY(FText);
  } catch (const EConvertError&) {
    FWhen = 0;
  }
  return FWhen;
}

double TSortKey::Time() {
  if (Need(kTime) && !TryStrToTime(FText, FTime)) FTime = 0;
  return FTime;
}

void TSortKey::ReadSeparators() {
  if (!Need(kSeps)) return;
  const Char date = GetDateSeparator(), time = GetTimeSeparator();
  FSeps = static_cast<std::uint8_t>((LeadingSeparator(FText, date) ? 1 : 0) |
                                    (LeadingSeparator(FText, time) ? 2 : 0) |
                                    (FText.find(date) != StringView::npos ? 4 : 0) |
                                    (FText.find(time) != StringView::npos ? 8 : 0));
}

bool TSortKey::DateLead() { return ReadSeparators(), (FSeps & 1) != 0; }
bool TSortKey::TimeLead() { return ReadSeparators(), (FSeps & 2) != 0; }
bool TSortKey::HasDateSep() { return ReadSeparators(), (FSeps & 4) != 0; }
bool TSortKey::HasTimeSep() { return ReadSeparators(), (FSeps & 8) != 0; }
