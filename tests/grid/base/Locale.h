#pragma once
// Sets the separators and short date format for one test and restores the
// process-wide settings afterwards.
#include "platform/sys/FormatSettings.h"

struct TestLocale {
  Char decimal = u'.';
  Char thousand = u',';
  Char dateSep = u'/';
  const char16_t* shortDate = u"M/d/yyyy";
  Char timeSep = u':';
};

inline constexpr TestLocale PointDecimalMDY{u'.', u',', u'/', u"M/d/yyyy"};
inline constexpr TestLocale CommaDecimalDMY{u',', u'.', u'.', u"dd.MM.yyyy"};
inline constexpr TestLocale CommaDecimalYMD{u',', u'.', u'-', u"yyyy-MM-dd"};
inline constexpr TestLocale PointDecimalDMY{u'.', u',', u'/', u"dd/mm/yyyy"};

class ScopedLocale {
 public:
  explicit ScopedLocale(const TestLocale& l) {
    FormatSettings.DecimalSeparator = l.decimal;
    FormatSettings.ThousandSeparator = l.thousand;
    FormatSettings.DateSeparator = l.dateSep;
    FormatSettings.ShortDateFormat = l.shortDate;
    FormatSettings.TimeSeparator = l.timeSep;
  }

 private:
  TFormatSettingsGuard guard_;
};
