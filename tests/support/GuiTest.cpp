#include "tests/support/GuiTest.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"
#include "platform/gui/Input.h"
#include "tests/support/ClipboardFake.h"
#include "tests/support/KeyChars.h"
#include "tests/support/TempRegistry.h"

namespace testsupport {
namespace {
std::deque<std::function<void()>>& ModalActions() {
  static std::deque<std::function<void()>> a;
  return a;
}

TPoint Centre(const TControl& c) { return Point(c.Width() / 2, c.Height() / 2); }

void RunModalAction() {
  if (ModalActions().empty()) {
    ADD_FAILURE() << "A modal loop waits for input but the test scripted none";
    if (TCustomForm* f = Screen->ActiveForm(); f && f->Modal()) f->SetModalResult(mrCancel);
    else Application->Terminate();
    return;
  }
  std::function<void()> action = std::move(ModalActions().front());
  ModalActions().pop_front();
  TrapEvent(action);
}

class UnexpectedBoxes : public TDialogService {
 public:
  TModalResult MessageBox(const TMessageBoxRequest& r) override {
    ADD_FAILURE() << "Unexpected message box: " << StringToUtf8(r.Caption) << ": " << StringToUtf8(r.Text);
    return mrCancel;
  }
  bool FileDialog(TFileDialogRequest&) override {
    ADD_FAILURE() << "Unexpected file dialog";
    return false;
  }
};

class UnexpectedMenus : public TMenuService {
 public:
  TMenuItem* Popup(TPopupMenu&, TPoint) override {
    ADD_FAILURE() << "Unexpected popup menu";
    return nullptr;
  }
};
}  // namespace

void InputDriver::Key(WORD Vk, TShiftState Shift) {
  KeyDown(Vk, Shift);
  KeyUp(Vk, Shift);
}

void InputDriver::Key(TWinControl& Target, WORD Vk, TShiftState Shift) {
  Target.SetFocus();
  Key(Vk, Shift);
}

void InputDriver::KeyDown(WORD Vk, TShiftState Shift) { platform::InputKeyDown(Vk, CharOfKey(Vk, Shift), Shift); }
void InputDriver::KeyUp(WORD Vk, TShiftState Shift) { platform::InputKeyUp(Vk, Shift); }
void InputDriver::Char(char16_t Ch) { platform::InputChar(Ch, {}); }

void InputDriver::Type(const String& Text) {
  for (char16_t ch : Text) {
    TShiftState shift;
    const WORD vk = KeyOfChar(ch, shift);
    platform::InputKeyDown(vk, ch, shift);
    platform::InputKeyUp(vk, shift);
  }
}

void InputDriver::Click(TControl& Target, TShiftState Shift) { Click(Target, Centre(Target), Shift); }

void InputDriver::Click(TControl& Target, TPoint At, TShiftState Shift) {
  platform::InputMouse(&Target, WM_LBUTTONDOWN, At, Shift | TShiftState(ssLeft));
  platform::InputMouse(&Target, WM_LBUTTONUP, At, Shift);
}

void InputDriver::DoubleClick(TControl& Target) { DoubleClick(Target, Centre(Target)); }

void InputDriver::DoubleClick(TControl& Target, TPoint At) {
  Click(Target, At);
  platform::InputMouse(&Target, WM_LBUTTONDBLCLK, At, TShiftState(ssLeft));
  platform::InputMouse(&Target, WM_LBUTTONUP, At, {});
}

void InputDriver::MouseDown(TControl& Target, TPoint At, TMouseButton Button) {
  const UINT msg = Button == mbLeft ? WM_LBUTTONDOWN : Button == mbRight ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
  const TShiftState held = Button == mbLeft ? TShiftState(ssLeft) : Button == mbRight ? TShiftState(ssRight) : TShiftState(ssMiddle);
  platform::InputMouse(&Target, msg, At, held);
}

void InputDriver::MouseUp(TControl& Target, TPoint At, TMouseButton Button) {
  const UINT msg = Button == mbLeft ? WM_LBUTTONUP : Button == mbRight ? WM_RBUTTONUP : WM_MBUTTONUP;
  platform::InputMouse(&Target, msg, At, {});
}

void InputDriver::MouseMove(TControl& Target, TPoint At) { platform::InputMouse(&Target, WM_MOUSEMOVE, At, {}); }

void InputDriver::MouseMove(TControl& Target) { MouseMove(Target, Centre(Target)); }
void InputDriver::MouseOut(TControl& From) { platform::InputMouseLeave(&From); }

void InputDriver::Wheel(TControl& Over, int Delta) {
  platform::InputWheel(&Over, Delta, Over.ClientToScreen(Centre(Over)), {});
}

void InputDriver::Pump() { Application->ProcessMessages(); }
void InputDriver::Advance(unsigned Ms) { Clock().Advance(Ms); }
void InputDriver::WhenModal(std::function<void()> Action) { ModalActions().push_back(std::move(Action)); }

TControl& Named(TComponent& Root, const String& Name) {
  TComponent* c = Root.FindComponent(Name);
  auto* control = dynamic_cast<TControl*>(c);
  if (!control) throw std::runtime_error("no control named " + StringToUtf8(Name));
  return *control;
}

MessageBoxResponder::MessageBoxResponder() : FPrevious(&DialogService()) { SetDialogService(this); }
MessageBoxResponder::~MessageBoxResponder() { SetDialogService(FPrevious); }

TModalResult MessageBoxResponder::MessageBox(const TMessageBoxRequest& r) {
  FBoxes.push_back(RecordedBox{r.Kind, r.Caption, r.Text, r.Buttons});
  if (!FAnswers.empty()) {
    const TModalResult a = FAnswers.front();
    FAnswers.pop_front();
    return a;
  }
  if (r.Buttons & mbOK) return mrOk;
  ADD_FAILURE() << "No answer queued for the box: " << StringToUtf8(r.Text);
  return mrCancel;
}

bool MessageBoxResponder::FileDialog(TFileDialogRequest& r) {
  FFileRequests.push_back(r);
  if (FFiles.empty()) {
    ADD_FAILURE() << "No file name queued for the file dialog";
    return false;
  }
  r.FileName = FFiles.front();
  FFiles.pop_front();
  return !r.FileName.empty();
}

MenuResponder::MenuResponder() : FPrevious(&MenuService()) { SetMenuService(this); }
MenuResponder::~MenuResponder() { SetMenuService(FPrevious); }

TMenuItem* MenuResponder::Popup(TPopupMenu& Menu, TPoint ScreenPos) {
  RecordedMenu r{&Menu, ScreenPos, {}};
  for (int i = 0; i < Menu.Items()->Count(); ++i)
    if (Menu.Items()->Items(i)->Visible()) r.Captions.push_back(StripHotkey(Menu.Items()->Items(i)->Caption()));
  FMenus.push_back(std::move(r));
  if (FChoices.empty()) {
    ADD_FAILURE() << "No choice queued for a popup menu";
    return nullptr;
  }
  const String path = FChoices.front();
  FChoices.pop_front();
  TMenuItem* item = Menu.Items();
  size_t at = 0;
  while (item && !path.empty() && at <= path.size()) {
    const size_t bar = std::min(path.find(u'|', at), path.size());
    item = item->Find(path.substr(at, bar - at));
    at = bar + 1;
  }
  if (!item && !path.empty()) ADD_FAILURE() << "No menu item " << StringToUtf8(path);
  return path.empty() ? nullptr : item;
}

ShellRecorder::ShellRecorder() { SetShellService(this); }
ShellRecorder::~ShellRecorder() { SetShellService(nullptr); }

TVirtualClock& Clock() {
  static TVirtualClock clock;
  return clock;
}

void InstallGuiTestServices() {
  static UnexpectedBoxes unexpected;
  SetDialogService(&unexpected);
  static UnexpectedMenus unexpectedMenus;
  SetMenuService(&unexpectedMenus);
  static ClipboardFake clipboard;
  InstallTestRegistry();
  SetTimerService(&Clock());
  Application->SetIdleWait(RunModalAction);
  Screen->PinSize(1920, 1080);
}

}  // namespace testsupport
