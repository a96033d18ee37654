#pragma once
// The process-wide number, date and time formats every conversion reads at
// the moment of the call. Initialised from the environment's locale at start
// (en-US style when the locale is C/POSIX or unknown); tests set it freely and
// restore it with TFormatSettingsGuard.
#include <array>
#include <string>

#include "platform/sys/String.h"

struct TFormatSettings {
  Char DecimalSeparator = u'.';
  Char ThousandSeparator = u',';
  Char DateSeparator = u'/';
  Char TimeSeparator = u':';
  Char ListSeparator = u',';
  // Date and time formats use the FormatDateTime tokens; "/" and ":" in them
  // stand for DateSeparator and TimeSeparator.
  String ShortDateFormat = u"M/d/yyyy";
  String LongDateFormat = u"dddd, mmmm d, yyyy";
  String ShortTimeFormat = u"h:nn AMPM";
  String LongTimeFormat = u"h:nn:ss AMPM";
  String TimeAMString = u"AM";
  String TimePMString = u"PM";
  String CurrencyString = u"$";
  std::array<String, 12> ShortMonthNames{u"Jan", u"Feb", u"Mar", u"Apr", u"May", u"Jun",
                                         u"Jul", u"Aug", u"Sep", u"Oct", u"Nov", u"Dec"};
  std::array<String, 12> LongMonthNames{u"January", u"February", u"March",     u"April",
                                        u"May",     u"June",     u"July",      u"August",
                                        u"September", u"October", u"November", u"December"};
  // Index 0 is Sunday, as DayOfWeek counts.
  std::array<String, 7> ShortDayNames{u"Sun", u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat"};
  std::array<String, 7> LongDayNames{u"Sunday",   u"Monday", u"Tuesday", u"Wednesday",
                                     u"Thursday", u"Friday", u"Saturday"};
};

extern TFormatSettings FormatSettings;

// The settings of the named locales (numbers from the first, dates and times
// from the second); the en-US defaults where a locale is C, POSIX or missing.
TFormatSettings LocaleFormatSettings(const std::string& NumericLocale, const std::string& TimeLocale);
// The locale name the environment selects for a category (LC_ALL, the
// category's variable, LANG), e.g. "LC_NUMERIC"; "C" when none is set.
std::string EnvironmentLocaleName(const char* Category);

// Saves FormatSettings, starts from the en-US defaults, restores on leaving.
class TFormatSettingsGuard {
 public:
  TFormatSettingsGuard() : saved_(FormatSettings) { FormatSettings = TFormatSettings{}; }
  ~TFormatSettingsGuard() { FormatSettings = saved_; }
  TFormatSettingsGuard(const TFormatSettingsGuard&) = delete;
  TFormatSettingsGuard& operator=(const TFormatSettingsGuard&) = delete;

 private:
  TFormatSettings saved_;
};
