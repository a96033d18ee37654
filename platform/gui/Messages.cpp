#include "platform/gui/Messages.h"

#include <deque>
#include <map>
#include <mutex>
#include <unordered_map>
#include <vector>

#include "platform/gui/Application.h"
#include "platform/sys/Thread.h"

namespace {
struct Windows {
  std::unordered_map<HWND, TWndMethod> Methods;  // GUI thread only
  HWND Next = 0x100;
};
Windows& Wins() {
  static Windows w;
  return w;
}

struct Posted {
  std::mutex Lock;
  std::deque<TMessage> Queue;  // Msg with the window kept aside
  std::deque<HWND> Targets;
  std::function<void()> Waker;
};
Posted& Post() {
  static Posted p;
  return p;
}

struct Hook {
  HHOOK Id;
  HOOKPROC Proc;
};
struct Hooks {
  std::vector<Hook> List;  // newest first, as the system calls them
  HHOOK Next = 1;
};
Hooks& HookList() {
  static Hooks h;
  return h;
}

// The hook chain position of the hook being called, for CallNextHookEx.
size_t& HookCursor() {
  static size_t i = 0;
  return i;
}

void RunHooks(HWND Wnd, const TMessage& m) {
  auto& list = HookList().List;
  if (list.empty()) return;
  CWPSTRUCT cwp{m.LParam, m.WParam, m.Msg, Wnd};
  const size_t saved = HookCursor();
  HookCursor() = 0;
  const Hook first = list.front();
  first.Proc(HC_ACTION, 1, reinterpret_cast<LPARAM>(&cwp));
  HookCursor() = saved;
}
}  // namespace

HHOOK SetWindowsHookEx(int idHook, HOOKPROC lpfn) {
  if (idHook != WH_CALLWNDPROC || !lpfn) return 0;
  Hooks& h = HookList();
  const HHOOK id = h.Next++;
  h.List.insert(h.List.begin(), Hook{id, std::move(lpfn)});
  return id;
}

bool UnhookWindowsHookEx(HHOOK hhk) {
  auto& list = HookList().List;
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->Id == hhk) {
      list.erase(it);
      return true;
    }
  }
  return false;
}

LRESULT CallNextHookEx(HHOOK, int nCode, WPARAM wParam, LPARAM lParam) {
  auto& list = HookList().List;
  size_t& cursor = HookCursor();
  if (cursor + 1 >= list.size()) return 0;
  ++cursor;
  const Hook next = list[cursor];
  const LRESULT r = next.Proc(nCode, wParam, lParam);
  --cursor;
  return r;
}

HWND AllocateHWnd(TWndMethod Method) {
  Windows& w = Wins();
  const HWND h = w.Next++;
  w.Methods.emplace(h, std::move(Method));
  return h;
}

void DeallocateHWnd(HWND Wnd) { Wins().Methods.erase(Wnd); }

bool IsWindow(HWND Wnd) { return Wins().Methods.count(Wnd) != 0; }

namespace {
LRESULT SendOnGuiThread(HWND Wnd, TMessage& m) {
  auto it = Wins().Methods.find(Wnd);
  if (it == Wins().Methods.end()) return 0;
  RunHooks(Wnd, m);
  // The hook may have freed the window: look it up again.
  it = Wins().Methods.find(Wnd);
  if (it == Wins().Methods.end()) return 0;
  const TWndMethod method = it->second;  // the window may go while it runs
  method(m);
  return m.Result;
}
}  // namespace

LRESULT SendMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage m{Msg, WParam, LParam, 0};
  if (IsMainThread()) return SendOnGuiThread(Wnd, m);
  LRESULT result = 0;
  TThread::Synchronize([&] { result = SendOnGuiThread(Wnd, m); });
  return result;
}

bool PostMessage(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (IsMainThread() && !IsWindow(Wnd)) return false;
  Posted& p = Post();
  std::function<void()> waker;
  {
    std::lock_guard<std::mutex> g(p.Lock);
    p.Queue.push_back(TMessage{Msg, WParam, LParam, 0});
    p.Targets.push_back(Wnd);
    waker = p.Waker;
  }
  if (waker) waker();
  return true;
}

namespace {
struct Registered {
  std::map<String, UINT> Ids;
  std::vector<String> Names;  // by id - 0xC000
  std::mutex Lock;
};
Registered& RegisteredMessages() {
  static Registered r;
  return r;
}
}  // namespace

UINT RegisterWindowMessage(const String& Name) {
  Registered& r = RegisteredMessages();
  std::lock_guard<std::mutex> g(r.Lock);
  auto it = r.Ids.find(Name);
  if (it != r.Ids.end()) return it->second;
  const UINT id = 0xC000 + static_cast<UINT>(r.Names.size());
  r.Ids.emplace(Name, id);
  r.Names.push_back(Name);
  return id;
}

bool RegisteredMessageName(UINT Id, String& Name) {
  Registered& r = RegisteredMessages();
  std::lock_guard<std::mutex> g(r.Lock);
  if (Id < 0xC000 || Id - 0xC000 >= r.Names.size()) return false;
  Name = r.Names[Id - 0xC000];
  return true;
}

namespace platform {
bool HasPostedMessages() {
  std::lock_guard<std::mutex> g(Post().Lock);
  return !Post().Queue.empty();
}

bool DeliverPostedMessages() {
  Posted& p = Post();
  bool any = false;
  for (;;) {
    TMessage m;
    HWND target = 0;
    {
      std::lock_guard<std::mutex> g(p.Lock);
      if (p.Queue.empty()) return any;
      m = p.Queue.front();
      target = p.Targets.front();
      p.Queue.pop_front();
      p.Targets.pop_front();
    }
    any = true;
    auto it = Wins().Methods.find(target);
    if (it == Wins().Methods.end()) continue;
    const TWndMethod method = it->second;
    TrapEvent([&] {
      // A queued key-down meets the dialog keys first, as a typed one does.
      if (m.Msg == WM_KEYDOWN || m.Msg == WM_SYSKEYDOWN) {
        TMessage pre{CN_KEYDOWN, m.WParam, m.LParam, 0};
        method(pre);
        if (pre.Result != 0 || !IsWindow(target)) return;
      }
      method(m);
    });
  }
}

LRESULT DispatchToWindow(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto it = Wins().Methods.find(Wnd);
  if (it == Wins().Methods.end()) return 0;
  const TWndMethod method = it->second;
  TMessage m{Msg, WParam, LParam, 0};
  method(m);
  return m.Result;
}

void SetPostedMessageWaker(std::function<void()> Waker) {
  std::lock_guard<std::mutex> g(Post().Lock);
  Post().Waker = std::move(Waker);
}
}  // namespace platform
