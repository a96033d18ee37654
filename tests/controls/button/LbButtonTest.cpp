// The button's properties, kinds and presets, mouse and keys, hot track and
// the slow fade on the virtual clock.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "controls/button/LbButton.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/RecordingCanvas.h"
#include "platform/gui/StdCtrls.h"
#include "tests/support/GuiTest.h"

namespace {
struct ButtonForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TLbButton* Button = new TLbButton(Form.get());
  testsupport::InputDriver Input;
  int Clicks = 0;

  ButtonForm() {
    Form->SetBounds(100, 100, 300, 200);
    Add(Button, 10, 10);
    Button->OnClick = [this](TObject*) { ++Clicks; };
    Form->Show();
  }
  ~ButtonForm() { Input.MouseOut(*Button); }
  void Add(TControl* c, int Left, int Top) {
    c->SetParent(Form.get());
    c->SetLeft(Left);
    c->SetTop(Top);
  }
};

// The colour the button paints at a point of its face.
TColor Pixel(TLbButton& b, int X = 2, int Y = 2) {
  TBitmap bitmap(b.Width(), b.Height());
  b.Perform(WM_PAINT, reinterpret_cast<WPARAM>(bitmap.Canvas()), 0);
  return bitmap.Canvas()->Pixels(X, Y);
}

TEST(LbButton, StartsWithItsDefaults) {
  TForm form(nullptr);
  form.Font()->SetSize(12);
  TLbButton b(&form);
  EXPECT_EQ(b.Width(), 100);
  EXPECT_EQ(b.Height(), 23);
  EXPECT_EQ(b.Color(), clBtnFace);
  EXPECT_TRUE(b.TabStop());
  EXPECT_EQ(b.Alignment(), taCenter);
  EXPECT_EQ(b.ShadowColor(), RGB(128, 128, 128));
  EXPECT_EQ(b.LightColor(), clWhite);
  EXPECT_EQ(b.ColorWhenDown(), clNone);
  EXPECT_EQ(b.HotTrackColor(), clNone);
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.Style(), bsNormal);
  EXPECT_EQ(b.ModalResult(), mrNone);
  EXPECT_EQ(b.NumGlyphs(), 0);
  EXPECT_TRUE(b.Glyph()->Empty());
  EXPECT_FALSE(b.SlowDecease());
  EXPECT_EQ(b.HotTrackFont()->Size(), 12);  // the owning form's font
}

TEST(LbButton, StockKindsSetCaptionModalResultAndTwoGlyphCells) {
  const struct {
    TLbButtonKind Kind;
    String Caption;
    TModalResult Result;
  } cases[] = {
      {bkOK, u"OK", mrOk},          {bkCancel, u"Abbrechen", mrCancel}, {bkHelp, u"Hilfe", mrNone},
      {bkYes, u"Ja", mrYes},        {bkNo, u"Nein", mrNo},              {bkClose, u"Schließen", mrNone},
      {bkAbort, u"Abbrechen", mrAbort}, {bkRetry, u"Wiederholen", mrRetry}, {bkIgnore, u"Ignorieren", mrIgnore},
      {bkAll, u"Alle", 12},
  };
  for (const auto& k : cases) {
    TLbButton b(nullptr);
    b.SetKind(k.Kind);
    EXPECT_EQ(b.Kind(), k.Kind);
    EXPECT_EQ(b.Caption(), k.Caption);
    EXPECT_EQ(b.ModalResult(), k.Result);
    EXPECT_EQ(b.NumGlyphs(), 2);
    EXPECT_EQ(b.Glyph()->Width(), 36) << k.Kind;
    EXPECT_EQ(b.Glyph()->Height(), k.Kind == bkAll ? 19 : 18);
  }
  TLbButton b(nullptr);
  b.SetKind(bkOK);
  b.SetModalResult(mrCancel);  // a hand-set result makes it a custom button again
  EXPECT_EQ(b.Kind(), bkCustom);
  EXPECT_EQ(b.Caption(), u"OK");
}

TEST(LbButton, GlyphGivesTheNumberOfSquareCells) {
  TLbButton b(nullptr);
  b.SetKind(bkOK);
  TBitmap strip(54, 18);
  b.SetGlyph(&strip);
  EXPECT_EQ(b.NumGlyphs(), 3);
  EXPECT_EQ(b.Kind(), bkCustom);
  TBitmap flat(54, 0);
  b.SetGlyph(&flat);
  EXPECT_EQ(b.NumGlyphs(), 0);
  b.SetGlyph(&strip);
  b.SetGlyph(nullptr);
  EXPECT_EQ(b.NumGlyphs(), 0);
  EXPECT_TRUE(b.Glyph()->Empty());
}

TEST(LbButton, ColourPresetsSetColoursStyleAndFlatButReadCustom) {
  const struct {
    TLbColorStyle Preset;
    TColor Color, Light, Shadow, Down, Hot, Font;
    TLbButtonStyle Style;
    bool Flat;
  } cases[] = {
      {lcsGold, RGB(192, 192, 0), RGB(255, 255, 0), RGB(128, 128, 0), clNone, RGB(223, 223, 0), clBlack, bsModern,
       false},
      {lcsChrome, RGB(192, 192, 192), clWhite, RGB(128, 128, 128), clNone, clNone, clBlack, bsModern, false},
      {lcsBlue, RGB(0, 128, 255), RGB(0, 255, 255), RGB(0, 0, 255), clNone, clNone, clBlack, bsModern, false},
      {lcsRed, RGB(255, 0, 0), RGB(255, 192, 192), RGB(192, 0, 0), clNone, clNone, clBlack, bsModern, false},
      {lcsUltraFlat1, clBtnFace, RGB(132, 146, 181), RGB(132, 146, 181), RGB(132, 146, 181), RGB(214, 211, 222),
       clBlack, bsNormal, true},
      {lcsUltraFlat2, clBtnFace, clBlack, clBlack, RGB(188, 218, 36), RGB(228, 246, 140), clBlack, bsNormal, true},
      {lcsUltraFlatXP, RGB(219, 216, 209), RGB(132, 146, 181), RGB(133, 146, 181), RGB(133, 146, 181),
       RGB(182, 189, 210), clBlack, bsNormal, true},
      {lcsAqua, RGB(148, 206, 236), RGB(212, 230, 252), clBlack, clNone, clNone, clBlack, bsModern, false},
      {lcsDefault, clBtnFace, clWhite, RGB(128, 128, 128), clNone, clNone, clBlack, bsNormal, false},
      {lcsQuicken, RGB(0, 48, 96), RGB(192, 192, 192), RGB(192, 192, 192), RGB(41, 101, 173), RGB(156, 174, 206),
       clWhite, bsQuicken, false},
  };
  for (const auto& k : cases) {
    TLbButton b(nullptr);
    b.SetStyle(bsOld);
    b.SetFlat(!k.Flat);
    b.SetColorStyle(k.Preset);
    EXPECT_EQ(b.ColorStyle(), lcsCustom);
    EXPECT_EQ(b.Color(), k.Color) << k.Preset;
    EXPECT_EQ(b.LightColor(), k.Light) << k.Preset;
    EXPECT_EQ(b.ShadowColor(), k.Shadow) << k.Preset;
    EXPECT_EQ(b.ColorWhenDown(), k.Down) << k.Preset;
    EXPECT_EQ(b.HotTrackColor(), k.Hot) << k.Preset;
    EXPECT_EQ(b.Font()->Color(), k.Font) << k.Preset;
    EXPECT_EQ(b.Style(), k.Style) << k.Preset;
    EXPECT_EQ(b.Flat(), k.Flat) << k.Preset;
  }
  TLbButton b(nullptr);
  b.SetColorStyle(lcsGold);
  b.SetColorStyle(lcsCustom);  // changes nothing
  EXPECT_EQ(b.Color(), RGB(192, 192, 0));
}

TEST(LbButton, PressAndReleaseOnTheButtonClicksOnce) {
  ButtonForm f;
  f.Input.Click(*f.Button);
  EXPECT_EQ(f.Clicks, 1);
  EXPECT_TRUE(f.Button->Focused());
  // Pressed, dragged off and released there: the press is taken back.
  f.Input.MouseDown(*f.Button, Point(5, 5));
  f.Input.MouseUp(*f.Button, Point(150, 5));
  EXPECT_EQ(f.Clicks, 1);
  f.Input.Click(*f.Button);  // and the next press clicks as before
  EXPECT_EQ(f.Clicks, 2);
}

TEST(LbButton, ADisabledOrHiddenButtonDoesNotClick) {
  ButtonForm f;
  f.Button->SetEnabled(false);
  f.Input.Click(*f.Button);
  f.Button->Click();
  EXPECT_EQ(f.Clicks, 0);
  f.Button->SetEnabled(true);
  f.Button->SetVisible(false);
  f.Button->Click();
  EXPECT_EQ(f.Clicks, 0);
  f.Button->SetVisible(true);
  // The refused click did not leave it looking pressed.
  EXPECT_EQ(Pixel(*f.Button, 0, 0), clWhite);
  f.Button->Click();
  EXPECT_EQ(f.Clicks, 1);
}

TEST(LbButton, PressedButtonSwapsItsEdges) {
  ButtonForm f;
  EXPECT_EQ(Pixel(*f.Button, 0, 0), clWhite);
  f.Input.MouseDown(*f.Button, Point(5, 5));
  EXPECT_EQ(Pixel(*f.Button, 0, 0), RGB(128, 128, 128));
  f.Input.MouseUp(*f.Button, Point(5, 5));
  EXPECT_EQ(Pixel(*f.Button, 0, 0), clWhite);
}

TEST(LbButton, SpaceAndEnterOnTheFocusedButtonClickIt) {
  ButtonForm f;
  f.Input.Key(*f.Button, VK_SPACE);
  EXPECT_EQ(f.Clicks, 1);
  f.Input.Key(*f.Button, VK_RETURN);
  EXPECT_EQ(f.Clicks, 2);
  f.Input.Key(*f.Button, VK_TAB);
  EXPECT_EQ(f.Clicks, 2);
}

TEST(LbButton, DefaultAndCancelButtonsTakeEnterAndEscape) {
  ButtonForm f;
  auto* check = new TCheckBox(f.Form.get());
  f.Add(check, 10, 50);
  auto* other = new TLbButton(f.Form.get());
  f.Add(other, 10, 80);
  int otherClicks = 0;
  other->OnClick = [&](TObject*) { ++otherClicks; };
  f.Button->SetDefault(true);
  check->SetFocus();
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(f.Clicks, 1);
  // Another button with the focus handles Enter itself.
  other->SetFocus();
  f.Input.Key(VK_RETURN);
  EXPECT_EQ(f.Clicks, 1);
  EXPECT_EQ(otherClicks, 1);

  f.Button->SetDefault(false);
  f.Button->SetCancel(true);
  check->SetFocus();
  f.Input.Key(VK_ESCAPE, ssShift);
  EXPECT_EQ(f.Clicks, 1);
  f.Input.Key(VK_ESCAPE);
  EXPECT_EQ(f.Clicks, 2);
}

TEST(LbButton, AcceleratorCharacterClicks) {
  ButtonForm f;
  f.Button->SetCaption(u"&Weiter");
  EXPECT_EQ(f.Button->Perform(CM_DIALOGCHAR, u'x'), 0);
  EXPECT_EQ(f.Clicks, 0);
  EXPECT_EQ(f.Button->Perform(CM_DIALOGCHAR, u'w'), 1);
  EXPECT_EQ(f.Clicks, 1);
}

TEST(LbButton, AltAndTheAccessKeyClickThroughTheKeyboard) {
  ButtonForm f;
  f.Button->SetCaption(u"&Weiter");
  f.Input.Key('X', ssAlt);
  EXPECT_EQ(f.Clicks, 0);
  f.Input.Key('W', ssAlt);
  EXPECT_EQ(f.Clicks, 1);
}

TEST(LbButton, ModalResultClosesTheModalFormAfterOnClick) {
  ButtonForm f;
  f.Form->Hide();
  f.Button->SetModalResult(mrOk);
  TModalResult seenInClick = -1;
  f.Button->OnClick = [&](TObject*) { seenInClick = f.Form->ModalResult(); };
  f.Input.WhenModal([&] { f.Input.Click(*f.Button); });
  EXPECT_EQ(f.Form->ShowModal(), mrOk);
  EXPECT_EQ(seenInClick, mrNone);
}

TEST(LbButton, AClickDropsItsPopupMenuDownBelowItAndTheFaceShowsTheArrow) {
  ButtonForm f;
  testsupport::MenuResponder menus;
  auto* menu = new TPopupMenu(f.Form.get());
  auto* item = new TMenuItem(menu);
  item->SetCaption(u"Mehr");
  menu->Items()->Add(item);
  std::vector<std::string> log;
  f.Button->OnClick = [&](TObject*) { log.push_back("click"); };
  item->OnClick = [&](TObject*) { log.push_back("item"); };
  // The arrow's tip, 11 pixels from the right edge, shows only with a menu.
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(Pixel(*f.Button, 91, 12), face);

  f.Button->SetPopupMenu(menu);
  menus.Choose(u"Mehr");
  f.Input.Click(*f.Button);
  ASSERT_EQ(menus.Menus().size(), 1u);
  EXPECT_EQ(menus.Menus()[0].At, f.Button->ClientToScreen(Point(0, 23)));
  EXPECT_EQ(menu->PopupComponent(), f.Button);
  EXPECT_EQ(log, (std::vector<std::string>{"click", "item"}));
  EXPECT_EQ(Pixel(*f.Button, 91, 12), clBlack);
}

TEST(LbButton, PaintsTheFocusRectangleWhenFocused) {
  ButtonForm f;
  auto* check = new TCheckBox(f.Form.get());
  f.Add(check, 10, 50);
  check->SetFocus();
  TRecordingCanvas c;
  f.Button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c), 0);
  EXPECT_TRUE(c.RecordsOf(u"DrawFocusRect").empty());
  f.Button->SetFocus();
  c.Clear();
  f.Button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c), 0);
  ASSERT_EQ(c.RecordsOf(u"DrawFocusRect").size(), 1u);
  EXPECT_EQ(c.RecordsOf(u"DrawFocusRect")[0].Rect, Rect(4, 4, 96, 19));
  EXPECT_EQ(c.RecordsOf(u"Draw").size(), 1u);  // the face, in one copy
  f.Button->SetStyle(bsShape);
  c.Clear();
  f.Button->Perform(WM_PAINT, reinterpret_cast<WPARAM>(&c), 0);
  EXPECT_TRUE(c.RecordsOf(u"DrawFocusRect").empty());
}

TEST(LbButton, OldStyleShowsTheFocusByABlackFrame) {
  ButtonForm f;
  f.Button->SetStyle(bsOld);
  auto* check = new TCheckBox(f.Form.get());
  f.Add(check, 10, 50);
  check->SetFocus();
  EXPECT_EQ(Pixel(*f.Button, 0, 0), clWhite);
  f.Button->SetFocus();
  EXPECT_EQ(Pixel(*f.Button, 0, 0), clBlack);
  EXPECT_EQ(Pixel(*f.Button, 99, 22), clBlack);
  EXPECT_EQ(Pixel(*f.Button, 1, 1), clWhite);  // the face, one pixel in
}

constexpr TColor kHot = RGB(0, 0, 255);

TEST(LbButton, HotTrackColourWhileThePointerIsOver) {
  ButtonForm f;
  int enters = 0, exits = 0;
  f.Button->OnMouseEnter = [&](TObject*) { ++enters; };
  f.Button->OnMouseExit = [&](TObject*) { ++exits; };
  f.Button->SetHotTrackColor(kHot);
  const TColor face = ColorToRGB(clBtnFace);
  EXPECT_EQ(Pixel(*f.Button), face);
  f.Input.MouseMove(*f.Button);
  EXPECT_EQ(Pixel(*f.Button), kHot);
  EXPECT_EQ(enters, 1);
  f.Input.MouseOut(*f.Button);
  EXPECT_EQ(Pixel(*f.Button), face);
  EXPECT_EQ(exits, 1);

  f.Button->SetEnabled(false);
  f.Input.MouseMove(*f.Button);
  EXPECT_EQ(Pixel(*f.Button), face);
  EXPECT_EQ(enters, 1);
}

TEST(LbButton, SlowDeceaseFadesTheColourOverEightTicks) {
  ButtonForm f;
  f.Button->SetHotTrackColor(kHot);
  f.Button->SetSlowDecease(true);
  const TColor face = ColorToRGB(clBtnFace);
  const int timers = testsupport::Clock().ActiveTimers();
  f.Input.MouseMove(*f.Button);
  f.Input.MouseOut(*f.Button);
  EXPECT_EQ(Pixel(*f.Button), kHot);
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timers + 1);
  for (int step = 7; step >= 0; --step) {
    f.Input.Advance(29);
    EXPECT_EQ(Pixel(*f.Button), FadeColor(face, kHot, step + 1));
    f.Input.Advance(1);
    EXPECT_EQ(Pixel(*f.Button), FadeColor(face, kHot, step)) << step;
  }
  // Faded out: the ticks stop.
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timers);
  f.Input.Advance(300);
  EXPECT_EQ(Pixel(*f.Button), face);

  // Switched off in the middle of a fade: the colour snaps back and the ticks end.
  f.Input.MouseMove(*f.Button);
  f.Input.MouseOut(*f.Button);
  f.Input.Advance(60);
  f.Button->SetSlowDecease(false);
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timers);
  EXPECT_EQ(Pixel(*f.Button), face);
}

TEST(LbButton, FreeingAButtonInTheMiddleOfAFadeIsSafe) {
  ButtonForm f;
  const int timers = testsupport::Clock().ActiveTimers();
  auto* fading = new TLbButton(f.Form.get());
  f.Add(fading, 10, 60);
  fading->SetHotTrackColor(kHot);
  fading->SetSlowDecease(true);
  f.Input.MouseMove(*fading);
  f.Input.MouseOut(*fading);
  f.Input.Advance(90);
  delete fading;
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timers);
  f.Input.Advance(300);
}
}  // namespace

namespace {
TEST(LbButton, AButtonOrItsFormFreedByItsOwnClickIsNotTouchedAgain) {
  struct Way {
    const char* Name;
    std::function<void(testsupport::InputDriver&, TLbButton&)> Press;
  };
  const Way ways[] = {
      {"mouse", [](testsupport::InputDriver& in, TLbButton& b) { in.Click(b); }},
      {"space", [](testsupport::InputDriver& in, TLbButton& b) { in.Key(b, VK_SPACE); }},
      {"enter for the default button", [](testsupport::InputDriver& in, TLbButton&) { in.Key(VK_RETURN); }},
      {"access key", [](testsupport::InputDriver& in, TLbButton&) { in.Key('W', ssAlt); }},
  };
  for (const Way& way : ways) {
    for (const bool freeForm : {false, true}) {
      SCOPED_TRACE(std::string(way.Name) + (freeForm ? ", the form freed" : ", the button freed"));
      testsupport::InputDriver input;
      auto* form = new TForm(nullptr);
      auto* check = new TCheckBox(form);
      check->SetParent(form);
      auto* button = new TLbButton(form);
      button->SetParent(form);
      button->SetTop(40);
      button->SetCaption(u"&Weiter");
      button->SetDefault(true);
      button->SetModalResult(mrOk);
      form->Show();
      check->SetFocus();
      int clicks = 0;
      // Long enough to live on the heap, so that a freed capture is seen.
      const std::string note = "the handler still uses what it captured after the free";
      button->OnClick = [&clicks, form, button, freeForm, note](TObject*) {
        if (freeForm) delete form;
        else delete button;
        clicks += static_cast<int>(note.size() > 0);
      };
      way.Press(input, *button);
      input.Pump();
      EXPECT_EQ(clicks, 1);
      if (freeForm) continue;
      EXPECT_EQ(form->ControlCount(), 1);
      delete form;
    }
  }
}
}  // namespace
