#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/StdCtrls.h"

namespace {
// Paints its caption and counts the font changes it is told of.
class TextBox : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int FontMessages = 0;

 protected:
  void Paint() override { Canvas()->TextOut(0, 0, u"x"); }
  void Dispatch(TMessage& m) override {
    if (m.Msg == CM_FONTCHANGED) ++FontMessages;
    TCustomControl::Dispatch(m);
  }
};

struct FontForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPanel* Panel = new TPanel(Form.get());
  TextBox* Box = new TextBox(Form.get());
  TEdit* Edit = new TEdit(Form.get());
  FontForm() {
    Panel->SetParent(Form.get());
    Box->SetParent(Panel);
    Edit->SetParent(Form.get());
  }
};

TEST(ControlFont, ParentFontFollowsDownTheTreeUntilAControlSetsItsOwn) {
  FontForm f;
  f.Form->Font()->SetName(u"Arial");
  f.Form->Font()->SetStyle({fsBold});
  EXPECT_EQ(f.Box->Font()->Name(), u"Arial");
  EXPECT_TRUE(f.Box->Font()->Style().Contains(fsBold));
  EXPECT_TRUE(f.Box->ParentFont());

  f.Edit->Font()->SetSize(12);
  EXPECT_FALSE(f.Edit->ParentFont());
  f.Form->Font()->SetSize(10);
  EXPECT_EQ(f.Edit->Font()->Size(), 12);
  EXPECT_EQ(f.Box->Font()->Size(), 10);

  f.Edit->SetParentFont(true);
  EXPECT_EQ(f.Edit->Font()->Size(), 10);
}

TEST(ControlFont, AChangeIsReportedWithCmFontChanged) {
  FontForm f;
  const int before = f.Box->FontMessages;
  f.Box->Font()->SetColor(clRed);
  EXPECT_EQ(f.Box->FontMessages, before + 1);
  f.Panel->Font()->SetSize(14);
  EXPECT_EQ(f.Box->FontMessages, before + 1) << "the box has a font of its own now";
}

TEST(ControlFont, ACustomControlPaintsWithItsFont) {
  FontForm f;
  f.Box->Font()->SetColor(clBlue);
  f.Box->Font()->SetStyle({fsItalic});
  TRecordingCanvas canvas;
  f.Box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
  const auto text = canvas.RecordsOf(u"TextOut");
  ASSERT_EQ(text.size(), 1u);
  EXPECT_EQ(text[0].FontColor, clBlue);
  EXPECT_TRUE(text[0].FontStyle.Contains(fsItalic));
}

TEST(ControlFont, AControlMadeLaterTakesItsParentsFont) {
  FontForm f;
  f.Form->Font()->SetName(u"Courier New");
  auto* late = new TLabel(f.Form.get());
  late->SetParent(f.Panel);
  EXPECT_EQ(late->Font()->Name(), u"Courier New");
}
}  // namespace
