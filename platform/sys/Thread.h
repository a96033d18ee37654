#pragma once
// Worker threads in the class library's manner: Execute runs on its own
// thread; Synchronize hands a call to the GUI (main) thread and blocks until
// it has run there. The GUI thread runs pending calls in CheckSynchronize,
// which its message loop calls whenever the waker tells it to.
#include <atomic>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

using TThreadMethod = std::function<void()>;

class TThread {
 public:
  explicit TThread(bool CreateSuspended);
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;
  // Terminates, wakes and joins the thread.
  virtual ~TThread();

  void Start() { Resume(); }
  void Resume();
  // Only the thread itself may suspend; it sleeps until Resume.
  void Suspend();
  bool Suspended() const;
  void Terminate();
  bool Terminated() const { return FTerminated; }
  bool Finished() const { return FFinished; }
  // Waits for Execute to return; on the GUI thread, pending synchronized
  // calls keep running meanwhile so that the worker cannot dead-lock on us.
  void WaitFor();

  // Runs Method on the GUI thread and returns when it has run. On the GUI
  // thread itself it runs at once.
  static void Synchronize(const TThreadMethod& Method);

 protected:
  virtual void Execute() = 0;

 private:
  void Run();

  mutable std::mutex FLock;
  std::condition_variable FWake;
  bool FSuspended;
  bool FStarted = false;
  std::atomic<bool> FTerminated{false};
  std::atomic<bool> FFinished{false};
  std::thread FThread;
};

// Runs the calls that worker threads handed over; GUI thread only. Answers
// whether any ran.
bool CheckSynchronize();
bool IsMainThread();
// Called (from any thread) when a synchronized call is waiting.
void SetWakeMainThread(std::function<void()> Waker);
