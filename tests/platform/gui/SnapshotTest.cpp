#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "platform/gui/Bitmap.h"
#include "platform/gui/Buttons.h"
#include "platform/gui/ComCtrls.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Mask.h"
#include "platform/gui/Snapshot.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/TempDir.h"

namespace {
// A form with each control kind of the windows, placed by hand.
struct EachKindForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TShape* Shape = nullptr;
  TPanel* Panel = nullptr;

  EachKindForm() {
    Form->SetCaption(u"Snapshot");
    Form->SetBorderStyle(bsDialog);
    Form->SetClientWidth(600);
    Form->SetClientHeight(400);
    auto* label = Place(new TLabel(Form.get()), 10, 10, 60, 16);
    label->SetCaption(u"&Name:");
    Place(new TEdit(Form.get()), 80, 8, 150, 22)->SetText(u"Gateway");
    auto* mask = Place(new TMaskEdit(Form.get()), 240, 8, 100, 22);
    mask->SetEditMask(u"00:00;1;_");
    mask->SetText(u"12:30");
    auto* check = Place(new TCheckBox(Form.get()), 10, 40, 100, 20);
    check->SetCaption(u"Enabled");
    check->SetChecked(true);
    auto* radio = Place(new TRadioButton(Form.get()), 120, 40, 100, 20);
    radio->SetCaption(u"Read");
    radio->SetChecked(true);
    auto* combo = Place(new TComboBox(Form.get()), 10, 70, 120, 22);
    combo->Items().Assign({u"One", u"Two"});
    combo->SetItemIndex(1);
    Place(new TListBox(Form.get()), 10, 100, 120, 60)->Items().Assign({u"Alpha", u"Beta"});
    Place(new TMemo(Form.get()), 140, 100, 120, 60)->SetText(u"line 1\r\nline 2");
    Place(new TGroupBox(Form.get()), 350, 10, 120, 80)->SetCaption(u"Group");
    Panel = Place(new TPanel(Form.get()), 270, 100, 120, 60);
    Panel->SetCaption(u"Panel");
    Panel->SetColor(clYellow);
    Shape = Place(new TShape(Form.get()), 10, 200, 80, 80);
    Shape->Brush()->SetColor(clRed);
    auto* image = Place(new TImage(Form.get()), 100, 200, 64, 64);
    TBitmap picture(48, 48);
    picture.Canvas()->Brush()->SetColor(clBlue);
    picture.Canvas()->FillRect(Rect(0, 0, 48, 48));
    image->Picture()->SetGraphic(&picture);
    image->SetCenter(true);
    Place(new TLinkLabel(Form.get()), 180, 200, 150, 17)->SetCaption(u"Visit <a href=\"http://example.org\">the site</a>");
    auto* speed = Place(new TSpeedButton(Form.get()), 180, 228, 50, 24);
    speed->SetCaption(u"&Go");
    Place(new TDateTimePicker(Form.get()), 180, 260, 120, 22)->SetDate(EncodeDate(2024, 5, 17));
    auto* track = Place(new TTrackBar(Form.get()), 10, 300, 150, 30);
    track->SetPosition(3);
    Place(new TRichEdit(Form.get()), 180, 300, 150, 60)->SetText(u"Rich text");
    auto* pages = Place(new TPageControl(Form.get()), 400, 100, 190, 150);
    for (const char16_t* caption : {u"General", u"Hidden", u"Extra"}) {
      auto* sheet = new TTabSheet(Form.get());
      sheet->SetPageControl(pages);
      sheet->SetCaption(caption);
    }
    pages->Pages(1)->SetTabVisible(false);
    auto* onPage = new TCheckBox(Form.get());
    onPage->SetParent(pages->Pages(0));
    onPage->SetBounds(8, 8, 150, 20);
    onPage->SetCaption(u"On the first page");
    pages->SetActivePageIndex(0);
    auto* button = Place(new TButton(Form.get()), 510, 365, 80, 25);
    button->SetCaption(u"OK");
  }
  template <class T>
  T* Place(T* c, int l, int t, int w, int h) {
    c->SetParent(Form.get());
    c->SetBounds(l, t, w, h);
    return c;
  }
};

TPixelBuffer Render(TControl& c, const std::filesystem::path& file) {
  EXPECT_TRUE(platform::RenderToPng(c, Utf8ToString(file.string())));
  TPngImage png;
  png.LoadFromFile(Utf8ToString(file.string()));
  return png.Bitmap().Pixels();
}

// The smallest rectangle holding every pixel that differs (empty when none).
TRect Difference(const TPixelBuffer& a, const TPixelBuffer& b) {
  TRect r = Rect(a.Width, a.Height, 0, 0);
  for (int y = 0; y < a.Height; ++y)
    for (int x = 0; x < a.Width; ++x)
      if (a.Pixel(x, y) != b.Pixel(x, y))
        r = Rect(std::min(r.Left, x), std::min(r.Top, y), std::max(r.Right, x + 1), std::max(r.Bottom, y + 1));
  return r.Left < r.Right ? r : TRect();
}

bool Inside(const TRect& inner, const TRect& outer) {
  return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right &&
         inner.Bottom <= outer.Bottom;
}

TEST(Snapshot, AFormWithEachControlKindRendersWhereTheBoundsSay) {
  testsupport::TempDir dir;
  EachKindForm f;
  const TPixelBuffer all = Render(*f.Form, dir / "form.png");
  // The first picture of a window is already the settled one.
  EXPECT_EQ(Difference(all, Render(*f.Form, dir / "again.png")), TRect());
  ASSERT_EQ(all.Width, 600);
  ASSERT_EQ(all.Height, 400);
  EXPECT_EQ(all.Pixel(50, 240), clRed);      // the shape's inside
  EXPECT_EQ(all.Pixel(280, 150), clYellow);  // the panel, away from its caption
  EXPECT_EQ(all.Pixel(95, 240), ColorToRGB(clBtnFace));  // the shape ends at its bounds
  EXPECT_EQ(all.Pixel(132, 232), clBlue);    // the image's picture, centred

  // Each control, taken away, changes the picture inside its bounds only.
  for (int i = 0; i < f.Form->ControlCount(); ++i) {
    TControl* c = f.Form->Controls(i);
    SCOPED_TRACE(StringToUtf8(c->ClassName()));
    c->Hide();
    const TRect changed = Difference(all, Render(*f.Form, dir / "without.png"));
    c->Show();
    EXPECT_NE(changed, TRect());
    EXPECT_TRUE(Inside(changed, c->BoundsRect()))
        << changed.Left << "," << changed.Top << "," << changed.Right << "," << changed.Bottom;
  }
}
}  // namespace
