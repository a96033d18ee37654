// HideCaret and ShowCaret on a native edit: hidden until each hide is undone.
#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Forms.h"
#include "platform/gui/StdCtrls.h"

namespace {
template <class T>
void HiddenUntilEachHideIsUndone() {
  std::unique_ptr<TForm> form = std::make_unique<TForm>(nullptr);
  auto* e = new T(form.get());
  e->SetParent(form.get());
  form->Show();
  e->SetFocus();
  EXPECT_FALSE(ShowCaret(e->Handle())) << "nothing hid it";
  EXPECT_TRUE(HideCaret(e->Handle()));
  EXPECT_TRUE(HideCaret(e->Handle()));
  EXPECT_TRUE(ShowCaret(e->Handle()));
  EXPECT_TRUE(ShowCaret(e->Handle()));
  EXPECT_FALSE(ShowCaret(e->Handle())) << "hidden twice, shown twice";
  e->SetText(u"still an edit");
  EXPECT_EQ(e->Text(), u"still an edit");
}

TEST(Caret, ALineEditHidesItsCaretUntilEachHideIsUndone) { HiddenUntilEachHideIsUndone<TEdit>(); }
TEST(Caret, AMemoHidesItsCaretUntilEachHideIsUndone) { HiddenUntilEachHideIsUndone<TMemo>(); }

TEST(Caret, AnUnknownWindowHasNoCaret) {
  EXPECT_FALSE(HideCaret(0));
  EXPECT_FALSE(ShowCaret(0));
}
}  // namespace
