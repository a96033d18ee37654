#pragma once
// Tells registered grid windows when the Office colour theme changes. A
// watcher thread runs only when an Office version with a theme key (12.0 or
// 14.0) is installed; otherwise registering does nothing.
#include <functional>
#include <memory>

#include "grid/base/RegMonitorThread.h"
#include "platform/sys/Component.h"

// A hidden window that raises OnOfficeThemeChange for OfficeThemeChangeMessage.
class TThemeNotifierWindow {
 public:
  TThemeNotifierWindow();
  ~TThemeNotifierWindow();
  TThemeNotifierWindow(const TThemeNotifierWindow&) = delete;
  TThemeNotifierWindow& operator=(const TThemeNotifierWindow&) = delete;

  HWND Handle() const { return FHandle; }
  TNotifyEvent OnOfficeThemeChange;

 private:
  void WndProc(TMessage& Message);
  HWND FHandle;
};

class TThemeNotifier : public TComponent {
 public:
  explicit TThemeNotifier(TComponent* AOwner);
  // Stops and joins the watcher; a send it has pending is still delivered.
  ~TThemeNotifier() override;
  String ClassName() const override { return u"TThemeNotifier"; }

  void RegisterWindow(HWND Window);
  void UnRegisterWindow(HWND Window);
  // Null when no watcher runs.
  TRegMonitorThread* RegMonitorThread() const { return FThread.get(); }

  TNotifyEvent OnOfficeThemeChange;

 private:
  std::unique_ptr<TThemeNotifierWindow> FNotifier;
  std::unique_ptr<TRegMonitorThread> FThread;
};

// The process's one notifier, made on the first call with the application's
// main form as owner when that has a window, else with AOwner.
TThemeNotifier* GetThemeNotifier(TComponent* AOwner);
