#include "platform/sys/DateTime.h"

#include <algorithm>

#include "platform/sys/Exceptions.h"
#include "platform/sys/FormatSettings.h"

namespace {

Char Upper(Char c) { return c >= u'a' && c <= u'z' ? static_cast<Char>(c - 32) : c; }

bool StartsWithNoCase(StringView s, StringView prefix) {
  if (prefix.empty() || s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (Upper(s[i]) != Upper(prefix[i])) return false;
  return true;
}

bool FindNoCase(StringView s, StringView what) {
  for (size_t i = 0; i + what.size() <= s.size(); ++i)
    if (StartsWithNoCase(s.substr(i), what)) return true;
  return false;
}

String Number(int v, int digits) {
  String out = String(u"") + static_cast<Char>(u'0' + v % 10);
  for (v /= 10; v > 0; v /= 10) out.insert(out.begin(), static_cast<Char>(u'0' + v % 10));
  if (static_cast<int>(out.size()) < digits) out.insert(0, static_cast<size_t>(digits) - out.size(), u'0');
  return out;
}

class DateTimeWriter {
 public:
  explicit DateTimeWriter(TDateTime dt) : dayOfWeek_(DayOfWeek(dt)) {
    DecodeDateTime(dt, year_, month_, day_, hour_, min_, sec_, msec_);
  }

  void Append(StringView f, int depth) {
    if (depth > 2) return;  // a format naming itself must not recurse forever
    Char last = 0;
    for (size_t i = 0; i < f.size();) {
      const Char c = f[i];
      if (c == u'"' || c == u'\'') {
        const size_t end = std::min(f.find(c, i + 1), f.size());
        out_ += f.substr(i + 1, end - i - 1);
        i = end + 1;
      } else if (Upper(c) == u'A') {
        i += AppendAmPm(f.substr(i));
        last = u'A';
      } else if (Upper(c) >= u'A' && Upper(c) <= u'Z') {
        size_t count = 1;
        while (i + count < f.size() && Upper(f[i + count]) == Upper(c)) ++count;
        AppendToken(Upper(c), static_cast<int>(count), last, f.substr(i + count), depth);
        last = Upper(c);
        i += count;
      } else {
        out_ += c == u'/' ? FormatSettings.DateSeparator : c == u':' ? FormatSettings.TimeSeparator : c;
        ++i;
      }
    }
  }

  const String& Text() const { return out_; }

 private:
  // Answers how many format characters it used.
  size_t AppendAmPm(StringView f) {
    const bool pm = hour_ >= 12;
    if (StartsWithNoCase(f, u"AMPM")) {
      out_ += pm ? FormatSettings.TimePMString : FormatSettings.TimeAMString;
      return 4;
    }
    if (StartsWithNoCase(f, u"AM/PM")) {
      out_ += f.substr(pm ? 3 : 0, 2);
      return 5;
    }
    if (StartsWithNoCase(f, u"A/P")) {
      out_ += f[pm ? 2 : 0];
      return 3;
    }
    out_ += f[0];
    return 1;
  }

  void AppendToken(Char token, int count, Char last, StringView rest, int depth) {
    switch (token) {
      case u'C':
        Append(FormatSettings.ShortDateFormat, depth + 1);
        if (hour_ || min_ || sec_ || msec_) {
          out_ += u' ';
          Append(FormatSettings.LongTimeFormat, depth + 1);
        }
        break;
      case u'D': AppendDay(count, depth); break;
      case u'M':
        if (last == u'H' && count <= 2) out_ += Number(min_, count);
        else if (count <= 2) out_ += Number(month_, count);
        else out_ += (count == 3 ? FormatSettings.ShortMonthNames : FormatSettings.LongMonthNames)[Index(month_ - 1, 12)];
        break;
      case u'Y': out_ += count <= 2 ? Number(year_ % 100, 2) : Number(year_, 4); break;
      case u'H': out_ += Number(TwelveHour(rest) ? (hour_ + 11) % 12 + 1 : hour_, std::min(count, 2)); break;
      case u'N': out_ += Number(min_, std::min(count, 2)); break;
      case u'S': out_ += Number(sec_, std::min(count, 2)); break;
      case u'Z': out_ += Number(msec_, count >= 3 ? 3 : 1); break;
      case u'T': Append(count == 1 ? FormatSettings.ShortTimeFormat : FormatSettings.LongTimeFormat, depth + 1); break;
      default: out_.append(rest.data() - count, static_cast<size_t>(count)); break;  // not a token: as written
    }
  }

  void AppendDay(int count, int depth) {
    switch (count) {
      case 1: case 2: out_ += Number(day_, count); break;
      case 3: out_ += FormatSettings.ShortDayNames[Index(dayOfWeek_ - 1, 7)]; break;
      case 4: out_ += FormatSettings.LongDayNames[Index(dayOfWeek_ - 1, 7)]; break;
      case 5: Append(FormatSettings.ShortDateFormat, depth + 1); break;
      default: Append(FormatSettings.LongDateFormat, depth + 1); break;
    }
  }

  static size_t Index(int i, int size) { return static_cast<size_t>(std::clamp(i, 0, size - 1)); }

  static bool TwelveHour(StringView rest) {
    return FindNoCase(rest, u"AM/PM") || FindNoCase(rest, u"A/P") || FindNoCase(rest, u"AMPM");
  }

  int year_ = 0, month_ = 0, day_ = 0, hour_ = 0, min_ = 0, sec_ = 0, msec_ = 0;
  int dayOfWeek_;
  String out_;
};

// Reads dates and times the way users type them.
class Scanner {
 public:
  explicit Scanner(StringView s) : s_(s) {}

  void Blanks() {
    while (pos_ < s_.size() && s_[pos_] == u' ') ++pos_;
  }
  bool AtEnd() const { return pos_ >= s_.size(); }
  bool Take(Char c) {
    if (AtEnd() || s_[pos_] != c) return false;
    ++pos_;
    return true;
  }
  bool TakeText(StringView t) {
    if (!StartsWithNoCase(s_.substr(pos_), t)) return false;
    pos_ += t.size();
    return true;
  }
  // Decimal digits, at least one and at most maxDigits.
  bool Number(int& value, int& digits, int maxDigits) {
    value = 0;
    for (digits = 0; pos_ < s_.size() && s_[pos_] >= u'0' && s_[pos_] <= u'9'; ++digits, ++pos_) {
      if (digits == maxDigits) return false;
      value = value * 10 + (s_[pos_] - u'0');
    }
    return digits > 0;
  }
  size_t Pos() const { return pos_; }
  void Reset(size_t pos) { pos_ = pos; }

 private:
  StringView s_;
  size_t pos_ = 0;
};

enum DateOrder { doMDY, doDMY, doYMD };

DateOrder ShortDateOrder() {
  for (Char c : FormatSettings.ShortDateFormat) {
    switch (Upper(c)) {
      case u'D': return doDMY;
      case u'M': return doMDY;
      case u'Y': return doYMD;
      default: break;
    }
  }
  return doMDY;
}

int CurrentYear() {
  int y = 0, m = 0, d = 0;
  DecodeDate(Now(), y, m, d);
  return y;
}

int WithCentury(int year) {
  const int base = CurrentYear() - 50;
  year += base / 100 * 100;
  return year < base ? year + 100 : year;
}

bool ScanDate(Scanner& sc, TDateTime& value) {
  int n[3] = {};
  int digits[3] = {};
  sc.Blanks();
  if (!sc.Number(n[0], digits[0], 4)) return false;
  sc.Blanks();
  if (!sc.Take(FormatSettings.DateSeparator)) return false;
  sc.Blanks();
  if (!sc.Number(n[1], digits[1], 4)) return false;
  const size_t afterSecond = sc.Pos();
  sc.Blanks();
  int count = 2;
  if (sc.Take(FormatSettings.DateSeparator)) {
    sc.Blanks();
    if (!sc.Number(n[2], digits[2], 4)) return false;
    count = 3;
  } else {
    sc.Reset(afterSecond);
  }
  int y = 0, m = 0, d = 0, yearDigits = 4;
  const DateOrder order = ShortDateOrder();
  if (count == 2) {
    y = CurrentYear();
    m = order == doDMY ? n[1] : n[0];
    d = order == doDMY ? n[0] : n[1];
  } else if (order == doYMD) {
    y = n[0], m = n[1], d = n[2], yearDigits = digits[0];
  } else {
    y = n[2], yearDigits = digits[2];
    m = order == doDMY ? n[1] : n[0];
    d = order == doDMY ? n[0] : n[1];
  }
  if (yearDigits <= 2) y = WithCentury(y);
  return TryEncodeDate(y, m, d, value);
}

// -1 none, 0 AM, 12 PM.
int ScanAmPm(Scanner& sc) {
  const TFormatSettings& fs = FormatSettings;
  if (sc.TakeText(fs.TimeAMString) || sc.TakeText(u"AM")) return 0;
  if (sc.TakeText(fs.TimePMString) || sc.TakeText(u"PM")) return 12;
  return -1;
}

bool ScanTime(Scanner& sc, TDateTime& value) {
  int h = 0, n = 0, s = 0, ms = 0, digits = 0;
  sc.Blanks();
  int base = ScanAmPm(sc);
  sc.Blanks();
  if (!sc.Number(h, digits, 2)) return false;
  if (sc.Take(FormatSettings.TimeSeparator)) {
    if (!sc.Number(n, digits, 2)) return false;
    if (sc.Take(FormatSettings.TimeSeparator)) {
      if (!sc.Number(s, digits, 2)) return false;
      if (sc.Take(FormatSettings.DecimalSeparator) && !sc.Number(ms, digits, 3)) return false;
    }
  }
  sc.Blanks();
  if (base < 0) base = ScanAmPm(sc);
  if (base >= 0) {
    if (h < 1 || h > 12) return false;
    h = h % 12 + base;
  }
  sc.Blanks();
  return TryEncodeTime(h, n, s, ms, value);
}

template <typename Scan>
bool ScanWhole(StringView s, TDateTime& value, Scan scan) {
  Scanner sc(s);
  TDateTime v = 0;
  if (!scan(sc, v) || (sc.Blanks(), !sc.AtEnd())) return false;
  value = v;
  return true;
}

bool ScanDateTime(Scanner& sc, TDateTime& value) {
  TDateTime date = 0, time = 0;
  if (!ScanDate(sc, date)) {
    sc.Reset(0);
    return ScanTime(sc, value);
  }
  sc.Blanks();
  if (sc.AtEnd()) {
    value = date;
    return true;
  }
  if (!ScanTime(sc, time)) return false;
  value = CombineDateTime(date, time);
  return true;
}

template <typename Try>
TDateTime OrRaise(Try tryConvert, StringView s, const char16_t* what) {
  TDateTime v = 0;
  if (!tryConvert(s, v)) throw EConvertError(u"'" + String(s) + u"' is not a valid " + what);
  return v;
}

}  // namespace

String FormatDateTime(StringView Format, TDateTime DateTime) {
  DateTimeWriter w(DateTime);
  w.Append(Format.empty() ? StringView(u"c") : Format, 0);
  return w.Text();
}

String DateToStr(TDateTime DateTime) { return FormatDateTime(u"ddddd", DateTime); }
String TimeToStr(TDateTime DateTime) { return FormatDateTime(u"tt", DateTime); }
String DateTimeToStr(TDateTime DateTime) { return FormatDateTime(u"c", DateTime); }

bool TryStrToDate(StringView S, TDateTime& Value) { return ScanWhole(S, Value, ScanDate); }
bool TryStrToTime(StringView S, TDateTime& Value) { return ScanWhole(S, Value, ScanTime); }
bool TryStrToDateTime(StringView S, TDateTime& Value) { return ScanWhole(S, Value, ScanDateTime); }

TDateTime StrToDate(StringView S) { return OrRaise(TryStrToDate, S, u"date"); }

TDateTime StrToTime(StringView S) { return OrRaise(TryStrToTime, S, u"time"); }

TDateTime StrToDateTime(StringView S) { return OrRaise(TryStrToDateTime, S, u"date and time"); }
