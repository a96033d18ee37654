// The styled date/time pickers on one form, rendered to PNG for a look
// (GX_SNAPSHOT_DIR keeps a copy).
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/AdvDateTimePicker.h"
#include "grid/base/AsgDateTimePicker.h"
#include "platform/gui/Forms.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct SnapshotForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  testsupport::SystemInputDriver Input;

  template <class T>
  T* Add(int Left, int Top, int Width) {
    auto* c = new T(Form.get());
    c->SetParent(Form.get());
    c->SetBounds(Left, Top, Width, 24);
    c->SetTabStop(true);
    c->SetDateTime(EncodeDate(2024, 5, 17) + EncodeTime(14, 30, 0, 0));
    return c;
  }
  TAdvDateTimePicker* Adv(int Top, TAdvDateTimeKind Kind, const String& Label) {
    auto* p = Add<TAdvDateTimePicker>(120, Top, 220);
    p->SetKind(Kind);
    p->SetFormat(Kind == dkTime ? u"HH:mm:ss" : u"dd.MM.yyyy");
    p->SetLabelPosition(lpLeftCenter);
    p->SetLabelCaption(Label);
    return p;
  }
};

TEST(DateTimePickersSnapshot, PickersOfEachKindAndLookRender) {
  SnapshotForm f;
  f.Form->SetBorderStyle(bsDialog);
  f.Form->SetClientWidth(380);
  f.Form->SetClientHeight(300);
  f.Adv(20, dkDate, u"Date");
  f.Adv(60, dkTime, u"Time");
  TAdvDateTimePicker* both = f.Adv(100, dkDateTime, u"Date and time");
  both->SetFocusLabel(true);
  TAdvDateTimePicker* cleared = f.Adv(140, dkDateTime, u"No date");
  cleared->SetShowCheckbox(true);
  cleared->SetChecked(false);

  auto* metro = f.Add<TAsgDateTimePicker>(120, 190, 160);
  metro->SetFormat(u"dd.MM.yyyy");
  metro->SetMetroStyle(true);
  TEditorButtonColors colours;
  colours.Color = RGB(255, 200, 80);
  colours.BorderColor = clGray;
  colours.TextColor = clBlack;
  metro->SetButtonColors(colours);
  metro->SetBorderColor(clGray);
  auto* outlined = f.Add<TAsgDateTimePicker>(120, 230, 160);
  outlined->SetFormat(u"dd.MM.yyyy");
  outlined->SetCtl3D(false);
  outlined->SetBorderStyle(bsSingle);
  outlined->SetBorderColor(clNavy);
  f.Form->Show();
  both->SetFocus();
  f.Input.Pump();
  EXPECT_TRUE(both->PickerLabel()->Font()->Style().Contains(fsBold));
  EXPECT_FALSE(cleared->TimePicker()->Enabled());

  const TPixelBuffer picture = testsupport::RenderSnapshot(*f.Form, "date-time-pickers.png");
  ASSERT_FALSE(picture.Empty());
  const TRect m = metro->BoundsRect();
  EXPECT_EQ(picture.Pixel(m.Right - 6, m.Top + 5), colours.Color) << "the custom button inside its frame";
  EXPECT_EQ(picture.Pixel(m.Left, m.Top + 10), clGray) << "the border colour";
}
}  // namespace
