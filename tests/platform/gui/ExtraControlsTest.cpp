#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/gui/Buttons.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/GuiTest.h"

namespace {
struct ControlForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  testsupport::InputDriver Input;
  template <class C>
  C* Add(int Left = 0) {
    auto* c = new C(Form.get());
    c->SetParent(Form.get());
    c->SetLeft(Left);
    return c;
  }
};

std::vector<TCanvasRecord> Painted(TControl& c, TRecordingCanvas& canvas) {
  c.Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
  return canvas.RecordsOf(u"Draw");
}

TEST(Image, ThePictureGoesToTheCornerTheCentreOrOverTheWholeControl) {
  ControlForm f;
  auto* image = f.Add<TImage>();
  image->SetBounds(0, 0, 100, 60);
  TBitmap bmp(20, 10);
  image->Picture()->SetGraphic(&bmp);
  struct Case {
    bool Stretch, Center;
    TRect Want;
  };
  for (const Case& c : {Case{false, false, Rect(0, 0, 20, 10)}, Case{false, true, Rect(40, 25, 60, 35)},
                        Case{true, true, Rect(0, 0, 100, 60)}}) {
    image->SetStretch(c.Stretch);
    image->SetCenter(c.Center);
    TRecordingCanvas canvas;
    const auto draws = Painted(*image, canvas);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].Rect, c.Want) << c.Stretch << c.Center;
  }
  image->Picture()->SetGraphic(nullptr);
  TRecordingCanvas canvas;
  EXPECT_TRUE(Painted(*image, canvas).empty()) << "an empty picture draws nothing";
}

TEST(LinkLabel, TheCaptionIsCutIntoTextAndLinks) {
  const auto parts = TLinkLabel::Parse(u"See <a href=\"http://x.test/\">the site</a> or <a>mail</a>");
  ASSERT_EQ(parts.size(), 4u);
  EXPECT_EQ(parts[0].Text, u"See ");
  EXPECT_FALSE(parts[0].IsLink);
  EXPECT_EQ(parts[1].Text, u"the site");
  EXPECT_EQ(parts[1].Link, u"http://x.test/");
  EXPECT_EQ(parts[3].Link, u"mail");
  EXPECT_EQ(TLinkLabel::Parse(u"a <a href=\"x\">broken").size(), 1u) << "an unclosed link is plain text";
}

TEST(LinkLabel, AClickOnTheLinkFiresOnLinkClickElsewhereOnClick) {
  ControlForm f;
  auto* label = f.Add<TLinkLabel>();
  label->SetBounds(0, 0, 200, 17);
  label->SetCaption(u"Go <a href=\"http://x.test/\">here</a>");
  std::vector<std::string> log;
  label->OnLinkClick = [&](TObject*, const String& link, TSysLinkType) { log.push_back(StringToUtf8(link)); };
  label->OnClick = [&](TObject*) { log.push_back("click"); };
  TRecordingCanvas canvas;  // 7 pixels a character: "Go " ends at 21
  label->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
  const auto text = canvas.RecordsOf(u"TextOut");
  ASSERT_EQ(text.size(), 2u);
  EXPECT_TRUE(text[1].FontStyle.Contains(fsUnderline));
  f.Input.Click(*label, Point(25, 5));
  f.Input.Click(*label, Point(5, 5));
  EXPECT_EQ(log, (std::vector<std::string>{"http://x.test/", "click"}));
  EXPECT_EQ(label->Cursor(), crHandPoint);
}

TEST(SpeedButton, OneButtonOfAGroupStaysDown) {
  ControlForm f;
  auto* a = f.Add<TSpeedButton>(0);
  auto* b = f.Add<TSpeedButton>(30);
  auto* loose = f.Add<TSpeedButton>(60);
  a->SetGroupIndex(1);
  b->SetGroupIndex(1);
  int clicks = 0;
  a->OnClick = [&](TObject*) { ++clicks; };
  f.Input.Click(*a);
  EXPECT_TRUE(a->Down());
  f.Input.Click(*b);
  EXPECT_FALSE(a->Down());
  EXPECT_TRUE(b->Down());
  f.Input.Click(*b);
  EXPECT_TRUE(b->Down()) << "without AllowAllUp the last one stays down";
  b->SetAllowAllUp(true);
  f.Input.Click(*b);
  EXPECT_FALSE(b->Down());
  f.Input.Click(*loose);
  EXPECT_FALSE(loose->Down()) << "a button without a group springs back";
  EXPECT_EQ(clicks, 1);
}

TEST(SpeedButton, HeldDownItShowsDownOnlyWithThePointerOverIt) {
  ControlForm f;
  auto* button = f.Add<TSpeedButton>();
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  f.Input.MouseDown(*button, Point(5, 5));
  EXPECT_EQ(button->State(), bsDown);
  f.Input.MouseMove(*button, Point(-20, 5));
  EXPECT_EQ(button->State(), bsUp);
  f.Input.MouseMove(*button, Point(5, 5));
  EXPECT_EQ(button->State(), bsDown);
  f.Input.MouseUp(*button, Point(5, 5));
  EXPECT_EQ(button->State(), bsUp);
  f.Input.MouseMove(*button, Point(6, 6));
  EXPECT_EQ(button->State(), bsUp) << "released, passing over it shows it up";
  EXPECT_EQ(clicks, 1);
}

TEST(SpeedButton, AFlatButtonShowsItsFrameOnlyUnderThePointer) {
  ControlForm f;
  auto* button = f.Add<TSpeedButton>();
  button->SetFlat(true);
  auto frameLines = [&] {
    TRecordingCanvas canvas;
    button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&canvas), 0);
    return canvas.RecordsOf(u"LineTo").size();
  };
  EXPECT_EQ(frameLines(), 0u);
  f.Input.MouseMove(*button);
  EXPECT_EQ(frameLines(), 4u);
  f.Input.MouseOut(*button);
  EXPECT_EQ(frameLines(), 0u);
}
}  // namespace
