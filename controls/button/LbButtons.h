#pragma once
// The fade worker of a flat button. While a fade runs, every 30 ms tick of
// the clock service wakes the worker, which hands the tick to the GUI thread
// with Synchronize; the GUI thread waits for that hand-off before the tick
// returns, so the ticks reach the button one by one and in time order (with
// the virtual clock in tests as with the real one). The worker itself
// touches no button state.
#include <condition_variable>
#include <functional>
#include <mutex>

#include "platform/sys/Thread.h"

class TLbButtonThread;
using TLbThreadNotify = std::function<void(TLbButtonThread* Sender)>;

class TLbButtonThread : public TThread {
 public:
  static constexpr unsigned TickInterval = 30;

  // Created suspended: no ticks until ResumeFade.
  explicit TLbButtonThread(TLbThreadNotify Notify);
  // Stops the ticks, ends the worker and waits for it.
  ~TLbButtonThread() override;

  // GUI thread only.
  void ResumeFade();
  void SuspendFade();
  bool FadeSuspended() const { return FTimer == 0; }

 protected:
  void Execute() override;

 private:
  void Tick();
  void DoEvent();
  bool TickPending();

  TLbThreadNotify FNotify;
  std::mutex FLock;
  std::condition_variable FSignal;
  bool FTickPending = false;
  int FTimer = 0;
};
