// Sample mini-HTML texts painted on a control and rendered to PNG for a
// look (GX_SNAPSHOT_DIR keeps a copy).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "grid/base/HTMLRender.h"
#include "grid/base/PictureContainer.h"
#include "platform/gui/Bitmap.h"
#include "platform/gui/Controls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/Views.h"
#include "tests/support/SnapshotFile.h"

namespace {

const char16_t* const kSamples[] = {
    u"<FONT face=\"Arial\" size=\"4\" color=\"clred\">Red Arial</FONT> <B>bold</B> <I>italic</I> <U>under</U> "
    u"<S>struck</S> <FONT bgcolor=\"clyellow\">on yellow</FONT> x<SUB>2</SUB> y<SUP>3</SUP>",
    u"<UL><LI>first item<LI>second item<UL><LI>nested</UL></UL>",
    u"<A href=\"a\">plain link</A> <A href=\"b\">hovered link</A> <A href=\"c\">focused link</A>",
    u"<IMG src=\"red\"> picture <IMG src=\"red\" width=\"24\" height=\"12\"> stretched <IMG src=\"ssys:/tmp\"> "
    u"<IMG src=\"lsys:file.txt\" align=\"middle\"> icons",
    u"<CONTROL TYPE=\"EDIT\" ID=\"e\" VALUE=\"edit\" WIDTH=\"60\"> <CONTROL TYPE=\"COMBO\" ID=\"k\" VALUE=\"combo\" "
    u"WIDTH=\"70\"> <CONTROL TYPE=\"CHECK\" ID=\"c\" VALUE=\"true\" WIDTH=\"20\"> <CONTROL TYPE=\"RADIO\" ID=\"r\" "
    u"VALUE=\"true\" WIDTH=\"20\"> <CONTROL TYPE=\"BUTTON\" ID=\"b\" VALUE=\"Button\" WIDTH=\"70\"> "
    u"<CONTROL TYPE=\"PASSWORD\" ID=\"p\" VALUE=\"secret\" WIDTH=\"60\">",
    u"<HI>highlighted</HI> <E>misspelt wurd</E> <SHAD>shadowed text</SHAD> <P align=\"right\">right</P>",
    u"<R a=\"30\">rotated</R> back <HR>after a rule",
};

class THTMLSheet : public TCustomControl {
 public:
  explicit THTMLSheet(TComponent* AOwner) : TCustomControl(AOwner) {
    SetView(platform::CreatePaintView(*this));
    TPictureItem* red = FContainer.Items()->Add();
    red->SetName(u"red");
    TBitmap bitmap(12, 12);
    bitmap.Canvas()->Brush()->SetColor(clRed);
    bitmap.Canvas()->FillRect(Rect(0, 0, 12, 12));
    red->Picture()->LoadFromBytes(bitmap.SaveToBytes());
  }

 protected:
  void Paint() override {
    TCanvas& c = *Canvas();
    c.Brush()->SetColor(clWhite);
    c.FillRect(Rect(0, 0, Width(), Height()));
    int top = 8;
    for (const char16_t* sample : kSamples) {
      THTMLRenderInputs in;
      in.PictureContainer = &FContainer;
      in.HoverLink = 2;
      in.HoverUnderline = true;
      in.HoverFontColor = clRed;
      in.FocusLink = 2;
      in.ShadowOffset = 2;
      THTMLRenderResults out;
      c.Brush()->SetColor(clWhite);
      RenderMiniHTML(c, sample, Rect(8, top, Width() - 8, top + 70), in, out);
      top += out.YSize + 14;
    }
  }

 private:
  TPictureContainer FContainer{nullptr};
};

TEST(HTMLRenderSnapshot, SampleTextsRender) {
  TForm form(nullptr);
  form.SetCaption(u"Mini-HTML");
  form.SetBorderStyle(bsDialog);
  form.SetClientWidth(560);
  form.SetClientHeight(360);
  auto* sheet = new THTMLSheet(&form);
  sheet->SetParent(&form);
  sheet->SetBounds(0, 0, 560, 360);

  const TPixelBuffer px = testsupport::RenderSnapshot(form, "html.png");
  ASSERT_FALSE(px.Empty());
  EXPECT_EQ(px.Pixel(2, 2), clWhite);
}

}  // namespace
