// Random tag soup painted, measured and hit-tested: no crash, no leak, and
// canvas work in proportion to the text.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "grid/base/HTMLRender.h"
#include "grid/base/PictureContainer.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/TempDir.h"

namespace {

std::vector<String> SoupPieces(const String& Pipe) {
  return {u"<A href=\"u\" title=\"t\">", u"</A>", u"<B>", u"</B>", u"<BR>", u"<BLINK>", u"</BLINK>",
          u"<BODY bgcolor=\"clred\" background=\"pic\">", u"</BODY>", u"<E>", u"</E>",
          u"<FONT face=\"x\" color=\"#FF0000\" bgcolor=\"clblue\" size=\"", u"99999999\">", u"2\">", u"</FONT>",
          u"<HI>", u"</HI>", u"<HR>", u"<I>", u"</I>", u"<IND x=\"", u"2147483647\">", u"-5\">",
          u"<IMG src=\"pic\" alt=\"idx:0\" width=\"", u"<IMG src=\"idx:0\">", u"<IMG src=\"idx:99\">",
          u"<IMG src=\"ssys:/tmp\">", u"<IMG src=\"lsys:7\">", u"<IMG src=\"file:///no/file.png\">",
          u"<IMG src=\"file://" + Pipe + u"\">", u"<IMG src=\"res://none\" height=\"", u"<IMG src=\"pic\" align=\"top\">",
          u"<LI>", u"</LI>", u"<UL>", u"</UL>", u"<P align=\"right\" indent=\"", u"<P bgcolor=\"clgreen\">", u"</P>",
          u"<R a=\"", u"</R>", u"<S>", u"</S>", u"<SHAD>", u"</SHAD>", u"<SUB>", u"<SUP>", u"</SUB>", u"<U>",
          u"</U>", u"<Z>", u"</Z>", u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\">",
          u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"", u"<CONTROL TYPE=\"COMBO\" WIDTH=\"40\" HEIGHT=\"",
          u"<CONTROL TYPE=\"EDIT\" ID=\"e\">", u"<CONTROL TYPE=\"PASSWORD\" VALUE=\"pw\" WIDTH=\"30\">",
          u"<CONTROL TYPE=\"RADIO\" WIDTH=\"16\">", u"<", u">", u"</", u"\"", u"&", u"&am", u"&amp;", u"&nbsp;",
          u"&lt;", u"&g", u"<#", u"\r\n", u"word ", u"long-word-without-blanks", u" ", u"&&", u"\u20AC", u"<Q>",
          u"99999999999", u"<ZZ"};
}

}  // namespace

TEST(HTMLRenderRandom, TagSoupStaysBounded) {
  testsupport::TempDir dir;
  const std::string pipe = (dir / "pipe").string();
  ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
  const auto pieces = SoupPieces(Utf8ToString(pipe));
  TPictureContainer container(nullptr);
  TPictureItem* item = container.Items()->Add();
  item->SetName(u"pic");
  item->Picture()->LoadFromBytes(TBitmap(3, 5).SaveToBytes());
  THTMLPictureCache cache;
  TImageList images(8, 8);
  images.Add(TBitmap(8, 8), nullptr);

  std::mt19937 random(37);
  for (int round = 0; round < 400; ++round) {
    String text;
    const int count = 1 + static_cast<int>(random() % 60);
    for (int k = 0; k < count; ++k) text += pieces[random() % pieces.size()];
    for (int mode = 0; mode < 3; ++mode) {
      TRecordingCanvas canvas;
      THTMLRenderInputs in;
      in.Images = &images;
      in.PictureContainer = &container;
      in.PictureCache = &cache;
      in.XPos = static_cast<int>(random() % 300);
      in.YPos = static_cast<int>(random() % 200);
      in.FocusLink = static_cast<int>(random() % 3) - 1;
      in.HoverLink = static_cast<int>(random() % 3);
      in.HoverUnderline = random() % 2;
      in.WordWrap = random() % 2;
      in.ShadowOffset = 1;
      in.CheckHotSpot = mode == 1;
      in.CheckHeight = mode == 2;
      THTMLRenderResults out;
      const TRect rect = random() % 2 ? TRect{0, 0, 300, 200} : TRect{5, 5, 40, 30};
      RenderMiniHTML(canvas, text, rect, in, out);
      EXPECT_LE(canvas.Records().size(), 8 * text.size() + 20) << StringToUtf8(text);
      EXPECT_GE(out.YSize, 0);
      EXPECT_LE(out.StripVal.size(), text.size());
    }
  }
}
