#include "platform/os/Process.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "tests/support/FakeWaitClock.h"
#include "tests/support/TempDir.h"

namespace fs = std::filesystem;
using testsupport::FakeWaitClock;
using testsupport::ReadFile;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class ProcessTest : public ::testing::Test {
 protected:
  // An executable script in the temporary folder.
  fs::path Script(const char* Name, const std::string& Body) {
    const fs::path P = Dir / Name;
    WriteFile(P, "#!/bin/sh\n" + Body + "\n");
    fs::permissions(P, fs::perms::owner_all);
    return P;
  }
  static String Str(const fs::path& P) { return S(P.string()); }

  TempDir Dir;
};

bool ProcessExists(int Pid) { return fs::exists("/proc/" + std::to_string(Pid)); }

// A killed child disappears from the process table once it is reaped; a
// zombie would stay. Waits for a real process, so only as long as it needs.
bool GoneWithin(int Pid, std::chrono::milliseconds Limit) {
  const auto End = std::chrono::steady_clock::now() + Limit;
  while (ProcessExists(Pid)) {
    if (std::chrono::steady_clock::now() > End) return false;
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  return true;
}

TEST_F(ProcessTest, ProgramRunsWithoutArgumentsAndIsReaped) {
  const fs::path Out = Dir / "ran.txt";
  const fs::path P = Script("updater", "echo \"$# $0\" > '" + Out.string() + "'");
  for (bool Hidden : {false, true}) {
    fs::remove(Out);
    const TProgramRun R = RunProgram(Str(P), Hidden);
    EXPECT_TRUE(R.Started);
    EXPECT_TRUE(R.Ended);
    EXPECT_TRUE(R.Reason.empty());
    EXPECT_EQ(ReadFile(Out), "0 " + P.string() + "\n");
    EXPECT_FALSE(ProcessExists(R.Pid)) << "left as a zombie";
  }
}

TEST_F(ProcessTest, LimitPassesOnTheClockAndTheProgramGoesOn) {
  const fs::path P = Script("slow", "exec sleep 60");
  FakeWaitClock Clock;
  const std::uint64_t Start = Clock.Now();
  const TProgramRun R = RunProgram(Str(P), false);
  ASSERT_TRUE(R.Started);
  EXPECT_FALSE(R.Ended);
  EXPECT_EQ(Clock.Now() - Start, 150000u);
  EXPECT_EQ(Clock.Sleeps(), 15000);
  EXPECT_EQ(::kill(R.Pid, 0), 0) << "the program must still run";
  ::kill(R.Pid, SIGKILL);
  EXPECT_TRUE(GoneWithin(R.Pid, std::chrono::seconds(5))) << "left as a zombie";
}

TEST_F(ProcessTest, StartFailureGivesTheSystemsReason) {
  const fs::path Plain = Dir / "plain";
  WriteFile(Plain, "#!/bin/sh\nexit 0\n");
  const fs::path NoInterpreter = Dir / "nointerp";
  WriteFile(NoInterpreter, "echo hello\n");
  fs::permissions(NoInterpreter, fs::perms::owner_all);
  const struct {
    fs::path Path;
    const char16_t* Reason;
  } Cases[] = {
      {Dir / "missing", u"No such file or directory"},
      {Plain, u"Permission denied"},
      {Dir.Path(), u"Permission denied"},
      {NoInterpreter, u"Exec format error"},  // no shell to fall back on
  };
  for (const auto& C : Cases) {
    FakeWaitClock Clock;
    const TProgramRun R = RunProgram(Str(C.Path), false);
    EXPECT_FALSE(R.Started) << C.Path;
    EXPECT_EQ(R.Reason, C.Reason) << C.Path;
    EXPECT_EQ(Clock.Sleeps(), 0);
  }
}

TEST(Process, ServiceCanBeReplaced) {
  struct Fake : TProcessService {
    TProgramRun Run(const String& Path, bool, unsigned LimitMs, unsigned StepMs) override {
      TProgramRun R;
      R.Reason = Path;
      R.Pid = static_cast<int>(LimitMs + StepMs);
      return R;
    }
  } F;
  SetProcessService(&F);
  const TProgramRun R = RunProgram(u"/x/Ethernet_Update", false);
  SetProcessService(nullptr);
  EXPECT_EQ(R.Reason, u"/x/Ethernet_Update");
  EXPECT_EQ(R.Pid, 150010);
  EXPECT_NE(&ProcessService(), static_cast<TProcessService*>(&F));
}

}  // namespace
