#include "platform/sys/SyncObjs.h"

#include <condition_variable>
#include <mutex>

struct TEvent::TState {
  mutable std::mutex Lock;
  std::condition_variable Changed;
  bool Set = false;

  void Signal() {
    {
      std::lock_guard<std::mutex> hold(Lock);
      Set = true;
    }
    Changed.notify_all();
  }
};

TEvent::TEvent() : FState(std::make_shared<TState>()) {}

TEvent::~TEvent() = default;

void TEvent::SetEvent() { FState->Signal(); }

void TEvent::ResetEvent() {
  std::lock_guard<std::mutex> hold(FState->Lock);
  FState->Set = false;
}

void TEvent::WaitFor() {
  std::unique_lock<std::mutex> hold(FState->Lock);
  FState->Changed.wait(hold, [this] { return FState->Set; });
}

bool TEvent::IsSet() const {
  std::lock_guard<std::mutex> hold(FState->Lock);
  return FState->Set;
}

std::function<void()> TEvent::Setter() const {
  return [weak = std::weak_ptr<TState>(FState)] {
    if (auto state = weak.lock()) state->Signal();
  };
}
