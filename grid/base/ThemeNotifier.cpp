#include "grid/base/ThemeNotifier.h"

#include "grid/base/OfficeTheme.h"
#include "platform/gui/Application.h"
#include "platform/gui/Forms.h"

namespace {

TThemeNotifier* SharedNotifier = nullptr;

}  // namespace

TThemeNotifierWindow::TThemeNotifierWindow()
    : FHandle(AllocateHWnd([this](TMessage& m) { WndProc(m); })) {}

TThemeNotifierWindow::~TThemeNotifierWindow() { DeallocateHWnd(FHandle); }

void TThemeNotifierWindow::WndProc(TMessage& Message) {
  if (Message.Msg == OfficeThemeChangeMessage && OnOfficeThemeChange) OnOfficeThemeChange(nullptr);
  Message.Result = 0;
}

TThemeNotifier::TThemeNotifier(TComponent* AOwner) : TComponent(AOwner) {
  const int version = GetInstalledOfficeVersion();
  if (version != 1 && version != 2) return;
  FNotifier = std::make_unique<TThemeNotifierWindow>();
  FNotifier->OnOfficeThemeChange = [this](TObject*) {
    if (OnOfficeThemeChange) OnOfficeThemeChange(this);
  };
  FThread = std::make_unique<TRegMonitorThread>();
  FThread->SetWnd(FNotifier->Handle());
  FThread->SetFilter(REG_NOTIFY_CHANGE_LAST_SET);
  FThread->SetKey(String(version == 2 ? Office14ThemeKey : Office12ThemeKey));
  FThread->SetRootKey(HKEY_CURRENT_USER);
  FThread->SetWatchSub(true);
  FThread->Start();
  FThread->WaitUntilWatching();
}

TThemeNotifier::~TThemeNotifier() {
  if (FThread) {
    // A send already waiting is served while we wait; it no longer reaches
    // our event, which must not run on a notifier being freed.
    FNotifier->OnOfficeThemeChange = nullptr;
    FThread->Stop();
    FThread->WaitFor();
  }
  if (SharedNotifier == this) SharedNotifier = nullptr;
}

void TThemeNotifier::RegisterWindow(HWND Window) {
  if (FThread) FThread->RegisterWindow(Window);
}

void TThemeNotifier::UnRegisterWindow(HWND Window) {
  if (FThread) FThread->UnRegisterWindow(Window);
}

TThemeNotifier* GetThemeNotifier(TComponent* AOwner) {
  if (!SharedNotifier) {
    TCustomForm* main = Application ? Application->MainForm() : nullptr;
    SharedNotifier = new TThemeNotifier(main && main->HandleAllocated() ? main : AOwner);
  }
  return SharedNotifier;
}
