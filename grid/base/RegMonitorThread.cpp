#include "grid/base/RegMonitorThread.h"

#include <algorithm>

#include "platform/sys/Exceptions.h"
#include "platform/sys/SysUtils.h"

void THandleList::Insert(int Index, HWND Value) {
  if (Index < 0 || Index > Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
  FItems.insert(FItems.begin() + Index, Value);
}

void THandleList::Delete(int Index) {
  if (Index < 0 || Index >= Count()) throw EListError(u"List index out of bounds (" + IntToStr(Index) + u")");
  FItems.erase(FItems.begin() + Index);
}

void THandleList::DeleteValue(HWND Value) {
  const auto it = std::find(FItems.begin(), FItems.end(), Value);
  if (it != FItems.end()) FItems.erase(it);
}

bool THandleList::HasValue(HWND Value) const {
  return std::find(FItems.begin(), FItems.end(), Value) != FItems.end();
}

TRegMonitorThread::TRegMonitorThread() : TThread(true) {}

TRegMonitorThread::~TRegMonitorThread() {
  // The thread uses this object's members: it must be gone before they are.
  // Resumed, a thread never started finishes at once, being terminated.
  Stop();
  Resume();
  WaitFor();
}

void TRegMonitorThread::RegisterWindow(HWND Window) {
  std::lock_guard<std::mutex> g(FListLock);
  if (!FWinList.HasValue(Window)) FWinList.Add(Window);
}

void TRegMonitorThread::UnRegisterWindow(HWND Window) {
  std::lock_guard<std::mutex> g(FListLock);
  FWinList.DeleteValue(Window);
}

std::vector<HWND> TRegMonitorThread::Windows() const {
  std::lock_guard<std::mutex> g(FListLock);
  return FWinList.List();
}

void TRegMonitorThread::Stop() {
  Terminate();
  FEvent.SetEvent();
}

String TRegMonitorThread::FatalMessage() const {
  std::lock_guard<std::mutex> g(FFatalLock);
  return FFatalMessage;
}

void TRegMonitorThread::Execute() {
  try {
    Watch();
  } catch (const Exception& e) {
    std::lock_guard<std::mutex> g(FFatalLock);
    FFatalMessage = e.Message();
  }
  FWatching.SetEvent();
}

TWaitResult TRegMonitorThread::WaitForChange() {
  FEvent.WaitFor();
  return wrSignaled;
}

void TRegMonitorThread::Watch() {
  FReg.SetRootKey(FRootKey);
  if (!FReg.OpenKeyReadOnly(FKey)) throw Exception(u"Unable to open registry key " + FKey);
  Arm();
  FWatching.SetEvent();
  while (WaitForChange() == wrSignaled && !Terminated()) {
    // Armed again before sending, so a change made while the windows
    // handle this one is not lost.
    FEvent.ResetEvent();
    Arm();
    SendChange();
  }
}

void TRegMonitorThread::Arm() {
  constexpr unsigned kEveryKind = REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_ATTRIBUTES |
                                  REG_NOTIFY_CHANGE_LAST_SET | REG_NOTIFY_CHANGE_SECURITY;
  FReg.NotifyChange(FEvent, true, FFilter ? FFilter : kEveryKind);
}

void TRegMonitorThread::SendChange() {
  const LPARAM key = reinterpret_cast<LPARAM>(FKey.c_str());
  // The list is copied, not held: each send waits for the GUI thread,
  // which may meanwhile be waiting for the lock.
  std::vector<HWND> targets = Windows();
  if (FWnd) targets.insert(targets.begin(), FWnd);
  for (HWND wnd : targets) {
    if (Terminated()) return;
    SendMessage(wnd, OfficeThemeChangeMessage, FRootKey, key);
  }
}
