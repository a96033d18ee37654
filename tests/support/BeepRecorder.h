#pragma once
// Counts the beeps while it lives (instead of sounding them).
#include "platform/gui/SystemMetrics.h"

namespace testsupport {
class BeepRecorder {
 public:
  BeepRecorder() : FPrevious(SetBeepHandler([this](unsigned) { ++FCount; })) {}
  ~BeepRecorder() { SetBeepHandler(std::move(FPrevious)); }
  BeepRecorder(const BeepRecorder&) = delete;
  BeepRecorder& operator=(const BeepRecorder&) = delete;
  int Count() const { return FCount; }
  // The beeps since the last call.
  int Take() { return std::exchange(FCount, 0); }

 private:
  int FCount = 0;
  TBeepHandler FPrevious;
};
}  // namespace testsupport
