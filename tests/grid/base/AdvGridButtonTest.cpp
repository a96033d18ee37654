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

// The first click of a double click has put the button in its state by the
// time the double click arrives: only a button down then reports it.
TEST(AdvGridButton, ADoubleClickIsReportedOnlyWhileTheButtonIsDown) {
  struct Case {
    const char* what;
    std::function<void(TAdvGridButton&)> setup;
    int doubleClicks;
    bool downAfter;
  };
  const Case cases[] = {
      {"a grouped button that is down", [](TAdvGridButton& b) { b.SetGroupIndex(1); b.SetDown(true); }, 1, true},
      {"a plain button is never down", [](TAdvGridButton&) {}, 0, false},
      {"a grouped button the first click puts down", [](TAdvGridButton& b) { b.SetGroupIndex(1); }, 1, true},
      {"a check button the first click checks", [](TAdvGridButton& b) { b.SetStyle(tasCheck); }, 1, false},
      {"a check button the first click unchecks",
       [](TAdvGridButton& b) { b.SetStyle(tasCheck); b.SetDown(true); }, 0, true},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ButtonForm f;
    k.setup(*f.A);
    int doubleClicks = 0;
    f.A->OnDblClick = [&doubleClicks](TObject*) { ++doubleClicks; };
    testsupport::SystemInputDriver input;
    input.DoubleClick(*f.A, Point(20, 10));
    EXPECT_EQ(doubleClicks, k.doubleClicks);
    EXPECT_EQ(f.A->Down(), k.downAfter);
    EXPECT_EQ(f.ClicksA, 2) << "each press clicks on its release";
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

// The face per state on the recording canvas: a 60 x 24 button.
TEST(AdvGridButton, FacesPerState) {
  struct Case {
    const char* what;
    std::function<void(TAdvGridButton&, testsupport::SystemInputDriver&)> setup;
    std::function<void(const TRecordingCanvas&)> check;
  };
  auto fills = [](const TRecordingCanvas& c) { return c.RecordsOf(u"FillRect"); };
  const Case cases[] = {
      {"flat: the face colour inside a 1-pixel margin, no frame",
       [](TAdvGridButton& b, testsupport::SystemInputDriver&) { b.SetColor(clAqua); },
       [&fills](const TRecordingCanvas& c) {
         ASSERT_FALSE(fills(c).empty());
         EXPECT_EQ(fills(c)[0].Rect, Rect(1, 1, 59, 23));
         EXPECT_EQ(fills(c)[0].BrushColor, clAqua);
         EXPECT_TRUE(c.RecordsOf(u"Rectangle").empty());
       }},
      {"hot: the hot colour framed in the hot border",
       [](TAdvGridButton& b, testsupport::SystemInputDriver&) {
         b.SetBorderHotColor(clNavy);
         b.Perform(CM_MOUSEENTER);
       },
       [&fills](const TRecordingCanvas& c) {
         EXPECT_EQ(fills(c)[0].BrushColor, static_cast<TColor>(0xCAC7C7));
         ASSERT_FALSE(c.RecordsOf(u"Rectangle").empty());
         EXPECT_EQ(c.RecordsOf(u"Rectangle")[0].PenColor, clNavy);
       }},
      {"down: the down colour framed in the down border",
       [](TAdvGridButton& b, testsupport::SystemInputDriver& in) {
         b.SetBorderDownColor(clMaroon);
         in.MouseDown(b, Point(20, 10));
       },
       [&fills](const TRecordingCanvas& c) {
         EXPECT_EQ(fills(c)[0].BrushColor, static_cast<TColor>(0xD8D3D2));
         EXPECT_EQ(fills(c)[0].Rect, Rect(0, 0, 60, 24));  // a down border: no margin
         EXPECT_EQ(c.RecordsOf(u"Rectangle").at(0).PenColor, clMaroon);
       }},
      {"checked: the checked colour",
       [](TAdvGridButton& b, testsupport::SystemInputDriver&) {
         b.SetStyle(tasCheck);
         b.SetDown(true);
       },
       [&fills](const TRecordingCanvas& c) { EXPECT_EQ(fills(c)[0].BrushColor, static_cast<TColor>(0x808080)); }},
      {"gradient: 16 bands from Color to ColorTo",
       [](TAdvGridButton& b, testsupport::SystemInputDriver&) {
         b.SetColor(0x000000);
         b.SetColorTo(0x0000F0);
       },
       [&fills](const TRecordingCanvas& c) {
         const auto f = fills(c);
         ASSERT_GE(f.size(), 16u);
         EXPECT_EQ(f[0].BrushColor, static_cast<TColor>(0x000000));
         EXPECT_EQ(f[15].BrushColor, static_cast<TColor>(0x0000E1));  // 15 x 240 / 16
         EXPECT_EQ(f[1].Rect, Rect(1, 2, 59, 4));  // top + round(22 / 16), round(22 / 16) + 1 high
       }},
      {"rounded and hot: a rounded frame of 8-pixel corners around the whole button",
       [](TAdvGridButton& b, testsupport::SystemInputDriver&) {
         b.SetLook(0);
         b.Perform(CM_MOUSEENTER);
       },
       [](const TRecordingCanvas& c) {
         const auto r = c.RecordsOf(u"RoundRect");
         ASSERT_EQ(r.size(), 1u);
         EXPECT_EQ(r[0].Rect, Rect(0, 0, 60, 24));
         EXPECT_EQ(r[0].PenColor, static_cast<TColor>(0xC3CECE));
       }},
      {"drop-down, hot: the separator 12 pixels from the right and the triangle",
       [](TAdvGridButton& b, testsupport::SystemInputDriver&) {
         b.SetBorderHotColor(clNavy);
         b.SetDropDownButton(true);
         b.Perform(CM_MOUSEENTER);
       },
       [](const TRecordingCanvas& c) {
         const auto l = c.RecordsOf(u"LineTo");
         ASSERT_EQ(l.size(), 1u);
         EXPECT_EQ(l[0].Points, (std::vector<TPoint>{{48, 0}, {48, 24}}));
         const auto p = c.RecordsOf(u"Polygon");
         ASSERT_EQ(p.size(), 1u);
         EXPECT_EQ(p[0].Points, (std::vector<TPoint>{{51, 12}, {55, 12}, {53, 14}}));
       }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ButtonForm f;
    testsupport::SystemInputDriver input;
    k.setup(*f.A, input);
    TRecordingCanvas canvas(60, 24);
    f.A->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
    k.check(canvas);
    input.MouseUp(*f.A, Point(20, 10));  // no button stays held for the next case
  }
}

// A red glyph on white: the disabled copy is grey by level, the shade grey
// where the glyph is opaque; a button without a caption draws it at (0, 0).
TEST(AdvGridButton, DisabledGlyphAndShadeByPixel) {
  TBitmap glyph(4, 4);
  glyph.Canvas()->Brush()->SetColor(clWhite);
  glyph.Canvas()->FillRect(Rect(0, 0, 4, 4));
  glyph.Canvas()->SetPixels(1, 1, clRed);
  TAdvGridButton b(nullptr);
  b.SetGlyph(glyph);
  TBitmap& disabled = *b.GlyphDisabled();
  EXPECT_EQ(disabled.Canvas()->Pixels(1, 1), RGB(138, 138, 138));  // round(255 / 3) div 2 + 96
  EXPECT_EQ(disabled.Canvas()->Pixels(0, 0), RGB(223, 223, 223));
  TBitmap shade;
  shade.Assign(b.GlyphShade());
  EXPECT_EQ(shade.Canvas()->Pixels(1, 1), static_cast<TColor>(0x808080));
  EXPECT_EQ(shade.Canvas()->Pixels(0, 0), clWhite);

  ButtonForm f;
  f.A->SetGlyph(glyph);
  TRecordingCanvas canvas(60, 24);
  f.A->Perform(WM_PAINT, reinterpret_cast<WPARAM>(static_cast<TCanvas*>(&canvas)), 0);
  ASSERT_EQ(canvas.RecordsOf(u"Draw").size(), 1u);
  EXPECT_EQ(canvas.RecordsOf(u"Draw")[0].Rect, Rect(0, 0, 4, 4));
}

}  // namespace
