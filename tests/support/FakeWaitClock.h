#pragma once
// A wait clock whose time moves only when the code under test sleeps on it,
// so a wait of 150,000 ms passes at once. It installs itself as the wait
// clock of started programs and restores the real one when destroyed.
#include <cstdint>

#include "platform/os/Process.h"

namespace testsupport {

class FakeWaitClock : public TWaitClock {
 public:
  FakeWaitClock() { SetWaitClock(this); }
  ~FakeWaitClock() override { SetWaitClock(nullptr); }
  FakeWaitClock(const FakeWaitClock&) = delete;
  FakeWaitClock& operator=(const FakeWaitClock&) = delete;

  std::uint64_t Now() override { return now_; }
  void Sleep(unsigned Ms) override {
    now_ += Ms;
    ++sleeps_;
  }
  int Sleeps() const { return sleeps_; }

 private:
  std::uint64_t now_ = 1000;
  int sleeps_ = 0;
};

}  // namespace testsupport
