// The grid button's states through the window system's input, its looks,
// layout and faces.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "grid/base/AdvGridButton.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Messages.h"
#include "platform/gui/RecordingCanvas.h"
#include "tests/support/GuiTest.h"
#include "tests/support/SystemInputDriver.h"
#include "tests/support/VisualStylesFake.h"

namespace {

struct ButtonForm {
  std::unique_ptr<TForm> Form{new TForm(nullptr)};
  TAdvGridButton* A = new TAdvGridButton(Form.get());
  TAdvGridButton* B = new TAdvGridButton(Form.get());
  int ClicksA = 0;
  ButtonForm() {
    Form->SetBounds(40, 40, 300, 200);
    A->SetParent(Form.get());
    A->SetBounds(10, 10, 60, 24);
    B->SetParent(Form.get());
    B->SetBounds(100, 10, 60, 24);
    A->OnClick = [this](TObject*) { ++ClicksA; };
    Form->Show();
  }
};

// Press on A, move to Via (A's client coordinates) while held, release at Via.
void PressMoveRelease(testsupport::SystemInputDriver& In, TAdvGridButton& A, TPoint Via) {
  In.MouseDown(A, Point(20, 10));
  In.MouseMove(A, Via);
  In.MouseUp(A, Via);
}

TEST(AdvGridButton, StateMachineThroughTheWindowSystem) {
  struct Case {
    const char* what;
    std::function<void(ButtonForm&)> setup;
    std::function<void(ButtonForm&, testsupport::SystemInputDriver&)> act;
    bool downA;
    bool downB;
    int clicks;
  };
  const TPoint outside = Point(20, 60), inside = Point(30, 12);
  const Case cases[] = {
      {"a check button toggles on each click",
       [](ButtonForm& f) { f.A->SetStyle(tasCheck); },
       [](ButtonForm& f, testsupport::SystemInputDriver& in) { in.Click(*f.A); },
       true, false, 1},
      {"a check button clicked twice is up again",
       [](ButtonForm& f) { f.A->SetStyle(tasCheck); },
       [](ButtonForm& f, testsupport::SystemInputDriver& in) {
         in.Click(*f.A);
         in.Click(*f.A);
       },
       false, false, 2},
      {"a check button released outside keeps its state and clicks not",
       [](ButtonForm& f) { f.A->SetStyle(tasCheck); },
       [outside](ButtonForm& f, testsupport::SystemInputDriver& in) { PressMoveRelease(in, *f.A, outside); },
       false, false, 0},
      {"a down check button released outside stays down",
       [](ButtonForm& f) {
         f.A->SetStyle(tasCheck);
         f.A->SetDown(true);
       },
       [outside](ButtonForm& f, testsupport::SystemInputDriver& in) { PressMoveRelease(in, *f.A, outside); },
       true, false, 0},
      {"a check button dragged off and back toggles and clicks",
       [](ButtonForm& f) { f.A->SetStyle(tasCheck); },
       [outside, inside](ButtonForm& f, testsupport::SystemInputDriver& in) {
         in.MouseDown(*f.A, inside);
         in.MouseMove(*f.A, outside);
         in.MouseMove(*f.A, inside);
         in.MouseUp(*f.A, inside);
       },
       true, false, 1},
      {"a plain button never stays down",
       [](ButtonForm&) {},
       [](ButtonForm& f, testsupport::SystemInputDriver& in) { in.Click(*f.A); },
       false, false, 1},
      {"a grouped button without AllowAllUp cannot be released by clicking it",
       [](ButtonForm& f) {
         f.A->SetGroupIndex(1);
         f.B->SetGroupIndex(1);
       },
       [](ButtonForm& f, testsupport::SystemInputDriver& in) {
         in.Click(*f.A);
         in.Click(*f.A);
       },
       true, false, 2},
      {"pressing another button of the group releases it",
       [](ButtonForm& f) {
         f.A->SetGroupIndex(1);
         f.B->SetGroupIndex(1);
       },
       [](ButtonForm& f, testsupport::SystemInputDriver& in) {
         in.Click(*f.A);
         in.Click(*f.B);
       },
       false, true, 1},
      {"with AllowAllUp a grouped button goes up again",
       [](ButtonForm& f) {
         f.A->SetGroupIndex(1);
         f.B->SetGroupIndex(1);
         f.A->SetAllowAllUp(true);
       },
       [](ButtonForm& f, testsupport::SystemInputDriver& in) {
         in.Click(*f.A);
         in.Click(*f.A);
       },
       false, false, 2},
      {"a grouped button released outside does not go down",
       [](ButtonForm& f) { f.A->SetGroupIndex(1); },
       [outside](ButtonForm& f, testsupport::SystemInputDriver& in) { PressMoveRelease(in, *f.A, outside); },
       false, false, 0},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ButtonForm f;
    k.setup(f);
    testsupport::SystemInputDriver input;
    k.act(f, input);
    EXPECT_EQ(f.A->Down(), k.downA);
    EXPECT_EQ(f.B->Down(), k.downB);
    EXPECT_EQ(f.ClicksA, k.clicks);
  }
}

TEST(AdvGridButton, DraggingOffAndBackShowsUpAndDown) {
  ButtonForm f;
  testsupport::SystemInputDriver input;
  input.MouseDown(*f.A, Point(20, 10));
  EXPECT_EQ(f.A->State(), bsDown);
  input.MouseMove(*f.A, Point(20, 60));
  EXPECT_EQ(f.A->State(), bsUp);
  input.MouseMove(*f.A, Point(20, 12));
  EXPECT_EQ(f.A->State(), bsDown);
  input.MouseUp(*f.A, Point(20, 12));
  EXPECT_EQ(f.A->State(), bsUp);
}

TEST(AdvGridButton, TheDropDownZoneOpensTheMenuWithoutAClick) {
  ButtonForm f;
  testsupport::MenuResponder menus;
  auto* menu = new TPopupMenu(f.Form.get());
  auto* item = new TMenuItem(menu);
  item->SetCaption(u"Whole word");
  menu->Items()->Add(item);
  menus.Choose(u"");
  int dropDowns = 0;
  f.A->SetDropDownButton(true);
  f.A->SetDropDownMenu(menu);
  f.A->OnDropDown = [&dropDowns](TObject*) { ++dropDowns; };
  testsupport::SystemInputDriver input;
  input.Click(*f.A, Point(f.A->Width() - 5, 10));
  EXPECT_EQ(dropDowns, 1);
  ASSERT_EQ(menus.Menus().size(), 1u);
  EXPECT_EQ(menus.Menus()[0].At, f.A->ClientToScreen(Point(0, f.A->Height())));
  EXPECT_EQ(f.ClicksA, 0);
  input.Click(*f.A, Point(10, 10));  // left of the zone: a click
  EXPECT_EQ(dropDowns, 1);
  EXPECT_EQ(f.ClicksA, 1);
  delete menu;
  EXPECT_EQ(f.A->DropDownMenu(), nullptr);
}

TEST(AdvGridButton, LooksAndThemeAdaptation) {
  TAdvGridButton b(nullptr);
  b.SetLook(6);
  EXPECT_EQ(b.Look(), 6);
  EXPECT_EQ(b.Color(), static_cast<TColor>(0xCAFFFF));
  EXPECT_EQ(b.ColorCheckedTo(), static_cast<TColor>(0x9CDDED));
  EXPECT_EQ(b.BorderHotColor(), static_cast<TColor>(0x808080));
  EXPECT_FALSE(b.Rounded());
  b.SetLook(9);
  EXPECT_EQ(b.Look(), 9);
  EXPECT_EQ(b.Color(), static_cast<TColor>(0xCAFFFF));
  EXPECT_EQ(b.ColorHot(), static_cast<TColor>(0xA8F0FD));
  b.SetLook(0);
  EXPECT_TRUE(b.Rounded());

  struct Scheme {
    const char16_t* name;
    bool active;
    int look;
  } schemes[] = {{u"NormalColor", true, 2}, {u"HomeStead", true, 3}, {u"Metallic", true, 4},
                 {u"Royale", true, 1}, {u"HomeStead", false, 1}};
  for (const Scheme& s : schemes) {
    testsupport::VisualStylesFake styles(s.active, s.name);
    testsupport::InstalledLibrary installed(olVisualStyles, &styles);
    TAdvGridButton t(nullptr);
    t.SetAutoThemeAdapt(true);
    EXPECT_EQ(t.Look(), s.look) << StringToUtf8(s.name);
  }
}

TEST(AdvGridButton, LayoutOfGlyphAndCaption) {
  struct Case {
    const char* what;
    TButtonLayout layout;
    int margin, spacing;
    bool rtl;
    TPoint glyph;
    TRect text;
  };
  // Client 60 x 24, glyph 16 x 16, caption 20 x 13.
  const Case cases[] = {
      {"left, centred", blGlyphLeft, -1, 4, false, {10, 4}, {30, 6, 50, 19}},
      {"right, centred", blGlyphRight, -1, 4, false, {34, 4}, {10, 6, 30, 19}},
      {"left, margin 2", blGlyphLeft, 2, 4, false, {2, 4}, {22, 6, 42, 19}},
      {"left, margin and spacing -1", blGlyphLeft, -1, -1, false, {8, 4}, {32, 6, 52, 19}},
      {"left, margin 2, spacing -1", blGlyphLeft, 2, -1, false, {2, 4}, {29, 6, 49, 19}},
      {"right-to-left swaps left", blGlyphLeft, -1, 4, true, {34, 4}, {10, 6, 30, 19}},
      {"top", blGlyphTop, 0, 2, false, {22, 0}, {20, 18, 40, 31}},
      {"bottom", blGlyphBottom, 0, 2, false, {22, 8}, {20, -7, 40, 6}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    const TGridButtonLayout l = LayoutGridButton(Point(60, 24), Point(16, 16), Point(20, 13), k.layout,
                                                 k.margin, k.spacing, k.rtl);
    EXPECT_EQ(l.GlyphPos, k.glyph);
    EXPECT_EQ(l.TextBounds, k.text);
  }
}

}  // namespace
