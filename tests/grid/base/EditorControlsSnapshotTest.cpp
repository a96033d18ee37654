// Flat combos and edits with a button on one form, rendered to PNG for a
// look (GX_SNAPSHOT_DIR keeps a copy).
#include <gtest/gtest.h>

#include <memory>

#include "grid/base/AsgCombo.h"
#include "grid/base/AsgUnitEditBtn.h"
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
    return c;
  }
  TAsgComboBox* Combo(int Left, int Top, const String& Label, TLabelPosition Position) {
    auto* c = Add<TAsgComboBox>(Left, Top, 150);
    c->SetStyle(csDropDownList);
    c->Items().Assign({u"9600", u"19200", u"115200"});
    c->SetItemIndex(0);
    c->SetLabelPosition(Position);
    c->SetLabelCaption(Label);
    return c;
  }
};

TEST(EditorControlsSnapshot, CombosAndEditsWithButtonsRender) {
  SnapshotForm f;
  f.Form->SetBorderStyle(bsDialog);
  f.Form->SetClientWidth(460);
  f.Form->SetClientHeight(260);
  TAsgComboBox* flat = f.Combo(110, 20, u"Flat", lpLeftCenter);
  flat->SetFlat(true);
  flat->SetFlatLineColor(clNavy);
  TAsgComboBox* custom = f.Combo(290, 40, u"Custom button", lpTopLeft);
  TEditorButtonColors colours;
  colours.Color = RGB(255, 200, 80);
  colours.ColorHot = RGB(255, 230, 150);
  colours.ColorDown = RGB(200, 120, 0);
  colours.BorderColor = clGray;
  colours.TextColor = clBlack;
  custom->SetButtonColors(colours);
  custom->SetBorderColor(clGray);
  TAsgComboBox* focused = f.Combo(110, 80, u"Focused", lpLeftCenter);
  focused->SetFocusColor(RGB(255, 255, 200));
  focused->SetFocusBorderColor(clBlue);
  focused->SetFocusLabel(true);
  TAsgComboBox* disabled = f.Combo(290, 100, u"Disabled", lpBottomCenter);
  disabled->SetFlat(true);
  disabled->SetEnabled(false);

  auto* edit = f.Add<TAsgEditBtn>(110, 160, 150);
  edit->SetText(u"C:\\config.gx4");
  edit->SetButtonCaption(u"...");
  edit->SetButtonWidth(22);
  auto* unit = f.Add<TAsgUnitEditBtn>(110, 200, 150);
  TStringList units;
  units.Add(u"ms");
  units.Add(u"s");
  unit->SetUnits(&units);
  unit->SetTextAndUnit(u"250ms");
  unit->SetButtonWidth(18);
  f.Form->Show();
  focused->SetFocus();
  f.Input.Pump();
  EXPECT_EQ(focused->Color(), RGB(255, 255, 200));

  const TPixelBuffer picture = testsupport::RenderSnapshot(*f.Form, "editor-controls.png");
  ASSERT_FALSE(picture.Empty());
  const TRect c = custom->BoundsRect();
  EXPECT_EQ(picture.Pixel(c.Right - 5, c.Top + 5), colours.Color) << "the custom button";
  EXPECT_EQ(picture.Pixel(c.Left, c.Top + 10), clGray) << "the border colour";
  const TRect fc = focused->BoundsRect();
  EXPECT_EQ(picture.Pixel(fc.Left, fc.Top + 10), clBlue) << "the focus border";
  EXPECT_EQ(unit->UnitID(), u"ms");
}
}  // namespace
