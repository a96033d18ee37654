// The text editor's character and paste filters, one table per kind.
#include "grid/interact/EditCharFilter.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/sys/FormatSettings.h"

namespace {

struct CharCase {
  const char* What;
  String Text;
  int SelStart;
  int SelLength;
  Char Key;
  Char Expected;  // 0: dropped
  bool Beep;
};

void RunTable(TEditorType Kind, const std::vector<CharCase>& Cases, bool Ctrl = false) {
  for (const CharCase& c : Cases) {
    TEditCharContext edit{c.Text, c.SelStart, c.SelLength, Ctrl, String(), nullptr};
    const TCharVerdict v = FilterEditChar(Kind, c.Key, edit);
    EXPECT_EQ(v.Key, c.Expected) << c.What;
    EXPECT_EQ(v.Beep, c.Beep) << c.What;
  }
}

TEST(EditCharFilter, NumericTakesOneMinusOnlyAtTheStart) {
  RunTable(edNumeric, {
                          {"digit", u"12", 2, 0, u'3', u'3', false},
                          {"minus at 0", u"12", 0, 0, u'-', u'-', false},
                          {"minus in the middle", u"12", 1, 0, u'-', 0, true},
                          {"second minus", u"-12", 0, 0, u'-', 0, true},
                          {"letter", u"12", 2, 0, u'a', 0, true},
                          {"decimal point", u"12", 2, 0, u'.', 0, true},
                          {"Backspace", u"12", 2, 0, 8, 8, false},
                          {"Enter", u"12", 2, 0, 13, 13, false},
                      });
  RunTable(edPositiveNumeric, {
                                  {"digit", u"", 0, 0, u'7', u'7', false},
                                  {"minus", u"", 0, 0, u'-', 0, true},
                                  {"Escape", u"1", 1, 0, 27, 27, false},
                              });
}

// Both separator orders: the locale's decimal separator once, its thousand
// separator never, whichever of "." and "," each is.
TEST(EditCharFilter, FloatKeepsOneDecimalSeparatorAndNeverTheThousandOne) {
  const TFormatSettingsGuard guard;
  for (const auto& [dec, thou] : {std::pair<Char, Char>{u'.', u','}, std::pair<Char, Char>{u',', u'.'}}) {
    FormatSettings.DecimalSeparator = dec;
    FormatSettings.ThousandSeparator = thou;
    const String one = String(u"1") + dec + u"5";
    RunTable(edFloat, {
                          {"first decimal separator", u"12", 2, 0, dec, dec, false},
                          {"second decimal separator", one, 3, 0, dec, 0, false},
                          {"separator replacing the selected one", one, 1, 1, dec, dec, false},
                          {"thousand separator", u"12", 2, 0, thou, 0, false},
                          {"minus at 0", u"12", 0, 0, u'-', u'-', false},
                          {"minus after a digit", u"12", 1, 0, u'-', 0, true},
                          {"minus over the selected minus", u"-12", 0, 1, u'-', u'-', false},
                          {"letter dropped silently", u"12", 2, 0, u'x', 0, false},
                      });
    RunTable(edPositiveFloat, {
                                  {"minus dropped silently", u"", 0, 0, u'-', 0, false},
                                  {"digit", u"1", 1, 0, u'2', u'2', false},
                              });
  }
  RunTable(edFloat, {{"letter with Ctrl passes", u"1", 1, 0, u'c', u'c', false}}, true);
}

TEST(EditCharFilter, CaseKindsConvertAndValidCharsBeepsOnTheRest) {
  RunTable(edUpperCase, {{"upper", u"", 0, 0, u'a', u'A', false}});
  RunTable(edCapital, {{"capital", u"", 0, 0, u'z', u'Z', false}});
  RunTable(edLowerCase, {{"lower", u"", 0, 0, u'Q', u'q', false}});
  RunTable(edPassword, {{"password takes all", u"", 0, 0, u'#', u'#', false}});
  RunTable(edNormal, {{"normal takes all", u"", 0, 0, u'-', u'-', false}});

  TEditCharContext edit{u"", 0, 0, false, u"abc", nullptr};
  EXPECT_EQ(FilterEditChar(edValidChars, u'b', edit).Key, u'b');
  EXPECT_TRUE(FilterEditChar(edValidChars, u'x', edit).Beep);
  EXPECT_EQ(FilterEditChar(edValidChars, 8, edit).Key, 8) << "Backspace always";
  bool set[256] = {};
  set[u'x'] = true;
  TEditCharContext bySet{u"", 0, 0, false, String(), set};
  EXPECT_EQ(FilterEditChar(edValidChars, u'x', bySet).Key, u'x') << "the set when ValidChars is empty";
  EXPECT_EQ(FilterEditChar(edValidChars, u'y', bySet).Key, 0);
}

TEST(EditCharFilter, PastedTextMustSuitTheKind) {
  struct PasteCase {
    TEditorType Kind;
    String Text;
    bool Accepted;
    String After;
  };
  const std::vector<PasteCase> cases = {
      {edNumeric, u"-123", true, u"-123"},     {edNumeric, u"12ab", false, u"12ab"},
      {edPositiveNumeric, u"-1", false, u"-1"}, {edFloat, u"1,234.5", true, u"1,234.5"},
      {edPositiveFloat, u"-1.5", false, u"-1.5"}, {edUpperCase, u"abc", true, u"ABC"},
      {edLowerCase, u"ABC", true, u"abc"},     {edMixedCase, u"the unit", true, u"The Unit"},
      {edValidChars, u"aab", true, u"aab"},    {edValidChars, u"abz", false, u"abz"},
      {edNormal, u"any", true, u"any"},
  };
  for (const PasteCase& c : cases) {
    String n = c.Text;
    EXPECT_EQ(FilterPastedText(c.Kind, n, u"ab"), c.Accepted) << static_cast<int>(c.Kind) << " " << static_cast<int>(c.Text.size());
    EXPECT_EQ(n, c.After);
  }
}

}  // namespace
