#include "controls/threaded_timer.h"

#include "ui/forms.h"

namespace controls {

TTimerThread::~TTimerThread() {
  // The worker runs this class's Execute: it must be gone before the members are.
  Terminate();
  WaitFor();
}

void TTimerThread::Execute() {
  while (!Terminated()) {
    Sleep(owner_.interval_.load());
    Synchronize([this] { owner_.RunTick(); });
  }
}

TThreadedTimer::TThreadedTimer(ui::TComponent* owner, std::string name)
    : ui::TComponent(owner, std::move(name)), thread_(std::make_unique<TTimerThread>(*this)) {}

TThreadedTimer::~TThreadedTimer() {
  SetEnabled(false);
  thread_.reset();
}

void TThreadedTimer::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  ApplyRunState();
}

void TThreadedTimer::SetInterval(std::uint16_t interval) {
  if (interval == interval_) return;
  interval_ = interval;
  ApplyRunState();
}

void TThreadedTimer::SetOnTimer(ui::TNotifyEvent onTimer) {
  onTimer_ = std::move(onTimer);
  ApplyRunState();
}

void TThreadedTimer::SetThreadPriority(ui::TThreadPriority priority) {
  if (priority == threadPriority_) return;
  threadPriority_ = priority;
  ApplyRunState();
}

void TThreadedTimer::Loaded() {
  loaded_ = true;
  ApplyRunState();
}

void TThreadedTimer::ApplyRunState() {
  thread_->Suspend();
  if (!Active() || !loaded_) return;
  // Takes effect only on the worker's first start.
  thread_->SetPriority(threadPriority_);
  thread_->Resume();
}

void TThreadedTimer::RunTick() {
  // A copy, so that a handler may replace OnTimer while it runs.
  if (const ui::TNotifyEvent handler = onTimer_) ui::Application().Dispatch([&] { handler(this); });
}

}  // namespace controls
