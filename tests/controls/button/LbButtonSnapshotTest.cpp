// A form with a button in each style and a few presets, rendered to PNG for a look.
#include <gtest/gtest.h>

#include <cstdlib>

#include "controls/button/LbButton.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "tests/support/TempDir.h"

namespace {
TEST(LbButtonSnapshot, AFormWithEveryStyleRendersEachFace) {
  testsupport::TempDir dir;
  TForm form(nullptr);
  form.SetCaption(u"Buttons");
  form.SetBorderStyle(bsDialog);
  form.SetClientWidth(360);
  form.SetClientHeight(190);
  auto add = [&](int Left, int Top, const String& Caption) {
    auto* b = new TLbButton(&form);
    b->SetParent(&form);
    b->SetBounds(Left, Top, 110, 26);
    b->SetCaption(Caption);
    return b;
  };
  const struct {
    TLbButtonStyle Style;
    const char16_t* Caption;
  } styles[] = {{bsNormal, u"Normal"}, {bsEncarta, u"Encarta"}, {bsModern, u"Modern"},
                {bsOld, u"Old"},       {bsShape, u"Shape"},     {bsQuicken, u"Quicken"}};
  int top = 10;
  for (const auto& s : styles) {
    add(10, top, s.Caption)->SetStyle(s.Style);
    top += 30;
  }
  const struct {
    TLbColorStyle Preset;
    const char16_t* Caption;
  } presets[] = {{lcsGold, u"Gold"}, {lcsBlue, u"Blue"}, {lcsAqua, u"Aqua"}, {lcsQuicken, u"Quicken"}};
  top = 10;
  for (const auto& p : presets) {
    add(130, top, p.Caption)->SetColorStyle(p.Preset);
    top += 30;
  }
  add(250, 10, u"")->SetKind(bkOK);
  add(250, 40, u"")->SetKind(bkCancel);
  TLbButton* disabled = add(250, 70, u"");
  disabled->SetKind(bkRetry);
  disabled->SetEnabled(false);
  TLbButton* wrapped = add(250, 100, u"Two words wrapped");
  wrapped->SetWordWrap(true);
  wrapped->SetHeight(40);
  add(250, 150, u"")->SetKind(bkAll);

  const auto file = dir / "buttons.png";
  ASSERT_TRUE(platform::RenderToPng(form, Utf8ToString(file.string())));
  if (const char* keep = std::getenv("GX_KEEP_SNAPSHOT")) std::filesystem::copy_file(file, keep,
      std::filesystem::copy_options::overwrite_existing);
  TPngImage png;
  png.LoadFromFile(Utf8ToString(file.string()));
  const TPixelBuffer& px = png.Bitmap().Pixels();
  EXPECT_EQ(px.Pixel(12, 12), ColorToRGB(clBtnFace));         // normal face
  EXPECT_EQ(px.Pixel(10, 10), clWhite);                        // its light edge
  EXPECT_EQ(px.Pixel(130 + 108, 10 + 24), RGB(192, 192, 0));   // gold, the bottom gradient's start
  EXPECT_EQ(px.Pixel(130, 10), ColorToRGB(clBtnFace));         // a rounded corner shows the form
  EXPECT_EQ(px.Pixel(10, 130), ColorToRGB(clBtnFace));         // the shape style paints no face
}
}  // namespace
