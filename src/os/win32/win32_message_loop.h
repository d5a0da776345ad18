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

namespace os {

// The library's messages, in the application's own range.
constexpr UINT kMsgPostedTask = WM_APP + 0x100;        // lParam: a Task* the loop owns
constexpr UINT kMsgWake = WM_APP + 0x102;              // wakes Run after Quit

class Win32MessageLoop final : public MessageLoop {
 public:
  // Makes the loop's window; the calling thread is the GUI thread from then on.
  Win32MessageLoop();
  ~Win32MessageLoop() override;
  Win32MessageLoop(const Win32MessageLoop&) = delete;
  Win32MessageLoop& operator=(const Win32MessageLoop&) = delete;

  void Post(Task task) override;
  unsigned StartTimer(unsigned intervalMs, Task tick) override;
  void StopTimer(unsigned id) override;
  void Run() override;
  void Quit() override;
  bool QuitRequested() const override { return quitRequested_; }
  void ProcessPending() override;
  std::uint64_t NowMs() const override;

  // Gets every error that escapes a task; without one, the error is shown in a plain message box.
  using ErrorHandler = std::function<void(std::exception_ptr)>;
  void SetErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }
  // Sees each message taken from the queue before it is translated and dispatched; returning true
  // consumes it (menu short-cuts).
  using MessageFilter = std::function<bool(MSG&)>;
  void SetMessageFilter(MessageFilter filter) { filter_ = std::move(filter); }

  HWND Window() const { return window_; }

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void RunGuarded(const Task& task);
  void Report(std::exception_ptr error);
  // Translates and dispatches one message taken from the queue.
  void Deliver(MSG& msg);

  HWND window_ = nullptr;
  bool quitRequested_ = false;
  UINT nextTimerId_ = 1;
  std::map<UINT, Task> timers_;
  ErrorHandler errorHandler_;
  MessageFilter filter_;

  // GetTickCount wraps after 49.7 days; the loop's clock keeps counting.
  mutable std::mutex clockMutex_;
  mutable DWORD lastTick_ = 0;
  mutable std::uint64_t tickBase_ = 0;
};

}  // namespace os
