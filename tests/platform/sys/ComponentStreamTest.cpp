#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <limits>

#include "platform/sys/ColorNames.h"
#include "platform/sys/ComponentStream.h"
#include "platform/sys/Streams.h"

namespace {

std::string Hex(std::string_view Bytes) {
  static const char* digits = "0123456789ABCDEF";
  std::string s;
  for (unsigned char c : Bytes) {
    if (!s.empty()) s += ' ';
    s += digits[c >> 4];
    s += digits[c & 15];
  }
  return s;
}

// The bytes of one value as the writer puts it.
template <class Fn>
std::string Written(Fn Write) {
  TMemoryStream st;
  TComponentWriter w(st);
  Write(w);
  w.EndRecord();
  return Hex(st.Bytes().substr(0, st.Bytes().size() - 2));
}

// A record "TPF0", class "T", no name, one property "P" with these value bytes.
TStringStream Record(std::string_view ValueBytes) {
  std::string s("TPF0\x01T\x00\x01P", 9);
  s += ValueBytes;
  s += std::string(2, '\0');
  return TStringStream(s);
}

String ReadError(TStringStream St) {
  try {
    TComponentReader r(St);
    r.BeginRecord();
    while (r.NextProperty()) {
    }
  } catch (const EReadError& e) {
    return e.Message();
  }
  return u"no error";
}

}  // namespace

TEST(ComponentStream, IntegersTakeTheSmallestTag) {
  const struct {
    std::int64_t Value;
    const char* Bytes;
  } cases[] = {
      {0, "02 00"}, {127, "02 7F"}, {-128, "02 80"}, {128, "03 80 00"}, {-129, "03 7F FF"},
      {32767, "03 FF 7F"}, {40000, "04 40 9C 00 00"}, {70000, "04 70 11 01 00"},
      {-2147483648LL, "04 00 00 00 80"}, {4294967296LL, "13 00 00 00 00 01 00 00 00"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Written([&](TComponentWriter& w) { w.Integer(c.Value); }), c.Bytes) << c.Value;
    TMemoryStream m;
    TComponentWriter w(m);
    w.BeginRecord(u"T");
    w.Name(u"P");
    w.Integer(c.Value);
    w.EndRecord();
    m.SetPosition(0);
    TComponentReader r(m);
    r.BeginRecord();
    ASSERT_TRUE(r.NextProperty());
    EXPECT_TRUE(r.Value().IsInteger());
    EXPECT_EQ(r.Value().Int, c.Value);
    EXPECT_FALSE(r.NextProperty());
  }
}

TEST(ComponentStream, TextsTakeTheirTagByTheirUtf8Form) {
  const struct {
    String Text;
    std::uint8_t Tag;
  } cases[] = {
      {u"abc", vaString},
      {String(300, u'a'), vaLString},
      {u"Café", vaUTF8String},  // 5 bytes for 4 characters
      {u"é", vaWString},        // 2 bytes for 1 character: twice as many
      {u"表格", vaWString},
      {u"", vaWString},
  };
  for (const auto& c : cases) {
    TMemoryStream m;
    TComponentWriter w(m);
    w.BeginRecord(u"T");
    w.Name(u"P");
    w.Text(c.Text);
    w.EndRecord();
    EXPECT_EQ(static_cast<std::uint8_t>(m.Bytes()[9]), c.Tag) << StringToUtf8(c.Text);
    m.SetPosition(0);
    TComponentReader r(m);
    r.BeginRecord();
    ASSERT_TRUE(r.NextProperty());
    EXPECT_EQ(r.Value().Text, c.Text);
  }
}

TEST(ComponentStream, ExtendedIsExactAndRoundsToNearestEven) {
  std::uint8_t b[10];
  DoubleToExtended(1.5, b);
  EXPECT_EQ(Hex(std::string_view(reinterpret_cast<char*>(b), 10)), "00 00 00 00 00 00 00 C0 FF 3F");
  const double values[] = {0.0, -0.0, 1.5, -1e300, 5e-324, 2.2250738585072014e-308, 1e-310,
                           std::numeric_limits<double>::max(), std::numeric_limits<double>::infinity(),
                           -std::numeric_limits<double>::infinity()};
  for (double v : values) {
    DoubleToExtended(v, b);
    const double back = ExtendedToDouble(b);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(v)) << v;
  }
  DoubleToExtended(std::numeric_limits<double>::quiet_NaN(), b);
  EXPECT_TRUE(std::isnan(ExtendedToDouble(b)));

  // 1 + half an ulp of a double: a tie, kept even (1.0); a bit more rounds up.
  std::uint8_t half[10] = {0x00, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(ExtendedToDouble(half), 1.0);
  std::uint8_t more[10] = {0x01, 0x04, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F};
  EXPECT_EQ(ExtendedToDouble(more), std::nextafter(1.0, 2.0));
  std::uint8_t huge[10] = {0, 0, 0, 0, 0, 0, 0, 0x80, 0xFE, 0x7F};
  EXPECT_EQ(ExtendedToDouble(huge), std::numeric_limits<double>::infinity());
}

TEST(ComponentStream, SetsListsCollectionsAndBinaryReadBack) {
  TStreamValue list;
  list.Type = vaList;
  list.List.resize(2);
  list.List[0].Type = vaWString;
  list.List[0].Text = u"one";
  list.List[1].Type = vaInt32;
  list.List[1].Int = 7;
  TStreamValue coll;
  coll.Type = vaCollection;
  coll.Items.resize(1);
  coll.Items[0].push_back({u"Inner", list});

  TMemoryStream m;
  TComponentWriter w(m);
  w.BeginRecord(u"TThing");
  constexpr StringView names[] = {u"fsBold", u"fsItalic", u"fsUnderline"};
  w.Name(u"Style");
  w.Set(names, 0b101);
  w.Name(u"Items");
  w.Value(coll);
  w.Name(u"Data");
  w.Binary(std::string("\0\x01\x02", 3));
  w.Name(u"Font.Name");
  w.Ident(u"clRed");
  w.EndRecord();

  m.SetPosition(0);
  TComponentReader r(m);
  EXPECT_EQ(r.BeginRecord(), u"TThing");
  ASSERT_TRUE(r.NextProperty());
  EXPECT_EQ(r.Value().Names, (std::vector<String>{u"fsBold", u"fsUnderline"}));
  ASSERT_TRUE(r.NextProperty());
  ASSERT_EQ(r.Value().Items.size(), 1u);
  const TStreamValue& inner = r.Value().Items[0][0].Value;
  ASSERT_EQ(inner.List.size(), 2u);
  EXPECT_EQ(inner.List[0].Text, u"one");
  EXPECT_EQ(inner.List[1].Int, 7);
  ASSERT_TRUE(r.NextProperty());
  EXPECT_EQ(r.Value().Bytes, std::string("\0\x01\x02", 3));
  ASSERT_TRUE(r.NextProperty());
  EXPECT_EQ(r.Path(), u"Font.Name");
  EXPECT_EQ(r.Value().Type, vaIdent);
  EXPECT_FALSE(r.NextProperty());
  EXPECT_EQ(r.Remaining(), 0);
}

TEST(ComponentStream, DamagedInputFailsWithItsMessageBeforeAllocating) {
  EXPECT_EQ(ReadError(TStringStream(std::string("TPX0\x01T\x00\x00\x00", 9))), u"Invalid stream format");
  EXPECT_EQ(ReadError(TStringStream("TP")), u"Stream read error");
  // Lengths far beyond the bytes left fail at once.
  EXPECT_EQ(ReadError(Record(std::string("\x0C\xFF\xFF\xFF\x7F", 5))), u"Error reading T.P: Stream read error");
  EXPECT_EQ(ReadError(Record(std::string("\x12\x00\x00\x00\x40", 5))), u"Error reading T.P: Stream read error");
  EXPECT_EQ(ReadError(Record(std::string("\x0A\xFF\xFF\xFF\xFF", 5))), u"Error reading T.P: Stream read error");
  EXPECT_EQ(ReadError(Record(std::string("\x14\x10\x00\x00\x00" "abc", 8))), u"Error reading T.P: Stream read error");
  EXPECT_EQ(ReadError(Record("\x15")), u"Error reading T.P: Invalid stream format");
  EXPECT_EQ(ReadError(Record(std::string(100, '\x01'))), u"Error reading T.P: Invalid stream format");
}

TEST(ComponentStream, ReaderNamesTheRecordAndPropertyInItsErrors) {
  TStringStream st = Record("\x08");
  TComponentReader r(st);
  r.BeginRecord();
  ASSERT_TRUE(r.NextProperty());
  try {
    r.UnknownProperty();
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(e.Message(), u"Error reading T.P: Property P does not exist");
  }
  EXPECT_THROW(r.InvalidValue(), EReadError);
}

TEST(ColorNames, NamedColoursAndTheirValues) {
  const struct {
    TColor Color;
    const char16_t* Name;
  } cases[] = {
      {clBlack, u"clBlack"}, {clWhite, u"clWhite"}, {clMoneyGreen, u"clMoneyGreen"},
      {clMedGray, u"clMedGray"}, {clWindow, u"clWindow"}, {clMenuBar, u"clMenuBar"},
      {clNone, u"clNone"}, {clDefault, u"clDefault"},
  };
  for (const auto& c : cases) {
    String name;
    ASSERT_TRUE(ColorToIdent(c.Color, name));
    EXPECT_EQ(name, c.Name);
    TColor back = 0;
    ASSERT_TRUE(IdentToColor(name, back));
    EXPECT_EQ(back, c.Color);
  }
  String name;
  EXPECT_FALSE(ColorToIdent(0x123456, name));
  EXPECT_FALSE(ColorToIdent(SysColor(25), name));
  TColor c = 0;
  EXPECT_TRUE(IdentToColor(u"CLRED", c));
  EXPECT_EQ(c, clRed);
  EXPECT_FALSE(IdentToColor(u"clPink", c));
}
