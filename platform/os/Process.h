#pragma once
// Starting another program and waiting for it for a limited time, behind a
// service that tests replace. The wait takes its time from an injectable
// clock, so a test can let the limit pass without waiting for it.
#include <cstdint>

#include "platform/sys/String.h"

// Where the wait for a started program takes its time from.
class TWaitClock {
 public:
  virtual ~TWaitClock() = default;
  // Milliseconds since an arbitrary start.
  virtual std::uint64_t Now() = 0;
  virtual void Sleep(unsigned Ms) = 0;
};

// The clock in use; null restores the real one.
void SetWaitClock(TWaitClock* Clock);
TWaitClock& WaitClock();

struct TProgramRun {
  bool Started = false;
  String Reason;  // the system's reason when the start failed
  int Pid = 0;    // the started process
  bool Ended = false;  // false: the limit passed and it still runs
};

class TProcessService {
 public:
  virtual ~TProcessService() = default;
  // Starts the program file Path (no shell, no arguments, our folder and
  // environment) and polls every StepMs until it has ended or LimitMs have
  // passed. Hidden asks for no window; on Linux both ways just start it.
  // A program that outlives the limit goes on running; it is reaped when it ends.
  virtual TProgramRun Run(const String& Path, bool Hidden, unsigned LimitMs, unsigned StepMs) = 0;
};

class TProcessRunner : public TProcessService {
 public:
  TProgramRun Run(const String& Path, bool Hidden, unsigned LimitMs, unsigned StepMs) override;
};

// The service in use; null restores the real runner.
void SetProcessService(TProcessService* Service);
TProcessService& ProcessService();

// The program's wait for a program it starts: 10 ms steps, at most 150,000 ms.
TProgramRun RunProgram(const String& Path, bool Hidden, unsigned LimitMs = 150000, unsigned StepMs = 10);
