// The search panel's check box through the window system's input, its box
// and caption, and its transparent background.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/base/AdvCheckBox.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Messages.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/SystemInputDriver.h"

namespace {

struct CheckForm {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  TAdvCheckBox* Box = new TAdvCheckBox(Form.get());
  TAdvCheckBox* Next = new TAdvCheckBox(Form.get());
  int Clicks = 0;
  CheckForm() {
    Form->SetBounds(40, 40, 300, 200);
    Box->SetParent(Form.get());
    Box->SetBounds(10, 10, 98, 20);
    Box->SetCaption(u"&Case");
    Next->SetParent(Form.get());
    Next->SetBounds(10, 50, 98, 20);
    Next->SetCaption(u"Whole");
    Box->OnClick = [this](TObject*) { ++Clicks; };
    Form->Show();
  }
};

TEST(AdvCheckBox, InputThroughTheWindowSystem) {
  struct Case {
    const char* what;
    bool readOnly;
    std::function<void(CheckForm&, testsupport::SystemInputDriver&)> act;
    TCheckBoxState state;
    int clicks;
  };
  const Case cases[] = {
      {"a click checks", false, [](CheckForm& f, testsupport::SystemInputDriver& in) { in.Click(*f.Box); },
       cbChecked, 1},
      {"a second click unchecks", false,
       [](CheckForm& f, testsupport::SystemInputDriver& in) {
         in.Click(*f.Box);
         in.Click(*f.Box);
       },
       cbUnchecked, 2},
      {"a press released outside does nothing", false,
       [](CheckForm& f, testsupport::SystemInputDriver& in) {
         in.MouseDown(*f.Box, Point(5, 10));
         in.MouseUp(*f.Box, Point(5, 60));
       },
       cbUnchecked, 0},
      {"space checks", false,
       [](CheckForm& f, testsupport::SystemInputDriver& in) {
         f.Box->SetFocus();
         in.Key(VK_SPACE);
       },
       cbChecked, 1},
      {"read-only: a click does not toggle but clicks", true,
       [](CheckForm& f, testsupport::SystemInputDriver& in) { in.Click(*f.Box); }, cbUnchecked, 1},
      {"read-only: space does not toggle but clicks", true,
       [](CheckForm& f, testsupport::SystemInputDriver& in) {
         f.Box->SetFocus();
         in.Key(VK_SPACE);
       },
       cbUnchecked, 1},
      {"the accelerator toggles and focuses", false,
       [](CheckForm& f, testsupport::SystemInputDriver& in) {
         f.Next->SetFocus();
         in.Key('C', TShiftState{ssAlt});
         EXPECT_TRUE(f.Box->Focused());
       },
       cbChecked, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    CheckForm f;
    f.Box->SetReadOnly(k.readOnly);
    testsupport::SystemInputDriver input;
    k.act(f, input);
    EXPECT_EQ(f.Box->State(), k.state);
    EXPECT_EQ(f.Clicks, k.clicks);
    EXPECT_FALSE(f.Box->Down());
  }
}

TEST(AdvCheckBox, EnterWithReturnIsTabMovesTheFocusOn) {
  CheckForm f;
  f.Box->SetReturnIsTab(true);
  f.Box->SetFocus();
  testsupport::SystemInputDriver input;
  input.Key(VK_RETURN);
  input.Pump();
  EXPECT_TRUE(f.Next->Focused());
}

TEST(AdvCheckBox, ClassicBoxForEachAlignment) {
  const struct {
    TAlignment side;
    TVAlignment vert;
    TRect box;
  } cases[] = {
      {taLeftJustify, vtaTop, {0, 4, 13, 17}},    {taLeftJustify, vtaCenter, {0, 14, 13, 27}},
      {taLeftJustify, vtaBottom, {0, 23, 13, 36}}, {taRightJustify, vtaTop, {85, 4, 98, 17}},
      {taRightJustify, vtaBottom, {85, 23, 98, 36}},
  };
  for (const auto& k : cases) {
    TAdvCheckBox b(nullptr);
    b.SetBounds(0, 0, 98, 40);
    b.SetAlignment(k.side);
    b.SetButtonVertAlign(k.vert);
    EXPECT_EQ(b.BoxRect(), k.box) << k.side << " " << k.vert;
  }
}

TEST(AdvCheckBox, CaptionAndFocusRectangle) {
  CheckForm f;
  f.Box->SetFocus();
  TRecordingCanvas canvas(98, 20);
  f.Box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
  const auto texts = canvas.RecordsOf(u"DrawText");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(texts[0].Rect, Rect(15, 4, 98, 20));
  const auto focus = canvas.RecordsOf(u"DrawFocusRect");
  ASSERT_EQ(focus.size(), 1u);
  // "Case": 4 characters, one line: the box starts 2 pixels left of the text.
  const int w = 4 * canvas.CharWidth(), h = canvas.LineHeight();
  EXPECT_EQ(focus[0].Rect, Rect(13, 4, 13 + w + 1, 4 + h + 1));
  f.Next->SetFocus();
  canvas.Clear();
  f.Box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
  EXPECT_TRUE(canvas.RecordsOf(u"DrawFocusRect").empty());
}

// The parent's background shows through; cached, it stays until the box
// moves or Transparent changes.
TEST(AdvCheckBox, TransparentBackgroundIsCachedUntilMoved) {
  CheckForm f;
  f.Form->SetColor(clRed);
  f.Box->SetTransparent(true);
  f.Box->SetTransparentChaching(true);
  auto pixel = [&f] {
    TBitmap surface(98, 20);
    f.Box->Perform(WM_PAINT, reinterpret_cast<WPARAM>(surface.Canvas()), 0);
    return surface.Canvas()->Pixels(90, 1);
  };
  EXPECT_EQ(pixel(), clRed);
  f.Form->SetColor(clBlue);
  EXPECT_EQ(pixel(), clRed);  // cached
  f.Box->SetBounds(12, 10, 98, 20);
  EXPECT_EQ(pixel(), clBlue);
  f.Form->SetColor(clLime);
  f.Box->SetTransparent(true);
  EXPECT_EQ(pixel(), clLime);
  f.Box->SetTransparentChaching(false);
  f.Form->SetColor(clRed);
  EXPECT_EQ(pixel(), clRed);
}

// State repaints the 20-pixel box area on the aligned side only; Checked all.
TEST(AdvCheckBox, StateRepaintsTheBoxAreaOnly) {
  struct TCounted : TAdvCheckBox {
    using TAdvCheckBox::TAdvCheckBox;
    std::vector<TRect> Rects;
    int Whole = 0;
    void InvalidateRect(const TRect& R) override { Rects.push_back(R); }
    void Invalidate() override { ++Whole; }
  };
  for (TAlignment side : {taLeftJustify, taRightJustify}) {
    TCounted b(nullptr);
    b.SetAlignment(side);
    b.Rects.clear();
    b.Whole = 0;
    b.SetState(cbGrayed);
    ASSERT_EQ(b.Rects.size(), 1u);
    EXPECT_EQ(b.Rects[0], side == taLeftJustify ? Rect(0, 0, 20, 20) : Rect(78, 0, 98, 20));
    EXPECT_EQ(b.Whole, 0);
    b.SetChecked(true);
    EXPECT_EQ(b.Whole, 1);
  }
}

}  // namespace
