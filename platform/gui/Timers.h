#pragma once
// Timers on a clock service: the real clock in the program, a virtual clock
// in tests (time moves only when the test advances it). TTimer is the
// component; SetTimer/KillTimer give a window WM_TIMER messages.
#include <cstdint>
#include <functional>
#include <map>

#include "platform/gui/ControlTypes.h"

class TTimerService {
 public:
  virtual ~TTimerService() = default;
  // Milliseconds since an arbitrary start.
  virtual std::uint64_t Now() const = 0;
  // Calls Tick every Interval ms until stopped; answers an id (> 0).
  virtual int StartTimer(unsigned Interval, std::function<void()> Tick) = 0;
  virtual void StopTimer(int Id) = 0;
};

// The service in use; null restores the real clock.
void SetTimerService(TTimerService* Service);
TTimerService& TimerService();
std::uint64_t GetTickCount64();
unsigned GetTickCount();

// Time moves only in Advance; due timers fire in time order, each tick in
// the application's trap, followed by the posted messages it caused.
class TVirtualClock : public TTimerService {
 public:
  std::uint64_t Now() const override { return FNow; }
  int StartTimer(unsigned Interval, std::function<void()> Tick) override;
  void StopTimer(int Id) override;
  void Advance(unsigned Ms);
  int ActiveTimers() const { return static_cast<int>(FTimers.size()); }

 private:
  struct Entry {
    unsigned Interval;
    std::uint64_t Due;
    std::function<void()> Tick;
  };
  std::uint64_t FNow = 0;
  int FNext = 1;
  std::map<int, Entry> FTimers;
};

class TTimer : public TComponent {
 public:
  explicit TTimer(TComponent* AOwner);
  ~TTimer() override;
  bool Enabled() const { return FEnabled; }
  void SetEnabled(bool v);
  unsigned Interval() const { return FInterval; }
  void SetInterval(unsigned v);
  TNotifyEvent OnTimer;

 protected:
  virtual void Timer();

 private:
  void UpdateTimer();
  bool FEnabled = true;
  unsigned FInterval = 1000;
  int FId = 0;
};

// Windows timers: WM_TIMER (WParam = IDEvent) to the window every Elapse ms.
// Setting an existing id again restarts it with the new interval.
std::uintptr_t SetTimer(HWND Wnd, std::uintptr_t IDEvent, unsigned Elapse);
bool KillTimer(HWND Wnd, std::uintptr_t IDEvent);
