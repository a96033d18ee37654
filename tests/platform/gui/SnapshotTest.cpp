#include <gtest/gtest.h>

#include "platform/gui/Bitmap.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/TempDir.h"

namespace {
// The PNG file shows each control where its bounds say: sample the centre
// of a few controls whose colour we know.
TEST(Snapshot, AFormWithEachControlKindRendersWhereTheBoundsSay) {
  testsupport::TempDir dir;
  TForm form(nullptr);
  form.SetCaption(u"Snapshot");
  form.SetBorderStyle(bsDialog);
  form.SetClientWidth(400);
  form.SetClientHeight(300);
  auto place = [&](TControl* c, int l, int t, int w, int h) {
    c->SetParent(&form);
    c->SetBounds(l, t, w, h);
  };
  auto* label = new TLabel(&form);
  label->SetCaption(u"&Name:");
  place(label, 10, 10, 60, 16);
  auto* edit = new TEdit(&form);
  edit->SetText(u"Gateway");
  place(edit, 80, 8, 150, 22);
  auto* check = new TCheckBox(&form);
  check->SetCaption(u"Enabled");
  check->SetChecked(true);
  place(check, 10, 40, 100, 20);
  auto* radio = new TRadioButton(&form);
  radio->SetCaption(u"Read");
  place(radio, 120, 40, 100, 20);
  auto* combo = new TComboBox(&form);
  combo->Items().Assign({u"One", u"Two"});
  combo->SetItemIndex(1);
  place(combo, 10, 70, 120, 22);
  auto* list = new TListBox(&form);
  list->Items().Assign({u"Alpha", u"Beta"});
  place(list, 10, 100, 120, 60);
  auto* memo = new TMemo(&form);
  memo->SetText(u"line 1\r\nline 2");
  place(memo, 140, 100, 120, 60);
  auto* group = new TGroupBox(&form);
  group->SetCaption(u"Group");
  place(group, 270, 10, 120, 80);
  auto* panel = new TPanel(&form);
  panel->SetCaption(u"Panel");
  panel->SetColor(clYellow);
  place(panel, 270, 100, 120, 60);
  auto* shape = new TShape(&form);
  shape->Brush()->SetColor(clRed);
  place(shape, 10, 200, 80, 80);
  auto* button = new TButton(&form);
  button->SetCaption(u"OK");
  place(button, 310, 265, 80, 25);

  const auto file = dir / "form.png";
  ASSERT_TRUE(platform::RenderToPng(form, Utf8ToString(file.string())));
  TPngImage png;
  png.LoadFromFile(Utf8ToString(file.string()));
  ASSERT_EQ(png.Width(), 400);
  ASSERT_EQ(png.Height(), 300);
  const TPixelBuffer& px = png.Bitmap().Pixels();
  EXPECT_EQ(px.Pixel(50, 240), clRed);      // the shape's inside
  EXPECT_EQ(px.Pixel(280, 150), clYellow);  // the panel, away from its caption
  EXPECT_EQ(px.Pixel(95, 240), ColorToRGB(clBtnFace));  // the shape ends at its bounds
}
}  // namespace
