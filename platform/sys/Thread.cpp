#include "platform/sys/Thread.h"

#include <deque>
#include <exception>

namespace {
const std::thread::id kMainThread = std::this_thread::get_id();

struct SyncRequest {
  const TThreadMethod* Method;
  std::exception_ptr Error;
  bool Done = false;
};

struct SyncQueue {
  std::mutex Lock;
  std::condition_variable DoneSignal;
  std::deque<SyncRequest*> Pending;
  std::function<void()> Waker;
};

SyncQueue& Queue() {
  static SyncQueue q;
  return q;
}
}  // namespace

bool IsMainThread() { return std::this_thread::get_id() == kMainThread; }

void SetWakeMainThread(std::function<void()> Waker) {
  std::lock_guard<std::mutex> g(Queue().Lock);
  Queue().Waker = std::move(Waker);
}

bool CheckSynchronize() {
  SyncQueue& q = Queue();
  bool ran = false;
  for (;;) {
    SyncRequest* r = nullptr;
    {
      std::lock_guard<std::mutex> g(q.Lock);
      if (q.Pending.empty()) return ran;
      r = q.Pending.front();
      q.Pending.pop_front();
    }
    try {
      (*r->Method)();
    } catch (...) {
      r->Error = std::current_exception();
    }
    ran = true;
    {
      std::lock_guard<std::mutex> g(q.Lock);
      r->Done = true;
    }
    q.DoneSignal.notify_all();
  }
}

void TThread::Synchronize(const TThreadMethod& Method) {
  if (IsMainThread()) {
    Method();
    return;
  }
  SyncQueue& q = Queue();
  SyncRequest r{&Method, nullptr};
  std::function<void()> waker;
  {
    std::lock_guard<std::mutex> g(q.Lock);
    q.Pending.push_back(&r);
    waker = q.Waker;
  }
  if (waker) waker();
  std::unique_lock<std::mutex> g(q.Lock);
  q.DoneSignal.wait(g, [&] { return r.Done; });
  // The exception of the synchronized call belongs to the worker that asked.
  if (r.Error) std::rethrow_exception(r.Error);
}

TThread::TThread(bool CreateSuspended) : FSuspended(CreateSuspended) {
  FThread = std::thread([this] { Run(); });
  if (!CreateSuspended) Resume();
}

TThread::~TThread() {
  Terminate();
  {
    std::lock_guard<std::mutex> g(FLock);
    FSuspended = false;
    FStarted = true;
  }
  FWake.notify_all();
  WaitFor();
}

void TThread::Run() {
  {
    std::unique_lock<std::mutex> g(FLock);
    FWake.wait(g, [this] { return FStarted; });
  }
  if (!FTerminated) Execute();
  FFinished = true;
}

void TThread::Resume() {
  {
    std::lock_guard<std::mutex> g(FLock);
    FSuspended = false;
    FStarted = true;
  }
  FWake.notify_all();
}

void TThread::Suspend() {
  std::unique_lock<std::mutex> g(FLock);
  FSuspended = true;
  FWake.wait(g, [this] { return !FSuspended; });
}

bool TThread::Suspended() const {
  std::lock_guard<std::mutex> g(FLock);
  return FSuspended;
}

void TThread::Terminate() { FTerminated = true; }

void TThread::WaitFor() {
  if (!FThread.joinable()) return;
  if (IsMainThread()) {
    while (!FFinished) {
      if (!CheckSynchronize()) std::this_thread::yield();
    }
  }
  FThread.join();
}
