#include "os/fake/fake_message_loop.h"

#include <limits>

namespace os {

void FakeMessageLoop::Post(Task task) {
  std::lock_guard lock(mutex_);
  posted_.push_back(std::move(task));
  handedOver_.notify_all();
}

unsigned FakeMessageLoop::StartTimer(unsigned intervalMs, Task tick) {
  const unsigned id = nextId_++;
  timers_[id] = Timer{intervalMs, now_ + intervalMs, std::move(tick)};
  return id;
}

void FakeMessageLoop::StopTimer(unsigned id) { timers_.erase(id); }

bool FakeMessageLoop::RunOnePosted() {
  Task task;
  {
    std::lock_guard lock(mutex_);
    if (posted_.empty()) return false;
    task = std::move(posted_.front());
    posted_.pop_front();
  }
  Guard(task);
  return true;
}

void FakeMessageLoop::Unhandled(std::exception_ptr error) { std::rethrow_exception(error); }

void FakeMessageLoop::ProcessPending() {
  bool any = true;
  while (any && !quit_) {
    any = RunOnePosted();
    if (const unsigned id = NextDue(now_); !any && id) {
      Tick(id);
      any = true;
    }
  }
}

unsigned FakeMessageLoop::NextDue(std::uint64_t limit) const {
  unsigned best = 0;
  std::uint64_t bestDue = std::numeric_limits<std::uint64_t>::max();
  for (const auto& [id, timer] : timers_) {
    if (timer.interval && timer.due <= limit && timer.due < bestDue) {
      best = id;
      bestDue = timer.due;
    }
  }
  return best;
}

void FakeMessageLoop::Tick(unsigned id) {
  Timer& timer = timers_.at(id);
  timer.due += timer.interval;
  const Task tick = timer.tick;  // the tick may stop or restart its own timer
  Guard(tick);
}

void FakeMessageLoop::Advance(std::uint64_t ms) {
  const std::uint64_t end = now_ + ms;
  ProcessPending();
  while (!quit_) {
    const unsigned id = NextDue(end);
    if (!id) break;
    now_ = timers_.at(id).due;
    Tick(id);
    ProcessPending();
  }
  now_ = end;
}

void FakeMessageLoop::ServeFor(std::chrono::milliseconds span) {
  const auto end = std::chrono::steady_clock::now() + span;
  while (!quit_) {
    ProcessPending();
    std::unique_lock lock(mutex_);
    if (!handedOver_.wait_until(lock, end, [&] { return !posted_.empty(); })) break;
  }
}

void FakeMessageLoop::Run() {
  while (!quit_) {
    ProcessPending();
    if (quit_) break;
    if (const unsigned id = NextDue(std::numeric_limits<std::uint64_t>::max())) {
      Advance(timers_.at(id).due - now_);
      continue;
    }
    std::unique_lock lock(mutex_);
    handedOver_.wait(lock, [&] { return !posted_.empty() || quit_; });
  }
}

}  // namespace os
