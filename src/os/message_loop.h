// The application's one message queue: posted tasks, window-message timers and the hand-over of work
// from a worker thread to the GUI thread all go through it.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <utility>

namespace os {

using Task = std::function<void()>;

class MessageLoop {
 public:
  virtual ~MessageLoop() = default;

  // Queues a task for the GUI thread; it runs after the current handler has returned. Any thread may
  // post.
  virtual void Post(Task task) = 0;

  // A repeating timer of the GUI thread: the first tick comes one interval after the start, ticks are
  // queued like messages and never interrupt a handler. Returns an id other than 0.
  virtual unsigned StartTimer(unsigned intervalMs, Task tick) = 0;
  // Stops the timer; a tick of it that is already queued does not run. Unknown ids are ignored.
  virtual void StopTimer(unsigned id) = 0;

  // Runs the loop until Quit; Quit from inside a handler ends it once that handler returns.
  virtual void Run() = 0;
  virtual void Quit() = 0;
  virtual bool QuitRequested() const = 0;

  // Handles everything that is due now without waiting (a modal loop's or ProcessMessages' turn).
  virtual void ProcessPending() = 0;

  // Milliseconds on the loop's clock.
  virtual std::uint64_t NowMs() const = 0;

  // Where an error goes that escapes a callback of the system: a posted task, a timer tick, a window
  // message, a device's notification. The application installs its standard error box here. Without a
  // handler, or when the handler itself fails, the loop's own last resort takes the error (see each
  // loop). Set and used on the GUI thread.
  using ErrorHandler = std::function<void(std::exception_ptr)>;
  void SetErrorHandler(ErrorHandler handler) { errorHandler_ = std::move(handler); }

  // Runs a callback of the system; an error that escapes it goes to the error handler, never further.
  template <typename Callback>
  void Guard(Callback&& callback) {
    try {
      callback();
    } catch (...) {
      Report(std::current_exception());
    }
  }

 protected:
  // An error no handler took.
  virtual void Unhandled(std::exception_ptr error) = 0;

 private:
  void Report(std::exception_ptr error);
  ErrorHandler errorHandler_;
};

}  // namespace os
