#include "platform/os/Process.h"

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "platform/sys/SysError.h"

extern char** environ;

namespace {

class RealWaitClock : public TWaitClock {
 public:
  std::uint64_t Now() override {
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                          std::chrono::steady_clock::now().time_since_epoch())
                                          .count());
  }
  void Sleep(unsigned Ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(Ms)); }
};

TWaitClock*& InstalledClock() {
  static TWaitClock* C = nullptr;
  return C;
}

TProcessService*& InstalledService() {
  static TProcessService* S = nullptr;
  return S;
}

// The child starts with no blocked signals and default handlers, whatever
// the toolkit set up in this process.
class SpawnAttributes {
 public:
  SpawnAttributes() {
    posix_spawnattr_init(&FAttr);
    sigset_t None, All;
    sigemptyset(&None);
    sigfillset(&All);
    posix_spawnattr_setsigmask(&FAttr, &None);
    posix_spawnattr_setsigdefault(&FAttr, &All);
    posix_spawnattr_setflags(&FAttr, POSIX_SPAWN_SETSIGMASK | POSIX_SPAWN_SETSIGDEF);
  }
  ~SpawnAttributes() { posix_spawnattr_destroy(&FAttr); }
  SpawnAttributes(const SpawnAttributes&) = delete;
  SpawnAttributes& operator=(const SpawnAttributes&) = delete;
  const posix_spawnattr_t* Get() const { return &FAttr; }

 private:
  posix_spawnattr_t FAttr;
};

// True when the child has ended (and is reaped now).
bool Reaped(pid_t Pid) {
  int Status;
  pid_t R;
  do R = ::waitpid(Pid, &Status, WNOHANG);
  while (R < 0 && errno == EINTR);
  return R != 0;  // the pid, or an error: it is gone either way
}

// A child we stopped waiting for is reaped by a thread of its own when it
// ends, so that it never stays a zombie; it is never killed.
void ReapLater(pid_t Pid) {
  std::thread([Pid] {
    int Status;
    while (::waitpid(Pid, &Status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

void SetWaitClock(TWaitClock* Clock) { InstalledClock() = Clock; }

TWaitClock& WaitClock() {
  static RealWaitClock Real;
  return InstalledClock() ? *InstalledClock() : Real;
}

TProgramRun TProcessRunner::Run(const String& Path, bool Hidden, unsigned LimitMs, unsigned StepMs) {
  TProgramRun Result;
  const std::string File = StringToUtf8(Path);
  char* Argv[] = {const_cast<char*>(File.c_str()), nullptr};
  const SpawnAttributes Attributes;
  pid_t Pid;
  const int Error = ::posix_spawn(&Pid, File.c_str(), nullptr, Attributes.Get(), Argv, environ);
  if (Error != 0) {
    Result.Reason = SysErrorMessage(Error);
    return Result;
  }
  Result.Started = true;
  Result.Pid = Pid;
  TWaitClock& Clock = WaitClock();
  const std::uint64_t Start = Clock.Now();
  for (;;) {
    if (Reaped(Pid)) {
      Result.Ended = true;
      return Result;
    }
    if (Clock.Now() - Start >= LimitMs) break;
    Clock.Sleep(StepMs);
  }
  ReapLater(Pid);
  return Result;
}

void SetProcessService(TProcessService* Service) { InstalledService() = Service; }

TProcessService& ProcessService() {
  static TProcessRunner Real;
  return InstalledService() ? *InstalledService() : Real;
}

TProgramRun RunProgram(const String& Path, bool Hidden, unsigned LimitMs, unsigned StepMs) {
  return ProcessService().Run(Path, Hidden, LimitMs, StepMs);
}
