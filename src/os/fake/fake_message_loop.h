// The headless message queue: posted tasks and window-message timers on a virtual clock that the test
// moves; tasks that worker threads post are served by the test's thread.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <map>
#include <mutex>

#include "os/message_loop.h"

namespace os {

class FakeMessageLoop final : public MessageLoop {
 public:
  void Post(Task task) override;
  unsigned StartTimer(unsigned intervalMs, Task tick) override;
  void StopTimer(unsigned id) override;
  // Serves the queue until Quit, moving the virtual clock to each next timer when nothing else is due
  // and waiting for worker threads when no timer runs.
  void Run() override;
  void Quit() override { quit_ = true; }
  bool QuitRequested() const override { return quit_; }
  void ProcessPending() override;
  std::uint64_t NowMs() const override { return now_; }

  // Moves the virtual clock forward, running every tick and posted task in time order.
  void Advance(std::uint64_t ms);
  // Serves what worker threads post, for a span of real time.
  void ServeFor(std::chrono::milliseconds span);
  bool TimerRunning(unsigned id) const { return timers_.count(id) != 0; }
  std::size_t TimerCount() const { return timers_.size(); }

 protected:
  // Without a handler an error leaves the loop to its caller (ProcessPending, Advance, Run), as a test
  // expects to see it.
  void Unhandled(std::exception_ptr error) override;

 private:
  struct Timer {
    unsigned interval;
    std::uint64_t due;
    Task tick;
  };
  bool RunOnePosted();
  // The timer due first at or before the given time; 0 when none.
  unsigned NextDue(std::uint64_t limit) const;
  void Tick(unsigned id);

  std::uint64_t now_ = 0;
  bool quit_ = false;
  unsigned nextId_ = 1;
  std::map<unsigned, Timer> timers_;

  std::mutex mutex_;
  std::condition_variable handedOver_;
  std::deque<Task> posted_;
};

}  // namespace os
