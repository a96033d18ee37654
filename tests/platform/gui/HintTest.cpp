#include <gtest/gtest.h>

#include <memory>

#include "platform/gui/Application.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/Forms.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/ImageGraphic.h"
#include "platform/gui/Snapshot.h"
#include "platform/sys/SysUtils.h"
#include "tests/support/GuiTest.h"
#include "tests/support/TempDir.h"

namespace {
// A form with two panels that show hints and one that does not.
struct HintForm {
  std::unique_ptr<TForm> Form = std::make_unique<TForm>(nullptr);
  TPanel* A = new TPanel(Form.get());
  TPanel* B = new TPanel(Form.get());
  TPanel* Plain = new TPanel(Form.get());
  testsupport::InputDriver Input;

  HintForm() {
    Form->SetBounds(100, 100, 600, 300);
    int left = 0;
    for (TPanel* p : {A, B, Plain}) {
      p->SetParent(Form.get());
      p->SetBounds(left, 0, 150, 100);
      left += 200;
    }
    A->SetHint(u"Alpha");
    A->SetShowHint(true);
    B->SetHint(u"Beta");
    B->SetShowHint(true);
    Plain->SetHint(u"never shown");
    Form->Show();
  }
  ~HintForm() {
    Input.MouseOut(*A);
    Application->CancelHint();
  }
  // Whether a hint shows, and its text.
  bool Showing() const { return Application->HintWindow() && Application->HintWindow()->Visible(); }
  String Text() const { return Showing() ? Application->HintWindow()->Caption() : String(); }
};

TEST(Hints, TheHintShowsAfterThePauseBelowThePointerAndHidesAfterTheHidePause) {
  HintForm f;
  ASSERT_EQ(Application->HintPause(), 500);
  f.Input.MouseMove(*f.A, Point(10, 5));
  f.Input.Advance(499);
  EXPECT_FALSE(f.Showing());
  f.Input.Advance(1);
  ASSERT_TRUE(f.Showing());
  EXPECT_EQ(f.Text(), u"Alpha");
  const TPoint pointer = f.A->ClientToScreen(Point(10, 5));
  EXPECT_EQ(Application->HintWindow()->Left(), pointer.X);
  EXPECT_GT(Application->HintWindow()->Top(), pointer.Y);
  // Moves inside the control leave the hint alone.
  f.Input.MouseMove(*f.A, Point(30, 30));
  f.Input.Advance(Application->HintHidePause() - 1);
  EXPECT_TRUE(f.Showing());
  f.Input.Advance(1);
  EXPECT_FALSE(f.Showing());
  // It does not come back while the pointer stays on the control.
  f.Input.MouseMove(*f.A, Point(40, 40));
  f.Input.Advance(5000);
  EXPECT_FALSE(f.Showing());
}

TEST(Hints, EveryMoveRestartsThePause) {
  HintForm f;
  f.Input.MouseMove(*f.A, Point(10, 5));
  f.Input.Advance(400);
  f.Input.MouseMove(*f.A, Point(11, 5));
  f.Input.Advance(400);
  EXPECT_FALSE(f.Showing());
  f.Input.Advance(100);
  EXPECT_TRUE(f.Showing());
}

TEST(Hints, LeavingAPressOrAKeyHidesTheHint) {
  struct Case {
    const char* Name;
    std::function<void(HintForm&)> Act;
  };
  const Case cases[] = {
      {"pointer off the window", [](HintForm& f) { f.Input.MouseOut(*f.A); }},
      {"onto a control without hint", [](HintForm& f) { f.Input.MouseMove(*f.Plain); }},
      {"press", [](HintForm& f) { f.Input.MouseDown(*f.A, Point(10, 5)); f.Input.MouseUp(*f.A, Point(10, 5)); }},
      {"key", [](HintForm& f) { f.Input.Key(VK_SHIFT); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.Name);
    HintForm f;
    f.Input.MouseMove(*f.A, Point(10, 5));
    f.Input.Advance(500);
    ASSERT_TRUE(f.Showing());
    c.Act(f);
    EXPECT_FALSE(f.Showing());
    f.Input.Advance(5000);
    EXPECT_FALSE(f.Showing());
  }
}

TEST(Hints, MovingToAnotherHintedControlShowsItsHintAfterTheShortPause) {
  HintForm f;
  f.Input.MouseMove(*f.A);
  f.Input.Advance(500);
  f.Input.MouseMove(*f.B);
  EXPECT_EQ(f.Text(), u"Alpha");
  f.Input.Advance(Application->HintShortPause());
  EXPECT_EQ(f.Text(), u"Beta");
}

TEST(Hints, CmHintShowChangesTheTextAndPlaceOrCancels) {
  HintForm f;
  THintInfo seen;
  bool cancel = false;
  const TWndMethod old = f.A->WindowProc;
  f.A->WindowProc = [&](TMessage& m) {
    if (m.Msg != CM_HINTSHOW) return old(m);
    auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
    seen = info;
    info.HintStr = u"Changed";
    info.HintPos = Point(700, 600);
    m.Result = cancel ? 1 : 0;
  };
  f.Input.MouseMove(*f.A, Point(10, 5));
  f.Input.Advance(500);
  EXPECT_EQ(seen.HintControl, f.A);
  EXPECT_EQ(seen.HintStr, u"Alpha");
  EXPECT_EQ(seen.CursorPos, Point(10, 5));
  EXPECT_EQ(seen.CursorRect, f.A->ClientRect());
  EXPECT_EQ(seen.HideTimeout, Application->HintHidePause());
  EXPECT_EQ(f.Text(), u"Changed");
  EXPECT_EQ(Application->HintWindow()->Left(), 700);
  EXPECT_EQ(Application->HintWindow()->Top(), 600);

  Application->CancelHint();
  cancel = true;
  f.Input.MouseMove(*f.A, Point(12, 5));
  f.Input.Advance(500);
  EXPECT_FALSE(f.Showing());
}

TEST(Hints, OnShowHintSeesTheTextLastAndCanCancel) {
  HintForm f;
  bool allow = true;
  Application->OnShowHint = [&](String& text, bool& canShow, THintInfo& info) {
    EXPECT_EQ(info.HintControl, f.B);
    text += u"!";
    canShow = allow;
  };
  f.Input.MouseMove(*f.B);
  f.Input.Advance(500);
  EXPECT_EQ(f.Text(), u"Beta!");
  Application->CancelHint();
  allow = false;
  f.Input.MouseMove(*f.B, Point(3, 3));
  f.Input.Advance(500);
  EXPECT_FALSE(f.Showing());
  Application->OnShowHint = nullptr;
}

TEST(Hints, ChildrenFollowTheirParentsShowHint) {
  HintForm f;
  auto* inner = new TPanel(f.Form.get());
  inner->SetParent(f.A);
  inner->SetBounds(10, 10, 50, 50);
  inner->SetHint(u"Inner");
  // ParentShowHint: the parent's ShowHint, the child's own text.
  f.Input.MouseMove(*inner);
  f.Input.Advance(500);
  EXPECT_EQ(f.Text(), u"Inner");
  // ShowHint off: the hint of the nearest parent that shows one.
  Application->CancelHint();
  inner->SetShowHint(false);
  f.Input.MouseMove(*inner, Point(3, 3));
  f.Input.Advance(500);
  EXPECT_EQ(f.Text(), u"Alpha");
  // The application's switch turns every hint off.
  Application->SetShowHint(false);
  f.Input.MouseMove(*f.B);
  f.Input.Advance(500);
  EXPECT_FALSE(f.Showing());
  Application->SetShowHint(true);
}

class RecordingHintWindow : public THintWindow {
 public:
  using THintWindow::THintWindow;
  TObject* Data = nullptr;
  void ActivateHintData(TRect Rect, const String& AHint, TObject* AData) override {
    Data = AData;
    THintWindow::ActivateHintData(Rect, AHint, AData);
  }
};

TEST(Hints, TheRequestChoosesTheWindowClassAndItsData) {
  HintForm f;
  const TWndMethod old = f.A->WindowProc;
  f.A->WindowProc = [&](TMessage& m) {
    if (m.Msg != CM_HINTSHOW) return old(m);
    auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
    info.HintWindowClass = &CreateHintWindowOf<RecordingHintWindow>;
    info.HintData = f.A;
  };
  f.Input.MouseMove(*f.A);
  f.Input.Advance(500);
  auto* window = dynamic_cast<RecordingHintWindow*>(Application->HintWindow());
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->Data, f.A);
  EXPECT_TRUE(window->Visible());
  // The next plain hint goes back to the default class.
  f.Input.MouseMove(*f.B);
  f.Input.Advance(500);
  EXPECT_EQ(dynamic_cast<RecordingHintWindow*>(Application->HintWindow()), nullptr);
  EXPECT_EQ(f.Text(), u"Beta");
}

TEST(Hints, AReshowTimeoutAsksTheControlAgainWhileThePointerStays) {
  HintForm f;
  int asked = 0;
  const TWndMethod old = f.A->WindowProc;
  f.A->WindowProc = [&](TMessage& m) {
    if (m.Msg != CM_HINTSHOW) return old(m);
    auto& info = *reinterpret_cast<THintInfo*>(m.LParam);
    info.ReshowTimeout = 100;
    info.HintStr = u"Count " + IntToStr(++asked);
  };
  f.Input.MouseMove(*f.A);
  f.Input.Advance(500);
  EXPECT_EQ(f.Text(), u"Count 1");
  f.Input.Advance(200);
  EXPECT_EQ(asked, 3);
  EXPECT_EQ(f.Text(), u"Count 3");
}

TEST(Hints, AHintControlFreedWhileItsHintIsPendingIsForgotten) {
  HintForm f;
  f.Input.MouseMove(*f.A);
  delete f.A;
  f.Input.Advance(1000);
  EXPECT_FALSE(f.Showing());
  f.A = f.B;
}

TEST(Hints, TheWindowFitsTheTextAndStaysOnTheScreen) {
  HintForm f;
  f.A->SetHint(u"A rather long hint text");
  f.Input.MouseMove(*f.A);
  f.Input.Advance(500);
  THintWindow* w = Application->HintWindow();
  ASSERT_TRUE(f.Showing());
  const TRect fit = w->CalcHintRect(1000, u"A rather long hint text", nullptr);
  EXPECT_EQ(w->Width(), fit.Width());
  EXPECT_EQ(w->Height(), fit.Height());
  EXPECT_GT(fit.Width(), w->CalcHintRect(1000, u"A", nullptr).Width());
  // Wrapped at a narrow width it gets taller.
  EXPECT_GT(w->CalcHintRect(40, u"A rather long hint text", nullptr).Height(), fit.Height());
  w->ActivateHint(Rect(1900, 1070, 1900 + fit.Width(), 1070 + fit.Height()), u"x");
  EXPECT_EQ(w->Left() + w->Width(), Screen->Width());
  EXPECT_EQ(w->Top() + w->Height(), Screen->Height());
}

TEST(Hints, TheWindowPaintsAFrameAndTheTextOnTheHintColour) {
  HintForm f;
  Application->SetHintColor(clAqua);
  f.Input.MouseMove(*f.A);
  f.Input.Advance(500);
  Application->SetHintColor(clInfoBk);
  testsupport::TempDir dir;
  const String file = Utf8ToString((dir / "hint.png").string());
  ASSERT_TRUE(platform::RenderToPng(*Application->HintWindow(), file));
  TPngImage png;
  png.LoadFromFile(file);
  const TPixelBuffer& px = png.Bitmap().Pixels();
  EXPECT_EQ(px.Pixel(0, 0), ColorToRGB(clInfoText));
  EXPECT_EQ(px.Pixel(px.Width - 1, px.Height - 1), ColorToRGB(clInfoText));
  EXPECT_EQ(px.Pixel(2, 2), clAqua);
  bool text = false;
  for (int x = 4; x < px.Width - 4; ++x) text = text || px.Pixel(x, px.Height / 2) != clAqua;
  EXPECT_TRUE(text);
}
}  // namespace
