#include <gtest/gtest.h>

#include <vector>

#include "platform/gui/Application.h"
#include "platform/gui/Messages.h"
#include "platform/sys/Thread.h"
#include "tests/support/GuiTest.h"

namespace {
// A window that logs the messages it gets and can act on one of them.
struct LogWindow {
  std::vector<UINT> Log;
  std::function<void(TMessage&)> On;
  HWND Wnd = AllocateHWnd([this](TMessage& m) {
    Log.push_back(m.Msg);
    if (On) On(m);
  });
  ~LogWindow() { DeallocateHWnd(Wnd); }
};

TEST(Messages, PostedMessagesRunAfterTheCurrentHandlerInOrder) {
  LogWindow w;
  w.On = [&](TMessage& m) {
    if (m.Msg != WM_USER) return;
    PostMessage(w.Wnd, WM_USER + 1);
    PostMessage(w.Wnd, WM_USER + 2);
    w.Log.push_back(0);  // the rest of the handler
  };
  SendMessage(w.Wnd, WM_USER);
  EXPECT_EQ(w.Log, (std::vector<UINT>{WM_USER, 0}));
  testsupport::InputDriver().Pump();
  EXPECT_EQ(w.Log, (std::vector<UINT>{WM_USER, 0, WM_USER + 1, WM_USER + 2}));
}

TEST(Messages, SendMessageRunsTheProcedureBeforeReturningItsResult) {
  LogWindow w;
  w.On = [](TMessage& m) { m.Result = static_cast<LRESULT>(m.WParam + m.LParam); };
  EXPECT_EQ(SendMessage(w.Wnd, WM_USER, 40, 2), 42);
  EXPECT_EQ(w.Log.size(), 1u);
}

TEST(Messages, MessagesToAFreedWindowAreDropped) {
  auto w = std::make_unique<LogWindow>();
  const HWND h = w->Wnd;
  w.reset();
  EXPECT_EQ(SendMessage(h, WM_USER), 0);
  EXPECT_FALSE(PostMessage(h, WM_USER));
}

TEST(Messages, APostedMessageWhoseWindowWentIsNotDelivered) {
  auto w = std::make_unique<LogWindow>();
  PostMessage(w->Wnd, WM_USER);
  w.reset();
  EXPECT_NO_FATAL_FAILURE(testsupport::InputDriver().Pump());
}

TEST(Messages, RegisteredIdsAreStableByNameAndFromC000) {
  const UINT a = RegisterWindowMessage(u"GridEditDone");
  const UINT b = RegisterWindowMessage(u"DTPShiftFocus");
  EXPECT_GE(a, 0xC000u);
  EXPECT_GE(b, 0xC000u);
  EXPECT_NE(a, b);
  EXPECT_EQ(RegisterWindowMessage(u"GridEditDone"), a);
}

TEST(Messages, TheCallWindowProcHookSeesSentMessagesFirst) {
  LogWindow w;
  std::vector<UINT> seen;
  HHOOK hook = SetWindowsHookEx(WH_CALLWNDPROC, [&](int code, WPARAM wp, LPARAM lp) {
    const auto* cwp = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (cwp->hwnd == w.Wnd) seen.push_back(cwp->message);
    EXPECT_TRUE(w.Log.empty() || cwp->hwnd != w.Wnd || w.Log.size() < seen.size());
    return CallNextHookEx(0, code, wp, lp);
  });
  SendMessage(w.Wnd, WM_USER + 7);
  EXPECT_TRUE(UnhookWindowsHookEx(hook));
  SendMessage(w.Wnd, WM_USER + 8);
  EXPECT_EQ(seen, (std::vector<UINT>{WM_USER + 7}));
}

class Sender : public TThread {
 public:
  Sender(HWND w) : TThread(true), FWnd(w) {}
  LRESULT Answer = 0;

 protected:
  void Execute() override { Answer = SendMessage(FWnd, WM_USER, 5, 0); }

 private:
  HWND FWnd;
};

TEST(Messages, SendMessageFromAWorkerBlocksUntilTheGuiThreadRanIt) {
  LogWindow w;
  bool onGui = false;
  w.On = [&](TMessage& m) {
    onGui = IsMainThread();
    m.Result = 99;
  };
  Sender s(w.Wnd);
  s.Start();
  while (!s.Finished()) Application->ProcessMessages();
  s.WaitFor();
  EXPECT_TRUE(onGui);
  EXPECT_EQ(s.Answer, 99);
}
}  // namespace
