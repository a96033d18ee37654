#include "platform/gui/Timers.h"

#include "platform/gui/Application.h"

namespace platform {
TTimerService& RealTimerService();
}

namespace {
TTimerService*& Installed() {
  static TTimerService* s = nullptr;
  return s;
}
}  // namespace

void SetTimerService(TTimerService* Service) { Installed() = Service; }
TTimerService& TimerService() { return Installed() ? *Installed() : platform::RealTimerService(); }
std::uint64_t GetTickCount64() { return TimerService().Now(); }
unsigned GetTickCount() { return static_cast<unsigned>(GetTickCount64()); }

int TVirtualClock::StartTimer(unsigned Interval, std::function<void()> Tick) {
  const int id = FNext++;
  const unsigned step = Interval == 0 ? 1 : Interval;
  FTimers.emplace(id, Entry{step, FNow + step, std::move(Tick)});
  return id;
}

void TVirtualClock::StopTimer(int Id) { FTimers.erase(Id); }

void TVirtualClock::Advance(unsigned Ms) {
  const std::uint64_t end = FNow + Ms;
  for (;;) {
    // The earliest due timer; ties go to the older timer.
    auto next = FTimers.end();
    for (auto it = FTimers.begin(); it != FTimers.end(); ++it)
      if (it->second.Due <= end && (next == FTimers.end() || it->second.Due < next->second.Due)) next = it;
    if (next == FTimers.end()) break;
    FNow = next->second.Due;
    next->second.Due += next->second.Interval;
    const std::function<void()> tick = next->second.Tick;  // the tick may stop its timer
    TrapEvent(tick);
    platform::DeliverPostedMessages();
  }
  FNow = end;
}

TTimer::TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }

TTimer::~TTimer() {
  if (FId) TimerService().StopTimer(FId);
}

void TTimer::SetEnabled(bool v) {
  if (FEnabled == v) return;
  FEnabled = v;
  UpdateTimer();
}

void TTimer::SetInterval(unsigned v) {
  if (FInterval == v) return;
  FInterval = v;
  UpdateTimer();
}

void TTimer::UpdateTimer() {
  if (FId) TimerService().StopTimer(FId);
  FId = 0;
  if (FEnabled && FInterval > 0) FId = TimerService().StartTimer(FInterval, [this] { Timer(); });
}

void TTimer::Timer() {
  FireEvent(OnTimer, this);
}

namespace {
std::map<std::pair<HWND, std::uintptr_t>, int>& WindowTimers() {
  static std::map<std::pair<HWND, std::uintptr_t>, int> m;
  return m;
}
}  // namespace

std::uintptr_t SetTimer(HWND Wnd, std::uintptr_t IDEvent, unsigned Elapse) {
  if (!IsWindow(Wnd)) return 0;
  KillTimer(Wnd, IDEvent);
  WindowTimers()[{Wnd, IDEvent}] = TimerService().StartTimer(Elapse, [Wnd, IDEvent] {
    if (IsWindow(Wnd)) platform::DispatchToWindow(Wnd, WM_TIMER, IDEvent, 0);
    else KillTimer(Wnd, IDEvent);
  });
  return IDEvent;
}

bool KillTimer(HWND Wnd, std::uintptr_t IDEvent) {
  auto it = WindowTimers().find({Wnd, IDEvent});
  if (it == WindowTimers().end()) return false;
  TimerService().StopTimer(it->second);
  WindowTimers().erase(it);
  return true;
}
