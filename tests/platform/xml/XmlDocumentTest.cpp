#include <gtest/gtest.h>

#include "platform/xml/XmlDocument.h"
#include "tests/support/TempDir.h"

namespace {
String U(const std::filesystem::path& p) { return Utf8ToString(p.string()); }
}  // namespace

TEST(XmlDocument, FirstNodeIsTheFirstNodeOfAnyKind) {
  struct Case {
    const char16_t* xml;
    TXmlNodeType first;
  };
  const Case cases[] = {
      {u"<?xml version=\"1.0\"?><Conf_Settings/>", ntDeclaration},
      {u"<!-- note --><Conf_Settings/>", ntComment},
      {u"<?app go?><Conf_Settings/>", ntProcessingInstr},
      {u"<Conf_Settings/><!--SW_VERSION = 1.000-->", ntElement},
  };
  for (const Case& c : cases) {
    TXMLDocument d;
    d.LoadFromString(c.xml);
    EXPECT_EQ(d.FirstChild().NodeType(), c.first) << StringToUtf8(c.xml);
    EXPECT_EQ(d.DocumentElement().NodeName(), u"Conf_Settings");
  }
}

TEST(XmlDocument, ChildrenByNameAreDirectOnlyAndMissingIsNull) {
  TXMLDocument d;
  d.LoadFromString(u"<Par_Gen><Group><Baud>9600</Baud></Group><Mode>1</Mode><Empty/></Par_Gen>");
  const TXmlNode root = d.FirstChild();
  EXPECT_TRUE(root.ChildNodes(u"Baud").IsNull());  // a grandchild is not found
  EXPECT_EQ(root.ChildNodes(u"Mode").Text(), u"1");
  EXPECT_EQ(root.ChildNodes(u"Empty").Text(), u"");
  EXPECT_EQ(root.ChildCount(), 3);
  EXPECT_EQ(root.ChildNodes(1).NodeName(), u"Mode");
  EXPECT_TRUE(root.ChildNodes(3).IsNull());
  EXPECT_TRUE(root.ChildNodes(u"Missing").ChildNodes(u"Deeper").IsNull());  // null handles chain
  EXPECT_EQ(root.ChildNodes(u"Missing").Attribute(u"x"), u"");
}

TEST(XmlDocument, ElementWithChildrenHasNoReadableText) {
  TXMLDocument d;
  d.LoadFromString(u"<r><g><x>1</x></g><m>a<!--c-->b</m><t>x &amp; y</t></r>");
  String text = u"stale";
  EXPECT_FALSE(d.FirstChild().ChildNodes(u"g").TryGetText(text));
  EXPECT_EQ(text, u"");
  EXPECT_THROW(d.FirstChild().ChildNodes(u"g").Text(), EXmlNoText);
  EXPECT_THROW(d.FirstChild().ChildNodes(u"m").Text(), EXmlNoText);
  EXPECT_EQ(d.FirstChild().ChildNodes(u"t").Text(), u"x & y");
}

// A value typed as blanks only is a value: it must come back as written,
// while the layout between elements stays out of the texts.
TEST(XmlDocument, BlankTextsSurviveSaveAndLoad) {
  TXMLDocument d;
  const TXmlNode root = d.AddChild(u"Par_Gen");
  root.AddChild(u"Contact").SetText(u"   ");
  root.AddChild(u"Location").SetText(u"\t");
  root.AddChild(u"Name").SetText(u" a ");
  d.SetIndent(u"  ");
  TXMLDocument back;
  back.LoadFromString(d.SaveToString());
  EXPECT_EQ(back.FirstChild().ChildCount(), 3);
  EXPECT_EQ(back.FirstChild().ChildNodes(u"Contact").Text(), u"   ");
  EXPECT_EQ(back.FirstChild().ChildNodes(u"Location").Text(), u"\t");
  EXPECT_EQ(back.FirstChild().ChildNodes(u"Name").Text(), u" a ");
}

// Reading turns a bare CR into LF, so a text holding one must be written
// with a reference to come back as it was, in every output encoding.
TEST(XmlDocument, ACarriageReturnInATextSurvivesSaveAndLoad) {
  for (const TXmlEncoding Encoding : {xeUtf8, xeUtf16LE, xeLatin1}) {
    TXMLDocument d;
    const TXmlNode root = d.AddChild(u"s");
    root.AddChild(u"a").SetText(u"x\ry\r\nz\r");
    root.AddChild(u"b").SetAttribute(u"v", u"\r");
    TXMLDocument back;
    back.LoadFromBytes(d.SaveToBytes(Encoding));
    EXPECT_EQ(back.DocumentElement().ChildNodes(u"a").Text(), u"x\ry\r\nz\r") << Encoding;
    EXPECT_EQ(back.DocumentElement().ChildNodes(u"b").Attribute(u"v"), u"\r") << Encoding;
  }
}

TEST(XmlDocument, BuildsRootThenCommentAndSavesWithoutDeclaration) {
  testsupport::TempDir dir;
  TXMLDocument d;
  TXmlNode root = d.AddChild(u"Par_Gen");
  root.AddChild(u"Baud").SetText(u"9600");
  root.AddChild(u"Name").SetText(u"Gerät <1>");
  TXmlNode row = root.AddChild(u"row");
  row.SetAttribute(u"En", u"Y");
  row.SetAttribute(u"En", u"N");
  d.AddComment(u"SW_VERSION = 1.000");
  const String file = U(dir / "ParGen.xml");
  d.SaveToFile(file);
  const std::string saved = testsupport::ReadFile(dir / "ParGen.xml");
  EXPECT_EQ(saved,
            "<Par_Gen><Baud>9600</Baud><Name>Ger\xC3\xA4t &lt;1&gt;</Name><row En=\"N\"/></Par_Gen>"
            "<!--SW_VERSION = 1.000-->");

  TXMLDocument back;
  back.LoadFromFile(file);
  EXPECT_EQ(back.ChildCount(), 2);
  EXPECT_EQ(back.FirstChild().NodeName(), u"Par_Gen");
  EXPECT_EQ(back.ChildNodes(1).NodeType(), ntComment);
  EXPECT_EQ(back.ChildNodes(1).NodeValue(), u"SW_VERSION = 1.000");
  EXPECT_EQ(back.FirstChild().ChildNodes(u"Name").Text(), u"Gerät <1>");
  EXPECT_TRUE(back.FirstChild().ChildNodes(u"row").HasAttribute(u"En"));
  EXPECT_FALSE(back.FirstChild().ChildNodes(u"row").HasAttribute(u"en"));

  back.SetIndent(u"  ");
  EXPECT_EQ(back.SaveToString().substr(0, 21), u"<Par_Gen>\n  <Baud>960");
  back.Clear();
  EXPECT_TRUE(back.FirstChild().IsNull());
}

TEST(XmlDocument, ParseErrorNamesFileAndPosition) {
  testsupport::TempDir dir;
  testsupport::WriteFile(dir / "bad.xml", "<r>\n  <a>1</b>\n</r>");
  TXMLDocument d;
  d.LoadFromString(u"<keep/>");
  try {
    d.LoadFromFile(U(dir / "bad.xml"));
    FAIL();
  } catch (const EXmlParseError& e) {
    EXPECT_EQ(e.Line(), 2);
    EXPECT_NE(e.Message().find(U(dir / "bad.xml")), String::npos);
    EXPECT_NE(e.Message().find(u"line 2, column"), String::npos) << e.what();
  }
  EXPECT_TRUE(d.FirstChild().IsNull());  // a failed load leaves no half document
  EXPECT_THROW(d.LoadFromFile(U(dir / "none.xml")), EInOutError);
}

// Bytes that are not UTF-8 in a document read as UTF-8 would come back as
// U+FFFD and be saved so; the load is refused instead, naming the place.
TEST(XmlDocument, TextThatIsNotUtf8IsRefusedWhereItStands) {
  const struct {
    std::string Bytes;
    int Column;  // 0: loads
    String Text;
  } cases[] = {
      {"<r>M\xFCller</r>", 5, {}},                                          // a Windows-1252 byte
      {"<r>\xE0\x80\x80</r>", 4, {}},                                       // an overlong form
      {"<r a=\"\xED\xA0\x80\"/>", 7, {}},                                   // a lone surrogate
      {"<r>x</r><!-- \xC3 -->", 14, {}},                                    // cut short, in a comment
      {"<r>M\xC3\xBCller \xEF\xBF\xBD</r>", 0, u"M\u00FCller \uFFFD"},     // UTF-8, with a real U+FFFD
      {"<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><r>M\xFCller</r>", 0, u"M\u00FCller"},
      {std::string("\xFF\xFE<\0r\0>\0\xFC\0<\0/\0r\0>\0", 18), 0, u"\u00FC"},
  };
  for (const auto& c : cases) {
    TXMLDocument d;
    try {
      d.LoadFromBytes(c.Bytes, u"p.xml");
      EXPECT_EQ(c.Column, 0) << c.Bytes;
      EXPECT_EQ(d.DocumentElement().Text() + d.DocumentElement().Attribute(u"a"), c.Text) << c.Bytes;
    } catch (const EXmlParseError& e) {
      EXPECT_EQ(e.Column(), c.Column) << c.Bytes;
      EXPECT_EQ(e.Message().substr(0, 25), u"p.xml: Invalid UTF-8 text") << c.Bytes;
      EXPECT_TRUE(d.FirstChild().IsNull());
    }
  }
}
