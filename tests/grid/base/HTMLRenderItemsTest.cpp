#include <gtest/gtest.h>

#include <fstream>

#include "grid/base/HTMLRender.h"
#include "grid/base/HTMLText.h"
#include "grid/base/PictureContainer.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/FrameControls.h"
#include "platform/gui/ImageList.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/grid/base/GifBuilder.h"
#include "tests/support/TempDir.h"

namespace {

struct Rendering {
  TRecordingCanvas Canvas;
  THTMLRenderResults Out;
  bool Hit = false;

  Rendering(StringView Text, const THTMLRenderInputs& In = {}, TRect R = {0, 0, 200, 100}) {
    Hit = RenderMiniHTML(Canvas, Text, R, In, Out);
  }
};

// The shapes of the records, one per line, without the tools in force.
String Shapes(const TRecordingCanvas& c) {
  String out;
  for (const auto& r : c.Records()) {
    const String line = r.ToString();
    out += line.substr(0, line.find(u" pen ")) + u"\n";
  }
  return out;
}

// The shapes DrawFrameControl leaves for Rect and State.
String FrameControl(const TRect& Rect, unsigned Type, unsigned State) {
  TRecordingCanvas c;
  DrawFrameControl(c, Rect, Type, State);
  return Shapes(c);
}

bool Contains(const String& Text, const String& Part) { return Text.find(Part) != String::npos; }

struct Pictures : ::testing::Test {
  TPictureContainer container{nullptr};
  THTMLPictureCache cache;
  THTMLRenderInputs in;

  Pictures() {
    TPictureItem* item = container.Items()->Add();
    item->SetName(u"pic");
    item->Picture()->LoadFromBytes(TBitmap(4, 2).SaveToBytes());
    TPictureItem* anim = container.Items()->Add();
    anim->SetName(u"anim");
    anim->Picture()->LoadFromBytes(testsupport::BuildGif(
        10, 8, {{0, 0, 10, 8, 5, 0}, {3, 2, 4, 4, 5, 1}}));
    anim->Picture()->SetFrame(2);
    TPictureItem* alt = container.Items()->Add();
    alt->SetName(u"alt");
    alt->Picture()->LoadFromBytes(TBitmap(6, 6).SaveToBytes());
    in.PictureContainer = &container;
    in.PictureCache = &cache;
  }
};

}  // namespace

TEST(HTMLRenderControls, EachTypeDrawsItsClassicLook) {
  Rendering check(u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\">");
  EXPECT_TRUE(Contains(Shapes(check.Canvas),
                       FrameControl({3, 1, 16, 16}, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | DFCS_CHECKED)));
  Rendering unchecked(u"<CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"no\" WIDTH=\"20\">");
  EXPECT_TRUE(Contains(Shapes(unchecked.Canvas), FrameControl({3, 1, 16, 16}, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT)));
  EXPECT_NE(Shapes(unchecked.Canvas), Shapes(check.Canvas));
  Rendering radio(u"<CONTROL TYPE=\"RADIO\" ID=\"r\" VALUE=\"false\" WIDTH=\"20\">");
  EXPECT_TRUE(Contains(Shapes(radio.Canvas), FrameControl({3, 2, 15, 16}, DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT)));

  Rendering combo(u"<CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"pick\" WIDTH=\"60\">");
  EXPECT_TRUE(Contains(Shapes(combo.Canvas), FrameControl({43, 5, 60, 24}, DFC_SCROLL, DFCS_SCROLLCOMBOBOX)));
  const auto frames = combo.Canvas.RecordsOf(u"Rectangle");
  ASSERT_FALSE(frames.empty());
  EXPECT_EQ(frames[0].Rect, (TRect{1, 4, 61, 25}));
  EXPECT_EQ(frames[0].BrushColor, clWhite);

  Rendering password(u"<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"abc\" WIDTH=\"60\">");
  ASSERT_EQ(password.Canvas.RecordsOf(u"TextOut").size(), 1u);
  EXPECT_EQ(password.Canvas.RecordsOf(u"TextOut")[0].Text, u"***");

  THTMLRenderInputs in;
  in.XPos = 20;
  in.YPos = 10;
  in.Down = true;
  Rendering pressed(u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"80\">", in);
  EXPECT_TRUE(Contains(Shapes(pressed.Canvas), FrameControl({3, -2, 79, 23}, DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED)));
  in.Down = false;
  Rendering up(u"<CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Go\" WIDTH=\"80\">", in);
  EXPECT_TRUE(Contains(Shapes(up.Canvas), FrameControl({3, -2, 79, 23}, DFC_BUTTON, DFCS_BUTTONPUSH)));
}

TEST(HTMLRenderControls, HitAndSelection) {
  THTMLRenderInputs in;
  in.CheckHotSpot = true;
  in.XPos = 5;
  in.YPos = 5;
  Rendering check(u"<CONTROL TYPE=\"CHECK\" ID=\"c1\" VALUE=\"true\" WIDTH=\"20\">", in);
  EXPECT_TRUE(check.Hit);
  EXPECT_EQ(check.Out.AnchorVal, u"ctrl");
  EXPECT_EQ(check.Out.ControlType, u"CHECK");
  EXPECT_EQ(check.Out.ControlID, u"c1");
  EXPECT_EQ(check.Out.ControlValue, u"true");
  EXPECT_EQ(check.Out.ControlRect, (TRect{1, 0, 17, 16}));

  // An incoming ID selects its control wherever the point is.
  in.XPos = in.YPos = -1;
  TRecordingCanvas canvas;
  THTMLRenderResults out;
  out.ControlID = u"e2";
  EXPECT_TRUE(RenderMiniHTML(canvas,
                             u"<CONTROL TYPE=\"EDIT\" ID=\"e1\" WIDTH=\"50\"><CONTROL TYPE=\"EDIT\" ID=\"e2\" "
                             u"VALUE=\"v\" WIDTH=\"40\">",
                             {0, 0, 200, 100}, in, out));
  EXPECT_EQ(out.ControlRect, (TRect{51, 0, 91, 23}));
  EXPECT_EQ(out.ControlValue, u"v");
  EXPECT_EQ(out.ControlType, u"EDIT");

  // Without CheckHotSpot the incoming ID is cleared.
  THTMLRenderResults painted;
  painted.ControlID = u"e2";
  RenderMiniHTML(canvas, u"<CONTROL TYPE=\"EDIT\" ID=\"e2\" WIDTH=\"40\">", {0, 0, 200, 100}, {}, painted);
  EXPECT_EQ(painted.ControlID, u"");

  Rendering noWidth(u"a<CONTROL TYPE=\"EDIT\" ID=\"x\">b");
  EXPECT_EQ(noWidth.Out.XSize, 14);
  EXPECT_EQ(noWidth.Canvas.RecordsOf(u"Rectangle").size(), 0u);
}

TEST_F(Pictures, SizesAndSources) {
  struct Case {
    const char* name;
    String text;
    int xsize, ysize;
  };
  const Case cases[] = {
      {"own size", u"<IMG src=\"pic\">", 4, 13},
      {"width only", u"<IMG src=\"pic\" width=\"8\">", 8, 13},
      {"height only", u"<IMG src=\"pic\" height=\"26\">", 52, 26},
      {"both", u"<IMG src=\"pic\" width=\"30\" height=\"20\">", 30, 20},
      {"missing picture takes no space", u"a<IMG src=\"none\">b", 14, 13},
      {"animated: its largest frame", u"<IMG src=\"anim\">", 10, 13},
      {"huge sizes bounded", u"<IMG src=\"pic\" width=\"2000000000\" height=\"2000000000\">", MaxHTMLPictureSize,
       MaxHTMLPictureSize},
      {"huge width over a wide picture", u"<IMG src=\"pic\" width=\"2000000000\">", MaxHTMLPictureSize,
       MaxHTMLPictureSize / 2},
      {"missing file", u"<IMG src=\"file:///no/such/file.bmp\">", 0, 13},
      {"named pipe", u"<IMG src=\"file:///dev/stdin\">", 0, 13},
      {"small system icon", u"<IMG src=\"ssys:/tmp\">", 16, 16},
      {"large system icon", u"<IMG src=\"lsys:x.txt\">", 32, 32},
      {"system icon by index draws nothing", u"<IMG src=\"ssys:3\">", 0, 13},
  };
  for (const auto& c : cases) {
    Rendering r(c.text, in);
    EXPECT_EQ(r.Out.XSize, c.xsize) << c.name;
    EXPECT_EQ(r.Out.YSize, c.ysize) << c.name;
  }
}

TEST_F(Pictures, DrawingAlignmentAndSources) {
  Rendering stretched(u"<IMG src=\"pic\" width=\"30\" height=\"20\">", in);
  const auto draws = stretched.Canvas.RecordsOf(u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  EXPECT_EQ(draws[0].Rect, (TRect{1, 0, 31, 20}));
  EXPECT_TRUE(draws[0].Clipped);
  EXPECT_EQ(draws[0].Clip, (TRect{0, 0, 200, 100}));

  // An animated picture: its area in the background colour, then the frame at its offset.
  Rendering anim(u"<IMG src=\"anim\">", in);
  ASSERT_EQ(anim.Canvas.RecordsOf(u"Rectangle").size(), 1u);
  EXPECT_EQ(anim.Canvas.RecordsOf(u"Rectangle")[0].Rect, (TRect{1, 5, 11, 13}));
  EXPECT_EQ(anim.Canvas.RecordsOf(u"Rectangle")[0].BrushColor, clWhite);
  ASSERT_EQ(anim.Canvas.RecordsOf(u"Draw").size(), 1u);
  EXPECT_EQ(anim.Canvas.RecordsOf(u"Draw")[0].Rect.Left, 4);
  EXPECT_EQ(anim.Canvas.RecordsOf(u"Draw")[0].Rect.Top, 7);

  const auto textTop = [&](const String& text) {
    Rendering r(text, in);
    return r.Canvas.RecordsOf(u"TextOut").at(0).Points[0].Y;
  };
  EXPECT_EQ(textTop(u"<IMG src=\"pic\" height=\"26\">x"), 13);
  EXPECT_EQ(textTop(u"<IMG src=\"pic\" height=\"26\" align=\"top\">x"), 0);
  EXPECT_EQ(textTop(u"<IMG src=\"pic\" height=\"26\" align=\"middle\">x"), 7);

  TImageList images(16, 16);
  images.Add(TBitmap(16, 16), nullptr);
  in.Images = &images;
  Rendering listed(u"<IMG src=\"idx:0\"><IMG src=\"idx:1\">", in);
  EXPECT_EQ(listed.Out.XSize, 16);
  ASSERT_EQ(listed.Canvas.RecordsOf(u"Draw").size(), 1u);
  EXPECT_EQ(listed.Canvas.RecordsOf(u"Draw")[0].Rect, (TRect{1, 0, 17, 16}));

  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "p.bmp").string());
  const TBytes bytes = TBitmap(5, 3).SaveToBytes();
  std::ofstream(dir / "p.bmp", std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<std::streamsize>(bytes.size()));
  Rendering cached(u"<IMG src=\"FILE://" + file + u"\">", in);
  EXPECT_EQ(cached.Out.XSize, 5);
  ASSERT_EQ(cache.Count(), 1);
  Rendering again(u"<IMG src=\"FILE://" + file + u"\">", in);
  EXPECT_EQ(cache.Count(), 1);
}

TEST_F(Pictures, PictureInAnchorShowsItsAltPicture) {
  const String text = u"<A href=\"go\" title=\"t\"><IMG src=\"pic\" alt=\"alt\"></A>";
  in.XPos = 3;
  in.YPos = 1;
  in.CheckHotSpot = true;
  Rendering hit(text, in);
  EXPECT_TRUE(hit.Hit);
  EXPECT_EQ(hit.Out.AnchorVal, u"go");
  EXPECT_EQ(hit.Out.AnchorTitle, u"t");
  in.CheckHotSpot = false;
  Rendering painted(text, in);
  const auto draws = painted.Canvas.RecordsOf(u"Draw");
  ASSERT_EQ(draws.size(), 1u);
  in.XPos = in.YPos = -1;
  Rendering plain(text, in);
  ASSERT_EQ(plain.Canvas.RecordsOf(u"Draw").size(), 1u);
  EXPECT_EQ(draws[0].Rect.Width(), 6);
  EXPECT_EQ(plain.Canvas.RecordsOf(u"Draw")[0].Rect.Width(), 4);
}

TEST_F(Pictures, BodyBackgroundTiledByRows) {
  Rendering body(u"<BODY background=\"pic\">x", in, TRect{10, 10, 210, 110});
  const auto draws = body.Canvas.RecordsOf(u"Draw");
  ASSERT_EQ(draws.size(), 50u);  // one per row of 2-pixel tiles
  EXPECT_EQ(draws[0].Rect.Left, 10);
  EXPECT_EQ(draws[0].Rect.Top, 10);
  EXPECT_GE(draws[0].Rect.Width(), 200);
  EXPECT_EQ(draws[0].Rect.Height(), 2);
  EXPECT_EQ(draws.back().Rect.Top, 108);
  EXPECT_EQ(draws[0].Clip, (TRect{10, 10, 210, 110}));
  EXPECT_EQ(Rendering(u"<BODY background=\"none\">x", in).Canvas.RecordsOf(u"Draw").size(), 0u);
}

TEST_F(Pictures, PrintingStretchesListPicturesAndIconsByTheFactor) {
  TImageList images(16, 16);
  images.Add(TBitmap(16, 16), nullptr);
  in.Images = &images;
  in.Print = true;
  in.ResFactor = 2.5;
  Rendering printed(u"<IMG src=\"idx:0\"><IMG src=\"ssys:x.txt\">", in, TRect{0, 0, 400, 100});
  EXPECT_EQ(printed.Out.XSize, 40 + 40);
  EXPECT_EQ(printed.Out.YSize, 40);
  ASSERT_EQ(printed.Canvas.RecordsOf(u"Draw").size(), 1u);
  EXPECT_EQ(printed.Canvas.RecordsOf(u"Draw")[0].Rect, (TRect{1, 0, 41, 40}));
}

TEST_F(Pictures, ScaledByPixelsPerInch) {
  struct THiDpiCanvas : TRecordingCanvas {
    int PixelsPerInch() const override { return 192; }
  };
  TImageList images(16, 12);
  images.Add(TBitmap(16, 12), nullptr);
  in.Images = &images;
  const auto size = [&](const String& text) {
    THiDpiCanvas c;
    THTMLRenderResults out;
    RenderMiniHTML(c, text, {0, 0, 400, 200}, in, out);
    return TPoint{out.XSize, out.YSize};
  };
  EXPECT_EQ(size(u"<IMG src=\"pic\">"), (TPoint{8, 13}));
  EXPECT_EQ(size(u"<IMG src=\"pic\" width=\"10\" height=\"20\">"), (TPoint{20, 40}));
  EXPECT_EQ(size(u"<IMG src=\"idx:0\">"), (TPoint{32, 24}));
}
