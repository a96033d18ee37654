// The drop-down edit's value, copies, layout and label, and what an open
// pop-up does when its strips' settings change.
#include "grid/dropdown/AdvCustomDropDown.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "grid/dropdown/DropDownEditButton.h"
#include "grid/dropdown/DropDownForm.h"
#include "platform/gui/Forms.h"
#include "platform/gui/SystemMetrics.h"
#include "platform/sys/FormatSettings.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct EditOnForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TAdvCustomDropDown* Drop = new TAdvCustomDropDown(Form.get());
  EditOnForm() {
    Form->SetBounds(40, 40, 500, 300);
    Drop->SetParent(Form.get());
    Drop->SetBounds(150, 100, 200, 24);
  }
};

TEST(AdvCustomDropDown, Defaults) {
  EditOnForm f;
  TAdvCustomDropDown& d = *f.Drop;
  EXPECT_EQ(d.Text(), u"");
  EXPECT_EQ(d.DropDownButtonWidth(), 17);
  EXPECT_EQ(d.Button()->Width(), 17);
  EXPECT_EQ(d.DropPosition(), dpAuto);
  EXPECT_EQ(d.DropDownColor(), TColor{0xF3E5DA}) << "the Office 2007 Luna preset";
  EXPECT_EQ(d.DropDownBorderWidth(), 1);
  EXPECT_TRUE(d.DropDownSizeable());
  EXPECT_TRUE(d.DefaultHandling());
  EXPECT_TRUE(d.CanUndo());
  EXPECT_TRUE(d.FocusDraw());
  EXPECT_EQ(d.SelectionColorStyle(), scOffice2007);
  EXPECT_EQ(d.SelectionColor(), TColor{0xD7FFFD});
  EXPECT_EQ(d.ZEVStyle(), tsOffice2007Luna);
  EXPECT_EQ(d.Version(), u"1.2.1.4");
  EXPECT_EQ(d.UserDropDownSize(), (TSize{-1, -1}));
  EXPECT_FALSE(d.DropDownForm()->Visible());
  EXPECT_EQ(d.DropDownForm()->AdvDropDown, &d);
}

TEST(AdvCustomDropDown, TheValueLosesOnlyAPrefixAndASuffixThatAreThere) {
  EditOnForm f;
  TAdvCustomDropDown& d = *f.Drop;
  d.SetSuffix(u" %");
  d.SetPlainText(u"75");
  EXPECT_EQ(d.Text(), u"75") << "a value shown plainly has no suffix to lose";
  d.SetText(u"75");
  EXPECT_EQ(d.TMaskEdit::Text(), u"75 %");
  EXPECT_EQ(d.Text(), u"75");
  d.SetPrefix(u"$ ");
  d.SetText(u"10");
  EXPECT_EQ(d.TMaskEdit::Text(), u"$ 10 %");
  EXPECT_EQ(d.Text(), u"10");
  d.SelectAll();
  EXPECT_EQ(d.SelStart(), 2);
  EXPECT_EQ(d.SelLength(), 2);
  d.SetPlainText(u"%");
  EXPECT_EQ(d.Text(), u"%") << "shorter than the suffix";
}

TEST(AdvCustomDropDown, SelectBeforeAndAfterTheDecimalSeparator) {
  EditOnForm f;
  TAdvCustomDropDown& d = *f.Drop;
  d.SetPrefix(u"x");
  const String sep(1, FormatSettings.DecimalSeparator);
  d.SetText(u"12" + sep + u"5");
  d.SelectBeforeDecimal();
  EXPECT_EQ(d.SelStart(), 3);
  d.SelectAfterDecimal();
  EXPECT_EQ(d.SelStart(), 4);
  d.SetText(u"12");
  d.SelectAfterDecimal();
  EXPECT_EQ(d.SelStart(), 1) << "none: the value's start";
}

TEST(AdvCustomDropDown, AssignCopiesItsListAndKeepsTheRest) {
  EditOnForm f;
  TAdvCustomDropDown& from = *f.Drop;
  TAdvCustomDropDown to(nullptr);
  // First: a preset writes the colours below.
  from.SetComponentStyle(tsWindows7);
  from.SetFocusDraw(false);
  from.SetForceShadow(true);
  from.SetDropDownEnabled(true);
  from.SetDropDownColor(clYellow);
  from.SetDropDownColorTo(clRed);
  from.SetDropDownGradient(gdVertical);
  from.SetDropDownBorderColor(clBlue);
  from.SetDropDownBorderWidth(3);
  from.SetDropDownShadow(false);
  from.SetDropDownWidth(300);
  from.SetDropDownHeight(200);
  from.SetDropDownSizeable(false);
  from.SetEditType(etFloat);
  from.SetReturnIsTab(true);
  from.SetLengthLimit(5);
  from.SetPrecision(2);
  from.SetPrefix(u"<");
  from.SetSuffix(u">");
  from.SetDefaultHandling(false);
  from.SetCanUndo(false);
  from.SetExcelStyleDecimalSeparator(true);
  from.SetValidChars(u"abc");
  from.SetSigned(true);
  from.SetAutoThousandSeparator(false);
  from.DropDownHeader()->SetCaption(u"head");
  from.DropDownFooter()->SetVisible(false);
  from.ButtonAppearance()->SetColor(clAqua);
  from.SetDropPosition(dpUp);
  from.SetFlat(true);
  from.SetDropDownButtonWidth(25);
  from.SetDropDownButtonHint(u"Open");
  from.SetEditorEnabled(false);
  from.Button()->SetButtonCaption(u"...");
  from.SetSelectionColorStyle(scWindows7);
  from.SetSelectionColor(clGreen);
  from.SetSelectionColorTo(clLime);
  // Not in the list:
  from.SetBorderColor(clRed);
  from.SetFocusBorderColor(clRed);
  from.SetDisabledBorder(false);
  from.SetAllowNumericNullValue(true);
  from.SetText(u"value");

  to.Assign(from);
  EXPECT_FALSE(to.FocusDraw());
  EXPECT_TRUE(to.ForceShadow());
  EXPECT_TRUE(to.DropDownEnabled());
  EXPECT_EQ(to.DropDownColor(), clYellow);
  EXPECT_EQ(to.DropDownColorTo(), clRed);
  EXPECT_EQ(to.DropDownGradient(), gdVertical);
  EXPECT_EQ(to.DropDownBorderColor(), clBlue);
  EXPECT_EQ(to.DropDownBorderWidth(), 3);
  EXPECT_FALSE(to.DropDownShadow());
  EXPECT_EQ(to.DropDownWidth(), 300);
  EXPECT_EQ(to.DropDownHeight(), 200);
  EXPECT_FALSE(to.DropDownSizeable());
  EXPECT_EQ(to.EditType(), etFloat);
  EXPECT_TRUE(to.ReturnIsTab());
  EXPECT_EQ(to.LengthLimit(), 5);
  EXPECT_EQ(to.Precision(), 2);
  EXPECT_EQ(to.Prefix(), u"<");
  EXPECT_EQ(to.Suffix(), u">");
  EXPECT_FALSE(to.DefaultHandling());
  EXPECT_FALSE(to.CanUndo());
  EXPECT_TRUE(to.ExcelStyleDecimalSeparator());
  EXPECT_EQ(to.ValidChars(), u"abc");
  EXPECT_TRUE(to.Signed());
  EXPECT_FALSE(to.AutoThousandSeparator());
  EXPECT_EQ(to.DropDownHeader()->Caption(), u"head");
  EXPECT_FALSE(to.DropDownFooter()->Visible());
  EXPECT_EQ(to.ButtonAppearance()->Color(), clAqua);
  EXPECT_EQ(to.DropPosition(), dpUp);
  EXPECT_TRUE(to.Flat());
  EXPECT_EQ(to.DropDownButtonWidth(), 25);
  EXPECT_EQ(to.Button()->Width(), 25);
  EXPECT_EQ(to.DropDownButtonHint(), u"Open");
  EXPECT_TRUE(to.Button()->ShowHint());
  EXPECT_FALSE(to.EditorEnabled());
  EXPECT_EQ(to.Button()->ButtonCaption(), u"...");
  EXPECT_EQ(to.SelectionColorStyle(), scWindows7);
  EXPECT_EQ(to.SelectionColor(), clGreen);
  EXPECT_EQ(to.SelectionColorTo(), clLime);

  EXPECT_EQ(to.BorderColor(), clNone);
  EXPECT_EQ(to.FocusBorderColor(), clNone);
  EXPECT_TRUE(to.DisabledBorder());
  EXPECT_FALSE(to.AllowNumericNullValue());
  EXPECT_EQ(to.ZEVStyle(), tsOffice2007Luna);
  EXPECT_EQ(to.Text(), u"") << "the value is not a setting";

  TEdit plain(nullptr);
  to.Assign(plain);  // anything else is ignored
  EXPECT_EQ(to.DropDownColor(), clYellow);
}

TEST(AdvCustomDropDown, TheDropButtonSitsInsideTheRightEdgeAndTheEditKeepsItsLeastHeight) {
  EditOnForm f;
  TAdvCustomDropDown& d = *f.Drop;
  const int edge = GetSystemMetrics(SM_CXEDGE);
  EXPECT_EQ(d.Button()->BoundsRect(), Rect(179 + edge, edge, 196 + edge, 20 + edge));
  d.SetFlat(true);
  EXPECT_EQ(d.Button()->BoundsRect(), Rect(180 + edge, 2 + edge, 197 + edge, 23 + edge));
  d.SetDropDownButtonWidth(30);
  EXPECT_EQ(d.Button()->Width(), 30);
  EXPECT_EQ(d.Button()->Left(), 200 - 30 - 3 + edge);
  d.SetHeight(3);
  EXPECT_GT(d.Height(), 3) << "raised to the font's least height";
  EXPECT_EQ(d.Button()->Height(), d.Height() - 3);
}

TEST(AdvCustomDropDown, TheLabelAtTheNewPositionsAndTallerThanTheEdit) {
  EditOnForm f;
  TAdvCustomDropDown& d = *f.Drop;
  d.SetLabelCaption(u"Name");
  TLabel* label = d.EditLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Parent(), f.Form.get());
  const int lw = label->Width(), lh = label->Height();
  d.SetLabelPosition(lpTopRight);
  EXPECT_EQ(label->Left(), 350 - lw);
  EXPECT_EQ(label->Top(), 100 - lh - 4);
  d.SetLabelPosition(lpBottomRight);
  EXPECT_EQ(label->Left(), 350 - lw);
  EXPECT_EQ(label->Top(), 124 + 4);
  d.SetLabelPosition(lpLeftCenter);
  d.SetParentFont(false);
  d.LabelFont()->SetSize(40);
  ASSERT_GT(label->Height(), d.Height());
  EXPECT_EQ(label->Top(), 100 - (label->Height() - 24) / 2) << "centred over the edit";
  int clicks = 0;
  d.OnLabelClick = [&](TObject*) { ++clicks; };
  f.Form->Show();
  testsupport::SystemInputDriver input;
  input.Click(*label);
  EXPECT_EQ(clicks, 1);
}

// A pop-up that counts its rebuilds.
class TCountingForm : public TDropDownForm {
 public:
  using TDropDownForm::TDropDownForm;
  int Rebuilds = 0;
  void InitializeAndUpdate() override { ++Rebuilds; }
};

class TCountingDropDown : public TAdvCustomDropDown {
 public:
  explicit TCountingDropDown(TComponent* AOwner) : TAdvCustomDropDown(AOwner) {
    auto form = std::make_unique<TCountingForm>(nullptr);
    Counting = form.get();
    AdoptDropDownForm(std::move(form));
  }
  TCountingForm* Counting;
};

TEST(AdvCustomDropDown, AnOpenPopupRebuildsItsStripsOnTheirNotificationsOnly) {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  auto* d = new TCountingDropDown(form.get());
  d->SetParent(form.get());
  d->SetBounds(10, 10, 200, 24);
  form->SetBounds(40, 40, 300, 200);
  form->Show();
  d->DropDownHeader()->SetVisible(false);
  EXPECT_EQ(d->Counting->Rebuilds, 0) << "closed: nothing until the next opening";
  d->ShowDropDown();
  ASSERT_TRUE(d->DroppedDown());
  EXPECT_EQ(d->Counting->Rebuilds, 1);
  d->DropDownHeader()->SetHeight(40);
  d->DropDownFooter()->SetColor(clRed);
  d->ButtonAppearance()->SetColor(clRed);
  EXPECT_EQ(d->Counting->Rebuilds, 1);
  d->DropDownHeader()->SetVisible(true);
  d->DropDownFooter()->Buttons()->Add()->SetCaption(u"OK");
  EXPECT_EQ(d->Counting->Rebuilds, 3);
  d->HideDropDown(false);
  EXPECT_FALSE(d->DroppedDown());
}

}  // namespace
