// The drop-down strips' settings: defaults, copies and which changes they
// tell of.
#include "grid/base/DropDownAppearances.h"

#include <gtest/gtest.h>

#include "platform/sys/Exceptions.h"

namespace {

// Counts what an appearance tells.
struct Told {
  int Changes = 0;
  int Buttons = 0;
  explicit Told(TStripAppearance& A) {
    A.OnChange = [this](TObject*) { ++Changes; };
    A.OnButtonsChanged = [this](TObject*) { ++Buttons; };
  }
};

TEST(DropDownAppearances, StripDefaults) {
  THeaderAppearance h(nullptr);
  TFooterAppearance f(nullptr);
  for (TStripAppearance* a : {static_cast<TStripAppearance*>(&h), static_cast<TStripAppearance*>(&f)}) {
    EXPECT_EQ(a->Color(), clSilver);
    EXPECT_EQ(a->ColorTo(), clWhite);
    EXPECT_EQ(a->GradientDirection(), gdVertical);
    EXPECT_TRUE(a->Visible());
    EXPECT_EQ(a->Height(), 22);
    EXPECT_EQ(a->BorderColor(), clBlack);
    EXPECT_EQ(a->BorderWidth(), 1);
    EXPECT_EQ(a->ImageIndex(), -1);
    EXPECT_EQ(a->ButtonAlignment(), baRight);
  }
  EXPECT_EQ(h.Font()->Name(), u"Tahoma");
  EXPECT_EQ(f.Font()->Name(), TFont().Name());
  EXPECT_TRUE(f.SizeGrip());
}

TEST(DropDownAppearances, OnlyVisibleAndAButtonsCaptionEnabledOrWidthTell) {
  THeaderAppearance h(nullptr);
  Told told(h);
  h.SetHeight(40);
  h.SetColor(clRed);
  h.SetCaption(u"x");
  h.SetVisible(true);
  EXPECT_EQ(told.Changes, 0) << "no change of Visible, nothing else tells";
  h.SetVisible(false);
  EXPECT_EQ(told.Changes, 1);
  THeaderButton* b = h.Buttons()->Add();
  h.Buttons()->Add();
  h.Buttons()->Delete(1);
  EXPECT_EQ(told.Buttons, 0) << "adding and deleting tell nothing";
  b->SetHeight(30);
  b->SetImageIndex(2);
  EXPECT_EQ(told.Buttons, 0);
  b->SetCaption(u"OK");
  b->SetEnabled(false);
  b->SetWidth(50);
  b->SetWidth(50);
  EXPECT_EQ(told.Buttons, 3);
}

TEST(DropDownAppearances, AssignCopiesAllAndVisibleTellsAssignColorsOnlyColours) {
  TFooterAppearance from(nullptr), to(nullptr);
  Told told(to);
  from.SetColor(clRed);
  from.SetColorTo(clNone);
  from.SetCaption(u"<b>Total</b>");
  from.SetSizeGrip(false);
  from.SetHeight(30);
  from.SetBorderWidth(2);
  from.SetVisible(false);
  from.Font()->SetName(u"Courier New");
  TFooterButton* b = from.Buttons()->Add();
  b->SetCaption(u"OK");
  b->SetModalResult(mrOk);
  to.Assign(from);
  EXPECT_EQ(to.Color(), clRed);
  EXPECT_EQ(to.ColorTo(), clNone);
  EXPECT_EQ(to.Caption(), u"<b>Total</b>");
  EXPECT_FALSE(to.SizeGrip());
  EXPECT_EQ(to.Height(), 30);
  EXPECT_EQ(to.BorderWidth(), 2);
  EXPECT_EQ(to.Font()->Name(), u"Courier New");
  ASSERT_EQ(to.Buttons()->Count(), 1);
  EXPECT_EQ(to.Buttons()->Items(0)->ModalResult(), mrOk);
  EXPECT_EQ(told.Changes, 1);
  EXPECT_EQ(told.Buttons, 0);

  THeaderAppearance header(nullptr);
  to.Assign(header);  // another class: nothing
  EXPECT_EQ(to.Color(), clRed);

  TFooterAppearance colours(nullptr);
  colours.AssignColors(from);
  EXPECT_EQ(colours.Color(), clRed);
  EXPECT_EQ(colours.ColorTo(), clNone);
  EXPECT_EQ(colours.Font()->Name(), u"Courier New");
  EXPECT_EQ(colours.Caption(), u"");
  EXPECT_EQ(colours.Height(), 22);
  EXPECT_TRUE(colours.Visible());
}

TEST(DropDownAppearances, ButtonAppearanceTellsEachRealChange) {
  TAdvButtonAppearance a;
  EXPECT_EQ(a.BorderColorHot(), 0x808080u);
  EXPECT_EQ(a.BorderColorDown(), 0x800000u);
  EXPECT_EQ(a.ColorDown(), 0xF5D8CAu);
  EXPECT_EQ(a.ColorChecked(), 0xF5D8CAu);
  EXPECT_EQ(a.BorderColorChecked(), 0xFF0000u);
  EXPECT_EQ(a.Font()->Name(), u"Tahoma");
  int told = 0;
  a.OnChange = [&](TObject*) { ++told; };
  a.SetColorHot(a.ColorHot());
  EXPECT_EQ(told, 0);
  a.SetColorHot(clRed);
  a.SetGradient(gdHorizontal);
  EXPECT_EQ(told, 2);

  TAdvButtonAppearance from;
  from.SetColor(clRed);
  from.SetBorderColor(clBlue);
  from.Font()->SetName(u"Arial");
  told = 0;
  a.Assign(from);
  EXPECT_EQ(told, 4) << "Color, ColorHot back, BorderColor and Gradient back";
  EXPECT_EQ(a.Color(), clRed);
  EXPECT_EQ(a.Font()->Name(), u"Tahoma") << "the font is not copied";
  THeaderAppearance other(nullptr);
  EXPECT_THROW(a.Assign(other), EConvertError);
}

TEST(DropDownAppearances, ButtonsCopyFromButtonsOnly) {
  THeaderButtons buttons(nullptr);
  THeaderButton* b = buttons.Add();
  TFooterButtons footer(nullptr);
  TFooterButton* f = footer.Add();
  f->SetCaption(u"Cancel");
  f->SetWidth(60);
  f->SetModalResult(mrCancel);
  b->Assign(*f);
  EXPECT_EQ(b->Caption(), u"Cancel");
  EXPECT_EQ(b->Width(), 60);
  THeaderAppearance h(nullptr);
  EXPECT_THROW(b->Assign(h), EConvertError);
}

}  // namespace
