#pragma once
// A manual-reset event: SetEvent wakes every waiter and stays set until
// ResetEvent. Services that signal it later (a change notification) hold a
// setter that may outlive the event; setting a gone event does nothing.
#include <functional>
#include <memory>

class TEvent {
 public:
  TEvent();
  ~TEvent();
  TEvent(const TEvent&) = delete;
  TEvent& operator=(const TEvent&) = delete;

  void SetEvent();
  void ResetEvent();
  // Blocks until the event is set.
  void WaitFor();
  bool IsSet() const;
  // A call that sets this event while it lives.
  std::function<void()> Setter() const;

 private:
  struct TState;
  std::shared_ptr<TState> FState;
};
