#include "platform/sys/FormatSettings.h"

#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <cstring>

namespace {

bool IsPlainCLocale(const std::string& name) {
  return name.empty() || name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

// One locale object opened for reading; answers nothing for a locale the
// system does not have.
class LocaleData {
 public:
  explicit LocaleData(const std::string& name)
      : loc_(IsPlainCLocale(name) ? nullptr : newlocale(LC_ALL_MASK, name.c_str(), nullptr)) {}
  ~LocaleData() {
    if (loc_) freelocale(loc_);
  }
  LocaleData(const LocaleData&) = delete;
  LocaleData& operator=(const LocaleData&) = delete;

  bool Valid() const { return loc_ != nullptr; }
  // The item as text; only UTF-8 locales are read, others keep the defaults.
  String Text(nl_item item) const {
    if (!loc_ || std::strcmp(nl_langinfo_l(CODESET, loc_), "UTF-8") != 0) return {};
    return Utf8ToString(nl_langinfo_l(item, loc_));
  }
  std::string Raw(nl_item item) const { return loc_ ? nl_langinfo_l(item, loc_) : ""; }

 private:
  locale_t loc_;
};

void SetIfNotEmpty(String& target, const String& value) {
  if (!value.empty()) target = value;
}

void SetCharIfSingle(Char& target, const String& value) {
  if (value.size() == 1) target = value[0];
}

// One strftime conversion as a FormatDateTime token; empty for those we drop.
String StrftimeToken(char c) {
  switch (c) {
    case 'd': return u"dd";
    case 'e': return u"d";
    case 'm': return u"mm";
    case 'y': return u"yy";
    case 'Y': return u"yyyy";
    case 'b': case 'h': return u"mmm";
    case 'B': return u"mmmm";
    case 'a': return u"ddd";
    case 'A': return u"dddd";
    case 'H': case 'I': return u"hh";
    case 'k': case 'l': return u"h";
    case 'M': return u"nn";
    case 'S': return u"ss";
    case 'p': case 'P': return u"ampm";
    case 'r': return u"hh:nn:ss ampm";
    case 'T': return u"hh:nn:ss";
    case 'R': return u"hh:nn";
    case 'D': return u"mm/dd/yy";
    case 'F': return u"yyyy-mm-dd";
    case 'n': case 't': return u" ";
    case '%': return u"\"%\"";
    default: return {};
  }
}

bool IsSeparatorLiteral(Char c) { return c < 0x80 && !((c | 0x20) >= u'a' && (c | 0x20) <= u'z') && c != u'"'; }

// A strftime format as FormatDateTime tokens; letters and other literals are
// quoted so that they are never read as tokens.
String FromStrftime(const String& f) {
  String out;
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] != u'%') {
      if (IsSeparatorLiteral(f[i])) out += f[i];
      else out += u'"' + String(1, f[i]) + u'"';
      continue;
    }
    while (i + 1 < f.size() && (f[i + 1] == u'-' || f[i + 1] == u'_' || f[i + 1] == u'0' || f[i + 1] == u'E' ||
                                f[i + 1] == u'O'))
      ++i;  // flags and modifiers: the field stays the same
    if (i + 1 < f.size()) out += StrftimeToken(static_cast<char>(f[++i]));
  }
  return out;
}

// The first literal between two fields of a strftime format.
Char FirstSeparator(const String& f, Char fallback) {
  for (size_t i = 0; i < f.size(); ++i) {
    if (f[i] == u'%') { ++i; continue; }
    if (IsSeparatorLiteral(f[i]) && f[i] != u' ') return f[i];
  }
  return fallback;
}

void ReadNumbers(TFormatSettings& fs, const LocaleData& loc) {
  SetCharIfSingle(fs.DecimalSeparator, loc.Text(RADIXCHAR));
  String thousands = loc.Text(THOUSEP);
  if (thousands.size() == 1 && thousands[0] != fs.DecimalSeparator) fs.ThousandSeparator = thousands[0];
  else if (fs.ThousandSeparator == fs.DecimalSeparator) fs.ThousandSeparator = fs.DecimalSeparator == u',' ? u'.' : u',';
  // No list separator in POSIX locales: the habit is ";" where "," is the decimal.
  fs.ListSeparator = fs.DecimalSeparator == u',' ? u';' : u',';
  String currency = loc.Text(CRNCYSTR);
  if (!currency.empty()) currency.erase(0, 1);  // the leading position mark
  SetIfNotEmpty(fs.CurrencyString, currency);
}

void ReadNames(TFormatSettings& fs, const LocaleData& loc) {
  for (int i = 0; i < 12; ++i) {
    SetIfNotEmpty(fs.ShortMonthNames[i], loc.Text(static_cast<nl_item>(ABMON_1 + i)));
    SetIfNotEmpty(fs.LongMonthNames[i], loc.Text(static_cast<nl_item>(MON_1 + i)));
  }
  for (int i = 0; i < 7; ++i) {
    SetIfNotEmpty(fs.ShortDayNames[i], loc.Text(static_cast<nl_item>(ABDAY_1 + i)));
    SetIfNotEmpty(fs.LongDayNames[i], loc.Text(static_cast<nl_item>(DAY_1 + i)));
  }
}

void ReadDatesAndTimes(TFormatSettings& fs, const LocaleData& loc) {
  const String date = loc.Text(D_FMT);
  if (!date.empty()) {
    fs.ShortDateFormat = FromStrftime(date);
    fs.DateSeparator = FirstSeparator(date, fs.DateSeparator);
  }
  const String time = loc.Text(T_FMT);
  if (!time.empty()) {
    fs.TimeSeparator = FirstSeparator(time, fs.TimeSeparator);
    fs.LongTimeFormat = FromStrftime(time == u"%r" ? loc.Text(T_FMT_AMPM) : time);
    fs.ShortTimeFormat = fs.LongTimeFormat;
    const size_t seconds = fs.ShortTimeFormat.find(u"ss");
    if (seconds != String::npos && seconds > 0) fs.ShortTimeFormat.erase(seconds - 1, 3);
  }
  // Locales without a 12-hour clock have no AM/PM texts: keep ours.
  SetIfNotEmpty(fs.TimeAMString, loc.Text(AM_STR));
  SetIfNotEmpty(fs.TimePMString, loc.Text(PM_STR));
  ReadNames(fs, loc);
}

}  // namespace

TFormatSettings LocaleFormatSettings(const std::string& NumericLocale, const std::string& TimeLocale) {
  TFormatSettings fs;
  const LocaleData numeric(NumericLocale);
  if (numeric.Valid()) ReadNumbers(fs, numeric);
  const LocaleData time(TimeLocale);
  if (time.Valid()) ReadDatesAndTimes(fs, time);
  return fs;
}

std::string EnvironmentLocaleName(const char* Category) {
  for (const char* var : {"LC_ALL", Category, "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) return value;
  }
  return "C";
}

TFormatSettings FormatSettings =
    LocaleFormatSettings(EnvironmentLocaleName("LC_NUMERIC"), EnvironmentLocaleName("LC_TIME"));
