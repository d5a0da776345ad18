// A worker thread of the component library. The worker runs Execute; it hands work to the GUI thread
// with Synchronize and can be paused and resumed from the GUI thread. Pausing never stops the thread
// at an arbitrary point: the worker stops at its pause points (the end of a Sleep, the start and the end
// of a Synchronize), holding no lock while paused.
#pragma once

#include <functional>
#include <memory>
#include <thread>

#include "os/message_loop.h"
#include "os/thread_priority.h"

namespace ui {

enum class TThreadPriority { tpIdle, tpLowest, tpLower, tpNormal, tpHigher, tpHighest, tpTimeCritical };

class TThread {
 public:
  // Created suspended: the first Resume starts the worker. Call on the GUI thread, with the
  // application object in place.
  TThread();
  // Terminates, wakes and joins the worker. A subclass whose Execute uses members of its own calls
  // Terminate and WaitFor in its own destructor, before those members go.
  virtual ~TThread();
  TThread(const TThread&) = delete;
  TThread& operator=(const TThread&) = delete;

  // Read when the worker starts, which applies it to itself; a running worker keeps the one it has.
  TThreadPriority Priority() const { return priority_; }
  void SetPriority(TThreadPriority priority) { priority_ = priority; }

  // The worker stops at its next pause point until Resume or Terminate.
  void Suspend();
  // Lifts the pause; the first call starts the worker, unless it was terminated before.
  void Resume();
  bool Suspended() const;

  // Asks Execute to return: wakes a sleeping, paused or waiting worker and cancels a synchronised call
  // that the GUI thread has not begun yet.
  void Terminate();
  bool Terminated() const;
  // Returns once the worker has finished. Not on the worker itself.
  void WaitFor();
  // The worker's id once it has started.
  std::thread::id ThreadID() const { return thread_.get_id(); }

 protected:
  // The worker's work; it returns when Terminated() holds.
  virtual void Execute() = 0;
  // On the worker: lets the time pass, unless the thread is terminated first.
  void Sleep(unsigned ms);
  // On the worker: runs the call on the GUI thread, by whatever loop the GUI thread runs, and returns
  // when it has run; an error it raised is raised again here. Once the thread is terminated the worker
  // stops waiting, and a call the GUI thread has not begun is dropped.
  void Synchronize(std::function<void()> call);

 private:
  struct State;
  struct Handover;
  static void RunHandover(State& state, Handover& handover);
  // An error that ends the worker goes to the standard error box like any handler's; nothing may
  // leave the thread's function, not even a failure to report.
  void Report(const std::string& text) noexcept;

  std::shared_ptr<State> state_;
  os::MessageLoop& loop_;
  os::ThreadPriority& priorities_;
  TThreadPriority priority_ = TThreadPriority::tpNormal;
  bool started_ = false;
  std::thread thread_;
};

}  // namespace ui
