#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Forms.h"
#include "platform/gui/Mask.h"
#include "tests/support/GuiTest.h"

namespace {
TEST(EditMask, FieldsPlaceholdersAndLiterals) {
  const TEditMaskFormat f = ParseEditMask(u">LL\\-09;0;*");
  EXPECT_FALSE(f.SaveLiterals);
  EXPECT_EQ(f.Blank, u'*');
  ASSERT_EQ(f.Slots.size(), 5u);
  EXPECT_EQ(f.Slots[0].Kind, u'L');
  EXPECT_EQ(f.Slots[0].Case, u'>');
  EXPECT_EQ(f.Slots[2].Kind, 0);
  EXPECT_EQ(f.Slots[2].Literal, u'-');
  EXPECT_EQ(f.Slots[4].Kind, u'9');

  const TEditMaskFormat plain = ParseEditMask(u"99:99");
  EXPECT_TRUE(plain.SaveLiterals);
  EXPECT_EQ(plain.Blank, u'_');
  EXPECT_EQ(plain.Slots.size(), 5u);
}

struct MaskForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TMaskEdit* Edit = new TMaskEdit(Form.get());
  testsupport::InputDriver Input;
  MaskForm() {
    Edit->SetParent(Form.get());
    Form->Show();
  }
};

TEST(MaskEdit, TypingFillsThePlaceholdersAndSkipsTheLiterals) {
  MaskForm f;
  f.Edit->SetEditMask(u"00.00;1;_");
  f.Edit->SetFocus();
  f.Input.Key(VK_HOME);
  f.Input.Type(u"12x3");
  EXPECT_EQ(f.Edit->EditText(), u"12.3_");
  EXPECT_EQ(f.Edit->Text(), u"12.3 ") << "a letter is refused where a digit goes";
}

TEST(MaskEdit, WithoutSavedLiteralsTextHasOnlyTheEnteredCharacters) {
  MaskForm f;
  f.Edit->SetEditMask(u">LL-00;0;_");
  f.Edit->SetText(u"ab12");
  EXPECT_EQ(f.Edit->EditText(), u"AB-12");
  EXPECT_EQ(f.Edit->Text(), u"AB12");
  f.Edit->SetEditMask(u"");
  EXPECT_FALSE(f.Edit->IsMasked());
}
}  // namespace
