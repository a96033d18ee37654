// Handlers that free, hide or close what fired them: the platform must not
// touch the freed object afterwards (the sanitizers watch), and the program
// goes on. Each handler also uses its own captures after the free, as real
// handlers do.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/gui/Application.h"
#include "platform/gui/ExtCtrls.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Menus.h"
#include "platform/gui/StdCtrls.h"
#include "platform/gui/Timers.h"
#include "tests/support/GuiTest.h"

namespace {
// Long enough to live on the heap, so that a freed capture is seen.
const std::string kNote = "the handler still uses what it captured after the free";

TEST(HandlerLifetime, ATimerFreedByItsOwnTickStopsCleanly) {
  testsupport::InputDriver input;
  struct Case {
    const char* Name;
    bool FreeOwner;
  };
  for (const Case c : {Case{"the timer", false}, Case{"its owner form", true}}) {
    SCOPED_TRACE(c.Name);
    auto form = std::make_unique<TForm>(nullptr);
    auto* timer = new TTimer(form.get());
    timer->SetInterval(100);
    std::string seen;
    int ticks = 0;
    timer->OnTimer = [&form, &seen, &ticks, timer, free = c.FreeOwner, note = kNote](TObject*) {
      ++ticks;
      if (free) form.reset();
      else delete timer;
      seen = note;
    };
    input.Advance(350);
    EXPECT_EQ(ticks, 1);
    EXPECT_EQ(seen, kNote);
    EXPECT_EQ(testsupport::Clock().ActiveTimers(), 0);
  }
}

struct FreeingCase {
  const char* Name;
  // Gives Edit or Button a handler that runs Free, then sends the input that fires it.
  std::function<void(TEdit& Edit, TButton& Button, std::function<void(TWinControl&)> Free,
                     testsupport::InputDriver& Input)>
      Fire;
  bool FreesButton;
};

TEST(HandlerLifetime, AControlFreedInsideItsOwnHandlerIsNotTouchedAgain) {
  using Free = std::function<void(TWinControl&)>;
  const FreeingCase cases[] = {
      {"click", [](TEdit&, TButton& b, Free f, auto& in) {
         b.OnClick = [f, &b, note = kNote](TObject*) { f(b); (void)std::string(note); };
         in.Click(b);
       }, true},
      {"mouse down", [](TEdit&, TButton& b, Free f, auto& in) {
         b.OnMouseDown = [f, &b, note = kNote](TObject*, TMouseButton, TShiftState, int, int) {
           f(b);
           (void)std::string(note);
         };
         in.MouseDown(b, Point(5, 5));
       }, true},
      {"key down", [](TEdit& e, TButton&, Free f, auto& in) {
         e.OnKeyDown = [f, &e, note = kNote](TObject*, WORD&, TShiftState) { f(e); (void)std::string(note); };
         in.Key(e, 'A');
       }, false},
      {"text change by typing", [](TEdit& e, TButton&, Free f, auto& in) {
         e.OnChange = [f, &e, note = kNote](TObject*) { f(e); (void)std::string(note); };
         in.Key(e, 'A');
       }, false},
      {"text change from code", [](TEdit& e, TButton&, Free f, auto&) {
         e.OnChange = [f, &e, note = kNote](TObject*) { f(e); (void)std::string(note); };
         e.SetText(u"x");
       }, false},
      {"enter by a click", [](TEdit& e, TButton& b, Free f, auto& in) {
         b.SetFocus();
         e.OnEnter = [f, &e, note = kNote](TObject*) { f(e); (void)std::string(note); };
         in.MouseDown(e, Point(3, 3));
       }, false},
      {"wheel", [](TEdit& e, TButton&, Free f, auto& in) {
         e.SetFocus();
         e.OnMouseWheel = [f, &e, note = kNote](TObject*, TShiftState, int, TPoint, bool&) {
           f(e);
           (void)std::string(note);
         };
         in.Wheel(e, 120);
       }, false},
      {"exit", [](TEdit& e, TButton& b, Free f, auto&) {
         e.SetFocus();
         e.OnExit = [f, &e, note = kNote](TObject*) { f(e); (void)std::string(note); };
         b.SetFocus();
       }, false},
  };
  for (const FreeingCase& c : cases) {
    SCOPED_TRACE(c.Name);
    testsupport::InputDriver input;
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    auto* button = new TButton(&form);
    edit->SetParent(&form);
    button->SetParent(&form);
    button->SetTop(40);
    form.Show();
    bool freed = false;
    c.Fire(*edit, *button, [&](TWinControl& w) { delete &w; freed = true; }, input);
    input.Pump();
    EXPECT_TRUE(freed);
    EXPECT_EQ(form.ControlCount(), 1);
    // What is left still takes input.
    TWinControl& left = *static_cast<TWinControl*>(form.Controls(0));
    EXPECT_EQ(&left, c.FreesButton ? static_cast<TWinControl*>(edit) : button);
    left.SetFocus();
    EXPECT_TRUE(left.Focused());
  }
}

TEST(HandlerLifetime, AModalFormHiddenByAHandlerEndsItsLoopAsCancelled) {
  testsupport::InputDriver input;
  TForm form(nullptr);
  auto* hide = new TButton(&form);
  hide->SetParent(&form);
  hide->OnClick = [&](TObject*) { form.Hide(); };
  input.WhenModal([&] { input.Click(*hide); });
  EXPECT_EQ(form.ShowModal(), mrCancel);
  EXPECT_FALSE(form.Modal());
  // It can be shown modally again.
  input.WhenModal([&] { form.SetModalResult(mrOk); });
  EXPECT_EQ(form.ShowModal(), mrOk);
}

TEST(HandlerLifetime, AModalFormFreedByItsOwnButtonReturnsCancel) {
  testsupport::InputDriver input;
  TForm opener(nullptr);
  opener.Show();
  auto* form = new TForm(nullptr);
  auto* close = new TButton(form);
  close->SetParent(form);
  close->OnClick = [form, note = kNote](TObject*) {
    delete form;
    (void)std::string(note);
  };
  input.WhenModal([&] { input.Click(*close); });
  EXPECT_EQ(form->ShowModal(), mrCancel);
  EXPECT_EQ(Screen->ActiveForm(), &opener);
}

TEST(HandlerLifetime, AnApplicationFreedWithFormsAndTimersAliveLetsThemGoWhileItIsWhole) {
  testsupport::InputDriver input;
  const int timersBefore = testsupport::Clock().ActiveTimers();
  TApplication* const running = Application;
  auto* app = new TApplication(nullptr);
  Application = app;
  TForm* main = nullptr;
  app->CreateForm(main);
  auto* edit = new TEdit(main);
  edit->SetParent(main);
  edit->SetShowHint(true);
  edit->SetHint(u"hint");
  auto* timer = new TTimer(main);
  timer->SetInterval(10);
  int ticks = 0;
  timer->OnTimer = [&](TObject*) { ++ticks; };
  main->Show();
  edit->SetFocus();
  input.MouseMove(*edit);
  input.Advance(100);  // the timer ticks, the hint waits
  EXPECT_GT(ticks, 0);
  delete app;
  Application = running;
  const int ticksAtExit = ticks;
  input.Advance(1000);
  EXPECT_EQ(ticks, ticksAtExit);
  EXPECT_EQ(testsupport::Clock().ActiveTimers(), timersBefore);
}

// A menu whose owner goes while the menu is open (a timer runs meanwhile):
// the item chosen went with it and is not clicked.
class MenusFreedWhileOpen : public TMenuService {
 public:
  explicit MenusFreedWhileOpen(std::unique_ptr<TForm>& Owner) : FOwner(Owner), FPrevious(&MenuService()) {
    SetMenuService(this);
  }
  ~MenusFreedWhileOpen() override { SetMenuService(FPrevious); }
  TMenuItem* Popup(TPopupMenu& Menu, TPoint) override {
    TMenuItem* chosen = Menu.Items()->Items(0);
    FOwner.reset();
    return chosen;
  }

 private:
  std::unique_ptr<TForm>& FOwner;
  TMenuService* FPrevious;
};

TEST(HandlerLifetime, AMenuFreedWhileOpenClicksNothing) {
  auto owner = std::make_unique<TForm>(nullptr);
  auto* menu = new TPopupMenu(owner.get());
  auto* item = new TMenuItem(menu);
  menu->Items()->Add(item);
  int clicks = 0;
  item->OnClick = [&](TObject*) { ++clicks; };
  MenusFreedWhileOpen menus(owner);
  menu->Popup(10, 10);
  EXPECT_EQ(owner, nullptr);
  EXPECT_EQ(clicks, 0);
}

TEST(HandlerLifetime, AFormFreedByItsOwnDeactivateOrByAControlsExitIsNotTouchedAgain) {
  struct Case {
    const char* Name;
    bool ByExit;
  };
  for (const Case c : {Case{"deactivate", false}, Case{"exit", true}}) {
    SCOPED_TRACE(c.Name);
    testsupport::InputDriver input;
    TForm other(nullptr);
    auto* form = new TForm(nullptr);
    auto* edit = new TEdit(form);
    edit->SetParent(form);
    auto* next = new TEdit(form);
    next->SetParent(form);
    next->SetTop(40);
    form->Show();
    edit->SetFocus();
    bool freed = false;
    const auto free = [form, &freed, note = kNote](TObject*) {
      delete form;
      freed = !std::string(note).empty();
    };
    if (c.ByExit) {
      edit->OnExit = free;
      input.MouseDown(*next, Point(3, 3));
    } else {
      form->OnDeactivate = free;
      other.Show();
    }
    EXPECT_TRUE(freed);
    other.Show();
    EXPECT_EQ(Screen->ActiveForm(), &other);
  }
}

TEST(HandlerLifetime, AControlFreedWhileItsHintIsAskedForShowsNoHint) {
  testsupport::InputDriver input;
  TForm form(nullptr);
  auto* panel = new TPanel(&form);
  panel->SetParent(&form);
  panel->SetHint(u"Alpha");
  panel->SetShowHint(true);
  form.Show();
  Application->OnShowHint = [panel](String&, bool&, THintInfo&) { delete panel; };
  input.MouseMove(*panel, Point(10, 5));
  input.Advance(Application->HintPause());
  Application->OnShowHint = nullptr;
  EXPECT_EQ(form.ControlCount(), 0);
  EXPECT_FALSE(Application->HintWindow() && Application->HintWindow()->Visible());
}
}  // namespace
