// The Office theme watcher, on a registry store of the test's own. The test
// thread serves the watcher's sends until what it waits for has arrived.
#include "grid/base/ThemeNotifier.h"

#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "grid/base/OfficeTheme.h"
#include "tests/support/TempRegistry.h"

namespace {

const String Key12(Office12ThemeKey), Key14(Office14ThemeKey);

void WriteTheme(const String& Key, int Value) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(Key, true));
  reg.WriteInteger(u"Theme", Value);
}

void Install(const String& ThemeKey) {
  TRegistry reg;
  ASSERT_TRUE(reg.OpenKey(ThemeKey + u"\\General", true));
  WriteTheme(ThemeKey, 1);
}

// Serves synchronized calls (the watcher's sends) until Done answers true.
void ServeUntil(const std::function<bool()>& Done) {
  while (!Done())
    if (!CheckSynchronize()) std::this_thread::yield();
}

struct Delivery {
  int Who;
  WPARAM Root;
  String Key;
  friend bool operator==(const Delivery&, const Delivery&) = default;
};

// A window that logs every OfficeThemeChangeMessage it handles.
class Listener {
 public:
  Listener(int Id, std::vector<Delivery>& Log)
      : FHandle(AllocateHWnd([Id, &Log](TMessage& m) {
          if (m.Msg == OfficeThemeChangeMessage)
            Log.push_back({Id, m.WParam, String(reinterpret_cast<const char16_t*>(m.LParam))});
        })) {}
  ~Listener() { Destroy(); }
  HWND Handle() const { return FHandle; }
  void Destroy() {
    if (FHandle) DeallocateHWnd(FHandle);
    FHandle = 0;
  }

 private:
  HWND FHandle;
};

TEST(ThemeNotifier, WithoutOfficeNoWatcherRunsAndRegisteringDoesNothing) {
  testsupport::TempRegistry store;
  WriteTheme(Key14, 2);  // a theme value without the version's General key
  TThemeNotifier notifier(nullptr);
  EXPECT_EQ(notifier.RegMonitorThread(), nullptr);
  notifier.RegisterWindow(42);
  notifier.UnRegisterWindow(42);
  notifier.UnRegisterWindow(43);
}

TEST(ThemeNotifier, WatchesTheKeyOfTheNewestInstalledVersion) {
  const struct {
    bool Has12, Has14;
    String Want;
  } cases[] = {{true, false, Key12}, {false, true, Key14}, {true, true, Key14}};
  for (const auto& c : cases) {
    testsupport::TempRegistry store;
    if (c.Has12) Install(Key12);
    if (c.Has14) Install(Key14);
    TThemeNotifier notifier(nullptr);
    ASSERT_NE(notifier.RegMonitorThread(), nullptr);
    EXPECT_EQ(notifier.RegMonitorThread()->Key(), c.Want);
    EXPECT_EQ(notifier.RegMonitorThread()->RootKey(), HKEY_CURRENT_USER);
    EXPECT_EQ(notifier.RegMonitorThread()->Filter(), unsigned(REG_NOTIFY_CHANGE_LAST_SET));
  }
}

TEST(ThemeNotifier, AThemeChangeReachesTheNotifierThenEachWindowInListOrder) {
  testsupport::TempRegistry store;
  Install(Key14);
  std::vector<Delivery> log;
  TThemeNotifier notifier(nullptr);
  notifier.OnOfficeThemeChange = [&](TObject* Sender) {
    EXPECT_EQ(Sender, &notifier);
    log.push_back({0, 0, u"event"});
  };
  Listener first(1, log), second(2, log), third(3, log);
  notifier.RegisterWindow(second.Handle());
  notifier.RegisterWindow(first.Handle());
  notifier.RegisterWindow(second.Handle());  // kept once
  notifier.RegisterWindow(third.Handle());
  EXPECT_EQ(notifier.RegMonitorThread()->Windows(),
            (std::vector<HWND>{second.Handle(), first.Handle(), third.Handle()}));

  WriteTheme(Key14, 2);
  ServeUntil([&] { return log.size() == 4; });
  const std::vector<Delivery> want{{0, 0, u"event"},
                                   {2, HKEY_CURRENT_USER, Key14},
                                   {1, HKEY_CURRENT_USER, Key14},
                                   {3, HKEY_CURRENT_USER, Key14}};
  EXPECT_EQ(log, want);
  EXPECT_EQ(GetOfficeTheme(), ot2010Silver);

  // Unregistered, or destroyed without unregistering: neither hears more.
  log.clear();
  notifier.UnRegisterWindow(second.Handle());
  first.Destroy();
  WriteTheme(Key14, 3);
  ServeUntil([&] { return log.size() == 2; });
  EXPECT_EQ(log, (std::vector<Delivery>{{0, 0, u"event"}, {3, HKEY_CURRENT_USER, Key14}}));
}

TEST(ThemeNotifier, FreeingItWithASendPendingNeitherBlocksNorLeavesTheThread) {
  testsupport::TempRegistry store;
  Install(Key12);
  std::vector<Delivery> log;
  Listener first(1, log), second(2, log);
  auto notifier = std::make_unique<TThemeNotifier>(nullptr);
  int events = 0;
  notifier->OnOfficeThemeChange = [&](TObject*) { ++events; };
  notifier->RegisterWindow(first.Handle());
  notifier->RegisterWindow(second.Handle());
  WriteTheme(Key12, 2);
  // Once the first window has it, the watcher goes on to send to the
  // second, which nobody serves after this (unless it came in at once).
  ServeUntil([&] { return !log.empty(); });
  notifier.reset();
  EXPECT_EQ(events, 1);
  EXPECT_LE(log.size(), 2u) << "at most the pending send";
  EXPECT_FALSE(CheckSynchronize()) << "nothing left waiting";
}

TEST(ThemeNotifier, TheSharedNotifierIsMadeOnceAndForgottenWhenFreed) {
  testsupport::TempRegistry store;
  TComponent owner(nullptr);
  TThemeNotifier* shared = GetThemeNotifier(&owner);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared->Owner(), &owner);
  EXPECT_EQ(GetThemeNotifier(nullptr), shared);
  delete shared;
  TComponent other(nullptr);
  TThemeNotifier* again = GetThemeNotifier(&other);
  EXPECT_NE(again, nullptr);
  EXPECT_EQ(again->Owner(), &other);
}

// A watcher whose wait fails at once.
class FailingWait : public TRegMonitorThread {
 protected:
  TWaitResult WaitForChange() override {
    ++Waits;
    return wrError;
  }

 public:
  std::atomic<int> Waits{0};
};

TEST(RegMonitorThread, AFailedWaitEndsTheWatchAndRegistrationKeepsWorking) {
  testsupport::TempRegistry store;
  Install(Key14);
  std::vector<Delivery> log;
  Listener wnd(1, log);
  FailingWait watcher;
  watcher.SetKey(Key14);
  watcher.SetWnd(wnd.Handle());
  watcher.Start();
  watcher.WaitFor();
  EXPECT_TRUE(watcher.Finished());
  EXPECT_EQ(watcher.Waits, 1) << "no second wait";
  EXPECT_TRUE(log.empty());
  EXPECT_EQ(watcher.FatalMessage(), u"");
  watcher.RegisterWindow(7);
  EXPECT_EQ(watcher.Windows(), std::vector<HWND>{7});
}

TEST(RegMonitorThread, AKeyThatCannotBeOpenedEndsTheWatch) {
  testsupport::TempRegistry store;
  TRegMonitorThread watcher;
  watcher.SetKey(u"Software\\Nowhere");
  watcher.Start();
  watcher.WaitFor();
  EXPECT_TRUE(watcher.Finished());
  EXPECT_EQ(watcher.FatalMessage(), u"Unable to open registry key Software\\Nowhere");
}

TEST(RegMonitorThread, FreedWithoutEverStartingItEndsAtOnce) {
  auto watcher = std::make_unique<TRegMonitorThread>();
  watcher->SetKey(Key14);
  watcher.reset();
}

TEST(HandleList, KeepsOrderAndDeletesTheFirstEqualEntry) {
  THandleList list;
  list.Add(5);
  list.Add(7);
  list.Insert(0, 7);
  list.DeleteValue(7);
  list.DeleteValue(9);
  EXPECT_EQ(list.List(), (std::vector<HWND>{5, 7}));
  EXPECT_TRUE(list.HasValue(7));
  list.SetItems(1, 8);
  list.Delete(0);
  EXPECT_EQ(list.Items(0), 8u);
  EXPECT_THROW(list.Delete(3), EListError);
  EXPECT_THROW(list.Insert(-1, 1), EListError);
}

}  // namespace
