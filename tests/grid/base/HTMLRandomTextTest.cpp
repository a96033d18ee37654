// Random tag soup through every routine of the tag language, the text
// utilities and the picture: nothing may crash, hang or leak.
#include <gtest/gtest.h>

#include <random>

#include "grid/base/HTMLControls.h"
#include "grid/base/HTMLTags.h"
#include "grid/base/HTMLText.h"
#include "grid/base/PictureContainer.h"
#include "tests/grid/base/GifBuilder.h"

namespace {

String SoupPiece(std::mt19937& Random) {
  static const String kPieces[] = {
      u"<",        u">",           u"</",          u"<#",          u"&",            u"&amp;",     u"amp;",
      u"&quot",    u"&eacute;",    u"&lt;",        u"\"",          u"<b>",          u"</b>",      u"<font color=\"",
      u"#FF00",    u"clRed",       u" size=\"3",   u"<img src=\"", u"RES://X",      u"FILE://",   u"IDX:",
      u"<control type=\"radio\" id=\"r\" value=\"", u"<CONTROL ID=\"e\" TYPE=\"EDIT\" WIDTH=\"9\">",
      u"<ind x=\"", u"<r a=\"",    u"<sub>",       u"\r",          u"\n",           u"<br>",      u"ab",
      u" ",        u"\u00E9",      u"\u20AC",      u"http://h/a",  u"<hi>",         u"</hi>",     u"<p align=\"",
  };
  return kPieces[Random() % std::size(kPieces)];
}

String Soup(std::mt19937& Random, int Pieces) {
  String text;
  for (int k = 0; k < Pieces; ++k) text += SoupPiece(Random);
  return text;
}

void ThroughEveryRoutine(const String& Text, const String& Search) {
  const String prepared = PrepareHTMLText(Text);
  for (size_t at = prepared.find(u'<'); at != String::npos; at = prepared.find(u'<', at + 1)) {
    const auto tag = ScanHTMLTag(prepared, at);
    if (!tag) break;
    HTMLColorValue(HTMLAttribute(*tag, u" COLOR", true));
    HTMLBodyColorValue(HTMLAttribute(*tag, u"BGCOLOR", true));
    HTMLFontSize(HTMLAttribute(*tag, u"SIZE"));
    HTMLPictureSource(HTMLAttribute(*tag, u"SRC", true));
    HTMLIndent(*tag);
    HTMLAngle(*tag);
    HTMLParagraphAlign(*tag);
    HTMLImageAlign(*tag);
    at = tag->End - 1;
  }
  HTMLToPlainText(Text);
  int position = 0;
  FindTextFrom(Search, Text, 1, false, position);
  VisibleToRawIndex(Text, static_cast<int>(Text.size() / 2));
  for (bool extended : {false, true})
    ASSERT_EQ(UnescapeHTMLText(EscapeHTMLText(Text, extended), extended), Text);
  SpacesToNbsp(Text);
  LineBreaksToBR(Text);
  String result;
  InsertURLLink(Text, u"HTTP://", result);
  HighlightInHTML(Text, Search, u"hi", false, result);
  RemoveHighlightTags(result, u"hi");
  String controls = ClearRadioControls(Text);
  const String id = NextEditControlID(controls, u"");
  SetControlValue(controls, id, Search);
  GetControlMaxLen(controls, id);
  GetControlProp(controls, id);
}

}  // namespace

TEST(HTMLRandomText, TagSoupThroughEveryRoutine) {
  std::mt19937 random(3122);
  for (int round = 0; round < 400; ++round) {
    const String text = Soup(random, static_cast<int>(random() % 40));
    ThroughEveryRoutine(text, Soup(random, 1 + static_cast<int>(random() % 2)));
  }
}

TEST(HTMLRandomText, HugeValuesAndDeepNesting) {
  const String huge(100000, u'x');
  ThroughEveryRoutine(u"<font color=\"" + huge + u"\" face=\"" + huge + u">" + huge, u"xx");
  ThroughEveryRoutine(u"<control type=\"edit\" id=\"" + huge + u"\" value=\"" + huge + u"\" width=\"1\">", huge);
  ThroughEveryRoutine(u"<ind x=\"" + String(100000, u'9') + u"\">", u"9");
  String nested;
  for (int k = 0; k < 50000; ++k) nested += u"<#";
  ThroughEveryRoutine(nested + u"core" + String(50000, u'>'), u"core");
  EXPECT_EQ(StripHashTags(nested + u"core" + String(50000, u'>')), u"core");
  String entities;
  for (int k = 0; k < 30000; ++k) entities += u"&amp;";
  EXPECT_EQ(ReplaceHTMLEntities(entities + u"quot;"), String(59999, u'&') + u"\"");
}

TEST(HTMLRandomText, RandomBytesAsPictures) {
  std::mt19937 random(3123);
  const TBytes gif = testsupport::TwoFrameGif();
  for (int round = 0; round < 60; ++round) {
    TBytes bytes = round % 2 ? gif : TBytes(random() % 64);
    for (auto& b : bytes)
      if (round % 2 == 0 || random() % 16 == 0) b = static_cast<std::uint8_t>(random());
    if (round % 3 == 0) bytes.resize(random() % (bytes.size() + 1));
    THTMLPicture picture;
    try {
      picture.LoadFromBytes(bytes);
    } catch (const EInvalidGraphic&) {
    }
    picture.FrameCount();
    picture.FrameTime(1);
    for (int tick = 0; tick < 5; ++tick) picture.Step();
    try {
      picture.SetFrame(2);
    } catch (const EInvalidGraphic&) {
    }
    picture.MaxWidth();
  }
}
