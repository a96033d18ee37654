// The flat combo met as a user meets it: focus by Tab, the pointer over its
// button, the real list, its label beside it, and its own painting.
#include "grid/base/AsgCombo.h"

#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/SystemMetrics.h"
#include "tests/support/SystemInputDriver.h"

namespace {
struct ComboForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TEdit* Edit = new TEdit(Form.get());
  TAsgComboBox* Combo = new TAsgComboBox(Form.get());
  testsupport::SystemInputDriver Input;

  ComboForm() {
    Form->SetBounds(40, 40, 400, 200);
    Form->SetColor(clSilver);
    Edit->SetParent(Form.get());
    Edit->SetBounds(10, 10, 100, 22);
    Edit->SetTabStop(true);
    Combo->SetParent(Form.get());
    Combo->SetBounds(120, 60, 150, 24);
    Combo->SetTabStop(true);
    Combo->SetStyle(csDropDownList);
    Combo->Items().Assign({u"Alpha", u"Beta", u"Gamma"});
    Combo->SetItemIndex(0);
    Form->Show();
    Edit->SetFocus();
    Input.Pump();
  }
  void TabIn() {
    Input.Key(VK_TAB);
    ASSERT_TRUE(Combo->Focused());
  }
  void TabOut() {
    Input.Key(VK_TAB);
    ASSERT_FALSE(Combo->Focused());
  }
};

TEST(AsgCombo, ButtonWidthTakesOnly14To32) {
  ComboForm f;
  EXPECT_EQ(f.Combo->ButtonWidth(), GetSystemMetrics(SM_CXVSCROLL) + 2);
  const struct {
    int Given, Kept;
  } cases[] = {{14, 14}, {13, 14}, {32, 32}, {33, 32}};
  for (const auto& c : cases) {
    f.Combo->SetButtonWidth(c.Given);
    EXPECT_EQ(f.Combo->ButtonWidth(), c.Kept) << c.Given;
  }
}

TEST(AsgCombo, FocusColourWithoutInitGivesTheWindowColourBack) {
  ComboForm f;
  f.Combo->SetFocusColor(clYellow);
  f.Combo->SetFocusLabel(true);
  f.Combo->SetLabelCaption(u"Port");
  f.TabIn();
  EXPECT_EQ(f.Combo->Color(), clYellow);
  EXPECT_TRUE(f.Combo->HasFocus());
  EXPECT_TRUE(f.Combo->ComboLabel()->Font()->Style().Contains(fsBold));
  f.TabOut();
  EXPECT_EQ(f.Combo->Color(), clWindow) << "not black";
  EXPECT_FALSE(f.Combo->HasFocus());
  EXPECT_FALSE(f.Combo->ComboLabel()->Font()->Style().Contains(fsBold));
}

TEST(AsgCombo, InitRecordsTheColourFocusReturnsTo) {
  ComboForm f;
  f.Combo->SetColor(clAqua);
  f.Combo->Init();
  f.Combo->SetFocusColor(clYellow);
  f.TabIn();
  EXPECT_EQ(f.Combo->Color(), clYellow);
  f.TabOut();
  EXPECT_EQ(f.Combo->Color(), clAqua);
}

TEST(AsgCombo, FlatLookDisabledAndEnabledAgainRestoresItsColour) {
  ComboForm f;
  f.Combo->SetFlatParentColor(false);
  f.Combo->SetFlat(true);
  f.Combo->SetColor(clLime);
  f.Combo->SetEnabled(false);
  EXPECT_TRUE(f.Combo->ParentColor());
  EXPECT_EQ(f.Combo->Color(), clSilver) << "the parent's";
  f.Combo->SetEnabled(true);
  EXPECT_FALSE(f.Combo->ParentColor());
  EXPECT_EQ(f.Combo->Color(), clLime);
}

TEST(AsgCombo, FlatTakesTheParentsColour) {
  ComboForm f;
  f.Combo->SetFlat(true);
  EXPECT_EQ(f.Combo->Color(), clSilver);
  f.Combo->SetFlat(false);
  EXPECT_EQ(f.Combo->Color(), clWindow);
}

TEST(AsgCombo, LabelFollowsEnabledVisibleAndBounds) {
  ComboForm f;
  f.Combo->SetLabelCaption(u"Baud rate");
  TLabel* label = f.Combo->ComboLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), f.Form.get());
  EXPECT_EQ(label->Top(), 60);
  EXPECT_EQ(label->Left() + label->Width() + 4, 120);
  f.Combo->SetBounds(150, 100, 150, 24);
  EXPECT_EQ(label->Top(), 100);
  EXPECT_EQ(label->Left() + label->Width() + 4, 150);
  f.Combo->SetLabelPosition(lpTopLeft);
  EXPECT_EQ(label->Left(), 150);
  EXPECT_EQ(label->Top() + label->Height() + 4, 100);

  f.Combo->SetEnabled(false);
  EXPECT_FALSE(label->Enabled());
  f.Combo->SetEnabled(true);
  EXPECT_TRUE(label->Enabled());
  f.Combo->SetLabelAlwaysEnabled(true);
  f.Combo->SetEnabled(false);
  EXPECT_TRUE(label->Enabled());

  f.Combo->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  f.Combo->SetVisible(true);
  EXPECT_TRUE(label->Visible());
  EXPECT_EQ(f.Combo->LabelCaption(), u"Baud rate");
}

TEST(AsgCombo, DropWidthReachesTheRealListAndClosingFiresOnDropUp) {
  ComboForm f;
  int dropUps = 0;
  f.Combo->OnDropUp = [&](TObject* Sender) {
    EXPECT_EQ(Sender, f.Combo);
    ++dropUps;
  };
  f.Combo->SetDropWidth(300);
  f.Input.Click(*f.Combo);
  ASSERT_TRUE(f.Combo->DroppedDown());
  TRect popup;
  ASSERT_TRUE(f.Input.PopupRect(popup));
  EXPECT_GE(popup.Width(), 300);
  EXPECT_EQ(dropUps, 0);
  f.Input.Key(VK_ESCAPE);
  EXPECT_FALSE(f.Combo->DroppedDown());
  EXPECT_EQ(dropUps, 1);
}

// Counts the combo's paints.
struct PaintCounter {
  int Paints = 0;
  explicit PaintCounter(TControl& C) {
    C.WindowProc = [this, old = C.WindowProc](TMessage& m) {
      Paints += m.Msg == WM_PAINT;
      old(m);
    };
  }
};

TEST(AsgCombo, ButtonHoverHoldsStrictlyInsideTheButtonAndRepaints) {
  ComboForm f;
  f.Combo->SetButtonWidth(20);
  const int w = f.Combo->Width(), y = f.Combo->Height() / 2;
  PaintCounter counter(*f.Combo);
  f.Input.MouseMove(*f.Combo, Point(w - 20, y));
  EXPECT_FALSE(f.Combo->ButtonHover()) << "the edge is outside";
  f.Input.MouseMove(*f.Combo, Point(w - 19, y));
  EXPECT_TRUE(f.Combo->ButtonHover());
  const int painted = counter.Paints;
  EXPECT_GT(painted, 0);
  f.Input.MouseMove(*f.Combo, Point(w - 1, y));
  EXPECT_TRUE(f.Combo->ButtonHover());
  f.Input.MouseMove(*f.Combo, Point(10, y));
  EXPECT_FALSE(f.Combo->ButtonHover());
  EXPECT_GT(counter.Paints, painted) << "leaving the button repaints";
}

// The fill of the own button's face on a paint now.
TColor ButtonFace(TAsgCustomCombo& Combo) {
  TRecordingCanvas canvas;
  Combo.Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  const auto fills = canvas.RecordsOf(u"FillRect");
  return fills.size() == 2 ? fills[1].BrushColor : clNone;
}

TEST(AsgCombo, CustomButtonIsDownWhileTheRightButtonIsHeldOverIt) {
  ComboForm f;
  TEditorButtonColors colours;
  colours.Color = clYellow;
  colours.ColorHot = clAqua;
  colours.ColorDown = clNavy;
  colours.TextColor = clBlack;
  f.Combo->SetButtonColors(colours);
  const TPoint over = Point(f.Combo->Width() - 8, f.Combo->Height() / 2);
  EXPECT_EQ(ButtonFace(*f.Combo), clYellow);
  f.Input.MouseMove(*f.Combo, over);
  EXPECT_EQ(ButtonFace(*f.Combo), clAqua);
  f.Input.MouseDown(*f.Combo, over, mbRight);
  EXPECT_EQ(ButtonFace(*f.Combo), clNavy);
  f.Input.MouseUp(*f.Combo, over, mbRight);
  EXPECT_EQ(ButtonFace(*f.Combo), clAqua);
}

TEST(AsgCombo, PlatformPaintsEverythingUnderIsVistaWithoutButtonColour) {
  ComboForm f;
  f.Combo->SetIsVista(true);
  f.Combo->SetFlat(true);
  TRecordingCanvas canvas;
  f.Combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  f.Combo->Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  for (const auto& r : canvas.Records()) EXPECT_EQ(r.Op, u"Draw") << "only the native look";
  f.Combo->SetBorderColor(clRed);
  canvas.Clear();
  f.Combo->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  f.Combo->Perform(WM_NCPAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)));
  const auto frames = canvas.RecordsOf(u"FrameRect");
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].BrushColor, clRed);
  EXPECT_TRUE(canvas.RecordsOf(u"Polygon").empty()) << "the native button stays";
}

TEST(AsgCombo, AutoFocusTakesTheFocusWhenThePointerComes) {
  ComboForm f;
  f.Input.MouseMove(*f.Combo, Point(10, 10));
  EXPECT_FALSE(f.Combo->Focused());
  f.Input.MouseMove(*f.Edit, Point(5, 5));
  f.Combo->SetAutoFocus(true);
  f.Input.MouseMove(*f.Combo, Point(10, 10));
  EXPECT_TRUE(f.Combo->Focused());
}

TEST(AsgCombo, FreedWithItsFormOrBeforeIt) {
  {
    ComboForm f;
    f.Combo->SetLabelCaption(u"Mode");
  }
  ComboForm f;
  f.Combo->SetLabelCaption(u"Mode");
  const int controls = f.Form->ControlCount();
  delete f.Combo;
  EXPECT_EQ(f.Form->ControlCount(), controls - 2) << "the label went with it";
}

TEST(AsgCombo, ALabelFreedByItsParentIsForgotten) {
  auto form = std::make_unique<TForm>(nullptr);
  auto panel = std::make_unique<TPanel>(nullptr);
  TAsgComboBox combo(nullptr);
  panel->SetParent(form.get());
  combo.SetParent(panel.get());
  combo.SetLabelCaption(u"Speed");
  combo.SetParent(form.get());
  panel.reset();
  EXPECT_EQ(combo.ComboLabel(), nullptr);
  EXPECT_EQ(combo.LabelCaption(), String());
  combo.SetBounds(5, 5, 100, 24);
}
}  // namespace
