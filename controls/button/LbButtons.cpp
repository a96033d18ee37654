#include "controls/button/LbButtons.h"

#include "platform/gui/Application.h"
#include "platform/gui/Timers.h"

TLbButtonThread::TLbButtonThread(TLbThreadNotify Notify) : TThread(true), FNotify(std::move(Notify)) {}

TLbButtonThread::~TLbButtonThread() {
  SuspendFade();
  Terminate();
  {
    std::lock_guard<std::mutex> g(FLock);
  }
  FSignal.notify_all();
  // A worker that never started must run to its end before it can be joined.
  Resume();
  WaitFor();
}

void TLbButtonThread::ResumeFade() {
  if (FTimer != 0) return;
  Resume();
  FTimer = TimerService().StartTimer(TickInterval, [this] { Tick(); });
}

void TLbButtonThread::SuspendFade() {
  if (FTimer == 0) return;
  TimerService().StopTimer(FTimer);
  FTimer = 0;
}

bool TLbButtonThread::TickPending() {
  std::lock_guard<std::mutex> g(FLock);
  return FTickPending;
}

void TLbButtonThread::Tick() {
  {
    std::lock_guard<std::mutex> g(FLock);
    FTickPending = true;
  }
  FSignal.notify_all();
  // The worker's synchronized call arrives here; run it before the tick ends.
  while (TickPending() && !Finished()) {
    if (!CheckSynchronize()) std::this_thread::yield();
  }
}

void TLbButtonThread::Execute() {
  for (;;) {
    {
      std::unique_lock<std::mutex> g(FLock);
      FSignal.wait(g, [this] { return FTickPending || Terminated(); });
    }
    if (Terminated()) return;
    Synchronize([this] { DoEvent(); });
    std::lock_guard<std::mutex> g(FLock);
    FTickPending = false;
  }
}

void TLbButtonThread::DoEvent() {
  if (FNotify) TrapEvent([this] { FNotify(this); });
}
