#include "platform/gui/Application.h"

#include <filesystem>

#include "platform/gui/Dialogs.h"
#include "platform/gui/Forms.h"
#include "platform/gui/HintWindow.h"
#include "platform/gui/Toolkit.h"
#include "platform/sys/Thread.h"

TApplication* Application = nullptr;

namespace {
String OwnExeName() {
  std::error_code ec;
  const auto p = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? String() : Utf8ToString(p.string());
}
}  // namespace

TApplication::TApplication(TComponent* AOwner) : TComponent(AOwner), FExeName(OwnExeName()) {}

TApplication::~TApplication() {
  StopHintTimer();
  FHintControl = nullptr;
  // Before the owned forms go: their controls tell this object they are going.
  delete FHintWindow;
  // The forms go while this object still stands: they and their controls call it.
  Destroying_();
  DestroyComponents();
}

String TApplication::Title() const {
  if (!FTitle.empty()) return FTitle;
  return Utf8ToString(std::filesystem::path(StringToUtf8(FExeName)).stem().string());
}

bool TApplication::ProcessMessage() {
  bool any = platform::ProcessToolkitEvents(false);
  any = CheckSynchronize() || any;
  any = platform::DeliverPostedMessages() || any;
  return any;
}

void TApplication::ProcessMessages() {
  while (ProcessMessage()) {
  }
}

void TApplication::HandleMessage() {
  if (!ProcessMessage()) Idle();
}

void TApplication::Idle() {
  if (OnIdle) TrapEvent([this] { OnIdle(this); });
  if (FIdleWait) {
    FIdleWait();
  } else {
    platform::ProcessToolkitEvents(true);
  }
}

void TApplication::Run() {
  if (FMainForm) FMainForm->Show();
  while (!FTerminated) HandleMessage();
}

void TApplication::HandleException(TObject* Sender) {
  std::exception_ptr error = std::current_exception();
  if (!error) return;
  try {
    std::rethrow_exception(error);
  } catch (const EAbort&) {
  } catch (const Exception& e) {
    if (OnException) OnException(Sender, e);
    else ShowException(e);
  } catch (const std::exception& e) {
    const Exception wrapped(Utf8ToString(e.what()));
    if (OnException) OnException(Sender, wrapped);
    else ShowException(wrapped);
  }
}

void TApplication::ShowException(const Exception& E) {
  // An error inside the box's own handling must not open boxes forever.
  if (FHandlingException) return;
  FHandlingException = true;
  try {
    MessageBox(E.Message(), Title(), MB_OK | MB_ICONSTOP);
  } catch (...) {
  }
  FHandlingException = false;
}

int TApplication::MessageBox(const String& Text, const String& Caption, unsigned Flags) {
  return ShowMessageBox(Text, Caption, Flags);
}

void TrapEvent(const std::function<void()>& Handler) {
  try {
    Handler();
  } catch (...) {
    if (Application) {
      try {
        Application->HandleException(Application);
      } catch (...) {
      }
    }
  }
}
