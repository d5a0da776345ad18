// A timer whose period a worker thread measures, so that its pace does not depend on how busy the
// message queue is; each tick still runs on the GUI thread, synchronously, and may touch any control.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "ui/component.h"
#include "ui/thread.h"

namespace controls {

class TThreadedTimer;

// The timer's worker: sleeps the owner's Interval, then has the GUI thread run the tick and waits for
// it, until terminated.
class TTimerThread final : public ui::TThread {
 public:
  explicit TTimerThread(TThreadedTimer& owner) : owner_(owner) {}
  ~TTimerThread() override;

 protected:
  void Execute() override;

 private:
  TThreadedTimer& owner_;
};

class TThreadedTimer : public ui::TComponent {
 public:
  explicit TThreadedTimer(ui::TComponent* owner, std::string name = {});
  // Stops the ticks and disposes of the worker; no tick runs after this, not even one already handed
  // to the GUI thread.
  ~TThreadedTimer() override;

  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  // Milliseconds from the end of one tick to the start of the next; 0 produces no ticks.
  std::uint16_t Interval() const { return interval_; }
  void SetInterval(std::uint16_t interval);
  const ui::TNotifyEvent& OnTimer() const { return onTimer_; }
  void SetOnTimer(ui::TNotifyEvent onTimer);
  // Applied by the worker when it starts; later changes only pause and resume it.
  ui::TThreadPriority ThreadPriority() const { return threadPriority_; }
  void SetThreadPriority(ui::TThreadPriority priority);

  // The owner has set the stored properties: from now on the worker runs while the timer is active.
  void Loaded() override;

  // Ticks are produced: Enabled, a non-zero Interval and an OnTimer handler.
  bool Active() const { return enabled_ && interval_ != 0 && onTimer_; }
  // Pauses the worker, then lets it run again when the timer is active.
  void ApplyRunState();
  // One tick, on the GUI thread: OnTimer with the timer as sender; an error goes to the error box.
  void RunTick();

  const TTimerThread& Worker() const { return *thread_; }

 private:
  friend class TTimerThread;

  bool enabled_ = true;
  // Read by the worker before each sleep.
  std::atomic<std::uint16_t> interval_ = 1000;
  ui::TNotifyEvent onTimer_;
  ui::TThreadPriority threadPriority_ = ui::TThreadPriority::tpNormal;
  bool loaded_ = false;
  std::unique_ptr<TTimerThread> thread_;
};

}  // namespace controls
