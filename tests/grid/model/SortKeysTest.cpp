#include <gtest/gtest.h>

#include "grid/base/NumberText.h"
#include "grid/model/SortKeys.h"
#include "tests/grid/base/Locale.h"

namespace {

// A key's number class decides the automatic style: its quick walk over the
// usual number texts answers exactly as the full classification, whichever
// character the locale makes the decimal separator.
TEST(SortKeys, NumberClassAsTheFullClassification) {
  const char16_t* texts[] = {u"",    u"-",    u"5",   u"-5",   u"5-",   u"--5",  u"1.5",  u"1,5",   u"-.5",
                             u".",   u"5.",   u"1.2.3", u"1,2,3", u"1,234.5", u"1.234,5", u"1e5", u"-1e-5", u"12a",
                             u" 7",  u"+7",   u"\u0663", u"7\u0663", u"1,23"};
  for (const TestLocale* l : {&PointDecimalMDY, &CommaDecimalDMY}) {
    ScopedLocale locale(*l);
    for (const char16_t* t : texts) {
      TSortKey key;
      key.SetText(t);
      EXPECT_EQ(key.NumberClass(), ClassifyNumberText(t)) << "decimal " << static_cast<int>(l->decimal) << " text "
                                                          << StringToUtf8(t);
    }
  }
}

}  // namespace
