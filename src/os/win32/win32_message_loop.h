// The application's message queue on the thread's real Win32 queue: a hidden window of the loop's own
// receives posted tasks, timer ticks and worker threads' hand-overs, so that any loop the GUI thread
// runs (modal loops and message boxes included) serves them.
#pragma once

#include <windows.h>

#include <cstdint>
#include <exception>
#include <functional>
#include <map>
#include <mutex>

#include "os/message_loop.h"
#include "os/win32/window_binding.h"

namespace os {

// The library's messages, in the application's own range.
constexpr UINT kMsgPostedTask = WM_APP + 0x100;        // lParam: a Task* the loop owns
constexpr UINT kMsgWake = WM_APP + 0x102;              // wakes Run after Quit

class Win32MessageLoop final : public MessageLoop, public BoundWindow {
 public:
  // Makes the loop's window; the calling thread is the GUI thread from then on.
  Win32MessageLoop();
  ~Win32MessageLoop() override;

  void Post(Task task) override;
  unsigned StartTimer(unsigned intervalMs, Task tick) override;
  void StopTimer(unsigned id) override;
  void Run() override;
  // A nested loop, a modal form's: handles messages until done() holds, which it asks before waiting
  // for each message, or until Quit.
  void RunUntil(const std::function<bool()>& done);
  void Quit() override;
  bool QuitRequested() const override { return quitRequested_; }
  void ProcessPending() override;
  std::uint64_t NowMs() const override;

  // Sees each message taken from the queue before it is translated and dispatched; returning true
  // consumes it (menu short-cuts). Its errors go to the error handler.
  using MessageFilter = std::function<bool(MSG&)>;
  void SetMessageFilter(MessageFilter filter) { filter_ = std::move(filter); }

 protected:
  // Without a handler an error is shown in a plain message box: nothing may unwind through Windows.
  void Unhandled(std::exception_ptr error) override;

 private:
  LRESULT WindowMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  // Translates and dispatches one message taken from the queue.
  void Deliver(MSG& msg);

  bool quitRequested_ = false;
  UINT nextTimerId_ = 1;
  std::map<UINT, Task> timers_;
  MessageFilter filter_;

  // GetTickCount wraps after 49.7 days; the loop's clock keeps counting.
  mutable std::mutex clockMutex_;
  mutable DWORD lastTick_ = 0;
  mutable std::uint64_t tickBase_ = 0;
};

}  // namespace os
