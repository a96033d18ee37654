// Spin edits of each kind with upright, lying and custom-coloured arrows,
// rendered to PNG for a look (GX_SNAPSHOT_DIR keeps a copy).
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/AsgSpinEdit.h"
#include "platform/gui/Forms.h"
#include "platform/sys/DateTime.h"
#include "tests/grid/base/Locale.h"
#include "tests/support/SnapshotFile.h"
#include "tests/support/SystemInputDriver.h"

namespace {
TEST(SpinEditSnapshot, EachKindAndLookRenders) {
  ScopedLocale locale(CommaDecimalDMY);
  FormatSettings.LongTimeFormat = u"h:nn:ss";
  auto form = std::make_unique<TForm>(nullptr);
  form->SetBorderStyle(bsDialog);
  form->SetClientWidth(380);
  form->SetClientHeight(150);
  auto add = [&](int Left, int Top, TAsgSpinType Kind) {
    auto* e = new TAsgSpinEdit(form.get());
    e->SetParent(form.get());
    e->SetBounds(Left, Top, 160, 24);
    e->SetSpinType(Kind);
    return e;
  };
  add(20, 20, sptNormal)->SetValue(42);
  TAsgSpinEdit* number = add(200, 20, sptFloat);
  number->SetPrecision(2);
  number->SetFloatValue(3.14159);
  TAsgSpinEdit* date = add(20, 60, sptDate);
  date->SetDateValue(EncodeDate(2021, 3, 4));
  date->SetDirection(spHorizontal);
  TAsgSpinEdit* time = add(200, 60, sptTime);
  time->SetTimeValue(EncodeTime(13, 45, 30, 0));
  time->SetEditAlign(eaRight);
  TAsgSpinEdit* coloured = add(20, 100, sptNormal);
  coloured->Button()->SetButtonColor(RGB(255, 200, 80));
  coloured->Button()->SetButtonColorHot(RGB(255, 230, 150));
  coloured->Button()->SetButtonColorDown(RGB(200, 120, 0));
  TAsgSpinEdit* lying = add(200, 100, sptNormal);
  lying->SetDirection(spHorizontal);
  lying->Button()->SetButtonColor(clSkyBlue);
  form->Show();
  testsupport::SystemInputDriver input;
  input.Pump();
  EXPECT_EQ(number->Text(), u"3,14");
  EXPECT_EQ(date->Text(), u"04.03.2021");
  EXPECT_EQ(time->Text(), u"13:45:30");

  const TPixelBuffer picture = testsupport::RenderSnapshot(*form, "spin-edits.png");
  ASSERT_FALSE(picture.Empty());
  const TRect up = coloured->Button()->UpButton()->BoundsRect();
  const TPoint at = coloured->Button()->ClientToScreen(Point(up.Left + 1, up.Bottom - 2));
  const TPoint in = form->ScreenToClient(at);
  EXPECT_EQ(picture.Pixel(in.X, in.Y), RGB(255, 200, 80)) << "the custom face";
}
}  // namespace
