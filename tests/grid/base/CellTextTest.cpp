#include <gtest/gtest.h>

#include "grid/base/CellText.h"

namespace {

String Chars(std::initializer_list<Char> cs) { return String(cs); }

}  // namespace

TEST(CellText, Kinds) {
  struct Case {
    String text;
    bool html;
    int kind;
  };
  const Case cases[] = {
      {u"", true, 0},
      {u"=A1+1", true, 3},
      {u"{\\rtf1 x}", true, 2},
      {u"{\\rtf1 x}", false, 2},
      {u"<B>x</B>", true, 1},
      {u"<B>x</B>", false, 0},
      {u"<b>x", true, 0},
      {u"a</b", true, 1},
      {u"<IMG src>", true, 1},
      {u"<C>", true, 1},
      {u"<u>x", true, 0},
      {u"|\\ab", true, 5},
      {PackWideCellText(u"=A1"), true, 3},
      {PackWideCellText(u"="), true, 5},  // a lone "=" unit is no formula
      {PackWideCellText(u"x=1"), true, 5},
      {u"{x", true, 0},
      {u"|x", true, 0},
  };
  for (const auto& c : cases) EXPECT_EQ(CellTextKind(c.text, c.html), c.kind) << StringToUtf8(c.text);
}

TEST(CellText, PackedWideTextRoundTrips) {
  EXPECT_EQ(PackWideCellText(u"AB"), Chars({u'|', u'\\', 0, u'A', 0, u'B'}));
  EXPECT_EQ(PackWideCellText(u""), u"|\\");
  EXPECT_EQ(PackWideCellText(u"\u20AC"), Chars({u'|', u'\\', 0x20, 0xAC}));
  for (const String& s : {String(u"AB"), String(u"\u20AC\uFFFF\u0100x"), String(), String(1, Char(0))}) {
    EXPECT_EQ(UnpackWideCellText(PackWideCellText(s)), s) << StringToUtf8(s);
  }
  EXPECT_EQ(UnpackWideCellText(u"plain"), u"plain");
  EXPECT_EQ(UnpackWideCellText(Chars({u'|', u'\\', 0, u'A', 0})), u"A");  // odd last char ignored
  EXPECT_EQ(UnpackWideCellText(Chars({u'|', u'\\', 0x1FF, 0x41})), u"\uFF41");  // units stay 16-bit
}

TEST(CellText, LineBreaksForSaving) {
  struct Case {
    String text, saved;
  };
  const Case cases[] = {
      {u"a\r\nb", Chars({u'a', 9, 8, u'b'})},
      {Chars({u'a', u'\r', 0, u'\n'}), Chars({u'a', 9, 1, 8})},
      {Chars({u'a', u'\n', 0}), Chars({u'a', u'\n', 0})},  // no CR: unchanged
      {u"", u""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(EncodeLineBreaksForSave(c.text), c.saved);
    EXPECT_EQ(DecodeLineBreaksFromLoad(c.saved, true), c.text);
  }
  EXPECT_EQ(DecodeLineBreaksFromLoad(Chars({u'a', 9, 8, u'b'}), false), u"a");
  EXPECT_EQ(DecodeLineBreaksFromLoad(Chars({u'a', 9, 1}), true), Chars({u'a', 9, 1}));  // no #8: untouched
}
