#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/sys/Exceptions.h"
#include "platform/sys/Strings.h"

namespace {

std::vector<String> Items(const TStrings& l) {
  std::vector<String> r;
  for (int i = 0; i < l.Count(); ++i) r.push_back(l.Strings(i));
  return r;
}

struct Tag : TPersistent {
  explicit Tag(int* freed = nullptr) : freed_(freed) {}
  ~Tag() override {
    if (freed_) ++*freed_;
  }
  int* freed_;
};

}  // namespace

TEST(StringList, SortedIgnoresDuplicatesWithoutCase) {
  TStringList l;
  l.SetSorted(true);
  for (const char16_t* s : {u"pear", u"Apple", u"fig", u"APPLE", u"apple", u"Fig"}) l.Add(s);
  EXPECT_EQ(Items(l), (std::vector<String>{u"Apple", u"fig", u"pear"}));
  EXPECT_EQ(l.Add(u"PEAR"), 2);  // answers the entry already there
  EXPECT_EQ(l.IndexOf(u"FIG"), 1);
  EXPECT_EQ(l.IndexOf(u"kiwi"), -1);
  int at = -1;
  EXPECT_FALSE(l.Find(u"grape", at));
  EXPECT_EQ(at, 2);
}

TEST(StringList, SortedDuplicatesErrorAndAccept) {
  TStringList l;
  l.SetSorted(true);
  l.SetDuplicates(dupError);
  l.Add(u"b");
  try {
    l.Add(u"B");
    FAIL() << "duplicate accepted";
  } catch (const EListError& e) {
    EXPECT_EQ(e.Message(), u"String list does not allow duplicates");
  }
  EXPECT_EQ(l.Count(), 1);
  l.SetDuplicates(dupAccept);
  Tag first, second;
  l.AddObject(u"a", &first);
  l.AddObject(u"A", &second);
  EXPECT_EQ(Items(l), (std::vector<String>{u"a", u"A", u"b"}));
  EXPECT_EQ(l.Objects(0), &first);
  EXPECT_THROW(l.Insert(0, u"z"), EListError);
  EXPECT_THROW(l.SetStrings(0, u"z"), EListError);
  EXPECT_THROW(l.Move(0, 2), EListError);
  EXPECT_EQ(l.Count(), 3);  // a refused move loses nothing
}

TEST(StringList, CaseSensitiveSortsByCode) {
  TStringList l;
  l.SetCommaText(u"b,B,a,A");
  l.SetCaseSensitive(true);
  l.SetSorted(true);
  EXPECT_EQ(l.CommaText(), u"A,B,a,b");
  EXPECT_EQ(l.IndexOf(u"b"), 3);
  l.SetCaseSensitive(false);
  EXPECT_EQ(l.CommaText(), u"A,a,B,b");  // resorted without case, equals keep their order
}

TEST(StringList, ObjectsFollowTheirEntries) {
  TStringList l;
  Tag a, b, c, d;
  l.AddObject(u"c", &c);
  l.AddObject(u"a", &a);
  l.InsertObject(1, u"b", &b);  // c b a
  l.Exchange(0, 2);             // a b c
  l.AddObject(u"d", &d);
  l.Move(3, 0);                 // d a b c
  l.Move(0, 2);                 // a b d c
  l.Delete(0);                  // b d c
  l.SetSorted(true);            // b c d
  ASSERT_EQ(Items(l), (std::vector<String>{u"b", u"c", u"d"}));
  EXPECT_EQ(l.Objects(0), &b);
  EXPECT_EQ(l.Objects(1), &c);
  EXPECT_EQ(l.Objects(2), &d);
  EXPECT_EQ(l.IndexOfObject(&d), 2);
  l.CustomSort([](TStringList& L, int x, int y) { return L.Strings(y).compare(L.Strings(x)); });
  EXPECT_EQ(l.Objects(0), &d);
}

TEST(StringList, OwnsObjectsFreesOnDeleteClearAndDestruction) {
  int freed = 0;
  {
    TStringList l(true);
    for (int i = 0; i < 4; ++i) l.AddObject(u"x", new Tag(&freed));
    l.Delete(1);
    EXPECT_EQ(freed, 1);
    l.Clear();
    EXPECT_EQ(freed, 4);
    l.AddObject(u"y", new Tag(&freed));
  }
  EXPECT_EQ(freed, 5);
}

TEST(StringList, IndexErrorsNameTheIndex) {
  TStringList l;
  l.Add(u"a");
  struct Case {
    std::function<void()> op;
    const char16_t* message;
  };
  const Case cases[] = {
      {[&] { l.Strings(1); }, u"List index out of bounds (1)"},
      {[&] { l.Objects(-1); }, u"List index out of bounds (-1)"},
      {[&] { l.Delete(5); }, u"List index out of bounds (5)"},
      {[&] { l.Insert(2, u"x"); }, u"List index out of bounds (2)"},
      {[&] { l.Exchange(0, 1); }, u"List index out of bounds (1)"},
      {[&] { l.Move(0, 3); }, u"List index out of bounds (3)"},
  };
  for (const Case& c : cases) {
    try {
      c.op();
      ADD_FAILURE() << StringToUtf8(c.message);
    } catch (const EListError& e) {
      EXPECT_EQ(e.Message(), c.message);
    }
  }
  EXPECT_EQ(Items(l), std::vector<String>{u"a"});
  EXPECT_NO_THROW(l.Insert(1, u"end"));
}

TEST(StringList, CommaTextQuotesWhatNeedsIt) {
  TStringList l;
  for (const char16_t* s : {u"plain", u"two words", u"a,b", u"say \"hi\"", u"", u"tab\there", u"x"}) l.Add(s);
  EXPECT_EQ(l.CommaText(), u"plain,\"two words\",\"a,b\",\"say \"\"hi\"\"\",,\"tab\there\",x");
  TStringList back;
  back.SetCommaText(l.CommaText());
  EXPECT_EQ(Items(back), Items(l));

  TStringList one;
  one.Add(u"");
  EXPECT_EQ(one.CommaText(), u"\"\"");
  back.SetCommaText(one.CommaText());
  EXPECT_EQ(Items(back), std::vector<String>{u""});
}

TEST(StringList, CommaTextReading) {
  using namespace std::literals;
  struct Case {
    StringView text;
    std::vector<String> items;
  };
  const Case cases[] = {
      {u"", {}},
      {u"a b,c", {u"a", u"b", u"c"}},  // blanks separate too
      {u"  a ,  b  ", {u"a", u"b"}},
      {u"a,", {u"a", u""}},
      {u"a,,b", {u"a", u"", u"b"}},
      {u"\"x, y\",z", {u"x, y", u"z"}},
      {u"\"he said \"\"no\"\"\"", {u"he said \"no\""}},
      {u"\"open", {u"open"}},
      {u"\"ab\"cd", {u"ab", u"cd"}},
      // A NUL is an ordinary character of an item (it once never advanced).
      {u"\x01\0"sv, {u"\0"s}},
      {u"a\0b,\0"sv, {u"a\0b"s, u"\0"s}},
  };
  for (const Case& c : cases) {
    TStringList l;
    l.SetCommaText(String(c.text));
    EXPECT_EQ(Items(l), c.items) << StringToUtf8(c.text);
  }
}

TEST(StringList, DelimitedTextWithStrictDelimiter) {
  TStringList l;
  l.SetDelimiter(u';');
  l.SetQuoteChar(u'\'');
  l.SetStrictDelimiter(true);
  l.SetDelimitedText(u" a b ;c;'d;e'");
  EXPECT_EQ(Items(l), (std::vector<String>{u" a b ", u"c", u"d;e"}));
  EXPECT_EQ(l.DelimitedText(), u" a b ;c;'d;e'");
  l.SetStrictDelimiter(false);
  EXPECT_EQ(l.DelimitedText(), u"' a b ';c;'d;e'");
  l.SetDelimitedText(std::u16string(u"\x01\0;\0", 4));
  EXPECT_EQ(Items(l), (std::vector<String>{String(1, u'\0'), String(1, u'\0')}));
}

TEST(StringList, TextJoinsWithCrLfAndReadsEveryLineEnd) {
  TStringList l;
  l.SetText(u"a\r\nb\nc\rd\r\n\r\ne");
  EXPECT_EQ(Items(l), (std::vector<String>{u"a", u"b", u"c", u"d", u"", u"e"}));
  EXPECT_EQ(l.Text(), u"a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
  l.SetText(u"last\r\n");
  EXPECT_EQ(Items(l), std::vector<String>{u"last"});
  l.SetText(u"\n");
  EXPECT_EQ(Items(l), std::vector<String>{u""});
  l.SetText(u"");
  EXPECT_EQ(l.Count(), 0);
}

TEST(StringList, NamesAndValues) {
  TStringList l;
  l.SetText(u"Port=502\nHost=gw=1\nflag\nEmpty=");
  EXPECT_EQ(l.Values(u"port"), u"502");
  EXPECT_EQ(l.Values(u"Host"), u"gw=1");
  EXPECT_EQ(l.Names(2), u"");
  EXPECT_EQ(l.ValueFromIndex(2), u"");  // no separator: no value
  EXPECT_EQ(l.IndexOfName(u"empty"), 3);
  EXPECT_EQ(l.IndexOfName(u"flag"), -1);
  l.SetValues(u"Port", u"503");
  l.SetValues(u"New", u"1");
  l.SetValues(u"Host", u"");
  EXPECT_EQ(l.Text(), u"Port=503\r\nflag\r\nEmpty=\r\nNew=1\r\n");
}

TEST(StringList, ChangeEventsOncePerChangeOrOncePerBracket) {
  TStringList l;
  int changing = 0, changed = 0;
  l.OnChanging = [&](TObject* s) {
    EXPECT_EQ(s, &l);
    ++changing;
  };
  l.OnChange = [&](TObject*) { ++changed; };
  l.Add(u"a");
  l.Insert(0, u"b");
  l.Delete(1);
  EXPECT_EQ(changing, 3);
  EXPECT_EQ(changed, 3);
  l.SetCommaText(u"x,y,z");
  l.SetText(u"1\n2");
  l.BeginUpdate();
  l.Add(u"3");
  l.Sort();
  l.EndUpdate();
  EXPECT_EQ(changing, 6);
  EXPECT_EQ(changed, 6);
  l.Clear();
  l.Clear();  // nothing to clear: no event
  EXPECT_EQ(changed, 7);
}

TEST(StringList, AssignCopiesTextsAndObjects) {
  TStringList src, dst;
  Tag t;
  src.AddObject(u"one", &t);
  src.Add(u"two");
  dst.Add(u"old");
  dst.Assign(src);
  EXPECT_EQ(Items(dst), (std::vector<String>{u"one", u"two"}));
  EXPECT_EQ(dst.Objects(0), &t);
  TStringList more;
  more.Add(u"zero");
  more.AddStrings(src);
  EXPECT_EQ(more.Objects(1), &t);
  Tag notAList;
  EXPECT_THROW(dst.Assign(notAList), EConvertError);
}
