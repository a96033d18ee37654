#pragma once
// The watcher of the Office theme: a worker thread that waits for changes
// of one registry key (subkeys included) and sends OfficeThemeChangeMessage
// to the notifier's window and to every registered window, one after the
// other, each send waiting until the window has handled it.
#include <mutex>
#include <vector>

#include "platform/gui/Messages.h"
#include "platform/sys/Registry.h"
#include "platform/sys/SyncObjs.h"
#include "platform/sys/Thread.h"

// wParam: the watched root key; lParam: the key path, zero-terminated UTF-16.
constexpr UINT OfficeThemeChangeMessage = 2993;

class THandleList {
 public:
  int Count() const { return static_cast<int>(FItems.size()); }
  HWND Items(int Index) const { return FItems.at(static_cast<size_t>(Index)); }
  void SetItems(int Index, HWND Value) { FItems.at(static_cast<size_t>(Index)) = Value; }
  void Add(HWND Value) { FItems.push_back(Value); }
  void Insert(int Index, HWND Value);
  void Delete(int Index);
  // Removes the first equal entry; nothing when absent.
  void DeleteValue(HWND Value);
  bool HasValue(HWND Value) const;
  const std::vector<HWND>& List() const { return FItems; }

 private:
  std::vector<HWND> FItems;
};

enum TWaitResult { wrSignaled, wrTimeout, wrAbandoned, wrError };

class TRegMonitorThread : public TThread {
 public:
  TRegMonitorThread();  // suspended: set the properties, then Start
  ~TRegMonitorThread() override;

  const String& Key() const { return FKey; }
  void SetKey(const String& Value) { FKey = Value; }
  HKEY RootKey() const { return FRootKey; }
  void SetRootKey(HKEY Value) { FRootKey = Value; }
  bool WatchSub() const { return FWatchSub; }
  void SetWatchSub(bool Value) { FWatchSub = Value; }
  unsigned Filter() const { return FFilter; }  // 0: every kind of change
  void SetFilter(unsigned Value) { FFilter = Value; }
  HWND Wnd() const { return FWnd; }
  void SetWnd(HWND Value) { FWnd = Value; }

  // The registered windows, under the list lock; a window is listed once.
  void RegisterWindow(HWND Window);
  void UnRegisterWindow(HWND Window);
  std::vector<HWND> Windows() const;

  // Blocks until the first change notification is armed (or the watch has
  // ended), so that no change made after this returns is missed.
  void WaitUntilWatching() { FWatching.WaitFor(); }
  // Ends the watch: the thread leaves its wait, sends nothing more and
  // finishes. The owner joins it with WaitFor.
  void Stop();
  // Why the watch ended early ("" when it did not).
  String FatalMessage() const;

 protected:
  void Execute() override;
  // Blocks until the watched key changes or Stop; anything but wrSignaled
  // ends the watch.
  virtual TWaitResult WaitForChange();

 private:
  void Watch();
  void Arm();
  void SendChange();

  TRegistry FReg;
  TEvent FEvent;
  TEvent FWatching;
  String FKey;
  HKEY FRootKey = HKEY_CURRENT_USER;
  bool FWatchSub = true;
  unsigned FFilter = 0;
  HWND FWnd = 0;
  THandleList FWinList;
  mutable std::mutex FListLock;
  String FFatalMessage;  // written by the thread before it finishes
  mutable std::mutex FFatalLock;
};
