#include "grid/base/GridDates.h"

#include <algorithm>
#include <array>
#include <climits>

#include "grid/base/LocaleFormat.h"
#include "platform/sys/SysUtils.h"

std::array<DatePart, 3> LocaleDateOrder() {
  const String f = UpperCase(GetShortDateFormat());
  std::array<DatePart, 3> order{dpDay, dpMonth, dpYear};
  auto at = [&](DatePart p) {
    const int i = Pos(p == dpDay ? u"D" : p == dpMonth ? u"M" : u"Y", f);
    return i == 0 ? static_cast<int>(f.size()) + 1 + p : i;
  };
  std::sort(order.begin(), order.end(), [&](DatePart a, DatePart b) { return at(a) < at(b); });
  return order;
}

namespace {

// Text up to the first Sep; Rest keeps what follows it. False without Sep.
bool SplitAt(StringView Text, Char Sep, StringView& Head, StringView& Rest) {
  const size_t i = Text.find(Sep);
  if (i == StringView::npos) return false;
  Head = Text.substr(0, i);
  Rest = Text.substr(i + 1);
  return true;
}

bool TryParseTimePart(StringView Text, TDateTime& Time) {
  const Char sep = GetTimeSeparator();
  StringView hours, rest, minutes, seconds;
  if (!SplitAt(Text, sep, hours, rest)) return false;
  if (!SplitAt(rest, sep, minutes, seconds)) {
    minutes = rest;
    seconds = u"0";
  }
  int h = 0, n = 0, s = 0;
  return TryStrToInt(hours, h) && TryStrToInt(minutes, n) && TryStrToInt(seconds, s) &&
         TryEncodeTime(h, n, s, 0, Time);
}

int WithCentury(StringView YearText, int Year) {
  const size_t digits = YearText.size() - (!YearText.empty() && (YearText[0] == u'-' || YearText[0] == u'+'));
  if (digits > 2) return Year;
  return Year + (Year <= 25 ? 2000 : 1900);
}

TDateTime ParseDate(StringView Text, bool MonthFirst) {
  Char sep = u'/';
  for (Char c : {u'/', u'.', u'-'}) {
    sep = c;
    if (Text.find(c) != StringView::npos) break;
  }
  StringView first, rest, second, year;
  if (!SplitAt(Text, sep, first, rest) || !SplitAt(rest, sep, second, year)) return 0;
  int a = 0, b = 0, y = 0;
  if (!TryStrToInt(first, a) || !TryStrToInt(second, b) || !TryStrToInt(year, y)) return 0;
  y = WithCentury(year, y);
  return MonthFirst ? EncodeDate(y, a, b) : EncodeDate(y, b, a);
}

}  // namespace

bool TryParseLocaleDateTime(StringView Text, TDateTime& Value) {
  const Char sep = GetDateSeparator();
  StringView f1, rest, f2, f3;
  if (!SplitAt(Text, sep, f1, rest)) return false;
  if (!SplitAt(rest, sep, f2, f3)) f2 = rest, f3 = StringView();
  String third = Trim(f3), time;
  if (const size_t blank = third.find(u' '); blank != String::npos) {
    time = Trim(StringView(third).substr(blank + 1));
    third.resize(blank);
  }
  int fields[3] = {};
  if (!TryStrToInt(f1, fields[0]) || !TryStrToInt(f2, fields[1]) || !TryStrToInt(third, fields[2])) return false;
  int parts[3] = {};
  const auto order = LocaleDateOrder();
  for (int i = 0; i < 3; ++i) parts[order[static_cast<size_t>(i)]] = fields[i];
  if (parts[dpDay] > 31 || parts[dpMonth] > 12) return false;
  TDateTime date = 0, t = 0;
  const bool ok = TryEncodeDate(parts[dpYear], parts[dpMonth], parts[dpDay], date);
  const bool timeOk = time.empty() || TryParseTimePart(time, t);
  Value = date + t;
  return ok && timeOk;
}

TDateTime ParseDateMDY(StringView Text) { return ParseDate(Text, true); }
TDateTime ParseDateDMY(StringView Text) { return ParseDate(Text, false); }

TDateTime IncrementDate(int Years, int Months, int Days, TDateTime Value, double Step) {
  if (Days != 0 && Years == 0 && Months == 0) return Value + Days;
  if (Years != 0 && Months == 0 && Days == 0) {
    const long long months = std::clamp(Years * 12LL, static_cast<long long>(INT_MIN), static_cast<long long>(INT_MAX));
    return IncMonth(Value, static_cast<int>(months));
  }
  if (Months != 0 && Years == 0 && Days == 0) return IncMonth(Value, Months);
  return Value + Step;
}

bool LooksLikeDate(StringView Text) {
  const Char sep = GetDateSeparator();
  const size_t first = Text.find(sep);
  if (first == StringView::npos || first < 1) return false;
  const size_t second = Text.find(sep, first + 1);
  return second != StringView::npos && second >= first + 2;
}
